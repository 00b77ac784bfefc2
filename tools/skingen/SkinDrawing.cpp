#include "SkinPainter.h"
#include "SkinText.h"

#include <QFontMetrics>
#include <QLinearGradient>
#include <QPainter>
#include <QPolygonF>
#include <QRadialGradient>

namespace orvyn::skingen {

namespace {

// Chinese and Japanese: the Liberation faces hold Latin and Cyrillic only,
// so each glyph they lack is taken from here.
const QString kCjkFamily = QStringLiteral("WenQuanYi Micro Hei");

} // namespace

QLinearGradient vertical(const QRectF &r, const QColor &top, const QColor &bottom) {
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    return g;
}

QFont bodyFont(int pixelSize, bool bold) {
    QFont f(QStringLiteral("Liberation Sans"));
    f.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans"), kCjkFamily});
    f.setPixelSize(pixelSize);
    f.setBold(bold);
    f.setStyleStrategy(QFont::PreferAntialias);
    f.setHintingPreference(QFont::PreferFullHinting);
    return f;
}

QFont headingFont(int pixelSize) {
    QFont f(QStringLiteral("Liberation Sans Narrow"));
    f.setFamilies({QStringLiteral("Liberation Sans Narrow"), QStringLiteral("DejaVu Sans Condensed"),
                   QStringLiteral("Liberation Sans"), kCjkFamily});
    f.setPixelSize(pixelSize);
    f.setBold(true);
    f.setLetterSpacing(QFont::AbsoluteSpacing, 0.6);
    f.setStyleStrategy(QFont::PreferAntialias);
    return f;
}

QPainterPath cutCornerPath(const QRectF &r, qreal cut) {
    QPainterPath path;
    path.moveTo(r.left() + cut, r.top());
    path.lineTo(r.right(), r.top());
    path.lineTo(r.right(), r.bottom() - cut);
    path.lineTo(r.right() - cut, r.bottom());
    path.lineTo(r.left(), r.bottom());
    path.lineTo(r.left(), r.top() + cut);
    path.closeSubpath();
    return path;
}

QPainterPath windowPath(QSize size, int chamfer) {
    const qreal w = size.width(), h = size.height(), c = chamfer;
    QPainterPath path;
    if (chamfer <= 0) {
        path.addRect(0, 0, w, h);
        return path;
    }
    path.moveTo(c, 0);
    path.lineTo(w - c, 0);
    path.lineTo(w, c);
    path.lineTo(w, h - c);
    path.lineTo(w - c, h);
    path.lineTo(c, h);
    path.lineTo(0, h - c);
    path.lineTo(0, c);
    path.closeSubpath();
    return path;
}

void drawWindowBase(QPainter &p, QSize size, int chamfer, const QString &title, int titleBarHeight) {
    using namespace palette;
    const QRectF all(0, 0, size.width(), size.height());
    p.fillRect(all, Qt::white); // outside the outline; the mask makes it transparent
    const QPainterPath outline = windowPath(size, chamfer);
    p.setPen(Qt::NoPen);
    p.setBrush(vertical(all, QColor(20, 20, 24), base));
    p.drawPath(outline);

    // Fine diagonal texture, clipped to the outline.
    p.save();
    p.setClipPath(outline);
    p.setPen(QPen(QColor(255, 255, 255, 6), 1));
    for (int x = -size.height(); x < size.width(); x += 6)
        p.drawLine(QPointF(x, size.height()), QPointF(x + size.height(), 0));
    if (titleBarHeight > 0) {
        p.fillRect(QRectF(0, 0, size.width(), titleBarHeight),
                   vertical(QRectF(0, 0, 1, titleBarHeight), QColor(30, 30, 35), QColor(17, 17, 20)));
        p.setPen(QPen(red, 2));
        p.drawLine(QPointF(0, titleBarHeight), QPointF(size.width() * 0.35, titleBarHeight));
        p.setPen(QPen(line, 1));
        p.drawLine(QPointF(size.width() * 0.35, titleBarHeight), QPointF(size.width(), titleBarHeight));
    }
    p.restore();

    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(lineHigh, 1));
    p.drawPath(windowPath(size - QSize(1, 1), chamfer).translated(0.5, 0.5));
    // Red accents on the cut corners.
    p.setPen(QPen(red, 2));
    const qreal c = chamfer > 0 ? chamfer : 10, w = size.width() - 1, h = size.height() - 1;
    if (chamfer > 0) {
        p.drawLine(QPointF(1, c), QPointF(c, 1));
        p.drawLine(QPointF(w - c, h - 1), QPointF(w - 1, h - c));
    } else {
        p.drawLine(QPointF(1, 1), QPointF(c, 1));
        p.drawLine(QPointF(1, 1), QPointF(1, c));
    }
    if (titleBarHeight > 0 && !title.isEmpty()) {
        p.setPen(red);
        p.setBrush(red);
        p.drawPolygon(
            QPolygonF({QPointF(16, titleBarHeight / 2.0 - 7), QPointF(22, titleBarHeight / 2.0 - 7),
                       QPointF(18, titleBarHeight / 2.0 + 7), QPointF(12, titleBarHeight / 2.0 + 7)}));
        drawText(p, QRect(30, 0, size.width() - 120, titleBarHeight), title, headingFont(17), text);
    }
}

void drawGroup(QPainter &p, const QRect &rect, const QString &heading) {
    using namespace palette;
    const QRectF r = QRectF(rect).adjusted(0.5, 0.5, -0.5, -0.5);
    p.setPen(Qt::NoPen);
    p.setBrush(vertical(r, QColor(24, 24, 29, 235), QColor(16, 16, 19, 235)));
    p.drawPath(cutCornerPath(r, 10));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(line, 1));
    p.drawPath(cutCornerPath(r, 10));
    if (!heading.isEmpty())
        drawHeading(p, rect.topLeft() + QPoint(14, 10), heading, 14, rect.width() - 28);
}

void drawHeading(QPainter &p, QPoint topLeft, const QString &text, int pixelSize, int width) {
    p.setPen(Qt::NoPen);
    p.setBrush(palette::red);
    p.drawRect(QRect(topLeft.x(), topLeft.y() + 2, 3, pixelSize - 2));
    const QRect box(topLeft.x() + 9, topLeft.y() - 2, width - 9, pixelSize + 6);
    p.setFont(fittedFont(text, headingFont(pixelSize), box.size(), Qt::AlignLeft | Qt::AlignVCenter));
    p.setPen(palette::text);
    p.drawText(box, Qt::AlignLeft | Qt::AlignVCenter, text);
}

void drawText(QPainter &p, const QRect &rect, const QString &text, const QFont &font, const QColor &color,
              int flags) {
    p.setFont(fittedFont(text, font, rect.size(), flags));
    p.setPen(color);
    p.drawText(rect, flags, text);
}

void drawWarningSign(QPainter &p, const QRect &rect) {
    const QRectF r = rect;
    QPainterPath tri;
    tri.moveTo(r.center().x(), r.top());
    tri.lineTo(r.right(), r.bottom());
    tri.lineTo(r.left(), r.bottom());
    tri.closeSubpath();
    QRadialGradient glow(r.center(), r.width());
    glow.setColorAt(0, QColor(227, 18, 27, 60));
    glow.setColorAt(1, QColor(227, 18, 27, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(r.center(), r.width(), r.width());
    p.setBrush(vertical(r, palette::redHigh, palette::redDark));
    p.setPen(QPen(QColor(255, 120, 124), 1.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(tri);
    p.setFont(bodyFont(int(r.height() * 0.62), true));
    p.setPen(Qt::white);
    p.drawText(r.adjusted(0, r.height() * 0.22, 0, 0), Qt::AlignCenter, QStringLiteral("!"));
}

void drawEmblem(QPainter &p, const QRectF &r, State s) {
    // An angular badge holding a red "V" chevron.
    const qreal w = r.width(), h = r.height();
    auto at = [&](qreal x, qreal y) { return QPointF(r.left() + x * w, r.top() + y * h); };
    QPolygonF badge(
        {at(0.5, 0.0), at(0.95, 0.22), at(0.95, 0.72), at(0.5, 1.0), at(0.05, 0.72), at(0.05, 0.22)});
    const bool off = s == State::Disable;
    p.setPen(QPen(off                  ? QColor(60, 60, 66)
                  : s == State::Normal ? palette::red
                                       : palette::redHigh,
                  std::max(1.0, w / 24)));
    p.setBrush(vertical(r, off ? QColor(30, 30, 34) : QColor(44, 44, 52),
                        off ? QColor(18, 18, 20) : QColor(10, 10, 12)));
    p.drawPolygon(badge);
    QPolygonF chevron(
        {at(0.22, 0.28), at(0.40, 0.28), at(0.5, 0.56), at(0.60, 0.28), at(0.78, 0.28), at(0.5, 0.84)});
    QColor top = off ? QColor(90, 90, 96) : s == State::Over ? QColor(255, 90, 96) : palette::redHigh;
    QColor bottom = off ? QColor(50, 50, 56) : s == State::Down ? QColor(110, 8, 12) : palette::redDark;
    p.setPen(Qt::NoPen);
    p.setBrush(vertical(r, top, bottom));
    p.drawPolygon(chevron);
}

} // namespace orvyn::skingen
