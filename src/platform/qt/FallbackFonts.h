// Chinese and Japanese glyphs drawn with one known face, whatever the
// desktop's fontconfig would pick (or not pick) for the faces we name.
#pragma once

#include <QStringList>

namespace orvyn {

inline constexpr char kCjkFallbackFamily[] = "WenQuanYi Micro Hei";

// The faces the programs and the skin kit ask for by name.
QStringList namedFontFamilies();

// Once, right after the application object exists: every named face and
// the application's own font fall back to kCjkFallbackFamily for glyphs
// they lack (a Latin text keeps its face).
void installFallbackFonts();

} // namespace orvyn
