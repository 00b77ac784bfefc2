// Packets between the host library and the keyboard emulator. Every packet,
// both ways: the header below, then the payload. One packet per
// SOCK_SEQPACKET message.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "protocol/EventTypes.h"

namespace orvyn::emu {

enum class Op : uint8_t { SetFeature = 1, GetFeature = 2, Event = 3 };

struct PacketHeader {
    uint8_t op;        // Op
    uint8_t status;    // request 0; reply 1 success, 0 failure
    uint8_t length[2]; // payload bytes, little-endian
};
static_assert(sizeof(PacketHeader) == 4);
static_assert(offsetof(PacketHeader, op) == 0);
static_assert(offsetof(PacketHeader, status) == 1);
static_assert(offsetof(PacketHeader, length) == 2);

inline constexpr std::size_t kHeaderSize = sizeof(PacketHeader);
// Feature reports are far shorter; anything longer is refused on both sides.
inline constexpr std::size_t kMaxPayload = 4096;
inline constexpr std::size_t kMaxPacket = kHeaderSize + kMaxPayload;
// The payload of an EVENT packet is one EventLayout.
inline constexpr std::size_t kEventPayload = sizeof(EventLayout);

inline constexpr uint8_t kStatusRequest = 0;
inline constexpr uint8_t kStatusFailure = 0;
inline constexpr uint8_t kStatusSuccess = 1;

// A packet parsed in place; `payload` points into the caller's bytes.
struct PacketView {
    Op op;
    uint8_t status;
    const uint8_t *payload;
    std::size_t length;
};

// The header is well formed: known op, length field equal to the bytes that
// follow, within kMaxPayload. Nothing about the direction yet.
std::optional<PacketView> parsePacket(const uint8_t *data, std::size_t size);

// Encodes one packet; empty when the payload is longer than kMaxPayload.
std::vector<uint8_t> encodePacket(Op op, uint8_t status, const uint8_t *payload, std::size_t length);

struct Event {
    uint16_t type;
    uint16_t data;
};
std::vector<uint8_t> encodeEvent(Event event);
// An EVENT packet with exactly four payload bytes.
std::optional<Event> eventOf(const PacketView &packet);

// Server side: a request the keyboard can serve (SET or GET, status 0, a
// report id present).
bool isValidRequest(const PacketView &packet);

// Host side: the reply answers a request of `op` for `length` bytes. A
// successful SET reply carries nothing; a successful GET reply exactly the
// requested length with the same report id; a failure reply nothing.
enum class ReplyCheck { Success, Failure, Malformed };
ReplyCheck checkReply(const PacketView &reply, Op op, uint8_t reportId, std::size_t length);

// Readable form of a packet for logs: "SET status 0 [168] 06 a8 00 ...".
std::string describePacket(const uint8_t *data, std::size_t size);

} // namespace orvyn::emu
