// OSD: shows Monitor's notices (profile changes, Windows-key lock, relayed
// texts) through the desktop's notification service, or its own overlay.
#include <QTimer>
#include <optional>

#include "osd/DesktopNotices.h"
#include "osd/OsdProgram.h"
#include "osd/X11Fullscreen.h"
#include "platform/Endpoint.h"
#include "platform/Folders.h"
#include "platform/ProgramStartup.h"
#include "platform/qt/EndpointListener.h"
#include "platform/qt/ProgramApplication.h"
#include "shared/Messages.h"
#include "translations/ProgramTranslations.h"
#include "uitext/LanguageChoice.h"

int main(int argc, char **argv) {
    using namespace orvyn;
    const std::string languageArgument = takeLanguageArgument(argc, argv);
    ProgramStartup startup("OSD");
    if (!startup.findRuntimeFolder())
        return 1;
    const std::string &runtime = startup.runtimeFolder();
    // X11 (XWayland too) when there is one: only there can the overlay
    // stay above a fullscreen game.
    ProgramApplication application(argc, argv, PlatformPreference::X11WhenPresent, QStringLiteral("OSD"),
                                   LastWindowClosed::KeepsRunning);

    EndpointListener listener;
    switch (listener.bind(runtime, kOsdTitle)) {
    case BindResult::Bound:
        break;
    case BindResult::Taken:
        return 0; // one OSD is enough
    case BindResult::Error:
        startup.complain(listener.endpoint().error());
        return 1;
    }
    const std::optional<std::string> settingsPath = startup.prepareSettingsFolder();
    if (!settingsPath)
        return 1;
    SettingsStore settings(*settingsPath);
    const std::string language =
        chooseLanguage(languageArgument, settings.readLanguage(), LocaleVariables::fromProcess());
    installTranslations(application.app(), language, programFolder());
    UiTextLibrary texts;
    texts.load(programFolder(), language);
    X11Fullscreen fullscreen;
    DesktopNotices notices([&fullscreen] { return fullscreen.activeWindowIsFullscreen(); });
    notices.setActiveWindowProbe([&fullscreen]() -> std::optional<QRect> {
        const std::optional<X11Rect> r = fullscreen.activeWindowRect();
        if (!r)
            return std::nullopt;
        return QRect(r->x, r->y, r->width, r->height);
    });
    LayerNotice layer;
    notices.setLayerNotice(&layer);
    notices.prepareOverlay();
    OsdProgram osd(settings, texts, notices, [] { QCoreApplication::quit(); });
    QObject::connect(&listener, &EndpointListener::messageReceived, &application.app(),
                     [&osd](const PostedMessage &message) { osd.handle(message); });
    // Monitor starts the OSD detached, so no parent-death signal reaches
    // it; Monitor's endpoint refuses datagrams as soon as Monitor is gone,
    // however it ended.
    EndpointPoster poster(runtime);
    QTimer monitorWatch;
    QObject::connect(&monitorWatch, &QTimer::timeout, &application.app(),
                     [&] { osd.monitorChecked(poster.exists(kMonitorTitle)); });
    monitorWatch.start(1000);
    osd.monitorChecked(poster.exists(kMonitorTitle));
    return application.exec();
}
