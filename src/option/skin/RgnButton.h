// A button whose shape is cut from a mask picture (the Enter key, two rows
// tall and narrower below). Presses and clicks count only inside the shape.
#pragma once

#include "option/skin/SkinControl.h"

#include <QRegion>

namespace orvyn {

class RgnButton : public SkinControl {
    Q_OBJECT
public:
    enum class State { Normal = 0, Over = 1, Down = 2, Disabled = 3 };
    static constexpr int kDefaultIndex = 342;

    explicit RgnButton(QWidget *parent);

    // The bitmap resource that gives the shape; set before create().
    void setMaskResource(int id) { maskResource_ = id; }
    // Places the button and shapes it from the mask resource (white is
    // outside). Without a usable mask the whole rectangle is the button.
    void create(const QString &caption, const QRect &rect);

    const QRegion &hitRegion() const { return hitRegion_; }
    // Disabled, else down while pressed, else over while under the pointer.
    State state() const;

    // A toggled (checked) key shows Down; otherwise the picture of its state.
    static StatePicture choosePicture(bool toggled, State state);
    StatePicture currentPicture() const override;

protected:
    bool hitButton(const QPoint &pos) const override { return hitRegion_.contains(pos); }

private:
    QRegion hitRegion_;
    int maskResource_ = 0;
};

} // namespace orvyn
