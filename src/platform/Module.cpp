#include "platform/Module.h"

#include <cerrno>
#include <cstring>
#include <dlfcn.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace orvyn {

LoadedModule::~LoadedModule() {
    close();
}

LoadedModule::LoadedModule(LoadedModule &&other) noexcept
    : handle_(std::exchange(other.handle_, nullptr)), error_(std::move(other.error_)) {}

LoadedModule &LoadedModule::operator=(LoadedModule &&other) noexcept {
    if (this != &other) {
        close();
        handle_ = std::exchange(other.handle_, nullptr);
        error_ = std::move(other.error_);
    }
    return *this;
}

bool LoadedModule::open(const std::string &path) {
    close();
    // The loader's own open would wait forever on a FIFO in a module's
    // place: only a regular file is handed to it.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    const int openError = errno;
    struct stat st {};
    const bool regular = fd >= 0 && ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode);
    if (fd >= 0)
        ::close(fd);
    if (!regular) {
        error_ = path + (fd < 0 ? ": cannot be opened (" + std::string(std::strerror(openError)) + ")"
                                : std::string(": is not a regular file"));
        return false;
    }
    handle_ = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle_) {
        const char *e = dlerror();
        error_ = e ? e : "cannot load module";
        return false;
    }
    error_.clear();
    return true;
}

void LoadedModule::close() {
    if (handle_) {
        dlclose(handle_);
        handle_ = nullptr;
    }
}

void *LoadedModule::symbol(const char *name) const {
    if (!handle_)
        return nullptr;
    return dlsym(handle_, name);
}

} // namespace orvyn
