#include "option/skin/BitmapButton.h"

namespace orvyn {

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

BitmapButton::BitmapButton(QWidget *parent)
    : SkinControl(parent, QuickHelpUse::Publish, HoverEnd::OnLeave, 0) {
    // A tab stop; a click takes the focus too, so that an edit field loses
    // it (and commits) before the click is handled.
    setFocusPolicy(Qt::StrongFocus);
}

StatePicture BitmapButton::currentPicture() const {
    return chooseButtonPicture(toggleMode(), isChecked(), !isEnabled(), isDown(), hover());
}

} // namespace orvyn
