// The keyboard emulator over an AF_UNIX SOCK_SEQPACKET socket. One reader
// thread owns the receiving side: it connects (and reconnects every 250 ms
// after a loss), posts events and removal/arrival, and hands replies to the
// one request waiting for them.
#pragma once

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "devbridge/Backend.h"

namespace orvyn::devbridge {

class EmulatorBackend final : public Backend {
public:
    struct Timing {
        std::chrono::milliseconds reconnect{250};
        std::chrono::milliseconds replyTimeout{5000};
    };
    EmulatorBackend(MessageSink &sink, std::string socketPath, Timing timing);
    EmulatorBackend(MessageSink &sink, std::string socketPath)
        : EmulatorBackend(sink, std::move(socketPath), Timing{}) {}
    ~EmulatorBackend() override;

    void startMonitor() override;
    void stopMonitor() override;
    bool openFeature() override;
    void closeFeature() override;
    bool setFeature(const uint8_t *report, std::size_t length) override;
    bool getFeature(uint8_t *report, std::size_t length) override;

private:
    bool request(uint8_t op, uint8_t *report, std::size_t length);
    void ensureThreadLocked();
    void stopThreadIfIdle(std::unique_lock<std::mutex> &lock);
    bool connectLocked();
    void dropConnectionLocked();
    void run();

    MessageSink &sink_;
    const std::string path_;
    const Timing timing_;

    std::mutex requestMutex_; // one request at a time, in order
    std::mutex mutex_;        // everything below
    std::condition_variable changed_;
    std::thread thread_;
    bool threadRunning_ = false;
    bool stopping_ = false;
    int wakePipe_[2] = {-1, -1};
    int fd_ = -1;
    bool monitoring_ = false;
    bool featureOpen_ = false;
    // The request in flight.
    bool waiting_ = false;
    bool replyReady_ = false;
    bool replyOk_ = false;
    std::vector<uint8_t> reply_;
    unsigned staleReplies_ = 0; // replies still owed to requests that timed out
    uint64_t connection_ = 0;   // counts connections, so a waiter notices a loss
};

} // namespace orvyn::devbridge
