// The suite's string tables, addressed by numeric identifier, in the language
// the programs select (English until they do).
#include "uitext.h"

#include <cstring>
#include <iterator>
#include <string_view>

#include "uitext/tables/StringTables.h"

namespace {

using orvyn::uitext::Entry;

struct Table {
    std::string_view code;
    std::span<const Entry> texts;
};

const Table kTables[] = {
    {"en", orvyn::uitext::kEnglishTexts},
    {"de", orvyn::uitext::kGermanTexts},
    {"fr", orvyn::uitext::kFrenchTexts},
    {"es", orvyn::uitext::kSpanishTexts},
    {"pt_BR", orvyn::uitext::kBrazilianPortugueseTexts},
    {"it", orvyn::uitext::kItalianTexts},
    {"pl", orvyn::uitext::kPolishTexts},
    {"ru", orvyn::uitext::kRussianTexts},
    {"zh_CN", orvyn::uitext::kSimplifiedChineseTexts},
    {"ja", orvyn::uitext::kJapaneseTexts},
};

// Index into kTables; English first.
std::size_t gSelected = 0;

const char *find(std::span<const Entry> table, unsigned id) {
    for (const Entry &e : table)
        if (e.id == id)
            return e.text;
    return nullptr;
}

} // namespace

extern "C" __attribute__((visibility("default"))) int uitext_select_language(const char *code) {
    for (std::size_t i = 0; i < std::size(kTables); ++i)
        if (code && kTables[i].code == code) {
            gSelected = i;
            return 1;
        }
    gSelected = 0;
    return 0;
}

extern "C" __attribute__((visibility("default"))) int uitext_load_string(unsigned id, char *buf, int size) {
    if (!buf || size <= 0)
        return 0;
    const char *text = find(kTables[gSelected].texts, id);
    if (!text)
        text = find(orvyn::uitext::kEnglishTexts, id);
    if (!text) {
        buf[0] = '\0';
        return 0;
    }
    const std::size_t len = std::strlen(text);
    const std::size_t n = len < static_cast<std::size_t>(size - 1) ? len : static_cast<std::size_t>(size - 1);
    std::memcpy(buf, text, n);
    buf[n] = '\0';
    return static_cast<int>(n);
}
