#include "uitext/UiText.h"

#include <gtest/gtest.h>

#include "shared/ConfigBlock.h"

namespace orvyn {
namespace {

TEST(UiText, TextsComeFromTheModuleInTheProgramFolder) {
    UiTextLibrary texts;
    ASSERT_TRUE(texts.load(ORVYN_PROGRAM_DIR));
    EXPECT_EQ(texts.text(1040), "Profile");
    EXPECT_EQ(texts.text(1001), "Exit");
    EXPECT_EQ(texts.text(999), "");
    // Every identifier the programs ask for has a text.
    for (unsigned id : {1000u, 1002u, 1024u, 1030u, 1042u, 1047u, 1053u, 1066u, 1067u, 1071u,
                        1072u, 1074u, 1077u, 1079u, 1097u, 1098u, 1100u, 1103u, 1104u, 1110u})
        EXPECT_FALSE(texts.text(id).empty()) << id;
    ConfigBlock config{};
    makeDefaultConfig(config, texts.text(1040));
    EXPECT_STREQ(config.profiles[4].ProFileName, "Profile #5");
}

TEST(UiText, MissingModuleGivesEmptyTexts) {
    UiTextLibrary texts;
    EXPECT_FALSE(texts.load("/nonexistent/folder/"));
    EXPECT_FALSE(texts.isLoaded());
    EXPECT_EQ(texts.text(1040), "");
}

} // namespace
} // namespace orvyn
