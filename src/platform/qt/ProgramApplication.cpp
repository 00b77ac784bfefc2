#include "platform/qt/ProgramApplication.h"

#include "platform/qt/FallbackFonts.h"

namespace orvyn {

ProgramApplication::ProgramApplication(int argc, char **argv, PlatformPreference preference,
                                       const QString &name, LastWindowClosed lastWindow)
    : arguments_(argumentsWithPlatform(argc, argv, choosePlatform(preference, DisplayEnvironment::current()),
                                       storage_)),
      argumentCount_(static_cast<int>(arguments_.size()) - 1),
      app_(std::make_unique<QApplication>(argumentCount_, arguments_.data())) {
    if (lastWindow == LastWindowClosed::KeepsRunning)
        QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setApplicationName(name);
    installFallbackFonts();
}

} // namespace orvyn
