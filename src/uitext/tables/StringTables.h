// The string tables of the language library, one per language, in the same
// identifiers. A text a table lacks is looked up in English.
#pragma once

#include <span>

namespace orvyn::uitext {

struct Entry {
    unsigned id;
    const char *text; // UTF-8
};

extern const std::span<const Entry> kEnglishTexts;
extern const std::span<const Entry> kGermanTexts;

} // namespace orvyn::uitext
