// Option's start-up: one instance per user, the collaborators of the
// configuration window, the endpoint Monitor posts to, and the window's
// life as the program's life.
#pragma once

namespace orvyn {

// Runs Option; the process exit code. A second instance returns 0 at once
// without a window or a message.
int runOption(int argc, char **argv);

} // namespace orvyn
