// OSD: shows Monitor's notices (profile changes, Windows-key lock, relayed
// texts) through the desktop's notification service.
#include <QApplication>
#include <QTimer>
#include <cstdio>

#include "osd/DesktopNotices.h"
#include "osd/OsdProgram.h"
#include "osd/X11Fullscreen.h"
#include "platform/Endpoint.h"
#include "platform/Folders.h"
#include "platform/QtPlatformChoice.h"
#include "platform/qt/EndpointListener.h"
#include "shared/Messages.h"

int main(int argc, char **argv) {
    using namespace orvyn;
    const RuntimeFolder runtime = runtimeFolder();
    if (!runtime.ok()) {
        std::fprintf(stderr, "OSD: %s\n", runtime.error.c_str());
        return 1;
    }
    // X11 (XWayland too) when there is one: only there can the overlay
    // stay above a fullscreen game. Never through the environment.
    std::vector<std::string> storage;
    std::vector<char *> args = argumentsWithPlatform(
        argc, argv, choosePlatform(PlatformPreference::X11WhenPresent, DisplayEnvironment::current()),
        storage);
    int appArgc = static_cast<int>(args.size()) - 1;
    QApplication app(appArgc, args.data());
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setApplicationName(QStringLiteral("OSD"));

    EndpointListener listener;
    switch (listener.bind(runtime.path, kOsdTitle)) {
    case BindResult::Bound:
        break;
    case BindResult::Taken:
        return 0; // one OSD is enough
    case BindResult::Error:
        std::fprintf(stderr, "OSD: %s\n", listener.endpoint().error().c_str());
        return 1;
    }
    const std::string settingsPath = settingsFolder();
    std::string error;
    if (!ensureSettingsFolders(settingsPath, &error)) {
        std::fprintf(stderr, "OSD: %s\n", error.c_str());
        return 1;
    }
    SettingsStore settings(settingsPath);
    UiTextLibrary texts;
    texts.load(programFolder());
    X11Fullscreen fullscreen;
    DesktopNotices notices([&fullscreen] { return fullscreen.activeWindowIsFullscreen(); });
    OsdProgram osd(settings, texts, notices, [] { QCoreApplication::quit(); });
    QObject::connect(&listener, &EndpointListener::messageReceived, &app,
                     [&osd](const PostedMessage &message) { osd.handle(message); });
    // Monitor starts the OSD detached, so no parent-death signal reaches
    // it; Monitor's endpoint refuses datagrams as soon as Monitor is gone,
    // however it ended.
    EndpointPoster poster(runtime.path);
    QTimer monitorWatch;
    QObject::connect(&monitorWatch, &QTimer::timeout, &app,
                     [&] { osd.monitorChecked(poster.exists(kMonitorTitle)); });
    monitorWatch.start(1000);
    osd.monitorChecked(poster.exists(kMonitorTitle));
    return app.exec();
}
