#include "uitext/UiText.h"

#include <set>

#include <gtest/gtest.h>

#include "shared/ConfigBlock.h"
#include "uitext/LanguageChoice.h"

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

// Every text the English table has, every shipped language has too, and in
// its own words: a text equal to the English one is a name of a thing, listed
// here per language.
TEST(UiText, EveryLanguageTranslatesEveryText) {
    const std::set<std::pair<std::string, std::string>> sameAsEnglish = {
        {"de", "Multimedia"}, {"de", "Cyan"}, {"pl", "Multimedia"}};
    UiTextLibrary english;
    ASSERT_TRUE(english.load(ORVYN_PROGRAM_DIR, "en"));
    std::vector<std::pair<unsigned, std::string>> reference;
    for (unsigned id = 0; id < 4096; ++id)
        if (std::string text = english.text(id); !text.empty())
            reference.emplace_back(id, std::move(text));
    ASSERT_GT(reference.size(), 60u);
    for (const std::string_view code : shippedLanguages()) {
        if (code == kEnglish)
            continue;
        UiTextLibrary texts;
        ASSERT_TRUE(texts.load(ORVYN_PROGRAM_DIR, std::string(code)));
        for (const auto &[id, englishText] : reference) {
            const std::string text = texts.text(id);
            EXPECT_FALSE(text.empty()) << code << " " << id;
            if (text == englishText) {
                EXPECT_TRUE(sameAsEnglish.contains({std::string(code), text}))
                    << code << " " << id << " " << text;
            }
        }
    }
    // The default profile name follows the language.
    UiTextLibrary german;
    ASSERT_TRUE(german.load(ORVYN_PROGRAM_DIR, "de"));
    ConfigBlock config{};
    makeDefaultConfig(config, german.text(1040));
    EXPECT_STREQ(config.profiles[4].ProFileName, "Profil #5");
    // A language the module lacks reads English.
    UiTextLibrary unknown;
    ASSERT_TRUE(unknown.load(ORVYN_PROGRAM_DIR, "xx"));
    EXPECT_EQ(unknown.text(1040), "Profile");
}

TEST(UiText, MissingModuleGivesEmptyTexts) {
    UiTextLibrary texts;
    EXPECT_FALSE(texts.load("/nonexistent/folder/"));
    EXPECT_FALSE(texts.isLoaded());
    EXPECT_EQ(texts.text(1040), "");
}

} // namespace
} // namespace orvyn
