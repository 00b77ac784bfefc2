// A programmable key that starts a program: what the launch-program dialog
// shows for a key and what its OK makes of the key.
#pragma once

#include <string>
#include <string_view>

#include "shared/ConfigBlock.h"

namespace orvyn {

// The most a key's program path holds, without its terminator.
inline constexpr std::size_t kProgramPathMaxBytes = kProgramPathMax;

// The key's program when it already starts one, else empty.
std::string programPathOf(const MacroKeyInfo &key);

// Whether a path fits a key whole.
bool programPathFits(std::string_view path);

// A bare program name ("bash", no slash) as a shell finds it: the first
// executable regular file of that name in the folders of `searchPath` (a
// PATH value; an empty entry is `currentFolder`). Empty when none is found,
// or when `name` is not a bare name.
std::string findProgramInPath(std::string_view name, std::string_view searchPath,
                              const std::string &currentFolder);

// Key `slot` (0-14) of `profile` becomes a program key for `path`: type 11,
// flags = slot + 1, code 0, the path (cut to 259 bytes at a character
// boundary), macro fields cleared, the key marked changed. False for a slot
// or profile out of range.
bool assignProgram(ConfigBlock &config, int profile, int slot, std::string_view path);

} // namespace orvyn
