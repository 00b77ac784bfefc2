#include "option/skin/SkinFonts.h"

#include <QFontMetrics>
#include <QStringList>
#include <algorithm>

namespace orvyn {

namespace {

QFont::Weight qtWeight(int weight) {
    // Qt 6 uses the same 100-900 scale.
    return static_cast<QFont::Weight>(std::clamp(weight, 100, 900));
}

} // namespace

QFont skinFont(FontFace face, int cellHeight, int averageWidth, int weight) {
    QFont font;
    if (face == FontFace::Arial) {
        font.setFamilies(QStringList{QStringLiteral("Liberation Sans"), QStringLiteral("Arial")});
    } else {
        font.setFamilies(QStringList{QStringLiteral("Liberation Sans Narrow"), QStringLiteral("DejaVu Sans")});
    }
    font.setStyleHint(QFont::SansSerif);
    font.setWeight(qtWeight(weight));
    cellHeight = std::max(1, cellHeight);
    // The largest pixel size whose line (ascent + descent) fits the cell.
    int pixelSize = cellHeight;
    font.setPixelSize(pixelSize);
    while (pixelSize > 1 && QFontMetrics(font).height() > cellHeight) {
        --pixelSize;
        font.setPixelSize(pixelSize);
    }
    if (averageWidth > 0) {
        const int natural = QFontMetrics(font).averageCharWidth();
        if (natural > 0)
            font.setStretch(std::clamp(averageWidth * 100 / natural, 50, 200));
    }
    return font;
}

} // namespace orvyn
