#include "platform/Datagram.h"

#include <cstring>

namespace orvyn {

namespace {

void putU32(uint8_t *out, uint32_t v) {
    for (int i = 0; i < 4; ++i)
        out[i] = static_cast<uint8_t>(v >> (8 * i));
}

void putU64(uint8_t *out, uint64_t v) {
    for (int i = 0; i < 8; ++i)
        out[i] = static_cast<uint8_t>(v >> (8 * i));
}

uint32_t getU32(const uint8_t *in) {
    uint32_t v = 0;
    for (int i = 0; i < 4; ++i)
        v |= static_cast<uint32_t>(in[i]) << (8 * i);
    return v;
}

uint64_t getU64(const uint8_t *in) {
    uint64_t v = 0;
    for (int i = 0; i < 8; ++i)
        v |= static_cast<uint64_t>(in[i]) << (8 * i);
    return v;
}

} // namespace

std::optional<std::vector<uint8_t>> encodeDatagram(const PostedMessage &message) {
    const bool copyData = message.message == kCopyDataMessage;
    if (!copyData && (message.hasCopyData || !message.copyData.empty()))
        return std::nullopt;
    if (copyData && message.copyData.size() > kMaxCopyDataSize)
        return std::nullopt;

    std::vector<uint8_t> out(copyData ? kCopyDataHeaderSize + message.copyData.size() : kDatagramHeaderSize);
    putU32(out.data(), message.message);
    putU32(out.data() + 4, 0);
    putU64(out.data() + 8, static_cast<uint64_t>(message.wParam));
    putU64(out.data() + 16, static_cast<uint64_t>(message.lParam));
    if (copyData) {
        putU64(out.data() + 24, message.dwData);
        if (!message.copyData.empty())
            std::memcpy(out.data() + kCopyDataHeaderSize, message.copyData.data(), message.copyData.size());
    }
    return out;
}

std::optional<PostedMessage> decodeDatagram(std::span<const uint8_t> bytes) {
    if (bytes.size() < kDatagramHeaderSize || bytes.size() > kMaxDatagramSize)
        return std::nullopt;
    const uint8_t *in = bytes.data();
    if (getU32(in + 4) != 0)
        return std::nullopt;

    PostedMessage m;
    m.message = getU32(in);
    m.wParam = static_cast<int64_t>(getU64(in + 8));
    m.lParam = static_cast<int64_t>(getU64(in + 16));
    if (m.message != kCopyDataMessage)
        return bytes.size() == kDatagramHeaderSize ? std::optional(m) : std::nullopt;

    if (bytes.size() < kCopyDataHeaderSize)
        return std::nullopt;
    m.dwData = getU64(in + 24);
    m.copyData.assign(bytes.begin() + kCopyDataHeaderSize, bytes.end());
    m.hasCopyData = true;
    return m;
}

} // namespace orvyn
