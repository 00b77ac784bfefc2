#include "protocol/EmulatorPacket.h"

#include <cstdio>
#include <cstring>

namespace orvyn::emu {

namespace {

uint16_t fromLittleEndian(const uint8_t (&bytes)[2]) {
    return static_cast<uint16_t>(bytes[0] | (bytes[1] << 8));
}

void toLittleEndian(uint16_t value, uint8_t (&bytes)[2]) {
    bytes[0] = static_cast<uint8_t>(value & 0xFF);
    bytes[1] = static_cast<uint8_t>(value >> 8);
}

} // namespace

std::optional<PacketView> parsePacket(const uint8_t *data, std::size_t size) {
    if (!data || size < kHeaderSize || size > kMaxPacket)
        return std::nullopt;
    PacketHeader header;
    std::memcpy(&header, data, sizeof header);
    if (header.op < 1 || header.op > 3)
        return std::nullopt;
    const std::size_t length = fromLittleEndian(header.length);
    if (length != size - kHeaderSize)
        return std::nullopt;
    return PacketView{static_cast<Op>(header.op), header.status, data + kHeaderSize, length};
}

std::vector<uint8_t> encodePacket(Op op, uint8_t status, const uint8_t *payload, std::size_t length) {
    if (length > kMaxPayload || (length > 0 && !payload))
        return {};
    PacketHeader header{static_cast<uint8_t>(op), status, {}};
    toLittleEndian(static_cast<uint16_t>(length), header.length);
    std::vector<uint8_t> packet(kHeaderSize + length);
    std::memcpy(packet.data(), &header, sizeof header);
    for (std::size_t i = 0; i < length; ++i)
        packet[kHeaderSize + i] = payload[i];
    return packet;
}

std::vector<uint8_t> encodeEvent(Event event) {
    const EventLayout payload = eventLayout(event.type, event.data);
    uint8_t bytes[sizeof payload];
    std::memcpy(bytes, &payload, sizeof payload);
    return encodePacket(Op::Event, kStatusRequest, bytes, sizeof bytes);
}

std::optional<Event> eventOf(const PacketView &packet) {
    if (packet.op != Op::Event || packet.length != kEventPayload)
        return std::nullopt;
    EventLayout payload;
    std::memcpy(&payload, packet.payload, sizeof payload);
    return Event{eventTypeOf(payload), eventDataOf(payload)};
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
