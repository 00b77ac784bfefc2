#include "option/skin/SkinControl.h"

#include "option/skin/ContextMenus.h"
#include "option/skin/FocusOrder.h"
#include "option/skin/QuickHelp.h"
#include "option/skin/SkinFonts.h"
#include "option/skin/SkinImage.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QFocusEvent>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <utility>

namespace orvyn {

namespace {

const QFont &captionFont() {
    static const QFont font = skinFont(FontFace::Arial, 14, 6, 400);
    return font;
}

} // namespace

void paintSkinControl(QPainter &painter, QSize size, const QImage &picture, const QString &caption) {
    if (picture.isNull())
        painter.fillRect(QRect(QPoint(0, 0), size), Qt::black);
    else
        painter.drawImage(QPoint(0, 0), picture, QRect(QPoint(0, 0), size));
    if (caption.isEmpty())
        return;
    painter.save();
    painter.setFont(captionFont());
    painter.setPen(QColor(255, 255, 255));
    const QFontMetrics metrics(captionFont());
    const int top = size.height() / 2 - metrics.height() / 2;
    painter.drawText(QPoint(5, top + metrics.ascent()), caption);
    painter.restore();
}

void paintFocusRing(QPainter &painter, const QRegion &shape) {
    // The inside of the shape shrunk by `by` pixels on every side.
    auto inner = [&shape](int by) {
        return shape.intersected(shape.translated(by, 0))
            .intersected(shape.translated(-by, 0))
            .intersected(shape.translated(0, by))
            .intersected(shape.translated(0, -by));
    };
    const QRegion accent = shape.subtracted(inner(kFocusRingWidth));
    const QRegion shadow = inner(kFocusRingWidth).subtracted(inner(kFocusRingWidth + 1));
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setClipRegion(accent);
    painter.fillRect(shape.boundingRect(), QColor::fromRgba(kFocusRingColour));
    painter.setClipRegion(shadow);
    painter.fillRect(shape.boundingRect(), QColor(0, 0, 0));
    painter.restore();
}

namespace {

bool isKeyboardReason(Qt::FocusReason reason) {
    return reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason ||
           reason == Qt::ShortcutFocusReason;
}

// The focus left with its window (a dialog or menu opened over it) and comes
// back the same way: the ring keeps what it was.
bool isWindowReason(Qt::FocusReason reason) {
    return reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason;
}

} // namespace

SkinControl::SkinControl(QWidget *parent, QuickHelpUse quickHelp, HoverEnd hoverEnd, int index)
    : QAbstractButton(parent), quickHelp_(quickHelp), hoverEnd_(hoverEnd), index_(index) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setCheckable(true);
    connect(this, &QAbstractButton::clicked, this, &SkinControl::command);
}

void SkinControl::setImages(const StatePictures &windowPictures, const QRect &rect) {
    dropPendingCuts();
    for (std::size_t i = 0; i < pictures_.size(); ++i) {
        pictures_[i] = QImage();
        CropStateImage(pictures_[i], windowPictures[i], rect.left(), rect.top(), rect.left() + rect.width(),
                       rect.top() + rect.height());
    }
    update();
}

void SkinControl::setStatePictures(const StatePictures &pictures) {
    dropPendingCuts();
    pictures_ = pictures;
    update();
}

void SkinControl::deferStatePicture(StatePicture which, std::shared_ptr<DeferredSkinImage> windowPicture,
                                    const QRect &rect) {
    const auto i = static_cast<std::size_t>(which);
    pictures_[i] = QImage();
    pending_[i] = PendingCut{std::move(windowPicture), rect};
    update();
}

void SkinControl::takeStatePictures(const SkinControl &other) {
    pictures_ = other.pictures_;
    pending_ = other.pending_;
    update();
}

void SkinControl::showPictureFor(StatePicture state, StatePicture shown) {
    StatePicture &slot = shown_[static_cast<std::size_t>(state)];
    if (slot == shown)
        return;
    slot = shown;
    update();
}

void SkinControl::showOwnPictures() {
    for (StatePicture state :
         {StatePicture::Normal, StatePicture::Over, StatePicture::Down, StatePicture::Disable})
        showPictureFor(state, state);
}

void SkinControl::dropPendingCuts() {
    pending_ = {};
}

const QImage &SkinControl::statePicture(StatePicture which) const {
    const auto i = static_cast<std::size_t>(shown_[static_cast<std::size_t>(which)]);
    if (PendingCut &cut = pending_[i]; cut.source) {
        const PendingCut taken = std::exchange(cut, PendingCut{});
        const QRect &r = taken.rect;
        CropStateImage(pictures_[i], taken.source->image(), r.left(), r.top(), r.left() + r.width(),
                       r.top() + r.height());
    }
    return pictures_[i];
}

void SkinControl::setCaption(const QString &caption) {
    if (caption == caption_)
        return;
    caption_ = caption;
    update();
}

void SkinControl::setToggleMode(ToggleMode mode) {
    if (mode == toggleMode_)
        return;
    toggleMode_ = mode;
    update();
}

void SkinControl::setHover(bool hover) {
    const bool changed = hover != hover_;
    hover_ = hover;
    notifyHover(hover);
    if (changed)
        update();
}

void SkinControl::notifyHover(bool entered) {
    if (quickHelp_ == QuickHelpUse::Silent) {
        emit skinHover(entered, index_);
        return;
    }
    // The text changes first, so whoever hears of the hover reads it.
    QuickHelp &help = QuickHelp::instance();
    help.setText(entered, helpText_);
    emit skinHover(entered, index_);
    help.announce(entered);
}

void SkinControl::paintEvent(QPaintEvent *) {
    // Painted into Qt's back buffer and flushed in one go, so the caption
    // never flickers over the picture.
    QPainter painter(this);
    paintSkinControl(painter, size(), statePicture(currentPicture()), caption_);
    if (showsFocusRing())
        paintFocusRing(painter, mask().isEmpty() ? QRegion(rect()) : mask());
}

void SkinControl::focusInEvent(QFocusEvent *event) {
    QAbstractButton::focusInEvent(event);
    if (!isWindowReason(event->reason()))
        keyboardFocus_ = isKeyboardReason(event->reason());
    update();
}

void SkinControl::enterEvent(QEnterEvent *event) {
    QAbstractButton::enterEvent(event);
    // A drag that started elsewhere (or on this control) does not light it.
    if (hover_ || (QApplication::mouseButtons() & Qt::LeftButton))
        return;
    if (QApplication::activeWindow() == nullptr || parentWidget() == nullptr)
        return;
    setHover(true);
}

void SkinControl::leaveEvent(QEvent *event) {
    QAbstractButton::leaveEvent(event);
    if (captured_ && hoverEnd_ == HoverEnd::OnLeaveOrRelease)
        return; // the release ends it
    if (hover_)
        setHover(false);
}

void SkinControl::focusOutEvent(QFocusEvent *event) {
    QAbstractButton::focusOutEvent(event);
    if (!isWindowReason(event->reason()))
        keyboardFocus_ = false;
    update();
    // Only a lit control says "left": clicking one button moves the focus
    // away from another, and that must not wipe the quick help of the
    // button now under the pointer.
    if (hover_)
        setHover(false);
}

void SkinControl::keyPressEvent(QKeyEvent *event) {
    // Space is QAbstractButton's (down on press, click on release); Enter
    // and Return click at once, like a default button.
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    if (enter && plain && !event->isAutoRepeat()) {
        event->accept();
        click();
        return;
    }
    if (isMenuShortcut(*event)) {
        event->accept();
        requestMenuByKeyboard(*this);
        return;
    }
    // Arrows move over the keys of a page (the keyboard picture, the G-key
    // fields) by where they sit.
    static constexpr std::pair<int, Direction> kArrows[] = {{Qt::Key_Left, Direction::Left},
                                                            {Qt::Key_Right, Direction::Right},
                                                            {Qt::Key_Up, Direction::Up},
                                                            {Qt::Key_Down, Direction::Down}};
    for (const auto &[key, direction] : kArrows) {
        if (event->key() == key && plain && moveFocusToward(*this, direction)) {
            event->accept();
            return;
        }
    }
    QAbstractButton::keyPressEvent(event);
}

void SkinControl::contextMenuEvent(QContextMenuEvent *event) {
    // A menu button's menu is what its click opens; the right button keeps
    // doing nothing, as on every skinned control.
    if (event->reason() == QContextMenuEvent::Keyboard && role_ == ControlRole::MenuButton && isEnabled()) {
        event->accept();
        click();
        return;
    }
    event->ignore();
}

void SkinControl::mousePressEvent(QMouseEvent *event) {
    if (event->button() == Qt::LeftButton) {
        QWidget *top = window();
        if (top != nullptr && !top->isActiveWindow())
            top->activateWindow();
    }
    // Presses the control when the point hits it; a press beside a shaped
    // control goes on to the window underneath.
    QAbstractButton::mousePressEvent(event);
    if (event->button() == Qt::LeftButton && isDown())
        captured_ = true;
}

void SkinControl::mouseReleaseEvent(QMouseEvent *event) {
    if (event->button() != Qt::LeftButton) {
        QAbstractButton::mouseReleaseEvent(event);
        return;
    }
    const bool pressedHere = captured_;
    captured_ = false;
    if (pressedHere && hoverEnd_ == HoverEnd::OnLeaveOrRelease)
        setHover(false);
    // Qt clicks (and flips a toggle) when the release is on the control.
    const bool clickedByQt = isDown() && hitButton(event->position().toPoint());
    const QPointer<SkinControl> alive(this);
    QAbstractButton::mouseReleaseEvent(event);
    if (!alive || clickedByQt || !pressedHere || toggleMode_ != ToggleMode::Toggle)
        return;
    // A toggle flips on every release after a press on it, wherever the
    // pointer is now.
    toggle();
    event->accept();
    emit clicked(isChecked());
}

void SkinControl::nextCheckState() {
    if (toggleMode_ == ToggleMode::Toggle)
        QAbstractButton::nextCheckState();
}

} // namespace orvyn
