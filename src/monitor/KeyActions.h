// Work the keyboard's keys ask of the host: a key's program, the
// configuration program, the on-screen display and the three applets.
#pragma once

#include <string>
#include <vector>

#include "monitor/HostInterfaces.h"
#include "platform/MessagePoster.h"
#include "shared/ConfigBlock.h"
#include "shared/SettingsStore.h"

namespace orvyn {

// One outside helper program: where it lives and the endpoint it answers on.
struct HelperProgram {
    const char *relativePath; // below the program folder
    const char *title;
};

inline constexpr HelperProgram kOsdProgram{"OSD", kOsdTitle};
inline constexpr HelperProgram kOptionProgram{"Option", kOptionTitle};
inline constexpr HelperProgram kLoadMeterApplet{"Applets/LoadMeter", kLoadMeterTitle};
inline constexpr HelperProgram kMailCheckApplet{"Applets/MailCheck", kMailCheckTitle};
inline constexpr HelperProgram kCallNotifyApplet{"Applets/CallNotify", kCallNotifyTitle};

// What a refresh does to one applet.
enum class AppletAction { None, Start, Close };

// The decision for one applet: start it when wanted and absent, close it
// when unwanted and running, leave it alone otherwise.
AppletAction appletAction(bool wanted, bool running);

class KeyActions {
public:
    // `programFolder` ends with "/".
    KeyActions(std::string programFolder, MessagePoster &poster, Shell &shell, TraceFunction trace);

    // Where a program key that cannot be started is reported (none: only
    // the trace), and the clock that lets a raised Option take the focus.
    void setNotifier(Notifier *notifier) { notifier_ = notifier; }
    void setUserTime(UserTimeSource *userTime) { userTime_ = userTime; }
    // What Option and the OSD are started with (Monitor's own --language).
    void setHelperArguments(std::vector<std::string> arguments) { helperArguments_ = std::move(arguments); }

    // Program key n (1-15) of the current profile: opens its path when the
    // slot is a launch-program assignment; says so when that fails.
    void launchKeyProgram(const ConfigBlock &config, int keyNumber);
    // Raises Option when it runs, else starts it from the program folder
    // when it is there.
    void OnCustomizer();
    // Starts the on-screen display program when it is there.
    void startOsd();
    // Starts or closes the three applets by the OSD settings switches.
    void refreshApplets(const OsdSettings &settings);
    // WM_CLOSE to Option.
    void closeOption();
    // WM_CLOSE to the three applets and the on-screen display.
    void closeHelpers();

    std::string pathOf(const HelperProgram &program) const { return programFolder_ + program.relativePath; }

private:
    void refreshOne(const HelperProgram &applet, bool wanted);

    std::string programFolder_;
    MessagePoster &poster_;
    Shell &shell_;
    TraceFunction trace_;
    Notifier *notifier_ = nullptr;
    UserTimeSource *userTime_ = nullptr;
    std::vector<std::string> helperArguments_;
};

} // namespace orvyn
