// Texts of the skin set: translated into the language being drawn, and
// measured where they are drawn, so that a caption too long for its control
// stops the build instead of being cut in the pictures.
#pragma once

#include <QFont>
#include <QRect>
#include <QString>
#include <QTranslator>

#include <vector>

namespace orvyn::skingen {

// The language's text for `source` (English when there is none).
QString skinText(const char *context, const char *source);

enum class Fit {
    Fits,         // at the asked size
    Shrunk,       // at a smaller size, not below the floor
    TooLarge,     // not even at the floor
    MissingGlyph, // a character none of the font's families can draw
};

struct FitResult {
    Fit fit = Fit::Fits;
    int needed = 0;        // width (one line) or height (wrapped) at the floor
    int holds = 0;         // what the box gives
    bool byHeight = false; // needed and holds are heights
    int pixelSize = 0;     // the size to draw with
    char32_t missing = 0;  // the first character no family draws
};

// The smallest size a text may shrink to, in percent of its own.
inline constexpr int kShrinkFloorPercent = 80;

// Measures `text` drawn in `font` with `flags` into `box`: one line against
// the box's width, a text with Qt::TextWordWrap against its height (and no
// word wider than the box). Shrinks the font a pixel at a time down to the
// floor before it counts as too large.
FitResult fitText(const QString &text, const QFont &font, QSize box, int flags,
                  int floorPercent = kShrinkFloorPercent);

// Where the drawing is, for the misfit lines.
void setDrawingPlace(const QString &window, const QString &control);

// The font to draw `text` with into `box`: `font`, or shrunk to fit. A text
// that does not fit even so is noted for misfits().
QFont fittedFont(const QString &text, const QFont &font, QSize box, int flags);

// The misfits noted since the last call, one line each
// ("<window>: <control>: caption "..." is N px wide, the control holds M px"),
// without repeats.
QStringList takeMisfits();

// The pseudo-language: every text with its letters accented and padded to
// 140 % of its length, placeholders kept ("[Śávé ~~]").
QString pseudoText(const QString &source);

class PseudoTranslator : public QTranslator {
public:
    QString translate(const char *context, const char *sourceText, const char *disambiguation,
                      int n) const override;
    bool isEmpty() const override { return false; }
};

} // namespace orvyn::skingen
