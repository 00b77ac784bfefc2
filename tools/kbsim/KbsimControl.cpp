#include "kbsim/KbsimControl.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/UnixAddress.h"
#include "protocol/ReportLayouts.h"
#include "protocol/ValueRules.h"
#include "shared/ConfigBlock.h"

namespace orvyn {

namespace {

constexpr std::size_t kMaxCommandBytes = 4096;

bool writeAll(int fd, const char *data, std::size_t size) {
    while (size > 0) {
        const ssize_t n = ::send(fd, data, size, MSG_NOSIGNAL);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        data += n;
        size -= static_cast<std::size_t>(n);
    }
    return true;
}

// Reads until the peer shuts down its side, at most `limit` bytes.
bool readAll(int fd, std::string &out, std::size_t limit) {
    char buffer[1024];
    for (;;) {
        const ssize_t n = ::recv(fd, buffer, sizeof buffer, 0);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return false;
        if (n == 0)
            return true;
        if (out.size() + static_cast<std::size_t>(n) > limit)
            return false;
        out.append(buffer, static_cast<std::size_t>(n));
    }
}

CommandResult ok(std::string text) {
    return {true, std::move(text) + "\n"};
}
CommandResult failed(std::string text) {
    return {false, std::move(text) + "\n"};
}

} // namespace

bool parseNumberArg(const std::string &text, long min, long max, long &out) {
    if (text.empty() || text[0] == '-' || text[0] == '+' || text[0] == ' ')
        return false;
    const bool hex = text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
    errno = 0;
    char *end = nullptr;
    const long v = std::strtol(text.c_str(), &end, hex ? 16 : 10);
    if (errno != 0 || end == text.c_str() || *end != '\0' || v < min || v > max)
        return false;
    out = v;
    return true;
}

std::string kbsimUsage() {
    return "usage: kbsim <command>\n"
           "  serve [--state FILE] [--log FILE] [--busy-ms N] [--socket PATH]\n"
           "                        run the keyboard (the other commands talk to it)\n"
           "  plug | unplug         connect or disconnect the keyboard\n"
           "  press profile N       profile key, N = 1-5 (event 0x1000)\n"
           "  press color N         colour key, N = 1-7 (event 0x2000)\n"
           "  press light N         lighting control, N = 1, 2, 4, 8, 16, 32 (event 0x3000)\n"
           "  press winlock | winunlock   Windows-key lock (event 0x5000, data 0 / 1)\n"
           "  press key N           programmable key N = 1-15 (event 0x4000)\n"
           "  press media CODE      media key, CODE = 0x20-0x27 (event 0x6000)\n"
           "  press config          configuration key (event 0x4000, data 0)\n"
           "  record-macro SLOT [KEY...]  record a macro into slot 0-14 of the current\n"
           "                        profile (keys as codes; default 4 5 6), event 0x7000 SLOT+1\n"
           "  fail N                answer the next N requests with failure\n"
           "  busy on | off         status busy whatever the time\n"
           "  busy-ms N             busy time after each write (ms)\n"
           "  delay MS              hold every reply back MS ms\n"
           "  reset                 factory settings\n"
           "  state                 print the keyboard's memory\n"
           "  quit                  stop the running keyboard\n"
           "  help                  this text\n";
}

KbsimController::KbsimController(KeyboardModel &model, EmulatorServer &server, std::function<void()> changed,
                                 std::function<void()> quit)
    : model_(model), server_(server), changed_(std::move(changed)), quit_(std::move(quit)) {}

CommandResult KbsimController::sendKeyEvent(EventType type, uint16_t data, std::string what) {
    if (server_.sendEvent(eventTypeWord(type), data))
        return ok(what + " sent");
    return ok(what + ": no host connected, event dropped");
}

CommandResult KbsimController::press(const std::vector<std::string> &args) {
    if (args.size() < 2)
        return failed("press what? (see kbsim help)");
    if (!server_.plugged())
        return failed("the keyboard is unplugged");
    const std::string &what = args[1];
    long n = 0;
    auto number = [&](long min, long max) {
        return args.size() == 3 && parseNumberArg(args[2], min, max, n);
    };
    auto data = [&] { return static_cast<uint16_t>(n); };

    if (what == "profile") {
        if (!number(1, 5))
            return failed("press profile N: N = 1-5");
        model_.setCurrentProfile(static_cast<int>(n - 1));
        changed_();
        return sendKeyEvent(EventType::Profile, data(), "profile " + args[2]);
    }
    if (what == "color" || what == "colour") {
        if (!number(kLightingColourFirst, kLightingColourCycle))
            return failed("press color N: N = 1-7");
        model_.update([&](KeyboardMemory &m) {
            m.profiles[m.currentProfile].lighting[offsetof(LightingLayout, colour)] = static_cast<uint8_t>(n);
        });
        changed_();
        return sendKeyEvent(EventType::LightingColour, data(), "colour " + args[2]);
    }
    if (what == "light") {
        if (!number(kLightingControls.front(), kLightingControls.back()) ||
            !isLightingControl(static_cast<int32_t>(n)))
            return failed("press light N: N = 1, 2, 4, 8, 16 or 32");
        model_.update([&](KeyboardMemory &m) {
            m.profiles[m.currentProfile].lighting[offsetof(LightingLayout, control)] =
                static_cast<uint8_t>(n);
        });
        changed_();
        return sendKeyEvent(EventType::LightingControl, data(), "lighting control " + args[2]);
    }
    if (what == "winlock" || what == "winunlock") {
        if (args.size() != 2)
            return failed("press " + what + " takes no value");
        const bool lock = what == "winlock";
        // Switches 2 and 3 are the Windows-key lock.
        model_.update([&](KeyboardMemory &m) {
            uint8_t &bits = m.profiles[m.currentProfile].switchBits;
            bits = lock ? static_cast<uint8_t>(bits | 0x0C) : static_cast<uint8_t>(bits & ~0x0C);
        });
        changed_();
        return sendKeyEvent(EventType::WindowsKey, lock ? 0 : 1, what);
    }
    if (what == "key") {
        if (!number(1, 15))
            return failed("press key N: N = 1-15");
        return sendKeyEvent(EventType::ProgramKey, data(), "program key " + args[2]);
    }
    if (what == "media") {
        if (!number(0x20, 0x27))
            return failed("press media CODE: CODE = 0x20-0x27");
        return sendKeyEvent(EventType::MediaKey, data(), "media key " + args[2]);
    }
    if (what == "config") {
        if (args.size() != 2)
            return failed("press config takes no value");
        return sendKeyEvent(EventType::ProgramKey, 0, "configuration key");
    }
    return failed("unknown key \"" + what + "\" (see kbsim help)");
}

CommandResult KbsimController::execute(const std::vector<std::string> &args) {
    if (args.empty() || args[0] == "help")
        return {true, kbsimUsage()};
    const std::string &cmd = args[0];
    long n = 0;
    if (cmd == "plug") {
        std::string error;
        if (!server_.plug(&error))
            return failed("plug failed: " + error);
        return ok("plugged in");
    }
    if (cmd == "unplug") {
        server_.unplug();
        return ok("unplugged");
    }
    if (cmd == "press")
        return press(args);
    if (cmd == "record-macro") {
        if (args.size() < 2 || !parseNumberArg(args[1], 0, kMacroSlots - 1, n))
            return failed("record-macro SLOT [KEY...]: SLOT = 0-14");
        if (!server_.plugged())
            return failed("the keyboard is unplugged");
        const int slot = static_cast<int>(n);
        std::vector<long> keys;
        for (std::size_t i = 2; i < args.size(); ++i) {
            long key = 0;
            if (!parseNumberArg(args[i], 1, 255, key))
                return failed("record-macro: key codes are 1-255");
            keys.push_back(key);
        }
        if (keys.empty())
            keys = {4, 5, 6};
        if (keys.size() > 25)
            return failed("record-macro: at most 25 keys (50 steps)");
        // Each key pressed, held 100 ms, released, 150 ms to the next.
        std::vector<RecordedStep> steps;
        for (std::size_t i = 0; i < keys.size(); ++i) {
            steps.push_back({static_cast<uint8_t>(keys[i]), false, static_cast<uint8_t>(i == 0 ? 0 : 3)});
            steps.push_back({static_cast<uint8_t>(keys[i]), true, 2});
        }
        if (!model_.recordMacro(slot, steps))
            return failed("record-macro: cannot store the macro");
        changed_();
        return sendKeyEvent(EventType::RecordedMacro, static_cast<uint16_t>(slot + 1),
                            "macro recorded in slot " + args[1] + ", event");
    }
    if (cmd == "fail") {
        if (args.size() != 2 || !parseNumberArg(args[1], 0, 1000000, n))
            return failed("fail N: N >= 0");
        server_.failNext(static_cast<int>(n));
        return ok("the next " + args[1] + " requests fail");
    }
    if (cmd == "busy") {
        if (args.size() != 2 || (args[1] != "on" && args[1] != "off"))
            return failed("busy on | off");
        model_.setAlwaysBusy(args[1] == "on");
        return ok(std::string("busy ") + args[1]);
    }
    if (cmd == "busy-ms") {
        if (args.size() != 2 || !parseNumberArg(args[1], 0, 600000, n))
            return failed("busy-ms N: 0-600000");
        model_.setBusyTime(Millis{n});
        return ok("busy for " + args[1] + " ms after each write");
    }
    if (cmd == "delay") {
        if (args.size() != 2 || !parseNumberArg(args[1], 0, 600000, n))
            return failed("delay MS: 0-600000");
        server_.setReplyDelay(Millis{n});
        return ok("replies delayed by " + args[1] + " ms");
    }
    if (cmd == "reset") {
        model_.factoryReset();
        changed_();
        return ok("factory settings restored");
    }
    if (cmd == "state") {
        std::string text = std::string("plugged: ") + (server_.plugged() ? "yes" : "no") +
                           ", host connected: " + (server_.hostConnected() ? "yes" : "no") +
                           ", failing next: " + std::to_string(server_.pendingFailures()) +
                           ", reply delay: " + std::to_string(server_.replyDelay().count()) + " ms\n";
        return {true, text + model_.describe()};
    }
    if (cmd == "quit") {
        quit_();
        return ok("stopping");
    }
    return failed("unknown command \"" + cmd + "\" (see kbsim help)");
}

ControlServer::ControlServer(std::string path, Handler handler)
    : path_(std::move(path)), handler_(std::move(handler)) {}

ControlServer::~ControlServer() {
    stop();
}

bool ControlServer::start(std::string *error) {
    const std::optional<UnixAddress> addr = unixAddress(path_);
    if (!addr) {
        if (error)
            *error = "control socket path too long: " + path_;
        return false;
    }
    struct stat st;
    if (::lstat(path_.c_str(), &st) == 0) {
        if (!S_ISSOCK(st.st_mode)) {
            if (error)
                *error = path_ + " exists and is not a socket";
            return false;
        }
        ::unlink(path_.c_str()); // the caller made sure no instance answers
    }
    listenFd_ = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (listenFd_ < 0 || ::bind(listenFd_, addr->get(), addr->size()) != 0 || ::listen(listenFd_, 8) != 0 ||
        ::pipe2(wakePipe_, O_CLOEXEC) != 0) {
        if (error)
            *error = "cannot listen on " + path_ + ": " + std::strerror(errno);
        if (listenFd_ >= 0)
            ::close(listenFd_);
        listenFd_ = -1;
        return false;
    }
    thread_ = std::thread([this] { run(); });
    return true;
}

void ControlServer::stop() {
    if (!thread_.joinable())
        return;
    const char byte = 1;
    [[maybe_unused]] const ssize_t n = ::write(wakePipe_[1], &byte, 1);
    thread_.join();
    ::close(listenFd_);
    ::unlink(path_.c_str());
    ::close(wakePipe_[0]);
    ::close(wakePipe_[1]);
    listenFd_ = -1;
    wakePipe_[0] = wakePipe_[1] = -1;
}

void ControlServer::run() {
    for (;;) {
        pollfd fds[2] = {{wakePipe_[0], POLLIN, 0}, {listenFd_, POLLIN, 0}};
        if (::poll(fds, 2, -1) < 0) {
            if (errno == EINTR)
                continue;
            return;
        }
        if (fds[0].revents)
            return;
        if (!fds[1].revents)
            continue;
        const int fd = ::accept4(listenFd_, nullptr, nullptr, SOCK_CLOEXEC);
        if (fd < 0)
            continue;
        // A client that never finishes its command must not block the
        // keyboard's control for long.
        timeval timeout{2, 0};
        ::setsockopt(fd, SOL_SOCKET, SO_RCVTIMEO, &timeout, sizeof timeout);
        std::string request;
        CommandResult result{false, "command too long or unreadable\n"};
        if (readAll(fd, request, kMaxCommandBytes)) {
            std::vector<std::string> args;
            std::size_t start = 0;
            while (start < request.size()) {
                const std::size_t end = request.find('\0', start);
                const std::size_t stop = end == std::string::npos ? request.size() : end;
                args.push_back(request.substr(start, stop - start));
                start = stop + 1;
            }
            result = handler_(args);
        }
        const std::string answer = (result.ok ? "0" : "1") + result.text;
        writeAll(fd, answer.data(), answer.size());
        ::close(fd);
    }
}

bool sendControlCommand(const std::string &path, const std::vector<std::string> &args,
                        CommandResult &result) {
    const int fd = connectUnixSocket(path, SOCK_STREAM);
    if (fd < 0)
        return false;
    std::string request;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (i)
            request.push_back('\0');
        request += args[i];
    }
    std::string answer;
    const bool sent = writeAll(fd, request.data(), request.size()) && ::shutdown(fd, SHUT_WR) == 0;
    const bool read = sent && readAll(fd, answer, 1u << 20);
    ::close(fd);
    if (!read || answer.empty())
        return false;
    result.ok = answer[0] == '0';
    result.text = answer.substr(1);
    return true;
}

} // namespace orvyn
