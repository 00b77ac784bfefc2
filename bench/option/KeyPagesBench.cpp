// Switching the profile in Option's main window with all four pages built:
// every page reloads (104 standard keys, 15 programmable-key and 6 media-key
// captions, the player and the advanced values) and the shown page is
// redrawn at once. Prints the median and worst time per switch for each
// shown page; the target is one frame (16 ms).
// Usage: key_pages_bench [switches]
#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "option/ConfigWindow.h"
#include "option/keyboard/XkbLayout.h"
#include "option/skin/SkinResources.h"

namespace {

using namespace orvyn;
using SteadyClock = std::chrono::steady_clock;

class NoMonitor final : public MessagePoster {
public:
    bool exists(const std::string &) override { return false; }
    bool post(const std::string &, const PostedMessage &) override { return false; }
};

class NoShell final : public DocumentOpener {
public:
    bool openFile(const QString &) override { return false; }
    bool openAddress(const QString &) override { return false; }
};

// Every profile different: remapped keys and one assignment of each kind.
void varyProfiles(ConfigBlock &config) {
    for (int p = 0; p < kProfileCount; ++p) {
        ProfileData &profile = config.profiles[p];
        for (int k = p; k < kStandardKeyCount; k += 7)
            profile.standardkey[k] = static_cast<uint8_t>(4 + (k + p) % 26);
        for (int s = 0; s < kKeyboardSlotCount; ++s) {
            MacroKeyInfo &key = profile.keys[s];
            key.type = static_cast<uint8_t>(1 + (s + p) % 11);
            key.flags = static_cast<uint8_t>(1 + s % 5);
            key.code = static_cast<uint16_t>(key.type == 6 ? 176 + s : 4 + s);
            setFixed(key.macroName, "Macro " + std::to_string(s));
            setFixed(key.programPath, "/usr/bin/program" + std::to_string(s));
        }
        profile.MediaOption = p % 4;
    }
}

double ms(SteadyClock::duration d) {
    return std::chrono::duration<double, std::milli>(d).count();
}

} // namespace

int main(int argc, char **argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int switches = argc > 1 ? std::max(1, std::atoi(argv[1])) : 200;
    QTemporaryDir home;
    if (!home.isValid())
        return 1;
    const std::string settingsDir = home.path().toStdString() + "/";
    // The settings folder as Option finds it: without config/ the macro
    // library cannot be saved, and the window would stop on that message.
    if (!QDir(home.path()).mkpath(QStringLiteral("config")))
        return 1;
    setSkinFolder(QStringLiteral(ORVYN_PROGRAM_DIR "skins/"));

    UiTextLibrary texts;
    texts.load(ORVYN_PROGRAM_DIR);
    SettingsStore settings(settingsDir);
    NoMonitor poster;
    NoShell shell;
    const auto layout = makeSystemLayout();
    ConfigSession session(settings, poster, texts, settingsDir + "config/sequence.dat");
    ConfigWindow window(ConfigWindow::Services{session, texts, poster, shell, settings, ORVYN_PROGRAM_DIR,
                                               nullptr, layout.get()});
    window.initialize(nullptr, false);
    varyProfiles(session.working());
    window.show();
    app.processEvents();

    bool met = true;
    for (int tab = ConfigWindow::StandardKeysTab; tab <= ConfigWindow::AdvancedTab; ++tab) {
        window.command(tab);
        app.processEvents();
        std::vector<double> times;
        for (int i = 0; i < switches; ++i) {
            const auto start = SteadyClock::now();
            session.selectProfile(i % kProfileCount);
            app.processEvents(); // what the switch left to paint
            times.push_back(ms(SteadyClock::now() - start));
        }
        std::sort(times.begin(), times.end());
        const double median = times[times.size() / 2];
        met = met && median <= 16.0;
        const char *names[] = {"standard keys", "macro keys", "media keys", "advanced"};
        std::printf("profile switch, %-13s page shown: median %6.2f ms  max %6.2f ms  (%d switches, target "
                    "<= 16 ms: %s)\n",
                    names[tab - 1], median, times.back(), switches, median <= 16.0 ? "met" : "NOT met");
    }
    return met ? 0 : 1;
}
