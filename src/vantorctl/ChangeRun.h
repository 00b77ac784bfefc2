// A changing command stands in for Option for its length: Option's
// instance lock, its endpoint, its configuration session and apply cycle.
#pragma once

#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "editing/ConfigSession.h"
#include "vantorctl/CtlEnvironment.h"
#include "vantorctl/Vantorctl.h"

namespace orvyn::ctl {

// An edit of the working copy; an empty result means done, any text is the
// reason nothing is applied.
using Edit = std::function<std::string(ConfigSession &)>;

struct ChangeOptions {
    std::optional<std::chrono::milliseconds> waitLimit;
};

// The exit status for what the session told the user during a change.
ExitStatus changeExitStatus(const std::vector<SessionNotice> &told);

// Runs `edit` on Option's working copy and applies it; the exit status says
// whether Monitor confirmed.
ExitStatus runChange(Environment &env, const ChangeOptions &options, const Edit &edit);

} // namespace orvyn::ctl
