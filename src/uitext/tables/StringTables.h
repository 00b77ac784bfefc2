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
extern const std::span<const Entry> kFrenchTexts;
extern const std::span<const Entry> kSpanishTexts;
extern const std::span<const Entry> kBrazilianPortugueseTexts;
extern const std::span<const Entry> kItalianTexts;
extern const std::span<const Entry> kPolishTexts;
extern const std::span<const Entry> kRussianTexts;
extern const std::span<const Entry> kSimplifiedChineseTexts;
extern const std::span<const Entry> kJapaneseTexts;

} // namespace orvyn::uitext
