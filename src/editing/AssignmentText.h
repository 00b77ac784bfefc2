// The one-line text that shows a key's current assignment.
#pragma once

#include <string>

#include "editing/KeyCodeTable.h"
#include "shared/ConfigBlock.h"
#include "uitext/UiText.h"

namespace orvyn {

class AssignmentText {
public:
    AssignmentText(const TextSource &texts, const KeyCodeTable &keys, KeyNames names = KeyNames::Table)
        : texts_(texts), keys_(keys), names_(names) {}

    std::string text(const MacroKeyInfo &entry) const;

    // Name of the virtual key that a key code gives on the active layout:
    // with KeyNames::Table in the user's language (the window shows it),
    // with KeyNames::Labels in English (vantorctl reads it back).
    std::string keyCodeName(uint32_t keyCode) const;

private:
    const TextSource &texts_;
    const KeyCodeTable &keys_;
    KeyNames names_;
};

// File name and extension of a program path, folders cut at "/" or "\".
std::string programFileName(std::string_view path);

} // namespace orvyn
