#include "uitext/LanguageChoice.h"

#include <gtest/gtest.h>

#include <vector>

namespace orvyn {
namespace {

// One row per rule: an explicit choice beats config.ini beats the locale;
// unknown codes are passed over; LANGUAGE counts only under a real locale;
// regions and encodings fall back to their language.
TEST(LanguageChoice, FollowsTheOrderOfSources) {
    struct Row {
        const char *commandLine, *configured;
        LocaleVariables locale;
        const char *expected;
    };
    const Row rows[] = {
        {"", "", {}, "en"},
        {"", "", {"", "", "", "de_DE.UTF-8"}, "de"},
        {"", "", {"", "", "", "de_AT.ISO-8859-1@euro"}, "de"},
        {"", "", {"", "", "", "fr_FR.UTF-8"}, "fr"},
        {"", "", {"", "", "", "pt_BR.UTF-8"}, "pt_BR"},
        {"", "", {"", "", "", "pt_PT.UTF-8"}, "pt_BR"},
        {"", "", {"", "", "", "pt"}, "pt_BR"},
        {"", "", {"", "", "", "zh_TW.UTF-8"}, "zh_CN"},
        {"", "", {"", "", "", "ja_JP.eucJP"}, "ja"},
        {"", "", {"", "", "", "nl_NL.UTF-8"}, "en"},
        {"", "", {"", "", "de_CH.UTF-8", "en_GB.UTF-8"}, "de"},
        {"", "", {"", "en_US.UTF-8", "de_DE.UTF-8", "de_DE.UTF-8"}, "en"},
        {"", "", {"", "C", "", "de_DE.UTF-8"}, "en"},
        {"", "", {"de:en", "", "", "en_US.UTF-8"}, "de"},
        {"", "", {"nl:de", "", "", "en_US.UTF-8"}, "de"},
        {"", "", {"de", "", "", ""}, "en"},
        {"", "", {"de", "POSIX", "", ""}, "en"},
        {"", "de", {"", "", "", "en_US.UTF-8"}, "de"},
        {"", "xx", {"", "", "", "de_DE.UTF-8"}, "de"},
        {"en", "de", {"", "", "", "de_DE.UTF-8"}, "en"},
        {"DE-de", "en", {}, "de"},
        {"klingon", "", {}, "en"},
    };
    for (const Row &row : rows)
        EXPECT_EQ(chooseLanguage(row.commandLine, row.configured, row.locale), row.expected)
            << "--language '" << row.commandLine << "' Language '" << row.configured << "' LANGUAGE '"
            << row.locale.language << "' LC_ALL '" << row.locale.lcAll << "' LC_MESSAGES '"
            << row.locale.lcMessages << "' LANG '" << row.locale.lang << "'";
}

TEST(LanguageChoice, TheOptionLeavesTheOtherArgumentsInOrder) {
    struct Row {
        std::vector<std::string> in;
        std::vector<std::string> out;
        const char *code;
    };
    const Row rows[] = {
        {{"Monitor", "1"}, {"Monitor", "1"}, ""},
        {{"Monitor", "--language", "de", "1"}, {"Monitor", "1"}, "de"},
        {{"vantorctl", "get", "--language=de", "--json"}, {"vantorctl", "get", "--json"}, "de"},
        {{"vantorctl", "--language"}, {"vantorctl", "--language"}, ""},
        {{"--language=de"}, {"--language=de"}, ""},
    };
    for (const Row &row : rows) {
        std::vector<std::string> storage = row.in;
        std::vector<char *> argv;
        for (std::string &s : storage)
            argv.push_back(s.data());
        argv.push_back(nullptr);
        int argc = static_cast<int>(row.in.size());
        EXPECT_EQ(takeLanguageArgument(argc, argv.data()), row.code);
        std::vector<std::string> left(argv.begin(), argv.begin() + argc);
        EXPECT_EQ(left, row.out);
        EXPECT_EQ(argv[static_cast<std::size_t>(argc)], nullptr);
    }
}

} // namespace
} // namespace orvyn
