#include "option/skin/BitmapButton.h"

#include "option/skin/QuickHelp.h"
#include "option/skin/SkinFonts.h"
#include "option/skin/SkinImage.h"

#include <QApplication>
#include <QFocusEvent>
#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>

namespace orvyn {

namespace {

const QFont &captionFont() {
    static const QFont font = skinFont(FontFace::Arial, 14, 6, 400);
    return font;
}

} // namespace

StatePicture chooseButtonPicture(ToggleMode mode, bool checked, bool disabled, bool pressed, bool hover) {
    if (mode == ToggleMode::Toggle) {
        if (disabled)
            return StatePicture::Disable;
        if (checked)
            return StatePicture::Down;
        return hover ? StatePicture::Over : StatePicture::Normal;
    }
    if (checked && !disabled)
        return StatePicture::Down;
    if (pressed)
        return StatePicture::Down;
    if (hover)
        return StatePicture::Over;
    if (disabled)
        return StatePicture::Disable;
    return StatePicture::Normal;
}

BitmapButton::BitmapButton(QWidget *parent) : QAbstractButton(parent) {
    // Not a tab stop, but a click takes the focus so that an edit field
    // loses it (and commits) before the click is handled.
    setFocusPolicy(Qt::ClickFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    connect(this, &QAbstractButton::clicked, this, [this] {
        if (toggleMode_ == ToggleMode::Push)
            emit command();
    });
}

void BitmapButton::setImages(const StatePictures &windowPictures, const QRect &rect) {
    for (std::size_t i = 0; i < pictures_.size(); ++i) {
        pictures_[i] = QImage();
        CropStateImage(pictures_[i], windowPictures[i], rect.left(), rect.top(), rect.left() + rect.width(),
                       rect.top() + rect.height());
    }
    update();
}

void BitmapButton::setStatePictures(const StatePictures &pictures) {
    pictures_ = pictures;
    update();
}

void BitmapButton::setChecked(ButtonCheck check) {
    const bool value = check == ButtonCheck::Pressed;
    if (value == checked_)
        return;
    checked_ = value;
    update();
}

void BitmapButton::setHover(bool hover) {
    hover_ = hover;
    notifyHover(hover);
}

StatePicture BitmapButton::currentPicture() const {
    return chooseButtonPicture(toggleMode_, checked_, !isEnabled(), isDown(), hover_);
}

void BitmapButton::notifyHover(bool entered) {
    QuickHelp &help = QuickHelp::instance();
    help.setText(entered, helpText_);
    emit skinHover(entered, index_);
    help.announce(entered);
}

void BitmapButton::paintEvent(QPaintEvent *) {
    // The widget is painted into Qt's back buffer and flushed in one go, so
    // the caption never flickers over the picture.
    QPainter painter(this);
    const QImage &picture = pictures_[static_cast<int>(currentPicture())];
    if (picture.isNull())
        painter.fillRect(rect(), Qt::black);
    else
        painter.drawImage(QRect(QPoint(0, 0), size()), picture, QRect(QPoint(0, 0), size()));
    if (caption_.isEmpty())
        return;
    painter.setFont(captionFont());
    painter.setPen(QColor(255, 255, 255));
    const QFontMetrics metrics(captionFont());
    const int top = height() / 2 - metrics.height() / 2;
    painter.drawText(QPoint(5, top + metrics.ascent()), caption_);
}

void BitmapButton::enterEvent(QEnterEvent *event) {
    QAbstractButton::enterEvent(event);
    // A drag that started elsewhere does not light the button up.
    if ((QApplication::mouseButtons() & Qt::LeftButton) && !hover_)
        return;
    if (hover_ || QApplication::activeWindow() == nullptr || parentWidget() == nullptr)
        return;
    hover_ = true;
    notifyHover(true);
    update();
}

void BitmapButton::leaveEvent(QEvent *event) {
    QAbstractButton::leaveEvent(event);
    if (!hover_)
        return;
    hover_ = false;
    notifyHover(false);
    update();
}

void BitmapButton::focusOutEvent(QFocusEvent *event) {
    QAbstractButton::focusOutEvent(event);
    // Only a button that is lit says "left": clicking one button moves the
    // focus away from another, and that must not wipe the quick help of the
    // button now under the pointer.
    if (!hover_)
        return;
    hover_ = false;
    notifyHover(false);
    update();
}

void BitmapButton::mousePressEvent(QMouseEvent *event) {
    if (event->button() == Qt::LeftButton) {
        QWidget *top = window();
        if (top != nullptr && !top->isActiveWindow())
            top->activateWindow();
    }
    QAbstractButton::mousePressEvent(event);
}

void BitmapButton::mouseReleaseEvent(QMouseEvent *event) {
    if (toggleMode_ == ToggleMode::Push || event->button() != Qt::LeftButton) {
        QAbstractButton::mouseReleaseEvent(event);
        return;
    }
    // Toggle: every release that reaches the button flips it.
    setDown(false);
    checked_ = !checked_;
    update();
    event->accept();
    emit command();
}

} // namespace orvyn
