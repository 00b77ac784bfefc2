// A borderless window drawn entirely from pictures: a page inside the main
// window or a modal popup. Its skin file names the background, the three
// other control-state pictures and a mask that gives the outline, and
// places every control.
#pragma once

#include "option/skin/BitmapButton.h"
#include "option/skin/BitmapEdit.h"
#include "option/skin/ControlLine.h"
#include "option/skin/SkinFile.h"
#include "option/skin/SkinImage.h"

#include <QDialog>
#include <QImage>
#include <QPoint>
#include <QPointer>
#include <QRegion>
#include <array>
#include <initializer_list>
#include <map>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace orvyn {

enum class SkinWindowKind { ChildPage, ModalPopup };

// What is wrong with the skin file <skin folder><fileName> or the pictures
// its [SCREEN] section names, checked as loadSkin() reads them but without
// decoding a picture: "" when it would load whole, else the first problem,
// naming the file ("<path>: is not a regular file").
std::string checkSkinFile(const QString &fileName);
// checkSkinFile() for every skin file of the set (kSkinFiles), in order:
// the first problem, or "".
std::string checkSkinSet();

// What a window puts at one of its control sections.
enum class SkinControlKind {
    Button,   // a BitmapButton with its state pictures and help text
    Edit,     // a BitmapEdit on the rectangle
    PlaceOnly // only the placement; the window makes its own control there
};

// A control section and the window's own settings for it.
struct SkinControlSetup {
    int section = 0;
    SkinControlKind kind = SkinControlKind::Button;
    int index = 0; // sent with hover notifications
    ToggleMode toggleMode = ToggleMode::Push;
    ButtonCheck initial = ButtonCheck::Released;
};

// Push buttons at `sections`, each with its section number as hover index.
std::vector<SkinControlSetup> pushButtons(std::span<const int> sections);
std::vector<SkinControlSetup> pushButtons(std::initializer_list<int> sections);

// Top-left of a frameless window of `size` centred over `owner` (the owner's
// window rectangle, or the screen's free area when there is no owner), kept
// inside `screen` where it fits.
QPoint centredPlace(const QSize &size, const QRect &owner, const QRect &screen);

// Window state pictures decoded only when a control first shows them
// (empty where the picture was decoded at once or is missing).
using DeferredPictures = std::array<std::shared_ptr<DeferredSkinImage>, 4>;

// Whether the window keeps the full-window state pictures after its
// controls have theirs (a window that re-cuts pictures later keeps them).
enum class WindowPictures { Discard, Keep };

// The sections of a window's OK, Cancel and close buttons; kNoSection where
// the window has no such button.
inline constexpr int kNoSection = -1;
struct DialogButtons {
    int ok = kNoSection;
    int cancel = kNoSection;
    int close = kNoSection;
};
// The buttons of a skin whose sections name Ok, Cancel and Close.
template <class Skin> constexpr DialogButtons dialogButtonsOf() {
    return {Skin::Ok, Skin::Cancel, Skin::Close};
}

class SkinnedDialog : public QDialog {
    Q_OBJECT
public:
    SkinnedDialog(SkinWindowKind kind, QWidget *parent = nullptr);
    ~SkinnedDialog() override;

    // Builds the window from <skin folder><fileName>: pictures, size,
    // controls in ascending section order, outline. Missing files, keys and
    // pictures leave their part empty; the window is built regardless, and
    // skinProblem() (also traced) says what was wrong.
    void loadSkin(const QString &fileName, std::vector<SkinControlSetup> controls,
                  WindowPictures keep = WindowPictures::Discard);
    // The first thing wrong with the last skin loaded, naming the file;
    // empty when the skin loaded whole.
    const std::string &skinProblem() const { return skinProblem_; }

    SkinWindowKind kind() const { return kind_; }
    const SkinFile &skinFile() const { return skin_; }
    const QImage &background() const { return background_; }
    const QImage &maskPicture() const { return mask_; }
    // The full-window state pictures (only while kept).
    const StatePictures &windowPictures() const { return windowPictures_; }
    // The outline set from the mask; nullopt when the window is rectangular.
    const std::optional<QRegion> &outline() const { return outline_; }

    BitmapButton *button(int section) const;
    BitmapEdit *edit(int section) const;
    // The parsed control line of a section the window defines (zero-filled
    // when it does not define it).
    ControlPlacement placement(int section) const;
    QRect controlRect(int section) const;
    // The section of a control created by loadSkin(), or -1.
    int sectionOf(const QObject *control) const;

    // Whether Escape does what Cancel does (setDialogButtons()). A window
    // whose buttons alone may end it ignores Escape.
    enum class EscapeKey { Cancels, Ignored };
    void setEscapeKey(EscapeKey use) { escapeKey_ = use; }

    // Gives the window's OK (accept()), Cancel and close (reject()) buttons.
    void setDialogButtons(DialogButtons buttons) { dialogButtons_ = buttons; }
    const DialogButtons &dialogButtons() const { return dialogButtons_; }
    // What a click on the control of `section` does (every controlCommand
    // comes here). This handles the dialog buttons; a window overrides it
    // for its own controls and passes on the rest, and overrides accept()
    // where OK does more than close.
    virtual void command(int section);

    // A popup opening for the first time is placed explicitly: centred over
    // its owner's window, or on the screen when it has none (see placePopup).
    void setVisible(bool visible) override;

signals:
    // A control was clicked.
    void controlCommand(int section);
    // A button of this window was entered or left.
    void skinHover(bool entered, int index);
    // A BitmapEdit of this window lost the focus / changed.
    void editKillFocus();
    void editChanged();

protected:
    // Draws the window's own texts over the background.
    virtual void paintSkinTexts(QPainter &painter);

    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    // Escape: Cancel, else close, else (the main window) only drops the
    // focus; Enter and Return never close the window by themselves.
    void keyPressEvent(QKeyEvent *event) override;
    // Tab and Shift+Tab walk the controls in reading order (FocusOrder.h).
    bool focusNextPrevChild(bool next) override;

private:
    struct Control {
        ControlPlacement placement;
        QPointer<QWidget> widget;
        SkinControlKind kind = SkinControlKind::PlaceOnly;
    };

    void createControl(const SkinControlSetup &setup);

    SkinWindowKind kind_;
    SkinFile skin_;
    QImage mask_;
    QImage background_;
    StatePictures windowPictures_;
    // The state pictures decoded on first use, while controls are made.
    DeferredPictures deferredPictures_;
    std::optional<QRegion> outline_;
    std::string skinProblem_;
    std::map<int, Control> controls_;
    DialogButtons dialogButtons_;
    EscapeKey escapeKey_ = EscapeKey::Cancels;
    // Manual dragging when the window system cannot move the window itself.
    bool dragging_ = false;
    QPoint dragOffset_;
};

} // namespace orvyn
