// The domain of every field of a profile: the values the configuration
// window, vantorctl's own commands or a read-back from the keyboard can put
// there. One check, used by every import (profile files, JSON documents),
// by vantorctl's `set`, and by the load of the programs' own settings files,
// which repair (instead of refuse) what lies outside.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

#include "shared/ConfigBlock.h"

namespace orvyn {

// Key codes with a row in KeyCodeTable: the keys 4-49, 51-101,
// 112-129, 224-231 and the mouse buttons 241-245. KeyCodeTable checks at
// compile time that its rows are exactly these.
constexpr bool isTableKeyCode(unsigned code) {
    return (code >= 4 && code <= 49) || (code >= 51 && code <= 101) || (code >= 112 && code <= 129) ||
           (code >= 224 && code <= 231) || (code >= 241 && code <= 245);
}
constexpr bool isMouseButtonCode(unsigned code) {
    return code >= 241 && code <= 245;
}
// A key code a macro step may hold: a KeyCodeTable code, or one the
// keyboard's own keys send (a non-zero cell of its factory matrix), which a
// macro recorded on the keyboard itself can contain.
bool isMacroStepKeyCode(unsigned code);

// Which field of a profile a violation is about. `index` below is the
// switch (ModifyKey), the remap position (StandardKey) or the key slot
// (Key*, Macro*, Event*, ProgramPath); `step` the macro step.
enum class DomainField : uint8_t {
    ProfileName,
    GameFile,
    MediaOption,
    HddKeyboard,
    LtSwitch,
    LtEffectType,
    LtFlag,
    LtColor,
    LtControl,
    LtSaving,
    LtTimeout,
    EcoMode,
    PollingRate,
    ModifyKey,
    StandardKey,
    KeyType,
    KeyFlags,
    KeyCode,
    MacroName,
    EventCount,
    RepeatCount,
    EventKey,
    EventState,
    ProgramPath,
};

struct DomainViolation {
    DomainField field;
    int index = -1;
    int step = -1;
    std::string value; // the value as text (numbers decimal, texts quoted)
    // The sentence, a source text of context "ProfileCheck": %1 the field,
    // %2 `value`, %3 `detail` ("%1: %2 is not an assignment type").
    const char *why = "";
    std::string detail; // a limit the sentence names, or empty

    // The field as the profile file names it: "MacroKeyInfo3.type",
    // "standardkey[14]", "MacroKeyInfo3.events[2].key".
    std::string fileField() const;
    // The sentence in the user's language, the field named `fieldPath`
    // (how a JSON document or a command line names it).
    std::string message(std::string_view fieldPath) const;
    // The same with fileField(): "MacroKeyInfo3.type: 12 is not an assignment type".
    std::string message() const;
    bool inKeySlot() const { return field >= DomainField::KeyType; }
};

// Every field outside its domain, in field order, at most `limit`. Key
// slots 15-31 are checked like 0-14 (they are imported and stored), the
// macro fields only for macro keys (type 3), the program path only for
// program keys (type 11). Reserved words, the slot byte and apmLightInfo
// are not interpreted by anyone and not checked.
std::vector<DomainViolation> profileViolations(const ProfileData &profile,
                                               std::size_t limit = std::numeric_limits<std::size_t>::max());

// Why a name or path is refused (a DomainViolation::why), or nullptr: a C0
// or C1 control character or a bidirectional override, embedding or isolate
// (U+202A-U+202E, U+2066-U+2069).
const char *textFault(std::string_view text);

// The loading of a program's own profile file: every field outside its
// domain gets its factory value (a key slot its whole factory entry), and
// `report` hears one line per repaired field, in the user's language. `n` is the profile number
// (0-4) and `nameText` language text 1040, for the factory name. Returns
// how many fields were repaired.
int repairProfile(ProfileData &profile, int n, std::string_view nameText,
                  const std::function<void(const std::string &line)> &report);

} // namespace orvyn
