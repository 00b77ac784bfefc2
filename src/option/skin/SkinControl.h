// What every skinned button shares: four state pictures cut out of its
// window's full-window pictures, the pointer-over, pressed, checked and
// disabled states, quick help and the hover and command notifications.
// A control only says where it can be hit and which picture a state shows.
//
// The state has one owner each: QAbstractButton keeps pressed (isDown()),
// checked (isChecked(), toggled()) and clicks (clicked(), which is also
// command()); the control adds only what Qt does not keep: whether it
// counts as under the pointer (hover()) and whether a left press that
// began on it is still held (captured()). Every setter redraws when its
// value changes; paintEvent() only reads the state.
//
// Keyboard: a control takes the focus by Tab and by click; while the focus
// came from the keyboard it wears a focus ring, and Space, Enter and Return
// press it. The menu key and Shift+F10 open a menu button's menu.
#pragma once

#include <QAbstractButton>
#include <QImage>
#include <QRect>
#include <QString>
#include <array>
#include <functional>
#include <memory>

class QPainter;
class QRegion;

namespace orvyn {

class DeferredSkinImage;

enum class ToggleMode { Push, Toggle };
enum class ButtonCheck { Released, Pressed };

// The four state pictures of a control, in this order.
enum class StatePicture { Normal = 0, Over = 1, Down = 2, Disable = 3 };
using StatePictures = std::array<QImage, 4>;

// Draws a control of `size`: its picture from the top-left corner (black
// where there is none) and, when there is one, the caption in white at
// x = 5, centred in the height.
void paintSkinControl(QPainter &painter, QSize size, const QImage &picture, const QString &caption);

// The colour of the focus ring: the skins' red accent.
inline constexpr QRgb kFocusRingColour = 0xFFFF3C28;
// The ring along the inside of `shape`: kFocusRingWidth pixels of the
// accent over a dark pixel, so it shows on light and dark pictures alike.
// Whole logical pixels: crisp at every device pixel ratio.
inline constexpr int kFocusRingWidth = 2;
void paintFocusRing(QPainter &painter, const QRegion &shape);

// Whether the control publishes its help text as quick help while the
// pointer is over it.
enum class QuickHelpUse { Publish, Silent };
// When the control stops counting as under the pointer: only when the
// pointer leaves, or also when a press on it ends (and a leave during the
// press waits for the release).
enum class HoverEnd { OnLeave, OnLeaveOrRelease };
// What a screen reader calls the control's kind.
enum class ControlRole { Button, PageTab, MenuButton };

class SkinControl : public QAbstractButton {
    Q_OBJECT
public:
    // Cuts the four state pictures out of the full-window pictures at `rect`.
    void setImages(const StatePictures &windowPictures, const QRect &rect);
    // Takes four pictures of the control's own size (a window that swaps a
    // control's look uses this).
    void setStatePictures(const StatePictures &pictures);
    // Cuts the picture of state `which` out of `windowPicture` at `rect`
    // when it is first shown (or asked for), not now.
    void deferStatePicture(StatePicture which, std::shared_ptr<DeferredSkinImage> windowPicture,
                           const QRect &rect);
    // Takes over `other`'s state pictures, cut or still to be cut (a
    // control of the same size standing in for it).
    void takeStatePictures(const SkinControl &other);
    // In state `state` the control shows the picture of state `shown` (a
    // remapped key looks pressed); showOwnPictures() undoes every such swap.
    void showPictureFor(StatePicture state, StatePicture shown);
    void showOwnPictures();
    // The picture the control shows in state `which`.
    const QImage &statePicture(StatePicture which) const;

    void setHelpText(const QString &text) { helpText_ = text; }
    const QString &helpText() const { return helpText_; }

    void setCaption(const QString &caption);
    const QString &caption() const { return caption_; }

    // Every control can show checked (a tab, a chosen option); only a
    // toggle flips itself when clicked.
    using QAbstractButton::setChecked;
    void setChecked(ButtonCheck check) { setChecked(check == ButtonCheck::Pressed); }

    void setToggleMode(ToggleMode mode);
    ToggleMode toggleMode() const { return toggleMode_; }

    // Sets the hover flag and sends the matching notification.
    void setHover(bool hover);
    bool hover() const { return hover_; }

    void setIndex(int index) { index_ = index; }
    int index() const { return index_; }

    // The left button went down on the control and has not come up yet.
    bool captured() const { return captured_; }
    // While captured: whether the pointer is on the control.
    bool pressedInside() const { return captured_ && isDown(); }

    // For screen readers: the control's kind, and a name made when asked
    // (a key and its assignment) that wins over caption and help text.
    void setControlRole(ControlRole role) { role_ = role; }
    ControlRole controlRole() const { return role_; }
    void setSpokenName(std::function<QString()> source) { spokenName_ = std::move(source); }
    QString spokenName() const { return spokenName_ ? spokenName_() : QString(); }

    // The picture the control shows now.
    virtual StatePicture currentPicture() const = 0;

    // Whether the focus ring shows: the control has the focus and got it
    // from the keyboard (Tab, Shift+Tab, an arrow key, a shortcut).
    bool showsFocusRing() const { return keyboardFocus_ && hasFocus(); }

signals:
    // The pointer entered (true) or left (false) the control.
    void skinHover(bool entered, int index);
    // The control was clicked (push: released on it; toggle: every release
    // after a press on it, which flips it). Follows clicked().
    void command();

protected:
    SkinControl(QWidget *parent, QuickHelpUse quickHelp, HoverEnd hoverEnd, int index);

    void paintEvent(QPaintEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void nextCheckState() override;

private:
    void notifyHover(bool entered);

    const QuickHelpUse quickHelp_;
    const HoverEnd hoverEnd_;
    struct PendingCut {
        std::shared_ptr<DeferredSkinImage> source;
        QRect rect;
    };
    void dropPendingCuts();

    // Cut on first use from pending_ (statePicture() is a read).
    mutable StatePictures pictures_;
    mutable std::array<PendingCut, 4> pending_;
    std::array<StatePicture, 4> shown_{StatePicture::Normal, StatePicture::Over, StatePicture::Down,
                                       StatePicture::Disable};
    QString helpText_;
    QString caption_;
    ToggleMode toggleMode_ = ToggleMode::Push;
    bool hover_ = false;
    bool captured_ = false;
    bool keyboardFocus_ = false;
    int index_ = 0;
    ControlRole role_ = ControlRole::Button;
    std::function<QString()> spokenName_;
};

} // namespace orvyn
