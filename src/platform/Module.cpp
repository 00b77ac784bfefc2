#include "platform/Module.h"

#include <dlfcn.h>
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
