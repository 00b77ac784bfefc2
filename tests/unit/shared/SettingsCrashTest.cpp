// A process killed at any moment while saving never leaves a settings file
// that is torn: each file always holds either the old or the new content.
#include "shared/SettingsStore.h"

#include <csignal>
#include <cstring>
#include <fstream>
#include <gtest/gtest.h>
#include <memory>
#include <random>
#include <sstream>
#include <sys/wait.h>
#include <unistd.h>

#include "platform/Folders.h"
#include "support/TempDir.h"

namespace orvyn {
namespace {

std::string readAll(const std::string &path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

std::unique_ptr<ConfigBlock> variant(int which) {
    auto c = std::make_unique<ConfigBlock>();
    std::memset(c.get(), 0, sizeof *c);
    makeDefaultConfig(*c, which ? "Second" : "First");
    c->CurrentProfile = which ? 3 : 1;
    for (ProfileData &p : c->profiles) {
        p.LtColor = which ? 6 : 2;
        std::memset(p.keys[20].programPath, which ? 'b' : 'a', 200);
    }
    return c;
}

// The bytes each file holds after saving `config` into a fresh folder.
std::vector<std::string> filesAfterSaving(const ConfigBlock &config) {
    test::TempDir dir;
    makeFolder(dir.folder() + "config", 0755);
    SettingsStore store(dir.folder());
    store.saveConfig(config);
    std::vector<std::string> files{readAll(store.configIniPath())};
    for (int p = 0; p < kProfileCount; ++p)
        files.push_back(readAll(store.profilePath(p)));
    return files;
}

TEST(SettingsCrash, KilledWritersNeverLeaveATornFile) {
    const auto first = variant(0);
    const auto second = variant(1);
    const auto expectFirst = filesAfterSaving(*first);
    const auto expectSecond = filesAfterSaving(*second);

    test::TempDir dir;
    ASSERT_TRUE(makeFolder(dir.folder() + "config", 0755));
    SettingsStore store(dir.folder());
    ASSERT_TRUE(store.saveConfig(*first));
    std::vector<std::string> paths{store.configIniPath()};
    for (int p = 0; p < kProfileCount; ++p)
        paths.push_back(store.profilePath(p));

    std::mt19937 rng(7);
    std::uniform_int_distribution<int> delayUs(0, 30000);
    const int rounds = 150;
    for (int round = 0; round < rounds; ++round) {
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            // Save the two variants in turn until killed.
            for (int i = 0;; ++i)
                store.saveConfig(i % 2 ? *first : *second);
        }
        ::usleep(static_cast<useconds_t>(delayUs(rng)));
        ::kill(child, SIGKILL);
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        for (std::size_t f = 0; f < paths.size(); ++f) {
            const std::string now = readAll(paths[f]);
            ASSERT_TRUE(now == expectFirst[f] || now == expectSecond[f])
                << "round " << round << ": " << paths[f] << " holds " << now.size() << " unexpected bytes";
        }
    }
}

} // namespace
} // namespace orvyn
