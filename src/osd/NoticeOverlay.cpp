#include "osd/NoticeOverlay.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>

#include "SkinPainter.h"

namespace orvyn {

namespace {

namespace palette = skingen::palette;

constexpr int kPad = 16;
constexpr int kAccent = 3;       // the red bar along the top
constexpr int kEmblemWidth = 40; // the emblem's badge is a little taller than wide
constexpr int kEmblemHeight = 44;
constexpr int kGap = 16;
constexpr int kMinHeight = 76;
constexpr int kMaxTextWidth = 480; // longer texts wrap
constexpr int kMaxNameWidth = 360; // longer profile names are elided
constexpr int kLockWidth = 30;
constexpr int kLockHeight = 40;
// Distance of the panel from the top of the screen's available area.

QString qt(const std::string &s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

QFont numberFont() {
    return skingen::headingFont(62);
}
QFont captionFont() {
    QFont f = skingen::headingFont(14);
    f.setCapitalization(QFont::AllUppercase);
    f.setLetterSpacing(QFont::AbsoluteSpacing, 1.6);
    return f;
}
QFont nameFont() {
    return skingen::bodyFont(21, true);
}
QFont titleFont() {
    return skingen::bodyFont(19, true);
}
QFont bodyTextFont() {
    return skingen::bodyFont(15);
}

// Where each part of a panel goes; one place for its size and its drawing.
struct Layout {
    QSize size;
    QRectF emblem;
    qreal separatorX = 0;
    QRect number;  // profile number
    QRect caption; // word above the profile's name
    QRect name;    // profile name, lock text or the title line of a text
    QRect body;    // second line of a text
    QRectF lock;   // padlock glyph
};

Layout layoutFor(const Notice &n) {
    Layout l;
    const int contentX = kPad + kEmblemWidth + kGap;
    l.separatorX = contentX - kGap / 2.0;
    int width = contentX;
    int height = kMinHeight;
    const QString summary = qt(n.summary);
    const QString body = qt(n.body);
    switch (n.kind) {
    case NoticeKind::Profile: {
        height = 88;
        const QString number = QString::number(n.profileNumber);
        const int numberWidth = QFontMetrics(numberFont()).horizontalAdvance(number);
        l.number = QRect(contentX, kAccent, numberWidth, height - kAccent);
        const int column = contentX + numberWidth + 14;
        const QString caption = qt(n.caption);
        const int captionWidth = QFontMetrics(captionFont()).horizontalAdvance(caption) + 4;
        const int nameWidth = std::min(QFontMetrics(nameFont()).horizontalAdvance(body), kMaxNameWidth);
        const int columnWidth = std::max(captionWidth, nameWidth);
        const int captionHeight = caption.isEmpty() ? 0 : QFontMetrics(captionFont()).height();
        const int nameHeight = body.isEmpty() ? 0 : QFontMetrics(nameFont()).height();
        const int top = kAccent + (height - kAccent - captionHeight - nameHeight) / 2;
        l.caption = QRect(column, top, columnWidth, captionHeight);
        l.name = QRect(column, top + captionHeight, columnWidth, nameHeight);
        width = column + columnWidth;
        break;
    }
    case NoticeKind::KeyLock:
    case NoticeKind::KeyUnlock: {
        l.lock = QRectF(contentX, (height + kAccent - kLockHeight) / 2.0, kLockWidth, kLockHeight);
        const int textX = contentX + kLockWidth + 14;
        const int textWidth = QFontMetrics(nameFont()).horizontalAdvance(summary) + 2;
        l.name = QRect(textX, kAccent, textWidth, height - kAccent);
        width = textX + textWidth;
        break;
    }
    case NoticeKind::Text: {
        const QFontMetrics title(titleFont()), second(bodyTextFont());
        const QRect titleBox =
            title.boundingRect(QRect(0, 0, kMaxTextWidth, 4000), Qt::TextWordWrap | Qt::AlignLeft, summary);
        const QRect bodyBox = body.isEmpty() ? QRect()
                                             : second.boundingRect(QRect(0, 0, kMaxTextWidth, 4000),
                                                                   Qt::TextWordWrap | Qt::AlignLeft, body);
        const int textHeight = titleBox.height() + (body.isEmpty() ? 0 : 4 + bodyBox.height());
        height = std::max(kMinHeight, textHeight + 2 * kPad + kAccent);
        const int top = kAccent + (height - kAccent - textHeight) / 2;
        const int textWidth = std::max(titleBox.width(), bodyBox.width()) + 2;
        l.name = QRect(contentX, top, textWidth, titleBox.height());
        if (!body.isEmpty())
            l.body = QRect(contentX, top + titleBox.height() + 4, textWidth, bodyBox.height());
        width = contentX + textWidth;
        break;
    }
    }
    width = std::max(width + kPad + 4, 240);
    l.size = QSize(width, height);
    l.emblem = QRectF(kPad, (height + kAccent - kEmblemHeight) / 2.0, kEmblemWidth, kEmblemHeight);
    return l;
}

// A padlock; open (shackle lifted, one leg free) when unlocked.
void drawPadlock(QPainter &p, const QRectF &r, bool locked) {
    const qreal w = r.width(), h = r.height();
    const QRectF body(r.left(), r.top() + h * 0.44, w, h * 0.56);
    const qreal stroke = w * 0.16;
    const qreal inset = w * 0.2 + stroke / 2;
    const qreal lift = locked ? 0 : h * 0.14;
    const qreal legBottom = body.top() + 1;
    const QRectF arc(r.left() + inset, r.top() + stroke / 2 - lift, w - 2 * inset, w - 2 * inset);
    QPainterPath shackle;
    shackle.moveTo(arc.right(), locked ? legBottom : arc.center().y() + h * 0.06);
    shackle.lineTo(arc.right(), arc.center().y());
    shackle.arcTo(arc, 0, 180);
    shackle.lineTo(arc.left(), legBottom);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(locked ? palette::text : palette::textDim, stroke, Qt::SolidLine, Qt::FlatCap));
    p.drawPath(shackle);
    p.setPen(Qt::NoPen);
    p.setBrush(locked ? skingen::vertical(body, palette::redHigh, palette::redDark)
                      : skingen::vertical(body, palette::lineHigh, palette::line));
    p.drawRoundedRect(body, w * 0.12, w * 0.12);
    // Keyhole.
    p.setBrush(palette::base);
    const QPointF hole(body.center().x(), body.top() + body.height() * 0.42);
    p.drawEllipse(hole, w * 0.1, w * 0.1);
    p.drawRect(QRectF(hole.x() - w * 0.045, hole.y(), w * 0.09, body.height() * 0.3));
}

} // namespace

QRect noticeArea(const std::vector<ScreenArea> &screens, const std::optional<QRect> &activeWindow) {
    if (screens.empty())
        return {};
    if (activeWindow) {
        for (const ScreenArea &screen : screens) {
            if (screen.native.contains(activeWindow->center()))
                return screen.available;
        }
    }
    return screens.front().available;
}

NoticeOverlay::NoticeOverlay() {
    // Bypassing the window manager keeps it above a fullscreen window and
    // out of task bars and switchers; an empty input shape lets clicks
    // through to the game.
    setWindowFlags(Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                   Qt::WindowDoesNotAcceptFocus | Qt::X11BypassWindowManagerHint |
                   Qt::WindowTransparentForInput);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::NoFocus);
    setWindowTitle(QStringLiteral("OSD notice"));
    holdTimer_.setSingleShot(true);
    connect(&holdTimer_, &QTimer::timeout, this, [this] { fadeTo(0.0); });
    fade_.setDuration(kNoticeFadeMs);
    connect(&fade_, &QVariantAnimation::valueChanged, this,
            [this](const QVariant &value) { setWindowOpacity(value.toReal()); });
    connect(&fade_, &QVariantAnimation::finished, this, [this] {
        if (fade_.endValue().toReal() <= 0.0)
            hide();
    });
}

void NoticeOverlay::fadeTo(qreal opacity) {
    fade_.stop();
    fade_.setStartValue(windowOpacity());
    fade_.setEndValue(opacity);
    fade_.start();
}

void NoticeOverlay::present(const Notice &notice, const QRect &area) {
    notice_ = notice;
    const QSize size = panelSize(notice);
    resize(size);
    move(area.x() + (area.width() - size.width()) / 2,
         area.top() + std::min(kNoticeTopMargin, area.height() / 10));
    fade_.stop();
    if (isVisible()) {
        // Replaces the shown notice at once.
        setWindowOpacity(1.0);
        update();
    } else {
        setWindowOpacity(0.0);
        show();
        fadeTo(1.0);
    }
    raise();
    holdTimer_.start(kNoticeShownMs);
}

QString NoticeOverlay::text() const {
    QString rich = QStringLiteral("<b>%1</b>").arg(qt(notice_.summary).toHtmlEscaped());
    if (!notice_.body.empty())
        rich += QStringLiteral("<br>") + qt(notice_.body).toHtmlEscaped();
    return rich;
}

QSize NoticeOverlay::panelSize(const Notice &notice) {
    return layoutFor(notice).size;
}

void NoticeOverlay::paintPanel(QPainter &p, const Notice &n, QSize size) {
    const Layout l = layoutFor(n);
    const QRectF whole(QPointF(0, 0), QSizeF(size));
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.fillRect(whole, skingen::vertical(whole, palette::baseHigh, palette::base));
    p.fillRect(QRectF(0, 0, size.width(), kAccent),
               skingen::vertical(QRectF(0, 0, size.width(), kAccent), palette::redHigh, palette::red));
    p.setPen(QPen(palette::lineHigh, 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(whole.adjusted(0.5, kAccent + 0.5, -0.5, -0.5));
    skingen::drawEmblem(p, l.emblem);
    p.setPen(QPen(palette::line, 1));
    p.drawLine(QPointF(l.separatorX, kAccent + 12), QPointF(l.separatorX, size.height() - 12));

    const QString summary = qt(n.summary);
    const QString body = qt(n.body);
    switch (n.kind) {
    case NoticeKind::Profile:
        p.setFont(numberFont());
        p.setPen(palette::red);
        p.drawText(l.number, Qt::AlignLeft | Qt::AlignVCenter, QString::number(n.profileNumber));
        p.setFont(captionFont());
        p.setPen(palette::textDim);
        p.drawText(l.caption, Qt::AlignLeft | Qt::AlignVCenter, qt(n.caption));
        p.setFont(nameFont());
        p.setPen(palette::text);
        p.drawText(l.name, Qt::AlignLeft | Qt::AlignVCenter,
                   QFontMetrics(nameFont()).elidedText(body, Qt::ElideRight, l.name.width()));
        break;
    case NoticeKind::KeyLock:
    case NoticeKind::KeyUnlock:
        drawPadlock(p, l.lock, n.kind == NoticeKind::KeyLock);
        p.setFont(nameFont());
        p.setPen(palette::text);
        p.drawText(l.name, Qt::AlignLeft | Qt::AlignVCenter, summary);
        break;
    case NoticeKind::Text:
        p.setFont(titleFont());
        p.setPen(palette::text);
        p.drawText(l.name, Qt::TextWordWrap | Qt::AlignLeft, summary);
        if (!body.isEmpty()) {
            p.setFont(bodyTextFont());
            p.setPen(palette::textDim);
            p.drawText(l.body, Qt::TextWordWrap | Qt::AlignLeft, body);
        }
        break;
    }
}

void NoticeOverlay::paintEvent(QPaintEvent *) {
    QPainter p(this);
    paintPanel(p, notice_, size());
}

} // namespace orvyn
