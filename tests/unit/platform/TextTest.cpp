#include <gtest/gtest.h>

#include "platform/Text.h"

namespace orvyn {
namespace {

// Each format keeps its own blank set: a character one set trims is text to
// another.
TEST(Text, TrimRemovesOnlyTheGivenBlanks) {
    const struct {
        std::string_view text;
        std::string_view blanks;
        std::string_view want;
    } rows[] = {
        {" \tkey \t", kSpaceAndTab, "key"},
        {"\r\nkey\r\n", kSpaceAndTab, "\r\nkey\r\n"},
        {"\r\n game.exe \n", kLineBlanks, "game.exe"},
        {"\vname\f", kLineBlanks, "\vname\f"},
        {"\v name \f", kAsciiWhitespace, "name"},
        {" \t ", kSpaceAndTab, ""},
        {"", kAsciiWhitespace, ""},
        {"a b", kAsciiWhitespace, "a b"},
    };
    for (const auto &row : rows)
        EXPECT_EQ(trim(row.text, row.blanks), row.want) << row.text;
    // Nothing left is still a view into the text: callers copy from it.
    const std::string_view blanks = " \t ";
    EXPECT_EQ(trim(blanks, kSpaceAndTab).data(), blanks.data() + blanks.size());
}

TEST(Text, CaseFolding) {
    const struct {
        std::string_view a, b;
        bool ascii, folding;
    } rows[] = {
        {"Section", "sECTION", true, true},
        {"\xC3\x89t\xC3\xA9", "\xC3\xA9T\xC3\xA9", false, true}, // É/é fold only as UTF-8
        {"\xC3\x89", "\xC3\xA9", false, true},
        {"ab", "abc", false, false},
        {"\xFF"
         "A",
         "\xFF"
         "a",
         true, true},                       // a stray byte stands for itself
        {"\xC3", "\xC3\xA9", false, false}, // a cut sequence is not the whole
    };
    for (const auto &row : rows) {
        EXPECT_EQ(equalsAsciiNoCase(row.a, row.b), row.ascii) << row.a << " / " << row.b;
        EXPECT_EQ(equalsFoldingCase(row.a, row.b), row.folding) << row.a << " / " << row.b;
    }
    EXPECT_EQ(asciiLower("MiXed \xC3\x89"), "mixed \xC3\x89");
}

TEST(Text, ParseWholeTakesTheWholeTextOnly) {
    EXPECT_EQ(parseWhole<int32_t>("-42"), -42);
    EXPECT_EQ(parseWhole<int32_t>("2147483648"), std::nullopt);
    EXPECT_EQ(parseWhole<int32_t>("12 "), std::nullopt);
    EXPECT_EQ(parseWhole<int32_t>(""), std::nullopt);
    EXPECT_EQ(parseWhole<uint16_t>("ff", 16), 0xFF);
}

} // namespace
} // namespace orvyn
