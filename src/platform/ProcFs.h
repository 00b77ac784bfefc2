// What the kernel shows about other processes in a proc file system
// (normally "/proc"; tests pass a folder laid out the same way). Every read
// is bounded; a process that is gone or unreadable yields nothing.
#pragma once

#include <optional>
#include <string>
#include <sys/types.h>
#include <vector>

namespace orvyn {

// The target of <root>/<pid>/exe, without the " (deleted)" the kernel adds
// when the file was replaced.
std::optional<std::string> procExecutable(pid_t pid, const std::string &procRoot);

// argv[0] from <root>/<pid>/cmdline (its first 4096 bytes); empty for a
// process without arguments (a kernel thread).
std::optional<std::string> procFirstArgument(pid_t pid, const std::string &procRoot);

// <root>/<pid>/comm without its newline: at most 15 characters.
std::optional<std::string> procCommandName(pid_t pid, const std::string &procRoot);

// The parent from <root>/<pid>/stat; nullopt for none (pid 1, kernel threads).
std::optional<pid_t> procParent(pid_t pid, const std::string &procRoot);

// The direct children from the kernel's per-thread lists
// (<root>/<pid>/task/<tid>/children); nullopt when it keeps none.
std::optional<std::vector<pid_t>> procListedChildren(pid_t pid, const std::string &procRoot);

// Every process id under the root, ascending.
std::vector<pid_t> procProcessIds(const std::string &procRoot);

} // namespace orvyn
