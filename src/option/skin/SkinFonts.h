// The faces the windows ask for, mapped to fonts a Linux desktop has:
// "Arial" is drawn with Liberation Sans (same metrics); "Eurostile", a wide
// squared display face, with Liberation Sans Narrow (the skin set's heading
// face; DejaVu Sans where it is not installed).
#pragma once

#include <QFont>

namespace orvyn {

enum class FontFace { Arial, Eurostile };

// A font given the way the windows give it: cell height in pixels
// (ascent + descent), average character width in pixels (0 = the face's
// own), weight 100-900 (400 normal, 700 bold).
QFont skinFont(FontFace face, int cellHeight, int averageWidth, int weight);

} // namespace orvyn
