// The wire form of a posted message: one datagram, little-endian.
//
//   offset  type  field
//   0       u32   message number
//   4       u32   reserved, always 0
//   8       i64   wParam
//   16      i64   lParam
//   24      u64   dwData            (WM_COPYDATA only)
//   32      ...   the data block    (WM_COPYDATA only; its size is the
//                                    datagram size - 32)
//
// Every other message is exactly 24 bytes. Nothing is longer than 4096
// bytes. A datagram of any other shape is rejected.
#pragma once

#include "platform/MessagePoster.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace orvyn {

inline constexpr std::size_t kDatagramHeaderSize = 24;
inline constexpr std::size_t kCopyDataHeaderSize = 32;
inline constexpr std::size_t kMaxDatagramSize = 4096;
inline constexpr std::size_t kMaxCopyDataSize = kMaxDatagramSize - kCopyDataHeaderSize;
// The message number whose datagram carries dwData and a data block.
inline constexpr uint32_t kCopyDataMessage = 74;

// The datagram for `message`, or nullopt when it cannot be sent: a data
// block over kMaxCopyDataSize, or copy data on a message other than
// WM_COPYDATA. For WM_COPYDATA the block is `copyData` (empty is allowed).
std::optional<std::vector<uint8_t>> encodeDatagram(const PostedMessage &message);

// The message in `bytes`, or nullopt when the shape is wrong: shorter than
// 24 bytes, longer than 4096, a non-zero reserved word, a plain message that
// is not exactly 24 bytes, or WM_COPYDATA shorter than 32 bytes. A decoded
// WM_COPYDATA has hasCopyData set.
std::optional<PostedMessage> decodeDatagram(std::span<const uint8_t> bytes);

} // namespace orvyn
