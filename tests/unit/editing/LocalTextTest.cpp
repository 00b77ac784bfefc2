// Texts the Qt-free libraries compose, in the user's language: the hook a Qt
// program sets, the placeholders filled after translation, and the English
// that stays where a name is read back.
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <optional>

#include "editing/AssignmentText.h"
#include "editing/ConnectionStatus.h"
#include "editing/OptionLinks.h"
#include "editing/SessionNotices.h"
#include "platform/LocalText.h"
#include "support/TempDir.h"

namespace orvyn {
namespace {

// Stands for a program's German catalogue; Qt gives the source back for a
// text it lacks, this gives nothing back, which must read as the source too.
std::string german(const char *context, const char *source) {
    static const std::map<std::pair<std::string, std::string>, std::string> kCatalogue = {
        {{"ConnectionStatus", "Monitor is not running"}, "Monitor läuft nicht"},
        {{"Monitor", "Program key %1"}, "Programmtaste %1"},
        {{"KeyName", "Ctrl"}, "Strg"},
        {{"KeyName", "Page UP"}, "Bild auf"},
        {{"SessionNotices", "lighting"}, "Beleuchtung"},
        {{"SessionNotices",
          "The keyboard refused some changes: %1. They stay marked; Apply sends them again."},
         "Die Tastatur hat Änderungen abgelehnt: %1. Sie bleiben markiert."},
    };
    const auto found = kCatalogue.find({context, source});
    return found == kCatalogue.end() ? std::string() : found->second;
}

struct InGerman {
    InGerman() { setTextTranslator(german); }
    ~InGerman() { setTextTranslator(nullptr); }
};

class FakeTexts final : public TextSource {
public:
    std::string text(unsigned) const override { return {}; }
};

TEST(LocalText, PlaceholdersAreFilledInOnePass) {
    struct Case {
        const char *text;
        const char *expected;
    } const cases[] = {
        {"Program key %1", "Program key a"},
        {"%2 vor %1", "b vor a"},                     // a language reorders
        {"%1 and %2 and %1", "a and b and a"},        // a place used twice
        {"100% sure, %3 kept", "100% sure, %3 kept"}, // no value: left as it is
        {"Größe %1", "Größe a"},
        {"trailing %", "trailing %"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(fillPlaceholders(c.text, {"a", "b"}), c.expected) << c.text;
    // A value is never taken for a place of its own.
    EXPECT_EQ(fillPlaceholders("%1 and %2", {"%2", "x"}), "%2 and x");
}

TEST(LocalText, TheHookTranslatesAndAnythingMissingReadsTheSource) {
    struct Case {
        bool german;
        const char *context;
        const char *source;
        const char *expected;
    } const cases[] = {
        {false, "ConnectionStatus", "Monitor is not running", "Monitor is not running"},
        {true, "ConnectionStatus", "Monitor is not running", "Monitor läuft nicht"},
        {true, "Monitor", "Program key %1", "Programmtaste 7"},
        {true, "Monitor", "Monitor is not running", "Monitor is not running"}, // another context
        {true, "Monitor", "Not in the catalogue %1", "Not in the catalogue 7"},
    };
    for (const Case &c : cases) {
        std::optional<InGerman> language;
        if (c.german)
            language.emplace();
        EXPECT_EQ(localText(c.context, c.source, {"7"}), c.expected) << c.source;
    }
}

TEST(LocalText, WhatIsShownIsGermanWhatIsReadBackStaysEnglish) {
    const InGerman language;
    auto us = makeUsLayout();
    KeyCodeTable keys(*us);
    FakeTexts texts;
    MacroKeyInfo shortcut{};
    shortcut.type = static_cast<uint8_t>(AssignType::KeyCombination);
    shortcut.flags = kModCtrl;
    shortcut.code = 75; // Page Up
    // The window's caption, and vantorctl's, which its own input reads back.
    EXPECT_EQ(AssignmentText(texts, keys, KeyNames::Table).text(shortcut), "Strg+Bild auf");
    EXPECT_EQ(AssignmentText(texts, keys, KeyNames::Labels).text(shortcut), "Ctrl+Page UP");
    EXPECT_EQ(keyName(0x21), "Page UP");
    EXPECT_EQ(shownKeyName(0x21), "Bild auf");
    EXPECT_EQ(shownKeyName(0x41), "A");
    EXPECT_EQ(shownKeyName(0x07), "");

    ConnectionFacts facts{};
    EXPECT_EQ(connectionStatus(facts).stateText, "Monitor läuft nicht");
    NoticeFacts refused{};
    refused.refusedReports = 1u << 10;
    EXPECT_EQ(sessionNoticeText(SessionNotice::KeyboardRefused, refused, {}),
              "Die Tastatur hat Änderungen abgelehnt: Beleuchtung. Sie bleiben markiert.");
}

TEST(UserManual, HelpOpensTheManualInTheUsersLanguageElseTheEnglishOne) {
    test::TempDir folder;
    for (const char *name : {"User Manual.pdf", "User Manual.de.pdf"})
        std::ofstream(folder.file(name)) << "%PDF-1.4\n";
    std::filesystem::create_directory(folder.file("User Manual.fr.pdf")); // not a document
    struct Case {
        const char *language;
        const char *opened;
    } const cases[] = {
        {"en", "User Manual.pdf"}, {"de", "User Manual.de.pdf"}, {"fr", "User Manual.pdf"},
        {"ja", "User Manual.pdf"}, {"", "User Manual.pdf"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(userManualPath(folder.folder(), c.language), folder.file(c.opened)) << c.language;
}

} // namespace
} // namespace orvyn
