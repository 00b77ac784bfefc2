// kbsim's control interface: the commands that press the keyboard's keys,
// plug and unplug it and inject faults (KbsimController), and the local
// stream socket over which `kbsim <command>` reaches the running instance.
#pragma once

#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "kbsim/EmulatorServer.h"
#include "kbsim/KeyboardModel.h"
#include "protocol/EventTypes.h"

namespace orvyn {

struct CommandResult {
    bool ok;
    std::string text; // printed by the command line, newline-terminated
};

std::string kbsimUsage();

class KbsimController {
public:
    // `changed` runs after a command changed the keyboard's memory (to save
    // the state file); `quit` ends the serving instance.
    KbsimController(KeyboardModel &model, EmulatorServer &server, std::function<void()> changed,
                    std::function<void()> quit);

    // One command line without the program name, e.g. {"press", "profile", "2"}.
    CommandResult execute(const std::vector<std::string> &args);

private:
    CommandResult press(const std::vector<std::string> &args);
    CommandResult sendKeyEvent(EventType type, uint16_t data, std::string what);

    KeyboardModel &model_;
    EmulatorServer &server_;
    std::function<void()> changed_;
    std::function<void()> quit_;
};

// The running instance's end of the control socket (SOCK_STREAM): each
// connection carries one command (arguments separated by NUL bytes, ended
// by the client's shutdown) and gets one answer: '0' or '1' (ok / failed)
// and the text.
class ControlServer {
public:
    using Handler = std::function<CommandResult(const std::vector<std::string> &)>;
    ControlServer(std::string path, Handler handler);
    ~ControlServer();
    bool start(std::string *error = nullptr);
    void stop();

private:
    void run();
    std::string path_;
    Handler handler_;
    int listenFd_ = -1;
    int wakePipe_[2] = {-1, -1};
    std::thread thread_;
};

// The command line's end: sends `args`, fills `result`. False when no
// instance answers at `path`.
bool sendControlCommand(const std::string &path, const std::vector<std::string> &args, CommandResult &result);

// Parses a number (decimal or 0x hex) within [min, max].
bool parseNumberArg(const std::string &text, long min, long max, long &out);

} // namespace orvyn
