// The setting every process test of Option and Monitor starts from: the
// environment, a private program folder, and the end of Monitor's read-back.
#pragma once

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <thread>

#include "kbsim/KeyboardModel.h"

namespace orvyn::test {

// The environment of every process test of Option and Monitor: traces on,
// time 100 times faster, the emulated keyboard at `socket`.
inline void useEmulatedKeyboard(const std::string &socket) {
    ::setenv("ORVYN_TRACE", "1", 1);
    ::setenv("ORVYN_TIME_SCALE", "0.01", 1);
    ::setenv("ORVYN_KEYBOARD", "emulator", 1);
    ::setenv("ORVYN_KEYBOARD_SOCKET", socket.c_str(), 1);
}

// A program folder of our own under `base` with Monitor and Option but
// without the OSD and applets, so that nothing Monitor starts outlives the
// test. Returns it with a trailing slash.
inline std::string privateProgramFolder(const std::string &base) {
    namespace fs = std::filesystem;
    const std::string programs = base + "/bin/";
    fs::create_directories(programs);
    for (const char *program : {"Monitor", "Option"})
        fs::copy_file(std::string(ORVYN_PROGRAM_DIR) + program, programs + program);
    for (const char *shared : {"devbridge.so", "uitext.so", "skins"})
        fs::create_symlink(std::string(ORVYN_PROGRAM_DIR) + shared, programs + shared);
    return programs;
}

// True once the keyboard has been quiet for half a second after it was
// first spoken to (Monitor's read-back is over), within 20 s.
inline bool keyboardWentQuiet(const KeyboardModel &model) {
    std::size_t seen = 0;
    int quietRounds = 0;
    for (int i = 0; i < 200 && quietRounds < 5; ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        const std::size_t now = model.traces().size();
        quietRounds = now > 0 && now == seen ? quietRounds + 1 : 0;
        seen = now;
    }
    return quietRounds == 5;
}

} // namespace orvyn::test
