// Driving real processes and their windows on the X server: shell commands,
// waiting for a program's trace lines, xdotool clicks, and where a skin
// places its controls.
#pragma once

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>
#include <thread>

#include "integration/platform/Child.h"
#include "shared/IniFile.h"

namespace orvyn::test {

// Output of a shell command, trimmed; empty on failure.
inline std::string shell(const std::string &command) {
    std::string out;
    if (FILE *p = ::popen(command.c_str(), "r")) {
        char buf[256];
        while (std::fgets(buf, sizeof buf, p))
            out += buf;
        ::pclose(p);
    }
    while (!out.empty() && (out.back() == '\n' || out.back() == ' '))
        out.pop_back();
    return out;
}

inline bool haveXdotool() {
    return std::getenv("DISPLAY") && !shell("command -v xdotool").empty();
}

inline bool waitForLine(Child &child, const std::string &text, int seconds = 20) {
    while (auto line = child.readLine(seconds))
        if (line->find(text) != std::string::npos)
            return true;
    return false;
}

// True once the process has ended (its output closed), within `seconds`.
inline bool ends(Child &child, int seconds = 10) {
    while (child.readLine(seconds)) {
    }
    return child.outputEnded();
}

// Clicks at a point of a window given in the window's own coordinates. The
// pointer leaves first: a move to where it already is never completes, so
// "--sync" would wait out its time-out.
inline void click(const std::string &window, int x, int y) {
    shell("xdotool mousemove 0 0 mousemove --sync --window " + window + " " + std::to_string(x) + " " +
          std::to_string(y) + " click 1");
    std::this_thread::sleep_for(std::chrono::milliseconds(150));
}

struct Place {
    int x = 0, y = 0, w = 0, h = 0;
};

// A control's rectangle from its line in a skin file ("name,x,y,w,h,help").
inline Place place(const std::string &skin, int key, const char *group = "BUTTONPOS") {
    const std::string line =
        IniFile(std::string(ORVYN_PROGRAM_DIR) + "skins/" + skin).readText(std::to_string(key), group, "");
    std::stringstream s(line);
    std::string name;
    Place r;
    char comma;
    std::getline(s, name, ',');
    s >> r.x >> comma >> r.y >> comma >> r.w >> comma >> r.h;
    return r;
}

inline std::pair<int, int> centre(const std::string &skin, int key) {
    const Place r = place(skin, key);
    return {r.x + r.w / 2, r.y + r.h / 2};
}

} // namespace orvyn::test
