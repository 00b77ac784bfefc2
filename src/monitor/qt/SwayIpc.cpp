#include "monitor/qt/SwayIpc.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cerrno>
#include <cstddef>
#include <cstring>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace orvyn {

namespace {

constexpr char kMagic[] = {'i', '3', '-', 'i', 'p', 'c'};
constexpr std::uint32_t kGetTree = 4;
constexpr std::size_t kMaxReply = 16u << 20; // a tree of thousands of windows fits
constexpr int kPatienceMs = 250;             // the loop must not wait on a stuck compositor

// The IPC header: magic, payload length, message type (host byte order).
struct IpcHeader {
    char magic[6];
    std::uint32_t length;
    std::uint32_t type;
} __attribute__((packed));
static_assert(sizeof(IpcHeader) == 14);
static_assert(offsetof(IpcHeader, magic) == 0);
static_assert(offsetof(IpcHeader, length) == 6);
static_assert(offsetof(IpcHeader, type) == 10);

class Socket {
public:
    explicit Socket(int fd) : fd_(fd) {}
    ~Socket() {
        if (fd_ >= 0)
            ::close(fd_);
    }
    Socket(const Socket &) = delete;
    Socket &operator=(const Socket &) = delete;
    int fd() const { return fd_; }

private:
    int fd_;
};

bool waitFor(int fd, short events) {
    pollfd p{fd, events, 0};
    return ::poll(&p, 1, kPatienceMs) == 1 && (p.revents & events);
}

bool sendAll(int fd, const void *data, std::size_t size) {
    const auto *bytes = static_cast<const char *>(data);
    while (size > 0) {
        if (!waitFor(fd, POLLOUT))
            return false;
        const ssize_t n = ::send(fd, bytes, size, MSG_NOSIGNAL);
        if (n <= 0)
            return false;
        bytes += n;
        size -= static_cast<std::size_t>(n);
    }
    return true;
}

bool receiveAll(int fd, void *data, std::size_t size) {
    auto *bytes = static_cast<char *>(data);
    while (size > 0) {
        if (!waitFor(fd, POLLIN))
            return false;
        const ssize_t n = ::recv(fd, bytes, size, 0);
        if (n <= 0)
            return false;
        bytes += n;
        size -= static_cast<std::size_t>(n);
    }
    return true;
}

void collectViews(const QJsonObject &node, std::vector<SwayView> &views, int depth) {
    if (depth > 64)
        return;
    if (const QJsonValue pid = node.value("pid"); pid.isDouble() && pid.toInteger() > 0) {
        SwayView view;
        view.pid = static_cast<pid_t>(pid.toInteger());
        const QJsonValue appId = node.value("app_id");
        view.appId = appId.isString()
                         ? appId.toString().toStdString()
                         : node.value("window_properties").toObject().value("class").toString().toStdString();
        view.focused = node.value("focused").toBool();
        views.push_back(std::move(view));
    }
    for (const char *children : {"nodes", "floating_nodes"}) {
        for (const QJsonValue child : node.value(children).toArray())
            collectViews(child.toObject(), views, depth + 1);
    }
}

} // namespace

std::vector<SwayView> swayViews(std::string_view treeJson) {
    std::vector<SwayView> views;
    const QJsonDocument doc =
        QJsonDocument::fromJson(QByteArray(treeJson.data(), static_cast<qsizetype>(treeJson.size())));
    if (doc.isObject())
        collectViews(doc.object(), views, 0);
    return views;
}

std::optional<std::vector<SwayView>> SwayIpc::views() const {
    sockaddr_un address{};
    if (path_.empty() || path_.size() >= sizeof(address.sun_path))
        return std::nullopt;
    const Socket socket(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0));
    if (socket.fd() < 0)
        return std::nullopt;
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, path_.data(), path_.size());
    if (::connect(socket.fd(), reinterpret_cast<const sockaddr *>(&address), sizeof(address)) != 0 &&
        !(errno == EINPROGRESS && waitFor(socket.fd(), POLLOUT)))
        return std::nullopt;
    IpcHeader header{};
    std::memcpy(header.magic, kMagic, sizeof(kMagic));
    header.type = kGetTree;
    if (!sendAll(socket.fd(), &header, sizeof(header)))
        return std::nullopt;
    IpcHeader reply{};
    if (!receiveAll(socket.fd(), &reply, sizeof(reply)) ||
        std::memcmp(reply.magic, kMagic, sizeof(kMagic)) != 0 || reply.type != kGetTree ||
        reply.length > kMaxReply)
        return std::nullopt;
    std::string payload(reply.length, '\0');
    if (!receiveAll(socket.fd(), payload.data(), payload.size()))
        return std::nullopt;
    return swayViews(payload);
}

} // namespace orvyn
