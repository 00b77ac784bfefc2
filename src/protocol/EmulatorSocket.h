// Where the keyboard emulator listens: the host's device module connects
// there and kbsim listens there unless told otherwise.
#pragma once

#include <string>

namespace orvyn {

// $ORVYN_KEYBOARD_SOCKET, else <runtime folder>/keyboard.sock (empty when
// the runtime folder is refused).
std::string defaultEmulatorSocketPath();

} // namespace orvyn
