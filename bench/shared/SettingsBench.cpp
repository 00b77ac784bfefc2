// Saving and loading the whole configuration (config.ini + five profile
// files), against a baseline that replaces the file once per key written, as
// per-key private-profile writes do.
#include <benchmark/benchmark.h>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <malloc.h>
#include <memory>
#include <string>

#include "platform/Folders.h"
#include "shared/SettingsStore.h"

namespace orvyn {
namespace {

struct Folder {
    Folder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "orvyn-bench-XXXXXX").string();
        if (!::mkdtemp(pattern.data()))
            std::abort();
        path = pattern + "/";
        makeFolder(path + "config", 0755);
    }
    ~Folder() { std::filesystem::remove_all(path); }
    std::string path;
};

std::unique_ptr<ConfigBlock> defaultConfig() {
    auto c = std::make_unique<ConfigBlock>();
    std::memset(c.get(), 0, sizeof *c);
    makeDefaultConfig(*c, "Profile");
    return c;
}

void BM_SaveConfigBatched(benchmark::State &state) {
    Folder folder;
    SettingsStore store(folder.path);
    auto config = defaultConfig();
    for (auto _ : state) {
        config->profiles[0].LtColor ^= 1;
        benchmark::DoNotOptimize(store.saveConfig(*config));
    }
}
BENCHMARK(BM_SaveConfigBatched)->Unit(benchmark::kMillisecond);

// One file replacement per key, the way per-key private-profile writes work.
void savePerKey(const ProfileData &p, const std::string &path) {
    IniFile ini(path);
    ini.writeText("Setting", "ProFileName", getFixed(p.ProFileName));
    ini.writeText("Setting", "GameFile", getFixed(p.GameFile));
    const int32_t *numbers[] = {&p.MediaOption, &p.HDDKeyboard, &p.LtSwitch,   &p.LtEffectType,
                                &p.LtFlag,      &p.LtColor,     &p.LtControl,  &p.LtSaving,
                                &p.LtTimeout,   &p.ECOMode,     &p.PollingRate};
    const char *names[] = {"MediaOption", "HDDKeyboard", "LtSwitch",  "LtEffectType", "LtFlag ",    "LtColor",
                           "LtControl",   "LtSaving",    "LtTimeout", "ECOMode",      "PollingRate"};
    for (int i = 0; i < 11; ++i)
        ini.writeNumber("Setting", names[i], *numbers[i]);
    for (int i = 0; i < 6; ++i)
        ini.writeNumber("Setting", "ModifyKey" + std::to_string(i), p.ModifyKey[i]);
    ini.writeBlock("Setting", "standardkey", p.standardkey, sizeof p.standardkey);
    for (int k = 0; k < kKeySlotCount; ++k)
        ini.writeBlock("Setting", "MacroKeyInfo" + std::to_string(k), &p.keys[k], sizeof p.keys[k]);
    ini.writeBlock("Setting", "apmLightInfo", p.apmLightInfo, sizeof p.apmLightInfo);
}

void BM_SaveConfigPerKeyBaseline(benchmark::State &state) {
    Folder folder;
    SettingsStore store(folder.path);
    auto config = defaultConfig();
    for (auto _ : state) {
        config->profiles[0].LtColor ^= 1;
        store.writeCurrentProfile(config->CurrentProfile);
        for (int p = 0; p < kProfileCount; ++p)
            savePerKey(config->profiles[p], store.profilePath(p));
    }
}
BENCHMARK(BM_SaveConfigPerKeyBaseline)->Unit(benchmark::kMillisecond);

void BM_LoadConfig(benchmark::State &state) {
    Folder folder;
    SettingsStore store(folder.path);
    auto config = defaultConfig();
    store.saveConfig(*config);
    auto loaded = defaultConfig();
    for (auto _ : state) {
        resetConfig(*loaded);
        benchmark::DoNotOptimize(store.loadConfig(*loaded, "Profile"));
    }
}
BENCHMARK(BM_LoadConfig)->Unit(benchmark::kMillisecond);

// A settings file of 16 MB of blank lines with one key at the end: parsed
// once, lookups and a rewrite. "heap_MB" is what the parsed document holds.
void BM_Parse16MBOfBlankLines(benchmark::State &state) {
    std::string text(16u << 20, '\n');
    text += "[Setting]\nCurrentProfile=3\n";
    // Large blocks are mapped on their own and counted apart.
    auto heapInUse = [] {
        const struct mallinfo2 m = mallinfo2();
        return static_cast<double>(m.uordblks + m.hblkhd);
    };
    double heapMb = 0;
    for (auto _ : state) {
        const double before = heapInUse();
        IniDocument doc = IniDocument::parse(text);
        heapMb = (heapInUse() - before) / (1 << 20);
        benchmark::DoNotOptimize(doc.readNumber("Setting", "CurrentProfile", -1));
        doc.writeNumber("Setting", "Device", 1);
        benchmark::DoNotOptimize(doc.serialize().size());
    }
    state.counters["heap_MB"] = heapMb;
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_Parse16MBOfBlankLines)->Unit(benchmark::kMillisecond);

// The same file as config.ini: refused by its size before it is read.
void BM_LoadConfigWith16MBConfigIni(benchmark::State &state) {
    Folder folder;
    SettingsStore store(folder.path);
    store.setProblemHandler([](const std::string &) {});
    auto config = defaultConfig();
    store.saveConfig(*config);
    {
        std::ofstream out(folder.path + "config.ini", std::ios::binary | std::ios::trunc);
        out << std::string(16u << 20, '\n') << "[Setting]\nCurrentProfile=3\n";
    }
    for (auto _ : state) {
        resetConfig(*config);
        benchmark::DoNotOptimize(store.loadConfig(*config, "Profile"));
    }
}
BENCHMARK(BM_LoadConfigWith16MBConfigIni)->Unit(benchmark::kMillisecond);

// At the size limit of a settings file (1 MiB of blank lines): read and
// parsed once per load.
void BM_LoadConfigWith1MBConfigIni(benchmark::State &state) {
    Folder folder;
    SettingsStore store(folder.path);
    auto config = defaultConfig();
    store.saveConfig(*config);
    {
        std::ofstream out(folder.path + "config.ini", std::ios::binary | std::ios::trunc);
        out << std::string(kSettingsFileMaxBytes - 64, '\n') << "[Setting]\nCurrentProfile=3\n";
    }
    for (auto _ : state) {
        resetConfig(*config);
        benchmark::DoNotOptimize(store.loadConfig(*config, "Profile"));
    }
}
BENCHMARK(BM_LoadConfigWith1MBConfigIni)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace orvyn
