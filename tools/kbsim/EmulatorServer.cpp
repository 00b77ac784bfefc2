#include "kbsim/EmulatorServer.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

#include "platform/UnixAddress.h"
#include "protocol/EmulatorPacket.h"

namespace orvyn {

namespace {

void setError(std::string *error, std::string text) {
    if (error)
        *error = std::move(text);
}

} // namespace

EmulatorServer::EmulatorServer(KeyboardModel &model, Clock &clock, std::string socketPath)
    : model_(model), clock_(clock), path_(std::move(socketPath)) {}

EmulatorServer::~EmulatorServer() {
    stop();
}

bool EmulatorServer::start(std::string *error) {
    {
        std::lock_guard lock(mutex_);
        if (running_)
            return true;
    }
    if (::pipe2(wakePipe_, O_CLOEXEC | O_NONBLOCK) != 0) {
        setError(error, std::string("cannot make a pipe: ") + std::strerror(errno));
        return false;
    }
    if (!openListenerLocal(error)) {
        ::close(wakePipe_[0]);
        ::close(wakePipe_[1]);
        wakePipe_[0] = wakePipe_[1] = -1;
        return false;
    }
    {
        std::lock_guard lock(mutex_);
        running_ = true;
        stopping_ = false;
        plugged_ = true;
    }
    thread_ = std::thread([this] { run(); });
    return true;
}

void EmulatorServer::stop() {
    {
        std::lock_guard lock(mutex_);
        if (!running_)
            return;
        stopping_ = true;
    }
    const char byte = 1;
    [[maybe_unused]] const ssize_t n = ::write(wakePipe_[1], &byte, 1);
    thread_.join();
    dropHostLocal("server stopped");
    closeListenerLocal();
    ::close(wakePipe_[0]);
    ::close(wakePipe_[1]);
    wakePipe_[0] = wakePipe_[1] = -1;
    std::lock_guard lock(mutex_);
    running_ = false;
    plugged_ = false;
    // Tasks that never ran still release their waiters.
    tasksDone_ = tasksQueued_;
    tasks_.clear();
    done_.notify_all();
}

void EmulatorServer::runOnServerThread(const std::function<void()> &task) {
    std::unique_lock lock(mutex_);
    if (!running_ || stopping_) {
        return;
    }
    tasks_.push_back(task);
    const uint64_t ticket = ++tasksQueued_;
    const char byte = 1;
    [[maybe_unused]] const ssize_t n = ::write(wakePipe_[1], &byte, 1);
    done_.wait(lock, [&] { return tasksDone_ >= ticket; });
}

bool EmulatorServer::openListenerLocal(std::string *error) {
    const std::optional<UnixAddress> addr = unixAddress(path_);
    if (!addr) {
        setError(error, "socket path too long or empty: " + path_);
        return false;
    }
    // A socket file left by a dead server is replaced; a live one is not.
    struct stat st;
    if (::lstat(path_.c_str(), &st) == 0) {
        if (!S_ISSOCK(st.st_mode)) {
            setError(error, path_ + " exists and is not a socket");
            return false;
        }
        if (probeUnixSocket(*addr, SOCK_SEQPACKET) == SocketProbe::Live) {
            setError(error, "another keyboard emulator serves " + path_);
            return false;
        }
        ::unlink(path_.c_str());
    }
    const int fd = ::socket(AF_UNIX, SOCK_SEQPACKET | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0) {
        setError(error, std::string("socket: ") + std::strerror(errno));
        return false;
    }
    if (::bind(fd, addr->get(), addr->size()) != 0 || ::listen(fd, 4) != 0) {
        setError(error, "cannot listen on " + path_ + ": " + std::strerror(errno));
        ::close(fd);
        return false;
    }
    listenFd_ = fd;
    return true;
}

void EmulatorServer::closeListenerLocal() {
    if (listenFd_ < 0)
        return;
    ::close(listenFd_);
    listenFd_ = -1;
    ::unlink(path_.c_str());
}

void EmulatorServer::dropHostLocal(const char *why) {
    if (hostFd_ < 0)
        return;
    ::close(hostFd_);
    hostFd_ = -1;
    {
        std::lock_guard lock(mutex_);
        hostConnected_ = false;
    }
    log(std::string("host disconnected (") + why + ")");
}

bool EmulatorServer::plug(std::string *error) {
    bool ok = true;
    std::string reason;
    runOnServerThread([&] {
        if (listenFd_ >= 0)
            return;
        ok = openListenerLocal(&reason);
        if (ok) {
            std::lock_guard lock(mutex_);
            plugged_ = true;
        }
        log(ok ? "plugged in" : "plug failed: " + reason);
    });
    if (!ok)
        setError(error, reason);
    return ok;
}

void EmulatorServer::unplug() {
    runOnServerThread([&] {
        // Listener first: the host reconnecting at once must find nothing.
        closeListenerLocal();
        dropHostLocal("unplugged");
        {
            std::lock_guard lock(mutex_);
            plugged_ = false;
        }
        log("unplugged");
    });
}

bool EmulatorServer::plugged() const {
    std::lock_guard lock(mutex_);
    return plugged_;
}

bool EmulatorServer::hostConnected() const {
    std::lock_guard lock(mutex_);
    return hostConnected_;
}

bool EmulatorServer::sendEvent(uint16_t type, uint16_t data) {
    bool sent = false;
    runOnServerThread([&] {
        if (hostFd_ < 0)
            return;
        sendPacket(emu::encodeEvent({type, data}));
        sent = hostFd_ >= 0;
    });
    return sent;
}

void EmulatorServer::failNext(int n) {
    std::lock_guard lock(mutex_);
    failNext_ = n < 0 ? 0 : n;
}

int EmulatorServer::pendingFailures() const {
    std::lock_guard lock(mutex_);
    return failNext_;
}

void EmulatorServer::setReplyDelay(Millis delay) {
    std::lock_guard lock(mutex_);
    delay_ = delay < Millis{0} ? Millis{0} : delay;
}

Millis EmulatorServer::replyDelay() const {
    std::lock_guard lock(mutex_);
    return delay_;
}

void EmulatorServer::setLog(LogFn log) {
    std::lock_guard lock(mutex_);
    log_ = std::move(log);
}

void EmulatorServer::setOnWrite(std::function<void()> onWrite) {
    std::lock_guard lock(mutex_);
    onWrite_ = std::move(onWrite);
}

bool EmulatorServer::logging() const {
    std::lock_guard lock(mutex_);
    return static_cast<bool>(log_);
}

void EmulatorServer::log(std::string_view line) {
    LogFn log;
    {
        std::lock_guard lock(mutex_);
        log = log_;
    }
    if (log)
        log(line);
}

void EmulatorServer::sendPacket(const std::vector<uint8_t> &packet) {
    if (hostFd_ < 0 || packet.empty())
        return;
    const ssize_t n = ::send(hostFd_, packet.data(), packet.size(), MSG_NOSIGNAL);
    if (n != static_cast<ssize_t>(packet.size())) {
        dropHostLocal("send failed");
        return;
    }
    if (logging())
        log("-> " + emu::describePacket(packet.data(), packet.size()));
}

void EmulatorServer::serveRequest(const uint8_t *data, std::size_t size) {
    if (logging())
        log("<- " + emu::describePacket(data, size));
    const auto packet = emu::parsePacket(data, size);
    if (!packet || !emu::isValidRequest(*packet)) {
        // Answer what can be answered, so the host does not wait for nothing.
        if (size >= 1 && (data[0] == 1 || data[0] == 2))
            sendPacket(emu::encodePacket(static_cast<emu::Op>(data[0]), emu::kStatusFailure, nullptr, 0));
        return;
    }
    Millis delay;
    bool fail = false;
    std::function<void()> onWrite;
    {
        std::lock_guard lock(mutex_);
        delay = delay_;
        if (failNext_ > 0) {
            --failNext_;
            fail = true;
        }
        onWrite = onWrite_;
    }
    if (delay.count() > 0)
        clock_.sleep(delay);
    if (fail) {
        sendPacket(emu::encodePacket(packet->op, emu::kStatusFailure, nullptr, 0));
        return;
    }
    if (packet->op == emu::Op::SetFeature) {
        const bool ok = model_.setFeature(packet->payload, packet->length);
        sendPacket(emu::encodePacket(packet->op, ok ? emu::kStatusSuccess : emu::kStatusFailure, nullptr, 0));
        if (ok && onWrite)
            onWrite();
        return;
    }
    std::vector<uint8_t> buffer(packet->payload, packet->payload + packet->length);
    const bool ok = model_.getFeature(buffer.data(), buffer.size());
    if (ok)
        sendPacket(emu::encodePacket(packet->op, emu::kStatusSuccess, buffer.data(), buffer.size()));
    else
        sendPacket(emu::encodePacket(packet->op, emu::kStatusFailure, nullptr, 0));
}

void EmulatorServer::run() {
    std::vector<uint8_t> buffer(emu::kMaxPacket + 1);
    for (;;) {
        pollfd fds[3];
        nfds_t count = 0;
        fds[count++] = {wakePipe_[0], POLLIN, 0};
        const int listenAt = listenFd_ >= 0 ? static_cast<int>(count) : -1;
        if (listenFd_ >= 0)
            fds[count++] = {listenFd_, POLLIN, 0};
        const int hostAt = hostFd_ >= 0 ? static_cast<int>(count) : -1;
        if (hostFd_ >= 0)
            fds[count++] = {hostFd_, POLLIN, 0};
        if (::poll(fds, count, -1) < 0) {
            if (errno == EINTR)
                continue;
            log(std::string("poll failed: ") + std::strerror(errno));
            break;
        }
        if (fds[0].revents) {
            char drain[64];
            while (::read(wakePipe_[0], drain, sizeof drain) > 0) {
            }
            std::unique_lock lock(mutex_);
            if (stopping_)
                break;
            while (!tasks_.empty()) {
                auto task = std::move(tasks_.front());
                tasks_.pop_front();
                lock.unlock();
                task();
                lock.lock();
                ++tasksDone_;
            }
            done_.notify_all();
            continue; // the sockets may have changed
        }
        if (hostAt >= 0 && fds[hostAt].revents) {
            const ssize_t n = ::recv(hostFd_, buffer.data(), buffer.size(), MSG_DONTWAIT);
            if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR))
                continue;
            if (n <= 0)
                dropHostLocal(n == 0 ? "closed by the host" : "receive failed");
            else
                serveRequest(buffer.data(), static_cast<std::size_t>(n));
        }
        if (listenAt >= 0 && listenFd_ >= 0 && fds[listenAt].revents) {
            const int fd = ::accept4(listenFd_, nullptr, nullptr, SOCK_CLOEXEC);
            if (fd < 0)
                continue;
            if (hostFd_ >= 0) {
                // One host at a time: a second one is turned away at once
                // rather than left waiting for replies that never come.
                ::close(fd);
                log("second host refused");
                continue;
            }
            hostFd_ = fd;
            {
                std::lock_guard lock(mutex_);
                hostConnected_ = true;
            }
            log("host connected");
        }
    }
}

} // namespace orvyn
