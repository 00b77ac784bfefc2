// The keyboard end of the emulator protocol: a SOCK_SEQPACKET listener that
// serves one host at a time from a KeyboardModel. One server thread owns
// every socket; other threads hand it work (plug, unplug, events) and wait.
#pragma once

#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <mutex>
#include <string>
#include <string_view>
#include <thread>

#include "kbsim/KeyboardModel.h"
#include "platform/Clock.h"

namespace orvyn {

class EmulatorServer {
public:
    using LogFn = std::function<void(std::string_view line)>;

    EmulatorServer(KeyboardModel &model, Clock &clock, std::string socketPath);
    ~EmulatorServer();
    EmulatorServer(const EmulatorServer &) = delete;
    EmulatorServer &operator=(const EmulatorServer &) = delete;

    // Starts the server thread, plugged in (listening). False with a reason
    // when the socket cannot be made (a live server already owns the path).
    bool start(std::string *error = nullptr);
    void stop();

    // Plugged = listening; unplugging drops the host and removes the socket.
    bool plug(std::string *error = nullptr);
    void unplug();
    bool plugged() const;
    bool hostConnected() const;

    // Sends an EVENT packet to the connected host; false when none.
    bool sendEvent(uint16_t type, uint16_t data);

    // Faults: the next n requests are answered with failure; every reply is
    // held back by `delay` (through the clock, so ORVYN_TIME_SCALE applies).
    void failNext(int n);
    int pendingFailures() const;
    void setReplyDelay(Millis delay);
    Millis replyDelay() const;

    // Called on the server thread for every packet in or out, and for
    // connects and disconnects.
    void setLog(LogFn log);
    // Called on the server thread after an accepted write, so the owner can
    // keep the state file current.
    void setOnWrite(std::function<void()> onWrite);

    const std::string &socketPath() const { return path_; }

private:
    // Runs `task` on the server thread and waits for it.
    void runOnServerThread(const std::function<void()> &task);
    bool openListenerLocal(std::string *error);
    void closeListenerLocal();
    void dropHostLocal(const char *why);
    void serveRequest(const uint8_t *data, std::size_t size);
    void sendPacket(const std::vector<uint8_t> &packet);
    bool logging() const;
    void log(std::string_view line);
    void run();

    KeyboardModel &model_;
    Clock &clock_;
    const std::string path_;

    // Server-thread state.
    int listenFd_ = -1;
    int hostFd_ = -1;

    mutable std::mutex mutex_;
    std::condition_variable done_;
    std::deque<std::function<void()>> tasks_;
    uint64_t tasksQueued_ = 0, tasksDone_ = 0;
    bool running_ = false;
    bool stopping_ = false;
    bool plugged_ = false;
    bool hostConnected_ = false;
    int failNext_ = 0;
    Millis delay_{0};
    LogFn log_;
    std::function<void()> onWrite_;
    int wakePipe_[2] = {-1, -1};
    std::thread thread_;
};

} // namespace orvyn
