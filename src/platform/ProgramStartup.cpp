#include "platform/ProgramStartup.h"

#include <csignal>

#include "platform/Folders.h"

namespace orvyn {

ProgramStartup::ProgramStartup(std::string program, std::FILE *errors)
    : program_(std::move(program)), errors_(errors) {
    // Past a file-size limit a write then fails (EFBIG) and is reported like
    // a full disk, instead of the signal ending the program mid-save.
    std::signal(SIGXFSZ, SIG_IGN);
}

void ProgramStartup::complain(const std::string &text) const {
    std::fprintf(errors_, "%s: %s\n", program_.c_str(), text.c_str());
    std::fflush(errors_);
}

bool ProgramStartup::findRuntimeFolder() {
    const RuntimeFolder runtime = orvyn::runtimeFolder();
    if (!runtime.ok()) {
        error_ = runtime.error;
        complain(error_);
        return false;
    }
    runtimeFolder_ = runtime.path;
    return true;
}

InstanceClaim ProgramStartup::claimInstance(const std::string &name) {
    switch (instance_.acquire(runtimeFolder_, name)) {
    case LockResult::Acquired:
        return InstanceClaim::First;
    case LockResult::AlreadyHeld:
        return InstanceClaim::AlreadyRunning;
    case LockResult::Error:
        break;
    }
    error_ = instance_.error();
    complain(error_);
    return InstanceClaim::Failed;
}

std::optional<std::string> ProgramStartup::prepareSettingsFolder() {
    std::string folder = settingsFolder();
    if (!ensureSettingsFolders(folder, &error_)) {
        complain(error_);
        return std::nullopt;
    }
    return folder;
}

} // namespace orvyn
