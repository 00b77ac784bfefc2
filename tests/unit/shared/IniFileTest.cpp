#include "shared/IniFile.h"

#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <sys/stat.h>

#include "support/TempDir.h"

namespace orvyn {
namespace {

std::string readAll(const std::string &path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

void writeAll(const std::string &path, const std::string &text) {
    std::ofstream out(path, std::ios::binary);
    out << text;
}

TEST(IniBlock, EncodesBytesAndChecksum) {
    const uint8_t bytes[] = {0x01, 0x02, 0xFF};
    EXPECT_EQ(encodeBlock(bytes, 3), "0102FF02");
    uint8_t out[3] = {};
    ASSERT_TRUE(decodeBlock("0102FF02", out, 3));
    EXPECT_EQ(out[2], 0xFF);
    EXPECT_TRUE(decodeBlock("0102ff02", out, 3)); // lower case digits read too
}

TEST(IniBlock, DamagedValuesLeaveTheDestinationAlone) {
    uint8_t out[3] = {9, 9, 9};
    EXPECT_FALSE(decodeBlock("0102FF03", out, 3));   // checksum
    EXPECT_FALSE(decodeBlock("0102FF0", out, 3));    // one digit short
    EXPECT_FALSE(decodeBlock("0102FF0200", out, 3)); // too long
    EXPECT_FALSE(decodeBlock("01G2FF02", out, 3));   // not hex
    EXPECT_FALSE(decodeBlock("", out, 3));
    EXPECT_EQ(out[0], 9);
    EXPECT_EQ(out[2], 9);
}

TEST(IniNumber, ParsesLikeThePlatform) {
    EXPECT_EQ(parseIniNumber("42"), 42);
    EXPECT_EQ(parseIniNumber("-3"), -3);
    EXPECT_EQ(parseIniNumber("+7"), 7);
    EXPECT_EQ(parseIniNumber("12abc"), 12);
    EXPECT_EQ(parseIniNumber("abc"), 0);
    EXPECT_EQ(parseIniNumber("99999999999"), INT32_MAX);
    EXPECT_EQ(parseIniNumber("-99999999999"), INT32_MIN);
}

TEST(IniDocument, LookupIgnoresCaseAndBlanksAndTakesTheFirstMatch) {
    auto doc = IniDocument::parse("; comment\n[ Setting ]\n  LtFlag = 3 \nltflag=4\n[setting]\nOther=1\n");
    EXPECT_EQ(doc.readNumber("setting", "LTFLAG", -1), 3);
    EXPECT_EQ(doc.readNumber("Setting", "Other", -1), -1); // only the first section counts
    EXPECT_EQ(doc.readNumber("Setting", "Missing", -1), -1);
    EXPECT_EQ(doc.readText("Nope", "x", "dflt"), "dflt");
}

TEST(IniDocument, EmptyNumberGivesTheDefault) {
    auto doc = IniDocument::parse("[S]\nA=\nB=  \n");
    EXPECT_EQ(doc.readNumber("S", "A", 5), 5);
    EXPECT_EQ(doc.readNumber("S", "B", 6), 6);
    EXPECT_EQ(doc.readText("S", "A", "x"), "");
}

TEST(IniDocument, WritingKeepsEveryOtherLineAndTheFilesLineEnding) {
    const std::string original =
        "; keep me\r\n[Other]\r\nx=1\r\n[Setting]\r\nA=1\r\n# note\r\n\r\n[Last]\r\n";
    auto doc = IniDocument::parse(original);
    doc.writeNumber("setting", "a", 2); // replaces, written with the given key
    doc.writeText("Setting", "New", "v");
    doc.writeText("Fresh", "k", "w");
    EXPECT_EQ(doc.serialize(), "; keep me\r\n[Other]\r\nx=1\r\n[Setting]\r\na=2\r\n# note\r\nNew=v\r\n\r\n"
                               "[Last]\r\n[Fresh]\r\nk=w\r\n");
}

TEST(IniDocument, KeyWithTrailingBlankIsWrittenAsGivenAndReadTrimmed) {
    IniDocument doc;
    doc.writeNumber("Setting", "LtFlag ", 1);
    EXPECT_EQ(doc.serialize(), "[Setting]\nLtFlag =1\n");
    EXPECT_EQ(doc.readNumber("Setting", "LtFlag", -1), 1);
    doc.writeNumber("Setting", "LtFlag ", 0); // the same key, replaced in place
    EXPECT_EQ(doc.serialize(), "[Setting]\nLtFlag =0\n");
}

TEST(IniDocument, ValuesCannotBreakTheFile) {
    IniDocument doc;
    EXPECT_TRUE(doc.writeText("S", "Name", "first line\r\n[Injected]\nx=1"));
    EXPECT_EQ(doc.readText("S", "Name", ""), "first line");
    EXPECT_FALSE(doc.hasSection("Injected"));
    EXPECT_FALSE(doc.writeText("S", "bad=key", "v"));
    EXPECT_FALSE(doc.writeText("S", "  ", "v"));
    EXPECT_FALSE(doc.writeText("bad]section", "k", "v"));
}

TEST(IniDocument, TextIsCutAt2047Characters) {
    IniDocument doc;
    doc.writeText("S", "Long", std::string(5000, 'a'));
    EXPECT_EQ(doc.readText("S", "Long", "").size(), 2047u);
}

TEST(IniDocument, BytesAreNotConverted) {
    const std::string latin = "Caf\xe9 \xff\x01";
    IniDocument doc;
    doc.writeText("S", "T", latin);
    auto again = IniDocument::parse(doc.serialize());
    EXPECT_EQ(again.readText("S", "T", ""), latin);
}

TEST(IniDocument, EveryLineSurvivesParseAndSerializeAndEditsLandBesideTheirSection) {
    // Blank lines, comments and stray lines before, between and after keys,
    // with either line ending and with or without a final one.
    const std::string bodies[] = {
        "",
        "\n",
        "no section\n\n; c\n",
        "pre\n[S]\n\nA=1\n; c\n\n\nB=2\nstray\n\n[T]\n\n",
        "[S]\r\nA=1\r\n\r\n; c\r\n\r\n[T]\r\nX=9",
        "[S]\n\n\n",
        "=\n[S]\n=lonely\n [ odd ] \n x = y \n",
    };
    for (const std::string &body : bodies) {
        SCOPED_TRACE(body);
        const IniDocument doc = IniDocument::parse(body);
        EXPECT_EQ(doc.serialize(), body);
    }
    // A new key goes after the section's last non-blank line, even inside a
    // run of blank lines and comments; blank lines before the next section
    // stay there.
    auto doc = IniDocument::parse("[S]\nA=1\n; one\n\n; two\n\n\n[T]\nX=1\n");
    ASSERT_TRUE(doc.writeNumber("S", "B", 2));
    ASSERT_TRUE(doc.writeNumber("T", "Y", 3));
    EXPECT_EQ(doc.serialize(), "[S]\nA=1\n; one\n\n; two\nB=2\n\n\n[T]\nX=1\nY=3\n");
    auto blank = IniDocument::parse("[S]\n\n\n[T]\n");
    ASSERT_TRUE(blank.writeNumber("S", "K", 1));
    EXPECT_EQ(blank.serialize(), "[S]\nK=1\n\n\n[T]\n");
    // Removing and adding again keeps the others in order.
    ASSERT_TRUE(doc.remove("s", "a"));
    EXPECT_FALSE(doc.remove("S", "A"));
    ASSERT_TRUE(doc.writeNumber("S", "A", 4));
    EXPECT_EQ(doc.serialize(), "[S]\n; one\n\n; two\nB=2\nA=4\n\n\n[T]\nX=1\nY=3\n");
    EXPECT_EQ(doc.readNumber("t", "y", -1), 3);
}

TEST(IniDocument, ManyKeysAreFoundByNameAndTheFirstOfTwinsWins) {
    IniDocument doc;
    for (int i = 0; i < 3000; ++i)
        ASSERT_TRUE(doc.writeNumber("Macros", std::to_string(i), i));
    auto again = IniDocument::parse(doc.serialize() + "0=twin\n[macros]\n1=later\n");
    for (int i = 0; i < 3000; ++i)
        ASSERT_EQ(again.readNumber("MACROS", std::to_string(i), -1), i);
}

TEST(IniFile, WritesCreateFilesWithLfAndReplaceThemWhole) {
    test::TempDir dir;
    IniFile ini(dir.file("config.ini"));
    EXPECT_EQ(ini.readNumber("Setting", "CurrentProfile", -1), -1);
    ASSERT_TRUE(ini.writeNumber("Setting", "CurrentProfile", 3));
    const uint8_t code[4] = {1, 2, 3, 4};
    ASSERT_TRUE(ini.writeBlock("HidAccessCode", "Code", code, sizeof code));
    EXPECT_EQ(readAll(dir.file("config.ini")),
              "[Setting]\nCurrentProfile=3\n[HidAccessCode]\nCode=010203040A\n");
    uint8_t back[4] = {};
    EXPECT_TRUE(ini.readBlock("hidaccesscode", "code", back, sizeof back));
    EXPECT_EQ(back[3], 4);
    // No temporary file is left behind.
    EXPECT_FALSE(std::ifstream(dir.file(".config.ini.tmp~")).good());
}

TEST(IniFile, UpdateWritesManyKeysInOneReplacementAndKeepsTheMode) {
    test::TempDir dir;
    const std::string path = dir.file("p.gkp");
    writeAll(path, "[Setting]\nKeep=yes\n");
    ASSERT_EQ(::chmod(path.c_str(), 0640), 0);
    struct stat before {};
    ASSERT_EQ(::stat(path.c_str(), &before), 0);
    IniFile ini(path);
    ASSERT_TRUE(ini.update([](IniDocument &d) {
        for (int i = 0; i < 50; ++i)
            d.writeNumber("Setting", "K" + std::to_string(i), i);
        return true;
    }));
    struct stat after {};
    ASSERT_EQ(::stat(path.c_str(), &after), 0);
    EXPECT_NE(before.st_ino, after.st_ino); // replaced, not rewritten in place
    EXPECT_EQ(after.st_mode & 0777, 0640u);
    EXPECT_EQ(ini.readText("Setting", "Keep", ""), "yes");
    EXPECT_EQ(ini.readNumber("Setting", "K49", -1), 49);
}

TEST(IniFile, AbandonedOrFailedWritesLeaveTheFileAlone) {
    test::TempDir dir;
    const std::string path = dir.file("a.ini");
    writeAll(path, "[S]\nA=1\n");
    IniFile ini(path);
    EXPECT_FALSE(ini.update([](IniDocument &d) {
        d.writeNumber("S", "A", 2);
        return false;
    }));
    EXPECT_EQ(readAll(path), "[S]\nA=1\n");
    // A write into a folder that does not exist fails and reports it.
    IniFile missing(dir.file("no/such/folder/x.ini"));
    EXPECT_FALSE(missing.writeNumber("S", "A", 1));
}

} // namespace
} // namespace orvyn
