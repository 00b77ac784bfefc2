#include "option/OptionApp.h"

#include <QApplication>
#include <QMessageBox>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "option/ConfigWindow.h"
#include "platform/Endpoint.h"
#include "platform/Folders.h"
#include "platform/InstanceLock.h"
#include "platform/QtPlatformChoice.h"
#include "platform/Trace.h"
#include "platform/qt/EndpointListener.h"
#include "shared/Messages.h"
#include "shared/SharedBlock.h"
#include "shared/UiText.h"

namespace orvyn {

int runOption(int argc, char **argv) {
    const RuntimeFolder runtime = runtimeFolder();
    if (!runtime.ok()) {
        std::fprintf(stderr, "Option: %s\n", runtime.error.c_str());
        return 1;
    }
    // Checked before any window exists: a second Option ends silently.
    InstanceLock instance;
    switch (instance.acquire(runtime.path, kOptionInstanceName)) {
    case LockResult::Acquired:
        break;
    case LockResult::AlreadyHeld:
        return 0;
    case LockResult::Error:
        std::fprintf(stderr, "Option: %s\n", instance.error().c_str());
        return 1;
    }

    // The keyboard grab of the recorder needs X11 (XWayland under Wayland);
    // an explicit choice of platform is still honoured. Asked for as our own
    // argument so the programs a key launches keep the desktop's choice.
    std::vector<std::string> argumentStorage;
    std::vector<char *> arguments = argumentsWithPlatform(
        argc, argv, choosePlatform(PlatformPreference::X11WhenPresent, DisplayEnvironment::current()),
        argumentStorage);
    int argumentCount = static_cast<int>(arguments.size()) - 1;
    QApplication app(argumentCount, arguments.data());
    QApplication::setApplicationName(QStringLiteral("Option"));

    const std::string program = programFolder();
    const std::string settingsDir = settingsFolder();
    std::string error;
    if (!ensureSettingsFolders(settingsDir, &error)) {
        // Settings from a folder others may write could launch their programs.
        std::fprintf(stderr, "Option: %s\n", error.c_str());
        QMessageBox::critical(nullptr, QStringLiteral("Option"), QString::fromStdString(error));
        return 1;
    }

    UiTextLibrary texts;
    texts.load(program);
    SettingsStore settings(settingsDir);
    EndpointPoster poster(runtime.path);
    QtDesktopShell shell;
    ConfigSession session(settings, poster, texts, settingsDir + "config/sequence.dat");

    // Monitor may start after us, or start again while we run: the block
    // follows it (see SharedConfigBlock::attach).
    SharedConfigBlock block;
    block.open(runtime.path);
    const bool viewFailed = block.blockState() == SharedObjectState::Failed;
    if (viewFailed)
        trace("Option: " + block.error() + "\n");

    ConfigWindow window(ConfigWindow::Services{session, texts, poster, shell, settings, program});

    EndpointListener endpoint;
    if (endpoint.bind(runtime.path, kOptionTitle) != BindResult::Bound)
        std::fprintf(stderr, "Option: cannot receive messages: %s\n", endpoint.endpoint().error().c_str());
    QObject::connect(&endpoint, &EndpointListener::messageReceived, &window, &ConfigWindow::handleMessage);

    QObject::connect(&window, &ConfigWindow::firstPaint, [] { trace("Option: first frame painted\n"); });
    window.initialize(&block, viewFailed);
    window.show();
    const int code = app.exec();
    endpoint.close();
    return code;
}

} // namespace orvyn
