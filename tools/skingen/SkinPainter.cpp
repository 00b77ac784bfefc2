#include "SkinPainter.h"
#include "SkinText.h"

#include <QFontMetrics>
#include <QLinearGradient>
#include <QPainter>
#include <QPolygonF>
#include <QRadialGradient>

namespace orvyn::skingen {

namespace {

// Fill, border and text colour of the framed looks in one state.
struct Face {
    QColor top, bottom, border, text;
};

Face buttonFace(State s) {
    using namespace palette;
    switch (s) {
    case State::Normal:
        return {{38, 38, 44}, {26, 26, 31}, {62, 62, 70}, text};
    case State::Over:
        return {{48, 48, 56}, {32, 32, 38}, red, Qt::white};
    case State::Down:
        return {{150, 14, 20}, {92, 7, 11}, redHigh, Qt::white};
    case State::Disable:
        return {{22, 22, 25}, {20, 20, 23}, {37, 37, 42}, textOff};
    }
    return {};
}

Face primaryFace(State s) {
    using namespace palette;
    switch (s) {
    case State::Normal:
        return {{204, 20, 28}, {140, 12, 18}, red, Qt::white};
    case State::Over:
        return {{240, 40, 48}, {170, 18, 26}, {255, 110, 114}, Qt::white};
    case State::Down:
        return {{110, 9, 14}, {74, 6, 9}, redHigh, {240, 200, 200}};
    case State::Disable:
        return {{44, 22, 24}, {32, 16, 18}, {60, 30, 32}, {110, 80, 82}};
    }
    return {};
}

void drawFramedFace(QPainter &p, const QRectF &r, const Face &f, qreal cut) {
    const QPainterPath path = cutCornerPath(r.adjusted(0.5, 0.5, -0.5, -0.5), cut);
    p.setPen(Qt::NoPen);
    p.setBrush(vertical(r, f.top, f.bottom));
    p.drawPath(path);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(f.border, 1));
    p.drawPath(path);
}

// A red glow line under the bottom edge of a hovered control.
void drawUnderGlow(QPainter &p, const QRectF &r) {
    QLinearGradient g(r.left(), 0, r.right(), 0);
    g.setColorAt(0, QColor(227, 18, 27, 0));
    g.setColorAt(0.5, QColor(255, 58, 64, 230));
    g.setColorAt(1, QColor(227, 18, 27, 0));
    p.setPen(QPen(QBrush(g), 2));
    p.drawLine(QPointF(r.left() + 4, r.bottom() - 1), QPointF(r.right() - 4, r.bottom() - 1));
}

// Room a caption keeps from the sides of its control.
constexpr qreal kCaptionPadding = 4;

void drawLabel(QPainter &p, const QRectF &r, const QString &text, const QColor &color, int pixelSize,
               int flags = Qt::AlignCenter) {
    const QRectF box = r.adjusted(kCaptionPadding, 0, -kCaptionPadding, 0);
    p.setFont(fittedFont(text, headingFont(pixelSize), box.size().toSize(), flags));
    p.setPen(color);
    p.drawText(box, flags, text);
}

void drawButton(QPainter &p, const Control &c, State s, bool primary) {
    const QRectF r = c.rect;
    const Face f = primary ? primaryFace(s) : buttonFace(s);
    drawFramedFace(p, r, f, 6);
    if (s == State::Over && !primary)
        drawUnderGlow(p, r);
    const QRectF textRect = s == State::Down ? r.translated(1, 1) : r;
    drawLabel(p, textRect, c.label, f.text, r.height() >= 30 ? 15 : 13);
}

void drawTab(QPainter &p, const Control &c, State s) {
    using namespace palette;
    const QRectF r = c.rect;
    QColor textColor = textDim;
    p.setPen(Qt::NoPen);
    switch (s) {
    case State::Normal:
        p.setBrush(vertical(r, QColor(24, 24, 28), QColor(18, 18, 21)));
        p.drawPath(cutCornerPath(r, 8));
        break;
    case State::Over:
        p.setBrush(vertical(r, QColor(36, 36, 42), QColor(24, 24, 28)));
        p.drawPath(cutCornerPath(r, 8));
        textColor = Qt::white;
        break;
    case State::Down:
        p.setBrush(vertical(r, QColor(86, 9, 13), QColor(30, 8, 10)));
        p.drawPath(cutCornerPath(r, 8));
        textColor = Qt::white;
        break;
    case State::Disable:
        p.setBrush(QColor(16, 16, 18));
        p.drawPath(cutCornerPath(r, 8));
        textColor = textOff;
        break;
    }
    // The bottom bar marks the tab: thin on hover, thick when selected.
    if (s == State::Over || s == State::Down) {
        const int bar = s == State::Down ? 3 : 1;
        p.setBrush(s == State::Down ? red : redDark);
        p.drawRect(QRectF(r.left(), r.bottom() - bar + 1, r.width(), bar));
    } else {
        p.setBrush(line);
        p.drawRect(QRectF(r.left(), r.bottom(), r.width(), 1));
    }
    drawLabel(p, r, c.label, textColor, 16);
}

void drawLed(QPainter &p, QPointF centre, State s) {
    using namespace palette;
    QColor core = s == State::Down      ? redHigh
                  : s == State::Over    ? redDark
                  : s == State::Disable ? QColor(34, 34, 38)
                                        : QColor(58, 58, 66);
    if (s == State::Down) {
        QRadialGradient glow(centre, 9);
        glow.setColorAt(0, QColor(255, 40, 48, 170));
        glow.setColorAt(1, QColor(255, 40, 48, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(glow);
        p.drawEllipse(centre, 9, 9);
    }
    p.setPen(QPen(QColor(0, 0, 0, 160), 1));
    p.setBrush(core);
    p.drawEllipse(centre, 3.5, 3.5);
}

void drawSelector(QPainter &p, const Control &c, State s) {
    const QRectF r = c.rect;
    Face f = buttonFace(s);
    if (s == State::Down)
        f = {{110, 10, 16}, {60, 6, 9}, palette::red, Qt::white};
    drawFramedFace(p, r, f, 6);
    if (s == State::Over)
        drawUnderGlow(p, r);
    drawLed(p, QPointF(r.left() + 14, r.center().y()), s);
    drawLabel(p, r.adjusted(22, 0, -4, 0), c.label, f.text, r.height() >= 30 ? 15 : 14);
}

void drawToggle(QPainter &p, const Control &c, State s) {
    using namespace palette;
    const QRectF r = c.rect;
    Face f = buttonFace(s);
    if (s == State::Down)
        f = {{52, 14, 17}, {34, 9, 11}, red, Qt::white};
    drawFramedFace(p, r, f, 5);
    const qreal box = 13;
    const QRectF b(r.left() + 9, r.center().y() - box / 2, box, box);
    p.setPen(QPen(s == State::Normal ? lineHigh : s == State::Disable ? QColor(40, 40, 45) : red, 1));
    p.setBrush(s == State::Down ? QBrush(red) : QBrush(QColor(10, 10, 12)));
    p.drawRect(b.adjusted(0.5, 0.5, -0.5, -0.5));
    if (s == State::Down) {
        p.setPen(QPen(Qt::white, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPolyline(
            QPolygonF({QPointF(b.left() + 3, b.center().y()), QPointF(b.left() + 5.5, b.bottom() - 3.5),
                       QPointF(b.right() - 2.5, b.top() + 3)}));
    }
    drawLabel(p, r.adjusted(box + 14, 0, -4, 0), c.label, f.text, 14, Qt::AlignCenter | Qt::TextWordWrap);
}

void drawChevron(QPainter &p, QPointF centre, const QColor &color) {
    p.setPen(QPen(color, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(QPolygonF({centre + QPointF(-4, -2), centre + QPointF(0, 2), centre + QPointF(4, -2)}));
}

void drawCaptionField(QPainter &p, const Control &c, State s) {
    using namespace palette;
    const QRectF r = c.rect;
    // The program writes the caption in white from x = 5, so every state
    // keeps the left part of the field dark.
    Face f{{20, 20, 24}, {14, 14, 17}, {62, 62, 70}, textDim};
    if (s == State::Over)
        f = {{30, 30, 36}, {20, 20, 24}, red, red};
    else if (s == State::Down)
        f = {{74, 8, 12}, {44, 6, 9}, redHigh, Qt::white};
    else if (s == State::Disable)
        f = {{14, 14, 16}, {13, 13, 15}, {34, 34, 38}, {46, 46, 50}};
    drawFramedFace(p, r, f, 5);
    const qreal arrowWidth = 22;
    p.setPen(QPen(s == State::Disable ? QColor(30, 30, 34) : line, 1));
    p.drawLine(QPointF(r.right() - arrowWidth, r.top() + 5), QPointF(r.right() - arrowWidth, r.bottom() - 5));
    drawChevron(p, QPointF(r.right() - arrowWidth / 2, r.center().y() + 1), f.text);
    if (s == State::Over)
        drawUnderGlow(p, r);
}

void drawGlyph(QPainter &p, Glyph g, const QRectF &r, const QColor &color) {
    const QPointF c = r.center();
    p.setPen(QPen(color, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    switch (g) {
    case Glyph::Close:
        p.drawLine(c + QPointF(-5, -5), c + QPointF(5, 5));
        p.drawLine(c + QPointF(-5, 5), c + QPointF(5, -5));
        break;
    case Glyph::Minimize:
        p.drawLine(c + QPointF(-6, 5), c + QPointF(6, 5));
        break;
    case Glyph::Help:
        p.setFont(bodyFont(15, true));
        p.setPen(color);
        p.drawText(r, Qt::AlignCenter, QStringLiteral("?"));
        break;
    case Glyph::Web:
        p.setPen(QPen(color, 1.4));
        p.drawEllipse(c, 7, 7);
        p.drawEllipse(c, 3, 7);
        p.drawLine(c + QPointF(-7, 0), c + QPointF(7, 0));
        break;
    case Glyph::Record:
        p.setPen(Qt::NoPen);
        p.setBrush(color);
        p.drawEllipse(c, 6, 6);
        break;
    case Glyph::Stop:
        p.setPen(Qt::NoPen);
        p.setBrush(color);
        p.drawRect(QRectF(c.x() - 5, c.y() - 5, 10, 10));
        break;
    case Glyph::None:
        break;
    }
}

void drawWindowButton(QPainter &p, const Control &c, State s) {
    using namespace palette;
    const QRectF r = c.rect;
    QColor glyph = textDim;
    p.setPen(Qt::NoPen);
    if (s == State::Over) {
        p.setBrush(c.glyph == Glyph::Close ? QColor(196, 16, 24) : QColor(44, 44, 51));
        p.drawRect(r);
        glyph = Qt::white;
    } else if (s == State::Down) {
        p.setBrush(redDark);
        p.drawRect(r);
        glyph = Qt::white;
    } else if (s == State::Disable) {
        glyph = QColor(50, 50, 56);
    }
    drawGlyph(p, c.glyph, r, glyph);
}

// Face of a key cap; the Enter key passes its L-shaped outline.
void drawKeyCap(QPainter &p, const QPainterPath &outline, const QRectF &bounds, State s) {
    using namespace palette;
    QColor top{44, 44, 51}, bottom{27, 27, 32}, border{66, 66, 75};
    if (s == State::Over) {
        top = QColor(56, 56, 64);
        bottom = QColor(34, 34, 40);
        border = red;
    } else if (s == State::Down) {
        top = QColor(226, 24, 32);
        bottom = QColor(140, 12, 18);
        border = redHigh;
    } else if (s == State::Disable) {
        top = QColor(22, 22, 25);
        bottom = QColor(18, 18, 21);
        border = QColor(34, 34, 38);
    }
    // A darker skirt under the cap gives it height.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(6, 6, 7));
    p.drawPath(outline.translated(0, 1));
    p.setBrush(vertical(bounds, top, bottom));
    p.drawPath(outline);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(border, 1));
    p.drawPath(outline);
    if (s != State::Disable) {
        // Top highlight.
        p.setPen(QPen(QColor(255, 255, 255, s == State::Down ? 70 : 28), 1));
        p.drawLine(QPointF(bounds.left() + 3, bounds.top() + 1.5),
                   QPointF(bounds.right() - 3, bounds.top() + 1.5));
    }
}

void drawKeyLegend(QPainter &p, const QRectF &r, const Control &c, State s) {
    using namespace palette;
    const QColor color = s == State::Disable  ? textOff
                         : s == State::Normal ? QColor(214, 214, 220)
                                              : Qt::white;
    p.setPen(color);
    const bool small = c.label.size() > 3 || r.width() < 20;
    if (!c.subLabel.isEmpty()) {
        p.setFont(bodyFont(9, true));
        p.drawText(r.adjusted(0, 1, 0, -r.height() / 2), Qt::AlignHCenter | Qt::AlignBottom, c.subLabel);
        p.drawText(r.adjusted(0, r.height() / 2, 0, -1), Qt::AlignHCenter | Qt::AlignTop, c.label);
        return;
    }
    // Long legends in the narrow face so that they fit their caps.
    QFont f = bodyFont(11, true);
    if (small) {
        f = headingFont(r.width() < 28 ? 9 : 10);
        f.setLetterSpacing(QFont::AbsoluteSpacing, 0);
    }
    // A legend longer than its cap takes a second line (a translator may
    // offer a break inside a long word with a soft hyphen).
    const int flags = Qt::AlignCenter | Qt::TextWordWrap;
    p.setFont(fittedFont(c.label, f, r.size().toSize(), flags));
    p.drawText(r, flags, c.label);
}

void drawKey(QPainter &p, const Control &c, State s) {
    const QRectF r = QRectF(c.rect).adjusted(0.5, 0.5, -0.5, -0.5);
    QPainterPath path;
    path.addRoundedRect(r, 3, 3);
    drawKeyCap(p, path, r, s);
    drawKeyLegend(p, r, c, s);
}

} // namespace

// The Enter key's outline inside its rectangle: the full width in the top 22
// rows, columns 7 to the right edge below (the white block of mask 308).
QPainterPath enterKeyPath(const QRectF &r) {
    QPainterPath path;
    const qreal notch = 7, upper = 22;
    path.moveTo(r.left() + 0.5, r.top() + 0.5);
    path.lineTo(r.right() - 0.5, r.top() + 0.5);
    path.lineTo(r.right() - 0.5, r.bottom() - 0.5);
    path.lineTo(r.left() + notch + 0.5, r.bottom() - 0.5);
    path.lineTo(r.left() + notch + 0.5, r.top() + upper - 0.5);
    path.lineTo(r.left() + 0.5, r.top() + upper - 0.5);
    path.closeSubpath();
    return path;
}

namespace {

void drawEnterKey(QPainter &p, const Control &c, State s) {
    const QRectF r = c.rect;
    drawKeyCap(p, enterKeyPath(r), r, s);
    drawKeyLegend(p, QRectF(r.left(), r.top(), r.width(), 22), c, s);
}

void drawRecordButton(QPainter &p, const Control &c, State s) {
    const QRectF r = c.rect;
    const Face f = buttonFace(s);
    drawFramedFace(p, r, f, 6);
    if (s == State::Over)
        drawUnderGlow(p, r);
    const QColor dot = s == State::Disable ? QColor(70, 30, 32)
                       : s == State::Down  ? Qt::white
                                           : palette::redHigh;
    drawGlyph(p, c.glyph, QRectF(r.left() + 8, r.top(), 22, r.height()), dot);
    drawLabel(p, r.adjusted(26, 0, -4, 0), c.label, f.text, 15);
}

void drawField(QPainter &p, const QRect &rect, const QColor &fill) {
    using namespace palette;
    const QRect frame = rect.adjusted(-2, -2, 1, 1);
    p.setPen(QPen(line, 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(frame);
    p.setPen(QPen(redDark, 1));
    p.drawLine(frame.bottomLeft(), frame.bottomRight());
    p.fillRect(rect, fill);
}

} // namespace

void drawControl(QPainter &p, const Control &c, State s) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    switch (c.look) {
    case Look::Button:
        drawButton(p, c, s, false);
        break;
    case Look::PrimaryButton:
        drawButton(p, c, s, true);
        break;
    case Look::Tab:
        drawTab(p, c, s);
        break;
    case Look::Selector:
        drawSelector(p, c, s);
        break;
    case Look::Toggle:
        drawToggle(p, c, s);
        break;
    case Look::CaptionField:
        drawCaptionField(p, c, s);
        break;
    case Look::WindowButton:
        drawWindowButton(p, c, s);
        break;
    case Look::Key:
        drawKey(p, c, s);
        break;
    case Look::EnterKey:
        drawEnterKey(p, c, s);
        break;
    case Look::RecordButton:
        drawRecordButton(p, c, s);
        break;
    case Look::Logo:
        drawEmblem(p, QRectF(c.rect).adjusted(2, 1, -2, -1), s);
        break;
    case Look::EditField:
        drawField(p, c.rect, c.fieldColor.isValid() ? c.fieldColor : QColor(Qt::white));
        break;
    case Look::ListField:
        drawField(p, c.rect, QColor(18, 18, 18));
        break;
    case Look::TextSpot:
        break;
    }
    p.restore();
}

} // namespace orvyn::skingen
