#include "shared/ConfigBlock.h"

#include <cstdio>
#include <cstring>
#include <string>

namespace orvyn {

const uint8_t kDefaultStandardKeys[kStandardKeyCount] = {
    41, 58, 59, 60, 61, 62,  63,  64,  65,  66, 67,  68,  69,  70,  71, 72,  53, 30, 31, 32, 33,
    34, 35, 36, 37, 38, 39,  45,  46,  42,  43, 20,  26,  8,   21,  23, 28,  24, 12, 18, 19, 47,
    48, 40, 57, 4,  22, 7,   9,   10,  11,  13, 14,  15,  51,  52,  49, 225, 29, 27, 6,  25, 5,
    17, 16, 54, 55, 56, 229, 224, 220, 226, 44, 230, 231, 101, 228, 73, 76,  80, 74, 77, 82, 81,
    75, 78, 79, 83, 95, 92,  89,  98,  84,  96, 93,  90,  85,  97,  94, 91,  99, 86, 87, 88};

const uint8_t kFactoryKeyMatrix[kKeyMatrixCells] = {
    29,  30, 146, 187, 230, 185, 148, 152, 6,   32,  0,   176, 177, 199, 228, 193, // 0-15
    9,   58, 62,  189, 0,   190, 191, 179, 225, 24,  63,  59,  0,   40,  0,   0,   // 16-31
    224, 14, 19,  0,   0,   0,   41,  183, 44,  12,  135, 212, 180, 139, 138, 136, // 32-47
    4,   61, 18,  198, 100, 145, 144, 204, 43,  53,  64,  28,  77,  36,  51,  231, // 48-63
    22,  45, 65,  54,  47,  37,  73,  17,  7,   46,  66,  0,   48,  38,  52,  206, // 64-79
    26,  42, 68,  70,  74,  76,  11,  55,  8,   15,  69,  213, 72,  75,  50,  56,  // 80-95
    20,  13, 67,  24,  49,  39,  78,  33,  5,   35,  204, 83,  95,  92,  89,  203, // 96-111
    25,  34, 202, 84,  96,  93,  90,  98,  21,  0,   160, 85,  97,  94,  91,  99,  // 112-127
    23,  60, 161, 86,  87,  133, 88,  205, 27,  31,  197, 186, 196, 229, 178, 184, // 128-143
    101, 10, 82,  80,  81,  16,  226, 79,  57,  162, 165, 166, 167, 168, 169, 170, // 144-159
};

const FactoryKeyEntry kFactoryKeyEntries[kKeyboardSlotCount] = {
    {4, 4, 0},  {4, 5, 0},  {4, 6, 0},   {4, 7, 0},   {10, 0, 78}, {2, 1, 30},  {2, 1, 31},  {2, 1, 32},
    {2, 1, 33}, {2, 1, 34}, {10, 0, 73}, {10, 0, 74}, {10, 0, 75}, {10, 0, 76}, {10, 0, 77},
};

ProfileData *ConfigBlock::currentProfileData() {
    return isValidProfile(CurrentProfile) ? &profiles[CurrentProfile] : nullptr;
}

const ProfileData *ConfigBlock::currentProfileData() const {
    return isValidProfile(CurrentProfile) ? &profiles[CurrentProfile] : nullptr;
}

void resetConfig(ConfigBlock &config) {
    config.CurrentProfile = -1;
    std::memset(config.profiles, 0, sizeof config.profiles);
    ChangeFlags &f = config.flags;
    // Everything from the per-key flags up to (not including) the polling
    // rate flags.
    std::memset(&f, 0, offsetof(ChangeFlags, pollingRate));
}

std::size_t utf8CharacterStart(std::string_view text, std::size_t at) {
    // Continuation bytes are 10xxxxxx; a lead byte 11xxxxxx opens a
    // sequence of as many bytes as it has leading ones.
    auto byte = [&text](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    if (at == 0 || at >= text.size() || (byte(at) & 0xC0) != 0x80)
        return at;
    for (std::size_t back = 1; back <= 3 && back <= at; ++back) {
        const unsigned char lead = byte(at - back);
        if ((lead & 0xC0) == 0x80)
            continue;
        const std::size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
        return length > back ? at - back : at;
    }
    return at; // not UTF-8 there: bytes are cut as bytes
}

void copyFixedString(char *field, std::size_t fieldSize, std::string_view text) {
    if (fieldSize == 0)
        return;
    std::size_t n = text.size() < fieldSize - 1 ? text.size() : fieldSize - 1;
    // Stop at an embedded NUL: the field holds a C string.
    const void *nul = std::memchr(text.data(), '\0', n);
    if (nul)
        n = static_cast<std::size_t>(static_cast<const char *>(nul) - text.data());
    else if (n < text.size())
        n = utf8CharacterStart(text, n);
    std::memcpy(field, text.data(), n);
    std::memset(field + n, 0, fieldSize - n);
}

std::string_view fixedString(const char *field, std::size_t fieldSize) {
    const void *nul = std::memchr(field, '\0', fieldSize);
    std::size_t n = nul ? static_cast<std::size_t>(static_cast<const char *>(nul) - field) : fieldSize;
    return {field, n};
}

void setFactoryKeyEntry(MacroKeyInfo &key, int slot) {
    if (slot >= 0 && slot < kKeyboardSlotCount) {
        key.type = kFactoryKeyEntries[slot].type;
        key.flags = kFactoryKeyEntries[slot].flags;
        key.code = kFactoryKeyEntries[slot].code;
    } else {
        key.type = 0;
        key.flags = 0;
        key.code = 0;
    }
}

void makeDefaultProfile(ProfileData &profile, int n, std::string_view nameText) {
    std::string name(nameText);
    name += " #";
    name += std::to_string(n + 1);
    setFixed(profile.ProFileName, name);
    setFixed(profile.GameFile, "");
    profile.MediaOption = 0;
    profile.HDDKeyboard = 1;
    profile.LtSwitch = 1;
    profile.LtEffectType = 0;
    profile.LtFlag = 1;
    profile.LtColor = 1;
    profile.LtControl = 4;
    profile.LtSaving = 50;
    profile.LtTimeout = 15;
    profile.ECOMode = 1;
    profile.PollingRate = 2;
    for (int32_t &m : profile.ModifyKey)
        m = 1;
    std::memcpy(profile.standardkey, kDefaultStandardKeys, sizeof profile.standardkey);
    std::memset(profile.keys, 0, sizeof profile.keys);
    for (int s = 0; s < kKeyboardSlotCount; ++s) {
        profile.keys[s].slot = static_cast<uint8_t>(s);
        setFactoryKeyEntry(profile.keys[s], s);
    }
}

void makeDefaultConfig(ConfigBlock &config, std::string_view nameText) {
    config.CurrentProfile = 0;
    for (int p = 0; p < kProfileCount; ++p)
        makeDefaultProfile(config.profiles[p], p, nameText);
}

void clearChangeFlags(ConfigBlock &config) {
    const int32_t hdd = config.flags.hddKeyboard;
    std::memset(&config.flags, 0, sizeof config.flags);
    config.flags.hddKeyboard = hdd;
}

} // namespace orvyn
