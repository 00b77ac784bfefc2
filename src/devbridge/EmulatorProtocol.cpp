#include "devbridge/EmulatorProtocol.h"

#include <cstdio>

namespace orvyn::emu {

std::optional<PacketView> parsePacket(const uint8_t *data, std::size_t size) {
    if (!data || size < kHeaderSize || size > kMaxPacket)
        return std::nullopt;
    const uint8_t op = data[0];
    if (op < 1 || op > 3)
        return std::nullopt;
    const std::size_t length = std::size_t{data[2]} | (std::size_t{data[3]} << 8);
    if (length != size - kHeaderSize)
        return std::nullopt;
    return PacketView{static_cast<Op>(op), data[1], data + kHeaderSize, length};
}

std::vector<uint8_t> encodePacket(Op op, uint8_t status, const uint8_t *payload, std::size_t length) {
    if (length > kMaxPayload || (length > 0 && !payload))
        return {};
    std::vector<uint8_t> packet(kHeaderSize + length);
    packet[0] = static_cast<uint8_t>(op);
    packet[1] = status;
    packet[2] = static_cast<uint8_t>(length & 0xFF);
    packet[3] = static_cast<uint8_t>(length >> 8);
    for (std::size_t i = 0; i < length; ++i)
        packet[kHeaderSize + i] = payload[i];
    return packet;
}

std::vector<uint8_t> encodeEvent(Event event) {
    const uint8_t payload[kEventPayload] = {
        static_cast<uint8_t>(event.type & 0xFF), static_cast<uint8_t>(event.type >> 8),
        static_cast<uint8_t>(event.data & 0xFF), static_cast<uint8_t>(event.data >> 8)};
    return encodePacket(Op::Event, kStatusRequest, payload, sizeof payload);
}

std::optional<Event> eventOf(const PacketView &packet) {
    if (packet.op != Op::Event || packet.length != kEventPayload)
        return std::nullopt;
    const uint8_t *p = packet.payload;
    return Event{static_cast<uint16_t>(p[0] | (p[1] << 8)), static_cast<uint16_t>(p[2] | (p[3] << 8))};
}

bool isValidRequest(const PacketView &packet) {
    return (packet.op == Op::SetFeature || packet.op == Op::GetFeature) && packet.status == kStatusRequest &&
           packet.length >= 1;
}

ReplyCheck checkReply(const PacketView &reply, Op op, uint8_t reportId, std::size_t length) {
    if (reply.op != op)
        return ReplyCheck::Malformed;
    if (reply.status == kStatusFailure)
        return reply.length == 0 ? ReplyCheck::Failure : ReplyCheck::Malformed;
    if (reply.status != kStatusSuccess)
        return ReplyCheck::Malformed;
    if (op == Op::SetFeature)
        return reply.length == 0 ? ReplyCheck::Success : ReplyCheck::Malformed;
    if (reply.length != length || reply.length == 0 || reply.payload[0] != reportId)
        return ReplyCheck::Malformed;
    return ReplyCheck::Success;
}

std::string describePacket(const uint8_t *data, std::size_t size) {
    const auto packet = parsePacket(data, size);
    std::string text;
    char buf[32];
    if (!packet) {
        std::snprintf(buf, sizeof buf, "malformed [%zu]", size);
        text = buf;
    } else {
        const char *op = packet->op == Op::SetFeature   ? "SET"
                         : packet->op == Op::GetFeature ? "GET"
                                                        : "EVENT";
        if (const auto event = eventOf(*packet)) {
            std::snprintf(buf, sizeof buf, "EVENT type 0x%04X data %u", unsigned{event->type},
                          unsigned{event->data});
            return buf;
        }
        std::snprintf(buf, sizeof buf, "%s status %u [%zu]", op, unsigned{packet->status}, packet->length);
        text = buf;
        data = packet->payload;
        size = packet->length;
    }
    for (std::size_t i = 0; i < size; ++i) {
        std::snprintf(buf, sizeof buf, " %02x", unsigned{data[i]});
        text += buf;
    }
    return text;
}

} // namespace orvyn::emu
