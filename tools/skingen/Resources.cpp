#include "SkinPainter.h"
#include "SkinSet.h"
#include "option/skin/SkinNames.h"

#include <QPainter>

namespace orvyn::skingen {

namespace {

template <typename Resource> QString name(Resource resource) {
    return QString::fromStdString(resourceFile(resource));
}

// A picture whose transparent pixels are also black, so it reads the same
// whether it is drawn through its alpha channel or with black as the
// transparent colour.
QImage iconCanvas(int w, int h) {
    QImage image(w, h, QImage::Format_ARGB32);
    image.fill(QColor(0, 0, 0, 0));
    return image;
}

// Mask of the irregular Enter key: 34 x 49, black everywhere except a white
// block in columns 0-6 of rows 22-48.
QImage enterKeyMask() {
    QImage image(34, 49, QImage::Format_RGB888);
    image.fill(Qt::black);
    for (int y = 22; y < 49; ++y)
        for (int x = 0; x < 7; ++x)
            image.setPixelColor(x, y, Qt::white);
    return image;
}

// Delay row: a small clock.
QImage delayIcon() {
    QImage image = iconCanvas(15, 15);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(QPen(QColor(230, 230, 234), 1.4));
    p.setBrush(QColor(40, 40, 46));
    p.drawEllipse(QPointF(7.5, 7.5), 6.2, 6.2);
    p.setPen(QPen(QColor(255, 58, 64), 1.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(7.5, 7.5), QPointF(7.5, 3.4));
    p.drawLine(QPointF(7.5, 7.5), QPointF(10.6, 9.0));
    return image;
}

// Key rows: an arrow down for a press, up for a release. Both stay light so
// that they read on the red of a selected row too.
QImage keyArrowIcon(bool press) {
    QImage image = iconCanvas(11, 14);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, true);
    const QColor color = press ? QColor(245, 245, 248) : QColor(150, 150, 160);
    p.setPen(Qt::NoPen);
    p.setBrush(color);
    QPolygonF arrow;
    if (press)
        arrow << QPointF(3.5, 1) << QPointF(7.5, 1) << QPointF(7.5, 7) << QPointF(10.5, 7) << QPointF(5.5, 13)
              << QPointF(0.5, 7) << QPointF(3.5, 7);
    else
        arrow << QPointF(5.5, 1) << QPointF(10.5, 7) << QPointF(7.5, 7) << QPointF(7.5, 13)
              << QPointF(3.5, 13) << QPointF(3.5, 7) << QPointF(0.5, 7);
    p.drawPolygon(arrow);
    return image;
}

// Mouse-button rows: a mouse with its buttons.
QImage mouseIcon() {
    QImage image = iconCanvas(16, 18);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, true);
    const QRectF body(2.5, 1.5, 11, 15);
    p.setPen(QPen(QColor(220, 220, 226), 1.2));
    p.setBrush(QColor(40, 40, 46));
    p.drawRoundedRect(body, 5.5, 5.5);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 58, 64));
    p.drawPie(QRectF(3.1, 2.1, 9.8, 11), 90 * 16, 90 * 16);
    p.setPen(QPen(QColor(220, 220, 226), 1));
    p.drawLine(QPointF(8, 2), QPointF(8, 7.5));
    p.drawLine(QPointF(3, 7.5), QPointF(13, 7.5));
    return image;
}

// Submenu arrow. The menus draw it with its left edge 19 pixels left of the
// item's right edge and its top 9 pixels above the item's top, over a
// 20-pixel item; the glyph sits where that places it in the middle of the
// item's right end.
QImage submenuArrowIcon() {
    QImage image = iconCanvas(32, 32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 58, 64));
    p.drawPolygon(QPolygonF({QPointF(8, 14.5), QPointF(13, 19), QPointF(8, 23.5)}));
    return image;
}

} // namespace

QImage programIcon(int size) {
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, true);
    const qreal s = size;
    if (size >= 32) {
        // A dark tile with a red rim under the emblem.
        const QRectF tile(s * 0.04, s * 0.04, s * 0.92, s * 0.92);
        QLinearGradient g(tile.topLeft(), tile.bottomLeft());
        g.setColorAt(0, QColor(40, 40, 46));
        g.setColorAt(1, QColor(10, 10, 12));
        p.setPen(QPen(palette::red, std::max(1.0, s / 40)));
        p.setBrush(g);
        p.drawPath(cutCornerPath(tile, s * 0.18));
        drawEmblem(p, QRectF(s * 0.17, s * 0.14, s * 0.66, s * 0.72));
    } else {
        drawEmblem(p, QRectF(0, 0, s, s));
    }
    return image;
}

std::vector<NamedImage> resourcePictures() {
    return {
        {name(SkinBitmap::EnterKeyMask), enterKeyMask(), "BMP"},
        {name(SkinIcon::Program), programIcon(256), "PNG"},
        {name(SkinIcon::DelayRow), delayIcon(), "PNG"},
        {name(SkinIcon::KeyReleaseRow), keyArrowIcon(false), "PNG"},
        {name(SkinIcon::KeyPressRow), keyArrowIcon(true), "PNG"},
        {name(SkinIcon::SubmenuArrow), submenuArrowIcon(), "PNG"},
        {name(SkinIcon::MouseRow), mouseIcon(), "PNG"},
    };
}

} // namespace orvyn::skingen
