#include "devbridge/EmulatorBackend.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include "platform/Trace.h"
#include "platform/UnixAddress.h"
#include "protocol/EmulatorPacket.h"

namespace orvyn::devbridge {

EmulatorBackend::EmulatorBackend(MessageSink &sink, std::string socketPath, Timing timing)
    : sink_(sink), path_(std::move(socketPath)), timing_(timing) {
    if (::pipe2(wakePipe_, O_CLOEXEC | O_NONBLOCK) != 0) {
        wakePipe_[0] = wakePipe_[1] = -1;
        traceLine("devbridge: cannot make the wake pipe");
    }
}

EmulatorBackend::~EmulatorBackend() {
    {
        std::lock_guard rq(requestMutex_);
        std::unique_lock lock(mutex_);
        monitoring_ = false;
        featureOpen_ = false;
        stopThreadIfIdle(lock);
        if (fd_ >= 0) {
            ::close(fd_);
            fd_ = -1;
        }
    }
    for (int &fd : wakePipe_) {
        if (fd >= 0)
            ::close(fd);
        fd = -1;
    }
}

bool EmulatorBackend::connectLocked() {
    const int fd = connectUnixSocket(path_, SOCK_SEQPACKET);
    if (fd < 0)
        return false;
    fd_ = fd;
    ++connection_;
    staleReplies_ = 0;
    return true;
}

void EmulatorBackend::dropConnectionLocked() {
    if (fd_ >= 0)
        ::close(fd_);
    fd_ = -1;
    staleReplies_ = 0;
    if (waiting_) {
        replyReady_ = true;
        replyOk_ = false;
    }
    changed_.notify_all();
}

void EmulatorBackend::ensureThreadLocked() {
    if (threadRunning_)
        return;
    stopping_ = false;
    threadRunning_ = true;
    thread_ = std::thread([this] { run(); });
}

void EmulatorBackend::stopThreadIfIdle(std::unique_lock<std::mutex> &lock) {
    if (monitoring_ || featureOpen_ || !threadRunning_)
        return;
    stopping_ = true;
    if (wakePipe_[1] >= 0) {
        const char byte = 1;
        [[maybe_unused]] const ssize_t n = ::write(wakePipe_[1], &byte, 1);
    }
    changed_.notify_all();
    lock.unlock();
    thread_.join();
    lock.lock();
    threadRunning_ = false;
    stopping_ = false;
    if (fd_ >= 0) {
        ::close(fd_);
        fd_ = -1;
    }
    // Drain the wake pipe for the next thread.
    char drain[16];
    while (wakePipe_[0] >= 0 && ::read(wakePipe_[0], drain, sizeof drain) > 0) {
    }
}

void EmulatorBackend::startMonitor() {
    std::unique_lock lock(mutex_);
    monitoring_ = true;
    if (fd_ < 0)
        connectLocked(); // presence now is not announced
    ensureThreadLocked();
}

void EmulatorBackend::stopMonitor() {
    std::unique_lock lock(mutex_);
    monitoring_ = false;
    stopThreadIfIdle(lock);
}

bool EmulatorBackend::openFeature() {
    std::unique_lock lock(mutex_);
    if (fd_ < 0)
        connectLocked();
    featureOpen_ = fd_ >= 0;
    if (featureOpen_)
        ensureThreadLocked();
    return featureOpen_;
}

void EmulatorBackend::closeFeature() {
    std::lock_guard rq(requestMutex_); // a request in flight finishes first
    std::unique_lock lock(mutex_);
    featureOpen_ = false;
    stopThreadIfIdle(lock);
}

bool EmulatorBackend::setFeature(const uint8_t *report, std::size_t length) {
    return request(static_cast<uint8_t>(emu::Op::SetFeature), const_cast<uint8_t *>(report), length);
}

bool EmulatorBackend::getFeature(uint8_t *report, std::size_t length) {
    return request(static_cast<uint8_t>(emu::Op::GetFeature), report, length);
}

bool EmulatorBackend::request(uint8_t opByte, uint8_t *report, std::size_t length) {
    const auto op = static_cast<emu::Op>(opByte);
    if (!report || length == 0 || length > emu::kMaxPayload)
        return false;
    const std::vector<uint8_t> packet = emu::encodePacket(op, emu::kStatusRequest, report, length);
    std::lock_guard rq(requestMutex_);
    std::unique_lock lock(mutex_);
    if (!featureOpen_ || fd_ < 0)
        return false;
    waiting_ = true;
    replyReady_ = false;
    replyOk_ = false;
    const ssize_t sent = ::send(fd_, packet.data(), packet.size(), MSG_NOSIGNAL);
    if (sent != static_cast<ssize_t>(packet.size())) {
        waiting_ = false;
        return false;
    }
    const uint64_t connection = connection_;
    const bool answered = changed_.wait_for(lock, timing_.replyTimeout, [&] {
        return replyReady_ || stopping_;
    }) && replyReady_;
    waiting_ = false;
    if (!answered) {
        // The reply may still come: the reader drops it rather than giving it
        // to the next request.
        if (connection == connection_ && fd_ >= 0)
            ++staleReplies_;
        traceLine("devbridge: no reply from the keyboard emulator");
        return false;
    }
    if (!replyOk_)
        return false;
    const auto view = emu::parsePacket(reply_.data(), reply_.size());
    if (!view)
        return false;
    switch (emu::checkReply(*view, op, report[0], length)) {
    case emu::ReplyCheck::Success:
        if (op == emu::Op::GetFeature)
            std::memcpy(report, view->payload, length);
        return true;
    case emu::ReplyCheck::Failure:
        return false;
    case emu::ReplyCheck::Malformed:
        traceLine("devbridge: malformed reply from the keyboard emulator");
        return false;
    }
    return false;
}

void EmulatorBackend::run() {
    std::vector<uint8_t> buffer(emu::kMaxPacket + 1);
    std::unique_lock lock(mutex_);
    while (!stopping_) {
        if (fd_ < 0) {
            if (connectLocked()) {
                if (monitoring_) {
                    lock.unlock();
                    sink_.postDevice(true);
                    lock.lock();
                }
                continue;
            }
            changed_.wait_for(lock, timing_.reconnect, [&] { return stopping_; });
            continue;
        }
        const int fd = fd_;
        lock.unlock();
        pollfd fds[2] = {{fd, POLLIN, 0}, {wakePipe_[0], POLLIN, 0}};
        const int ready = ::poll(fds, wakePipe_[0] >= 0 ? 2 : 1, wakePipe_[0] >= 0 ? -1 : 100);
        lock.lock();
        if (stopping_)
            break;
        if (ready > 0 && fds[1].revents != 0) {
            char drain[16];
            while (::read(wakePipe_[0], drain, sizeof drain) > 0) {
            }
        }
        if (ready <= 0 || fds[0].revents == 0)
            continue;
        // Only this thread closes the connection while it runs, so `fd` is
        // still ours.
        const ssize_t n = ::recv(fd, buffer.data(), buffer.size(), MSG_DONTWAIT);
        if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR))
            continue;
        if (n <= 0) {
            dropConnectionLocked();
            if (monitoring_) {
                lock.unlock();
                sink_.postDevice(false);
                lock.lock();
            }
            // The first retry comes one interval after the loss.
            changed_.wait_for(lock, timing_.reconnect, [&] { return stopping_; });
            continue;
        }
        const auto packet = emu::parsePacket(buffer.data(), static_cast<std::size_t>(n));
        if (!packet) {
            traceLine("devbridge: malformed packet from the keyboard emulator");
            continue;
        }
        if (const auto event = emu::eventOf(*packet)) {
            if (monitoring_) {
                lock.unlock();
                sink_.postEvent(event->type, event->data);
                lock.lock();
            }
            continue;
        }
        if (packet->op == emu::Op::Event)
            continue; // an event of the wrong size
        if (staleReplies_ > 0) {
            --staleReplies_;
            continue;
        }
        if (waiting_ && !replyReady_) {
            reply_.assign(buffer.begin(), buffer.begin() + n);
            replyReady_ = true;
            replyOk_ = true;
            changed_.notify_all();
        }
    }
}

} // namespace orvyn::devbridge
