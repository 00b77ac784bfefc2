#include "platform/Folders.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

namespace orvyn {

namespace {

std::string withSlash(std::string path) {
    if (!path.empty() && path.back() != '/')
        path += '/';
    return path;
}

// Creates every missing level of `path` (like mkdir -p).
bool makeFolders(const std::string &path, unsigned mode) {
    if (path.empty())
        return false;
    std::string partial;
    std::size_t pos = 0;
    while (pos != std::string::npos) {
        pos = path.find('/', pos + 1);
        partial = path.substr(0, pos);
        if (partial.empty())
            continue;
        if (!makeFolder(partial, mode))
            return false;
    }
    return true;
}

} // namespace

bool makeFolder(const std::string &path, unsigned mode) {
    if (::mkdir(path.c_str(), mode) == 0)
        return true;
    if (errno != EEXIST)
        return false;
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

std::string programFolder() {
    char buf[PATH_MAX];
    const ssize_t n = ::readlink("/proc/self/exe", buf, sizeof buf - 1);
    if (n <= 0)
        return {};
    std::string exe(buf, static_cast<std::size_t>(n));
    const std::size_t slash = exe.rfind('/');
    if (slash == std::string::npos)
        return {};
    return exe.substr(0, slash + 1);
}

std::string settingsFolder() {
    if (const char *home = std::getenv("ORVYN_VANTOR_HOME"); home && *home)
        return withSlash(home);
    const std::string program = programFolder();
    if (!program.empty() && ::access(program.c_str(), W_OK) == 0)
        return program;
    std::string base;
    if (const char *xdg = std::getenv("XDG_CONFIG_HOME"); xdg && *xdg == '/')
        base = xdg;
    else if (const char *home = std::getenv("HOME"); home && *home)
        base = std::string(home) + "/.config";
    else
        base = "/tmp";
    return withSlash(withSlash(base) + "orvyn-vantor");
}

bool ensureSettingsFolders(const std::string &folder, std::string *error) {
    const std::string base = withSlash(folder);
    if (!makeFolders(base.substr(0, base.size() - 1), 0755) || !makeFolder(base + "config", 0755)) {
        if (error)
            *error = "cannot create the settings folder " + base + "config: " + std::strerror(errno);
        return false;
    }
    return true;
}

RuntimeFolder prepareRuntimeFolder(const std::string &path) {
    RuntimeFolder result;
    const std::string dir = withSlash(path);
    const std::string bare = dir.substr(0, dir.size() - 1);
    if (::mkdir(bare.c_str(), 0700) != 0 && errno != EEXIST) {
        result.error = "cannot create the runtime folder " + bare + ": " + std::strerror(errno);
        return result;
    }
    struct stat st {};
    if (::lstat(bare.c_str(), &st) != 0) {
        result.error = "cannot inspect the runtime folder " + bare + ": " + std::strerror(errno);
        return result;
    }
    if (!S_ISDIR(st.st_mode)) {
        result.error = "the runtime folder " + bare + " is not a folder";
        return result;
    }
    if (st.st_uid != ::geteuid()) {
        result.error = "the runtime folder " + bare + " belongs to another user";
        return result;
    }
    if ((st.st_mode & 077) != 0) {
        char mode[8];
        std::snprintf(mode, sizeof mode, "%03o", static_cast<unsigned>(st.st_mode & 0777));
        result.error =
            "the runtime folder " + bare + " is open to other users (mode " + mode + "); it must be 0700";
        return result;
    }
    result.path = dir;
    return result;
}

RuntimeFolder runtimeFolder() {
    if (const char *xdg = std::getenv("XDG_RUNTIME_DIR"); xdg && *xdg == '/')
        return prepareRuntimeFolder(withSlash(xdg) + "orvyn-vantor");
    return prepareRuntimeFolder("/tmp/orvyn-vantor-" + std::to_string(::getuid()));
}

} // namespace orvyn
