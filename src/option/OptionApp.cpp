#include "option/OptionApp.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <chrono>
#include <cstdio>
#include <optional>
#include <string>

#include "option/ConfigWindow.h"
#include "option/skin/SkinResources.h"
#include "option/skin/SkinnedDialog.h"
#include "platform/Endpoint.h"
#include "platform/Folders.h"
#include "platform/ProgramStartup.h"
#include "platform/Trace.h"
#include "platform/qt/EndpointListener.h"
#include "platform/qt/ProgramApplication.h"
#include "shared/Messages.h"
#include "shared/SharedBlock.h"
#include "translations/ProgramTranslations.h"
#include "uitext/LanguageChoice.h"
#include "uitext/UiText.h"

namespace orvyn {

namespace {

// Where the start-up's time goes, traced with the first frame: the
// milliseconds each step took, in order.
class StartSteps {
public:
    void step(const char *name) {
        const auto now = std::chrono::steady_clock::now();
        if (count_ < kMax)
            steps_[count_++] = {name, std::chrono::duration<double, std::milli>(now - last_).count()};
        last_ = now;
    }
    std::string text() const {
        std::string out = "Option: start steps (ms):";
        for (int i = 0; i < count_; ++i) {
            char part[64];
            std::snprintf(part, sizeof part, " %s %.1f%s", steps_[i].name, steps_[i].ms,
                          i + 1 < count_ ? "," : "");
            out += part;
        }
        return out + "\n";
    }

private:
    static constexpr int kMax = 8;
    struct Step {
        const char *name;
        double ms;
    };
    std::chrono::steady_clock::time_point last_ = std::chrono::steady_clock::now();
    Step steps_[kMax]{};
    int count_ = 0;
};

} // namespace

int runOption(int argc, char **argv) {
    const std::string languageArgument = takeLanguageArgument(argc, argv);
    StartSteps steps;
    ProgramStartup startup("Option");
    if (!startup.findRuntimeFolder())
        return 1;
    const std::string &runtime = startup.runtimeFolder();
    // Checked before any window exists: a second Option ends silently.
    switch (startup.claimInstance(kOptionInstanceName)) {
    case InstanceClaim::First:
        break;
    case InstanceClaim::AlreadyRunning:
        return 0;
    case InstanceClaim::Failed:
        return 1;
    }

    // The keyboard grab of the recorder needs X11 (XWayland under Wayland);
    // an explicit choice of platform is still honoured, and the programs a
    // key launches keep the desktop's choice.
    ProgramApplication application(argc, argv, PlatformPreference::X11WhenPresent, QStringLiteral("Option"),
                                   LastWindowClosed::Quits);
    // Docks match the window to its application entry by this name under
    // Wayland (the window class, StartupWMClass in the entry, under X11).
    QGuiApplication::setDesktopFileName(QStringLiteral("orvyn-vantor-option"));
    steps.step("qt");

    const std::string program = programFolder();
    const std::optional<std::string> settingsFolder = startup.prepareSettingsFolder();
    if (!settingsFolder) {
        // Settings from a folder others may write could launch their programs.
        QMessageBox::critical(nullptr, QStringLiteral("Option"), QString::fromStdString(startup.error()));
        return 1;
    }
    const std::string &settingsDir = *settingsFolder;
    SettingsStore settings(settingsDir);
    const std::string language =
        chooseLanguage(languageArgument, settings.readLanguage(), LocaleVariables::fromProcess());
    installTranslations(application.app(), language, program);
    useLanguageSkins(language);
    steps.step("translations");

    // Every window is drawn from its skin: a skin that would leave a window
    // without its pictures is named now, before any window is built.
    if (const std::string problem = checkSkinSet(); !problem.empty()) {
        // Nothing was changed: another Option or vantorctl may go ahead
        // while the message is shown.
        startup.releaseInstance();
        startup.complain("cannot draw its windows: " + problem);
        QMessageBox::critical(nullptr, QStringLiteral("Option"),
                              QCoreApplication::translate(
                                  "Option", "Option cannot draw its windows, because a file of its skin "
                                            "is wrong:\n\n%1\n\nRestore the skins folder beside the "
                                            "program (or mend the file) and start Option again.")
                                  .arg(QString::fromStdString(problem)));
        return 1;
    }
    steps.step("skin-check");

    UiTextLibrary texts;
    texts.load(program, language);
    EndpointPoster poster(runtime);
    QtDocumentOpener shell;
    ConfigSession session(settings, poster, texts, settingsDir + "config/sequence.dat");

    // Monitor may start after us, or start again while we run: the block
    // follows it (see SharedConfigBlock::attach).
    SharedConfigBlock block;
    block.open(runtime, BlockOwner::MonitorMustRun);
    const bool viewFailed = block.blockState() == SharedObjectState::Failed;
    if (viewFailed)
        trace("Option: " + block.error() + "\n");

    steps.step("texts");
    ConfigWindow::Services services{session, texts, poster, shell, settings, program};
    services.language = language;
    ConfigWindow window(std::move(services));
    steps.step("skins");

    EndpointListener endpoint;
    if (endpoint.bind(runtime, kOptionTitle) != BindResult::Bound)
        startup.complain("cannot receive messages: " + endpoint.endpoint().error());
    QObject::connect(&endpoint, &EndpointListener::messageReceived, &window, &ConfigWindow::handleMessage);

    QObject::connect(&window, &ConfigWindow::firstPaint, [&steps] {
        steps.step("paint");
        if (traceEnabled())
            trace(steps.text());
        trace("Option: first frame painted\n");
    });
    window.initialize(&block, viewFailed);
    steps.step("config");
    window.show();
    steps.step("show");
    const int code = application.exec();
    endpoint.close();
    return code;
}

} // namespace orvyn
