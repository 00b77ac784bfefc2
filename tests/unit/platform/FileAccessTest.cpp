// Files that are not what they claim to be, and replacements that must not
// write anywhere else than where they were asked to.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sys/stat.h>
#include <sys/types.h>
#include <unistd.h>
#include <vector>

#include "platform/FileAccess.h"
#include "support/TempDir.h"

namespace orvyn::test {
namespace {

namespace fs = std::filesystem;

void writeFile(const std::string &path, const std::string &text) {
    std::ofstream(path, std::ios::binary) << text;
}

std::string readFile(const std::string &path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

mode_t modeOf(const std::string &path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 ? st.st_mode & 07777 : 0;
}

std::vector<std::string> namesIn(const std::string &folder) {
    std::vector<std::string> names;
    for (const auto &entry : fs::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

TEST(FileAccessTest, ReadTakesOnlyRegularFilesWithinTheLimit) {
    TempDir dir;
    writeFile(dir.file("small"), "abc");
    writeFile(dir.file("big"), std::string(101, 'x'));
    ASSERT_EQ(::mkfifo(dir.file("fifo").c_str(), 0600), 0);
    fs::create_symlink("/dev/zero", dir.file("zero"));
    fs::create_symlink(dir.file("small"), dir.file("link"));
    fs::create_directory(dir.file("folder"));

    struct Case {
        const char *name;
        LinkPolicy links;
        ReadStatus expected;
    } cases[] = {
        {"small", LinkPolicy::Refuse, ReadStatus::Ok},
        {"missing", LinkPolicy::Follow, ReadStatus::Missing},
        {"big", LinkPolicy::Follow, ReadStatus::TooLarge},
        {"fifo", LinkPolicy::Follow, ReadStatus::NotRegular}, // must not wait for a writer
        {"zero", LinkPolicy::Follow, ReadStatus::NotRegular}, // a device behind a link
        {"folder", LinkPolicy::Follow, ReadStatus::NotRegular},
        {"link", LinkPolicy::Follow, ReadStatus::Ok},
        {"link", LinkPolicy::Refuse, ReadStatus::Failed},
    };
    for (const Case &c : cases) {
        const FileRead r = readRegularFile(dir.file(c.name), 100, c.links);
        EXPECT_EQ(r.status, c.expected) << c.name;
        EXPECT_EQ(r.ok(), r.error.empty()) << c.name;
        if (r.ok())
            EXPECT_EQ(r.contents, "abc");
        else
            EXPECT_TRUE(r.contents.empty()) << c.name;
    }
}

TEST(FileAccessTest, ReplacementNeverWritesThroughAPlantedName) {
    TempDir dir;
    TempDir elsewhere;
    const std::string victim = elsewhere.file("victim");
    writeFile(victim, "precious");
    ::chmod(victim.c_str(), 0600);
    const std::string target = dir.file("config.ini");
    writeFile(target, "old");
    ::chmod(target.c_str(), 0640);
    // Links where a naive writer would put its temporary file.
    for (const char *planted :
         {".config.ini.tmp~", ".config.ini.tmp", ".config.ini.XXXXXX", "config.ini.new"})
        fs::create_symlink(victim, dir.file(planted));

    for (int i = 0; i < 20; ++i)
        ASSERT_TRUE(replaceFileAtomically(target, "new " + std::to_string(i)));

    EXPECT_EQ(readFile(victim), "precious");
    EXPECT_EQ(modeOf(victim), 0600u);
    EXPECT_EQ(readFile(target), "new 19");
    EXPECT_EQ(modeOf(target), 0640u);
    // Nothing left behind but the planted links.
    EXPECT_EQ(namesIn(dir.path()).size(), 5u);
}

TEST(FileAccessTest, ALinkedFileIsUpdatedInPlaceAndTheLinkStays) {
    TempDir dir;
    TempDir dotfiles;
    const std::string real = dotfiles.file("config.ini");
    writeFile(real, "old");
    ::chmod(real.c_str(), 0600);
    const std::string link = dir.file("config.ini");
    fs::create_symlink("../" + fs::path(dotfiles.path()).filename().string() + "/config.ini", link);

    ASSERT_TRUE(replaceFileAtomically(link, "new"));
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(readFile(real), "new");
    EXPECT_EQ(modeOf(real), 0600u);
    EXPECT_EQ(namesIn(dotfiles.path()), std::vector<std::string>{"config.ini"});

    // A dangling link creates the file it names.
    fs::remove(real);
    ASSERT_TRUE(replaceFileAtomically(link, "fresh"));
    EXPECT_EQ(readFile(real), "fresh");
    EXPECT_EQ(modeOf(real), 0644u);
}

TEST(FileAccessTest, AFailedReplacementKeepsTheOldFileAndSaysWhy) {
    TempDir dir;
    const std::string target = dir.file("config.ini");
    writeFile(target, "old");
    std::string error;
    // A folder in the way of the file.
    fs::create_directory(dir.file("sub"));
    EXPECT_FALSE(replaceFileAtomically(dir.file("sub"), "x", &error));
    EXPECT_NE(error.find("not a regular file"), std::string::npos) << error;
    // No folder to write into.
    error.clear();
    EXPECT_FALSE(replaceFileAtomically(dir.file("missing/config.ini"), "x", &error));
    EXPECT_FALSE(error.empty());
    // A loop of links.
    fs::create_symlink(dir.file("b"), dir.file("a"));
    fs::create_symlink(dir.file("a"), dir.file("b"));
    EXPECT_FALSE(replaceFileAtomically(dir.file("a"), "x", &error));
    if (::geteuid() != 0) { // root writes into read-only folders
        ::chmod(dir.path().c_str(), 0500);
        EXPECT_FALSE(replaceFileAtomically(target, "new", &error));
        ::chmod(dir.path().c_str(), 0700);
    }
    EXPECT_EQ(readFile(target), "old");
    EXPECT_EQ(namesIn(dir.path()), (std::vector<std::string>{"a", "b", "config.ini", "sub"}));
}

} // namespace
} // namespace orvyn::test
