// The Monitor program: its command line, its single instance, and the
// application object around the hidden main window.
#pragma once

namespace orvyn {

class CMonitorApp {
public:
    // The first argument after the program name; "1..." asks for Option.
    static bool openOptionRequested(int argc, char **argv);
    // "--quit": end the running Monitor.
    static bool quitRequested(int argc, char **argv);
    // Runs the program; the process exit code.
    int run(int argc, char **argv);
};

} // namespace orvyn
