// The emulator's state file: a fixed header (magic, version, body size,
// checksum) and the KeyboardMemory body, so a keyboard keeps its settings
// from one kbsim run to the next.
#pragma once

#include <string>

#include "kbsim/KeyboardMemory.h"

namespace orvyn {

// Replaces the file atomically; false (and `error`) when it cannot.
bool saveKeyboardState(const KeyboardMemory &memory, const std::string &path, std::string *error = nullptr);
// Fills `memory` only when the whole file is valid; false (and `error`)
// otherwise, `memory` then untouched.
bool loadKeyboardState(const std::string &path, KeyboardMemory &memory, std::string *error = nullptr);

} // namespace orvyn
