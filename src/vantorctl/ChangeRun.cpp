#include "vantorctl/ChangeRun.h"

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
        complain(text);
        if (notice == SessionNotice::SettingsNotSaved)
            notSaved = true;
        else if (notice != SessionNotice::MacroLibraryUnreadable)
            notApplied = true;
    }

    bool closed = false;
    bool notApplied = false;
    bool notSaved = false;
};

} // namespace

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
        complain("Another change is in progress (Option's window or another vantorctl command), so nothing "
                 "was changed: two editors of one configuration would overwrite each other. Close Option or "
                 "wait for the other command, then try again.");
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
        complain("Another program receives Option's messages, so nothing was changed. Close Option and try "
                 "again.");
        return ExitStatus::OptionOpen;
    case BindResult::Error:
        complain("Cannot receive Monitor's answer: " + endpoint.error());
        return ExitStatus::BadInput;
    }
    std::string folderError;
    if (!ensureSettingsFolders(env.settings().folder(), &folderError))
        complain(folderError);

    SharedConfigBlock block;
    block.open(runtime);
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
    // Settings that were not saved are lost at the next read-back, whatever
    // the keyboard took: that outranks a missing confirmation.
    if (view.notSaved)
        return ExitStatus::NotSaved;
    return view.notApplied ? ExitStatus::NotApplied : ExitStatus::Done;
}

} // namespace orvyn::ctl
