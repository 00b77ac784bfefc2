// A configuration written into the keyboard model with every write report
// and read back with every read report comes back as it went, except for
// what the reports cannot carry.
#include <cstring>
#include <gtest/gtest.h>
#include <random>
#include <sstream>
#include <string>

#include "DeviceTestSupport.h"
#include "monitor/device/FeatureCommands.h"

namespace orvyn {
namespace {

using test::ModelModule;
using test::SequenceLog;

int pick(std::mt19937 &rng, int lo, int hi) {
    return std::uniform_int_distribution<int>(lo, hi)(rng);
}

void randomText(std::mt19937 &rng, char *field, std::size_t size, int maxLength) {
    std::string text;
    const int n = pick(rng, 0, maxLength);
    for (int i = 0; i < n; ++i)
        text += static_cast<char>(pick(rng, 0x21, 0x7E));
    copyFixedString(field, size, text);
}

// A macro that needs at most ten extensions and fits 100 bytes, so nothing
// of it is cut; pauses up to the 16-bit maximum.
void randomMacro(std::mt19937 &rng, MacroKeyInfo &key) {
    key.type = static_cast<uint8_t>(AssignType::Macro);
    key.flags = 0;
    key.code = 0;
    key.repeatCount = pick(rng, 0, 255);
    randomText(rng, key.macroName, sizeof key.macroName, 23);
    const int n = pick(rng, 0, 40);
    int longPauses = std::min(10, 50 - n);
    key.eventCount = static_cast<uint16_t>(n);
    for (int i = 0; i < n; ++i) {
        MacroEvent &e = key.events[i];
        e.key = static_cast<uint8_t>(pick(rng, 4, 245));
        e.state = static_cast<uint8_t>(pick(rng, 1, 2));
        const bool isLong = longPauses > 0 && pick(rng, 0, 3) == 0;
        longPauses -= isLong;
        e.delay = static_cast<uint16_t>(isLong ? pick(rng, 6375, 65535) : pick(rng, 0, 6374));
    }
}

void randomSlot(std::mt19937 &rng, MacroKeyInfo &key) {
    key.slot = static_cast<uint8_t>(pick(rng, 0, 255));
    key.type = static_cast<uint8_t>(pick(rng, 0, 11));
    key.flags = 0;
    key.code = 0;
    switch (static_cast<AssignType>(key.type)) {
    case AssignType::KeyCombination:
    case AssignType::ReadBackCombination:
        key.flags = static_cast<uint8_t>(pick(rng, 0, 15));
        key.code = static_cast<uint16_t>(pick(rng, 4, 0x1FF)); // only the low byte is carried
        break;
    case AssignType::KeyboardFunction:
    case AssignType::MouseButton:
    case AssignType::LaunchProgram:
        key.flags = static_cast<uint8_t>(pick(rng, 1, 15));
        randomText(rng, key.programPath, sizeof key.programPath, 40);
        break;
    case AssignType::MediaFunction:
        key.code = static_cast<uint16_t>(pick(rng, 0, 0xFFFF));
        break;
    case AssignType::SingleKey:
        key.code = static_cast<uint16_t>(pick(rng, 4, 231));
        break;
    case AssignType::Macro:
        randomMacro(rng, key);
        break;
    default:
        break;
    }
}

ConfigBlock randomConfig(std::mt19937 &rng) {
    ConfigBlock c{};
    c.CurrentProfile = pick(rng, 0, 4);
    for (int p = 0; p < kProfileCount; ++p) {
        ProfileData &d = c.profiles[p];
        randomText(rng, d.ProFileName, sizeof d.ProFileName, 40);
        randomText(rng, d.GameFile, sizeof d.GameFile, 60);
        d.MediaOption = pick(rng, 0, 3);
        d.HDDKeyboard = pick(rng, 0, 1);
        d.LtSwitch = pick(rng, 0, 1);
        d.LtEffectType = pick(rng, 0, 7);
        d.LtFlag = pick(rng, 0, 1);
        d.LtColor = pick(rng, 1, 7);
        d.LtControl = 1 << pick(rng, 0, 5);
        d.LtSaving = pick(rng, 0, 100);
        d.LtTimeout = pick(rng, 0, 60);
        d.ECOMode = pick(rng, 0, 1);
        d.PollingRate = std::array{1, 2, 4}[pick(rng, 0, 2)];
        for (int32_t &m : d.ModifyKey)
            m = pick(rng, 0, 1);
        for (uint8_t &k : d.standardkey)
            k = static_cast<uint8_t>(pick(rng, 0, 255));
        for (int s = 0; s < kKeySlotCount; ++s)
            randomSlot(rng, d.keys[s]);
        d.apmLightInfo[3] = static_cast<uint8_t>(pick(rng, 0, 255));
    }
    for (int32_t &f : c.flags.keySlot[pick(rng, 0, 4)])
        f = 1;
    return c;
}

// The configuration as it comes back from the keyboard. These are the
// losses the reports imply:
// - not carried at all (left as the record had them): names and game paths
//   of profiles, MediaOption, HDDKeyboard, LtSaving, reserved words,
//   apmLightInfo, key slots 15-31, program paths, the change flags, and the
//   standard-key positions 14 and 70 that have no matrix cell;
// - LtFlag reads back 0; LtTimeout reads back as the power byte (5 with
//   ECOMode on, else 0); ECOMode reads back 0 or 1; LtColor reads back 0
//   when LtControl is 32;
// - ModifyKey values read back 1 or 0 (on or off);
// - key combinations (types 2, 9) keep only the low byte of their code;
// - macros: the repeat count is its low byte, 0 read back as 1, and is also
//   stored in the slot byte; an empty name is replaced by "Pro<p>-M<key>";
//   every state other than press reads back as release; pauses are rounded
//   to 50 ms, capped at the longest the report holds (57350 ms), and the
//   pause after the last step is not carried.
ConfigBlock expectedBack(const ConfigBlock &sent) {
    ConfigBlock c = sent;
    for (int p = 0; p < kProfileCount; ++p) {
        ProfileData &d = c.profiles[p];
        d.LtFlag = 0;
        d.LtTimeout = d.ECOMode ? 5 : 0;
        d.ECOMode = d.ECOMode ? 1 : 0;
        if (d.LtControl == 32)
            d.LtColor = 0;
        for (int32_t &m : d.ModifyKey)
            m = m == 1 ? 1 : 0;
        for (int s = 0; s < kKeyboardSlotCount; ++s) {
            MacroKeyInfo &k = d.keys[s];
            if (k.type == 2 || k.type == 9)
                k.code &= 0xFF;
            if (k.type != 3)
                continue;
            const int repeat = (k.repeatCount & 0xFF) == 0 ? 1 : k.repeatCount & 0xFF;
            k.repeatCount = repeat;
            k.slot = static_cast<uint8_t>(repeat);
            if (getFixed(k.macroName).empty())
                setFixed(k.macroName, macroKeyName(p, s));
            for (int i = 0; i < k.eventCount; ++i) {
                MacroEvent &e = k.events[i];
                e.state = e.state == kEventPress ? kEventPress : kEventRelease;
                const unsigned units = std::min((e.delay + 25u) / 50u, 1147u);
                e.delay = i + 1 < k.eventCount ? static_cast<uint16_t>(units * 50) : 0;
            }
        }
    }
    return c;
}

// What the read-back is about to replace, set to values it never produces.
void scrambleCarriedFields(ConfigBlock &c) {
    c.CurrentProfile = 9;
    for (ProfileData &d : c.profiles) {
        d.LtSwitch = d.LtEffectType = d.LtColor = d.LtControl = d.LtTimeout = d.ECOMode = 999;
        d.LtFlag = 999;
        d.PollingRate = 999;
        for (int32_t &m : d.ModifyKey)
            m = 999;
        for (int n = 0; n < kStandardKeyCount; ++n) {
            if (keyMatrixCell(n) >= 0)
                d.standardkey[n] ^= 0x5A;
        }
        for (int s = 0; s < kKeyboardSlotCount; ++s) {
            MacroKeyInfo &k = d.keys[s];
            const bool macro = k.type == 3;
            k.flags ^= 0x40;
            k.code ^= 0x4000;
            if (macro) {
                k.slot ^= 0x40;
                k.repeatCount = 999;
                setFixed(k.macroName, "stale");
                k.eventCount = 50;
                std::memset(k.events, 0x77, sizeof k.events);
            }
        }
    }
}

std::string profileDifferences(const ProfileData &a, const ProfileData &b) {
    std::ostringstream out;
#define ORVYN_FIELD(f)                                                                                       \
    if (std::memcmp(&a.f, &b.f, sizeof a.f) != 0)                                                            \
        out << " " #f;
    ORVYN_FIELD(ProFileName)
    ORVYN_FIELD(GameFile)
    ORVYN_FIELD(MediaOption)
    ORVYN_FIELD(HDDKeyboard)
    ORVYN_FIELD(LtSwitch)
    ORVYN_FIELD(LtEffectType)
    ORVYN_FIELD(LtFlag)
    ORVYN_FIELD(LtColor) ORVYN_FIELD(LtControl) ORVYN_FIELD(LtSaving) ORVYN_FIELD(LtTimeout)
        ORVYN_FIELD(ECOMode) ORVYN_FIELD(PollingRate) ORVYN_FIELD(ModifyKey) ORVYN_FIELD(standardkey)
            ORVYN_FIELD(apmLightInfo)
#undef ORVYN_FIELD
                for (int s = 0; s < kKeySlotCount; ++s) {
        if (std::memcmp(&a.keys[s], &b.keys[s], sizeof a.keys[s]) != 0)
            out << " keys[" << s << "]";
    }
    return out.str();
}

class RoundTrip : public ::testing::TestWithParam<unsigned> {
protected:
    VirtualClock clock;
    KeyboardModel model{clock};
    SequenceLog log;
    ModelModule link{model, log};
    FeatureCommands commands{link, clock};

    void writeEverything(const ConfigBlock &c) {
        ASSERT_TRUE(commands.write(encodeCurrentProfile(c.CurrentProfile)));
        for (int p = 0; p < kProfileCount; ++p) {
            const ProfileData &d = c.profiles[p];
            ASSERT_TRUE(commands.write(encodePollingRate(d, p)));
            ASSERT_TRUE(commands.write(encodeKeyMatrix(d, p)));
            ASSERT_TRUE(commands.write(encodeSwitches(d, p)));
            ASSERT_TRUE(commands.write(encodeAssignments(d, p)));
            for (int s = 0; s < kKeyboardSlotCount; ++s) {
                if (macroIsSent(d.keys[s])) {
                    ASSERT_TRUE(commands.write(encodeMacro(d.keys[s], p, s)));
                }
            }
            ASSERT_TRUE(commands.write(encodeLighting(d, p)));
        }
        ASSERT_TRUE(commands.write(encodeAccessCode(makeAccessCode(1234))));
        ASSERT_TRUE(commands.write(encodeClosing()));
    }

    void readEverything(ConfigBlock &c) {
        auto reply = commands.read(reportSpec(report_id::CurrentProfile));
        ASSERT_TRUE(reply && decodeCurrentProfile(reply->view(), c));
        for (int p = 0; p < kProfileCount; ++p) {
            ProfileData &d = c.profiles[p];
            ASSERT_TRUE((reply = commands.read(reportSpec(report_id::PollingRate), p)) &&
                        decodePollingRate(reply->view(), d));
            ASSERT_TRUE((reply = commands.read(reportSpec(report_id::KeyMatrix), p)) &&
                        decodeKeyMatrix(reply->view(), d));
            ASSERT_TRUE((reply = commands.read(reportSpec(report_id::Switches), p)) &&
                        decodeSwitches(reply->view(), d));
            ASSERT_TRUE((reply = commands.read(reportSpec(report_id::Assignments), p)) &&
                        decodeAssignments(reply->view(), d));
            for (int s = 0; s < kKeyboardSlotCount; ++s) {
                if (d.keys[s].type != 3)
                    continue;
                ASSERT_TRUE((reply = commands.readMacro(p, s)));
                ASSERT_TRUE(decodeMacro(reply->view(), d.keys[s], p, s, MacroNaming::KeepName));
            }
            ASSERT_TRUE((reply = commands.read(reportSpec(report_id::Lighting), p)) &&
                        decodeLighting(reply->view(), d));
        }
    }
};

TEST_P(RoundTrip, ARandomConfigurationComesBackExceptWhatTheReportsCannotCarry) {
    std::mt19937 rng(GetParam());
    const ConfigBlock sent = randomConfig(rng);
    writeEverything(sent);
    EXPECT_EQ(model.closingCount(), 1);
    EXPECT_EQ(model.accessCode()[0], 1234 & 0xFF);

    ConfigBlock back = sent;
    scrambleCarriedFields(back);
    readEverything(back);

    const ConfigBlock expected = expectedBack(sent);
    EXPECT_EQ(back.CurrentProfile, expected.CurrentProfile);
    for (int p = 0; p < kProfileCount; ++p)
        EXPECT_EQ(profileDifferences(back.profiles[p], expected.profiles[p]), "") << "profile " << p;
    EXPECT_EQ(std::memcmp(&back.flags, &expected.flags, sizeof back.flags), 0);
}

INSTANTIATE_TEST_SUITE_P(Seeds, RoundTrip, ::testing::Range(1u, 41u));

} // namespace
} // namespace orvyn
