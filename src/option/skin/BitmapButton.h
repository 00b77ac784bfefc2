// A push or toggle button drawn from four state pictures cut out of its
// window's full-window pictures, with pointer-over tracking and quick help.
#pragma once

#include "option/skin/SkinControl.h"

namespace orvyn {

// Which picture a BitmapButton shows.
//  toggle: disabled -> Disable; checked -> Down; hover -> Over; else Normal.
//  push:   checked and enabled -> Down; pressed -> Down; hover -> Over;
//          disabled -> Disable; else Normal.
StatePicture chooseButtonPicture(ToggleMode mode, bool checked, bool disabled, bool pressed, bool hover);

class BitmapButton : public SkinControl {
    Q_OBJECT
public:
    explicit BitmapButton(QWidget *parent);

    StatePicture currentPicture() const override;
};

} // namespace orvyn
