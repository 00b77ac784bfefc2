// What OK of the launch-program dialog makes of a key.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>

#include "editing/LaunchProgram.h"

namespace orvyn {
namespace {

std::unique_ptr<ConfigBlock> blockWithMacroKey(int profile, int slot) {
    auto config = std::make_unique<ConfigBlock>();
    std::memset(config.get(), 0, sizeof(ConfigBlock));
    MacroKeyInfo &key = config->profiles[profile].keys[slot];
    key.type = static_cast<uint8_t>(AssignType::Macro);
    key.flags = 9;
    key.code = 77;
    setFixed(key.macroName, "Jump");
    key.eventCount = 2;
    key.events[0] = {4, 1, 10};
    key.events[1] = {4, 2, 0};
    return config;
}

TEST(LaunchProgram, OkMakesAProgramKeyWithItsPositionAndClearsTheMacro) {
    const struct {
        int profile, slot;
        std::string path;
        uint8_t flags;
    } rows[] = {
        {0, 4, "/usr/bin/obs", 5}, // the fifth key of the list
        {2, 0, "", 1},             // an empty path still makes a program key
        {4, 14, "/opt/game/start.desktop", 15},
    };
    for (const auto &row : rows) {
        auto config = blockWithMacroKey(row.profile, row.slot);
        ASSERT_TRUE(assignProgram(*config, row.profile, row.slot, row.path));
        const MacroKeyInfo &key = config->profiles[row.profile].keys[row.slot];
        EXPECT_EQ(key.assignType(), AssignType::LaunchProgram);
        EXPECT_EQ(key.flags, row.flags);
        EXPECT_EQ(key.code, 0);
        EXPECT_EQ(getFixed(key.programPath), row.path);
        EXPECT_EQ(programPathOf(key), row.path);
        EXPECT_EQ(key.eventCount, 0);
        EXPECT_EQ(getFixed(key.macroName), "");
        const MacroEvent none{};
        EXPECT_EQ(std::memcmp(&key.events[0], &none, sizeof none), 0);
        EXPECT_EQ(config->flags.keySlot[row.profile][row.slot], 1);
        int otherFlags = 0;
        for (int p = 0; p < kProfileCount; ++p)
            for (int s = 0; s < kKeySlotCount; ++s)
                otherFlags += config->flags.keySlot[p][s];
        EXPECT_EQ(otherFlags, 1) << "only that key is marked";
    }
}

TEST(LaunchProgram, PathsAreCutAtACharacterAndBadKeysRefused) {
    auto config = blockWithMacroKey(0, 0);
    // 258 bytes, then a two-byte character that does not fit whole.
    const std::string longPath = "/" + std::string(257, 'a') + "\xC3\xA9" + "tail";
    EXPECT_FALSE(programPathFits(longPath));
    EXPECT_TRUE(programPathFits(std::string(259, 'x')));
    ASSERT_TRUE(assignProgram(*config, 0, 0, longPath));
    EXPECT_EQ(getFixed(config->profiles[0].keys[0].programPath), longPath.substr(0, 258));

    EXPECT_FALSE(assignProgram(*config, 0, 15, "/bin/true"));
    EXPECT_FALSE(assignProgram(*config, 5, 0, "/bin/true"));
    EXPECT_FALSE(assignProgram(*config, -1, 0, "/bin/true"));
    EXPECT_EQ(programPathOf(blockWithMacroKey(1, 1)->profiles[1].keys[1]), "") << "not a program key";
}

} // namespace
} // namespace orvyn
