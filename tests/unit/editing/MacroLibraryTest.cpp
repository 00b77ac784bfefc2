#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <sys/stat.h>

#include "editing/MacroLibrary.h"
#include "shared/IniFile.h"
#include "support/FileAccess.h"

namespace orvyn {
namespace {

namespace fs = std::filesystem;

class MacroLibraryTest : public ::testing::Test {
protected:
    void SetUp() override {
        char pattern[] = "/tmp/orvyn-macro-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        folder_ = pattern;
        fs::create_directories(folder_ + "/config");
        path_ = folder_ + "/config/sequence.dat";
    }
    void TearDown() override { fs::remove_all(folder_); }

    std::string readFile() const {
        std::ifstream in(path_);
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    }
    void writeFile(const std::string &text) const { std::ofstream(path_) << text; }

    std::string folder_;
    std::string path_;
};

MacroKeyInfo macroKey(const char *name, int count, int repeat, uint8_t firstKey = 4) {
    MacroKeyInfo key{};
    key.type = static_cast<uint8_t>(AssignType::Macro);
    setFixed(key.macroName, name);
    key.eventCount = static_cast<uint16_t>(count);
    key.repeatCount = repeat;
    for (int i = 0; i < count; ++i)
        key.events[i] = MacroEvent{static_cast<uint8_t>(firstKey + i / 2),
                                   static_cast<uint8_t>(i % 2 ? 2 : 1), static_cast<uint16_t>(10 * i)};
    return key;
}

TEST_F(MacroLibraryTest, SavesAndLoadsRecordsInOrderWithTheStructureEncoding) {
    MacroLibrary lib(path_);
    lib.create("first").repeat = 3;
    MacroRecord &second = lib.create("second");
    second.count = 2;
    second.events[0] = {4, 1, 100};
    second.events[1] = {4, 2, 0};
    ASSERT_TRUE(lib.save());

    const std::string text = readFile();
    EXPECT_NE(text.find("[Macros]"), std::string::npos);
    EXPECT_NE(text.find("number=2"), std::string::npos);
    const auto line0 = text.find("\n0=");
    ASSERT_NE(line0, std::string::npos);
    const auto end0 = text.find('\n', line0 + 1);
    EXPECT_EQ(end0 - (line0 + 3), 522u); // 260 bytes + checksum, two digits each

    MacroLibrary again(path_);
    again.load();
    ASSERT_EQ(again.size(), 2u);
    EXPECT_STREQ(again.at(0)->name, "first");
    EXPECT_EQ(again.at(0)->repeat, 3);
    EXPECT_EQ(again.at(1)->count, 2);
    EXPECT_EQ(again.at(1)->events[0].delay, 100);
    EXPECT_EQ(again.at(2), nullptr);
    EXPECT_EQ(again.at(-1), nullptr);
}

TEST_F(MacroLibraryTest, NumberZeroMissingSectionOrFileGiveAnEmptyLibrary) {
    MacroLibrary lib(path_);
    lib.load(); // no file
    EXPECT_TRUE(lib.empty());

    writeFile("[Other]\nnumber=3\n");
    lib.load();
    EXPECT_TRUE(lib.empty());

    writeFile("[Macros]\nnumber=0\n0=00\n");
    lib.load();
    EXPECT_TRUE(lib.empty());

    ASSERT_TRUE(lib.save());
    const std::string text = readFile();
    EXPECT_NE(text.find("number=0"), std::string::npos);
    EXPECT_EQ(text.find("0="), std::string::npos);

    // A list that holds macros is emptied, not appended to.
    for (const char *stored : {"[Macros]\nnumber=0\n", "[Macros]\nnumber=-4\n", "[Other]\nx=1\n"}) {
        writeFile(stored);
        lib.create("held");
        lib.load();
        EXPECT_TRUE(lib.empty()) << stored;
    }
    fs::remove(path_);
    lib.create("held");
    lib.load();
    EXPECT_TRUE(lib.empty());
    EXPECT_EQ(lib.fileState(), MacroFileState::Missing);
}

TEST_F(MacroLibraryTest, FullLibraryReadsBackWholeAndOneMoreIsNotWritten) {
    MacroLibrary lib(path_);
    for (int i = 0; i < kMaxStoredMacros; ++i) {
        MacroRecord &r = lib.create("macro number " + std::to_string(i) + " with the longest name allowed");
        r.repeat = i % 256;
        r.count = kMacroEventCapacity;
        for (int e = 0; e < kMacroEventCapacity; ++e)
            r.events[e] = {static_cast<uint8_t>(i + e), static_cast<uint8_t>(1 + e % 2),
                           static_cast<uint16_t>(65535 - i - e)};
    }
    ASSERT_TRUE(lib.save());
    EXPECT_LE(fs::file_size(path_), kIniFileMaxBytes);
    MacroLibrary again(path_);
    again.load();
    EXPECT_EQ(again.fileState(), MacroFileState::Readable);
    ASSERT_EQ(again.size(), lib.size());
    for (int i = 0; i < kMaxStoredMacros; ++i)
        ASSERT_EQ(std::memcmp(again.at(i), lib.at(i), sizeof(MacroRecord)), 0) << i;

    // One more would make a file this program refuses to take whole.
    const std::string before = readFile();
    lib.create("one too many");
    EXPECT_FALSE(lib.save());
    EXPECT_EQ(readFile(), before);
}

// A file that exists but cannot be read whole is left exactly as it is:
// saving the list over it would lose the macros it holds.
TEST_F(MacroLibraryTest, UnreadableFileIsNeverOverwritten) {
    fs::permissions(folder_, fs::perms::all);
    fs::permissions(folder_ + "/config", fs::perms::all);
    const std::string good = "[Macros]\nnumber=1\n0=" + encodeBlock(std::string(260, 'x').data(), 260) + "\n";
    struct Case {
        const char *what;
        std::string contents;
        fs::perms mode;
    };
    const fs::perms readable =
        fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read | fs::perms::others_read;
    const Case cases[] = {
        {"mode 000", good, fs::perms::none},
        {"over the size limit", good + std::string(kMacroLibraryMaxBytes, ';') + "\n", readable},
        {"more macros than are ever written",
         "[Macros]\nnumber=" + std::to_string(kMaxStoredMacros + 1) + "\n", readable},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        writeFile(c.contents);
        fs::permissions(path_, c.mode);
        struct stat before {};
        ASSERT_EQ(::stat(path_.c_str(), &before), 0);
        ASSERT_TRUE(test::withOrdinaryFileAccess([&] {
            MacroLibrary lib(path_);
            lib.create("held");
            lib.load();
            EXPECT_EQ(lib.fileState(), MacroFileState::Unreadable);
            EXPECT_TRUE(lib.empty());
            lib.create("new");
            EXPECT_FALSE(lib.save());
            EXPECT_FALSE(lib.save());
        }));
        struct stat after {};
        ASSERT_EQ(::stat(path_.c_str(), &after), 0);
        EXPECT_EQ(after.st_ino, before.st_ino);
        fs::permissions(path_, fs::perms::owner_all);
        EXPECT_EQ(readFile(), c.contents);
    }

    // Read once, unreadable by the time of the save: still not replaced.
    writeFile(good);
    fs::permissions(path_, readable);
    MacroLibrary lib(path_);
    ASSERT_TRUE(test::withOrdinaryFileAccess([&] { lib.load(); }));
    ASSERT_EQ(lib.size(), 1u);
    fs::permissions(path_, fs::perms::none);
    lib.create("new");
    ASSERT_TRUE(test::withOrdinaryFileAccess([&] { EXPECT_FALSE(lib.save()); }));
    EXPECT_EQ(lib.fileState(), MacroFileState::Unreadable);
    fs::permissions(path_, fs::perms::owner_all);
    EXPECT_EQ(readFile(), good);
}

TEST_F(MacroLibraryTest, DamagedOrMissingRecordsKeepTheirIndexZeroFilled) {
    MacroRecord good{};
    setFixed(good.name, "good");
    std::string encoded = encodeBlock(&good, sizeof good);
    std::string bad = encoded;
    bad[bad.size() - 1] = bad[bad.size() - 1] == '0' ? '1' : '0'; // checksum off
    writeFile("[Macros]\nnumber=3\n0=" + bad + "\n2=" + encoded + "\n");
    MacroLibrary lib(path_);
    lib.load();
    ASSERT_EQ(lib.size(), 3u);
    EXPECT_STREQ(lib.at(0)->name, "");
    EXPECT_STREQ(lib.at(1)->name, "");
    EXPECT_STREQ(lib.at(2)->name, "good");
}

TEST_F(MacroLibraryTest, HugeStoredNumberIsBounded) {
    writeFile("[Macros]\nnumber=2147483647\n");
    MacroLibrary lib(path_);
    lib.load();
    EXPECT_LT(lib.size(), 100000u);
}

TEST_F(MacroLibraryTest, FifoDeviceOrHugeFileGivesAnEmptyLibraryWithoutHanging) {
    for (int kind = 0; kind < 3; ++kind) {
        SCOPED_TRACE(kind);
        fs::remove(path_);
        if (kind == 0)
            ASSERT_EQ(::mkfifo(path_.c_str(), 0600), 0); // no writer: a blocking open would wait forever
        else if (kind == 1)
            fs::create_symlink("/dev/zero", path_);
        else {
            writeFile("[Macros]\nnumber=1\n");
            ASSERT_EQ(::truncate(path_.c_str(), 100L << 20), 0);
        }
        MacroLibrary lib(path_);
        lib.load();
        EXPECT_EQ(lib.size(), 0u);
    }
}

TEST_F(MacroLibraryTest, AFullLibraryLoadsEveryRecordByItsIndex) {
    MacroLibrary lib(path_);
    for (int i = 0; i < kMaxStoredMacros; ++i)
        lib.create("m" + std::to_string(i)).repeat = i % 255;
    ASSERT_TRUE(lib.save());
    MacroLibrary again(path_);
    again.load();
    ASSERT_EQ(again.size(), static_cast<std::size_t>(kMaxStoredMacros));
    EXPECT_STREQ(again.at(kMaxStoredMacros - 1)->name, ("m" + std::to_string(kMaxStoredMacros - 1)).c_str());
    EXPECT_EQ(again.at(567)->repeat, 567 % 255);
}

TEST_F(MacroLibraryTest, DeletingTheSecondOfThreeRenumbersTheFile) {
    MacroLibrary lib(path_);
    lib.create("a");
    lib.create("b");
    lib.create("c");
    lib.remove(1);
    lib.remove(7); // out of range: nothing
    ASSERT_TRUE(lib.save());
    const std::string text = readFile();
    EXPECT_NE(text.find("number=2"), std::string::npos);
    EXPECT_EQ(text.find("\n2="), std::string::npos);
    MacroLibrary again(path_);
    again.load();
    ASSERT_EQ(again.size(), 2u);
    EXPECT_STREQ(again.at(0)->name, "a");
    EXPECT_STREQ(again.at(1)->name, "c");
}

TEST_F(MacroLibraryTest, SaveReplacesTheWholeFile) {
    // (number=1 without its record would be a damaged library, never replaced.)
    writeFile("[Macros]\nnumber=0\nstale=1\n[Other]\nx=1\n");
    MacroLibrary lib(path_);
    ASSERT_TRUE(lib.save());
    const std::string text = readFile();
    EXPECT_EQ(text.find("stale"), std::string::npos);
    EXPECT_EQ(text.find("Other"), std::string::npos);
}

TEST_F(MacroLibraryTest, SavingUnchangedContentLeavesTheFileAlone) {
    MacroLibrary lib(path_);
    lib.create("same");
    ASSERT_TRUE(lib.save());
    struct stat before {};
    ASSERT_EQ(::stat(path_.c_str(), &before), 0);
    ASSERT_TRUE(lib.save());
    struct stat after {};
    ASSERT_EQ(::stat(path_.c_str(), &after), 0);
    EXPECT_EQ(before.st_ino, after.st_ino); // not replaced
    lib.at(0)->repeat = 2;
    ASSERT_TRUE(lib.save());
    ASSERT_EQ(::stat(path_.c_str(), &after), 0);
    EXPECT_NE(before.st_ino, after.st_ino); // changed content is written
    MacroLibrary again(path_);
    again.load();
    EXPECT_EQ(again.at(0)->repeat, 2);
}

TEST_F(MacroLibraryTest, SaveFailureIsReported) {
    MacroLibrary lib(folder_ + "/no/such/folder/sequence.dat");
    lib.create("x");
    EXPECT_FALSE(lib.save());
}

TEST(MacroNames, LibraryNameTrimmedAndCaseIgnoredKeyNameNotTrimmed) {
    EXPECT_TRUE(macroNamesMatch("  Fire Combo \t", "fire combo"));
    EXPECT_TRUE(macroNamesMatch("FIRE", "fire"));
    EXPECT_FALSE(macroNamesMatch("fire", " fire"));
    EXPECT_FALSE(macroNamesMatch("fire", "fire "));
    EXPECT_FALSE(macroNamesMatch("fire", "fir"));
    EXPECT_TRUE(macroNamesMatch("ÉCLAIR", "éclair")); // beyond ASCII
    EXPECT_FALSE(macroNamesMatch("éclair", "eclair"));
}

TEST_F(MacroLibraryTest, FindByNameReportsSameOnlyForIdenticalContent) {
    MacroLibrary lib(path_);
    EXPECT_FALSE(lib.findByName(macroKey("x", 1, 0)).found()); // empty list
    lib.create("other");
    MacroRecord &rec = lib.addFromKey(macroKey("Jump", 4, 0));
    rec.repeat = 0;

    MacroMatch m = lib.findByName(macroKey("JUMP", 4, 0));
    EXPECT_EQ(m.index, 1);
    EXPECT_TRUE(m.same);
    m = lib.findByName(macroKey("jump", 4, 2)); // repeat differs
    EXPECT_EQ(m.index, 1);
    EXPECT_FALSE(m.same);
    m = lib.findByName(macroKey("jump", 4, 0, 9)); // events differ
    EXPECT_FALSE(m.same);
    m = lib.findByName(macroKey("jump", 3, 0)); // count differs
    EXPECT_FALSE(m.same);
    EXPECT_FALSE(lib.findByName(macroKey("walk", 4, 0)).found());
}

TEST_F(MacroLibraryTest, AddFromKeyKeepsRepeatZero) {
    MacroLibrary lib(path_);
    const MacroRecord &rec = lib.addFromKey(macroKey("Dash", 6, 17));
    EXPECT_STREQ(rec.name, "Dash");
    EXPECT_EQ(rec.count, 6);
    EXPECT_EQ(rec.repeat, 0); // shown as 1 with the repeat switch off
    EXPECT_EQ(rec.events[5].state, 2);
    EXPECT_EQ(rec.events[6].key, 0);
}

TEST_F(MacroLibraryTest, CollectAddsUnknownUpdatesChangedAndLeavesEqual) {
    auto config = std::make_unique<ConfigBlock>();
    std::memset(config.get(), 0, sizeof(ConfigBlock));
    config->profiles[0].keys[2] = macroKey("New", 2, 0);
    config->profiles[3].keys[14] = macroKey("changed", 4, 5, 20);
    config->profiles[4].keys[15] = macroKey("beyond", 2, 0); // slot 15 is not a keyboard key
    MacroLibrary lib(path_);
    lib.addFromKey(macroKey(" Changed ", 2, 0));
    lib.addFromKey(macroKey("same", 2, 0));

    lib.collectKeyMacros(*config);
    ASSERT_EQ(lib.size(), 3u);
    EXPECT_EQ(lib.at(0)->count, 4);
    EXPECT_EQ(lib.at(0)->repeat, 5);
    EXPECT_EQ(lib.at(0)->events[0].key, 20);
    EXPECT_STREQ(lib.at(0)->name, " Changed "); // the name stays as stored
    EXPECT_STREQ(lib.at(2)->name, "New");
}

// A read-back while the manager is open: what the keys bring reaches the
// manager's copy of the library without undoing what the user did there.
TEST(MacroMerge, KeysMacrosReachAnEditedCopyWithoutUndoingItsEdits) {
    struct Case {
        const char *what;
        std::function<void(MacroLibrary &)> edit;          // in the copy
        const char *keyMacro;                              // read back with first key 30
        std::vector<std::pair<std::string, int>> expected; // the copy: name, first key
    };
    const Case cases[] = {
        {"left as it was", [](MacroLibrary &) {}, "Jump", {{"Jump", 30}}},
        {"edited", [](MacroLibrary &c) { c.at(0)->events[0].key = 9; }, "Jump", {{"Jump", 9}}},
        {"repeat changed", [](MacroLibrary &c) { c.at(0)->repeat = 3; }, "jump", {{"Jump", 4}}},
        {"deleted", [](MacroLibrary &c) { c.remove(0); }, "Jump", {}},
        {"made by the user", [](MacroLibrary &c) { c.create("Dash"); }, "dash", {{"Jump", 4}, {"Dash", 0}}},
        {"new from the keyboard", [](MacroLibrary &) {}, "Pro1-M1", {{"Jump", 4}, {"Pro1-M1", 30}}},
    };
    for (const Case &c : cases) {
        MacroLibrary stored;
        stored.addFromKey(macroKey("Jump", 2, 0));
        MacroLibrary copy(stored);
        c.edit(copy);
        auto config = std::make_unique<ConfigBlock>();
        std::memset(config.get(), 0, sizeof(ConfigBlock));
        config->profiles[1].keys[5] = macroKey(c.keyMacro, 4, 0, 30);
        copy.mergeCollected(stored.collectKeyMacros(*config));
        std::vector<std::pair<std::string, int>> got;
        for (std::size_t i = 0; i < copy.size(); ++i)
            got.emplace_back(getFixed(copy.at(static_cast<int>(i))->name),
                             copy.at(static_cast<int>(i))->events[0].key);
        EXPECT_EQ(got, c.expected) << c.what;
        EXPECT_EQ(stored.at(static_cast<int>(stored.size()) - 1)->events[0].key, 30) << c.what;
    }
}

TEST_F(MacroLibraryTest, CollectCutsAnOversizedEventCount) {
    auto config = std::make_unique<ConfigBlock>();
    std::memset(config.get(), 0, sizeof(ConfigBlock));
    MacroKeyInfo key = macroKey("big", 50, 0);
    key.eventCount = 4000;
    config->profiles[1].keys[0] = key;
    MacroLibrary lib(path_);
    lib.collectKeyMacros(*config);
    ASSERT_EQ(lib.size(), 1u);
    EXPECT_EQ(lib.at(0)->count, 50);
}

TEST_F(MacroLibraryTest, RefreshTakesEditedMacrosAndResetsDeletedOnes) {
    auto config = std::make_unique<ConfigBlock>();
    std::memset(config.get(), 0, sizeof(ConfigBlock));
    ProfileData &p2 = config->profiles[2];
    p2.keys[1] = macroKey("edited", 2, 0);
    p2.keys[1].code = 99;
    setFixed(p2.keys[1].programPath, "kept");
    p2.keys[5] = macroKey("gone", 2, 0);
    p2.keys[5].flags = 7;
    setFixed(p2.keys[5].programPath, "kept too");
    p2.keys[6] = macroKey("", 2, 0); // unnamed macros are left alone

    MacroLibrary lib(path_);
    MacroRecord &rec = lib.create("EDITED");
    rec.count = 3;
    rec.repeat = 9;
    rec.events[2] = {44, 2, 5};

    lib.refreshKeys(*config);
    EXPECT_EQ(p2.keys[1].eventCount, 3);
    EXPECT_EQ(p2.keys[1].repeatCount, 9);
    EXPECT_EQ(p2.keys[1].events[2].key, 44);
    EXPECT_STREQ(p2.keys[1].macroName, "EDITED");
    EXPECT_EQ(config->flags.keySlot[2][1], 1);

    EXPECT_EQ(p2.keys[5].type, kFactoryKeyEntries[5].type);
    EXPECT_EQ(p2.keys[5].flags, kFactoryKeyEntries[5].flags);
    EXPECT_EQ(p2.keys[5].code, kFactoryKeyEntries[5].code);
    EXPECT_STREQ(p2.keys[5].programPath, "kept too");
    EXPECT_EQ(p2.keys[6].type, static_cast<uint8_t>(AssignType::Macro));
    EXPECT_EQ(config->flags.keySlot[2][6], 0);
}

TEST_F(MacroLibraryTest, AssignCopiesTheRecordAndFlagsTheKey) {
    auto config = std::make_unique<ConfigBlock>();
    std::memset(config.get(), 0, sizeof(ConfigBlock));
    MacroKeyInfo &key = config->profiles[4].keys[3];
    key.type = 2;
    key.flags = 5;
    key.code = 30;
    std::memset(key.macroName, 'x', sizeof key.macroName);
    MacroLibrary lib(path_);
    lib.create("a");
    MacroRecord &rec = lib.create("a rather long macro name beyond 24");
    rec.count = 1;
    rec.repeat = 255;
    rec.events[0] = {241, 1, 0};

    EXPECT_FALSE(lib.assign(2, *config, 4, 3));
    EXPECT_FALSE(lib.assign(1, *config, 5, 3));
    ASSERT_TRUE(lib.assign(1, *config, 4, 3));
    EXPECT_EQ(key.type, 3);
    EXPECT_EQ(key.flags, 0);
    EXPECT_EQ(key.code, 0);
    EXPECT_EQ(key.eventCount, 1);
    EXPECT_EQ(key.repeatCount, 255);
    EXPECT_EQ(key.events[0].key, 241);
    EXPECT_EQ(std::string(getFixed(key.macroName)), "a rather long macro nam"); // 23 + NUL
    EXPECT_EQ(config->flags.keySlot[4][3], 1);

    clearKeyMacro(key);
    EXPECT_EQ(key.eventCount, 0);
    EXPECT_STREQ(key.macroName, "");
    EXPECT_EQ(key.events[0].key, 0);
}

TEST_F(MacroLibraryTest, ReloadDropsUnsavedEdits) {
    MacroLibrary lib(path_);
    lib.create("kept");
    ASSERT_TRUE(lib.save());
    lib.create("dropped");
    lib.at(0)->repeat = 77;
    lib.reload();
    ASSERT_EQ(lib.size(), 1u);
    EXPECT_EQ(lib.at(0)->repeat, 0);
}

} // namespace
} // namespace orvyn
