#include "shared/ConfigBlock.h"

#include <cstring>
#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace orvyn {
namespace {

std::unique_ptr<ConfigBlock> makeBlock() {
    auto block = std::make_unique<ConfigBlock>();
    std::memset(block.get(), 0xAB, sizeof *block);
    return block;
}

TEST(ConfigBlock, DefaultConfigurationHasFactorySettings) {
    auto c = makeBlock();
    makeDefaultConfig(*c, "Profile");
    EXPECT_EQ(c->CurrentProfile, 0);
    for (int p = 0; p < kProfileCount; ++p) {
        const ProfileData &pd = c->profiles[p];
        EXPECT_EQ(getFixed(pd.ProFileName), "Profile #" + std::to_string(p + 1));
        EXPECT_EQ(getFixed(pd.GameFile), "");
        EXPECT_EQ(pd.PollingRate, 2);
        EXPECT_EQ(pd.LtControl, 4);
        EXPECT_EQ(pd.LtColor, 1);
        EXPECT_EQ(pd.LtSaving, 50);
        EXPECT_EQ(pd.LtTimeout, 15);
        for (int i = 0; i < 6; ++i)
            EXPECT_EQ(pd.ModifyKey[i], 1);
        EXPECT_EQ(0, std::memcmp(pd.standardkey, kDefaultStandardKeys, kStandardKeyCount));
        // Slot 5: Ctrl + key code 30; slot 4: single key 78 (Page Down).
        EXPECT_EQ(pd.keys[5].type, 2);
        EXPECT_EQ(pd.keys[5].flags, kModCtrl);
        EXPECT_EQ(pd.keys[5].code, 30);
        EXPECT_EQ(pd.keys[4].type, 10);
        EXPECT_EQ(pd.keys[4].code, 78);
        EXPECT_EQ(pd.keys[3].type, 4);
        EXPECT_EQ(pd.keys[3].flags, 7);
        for (int s = 0; s < kKeyboardSlotCount; ++s) {
            EXPECT_EQ(pd.keys[s].slot, s);
            EXPECT_EQ(pd.keys[s].eventCount, 0);
            EXPECT_EQ(pd.keys[s].repeatCount, 0);
        }
        // Slots 15-31 are stored but empty.
        const MacroKeyInfo zero{};
        for (int s = kKeyboardSlotCount; s < kKeySlotCount; ++s)
            EXPECT_EQ(0, std::memcmp(&pd.keys[s], &zero, sizeof zero));
    }
}

TEST(ConfigBlock, DefaultProfileKeepsReservedWordsAndLightInfo) {
    auto c = makeBlock();
    makeDefaultProfile(c->profiles[1], 1, "");
    EXPECT_EQ(getFixed(c->profiles[1].ProFileName), " #2");
    EXPECT_EQ(c->profiles[1].lightingReserved, static_cast<int32_t>(0xABABABAB));
    EXPECT_EQ(c->profiles[1].apmLightInfo[0], 0xAB);
}

TEST(ConfigBlock, ResetKeepsPollingRateFlagsOnly) {
    auto c = makeBlock();
    resetConfig(*c);
    EXPECT_EQ(c->CurrentProfile, -1);
    EXPECT_EQ(c->profiles[4].PollingRate, 0);
    EXPECT_EQ(c->flags.keySlot[4][31], 0);
    EXPECT_EQ(c->flags.unused[4], 0);
    EXPECT_EQ(c->flags.hddKeyboard, 0);
    for (int p = 0; p < kProfileCount; ++p)
        EXPECT_EQ(c->flags.pollingRate[p], static_cast<int32_t>(0xABABABAB));
    EXPECT_EQ(c->currentProfileData(), nullptr);
}

TEST(ConfigBlock, ClearChangeFlagsKeepsOnlyTheHddFlag) {
    auto c = makeBlock();
    std::memset(&c->flags, 0, sizeof c->flags);
    c->flags.keySlot[2][7] = 1;
    c->flags.lighting[2] = 1;
    c->flags.currentProfile = 1;
    c->flags.imported[3] = 1;
    c->flags.hddKeyboard = 1;
    c->flags.pollingRate[0] = 1;
    clearChangeFlags(*c);
    ChangeFlags expected{};
    expected.hddKeyboard = 1;
    EXPECT_EQ(0, std::memcmp(&c->flags, &expected, sizeof expected));
}

TEST(ConfigBlock, FixedStringsAreCutSoTheTerminatorFits) {
    ProfileData pd{};
    setFixed(pd.ProFileName, std::string(300, 'x'));
    EXPECT_EQ(getFixed(pd.ProFileName).size(), static_cast<std::size_t>(kProfileNameMax));
    setFixed(pd.GameFile, std::string(600, 'y'));
    EXPECT_EQ(getFixed(pd.GameFile).size(), static_cast<std::size_t>(kGameFileMax));
    // A field without a terminator never reads past its end.
    std::memset(pd.ProFileName, 'z', sizeof pd.ProFileName);
    EXPECT_EQ(getFixed(pd.ProFileName).size(), sizeof pd.ProFileName);
}

// A name or path longer than its field loses whole characters only.
TEST(ConfigBlock, FixedStringsAreCutAtACharacterBoundary) {
    struct Case {
        std::size_t field;
        std::string text;
        std::size_t kept; // bytes
    };
    const Case cases[] = {
        {sizeof(ProfileData::ProFileName), std::string(248, 'a') + "\xC3\xA9", 248},
        {sizeof(ProfileData::ProFileName), std::string(247, 'a') + "\xC3\xA9", 249},
        {sizeof(ProfileData::GameFile), std::string(499, 'g') + "\xE2\x82\xAC", 499},
        {sizeof(MacroKeyInfo::macroName), std::string(21, 'm') + "\xF0\x9F\x98\x80", 21},
        {sizeof(ProfileData::ProFileName), std::string(248, 'a') + "\xE9\xE9", 249}, // not UTF-8: bytes
    };
    for (const Case &c : cases) {
        std::vector<char> field(c.field, 'x');
        copyFixedString(field.data(), field.size(), c.text);
        EXPECT_EQ(fixedString(field.data(), field.size()), c.text.substr(0, c.kept)) << c.text.size();
    }
}

TEST(ConfigBlock, CurrentProfileIsNeverUsedOutOfRange) {
    auto c = makeBlock();
    makeDefaultConfig(*c, "P");
    for (int v : {-1, 5, 1000, -7}) {
        c->CurrentProfile = v;
        EXPECT_EQ(c->currentProfileData(), nullptr) << v;
    }
    c->CurrentProfile = 4;
    EXPECT_EQ(c->currentProfileData(), &c->profiles[4]);
}

} // namespace
} // namespace orvyn
