// Drawing kit of the skin set: one palette, two type faces and the looks of
// every kind of control in each of its four states.
#pragma once

#include "SkinModel.h"

#include <QColor>
#include <QFont>
#include <QLinearGradient>
#include <QPainterPath>

namespace orvyn::skingen {

namespace palette {
inline const QColor base{12, 12, 14};
inline const QColor baseHigh{22, 22, 26};
inline const QColor panel{19, 19, 23};
inline const QColor field{15, 15, 18};
inline const QColor line{46, 46, 53};
inline const QColor lineHigh{68, 68, 77};
inline const QColor text{232, 232, 234};
inline const QColor textDim{152, 152, 162};
inline const QColor textOff{80, 80, 88};
inline const QColor red{227, 18, 27};
inline const QColor redHigh{255, 58, 64};
inline const QColor redDark{125, 10, 15};
inline const QColor redDeep{52, 6, 8};
} // namespace palette

// A top-to-bottom gradient over `r`.
QLinearGradient vertical(const QRectF &r, const QColor &top, const QColor &bottom);

// Body text: the metric twin of the face the programs use for their texts.
QFont bodyFont(int pixelSize, bool bold = false);
// Headings: a bold condensed face.
QFont headingFont(int pixelSize);

// Outline of a rectangle with its top-left and bottom-right corners cut.
QPainterPath cutCornerPath(const QRectF &rect, qreal cut);
// Outline of the Enter key inside its rectangle (the black part of mask 308).
QPainterPath enterKeyPath(const QRectF &rect);
// Outline of a whole window; `chamfer` 0 gives the plain rectangle.
QPainterPath windowPath(QSize size, int chamfer);

// Background, border and title bar of a window; `titleBarHeight` 0 draws
// no title bar.
void drawWindowBase(QPainter &p, QSize size, int chamfer, const QString &title, int titleBarHeight);
// A framed group with a heading in its top-left corner.
void drawGroup(QPainter &p, const QRect &rect, const QString &heading);
// A heading line with a red tick in front of it, `width` pixels wide with the tick.
void drawHeading(QPainter &p, QPoint topLeft, const QString &text, int pixelSize, int width);
// Plain text in a rectangle.
void drawText(QPainter &p, const QRect &rect, const QString &text, const QFont &font, const QColor &color,
              int flags = Qt::AlignLeft | Qt::AlignVCenter);
// Warning triangle with an exclamation mark.
void drawWarningSign(QPainter &p, const QRect &rect);
// Brand emblem (also the program icon), drawn into `rect`.
void drawEmblem(QPainter &p, const QRectF &rect, State state = State::Normal);

// One control in one state.
void drawControl(QPainter &p, const Control &control, State state);

} // namespace orvyn::skingen
