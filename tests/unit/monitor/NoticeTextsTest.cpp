// Texts Monitor shows: cut by characters, and the fix for a keyboard it may
// not open.
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

#include "monitor/DeviceAccessNotice.h"
#include "monitor/Utf8Text.h"
#include "support/TempDir.h"

namespace orvyn {
namespace {

TEST(Utf8Text, CutsByCharactersNeverInsideOne) {
    const struct {
        std::string text;
        std::size_t max;
        std::string expected;
    } rows[] = {
        {"Exit", 10, "Exit"},
        {"Exit", 2, "Ex"},
        {"Clavier AZERTY \xc3\xa9t\xc3\xa9", 16, "Clavier AZERTY \xc3\xa9"},     // é is two bytes
        {"\xe2\x82\xac\xe2\x82\xac\xe2\x82\xac", 2, "\xe2\x82\xac\xe2\x82\xac"}, // three-byte €
        {"\xf0\x9f\x8e\xae game", 1, "\xf0\x9f\x8e\xae"},                        // four-byte emoji
        {"abc", 0, ""},
        {"\x80\x80z", 1, "\x80\x80"}, // stray continuation bytes stay with the first
        {"", 5, ""},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.text);
        EXPECT_EQ(utf8Prefix(row.text, row.max), row.expected);
    }
    // The tooltip limit on a text of 200 two-byte characters keeps 127 of them.
    std::string long2;
    for (int i = 0; i < 200; ++i)
        long2 += "\xc3\xa4";
    EXPECT_EQ(utf8Prefix(long2, 127).size(), 254u);
}

TEST(DeviceAccess, NoticeNamesTheFixThatApplies) {
    test::TempDir t;
    const std::string programFolder = t.folder() + "programs/";
    const std::string rules = t.folder() + "rules.d/";
    std::filesystem::create_directories(programFolder + "udev");
    std::filesystem::create_directories(rules);

    // No rule anywhere: the command installs the one beside the programs.
    std::ofstream(programFolder + "udev/" + kUdevRuleName) << "# rule\n";
    DeviceAccessNotice notice = deviceAccessNotice(EACCES, programFolder, {rules});
    EXPECT_EQ(notice.summary, "The keyboard is connected, but this user may not use it");
    EXPECT_EQ(notice.body,
              "Install the udev rule: sudo cp '" + programFolder + "udev/70-orvyn-vantor.rules'" +
                  " /etc/udev/rules.d/ && sudo udevadm control --reload && sudo udevadm trigger");
    std::filesystem::remove(programFolder + "udev/" + kUdevRuleName);
    notice = deviceAccessNotice(EPERM, programFolder, {rules});
    EXPECT_NE(notice.body.find("sudo cp 'resources/70-orvyn-vantor.rules'"), std::string::npos);

    // Installed, yet no access: the keyboard predates the rule, or its ids differ.
    std::ofstream(rules + kUdevRuleName) << "# rule\n";
    notice = deviceAccessNotice(EACCES, programFolder, {"/nonexistent/", rules});
    EXPECT_NE(notice.body.find(rules + kUdevRuleName + " is installed"), std::string::npos);
    EXPECT_NE(notice.body.find("udevadm trigger"), std::string::npos);

    notice = deviceAccessNotice(EIO, programFolder, {rules});
    EXPECT_EQ(notice.summary, "The keyboard is connected but cannot be opened");
    EXPECT_EQ(notice.body, std::strerror(EIO));
}

} // namespace
} // namespace orvyn
