#include "monitor/KeyActions.h"

#include "platform/LocalText.h"
#include "shared/Messages.h"

namespace orvyn {

AppletAction appletAction(bool wanted, bool running) {
    if (wanted && !running)
        return AppletAction::Start;
    if (!wanted && running)
        return AppletAction::Close;
    return AppletAction::None;
}

KeyActions::KeyActions(std::string programFolder, MessagePoster &poster, Shell &shell, TraceFunction trace)
    : programFolder_(std::move(programFolder)), poster_(poster), shell_(shell), trace_(std::move(trace)) {}

void KeyActions::launchKeyProgram(const ConfigBlock &config, int keyNumber) {
    const ProfileData *profile = config.currentProfileData();
    if (!profile || keyNumber < 1 || keyNumber > kKeyboardSlotCount)
        return;
    const MacroKeyInfo &key = profile->keys[keyNumber - 1];
    if (key.assignType() != AssignType::LaunchProgram)
        return;
    const std::string path(getFixed(key.programPath));
    if (path.empty())
        return;
    const LaunchOutcome outcome = shell_.open(path);
    if (outcome.started)
        return;
    // A key that does nothing looks like a broken keyboard: say why.
    trace_("Monitor: program key " + std::to_string(keyNumber) + ": " + outcome.problem + "\n");
    if (notifier_)
        notifier_->notify(outcome.notice, localText("Monitor", QT_TRANSLATE_NOOP("Monitor", "Program key %1"),
                                                    {std::to_string(keyNumber)}));
}

void KeyActions::OnCustomizer() {
    trace_("CMonitorWnd OnCustomizer\n");
    if (poster_.exists(kOptionTitle)) {
        trace_("CMonitorWnd OnCustomizer hWnd!=NULL\n");
        // Option restores, raises and activates its own window; the
        // display server's time lets it pass focus-stealing prevention.
        const auto time = userTime_ ? userTime_->serverTime() : std::nullopt;
        poster_.post(kOptionTitle, WM_SYSCOMMAND_MSG, SC_RESTORE_CMD, time.value_or(0));
        return;
    }
    trace_("CMonitorWnd OnCustomizer hWnd==NULL\n");
    const std::string path = pathOf(kOptionProgram);
    if (shell_.isProgram(path))
        shell_.startHelper(path, helperArguments_);
}

void KeyActions::startOsd() {
    const std::string path = pathOf(kOsdProgram);
    if (shell_.isProgram(path))
        shell_.startHelper(path, helperArguments_);
}

void KeyActions::refreshOne(const HelperProgram &applet, bool wanted) {
    switch (appletAction(wanted, poster_.exists(applet.title))) {
    case AppletAction::Start: {
        const std::string path = pathOf(applet);
        if (shell_.isProgram(path))
            shell_.open(path);
        break;
    }
    case AppletAction::Close:
        poster_.post(applet.title, WM_CLOSE_MSG);
        break;
    case AppletAction::None:
        break;
    }
}

void KeyActions::refreshApplets(const OsdSettings &settings) {
    refreshOne(kLoadMeterApplet, settings.cpuLoad == 1 || settings.memoryLoad == 1);
    refreshOne(kMailCheckApplet, settings.mailCheck == 1);
    refreshOne(kCallNotifyApplet, settings.callNotify == 1);
}

void KeyActions::closeOption() {
    poster_.post(kOptionTitle, WM_CLOSE_MSG);
}

void KeyActions::closeHelpers() {
    for (const HelperProgram *helper :
         {&kLoadMeterApplet, &kMailCheckApplet, &kCallNotifyApplet, &kOsdProgram})
        poster_.post(helper->title, WM_CLOSE_MSG);
}

} // namespace orvyn
