// The foreground-program watch: which process owns the active window, the
// names it may be known by, and which profile lists it as its game.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <sys/types.h>
#include <vector>

#include "shared/ConfigBlock.h"

namespace orvyn {

// The process of the window that has the input focus.
class ForegroundSource {
public:
    virtual ~ForegroundSource() = default;
    virtual std::optional<pid_t> foregroundPid() = 0;
};

// The names a process may be listed under, all lower case.
struct ProcessNames {
    std::string exeName;  // base name of /proc/<pid>/exe
    std::string argvName; // base name of argv[0], split on "/" and "\"
    std::string comm;     // /proc/<pid>/comm, cut by the kernel to 15 characters
    bool empty() const { return exeName.empty() && argvName.empty() && comm.empty(); }
};

inline constexpr std::size_t kCommMax = 15;

// Reads the names of a process from a proc file system (normally "/proc").
// nullopt when the process is gone or none of its names can be read.
std::optional<ProcessNames> readProcessNames(pid_t pid, const std::string &procRoot = "/proc");

// The file name part of a path written with "/" or "\" separators.
std::string_view baseName(std::string_view path);

// GameFile as compared: blanks trimmed, folder dropped, lower case; empty
// when nothing is left.
std::string gameFileName(std::string_view gameFile);

// True when the process is the program named by `gameName` (already
// normalised by gameFileName).
bool processMatches(const ProcessNames &names, std::string_view gameName);

// The first profile (0-4) whose GameFile names the process, or -1.
int matchingProfile(const ConfigBlock &config, const ProcessNames &names);

// The processes below `pid` (children first, then theirs), at most `limit`.
// A launcher (gamescope, a game store, a Proton wrapper) owns the window
// while the game runs below it. Read from the kernel's per-thread children
// lists, or from every process's parent when the kernel keeps none.
std::vector<pid_t> readDescendants(pid_t pid, const std::string &procRoot = "/proc", std::size_t limit = 64);

// Where the names and the descendants of a process come from (/proc, or a
// test's table).
struct ProcessLookup {
    std::function<std::optional<ProcessNames>(pid_t)> names;
    std::function<std::vector<pid_t>(pid_t)> descendants;
};

// The profile the foreground process `pid` asks for, or -1: the first
// profile whose game it is, else the first one of its descendants' (a
// launcher's window with the game below it).
int profileForForeground(const ConfigBlock &config, pid_t pid, const ProcessLookup &lookup);

} // namespace orvyn
