#include "option/skin/RgnButton.h"

#include "option/skin/SkinImage.h"
#include "option/skin/SkinResources.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>

namespace orvyn {

RgnButton::RgnButton(QWidget *parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setFocusPolicy(Qt::TabFocus);
    setCursor(Qt::ArrowCursor);
}

void RgnButton::setImages(const StatePictures &windowPictures, const QRect &rect) {
    for (std::size_t i = 0; i < pictures_.size(); ++i) {
        pictures_[i] = QImage();
        CropStateImage(pictures_[i], windowPictures[i], rect.left(), rect.top(), rect.left() + rect.width(),
                       rect.top() + rect.height());
    }
    update();
}

void RgnButton::create(const QString &caption, const QRect &rect) {
    setWindowTitle(caption);
    setGeometry(rect);
    const std::optional<QRegion> outline =
        RegionFromMask(loadResourceBitmap(maskResource_), kMaskTransparent, kMaskTolerance);
    if (outline && !outline->isEmpty()) {
        hitRegion_ = *outline;
        setMask(hitRegion_);
    } else {
        // No shape to cut: a plain rectangular button still has to work.
        hitRegion_ = QRegion(QRect(QPoint(0, 0), rect.size()));
        clearMask();
    }
    show();
}

StatePicture RgnButton::currentPicture() const {
    if (toggled_)
        return StatePicture::Down;
    switch (state_) {
    case State::Over:
        return StatePicture::Over;
    case State::Down:
        return StatePicture::Down;
    case State::Disabled:
        return StatePicture::Disable;
    case State::Normal:
        break;
    }
    return StatePicture::Normal;
}

void RgnButton::paintEvent(QPaintEvent *) {
    if (!isEnabled())
        state_ = State::Disabled;
    else if (state_ == State::Disabled)
        state_ = State::Normal;
    QPainter painter(this);
    const QImage &picture = pictures_[static_cast<int>(currentPicture())];
    if (picture.isNull())
        painter.fillRect(rect(), Qt::black);
    else
        painter.drawImage(QPoint(0, 0), picture);
}

void RgnButton::press(const QPoint &pos) {
    captured_ = true;
    if (hitRegion_.contains(pos))
        state_ = State::Down;
    else
        pressedInside_ = false;
    update();
}

void RgnButton::mousePressEvent(QMouseEvent *event) {
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    press(event->position().toPoint());
    event->accept();
}

void RgnButton::mouseDoubleClickEvent(QMouseEvent *event) {
    if (event->button() != Qt::LeftButton) {
        QWidget::mouseDoubleClickEvent(event);
        return;
    }
    press(event->position().toPoint());
    event->accept();
}

void RgnButton::mouseMoveEvent(QMouseEvent *event) {
    if (captured_) {
        const bool inside = hitRegion_.contains(event->position().toPoint());
        if (inside != pressedInside_) {
            pressedInside_ = inside;
            update();
        }
    }
    event->accept();
}

void RgnButton::mouseReleaseEvent(QMouseEvent *event) {
    if (event->button() != Qt::LeftButton) {
        QWidget::mouseReleaseEvent(event);
        return;
    }
    captured_ = false;
    pressedInside_ = false;
    if (toggleMode_ == ToggleMode::Toggle && state_ == State::Down)
        toggled_ = !toggled_;
    state_ = State::Normal;
    emit skinHover(false, index_);
    update();
    event->accept();
    // Released outside the key's outline: no click.
    if (hitRegion_.contains(event->position().toPoint()))
        emit command();
}

void RgnButton::enterEvent(QEnterEvent *event) {
    QWidget::enterEvent(event);
    if (QApplication::mouseButtons() & Qt::LeftButton)
        return;
    if (QApplication::activeWindow() == nullptr || parentWidget() == nullptr)
        return;
    state_ = State::Over;
    emit skinHover(true, index_);
    update();
}

void RgnButton::leaveEvent(QEvent *event) {
    QWidget::leaveEvent(event);
    if (QApplication::mouseButtons() & Qt::LeftButton)
        return;
    state_ = State::Normal;
    emit skinHover(false, index_);
    update();
}

} // namespace orvyn
