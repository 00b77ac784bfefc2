// A push or toggle button drawn from four state pictures cut out of its
// window's full-window pictures, with pointer-over tracking and quick help.
#pragma once

#include <QAbstractButton>
#include <QImage>
#include <QRect>
#include <QString>
#include <array>

namespace orvyn {

enum class ToggleMode { Push, Toggle };
enum class ButtonCheck { Released, Pressed };

// The four state pictures of a control, in this order.
enum class StatePicture { Normal = 0, Over = 1, Down = 2, Disable = 3 };
using StatePictures = std::array<QImage, 4>;

// Which picture a BitmapButton shows.
//  toggle: disabled -> Disable; checked -> Down; hover -> Over; else Normal.
//  push:   checked and enabled -> Down; pressed -> Down; hover -> Over;
//          disabled -> Disable; else Normal.
StatePicture chooseButtonPicture(ToggleMode mode, bool checked, bool disabled, bool pressed, bool hover);

class BitmapButton : public QAbstractButton {
    Q_OBJECT
public:
    explicit BitmapButton(QWidget *parent);

    // Cuts the four state pictures out of the full-window pictures at `rect`.
    void setImages(const StatePictures &windowPictures, const QRect &rect);
    // Takes four pictures of the button's own size (a window that swaps a
    // button's look uses this).
    void setStatePictures(const StatePictures &pictures);
    const QImage &statePicture(StatePicture which) const { return pictures_[static_cast<int>(which)]; }

    void setHelpText(const QString &text) { helpText_ = text; }
    const QString &helpText() const { return helpText_; }

    // The caller redraws (repaint()) after changing the caption.
    void setCaption(const QString &caption) { caption_ = caption; }
    const QString &caption() const { return caption_; }

    void setChecked(ButtonCheck check);
    bool isCheckedState() const { return checked_; }

    void setToggleMode(ToggleMode mode) { toggleMode_ = mode; }
    ToggleMode toggleMode() const { return toggleMode_; }

    // Sets the hover flag and sends the matching notification.
    void setHover(bool hover);
    bool hover() const { return hover_; }

    void setIndex(int index) { index_ = index; }
    int index() const { return index_; }

    // The picture the button shows now.
    StatePicture currentPicture() const;

signals:
    // The pointer entered (true) or left (false) the button.
    void skinHover(bool entered, int index);
    // The button was clicked (push: released over it; toggle: every release).
    void command();

protected:
    void paintEvent(QPaintEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void notifyHover(bool entered);

    StatePictures pictures_;
    QString helpText_;
    QString caption_;
    bool checked_ = false;
    ToggleMode toggleMode_ = ToggleMode::Push;
    bool hover_ = false;
    int index_ = 0;
};

} // namespace orvyn
