// The configuration record shared by Monitor, Option, the shared block and
// the settings files. Every layout here is a contract across processes and
// files: sizes and offsets are fixed and checked at compile time.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace orvyn {

inline constexpr int kProfileCount = 5;
inline constexpr int kKeySlotCount = 32;      // stored per profile
inline constexpr int kKeyboardSlotCount = 15; // slots 0-14 reach the keyboard
inline constexpr int kStandardKeyCount = 104;
inline constexpr int kMacroEventCapacity = 50;
inline constexpr int kProfileNameMax = 249; // characters, without the NUL
inline constexpr int kGameFileMax = 501;
inline constexpr int kProgramPathMax = 259;

// One macro step: key code, 1 = press / 2 = release, delay in ms after it.
struct MacroEvent {
    uint8_t key;
    uint8_t state;
    uint16_t delay;
};
static_assert(sizeof(MacroEvent) == 4);
static_assert(offsetof(MacroEvent, key) == 0);
static_assert(offsetof(MacroEvent, state) == 1);
static_assert(offsetof(MacroEvent, delay) == 2);

inline constexpr uint8_t kEventPress = 1;
inline constexpr uint8_t kEventRelease = 2;

// Assignment types of a key slot (byte 1 of MacroKeyInfo).
enum class AssignType : uint8_t {
    Unassigned = 0,
    DefaultFunction = 1,
    KeyCombination = 2,
    Macro = 3,
    KeyboardFunction = 4,
    SingleFunction = 5,
    MediaFunction = 6,
    MouseButton = 7,
    MouseGroupFunction = 8,
    ReadBackCombination = 9,
    SingleKey = 10,
    LaunchProgram = 11,
};

// Modifier bits of a key combination (flags byte of type 2 and 9).
inline constexpr uint8_t kModCtrl = 1;
inline constexpr uint8_t kModShift = 2;
inline constexpr uint8_t kModAlt = 4;
inline constexpr uint8_t kModWin = 8;

// One key slot, 496 bytes.
struct MacroKeyInfo {
    uint8_t slot;     // slot number in a default profile; not interpreted
    uint8_t type;     // AssignType
    uint8_t flags;    // type-dependent
    uint8_t reserved; // 0
    uint16_t code;    // type-dependent
    char macroName[24];
    uint16_t eventCount;
    int32_t repeatCount;
    MacroEvent events[kMacroEventCapacity];
    char programPath[260];

    AssignType assignType() const { return static_cast<AssignType>(type); }
};
static_assert(sizeof(MacroKeyInfo) == 496);
static_assert(offsetof(MacroKeyInfo, slot) == 0);
static_assert(offsetof(MacroKeyInfo, type) == 1);
static_assert(offsetof(MacroKeyInfo, flags) == 2);
static_assert(offsetof(MacroKeyInfo, reserved) == 3);
static_assert(offsetof(MacroKeyInfo, code) == 4);
static_assert(offsetof(MacroKeyInfo, macroName) == 6);
static_assert(offsetof(MacroKeyInfo, eventCount) == 30);
static_assert(offsetof(MacroKeyInfo, repeatCount) == 32);
static_assert(offsetof(MacroKeyInfo, events) == 36);
static_assert(offsetof(MacroKeyInfo, programPath) == 236);

// One profile, 16824 bytes.
struct ProfileData {
    char ProFileName[250];
    char GameFile[502];
    int32_t MediaOption;
    int32_t HDDKeyboard;
    int32_t LtSwitch;
    int32_t reserved764;
    int32_t LtEffectType;
    int32_t reserved772;
    int32_t LtFlag;
    int32_t LtColor;
    int32_t LtControl;
    int32_t LtSaving;
    int32_t LtTimeout;
    int32_t ECOMode;
    int32_t PollingRate;
    int32_t ModifyKey[6]; // 2 and 3: the Windows-key lock, see winKeyLock()
    uint8_t standardkey[kStandardKeyCount];
    MacroKeyInfo keys[kKeySlotCount]; // stored as MacroKeyInfo0-31
    int32_t lightingReserved;         // unused; Option takes it over with the lighting fields
    uint8_t apmLightInfo[16];

    // ModifyKey2 and ModifyKey3 together are the Windows-key lock (1 = locked).
    // The keyboard reports both; the configuration page shows and sets the
    // first alone.
    int32_t &winKeyLock() { return ModifyKey[2]; }
    int32_t winKeyLock() const { return ModifyKey[2]; }
    int32_t &winKeyLockTwin() { return ModifyKey[3]; }
    int32_t winKeyLockTwin() const { return ModifyKey[3]; }
    void setWinKeyLock(int32_t value) { ModifyKey[2] = ModifyKey[3] = value; }
};
static_assert(sizeof(ProfileData) == 16824);
static_assert(offsetof(ProfileData, ProFileName) == 0);
static_assert(offsetof(ProfileData, GameFile) == 250);
static_assert(offsetof(ProfileData, MediaOption) == 752);
static_assert(offsetof(ProfileData, HDDKeyboard) == 756);
static_assert(offsetof(ProfileData, LtSwitch) == 760);
static_assert(offsetof(ProfileData, reserved764) == 764);
static_assert(offsetof(ProfileData, LtEffectType) == 768);
static_assert(offsetof(ProfileData, reserved772) == 772);
static_assert(offsetof(ProfileData, LtFlag) == 776);
static_assert(offsetof(ProfileData, LtColor) == 780);
static_assert(offsetof(ProfileData, LtControl) == 784);
static_assert(offsetof(ProfileData, LtSaving) == 788);
static_assert(offsetof(ProfileData, LtTimeout) == 792);
static_assert(offsetof(ProfileData, ECOMode) == 796);
static_assert(offsetof(ProfileData, PollingRate) == 800);
static_assert(offsetof(ProfileData, ModifyKey) == 804);
static_assert(offsetof(ProfileData, standardkey) == 828);
static_assert(offsetof(ProfileData, keys) == 932);
static_assert(offsetof(ProfileData, lightingReserved) == 16804);
static_assert(offsetof(ProfileData, apmLightInfo) == 16808);

// The 192 change flags, 768 bytes, each 0 or 1.
struct ChangeFlags {
    int32_t keySlot[kProfileCount][kKeySlotCount]; // whole MacroKeyInfo differs
    int32_t lighting[kProfileCount];               // report 10
    int32_t currentProfile;                        // report 5
    int32_t standardKey[kProfileCount];            // report 6
    int32_t modifyKey[kProfileCount];              // report 7
    int32_t imported[kProfileCount];               // kept by Option only
    int32_t hddKeyboard;                           // compared, never sent
    int32_t unused[kProfileCount];                 // never set
    int32_t pollingRate[kProfileCount];            // report 11
};
static_assert(sizeof(ChangeFlags) == 768);

// The whole configuration record, 84892 bytes.
struct ConfigBlock {
    int32_t CurrentProfile; // 0-4, -1 = none selected
    ProfileData profiles[kProfileCount];
    ChangeFlags flags;

    // The current profile, or nullptr while none is selected (-1) or the
    // value is out of range: callers never index with an unchecked value.
    ProfileData *currentProfileData();
    const ProfileData *currentProfileData() const;
};
static_assert(sizeof(ConfigBlock) == 84892);
static_assert(offsetof(ConfigBlock, CurrentProfile) == 0);
static_assert(offsetof(ConfigBlock, profiles) == 4);
static_assert(offsetof(ConfigBlock, flags) == 84124);
static_assert(offsetof(ConfigBlock, flags) + offsetof(ChangeFlags, keySlot) == 84124);
static_assert(offsetof(ConfigBlock, flags) + offsetof(ChangeFlags, lighting) == 84764);
static_assert(offsetof(ConfigBlock, flags) + offsetof(ChangeFlags, currentProfile) == 84784);
static_assert(offsetof(ConfigBlock, flags) + offsetof(ChangeFlags, standardKey) == 84788);
static_assert(offsetof(ConfigBlock, flags) + offsetof(ChangeFlags, modifyKey) == 84808);
static_assert(offsetof(ConfigBlock, flags) + offsetof(ChangeFlags, imported) == 84828);
static_assert(offsetof(ConfigBlock, flags) + offsetof(ChangeFlags, hddKeyboard) == 84848);
static_assert(offsetof(ConfigBlock, flags) + offsetof(ChangeFlags, unused) == 84852);
static_assert(offsetof(ConfigBlock, flags) + offsetof(ChangeFlags, pollingRate) == 84872);

// The factory order of the 104 standard keys; also the default remap table.
extern const uint8_t kDefaultStandardKeys[kStandardKeyCount];

// The keyboard's 160-cell key matrix as it leaves the factory: the key code
// each cell sends. Each standard key belongs to the first cell holding its
// default code.
inline constexpr int kKeyMatrixCells = 160;
extern const uint8_t kFactoryKeyMatrix[kKeyMatrixCells];

// Factory entry (type, flags, code) of key slots 0-14.
struct FactoryKeyEntry {
    uint8_t type;
    uint8_t flags;
    uint16_t code;
};
extern const FactoryKeyEntry kFactoryKeyEntries[kKeyboardSlotCount];

// True when the index names one of the five profiles.
constexpr bool isValidProfile(int index) {
    return index >= 0 && index < kProfileCount;
}

// CurrentProfile = -1; the profiles, the per-key flags and the flags up to
// 84871 zeroed. The polling-rate flags are left untouched.
void resetConfig(ConfigBlock &config);

// Factory settings of profile n (0-4). `nameText` is language text 1040;
// the name becomes "<nameText> #<n+1>". Reserved words and apmLightInfo
// keep what they held.
void makeDefaultProfile(ProfileData &profile, int n, std::string_view nameText);

// CurrentProfile = 0, then every profile made default.
void makeDefaultConfig(ConfigBlock &config, std::string_view nameText);

// The clearing Option does after an apply: every flag except hddKeyboard.
void clearChangeFlags(ConfigBlock &config);

// Sets a slot's type, flags and code to its factory entry (slots 0-14);
// other fields stay. Slots 15-31 become unassigned.
void setFactoryKeyEntry(MacroKeyInfo &key, int slot);

// Where a cut at byte `at` of UTF-8 text has to go so that no character is
// split: `at`, or the start of the character `at` falls inside. Bytes that
// are not UTF-8 there are cut where they stand.
std::size_t utf8CharacterStart(std::string_view text, std::size_t at);

// Copies text into a fixed char field, cut so that the NUL always fits and
// no UTF-8 character is split, the rest zero-filled.
void copyFixedString(char *field, std::size_t fieldSize, std::string_view text);

// The NUL-terminated text of a fixed char field (never reads past it).
std::string_view fixedString(const char *field, std::size_t fieldSize);

template <std::size_t N> void setFixed(char (&field)[N], std::string_view text) {
    copyFixedString(field, N, text);
}
template <std::size_t N> std::string_view getFixed(const char (&field)[N]) {
    return fixedString(field, N);
}

} // namespace orvyn
