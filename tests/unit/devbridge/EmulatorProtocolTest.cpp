#include "protocol/EmulatorPacket.h"

#include <gtest/gtest.h>
#include <vector>

namespace orvyn::emu {
namespace {

using Bytes = std::vector<uint8_t>;

TEST(EmulatorProtocol, PacketsRoundTripWithLittleEndianLength) {
    Bytes report(168, 0xAB);
    report[0] = 6;
    const Bytes packet = encodePacket(Op::SetFeature, kStatusRequest, report.data(), report.size());
    ASSERT_EQ(packet.size(), 172u);
    EXPECT_EQ((Bytes{packet[0], packet[1], packet[2], packet[3]}), (Bytes{1, 0, 168, 0}));
    const auto view = parsePacket(packet.data(), packet.size());
    ASSERT_TRUE(view);
    EXPECT_EQ(view->op, Op::SetFeature);
    EXPECT_EQ(view->length, 168u);
    EXPECT_EQ(Bytes(view->payload, view->payload + view->length), report);
    EXPECT_TRUE(isValidRequest(*view));

    Bytes big(300, 1);
    const Bytes longPacket = encodePacket(Op::GetFeature, kStatusSuccess, big.data(), big.size());
    EXPECT_EQ(longPacket[2], 300 & 0xFF);
    EXPECT_EQ(longPacket[3], 300 >> 8);
    EXPECT_TRUE(parsePacket(longPacket.data(), longPacket.size()));
    EXPECT_TRUE(encodePacket(Op::GetFeature, 1, big.data(), kMaxPayload + 1).empty());
}

TEST(EmulatorProtocol, MalformedPacketsAreRefused) {
    const Bytes ok{2, 0, 3, 0, 4, 0, 0};
    EXPECT_TRUE(parsePacket(ok.data(), ok.size()));
    EXPECT_FALSE(parsePacket(ok.data(), 3)) << "short header";
    EXPECT_FALSE(parsePacket(ok.data(), 6)) << "length says 3, only 2 follow";
    const Bytes extra{2, 0, 1, 0, 4, 0};
    EXPECT_FALSE(parsePacket(extra.data(), extra.size())) << "bytes beyond the length";
    for (uint8_t op : {0, 4, 255}) {
        const Bytes bad{op, 0, 0, 0};
        EXPECT_FALSE(parsePacket(bad.data(), bad.size())) << int{op};
    }
    EXPECT_FALSE(parsePacket(nullptr, 4));
    // Requests need a report id and status 0.
    const Bytes empty{1, 0, 0, 0};
    EXPECT_FALSE(isValidRequest(*parsePacket(empty.data(), empty.size())));
    const Bytes replyShaped{1, 1, 1, 0, 5};
    EXPECT_FALSE(isValidRequest(*parsePacket(replyShaped.data(), replyShaped.size())));
    const Bytes event{3, 0, 4, 0, 0, 0x10, 1, 0};
    EXPECT_FALSE(isValidRequest(*parsePacket(event.data(), event.size())));
}

TEST(EmulatorProtocol, EventsCarryTypeAndDataLittleEndian) {
    const Bytes packet = encodeEvent({0x6000, 0x0123});
    EXPECT_EQ(packet, (Bytes{3, 0, 4, 0, 0x00, 0x60, 0x23, 0x01}));
    const auto event = eventOf(*parsePacket(packet.data(), packet.size()));
    ASSERT_TRUE(event);
    EXPECT_EQ(event->type, 0x6000);
    EXPECT_EQ(event->data, 0x0123);
    const Bytes shortEvent{3, 0, 2, 0, 0, 0x60};
    EXPECT_FALSE(eventOf(*parsePacket(shortEvent.data(), shortEvent.size())));
}

TEST(EmulatorProtocol, RepliesAreCheckedAgainstTheirRequest) {
    auto check = [](Bytes reply, Op op, uint8_t id, std::size_t length) {
        return checkReply(*parsePacket(reply.data(), reply.size()), op, id, length);
    };
    EXPECT_EQ(check({1, 1, 0, 0}, Op::SetFeature, 5, 3), ReplyCheck::Success);
    EXPECT_EQ(check({1, 0, 0, 0}, Op::SetFeature, 5, 3), ReplyCheck::Failure);
    EXPECT_EQ(check({1, 1, 1, 0, 5}, Op::SetFeature, 5, 3), ReplyCheck::Malformed);
    EXPECT_EQ(check({2, 1, 3, 0, 5, 3, 1}, Op::GetFeature, 5, 3), ReplyCheck::Success);
    EXPECT_EQ(check({2, 1, 3, 0, 4, 3, 1}, Op::GetFeature, 5, 3), ReplyCheck::Malformed) << "other report id";
    EXPECT_EQ(check({2, 1, 2, 0, 5, 3}, Op::GetFeature, 5, 3), ReplyCheck::Malformed) << "short reply";
    EXPECT_EQ(check({2, 0, 0, 0}, Op::GetFeature, 5, 3), ReplyCheck::Failure);
    EXPECT_EQ(check({2, 0, 3, 0, 5, 3, 1}, Op::GetFeature, 5, 3), ReplyCheck::Malformed)
        << "failure with data";
    EXPECT_EQ(check({2, 7, 3, 0, 5, 3, 1}, Op::GetFeature, 5, 3), ReplyCheck::Malformed) << "unknown status";
    EXPECT_EQ(check({1, 1, 0, 0}, Op::GetFeature, 5, 3), ReplyCheck::Malformed) << "answer to another op";
}

} // namespace
} // namespace orvyn::emu
