#include "platform/ProcFs.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <charconv>
#include <climits>
#include <dirent.h>
#include <fcntl.h>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/FileAccess.h"

namespace orvyn {

namespace {

constexpr std::size_t kProcFileMax = 64 * 1024;
constexpr std::size_t kCmdlineMax = 4096;
constexpr std::size_t kCommFileMax = 64;

std::string processFolder(pid_t pid, const std::string &procRoot) {
    return procRoot + "/" + std::to_string(pid) + "/";
}

// The first `limit` bytes of a regular file; proc files report no size, and
// a long command line is cut rather than refused.
std::optional<std::string> readPrefix(const std::string &path, std::size_t limit) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        return std::nullopt;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return std::nullopt;
    }
    std::string data(limit, '\0');
    std::size_t got = 0;
    while (got < limit) {
        const ssize_t n = ::read(fd, data.data() + got, limit - got);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            ::close(fd);
            return std::nullopt;
        }
        if (n == 0)
            break;
        got += static_cast<std::size_t>(n);
    }
    ::close(fd);
    data.resize(got);
    return data;
}

// The numeric entries of a folder (process or thread ids), ascending.
std::vector<pid_t> numericEntries(const std::string &folder) {
    std::vector<pid_t> ids;
    DIR *dir = ::opendir(folder.c_str());
    if (!dir)
        return ids;
    while (const dirent *entry = ::readdir(dir)) {
        pid_t id = 0;
        const std::string_view name(entry->d_name);
        const auto [end, error] = std::from_chars(name.data(), name.data() + name.size(), id);
        if (error == std::errc() && end == name.data() + name.size() && id > 0)
            ids.push_back(id);
    }
    ::closedir(dir);
    std::sort(ids.begin(), ids.end());
    return ids;
}

std::vector<pid_t> parsePids(std::string_view text) {
    std::vector<pid_t> pids;
    while (!text.empty()) {
        const std::size_t start = text.find_first_not_of(" \n");
        if (start == std::string_view::npos)
            break;
        text.remove_prefix(start);
        pid_t pid = 0;
        const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), pid);
        if (error != std::errc())
            break;
        if (pid > 0)
            pids.push_back(pid);
        text.remove_prefix(static_cast<std::size_t>(end - text.data()));
    }
    return pids;
}

} // namespace

std::optional<std::string> procExecutable(pid_t pid, const std::string &procRoot) {
    std::array<char, PATH_MAX> target{};
    const ssize_t length =
        ::readlink((processFolder(pid, procRoot) + "exe").c_str(), target.data(), target.size() - 1);
    if (length <= 0)
        return std::nullopt;
    std::string_view exe(target.data(), static_cast<std::size_t>(length));
    constexpr std::string_view deleted = " (deleted)";
    if (exe.size() > deleted.size() && exe.substr(exe.size() - deleted.size()) == deleted)
        exe.remove_suffix(deleted.size());
    return std::string(exe);
}

std::optional<std::string> procFirstArgument(pid_t pid, const std::string &procRoot) {
    const auto cmdline = readPrefix(processFolder(pid, procRoot) + "cmdline", kCmdlineMax);
    if (!cmdline)
        return std::nullopt;
    return cmdline->substr(0, cmdline->find('\0'));
}

std::optional<std::string> procCommandName(pid_t pid, const std::string &procRoot) {
    auto comm = readPrefix(processFolder(pid, procRoot) + "comm", kCommFileMax);
    if (comm && !comm->empty() && comm->back() == '\n')
        comm->pop_back();
    return comm;
}

std::optional<pid_t> procParent(pid_t pid, const std::string &procRoot) {
    const FileRead stat = readRegularFile(processFolder(pid, procRoot) + "stat", kProcFileMax);
    if (!stat.ok())
        return std::nullopt;
    // Field 4, after the name in parentheses, which may itself hold blanks
    // and parentheses: ") S <ppid> ".
    const std::size_t close = stat.contents.rfind(')');
    if (close == std::string::npos || close + 4 >= stat.contents.size())
        return std::nullopt;
    const std::string_view rest = std::string_view(stat.contents).substr(close + 4);
    const auto parent = parsePids(rest.substr(0, rest.find(' ')));
    if (parent.size() != 1)
        return std::nullopt;
    return parent.front();
}

std::optional<std::vector<pid_t>> procListedChildren(pid_t pid, const std::string &procRoot) {
    const std::string tasks = processFolder(pid, procRoot) + "task/";
    std::vector<pid_t> children;
    bool anyList = false;
    for (const pid_t tid : numericEntries(tasks)) {
        const FileRead list = readRegularFile(tasks + std::to_string(tid) + "/children", kProcFileMax);
        if (!list.ok())
            continue;
        anyList = true;
        const auto pids = parsePids(list.contents);
        children.insert(children.end(), pids.begin(), pids.end());
    }
    if (!anyList)
        return std::nullopt;
    return children;
}

std::vector<pid_t> procProcessIds(const std::string &procRoot) {
    return numericEntries(procRoot);
}

} // namespace orvyn
