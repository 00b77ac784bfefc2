// Settings files that are not what they claim to be: links planted where a
// save writes, FIFOs, devices and huge files where a load reads. Nothing
// may hang, grow without bound, or write anywhere but the settings folder.
#include <chrono>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <memory>
#include <sstream>
#include <string>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

#include "platform/Folders.h"
#include "shared/SettingsStore.h"
#include "support/TempDir.h"

namespace orvyn {
namespace {

namespace fs = std::filesystem;

void writeAll(const std::string &path, const std::string &text) {
    std::ofstream(path, std::ios::binary) << text;
}

std::string readAll(const std::string &path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

mode_t modeOf(const std::string &path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 ? st.st_mode & 07777 : 0;
}

long peakRssKb() {
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

std::unique_ptr<ConfigBlock> defaults() {
    auto c = std::make_unique<ConfigBlock>();
    resetConfig(*c);
    makeDefaultConfig(*c, "Profile");
    return c;
}

TEST(SettingsSaves, NeverWriteThroughPlantedNamesAndUpdateLinkedFilesInPlace) {
    test::TempDir dir;
    test::TempDir elsewhere;
    ASSERT_TRUE(ensureSettingsFolders(dir.path()));
    const std::string victim = elsewhere.file("victim");
    writeAll(victim, "precious");
    ASSERT_EQ(::chmod(victim.c_str(), 0600), 0);
    // Every name a naive writer would use for its temporary file.
    for (const char *planted :
         {".config.ini.tmp~", ".config.ini.tmp", "config.ini.new", "config/.Default0.gkp.tmp~",
          "config/.Default4.gkp.tmp", "config/Default1.gkp.new"})
        fs::create_symlink(victim, dir.file(planted));
    // The settings file itself and one profile file are links into a
    // dotfiles folder, with modes of their own.
    const std::string dotConfig = elsewhere.file("config.ini");
    const std::string dotProfile = elsewhere.file("Default3.gkp");
    writeAll(dotConfig, "; mine\n[Setting]\nCurrentProfile=0\n");
    writeAll(dotProfile, "");
    ASSERT_EQ(::chmod(dotConfig.c_str(), 0640), 0);
    ASSERT_EQ(::chmod(dotProfile.c_str(), 0600), 0);
    fs::create_symlink(dotConfig, dir.file("config.ini"));
    fs::create_symlink(dotProfile, dir.file("config/Default3.gkp"));

    SettingsStore store(dir.folder());
    std::vector<std::string> problems;
    store.setProblemHandler([&](const std::string &m) { problems.push_back(m); });
    auto config = defaults();
    config->CurrentProfile = 3;
    for (int round = 0; round < 5; ++round) {
        config->profiles[3].LtColor = round + 1;
        ASSERT_TRUE(store.saveConfig(*config));
    }
    EXPECT_TRUE(problems.empty()) << problems.front();

    EXPECT_EQ(readAll(victim), "precious");
    EXPECT_EQ(modeOf(victim), 0600u);
    EXPECT_TRUE(fs::is_symlink(dir.file("config.ini")));
    EXPECT_TRUE(fs::is_symlink(dir.file("config/Default3.gkp")));
    EXPECT_EQ(readAll(dotConfig), "; mine\n[Setting]\nCurrentProfile=3\n");
    EXPECT_EQ(modeOf(dotConfig), 0640u);
    EXPECT_EQ(modeOf(dotProfile), 0600u);
    auto loaded = defaults();
    ASSERT_TRUE(SettingsStore::loadProfile(loaded->profiles[3], dotProfile));
    EXPECT_EQ(loaded->profiles[3].LtColor, 5);
    // Nothing left behind in either folder but what was there.
    std::size_t entries = 0;
    for (const auto &e : fs::recursive_directory_iterator(dir.path())) {
        (void)e;
        ++entries;
    }
    EXPECT_EQ(entries, 6u + 1 + 1 + 5) << "planted names, config.ini, config/, five profile files";
    EXPECT_EQ(std::distance(fs::directory_iterator(elsewhere.path()), fs::directory_iterator()), 3);
}

// What a hostile or broken settings file can be.
enum class Hostile { Fifo, DevZero, Huge };

void plant(Hostile kind, const std::string &path) {
    switch (kind) {
    case Hostile::Fifo:
        ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0);
        break;
    case Hostile::DevZero:
        fs::create_symlink("/dev/zero", path);
        break;
    case Hostile::Huge: {
        // 100 MB, sparse: cheap to make, as large as any to read.
        writeAll(path, "[Setting]\nCurrentProfile=1\n");
        ASSERT_EQ(::truncate(path.c_str(), 100L << 20), 0);
        break;
    }
    }
}

TEST(SettingsLoads, FifosDevicesAndHugeFilesAreRefusedQuicklyWithAClearMessage) {
    struct Case {
        Hostile kind;
        const char *file;
        const char *says;
    } cases[] = {
        {Hostile::Fifo, "config.ini", "not a regular file"},
        {Hostile::DevZero, "config.ini", "not a regular file"},
        {Hostile::Huge, "config.ini", "larger than"},
        {Hostile::Fifo, "config/Default2.gkp", "not a regular file"},
        {Hostile::DevZero, "config/Default2.gkp", "not a regular file"},
        {Hostile::Huge, "config/Default2.gkp", "larger than"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(std::string(c.file) + " " + c.says);
        test::TempDir dir;
        ASSERT_TRUE(ensureSettingsFolders(dir.path()));
        const std::string path = dir.file(c.file);
        plant(c.kind, path);
        SettingsStore store(dir.folder());
        std::vector<std::string> problems;
        store.setProblemHandler([&](const std::string &m) { problems.push_back(m); });

        const long rssBefore = peakRssKb();
        const auto start = std::chrono::steady_clock::now();
        auto config = defaults();
        resetConfig(*config);
        store.loadConfig(*config, "Profile");
        OsdSettings osd{};
        store.readOsdSettings(osd);
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
        EXPECT_LT(peakRssKb() - rssBefore, 100L * 1024);

        ASSERT_FALSE(problems.empty());
        EXPECT_NE(problems.front().find(path), std::string::npos) << problems.front();
        EXPECT_NE(problems.front().find(c.says), std::string::npos) << problems.front();
        // What could not be read takes its defaults.
        auto fresh = defaults();
        if (std::string(c.file) == "config.ini")
            EXPECT_EQ(config->CurrentProfile, -1);
        else
            EXPECT_EQ(std::memcmp(&config->profiles[2], &fresh->profiles[2], sizeof(ProfileData)), 0);

        // A save does not replace a file it could not read, and says so.
        problems.clear();
        EXPECT_FALSE(store.saveConfig(*config));
        EXPECT_FALSE(problems.empty());
        struct stat st {};
        ASSERT_EQ(::lstat(path.c_str(), &st), 0);
        EXPECT_FALSE(S_ISREG(st.st_mode) && st.st_size < (100L << 20)) << "the file was replaced";
    }
}

TEST(SettingsLoads, ALargeFileOfBlankLinesIsParsedOnceInItsOwnSize) {
    // At the limit: 1 MiB of blank lines before the key.
    test::TempDir dir;
    ASSERT_TRUE(ensureSettingsFolders(dir.path()));
    std::string text(kSettingsFileMaxBytes - 64, '\n');
    text += "[Setting]\nCurrentProfile=4\n";
    writeAll(dir.file("config.ini"), text);
    SettingsStore store(dir.folder());
    auto config = defaults();
    store.loadConfig(*config, "Profile");
    EXPECT_EQ(config->CurrentProfile, 4);
    // Saving keeps every blank line.
    ASSERT_TRUE(store.writeCurrentProfile(2));
    std::string expected(kSettingsFileMaxBytes - 64, '\n');
    expected += "[Setting]\nCurrentProfile=2\n";
    EXPECT_EQ(readAll(dir.file("config.ini")), expected);
}

} // namespace
} // namespace orvyn
