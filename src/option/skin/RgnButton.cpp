#include "option/skin/RgnButton.h"

#include "option/skin/SkinImage.h"
#include "option/skin/SkinResources.h"

namespace orvyn {

RgnButton::RgnButton(QWidget *parent)
    : SkinControl(parent, QuickHelpUse::Silent, HoverEnd::OnLeaveOrRelease, kDefaultIndex) {
    setMouseTracking(true);
    setFocusPolicy(Qt::TabFocus);
    setCursor(Qt::ArrowCursor);
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

RgnButton::State RgnButton::state() const {
    if (!isEnabled())
        return State::Disabled;
    if (captured())
        return State::Down;
    return hover() ? State::Over : State::Normal;
}

StatePicture RgnButton::choosePicture(bool toggled, State state) {
    if (toggled)
        return StatePicture::Down;
    switch (state) {
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

StatePicture RgnButton::currentPicture() const {
    return choosePicture(isChecked(), state());
}

} // namespace orvyn
