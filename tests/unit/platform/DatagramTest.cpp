#include "platform/Datagram.h"
#include "shared/Messages.h"

#include <gtest/gtest.h>

namespace orvyn {
namespace {

static_assert(kCopyDataMessage == WM_COPYDATA_MSG);

std::vector<uint8_t> header(uint32_t message, uint32_t reserved = 0) {
    std::vector<uint8_t> b(kDatagramHeaderSize, 0);
    for (int i = 0; i < 4; ++i) {
        b[i] = static_cast<uint8_t>(message >> (8 * i));
        b[4 + i] = static_cast<uint8_t>(reserved >> (8 * i));
    }
    return b;
}

TEST(Datagram, PlainMessageIsLittleEndianAndExactly24Bytes) {
    PostedMessage m;
    m.message = WM_CONFIG_APPLY;
    m.wParam = 1;
    m.lParam = -2;
    const auto bytes = encodeDatagram(m);
    ASSERT_TRUE(bytes);
    const std::vector<uint8_t> expected = {0xC8, 0x04, 0,    0,    0,    0,    0,    0, //
                                           1,    0,    0,    0,    0,    0,    0,    0, //
                                           0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
    EXPECT_EQ(*bytes, expected);

    const auto back = decodeDatagram(*bytes);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->message, WM_CONFIG_APPLY);
    EXPECT_EQ(back->wParam, 1);
    EXPECT_EQ(back->lParam, -2);
    EXPECT_FALSE(back->hasCopyData);
}

TEST(Datagram, CopyDataCarriesDwDataAndBlock) {
    PostedMessage m;
    m.message = WM_COPYDATA_MSG;
    m.wParam = 0x1122334455667788;
    m.lParam = INT64_MIN;
    m.dwData = 0xFFFFFFFFFFFFFFFFull;
    m.copyData = {'a', 'b', 0, 'c'};
    m.hasCopyData = true;
    const auto bytes = encodeDatagram(m);
    ASSERT_TRUE(bytes);
    ASSERT_EQ(bytes->size(), 36u);
    EXPECT_EQ((*bytes)[24], 0xFF);
    EXPECT_EQ((*bytes)[32], 'a');

    const auto back = decodeDatagram(*bytes);
    ASSERT_TRUE(back);
    EXPECT_TRUE(back->hasCopyData);
    EXPECT_EQ(back->wParam, m.wParam);
    EXPECT_EQ(back->lParam, m.lParam);
    EXPECT_EQ(back->dwData, m.dwData);
    EXPECT_EQ(back->copyData, m.copyData);
}

TEST(Datagram, CopyDataSizesAroundTheHeader) {
    std::vector<uint8_t> d = header(WM_COPYDATA_MSG);
    d.resize(31, 0x7F);
    EXPECT_FALSE(decodeDatagram(d)) << "31 bytes: dwData cut short";

    d.resize(32, 0x01);
    auto empty = decodeDatagram(d);
    ASSERT_TRUE(empty) << "32 bytes: an empty block";
    EXPECT_TRUE(empty->hasCopyData);
    EXPECT_TRUE(empty->copyData.empty());

    d.push_back(0x42);
    auto one = decodeDatagram(d);
    ASSERT_TRUE(one) << "33 bytes: one byte of data";
    EXPECT_EQ(one->copyData, std::vector<uint8_t>{0x42});

    d = header(WM_COPYDATA_MSG);
    EXPECT_FALSE(decodeDatagram(d)) << "a bare header without dwData";
}

TEST(Datagram, SizeLimitIs4096BothWays) {
    PostedMessage m;
    m.message = WM_COPYDATA_MSG;
    m.copyData.assign(kMaxCopyDataSize, 0x33);
    const auto biggest = encodeDatagram(m);
    ASSERT_TRUE(biggest);
    EXPECT_EQ(biggest->size(), 4096u);
    EXPECT_TRUE(decodeDatagram(*biggest));

    m.copyData.push_back(0x33);
    EXPECT_FALSE(encodeDatagram(m));

    std::vector<uint8_t> tooLong = *biggest;
    tooLong.push_back(0);
    EXPECT_FALSE(decodeDatagram(tooLong));
}

TEST(Datagram, WrongShapesAreRejected) {
    EXPECT_FALSE(decodeDatagram({}));
    std::vector<uint8_t> d = header(WM_CLOSE_MSG);
    d.pop_back();
    EXPECT_FALSE(decodeDatagram(d)) << "23 bytes";

    EXPECT_FALSE(decodeDatagram(header(WM_CLOSE_MSG, 1))) << "reserved word not zero";
    EXPECT_FALSE(decodeDatagram(header(WM_CLOSE_MSG, 0x80000000u)));
    std::vector<uint8_t> cd = header(WM_COPYDATA_MSG, 1);
    cd.resize(40);
    EXPECT_FALSE(decodeDatagram(cd)) << "reserved word checked for WM_COPYDATA too";

    d = header(WM_CLOSE_MSG);
    d.resize(32);
    EXPECT_FALSE(decodeDatagram(d)) << "trailing bytes on a plain message";
}

TEST(Datagram, CopyDataOnAPlainMessageIsNotEncoded) {
    PostedMessage m;
    m.message = WM_CLOSE_MSG;
    m.copyData = {1};
    EXPECT_FALSE(encodeDatagram(m));
    m.copyData.clear();
    m.hasCopyData = true;
    EXPECT_FALSE(encodeDatagram(m));
}

} // namespace
} // namespace orvyn
