#include "vantorctl/ChangeRun.h"

#include <algorithm>
#include <cstdlib>

#include "platform/Clock.h"
#include "platform/ProgramStartup.h"
#include "shared/Messages.h"
#include "shared/SharedBlock.h"
#include "vantorctl/ApplyWait.h"

namespace orvyn::ctl {

namespace {

// The session's window: what a window would show goes to stderr, and what
// it would be told decides the exit status.
class CommandLineView final : public SessionView {
public:
    void refresh(int) override {}
    void beginApplyWait() override {}
    void endApplyWait() override {}
    void versionTextChanged() override {}
    void closeWindow() override { closed = true; }
    void restoreAndActivate() override {}
    void tellUser(SessionNotice notice, const std::string &text) override {
        // The window's text speaks of its Apply button; runChange says it in its own words.
        if (notice != SessionNotice::KeyboardRefused)
            complain(text);
        told.push_back(notice);
    }

    bool closed = false;
    std::vector<SessionNotice> told;
};

} // namespace

ExitStatus changeExitStatus(const std::vector<SessionNotice> &told) {
    auto toldOf = [&told](SessionNotice notice) {
        return std::find(told.begin(), told.end(), notice) != told.end();
    };
    // Settings that were not saved are lost at the next read-back, whatever
    // the keyboard took: that outranks what the keyboard did with them.
    if (toldOf(SessionNotice::SettingsNotSaved))
        return ExitStatus::NotSaved;
    if (toldOf(SessionNotice::KeyboardRefused))
        return ExitStatus::Refused;
    for (SessionNotice notice : {SessionNotice::AppliedWithoutMonitor, SessionNotice::ApplyUnconfirmed,
                                 SessionNotice::KeyboardAbsent}) {
        if (toldOf(notice))
            return ExitStatus::NotApplied;
    }
    return ExitStatus::Done;
}

ExitStatus runChange(Environment &env, const ChangeOptions &options, const Edit &edit) {
    // Option's own start, under our name.
    ProgramStartup startup(kProgram);
    if (!startup.findRuntimeFolder())
        return ExitStatus::BadInput;
    const std::string &runtime = startup.runtimeFolder();
    switch (startup.claimInstance(kOptionInstanceName)) {
    case InstanceClaim::First:
        break;
    case InstanceClaim::AlreadyRunning:
        complain(said(QT_TRANSLATE_NOOP(
            "vantorctl", "Another change is in progress (Option's window or another vantorctl command), "
                         "so nothing was changed: two editors of one configuration would "
                         "overwrite each other. Close Option or wait for the other command, "
                         "then try again.")));
        return ExitStatus::OptionOpen;
    case InstanceClaim::Failed:
        return ExitStatus::BadInput;
    }
    // Bound before 1224 is posted, so that the answer cannot be missed.
    Endpoint endpoint;
    switch (endpoint.bind(runtime, kOptionTitle)) {
    case BindResult::Bound:
        break;
    case BindResult::Taken:
        complain(said(QT_TRANSLATE_NOOP("vantorctl",
                                        "Another program receives Option's messages, so nothing was changed. "
                                        "Close Option and try again.")));
        return ExitStatus::OptionOpen;
    case BindResult::Error:
        complain(
            said(QT_TRANSLATE_NOOP("vantorctl", "Cannot receive Monitor's answer: %1"), {endpoint.error()}));
        return ExitStatus::BadInput;
    }
    std::string folderError;
    if (!ensureSettingsFolders(env.settings().folder(), &folderError))
        complain(folderError);

    SharedConfigBlock block;
    block.open(runtime, BlockOwner::MonitorMustRun);
    ConfigSession session(env.settings(), env.poster(), env.texts(), env.macroPath());
    CommandLineView view;
    session.setView(&view);
    session.initialize(&block);

    const std::string refused = edit(session);
    if (!refused.empty()) {
        complain(refused);
        return ExitStatus::BadInput;
    }
    if (session.apply(ApplyMode::Apply)) {
        EndpointSource source(endpoint);
        RealClock realTime(1.0);
        const double scale = parseTimeScale(std::getenv("ORVYN_TIME_SCALE"));
        const WaitTiming timing{options.waitLimit.value_or(applyWaitLimit(scale))};
        waitForApply(session, source, env.poster(), realTime, timing, view.closed);
    }
    session.setView(nullptr);
    if (session.lastApplyOutcome() == ApplyOutcome::Refused) {
        const std::string refused = refusedSettingsText(session.lastRefusedReports());
        complain(refused.empty()
                     ? said(QT_TRANSLATE_NOOP(
                           "vantorctl", "The keyboard refused some changes. The settings files hold them, "
                                        "but the keyboard did not take them."))
                     : said(QT_TRANSLATE_NOOP(
                                "vantorctl", "The keyboard refused some changes: %1. The settings files hold "
                                             "them, but the keyboard did not take them."),
                            {refused}));
    }
    return changeExitStatus(view.told);
}

} // namespace orvyn::ctl
