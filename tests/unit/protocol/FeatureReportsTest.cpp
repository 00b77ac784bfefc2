#include "protocol/FeatureReports.h"

#include <cstring>
#include <gtest/gtest.h>
#include <set>
#include <string>
#include <vector>

namespace orvyn {
namespace {

using Bytes = std::vector<uint8_t>;

Bytes bytesOf(const Report &r) {
    return Bytes(r.bytes.begin(), r.bytes.begin() + r.length);
}

// The entry bytes (from byte 30) of a report 9.
Bytes entriesOf(const Report &r) {
    return Bytes(r.bytes.begin() + 30, r.bytes.begin() + 30 + 2 * r[29]);
}

MacroKeyInfo macroKey(const std::vector<MacroEvent> &events, const char *name = "Test") {
    MacroKeyInfo key{};
    key.type = static_cast<uint8_t>(AssignType::Macro);
    key.repeatCount = 1;
    setFixed(key.macroName, name);
    key.eventCount = static_cast<uint16_t>(events.size());
    for (std::size_t i = 0; i < events.size(); ++i)
        key.events[i] = events[i];
    return key;
}

// A press of A followed by `delayMs`, then the release of A.
MacroKeyInfo pressThenRelease(uint16_t delayMs) {
    return macroKey({{4, kEventPress, delayMs}, {4, kEventRelease, 0}});
}

Report macroReply(const Bytes &entries, uint8_t count, const char *name = "") {
    Report r(report_id::Macro, report_length::Macro);
    r[1] = 130;
    r[4] = 1;
    std::memcpy(r.data() + 5, name, std::strlen(name));
    r[29] = count;
    if (!entries.empty())
        std::memcpy(r.data() + 30, entries.data(), std::min<std::size_t>(entries.size(), 100));
    return r;
}

TEST(MacroWrite, DelaysOfOneTenAndThirtySeconds) {
    // 1000 ms is 20 units: no extension.
    EXPECT_EQ(entriesOf(encodeMacro(pressThenRelease(1000), 0, 0)), (Bytes{4, 0, 4, 0x80 | 20}));
    // 10000 ms is 200 units: (1, 73) then 127.
    EXPECT_EQ(entriesOf(encodeMacro(pressThenRelease(10000), 0, 0)), (Bytes{4, 0, 1, 73, 4, 0x80 | 127}));
    // 30000 ms is 600 units. Two-unit steps leave 128 at value 236, which
    // does not fit 7 bits: the value is rounded up to 237 and 126 remains.
    const Bytes thirty = entriesOf(encodeMacro(pressThenRelease(30000), 0, 0));
    EXPECT_EQ(thirty, (Bytes{4, 0, 2, 237, 4, 0x80 | 126}));
    EXPECT_EQ(2 * thirty[3] + (thirty[5] & 0x7F), 600);
}

TEST(MacroWrite, DelaysRoundToTheNearestFiftyMilliseconds) {
    EXPECT_EQ(delayUnits(24), 0u);
    EXPECT_EQ(delayUnits(25), 1u);
    EXPECT_EQ(delayUnits(74), 1u);
    EXPECT_EQ(delayUnits(75), 2u);
    EXPECT_EQ(delayUnits(65535), 1311u);
}

TEST(MacroWrite, EverySplitReadsBackAsTheSameTotalUpToTheLongestPause) {
    for (unsigned d = 128; d <= 1311; ++d) {
        const DelaySplit split = splitDelayUnits(d);
        const unsigned multiplier = 1u << (split.kind - 1);
        const unsigned total = multiplier * split.value + split.remainder;
        EXPECT_LE(split.remainder, 127u) << d;
        EXPECT_EQ(split.kind, d <= 381 ? 1 : d <= 636 ? 2 : 3) << d;
        // Up to 4 x 255 + 127 units the total is exact; beyond it the
        // longest pause that fits is written.
        EXPECT_EQ(total, std::min(d, 1147u)) << d;
    }
}

TEST(MacroWrite, APauseLongerThanFitsBecomesTheLongestPauseNotAShortOne) {
    // 60 s = 1200 units: value 255 (1020 units) and the full 127 remainder.
    EXPECT_EQ(entriesOf(encodeMacro(pressThenRelease(60000), 0, 0)), (Bytes{4, 0, 3, 255, 4, 0x80 | 127}));
    EXPECT_EQ(entriesOf(encodeMacro(pressThenRelease(65535), 0, 0)), (Bytes{4, 0, 3, 255, 4, 0x80 | 127}));
}

TEST(MacroWrite, HeaderCarriesProfileSlotRepeatAndName) {
    MacroKeyInfo key = macroKey({{4, 1, 100}, {4, 2, 0}}, "Combo");
    key.repeatCount = 0x103; // low byte 3
    const Report r = encodeMacro(key, 2, 7);
    EXPECT_EQ(r.length, 130u);
    EXPECT_EQ(r[0], 9);
    EXPECT_EQ(r[1], 130);
    EXPECT_EQ(r[2], 2);
    EXPECT_EQ(r[3], 7);
    EXPECT_EQ(r[4], 3);
    EXPECT_EQ(std::string(reinterpret_cast<const char *>(r.data() + 5)), "Combo");
    EXPECT_EQ(r[29], 2);
    key.repeatCount = 256; // low byte 0 is sent as 1
    EXPECT_EQ(encodeMacro(key, 0, 0)[4], 1);
    EXPECT_TRUE(macroIsSent(key));
    key.type = static_cast<uint8_t>(AssignType::SingleKey);
    EXPECT_FALSE(macroIsSent(key));
}

TEST(MacroWrite, NoMoreThanTenExtensionsAreWritten) {
    std::vector<MacroEvent> events;
    for (int i = 0; i < 12; ++i)
        events.push_back({4, static_cast<uint8_t>(i % 2 ? kEventRelease : kEventPress), 10000});
    const Bytes e = entriesOf(encodeMacro(macroKey(events), 0, 0));
    int extensions = 0;
    for (std::size_t i = 0; i < e.size(); i += 2)
        extensions += e[i] == 1;
    EXPECT_EQ(extensions, 10);
    // The eleventh long pause keeps only its 127-unit remainder.
    EXPECT_EQ(e.size(), 2u * (12 + 10));
    EXPECT_EQ(e[e.size() - 1], 0x80 | 127);
}

TEST(MacroWrite, ALongMacroIsCutTo100BytesEndingOnARelease) {
    // 50 events, pauses of 10 s before the first five: 55 entries, cut to
    // 50; the cut leaves a press last, which is dropped.
    std::vector<MacroEvent> events;
    for (int i = 0; i < 50; ++i)
        events.push_back({static_cast<uint8_t>(4 + i / 2), static_cast<uint8_t>(i % 2 ? 2 : 1),
                          static_cast<uint16_t>(i < 5 ? 10000 : 50)});
    const Report r = encodeMacro(macroKey(events), 0, 0);
    EXPECT_EQ(r[29], 49);
    const Bytes e = entriesOf(r);
    EXPECT_GE(e.back(), 0x80);
    EXPECT_EQ(e[e.size() - 2], 4 + 43 / 2); // the release of event 43
    // Nothing is written past the report.
    for (std::size_t i = 30 + e.size(); i < r.bytes.size(); ++i)
        EXPECT_EQ(r.bytes[i], 0) << i;
}

TEST(MacroWrite, ACutNeverLeavesATrailingExtension) {
    // 46 events, long pauses from event 36 on: the 100-byte mark falls
    // right after an extension entry.
    std::vector<MacroEvent> events;
    for (int i = 0; i < 46; ++i)
        events.push_back(
            {30, static_cast<uint8_t>(i % 2 ? 2 : 1), static_cast<uint16_t>(i >= 36 ? 9000 : 100)});
    const Bytes e = entriesOf(encodeMacro(macroKey(events), 0, 0));
    ASSERT_FALSE(e.empty());
    EXPECT_LE(e.size(), 100u);
    EXPECT_FALSE(e[e.size() - 2] >= 1 && e[e.size() - 2] <= 3);
    EXPECT_GE(e.back(), 0x80);
}

TEST(MacroRead, SixtyEntriesWithoutExtensionGiveAnEmptyMacro) {
    Bytes entries;
    for (int i = 0; i < 50; ++i) {
        entries.push_back(4);
        entries.push_back(i % 2 ? 0x81 : 0x01);
    }
    MacroKeyInfo key = macroKey({{9, 1, 500}});
    ASSERT_TRUE(decodeMacro(macroReply(entries, 60).view(), key, 0, 5, MacroNaming::KeepName));
    EXPECT_EQ(key.eventCount, 0);
    for (const MacroEvent &e : key.events)
        EXPECT_EQ(e.key, 0);
    EXPECT_EQ(key.type, 3);

    // Even when enough of the 50 entries present are extensions: the count
    // names entries the report does not hold.
    for (int i = 0; i < 20; i += 2)
        entries[i] = 1;
    key = macroKey({{9, 1, 500}});
    ASSERT_TRUE(decodeMacro(macroReply(entries, 60).view(), key, 0, 5, MacroNaming::KeepName));
    EXPECT_EQ(key.eventCount, 0);
    EXPECT_EQ(key.events[0].key, 0);
}

TEST(MacroRead, ExtensionsAddToTheDelayOfThePreviousStep) {
    const Bytes entries{4, 0, 1, 73, 4, 0x80 | 127, 3, 255, 5, 127, 2, 10, 5, 0x80 | 3};
    MacroKeyInfo key{};
    ASSERT_TRUE(decodeMacro(macroReply(entries, 7, "Mine").view(), key, 1, 6, MacroNaming::KeepName));
    EXPECT_EQ(key.eventCount, 4);
    EXPECT_EQ(std::string(getFixed(key.macroName)), "Mine");
    EXPECT_EQ(key.events[0].key, 4);
    EXPECT_EQ(key.events[0].state, kEventPress);
    EXPECT_EQ(key.events[0].delay, 200 * 50);
    EXPECT_EQ(key.events[1].state, kEventRelease);
    EXPECT_EQ(key.events[1].delay, (4 * 255 + 127) * 50);
    EXPECT_EQ(key.events[2].key, 5);
    EXPECT_EQ(key.events[2].delay, (2 * 10 + 3) * 50);
    EXPECT_EQ(key.events[3].delay, 0);
    EXPECT_EQ(key.repeatCount, 1);
    EXPECT_EQ(key.slot, 1);
}

TEST(MacroRead, NamesTrimmedOrMadeFromProfileAndKey) {
    MacroKeyInfo key{};
    ASSERT_TRUE(decodeMacro(macroReply({}, 0, "Fire \t ").view(), key, 0, 0, MacroNaming::KeepName));
    EXPECT_EQ(std::string(getFixed(key.macroName)), "Fire");
    ASSERT_TRUE(decodeMacro(macroReply({}, 0, "   ").view(), key, 0, 0, MacroNaming::KeepName));
    EXPECT_EQ(std::string(getFixed(key.macroName)), "Pro1-M11");
    ASSERT_TRUE(decodeMacro(macroReply({}, 0, "Fire").view(), key, 2, 5, MacroNaming::NewName));
    EXPECT_EQ(std::string(getFixed(key.macroName)), "Pro3-M1");
    // A name that fills all 24 bytes keeps its terminating NUL.
    ASSERT_TRUE(
        decodeMacro(macroReply({}, 0, "ABCDEFGHIJKLMNOPQRSTUVWX").view(), key, 0, 0, MacroNaming::KeepName));
    EXPECT_EQ(std::string(getFixed(key.macroName)), "ABCDEFGHIJKLMNOPQRSTUVW");
}

TEST(MacroRead, EveryKeyHasItsOwnName) {
    std::set<std::string> names;
    for (int s = 0; s < kKeyboardSlotCount; ++s)
        names.insert(macroKeyName(4, s));
    EXPECT_EQ(names.size(), 15u);
    EXPECT_EQ(macroKeyName(0, 5), "Pro1-M1");
    EXPECT_EQ(macroKeyName(0, 14), "Pro1-M10");
    EXPECT_EQ(macroKeyName(0, 3), "Pro1-M14");
    EXPECT_EQ(macroKeyName(4, 4), "Pro5-M15");
}

TEST(MacroRead, AShortReplyChangesNothing) {
    MacroKeyInfo key = macroKey({{4, 1, 0}});
    const MacroKeyInfo before = key;
    const Report r = macroReply({}, 0);
    EXPECT_FALSE(decodeMacro(r.view().first(129), key, 0, 0, MacroNaming::NewName));
    EXPECT_EQ(std::memcmp(&key, &before, sizeof key), 0);
}

TEST(PollingRate, CodesBothWays) {
    ProfileData profile{};
    for (auto [code, rate] : {std::pair{2, 2}, {0, 2}, {1, 4}, {8, 1}, {77, 2}}) {
        Report reply(report_id::PollingRate, report_length::PollingRate);
        reply[3] = static_cast<uint8_t>(code);
        profile.PollingRate = -1;
        ASSERT_TRUE(decodePollingRate(reply.view(), profile));
        EXPECT_EQ(profile.PollingRate, rate) << "code " << code;
    }
    for (auto [rate, code] : {std::pair{1, 8}, {2, 2}, {4, 1}, {-1, 1}}) {
        profile.PollingRate = rate;
        EXPECT_EQ(bytesOf(encodePollingRate(profile, 3)),
                  (Bytes{11, 8, 3, static_cast<uint8_t>(code), 0, 0, 0, 0}));
    }
}

TEST(Lighting, ReportOfProfileThreeAndTheColourUnderControl32) {
    ProfileData profile{};
    profile.LtSwitch = 1;
    profile.LtEffectType = 2;
    profile.LtColor = 5;
    profile.LtControl = 32;
    profile.ECOMode = 1;
    EXPECT_EQ(bytesOf(encodeLighting(profile, 3)), (Bytes{10, 13, 3, 1, 1, 2, 0, 0, 32, 5, 1, 5, 7}));
    profile.LtControl = 4;
    profile.ECOMode = 0;
    EXPECT_EQ(bytesOf(encodeLighting(profile, 0)), (Bytes{10, 13, 0, 1, 1, 2, 5, 0, 4, 0, 1, 1, 7}));
    const uint8_t marks[] = {1, 3, 2, 5, 4};
    for (int p = 0; p < 5; ++p)
        EXPECT_EQ(encodeLighting(profile, p)[11], marks[p]);
}

TEST(Lighting, ReplyDecoding) {
    ProfileData profile{};
    profile.LtFlag = 1;
    profile.LtSaving = 50;
    const Bytes reply{10, 13, 1, 1, 0, 3, 6, 0, 16, 5, 1, 3, 7};
    ASSERT_TRUE(decodeLighting(reply, profile));
    EXPECT_EQ(profile.LtSwitch, 0);
    EXPECT_EQ(profile.LtEffectType, 3);
    EXPECT_EQ(profile.LtColor, 6);
    EXPECT_EQ(profile.LtControl, 16);
    EXPECT_EQ(profile.LtTimeout, 5);
    EXPECT_EQ(profile.ECOMode, 1);
    EXPECT_EQ(profile.LtFlag, 0);
    EXPECT_EQ(profile.LtSaving, 50); // not carried
}

TEST(Assignments, SlotBytesByType) {
    MacroKeyInfo key{};
    key.type = 10;
    key.code = 0x0150;
    EXPECT_EQ(assignmentBytes(key), (std::array<uint8_t, 3>{10, 0, 0x50}));
    key.type = 6;
    key.code = 0x01B0;
    EXPECT_EQ(assignmentBytes(key), (std::array<uint8_t, 3>{6, 0xB0, 0x01}));
    key.type = 2;
    key.flags = kModCtrl | kModAlt;
    key.code = 0x0122;
    EXPECT_EQ(assignmentBytes(key), (std::array<uint8_t, 3>{2, 5, 0x22}));
    key.type = 11;
    key.flags = 3;
    EXPECT_EQ(assignmentBytes(key), (std::array<uint8_t, 3>{11, 3, 0}));
    key.type = 3;
    EXPECT_EQ(assignmentBytes(key), (std::array<uint8_t, 3>{3, 0, 0}));
    key.type = 200;
    EXPECT_EQ(assignmentBytes(key), (std::array<uint8_t, 3>{200, 0, 0}));
}

TEST(Assignments, ReplyDecodingByType) {
    ProfileData profile{};
    std::strcpy(profile.keys[3].programPath, "/usr/bin/game");
    Report reply(report_id::Assignments, report_length::Assignments);
    const uint8_t slots[15][3] = {{2, 1, 30},   {9, 2, 31},    {4, 5, 9}, {7, 2, 9}, {11, 3, 9},
                                  {6, 0xB0, 1}, {10, 9, 0x50}, {3, 7, 7}, {1, 5, 5}, {77, 1, 1},
                                  {0, 0, 0},    {5, 1, 1},     {8, 1, 1}, {2, 8, 4}, {10, 0, 78}};
    for (int k = 0; k < 15; ++k)
        std::memcpy(reply.data() + 3 + 3 * k, slots[k], 3);
    ASSERT_TRUE(decodeAssignments(reply.view(), profile));
    auto is = [&](int k, int type, int flags, int code) {
        EXPECT_EQ(profile.keys[k].type, type) << k;
        EXPECT_EQ(profile.keys[k].flags, flags) << k;
        EXPECT_EQ(profile.keys[k].code, code) << k;
    };
    is(0, 2, 1, 30);
    is(1, 9, 2, 31);
    is(2, 4, 5, 0);
    is(3, 7, 2, 0);
    is(4, 11, 3, 0);
    is(5, 6, 0, 0x01B0);
    is(6, 10, 0, 0x50);
    is(7, 3, 0, 0);
    is(8, 1, 0, 0);
    is(9, 77, 0, 0);
    EXPECT_STREQ(profile.keys[3].programPath, "/usr/bin/game"); // other fields stay
    EXPECT_FALSE(decodeAssignments(reply.view().first(47), profile));
}

TEST(KeyMatrix, EveryPositionButTwoHasItsOwnCell) {
    std::set<int> cells;
    for (int n = 0; n < kStandardKeyCount; ++n) {
        const int c = keyMatrixCell(n);
        if (n == 14 || n == 70) {
            EXPECT_EQ(c, -1) << n;
            continue;
        }
        ASSERT_GE(c, 0) << n;
        EXPECT_EQ(kFactoryKeyMatrix[c], kDefaultStandardKeys[n]) << n;
        cells.insert(c);
    }
    EXPECT_EQ(cells.size(), 102u);
}

TEST(KeyMatrix, DefaultsSendTheFactoryTableAndARemapMovesOneCell) {
    ProfileData profile{};
    std::memcpy(profile.standardkey, kDefaultStandardKeys, sizeof profile.standardkey);
    Report r = encodeKeyMatrix(profile, 1);
    EXPECT_EQ(r.length, 168u);
    EXPECT_EQ((Bytes{r[0], r[1], r[2], r[3], r[4], r[5], r[6], r[7]}), (Bytes{6, 168, 1, 0, 0, 0, 0, 0}));
    EXPECT_EQ(std::memcmp(r.data() + 8, kFactoryKeyMatrix, 160), 0);

    profile.standardkey[45] = 5;  // position 45 (A, code 4) now sends B
    profile.standardkey[14] = 99; // no cell: not sent
    r = encodeKeyMatrix(profile, 1);
    EXPECT_EQ(r[8 + keyMatrixCell(45)], 5);
    int differing = 0;
    for (int c = 0; c < 160; ++c)
        differing += r[8 + c] != kFactoryKeyMatrix[c];
    EXPECT_EQ(differing, 1);

    ProfileData back{};
    back.standardkey[14] = 71;
    back.standardkey[70] = 220;
    ASSERT_TRUE(decodeKeyMatrix(r.view(), back));
    EXPECT_EQ(back.standardkey[45], 5);
    EXPECT_EQ(back.standardkey[14], 71); // not read
    EXPECT_EQ(back.standardkey[70], 220);
}

TEST(Switches, BitsBothWaysAndAClearBitTurnsTheSwitchOff) {
    ProfileData profile{};
    const int32_t values[6] = {1, 0, 1, 1, -1, 1};
    std::memcpy(profile.ModifyKey, values, sizeof values);
    EXPECT_EQ(bytesOf(encodeSwitches(profile, 4)), (Bytes{7, 4, 4, 0b101101}));
    for (int32_t &m : profile.ModifyKey)
        m = 1;
    ASSERT_TRUE(decodeSwitches(Bytes{7, 4, 4, 0b000010}, profile));
    EXPECT_EQ(profile.ModifyKey[0], 0);
    EXPECT_EQ(profile.ModifyKey[1], 1);
    EXPECT_EQ(profile.winKeyLock(), 0);
}

TEST(SmallReports, CurrentProfileClosingAccessCodeStatus) {
    EXPECT_EQ(bytesOf(encodeCurrentProfile(3)), (Bytes{5, 3, 3}));
    EXPECT_EQ(bytesOf(encodeClosing()), (Bytes{16, 3, 0}));
    const Bytes code = bytesOf(encodeAccessCode(makeAccessCode(0x01020304)));
    EXPECT_EQ(code.size(), 18u);
    EXPECT_EQ((Bytes(code.begin(), code.begin() + 6)), (Bytes{17, 18, 4, 3, 2, 1}));
    EXPECT_EQ(bytesOf(makeReadRequest(2, 96)), (Bytes{4, 2, 96}));

    ConfigBlock config{};
    config.CurrentProfile = 1;
    EXPECT_TRUE(decodeCurrentProfile(Bytes{5, 3, 4}, config));
    EXPECT_EQ(config.CurrentProfile, 4);
    EXPECT_TRUE(decodeCurrentProfile(Bytes{5, 3, 5}, config)); // not a profile: kept
    EXPECT_EQ(config.CurrentProfile, 4);
    EXPECT_EQ(decodeStatus(Bytes{4, 3, 0}), 3);
    EXPECT_EQ(decodeStatus(Bytes{4, 3}), -1);
}

} // namespace
} // namespace orvyn
