// Monitor's keyboard state, shared by the main window and the device worker.
#pragma once

namespace orvyn {

// Requests are served only while Connected.
enum class KeyboardState : int { NotFound = 0, Connected = 1, Removed = 2 };

} // namespace orvyn
