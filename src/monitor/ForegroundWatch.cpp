#include "monitor/ForegroundWatch.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <climits>
#include <deque>
#include <dirent.h>
#include <fstream>
#include <iterator>
#include <map>
#include <set>
#include <unistd.h>

#include "platform/FileAccess.h"

namespace orvyn {

namespace {

std::string lower(std::string_view text) {
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return out;
}

std::string_view trimBlanks(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    return text;
}

// At most `limit` bytes of a small proc file.
std::optional<std::string> readSmallFile(const std::string &path, std::size_t limit) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::string data(limit, '\0');
    in.read(data.data(), static_cast<std::streamsize>(limit));
    data.resize(static_cast<std::size_t>(in.gcount()));
    return data;
}

// The numeric entries of a folder (process or thread ids).
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

constexpr std::size_t kProcFileMax = 64 * 1024;

// The direct children from /proc/<pid>/task/<tid>/children; nullopt when
// the kernel keeps no such lists.
std::optional<std::vector<pid_t>> listedChildren(pid_t pid, const std::string &procRoot) {
    const std::string tasks = procRoot + "/" + std::to_string(pid) + "/task/";
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

// Every process's parent, from /proc/<pid>/stat (field 4, after the name in
// parentheses, which may itself hold blanks and parentheses).
std::map<pid_t, std::vector<pid_t>> childrenByParent(const std::string &procRoot) {
    std::map<pid_t, std::vector<pid_t>> tree;
    for (const pid_t pid : numericEntries(procRoot)) {
        const FileRead stat = readRegularFile(procRoot + "/" + std::to_string(pid) + "/stat", kProcFileMax);
        if (!stat.ok())
            continue;
        const std::size_t close = stat.contents.rfind(')');
        if (close == std::string::npos || close + 4 >= stat.contents.size())
            continue;
        const std::string_view rest = std::string_view(stat.contents).substr(close + 4); // ") S "
        const auto parent = parsePids(rest.substr(0, rest.find(' ')));
        if (parent.size() == 1)
            tree[parent.front()].push_back(pid);
    }
    return tree;
}

} // namespace

std::vector<pid_t> readDescendants(pid_t pid, const std::string &procRoot, std::size_t limit) {
    std::vector<pid_t> found;
    if (pid <= 0)
        return found;
    std::optional<std::map<pid_t, std::vector<pid_t>>> tree;
    if (!listedChildren(pid, procRoot))
        tree = childrenByParent(procRoot);
    std::set<pid_t> seen{pid};
    std::deque<pid_t> queue{pid};
    while (!queue.empty() && found.size() < limit) {
        const pid_t parent = queue.front();
        queue.pop_front();
        std::vector<pid_t> children;
        if (tree) {
            if (const auto it = tree->find(parent); it != tree->end())
                children = it->second;
        } else {
            children = listedChildren(parent, procRoot).value_or(std::vector<pid_t>{});
        }
        for (const pid_t child : children) {
            if (found.size() >= limit || !seen.insert(child).second)
                continue;
            found.push_back(child);
            queue.push_back(child);
        }
    }
    return found;
}

std::string_view baseName(std::string_view path) {
    const auto cut = path.find_last_of("/\\");
    return cut == std::string_view::npos ? path : path.substr(cut + 1);
}

std::string gameFileName(std::string_view gameFile) {
    return lower(trimBlanks(baseName(trimBlanks(gameFile))));
}

std::optional<ProcessNames> readProcessNames(pid_t pid, const std::string &procRoot) {
    if (pid <= 0)
        return std::nullopt;
    const std::string folder = procRoot + "/" + std::to_string(pid) + "/";
    ProcessNames names;

    std::array<char, PATH_MAX> target{};
    const ssize_t length = ::readlink((folder + "exe").c_str(), target.data(), target.size() - 1);
    if (length > 0) {
        std::string_view exe(target.data(), static_cast<std::size_t>(length));
        // A replaced executable reads "<path> (deleted)".
        constexpr std::string_view deleted = " (deleted)";
        if (exe.size() > deleted.size() && exe.substr(exe.size() - deleted.size()) == deleted)
            exe.remove_suffix(deleted.size());
        names.exeName = lower(baseName(exe));
    }

    if (auto cmdline = readSmallFile(folder + "cmdline", 4096)) {
        const std::string_view args(*cmdline);
        const std::string_view argv0 = args.substr(0, args.find('\0'));
        names.argvName = lower(baseName(argv0));
    }

    if (auto comm = readSmallFile(folder + "comm", 64)) {
        std::string_view text(*comm);
        if (!text.empty() && text.back() == '\n')
            text.remove_suffix(1);
        names.comm = lower(text);
    }

    if (names.empty())
        return std::nullopt;
    return names;
}

bool processMatches(const ProcessNames &names, std::string_view gameName) {
    if (gameName.empty())
        return false;
    if (names.exeName == gameName || names.argvName == gameName)
        return true;
    if (names.comm.empty())
        return false;
    if (names.comm == gameName)
        return true;
    // The kernel keeps only the first 15 characters of a longer name.
    return names.comm.size() == kCommMax && gameName.size() > kCommMax && gameName.starts_with(names.comm);
}

int matchingProfile(const ConfigBlock &config, const ProcessNames &names) {
    for (int p = 0; p < kProfileCount; ++p) {
        if (processMatches(names, gameFileName(getFixed(config.profiles[p].GameFile))))
            return p;
    }
    return -1;
}

} // namespace orvyn
