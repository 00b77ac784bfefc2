#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "editing/ChangeDetection.h"

namespace orvyn {
namespace {

struct Pair {
    Pair() : saved(std::make_unique<ConfigBlock>()), working(std::make_unique<ConfigBlock>()) {
        std::memset(saved.get(), 0, sizeof(ConfigBlock));
        makeDefaultConfig(*saved, "P");
        *working = *saved;
    }
    std::unique_ptr<ConfigBlock> saved, working;
};

TEST(ChangeDetection, EachFieldGroupSetsItsFlag) {
    Pair c;
    ProfileData &w3 = c.working->profiles[3];
    c.working->CurrentProfile = 3;
    w3.LtTimeout += 1;
    w3.PollingRate = 4;
    w3.ModifyKey[5] ^= 1;
    w3.standardkey[103] ^= 0xFF;
    w3.keys[31].programPath[259] = 'x'; // any byte of the slot
    c.working->profiles[1].HDDKeyboard ^= 1;
    detectChanges(*c.saved, *c.working);
    const ChangeFlags &f = c.working->flags;
    EXPECT_EQ(f.currentProfile, 1);
    EXPECT_EQ(f.lighting[3], 1);
    EXPECT_EQ(f.pollingRate[3], 1);
    EXPECT_EQ(f.modifyKey[3], 1);
    EXPECT_EQ(f.standardKey[3], 1);
    EXPECT_EQ(f.keySlot[3][31], 1);
    EXPECT_EQ(f.keySlot[3][30], 0);
    EXPECT_EQ(f.hddKeyboard, 1);
    for (int p : {0, 1, 2, 4}) {
        EXPECT_EQ(f.lighting[p], 0);
        EXPECT_EQ(f.pollingRate[p], 0);
        EXPECT_EQ(f.standardKey[p], 0);
    }
}

TEST(ChangeDetection, FieldsOutsideTheReportsAreNotCompared) {
    Pair c;
    ProfileData &w = c.working->profiles[0];
    setFixed(w.ProFileName, "Renamed");
    setFixed(w.GameFile, "game.exe");
    w.MediaOption = 3;
    w.apmLightInfo[4] = 9;
    w.reserved764 = 1;
    w.reserved772 = 1;
    w.lightingReserved = 1;
    c.working->flags.imported[0] = 1;
    c.working->flags.unused[2] = 1;
    c.working->flags.keySlot[1][1] = 1;
    detectChanges(*c.saved, *c.working);
    ChangeFlags expected{};
    expected.imported[0] = 1;
    EXPECT_EQ(std::memcmp(&c.working->flags, &expected, sizeof expected), 0);
}

TEST(ChangeDetection, EveryLightingFieldCounts) {
    int32_t ProfileData::*fields[] = {
        &ProfileData::LtSwitch,  &ProfileData::LtEffectType, &ProfileData::LtFlag,    &ProfileData::LtColor,
        &ProfileData::LtControl, &ProfileData::LtSaving,     &ProfileData::LtTimeout, &ProfileData::ECOMode};
    for (auto field : fields) {
        Pair c;
        c.working->profiles[2].*field += 1;
        detectChanges(*c.saved, *c.working);
        EXPECT_EQ(c.working->flags.lighting[2], 1);
    }
}

TEST(ChangeDetection, RestoreMarksAllButImportAndHdd) {
    Pair c;
    c.working->flags.imported[4] = 1;
    markEverythingChanged(*c.working);
    const ChangeFlags &f = c.working->flags;
    EXPECT_EQ(f.imported[4], 1);
    EXPECT_EQ(f.imported[0], 0);
    EXPECT_EQ(f.hddKeyboard, 0);
    EXPECT_EQ(f.unused[0], 1);
    EXPECT_EQ(f.currentProfile, 1);
    EXPECT_EQ(f.keySlot[0][0], 1);
}

TEST(ChangeDetection, RefusedReportsKeepOnlyThePartsTheyCarry) {
    ChangeFlags sent{};
    sent.currentProfile = 1;
    sent.standardKey[1] = 1;
    sent.modifyKey[1] = 1;
    sent.keySlot[1][7] = 1;
    sent.lighting[1] = 1;
    sent.pollingRate[3] = 1;
    struct Case {
        const char *name;
        uint32_t refused;
        int32_t currentProfile, standardKey, modifyKey, keySlot, lighting, pollingRate;
    };
    const Case cases[] = {
        {"current profile", 1u << 5, 1, 0, 0, 0, 0, 0},
        {"standard keys", 1u << 6, 0, 1, 0, 0, 0, 0},
        {"switches", 1u << 7, 0, 0, 1, 0, 0, 0},
        {"programmable keys", 1u << 8, 0, 0, 0, 1, 0, 0},
        {"macros", 1u << 9, 0, 0, 0, 1, 0, 0},
        {"lighting and polling rate", 1u << 10 | 1u << 11, 0, 0, 0, 0, 1, 1},
        {"none named", 0, 1, 1, 1, 1, 1, 1},
        {"one unknown", 1u << 10 | 1u << 12, 1, 1, 1, 1, 1, 1},
    };
    for (const Case &c : cases) {
        ChangeFlags kept{};
        kept.lighting[4] = 1; // kept from an earlier refusal
        keepRefusedChanges(sent, c.refused, kept);
        EXPECT_EQ(kept.currentProfile, c.currentProfile) << c.name;
        EXPECT_EQ(kept.standardKey[1], c.standardKey) << c.name;
        EXPECT_EQ(kept.modifyKey[1], c.modifyKey) << c.name;
        EXPECT_EQ(kept.keySlot[1][7], c.keySlot) << c.name;
        EXPECT_EQ(kept.lighting[1], c.lighting) << c.name;
        EXPECT_EQ(kept.pollingRate[3], c.pollingRate) << c.name;
        EXPECT_EQ(kept.lighting[4], 1) << c.name;
    }
}

} // namespace
} // namespace orvyn
