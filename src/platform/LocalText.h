// Texts the Qt-free code composes for the user, in the user's language. The
// code marks each text with QT_TRANSLATE_NOOP(context, source) so that
// lupdate finds it, and asks `localText` for it where it is shown; a Qt
// program points the hook at its translation system at start, anything else
// reads the English source. Values go into %1..%9 after translation, so a
// translator moves them as the language needs.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif

namespace orvyn {

// Returns the translation of `source` in `context`, or `source` itself.
using TextTranslator = std::string (*)(const char *context, const char *source);

// nullptr restores the English sources.
void setTextTranslator(TextTranslator translator);

// `text` with %1..%9 replaced by `values` in one pass (a value holding "%2"
// stays as it is); a number without a value, and "%%", are kept.
std::string fillPlaceholders(std::string_view text, std::initializer_list<std::string_view> values);

// The translation of `source`, values filled in.
std::string localText(const char *context, const char *source,
                      std::initializer_list<std::string_view> values = {});

} // namespace orvyn
