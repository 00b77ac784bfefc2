#include "monitor/ForegroundWatch.h"

#include <deque>
#include <map>
#include <set>

#include "monitor/Utf8Text.h"
#include "platform/ProcFs.h"
#include "platform/Text.h"

namespace orvyn {

namespace {

// Every process's children, from each one's parent, for a kernel that
// keeps no children lists.
std::map<pid_t, std::vector<pid_t>> childrenByParent(const std::string &procRoot) {
    std::map<pid_t, std::vector<pid_t>> tree;
    for (const pid_t pid : procProcessIds(procRoot)) {
        if (const auto parent = procParent(pid, procRoot))
            tree[*parent].push_back(pid);
    }
    return tree;
}

} // namespace

std::vector<pid_t> readDescendants(pid_t pid, const std::string &procRoot, std::size_t limit) {
    std::vector<pid_t> found;
    if (pid <= 0)
        return found;
    std::optional<std::map<pid_t, std::vector<pid_t>>> tree;
    if (!procListedChildren(pid, procRoot))
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
            children = procListedChildren(parent, procRoot).value_or(std::vector<pid_t>{});
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
    return asciiLower(trim(baseName(trim(gameFile, kLineBlanks)), kLineBlanks));
}

std::optional<ProcessNames> readProcessNames(pid_t pid, const std::string &procRoot) {
    if (pid <= 0)
        return std::nullopt;
    ProcessNames names;
    if (const auto exe = procExecutable(pid, procRoot))
        names.exeName = asciiLower(baseName(*exe));
    if (const auto argv0 = procFirstArgument(pid, procRoot))
        names.argvName = asciiLower(baseName(*argv0));
    if (const auto comm = procCommandName(pid, procRoot))
        names.comm = asciiLower(*comm);

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

int profileForAppId(const ConfigBlock &config, std::string_view appId) {
    const std::string wanted = asciiLower(trim(appId, kLineBlanks));
    if (wanted.empty())
        return -1;
    for (int p = 0; p < kProfileCount; ++p) {
        const std::string file = gameFileName(getFixed(config.profiles[p].GameFile));
        // "game.x86_64" is the app "game"; a Wine window's class is the
        // whole "game.exe", and a dotted app id may be given whole.
        const auto dot = file.rfind('.');
        const bool stemMatches =
            dot != std::string::npos && dot > 0 && std::string_view(file).substr(0, dot) == wanted;
        if (file == wanted || stemMatches)
            return p;
    }
    return -1;
}

ProcessLookup procLookup(ProcessLookup overrides, const std::string &procRoot) {
    if (!overrides.names)
        overrides.names = [procRoot](pid_t pid) { return readProcessNames(pid, procRoot); };
    if (!overrides.descendants)
        overrides.descendants = [procRoot](pid_t pid) { return readDescendants(pid, procRoot); };
    if (!overrides.parent)
        overrides.parent = [procRoot](pid_t pid) { return procParent(pid, procRoot); };
    return overrides;
}

namespace {

// Whether `pid`, found below `front`, shows through the front window:
// neither it nor a process between them has a window of its own.
bool showsThroughFront(pid_t pid, pid_t front, const ProcessLookup &lookup, ForegroundSource &source) {
    for (std::size_t depth = 0; depth < kDescendantLimit; ++depth) {
        if (pid == front)
            return true;
        if (source.hasOwnWindow(pid))
            return false;
        const auto parent = lookup.parent(pid);
        if (!parent)
            return false; // gone meanwhile
        pid = *parent;
    }
    return false;
}

} // namespace

int profileForForeground(const ConfigBlock &config, pid_t pid, const ProcessLookup &lookup,
                         ForegroundSource &source) {
    const auto names = lookup.names(pid);
    if (!names)
        return -1;
    if (const int profile = matchingProfile(config, *names); profile >= 0)
        return profile;
    for (const pid_t child : lookup.descendants(pid)) {
        const auto childNames = lookup.names(child);
        const int profile = childNames ? matchingProfile(config, *childNames) : -1;
        // Asked only of a listed program: the desktop's answer costs a
        // round trip per window.
        if (profile >= 0 && showsThroughFront(child, pid, lookup, source))
            return profile;
    }
    return -1;
}

std::optional<int> ForegroundWatch::tick(const ConfigBlock &config) {
    if (!source_)
        return std::nullopt;
    Front front{source_->foregroundWindow(), -1};
    if (front.window && front.window->pid)
        front.profile = profileForForeground(config, *front.window->pid, lookup_, *source_);
    else if (front.window)
        front.profile = profileForAppId(config, front.window->appId);
    if (last_ == front)
        return std::nullopt; // the same program is in front, asking for the same
    last_ = front;
    if (front.profile < 0 || front.profile == config.CurrentProfile)
        return std::nullopt;
    return front.profile;
}

} // namespace orvyn
