#include "platform/Folders.h"
#include "support/TempDir.h"
#include "support/TempRuntime.h"

#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <optional>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace orvyn {
namespace {

mode_t modeOf(const std::string &path) {
    struct stat st {};
    EXPECT_EQ(::stat(path.c_str(), &st), 0) << path;
    return st.st_mode & 07777;
}

TEST(RuntimeFolder, CreatedPrivateUnderXdgRuntimeDir) {
    test::TempRuntime tmp;
    EXPECT_EQ(tmp.runtime(), tmp.base() + "/orvyn-vantor/");
    EXPECT_EQ(modeOf(tmp.runtime()), 0700u);
    // Asking again accepts the folder it made.
    const RuntimeFolder again = runtimeFolder();
    EXPECT_TRUE(again.ok()) << again.error;
    EXPECT_EQ(again.path, tmp.runtime());
}

TEST(RuntimeFolder, OpenToGroupOrOthersIsRefused) {
    test::TempRuntime tmp;
    for (mode_t mode : {0750u, 0705u, 0770u, 0777u, 0701u}) {
        ASSERT_EQ(::chmod(tmp.runtime().c_str(), mode), 0);
        const RuntimeFolder f = runtimeFolder();
        EXPECT_FALSE(f.ok()) << std::oct << mode;
        EXPECT_NE(f.error.find("must be 0700"), std::string::npos) << f.error;
    }
    // The refused folder is left as it was, not silently tightened.
    EXPECT_EQ(modeOf(tmp.runtime()), 0701u);
}

TEST(RuntimeFolder, OwnedByAnotherUserIsRefused) {
    test::TempRuntime tmp;
    std::string folder;
    if (::geteuid() == 0) {
        folder = tmp.runtime();
        ASSERT_EQ(::chown(folder.c_str(), 65534, 65534), 0);
    } else {
        folder = "/usr"; // owned by root, and we are not root
    }
    const RuntimeFolder f = prepareRuntimeFolder(folder);
    EXPECT_FALSE(f.ok());
    EXPECT_NE(f.error.find("belongs to another user"), std::string::npos) << f.error;
}

TEST(RuntimeFolder, SymlinkOrFileInItsPlaceIsRefused) {
    test::TempRuntime tmp;
    const std::string target = tmp.base() + "/elsewhere";
    ASSERT_EQ(::mkdir(target.c_str(), 0700), 0);
    const std::string link = tmp.base() + "/link";
    ASSERT_EQ(::symlink(target.c_str(), link.c_str()), 0);
    EXPECT_FALSE(prepareRuntimeFolder(link).ok()) << "a symlink could redirect every named object";

    const std::string file = tmp.base() + "/file";
    FILE *f = std::fopen(file.c_str(), "w");
    ASSERT_TRUE(f);
    std::fclose(f);
    const RuntimeFolder r = prepareRuntimeFolder(file);
    EXPECT_FALSE(r.ok());
    EXPECT_FALSE(r.error.empty());
}

TEST(RuntimeFolder, MissingParentIsAnError) {
    test::TempRuntime tmp;
    const RuntimeFolder r = prepareRuntimeFolder(tmp.base() + "/no/such/place");
    EXPECT_FALSE(r.ok());
    EXPECT_NE(r.error.find("cannot create"), std::string::npos) << r.error;
}

// Settings may name programs to launch: a folder others can write to, or
// one that is not the user's, is refused as the runtime folder is.
TEST(SettingsFolder, AFolderOthersMayWriteOrOwnIsRefusedAndLeftAlone) {
    test::TempDir dir;
    const std::string folder = dir.folder() + "settings/";
    std::string error;
    ASSERT_TRUE(ensureSettingsFolders(folder, &error)) << error;
    EXPECT_EQ(modeOf(folder + "config"), 0755u);

    ASSERT_EQ(::chmod(folder.c_str(), 0750), 0); // readable by the group is fine
    EXPECT_TRUE(ensureSettingsFolders(folder, &error)) << error;

    for (const std::string &path : {folder, folder + "config"}) {
        for (mode_t mode : {0777u, 0775u, 0757u}) {
            ASSERT_EQ(::chmod(path.c_str(), mode), 0);
            error.clear();
            EXPECT_FALSE(ensureSettingsFolders(folder, &error)) << path << " " << std::oct << mode;
            EXPECT_NE(error.find("must not be writable by group or others"), std::string::npos) << error;
            EXPECT_EQ(modeOf(path), mode) << "a refused folder is not tightened behind the user's back";
            ASSERT_EQ(::chmod(path.c_str(), 0755), 0);
        }
    }
    std::string other = "/usr"; // root's, and we are not root
    if (::geteuid() == 0) {
        other = folder;
        ASSERT_EQ(::chown(folder.c_str(), 65534, 65534), 0);
    }
    EXPECT_FALSE(ensureSettingsFolders(other, &error));
    EXPECT_NE(error.find("belongs to another user"), std::string::npos) << error;
}

class ScopedEnv {
public:
    explicit ScopedEnv(const char *name) : name_(name) {
        if (const char *v = std::getenv(name))
            old_ = v;
        ::unsetenv(name);
    }
    ~ScopedEnv() {
        if (old_)
            ::setenv(name_, old_->c_str(), 1);
    }

private:
    const char *name_;
    std::optional<std::string> old_;
};

TEST(SettingsFolder, WithoutHomeTheFolderIsInThePasswdHomeNeverASharedOne) {
    ScopedEnv vantorHome("ORVYN_VANTOR_HOME"), xdg("XDG_CONFIG_HOME"), home("HOME");
    const passwd *me = ::getpwuid(::getuid());
    ASSERT_NE(me, nullptr);
    EXPECT_EQ(settingsFolderFor(""), std::string(me->pw_dir) + "/.config/orvyn-vantor/");

    // The program folder serves only when it is private to the user.
    test::TempDir dir;
    const std::string program = dir.folder();
    ASSERT_EQ(::chmod(dir.path().c_str(), 0755), 0);
    EXPECT_EQ(settingsFolderFor(program), program);
    ASSERT_EQ(::chmod(dir.path().c_str(), 0777), 0);
    EXPECT_NE(settingsFolderFor(program), program);
    EXPECT_NE(settingsFolderFor(program).rfind("/tmp/orvyn-vantor/", 0), 0u);
}

// Which program folder holds the settings; the others leave them in
// $XDG_CONFIG_HOME. Deciding writes nothing.
TEST(SettingsFolder, OnlyAPrivateFolderOutsideTheInstalledTreeHoldsTheSettings) {
    ScopedEnv vantorHome("ORVYN_VANTOR_HOME"), xdg("XDG_CONFIG_HOME");
    test::TempDir config;
    ::setenv("XDG_CONFIG_HOME", config.path().c_str(), 1);
    const std::string xdgFolder = config.folder() + "orvyn-vantor/";
    test::TempDir dir;
    const std::string portable = dir.folder();
    ASSERT_EQ(::chmod(dir.path().c_str(), 0755), 0);
    struct Case {
        const char *what;
        std::string program;
        std::string expected;
    };
    const Case cases[] = {
        {"portable, private", portable, portable},
        // As root /usr/ is writable and private: still an installed tree.
        {"installed tree", "/usr/", xdgFolder},
        {"installed suite", "/usr/lib/orvyn-vantor/", xdgFolder},
        {"missing", "/nonexistent/orvyn-vantor/", xdgFolder},
    };
    for (const Case &c : cases)
        EXPECT_EQ(settingsFolderFor(c.program), c.expected) << c.what;
    EXPECT_TRUE(std::filesystem::is_empty(config.path())) << "deciding created nothing";
    ::unsetenv("XDG_CONFIG_HOME");
}

} // namespace
} // namespace orvyn
