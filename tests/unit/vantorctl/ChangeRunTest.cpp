// The exit status of a changing command from what its apply told the user.
#include <gtest/gtest.h>

#include "vantorctl/ChangeRun.h"

namespace orvyn::ctl {
namespace {

TEST(ChangeExitStatus, TheWorstOfWhatWasToldDecides) {
    using N = SessionNotice;
    struct Case {
        std::vector<SessionNotice> told;
        ExitStatus status;
    };
    const Case cases[] = {
        {{}, ExitStatus::Done},
        {{N::MacroLibraryUnreadable}, ExitStatus::Done},
        {{N::AppliedWithoutMonitor}, ExitStatus::NotApplied},
        {{N::ApplyUnconfirmed}, ExitStatus::NotApplied},
        {{N::KeyboardAbsent}, ExitStatus::NotApplied},
        {{N::KeyboardRefused}, ExitStatus::Refused},
        {{N::ApplyUnconfirmed, N::KeyboardRefused}, ExitStatus::Refused},
        {{N::KeyboardRefused, N::SettingsNotSaved}, ExitStatus::NotSaved},
        {{N::SettingsNotSaved, N::AppliedWithoutMonitor}, ExitStatus::NotSaved},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(changeExitStatus(c.told), c.status) << ::testing::PrintToString(static_cast<int>(c.status));
    }
    EXPECT_EQ(static_cast<int>(ExitStatus::Refused), 5);
}

} // namespace
} // namespace orvyn::ctl
