// A loadable module (dlopen) with symbol lookup by name.
#pragma once

#include <string>

namespace orvyn {

class LoadedModule {
public:
    LoadedModule() = default;
    ~LoadedModule();
    LoadedModule(const LoadedModule &) = delete;
    LoadedModule &operator=(const LoadedModule &) = delete;
    LoadedModule(LoadedModule &&other) noexcept;
    LoadedModule &operator=(LoadedModule &&other) noexcept;

    // Loads the module at `path` (RTLD_NOW | RTLD_LOCAL); false when missing
    // or unloadable, with the loader's message in error().
    bool open(const std::string &path);
    void close();
    bool isOpen() const { return handle_ != nullptr; }
    void *symbol(const char *name) const;
    const std::string &error() const { return error_; }

    template <typename Fn> Fn function(const char *name) const { return reinterpret_cast<Fn>(symbol(name)); }

private:
    void *handle_ = nullptr;
    std::string error_;
};

} // namespace orvyn
