#include "platform/ProgramStartup.h"
#include "support/TempRuntime.h"

#include <cstdio>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace orvyn {
namespace {

// What a startup printed on its error channel.
class Captured {
public:
    Captured() : file_(std::tmpfile()) {}
    ~Captured() { std::fclose(file_); }
    std::FILE *file() { return file_; }
    std::string text() {
        std::rewind(file_);
        std::string out;
        for (int c; (c = std::fgetc(file_)) != EOF;)
            out.push_back(static_cast<char>(c));
        return out;
    }

private:
    std::FILE *file_;
};

TEST(ProgramStartupTest, OneInstanceAtATimeAndEveryRefusalNamesTheProgram) {
    test::TempRuntime temp;
    Captured errors;
    ProgramStartup first("Alpha", errors.file());
    ASSERT_TRUE(first.findRuntimeFolder());
    EXPECT_EQ(first.runtimeFolder(), temp.runtime());
    EXPECT_EQ(first.claimInstance("alpha_instance"), InstanceClaim::First);

    ProgramStartup second("Alpha", errors.file());
    ASSERT_TRUE(second.findRuntimeFolder());
    EXPECT_EQ(second.claimInstance("alpha_instance"), InstanceClaim::AlreadyRunning);
    EXPECT_EQ(second.claimInstance("other_instance"), InstanceClaim::First);
    EXPECT_EQ(errors.text(), ""); // a second instance is no error

    // A lock file that cannot be one.
    std::filesystem::create_directory(temp.runtime() + "broken.lock");
    EXPECT_EQ(second.claimInstance("broken"), InstanceClaim::Failed);
    EXPECT_FALSE(second.error().empty());
    EXPECT_EQ(errors.text(), "Alpha: " + second.error() + "\n");

    const auto settings = second.prepareSettingsFolder();
    ASSERT_TRUE(settings);
    EXPECT_TRUE(std::filesystem::is_directory(*settings + "config"));
}

TEST(ProgramStartupTest, RefusedFoldersStopTheStartWithTheirReason) {
    test::TempRuntime temp;
    // A runtime folder others may enter is refused, never repaired.
    ASSERT_EQ(::chmod(temp.runtime().c_str(), 0777), 0);
    Captured errors;
    ProgramStartup startup("Beta", errors.file());
    EXPECT_FALSE(startup.findRuntimeFolder());
    EXPECT_EQ(startup.runtimeFolder(), "");
    EXPECT_NE(startup.error().find(temp.runtime().substr(0, temp.runtime().size() - 1)), std::string::npos);
    EXPECT_EQ(errors.text(), "Beta: " + startup.error() + "\n");

    const std::string home = temp.base() + "/home";
    ASSERT_EQ(::chmod(home.c_str(), 0777), 0);
    Captured settingsErrors;
    ProgramStartup other("Gamma", settingsErrors.file());
    EXPECT_FALSE(other.prepareSettingsFolder());
    EXPECT_FALSE(other.error().empty());
    EXPECT_EQ(settingsErrors.text(), "Gamma: " + other.error() + "\n");
}

} // namespace
} // namespace orvyn
