#include "platform/Folders.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

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

// The home folder from the password database (HOME may be unset, as under
// some service managers).
std::string passwdHome() {
    long size = ::sysconf(_SC_GETPW_R_SIZE_MAX);
    std::vector<char> buffer(size > 0 ? static_cast<std::size_t>(size) : 16384);
    passwd entry{};
    passwd *found = nullptr;
    if (::getpwuid_r(::getuid(), &entry, buffer.data(), buffer.size(), &found) != 0 || !found ||
        !found->pw_dir || found->pw_dir[0] != '/')
        return {};
    return found->pw_dir;
}

} // namespace

std::string privateFolderProblem(const std::string &folder, const std::string &what) {
    std::string bare = folder;
    while (bare.size() > 1 && bare.back() == '/')
        bare.pop_back();
    struct stat st {};
    if (::stat(bare.c_str(), &st) != 0)
        return "cannot inspect the " + what + " " + bare + ": " + std::strerror(errno);
    if (!S_ISDIR(st.st_mode))
        return "the " + what + " " + bare + " is not a folder";
    if (st.st_uid != ::geteuid())
        return "the " + what + " " + bare + " belongs to another user";
    if ((st.st_mode & 022) != 0) {
        char mode[8];
        std::snprintf(mode, sizeof mode, "%03o", static_cast<unsigned>(st.st_mode & 0777));
        return "the " + what + " " + bare + " may be written by other users (mode " + mode +
               "); it must not be writable by group or others";
    }
    return {};
}

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
    return settingsFolderFor(programFolder());
}

std::string settingsFolderFor(const std::string &program) {
    if (const char *home = std::getenv("ORVYN_VANTOR_HOME"); home && *home)
        return withSlash(home);
    // Never an installed suite's folder (/usr/lib/orvyn-vantor/, /usr/local/...):
    // root may write there, but the package manager owns it.
    if (!program.empty() && !program.starts_with("/usr/") && ::access(program.c_str(), W_OK) == 0 &&
        privateFolderProblem(program, "program folder").empty())
        return program;
    std::string base;
    if (const char *xdg = std::getenv("XDG_CONFIG_HOME"); xdg && *xdg == '/')
        base = xdg;
    else if (const char *home = std::getenv("HOME"); home && *home == '/')
        base = std::string(home) + "/.config";
    else if (const std::string home = passwdHome(); !home.empty())
        base = home + "/.config";
    else if (const RuntimeFolder runtime = runtimeFolder(); runtime.ok())
        return runtime.path + "settings/";
    else
        return {}; // nowhere safe: ensureSettingsFolders refuses it
    return withSlash(withSlash(base) + "orvyn-vantor");
}

bool ensureSettingsFolders(const std::string &folder, std::string *error) {
    auto fail = [&](std::string why) {
        if (error)
            *error = std::move(why);
        return false;
    };
    if (folder.empty())
        return fail("no settings folder: neither HOME nor a password entry nor a runtime folder");
    const std::string base = withSlash(folder);
    // Each level is checked before anything is made inside it.
    for (const std::string &path : {base, base + "config/"}) {
        const std::string bare = path.substr(0, path.size() - 1);
        if (!makeFolders(bare, 0755))
            return fail("cannot create the settings folder " + bare + ": " + std::strerror(errno));
        if (std::string problem = privateFolderProblem(bare, "settings folder"); !problem.empty())
            return fail(std::move(problem));
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
