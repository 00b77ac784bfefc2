// A button whose shape is cut from a mask picture (the Enter key, two rows
// tall and narrower below). Presses and clicks count only inside the shape.
#pragma once

#include "option/skin/BitmapButton.h"

#include <QRegion>
#include <QWidget>

namespace orvyn {

class RgnButton : public QWidget {
    Q_OBJECT
public:
    enum class State { Normal = 0, Over = 1, Down = 2, Disabled = 3 };
    static constexpr int kDefaultIndex = 342;

    explicit RgnButton(QWidget *parent);

    // Cuts the four state pictures out of the full-window pictures at `rect`.
    void setImages(const StatePictures &windowPictures, const QRect &rect);
    // The bitmap resource that gives the shape; set before create().
    void setMaskResource(int id) { maskResource_ = id; }
    // Places the button and shapes it from the mask resource (white is
    // outside). Without a usable mask the whole rectangle is the button.
    void create(const QString &caption, const QRect &rect);

    void setToggleMode(ToggleMode mode) { toggleMode_ = mode; }
    void setIndex(int index) { index_ = index; }
    int index() const { return index_; }

    const QRegion &hitRegion() const { return hitRegion_; }
    State state() const { return state_; }
    bool toggled() const { return toggled_; }
    bool captured() const { return captured_; }
    bool pressedInside() const { return pressedInside_; }
    // The picture painted now.
    StatePicture currentPicture() const;

signals:
    void skinHover(bool entered, int index);
    void command();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    void press(const QPoint &pos);

    StatePictures pictures_;
    QRegion hitRegion_;
    int maskResource_ = 0;
    bool captured_ = false;
    bool pressedInside_ = false;
    State state_ = State::Normal;
    ToggleMode toggleMode_ = ToggleMode::Push;
    bool toggled_ = false;
    int index_ = kDefaultIndex;
};

} // namespace orvyn
