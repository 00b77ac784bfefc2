// A program's QApplication on the platform it prefers, asked for as its own
// "-platform" argument (see QtPlatformChoice.h): without any display the
// program still runs, offscreen.
#pragma once

#include <QApplication>
#include <QString>
#include <memory>
#include <string>
#include <vector>

#include "platform/QtPlatformChoice.h"

namespace orvyn {

enum class LastWindowClosed { Quits, KeepsRunning };

class ProgramApplication {
public:
    ProgramApplication(int argc, char **argv, PlatformPreference preference, const QString &name,
                       LastWindowClosed lastWindow);
    ProgramApplication(const ProgramApplication &) = delete;
    ProgramApplication &operator=(const ProgramApplication &) = delete;

    QApplication &app() { return *app_; }
    int exec() { return QApplication::exec(); }

private:
    std::vector<std::string> storage_;
    std::vector<char *> arguments_;
    int argumentCount_ = 0;
    std::unique_ptr<QApplication> app_;
};

} // namespace orvyn
