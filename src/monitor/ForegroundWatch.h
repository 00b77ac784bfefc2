// The foreground-program watch: which process owns the active window, the
// names it may be known by, and which profile lists it as its game.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <sys/types.h>
#include <utility>
#include <vector>

#include "shared/ConfigBlock.h"

namespace orvyn {

// What a desktop tells about the window in front.
struct ForegroundWindow {
    std::optional<pid_t> pid; // the process that made it, when the desktop can tell
    std::string appId;        // its app id or window class, when the desktop names one
    bool operator==(const ForegroundWindow &) const = default;
};

// One kind of desktop as the watch sees it: the window in front, and which
// processes show windows of their own. Which profile that asks for is
// decided below, the same for every desktop.
class ForegroundSource {
public:
    virtual ~ForegroundSource() = default;
    // The window that has the input focus; nullopt when none has it.
    virtual std::optional<ForegroundWindow> foregroundWindow() = 0;
    // Whether the process has a top-level window of its own on the desktop
    // (shown or not). A game inside a nested compositor has none: it shows
    // through the compositor's window.
    virtual bool hasOwnWindow(pid_t pid) = 0;
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

// The first profile whose GameFile, with or without its extension, is the
// app id or window class (any case), or -1. For desktops that name no process.
int profileForAppId(const ConfigBlock &config, std::string_view appId);

inline constexpr std::size_t kDescendantLimit = 64;

// The processes below `pid` (children first, then theirs), at most `limit`.
// A nested compositor (gamescope) owns the window while the game runs below
// it. Read from the kernel's per-thread children lists, or from every
// process's parent when the kernel keeps none.
std::vector<pid_t> readDescendants(pid_t pid, const std::string &procRoot = "/proc",
                                   std::size_t limit = kDescendantLimit);

// Where the names, the descendants and the parent of a process come from
// (/proc, or a test's table).
struct ProcessLookup {
    std::function<std::optional<ProcessNames>(pid_t)> names;
    std::function<std::vector<pid_t>(pid_t)> descendants;
    std::function<std::optional<pid_t>(pid_t)> parent;
};

// The lookup of a proc file system; a member given in `overrides` is kept.
ProcessLookup procLookup(ProcessLookup overrides = {}, const std::string &procRoot = "/proc");

// The profile the foreground process `pid` asks for, or -1: the first
// profile whose game it is, else the first one naming a process below it
// that shows through its window: one without a window of its own, below
// none that has one (a game inside a nested compositor; not a game started
// from a terminal or a launcher, which has its own window).
int profileForForeground(const ConfigBlock &config, pid_t pid, const ProcessLookup &lookup,
                         ForegroundSource &source);

// The watch itself, run on each tick of timer 500. It acts when what is in
// front changes: a listed program coming to the front switches once, and a
// profile chosen meanwhile (on the keyboard, in Option) stays in force
// while that program stays in front.
class ForegroundWatch {
public:
    ForegroundWatch(ForegroundSource *source, ProcessLookup lookup)
        : source_(source), lookup_(std::move(lookup)) {}
    // The profile to switch to now, if any.
    std::optional<int> tick(const ConfigBlock &config);

private:
    struct Front {
        std::optional<ForegroundWindow> window;
        int profile = -1; // what it asks for: a profile edited meanwhile may change that
        bool operator==(const Front &) const = default;
    };
    ForegroundSource *source_; // null: the watch finds nothing
    ProcessLookup lookup_;
    std::optional<Front> last_;
};

} // namespace orvyn
