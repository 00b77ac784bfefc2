// The model the generator draws from: one skinned window with its chrome
// (everything that is not a control) and its controls, each with a look that
// is drawn once per control state into the four full-window pictures.
#pragma once

#include <QImage>
#include <QRect>
#include <QString>

#include <functional>
#include <vector>

class QPainter;

namespace orvyn::skingen {

// The four control states, in the order of the SCREEN pictures.
enum class State { Normal, Over, Down, Disable };
inline constexpr State kStates[] = {State::Normal, State::Over, State::Down, State::Disable};

// How a control looks in the pictures.
enum class Look {
    Button,        // labelled push button
    PrimaryButton, // the confirming button of a window (OK, Apply)
    Tab,           // page tab; Down is the selected tab
    Selector,      // one choice of a group; Down is the chosen one
    Toggle,        // on/off switch with a check box; Down is on
    CaptionField,  // blank field whose caption the program draws at x = 5, opens a menu
    WindowButton,  // small glyph button in a title bar
    Key,           // key cap of the standard-key page
    EnterKey,      // the L-shaped Enter key, outline of mask 308
    RecordButton,  // start/stop recording
    Logo,          // brand badge that does nothing
    EditField,     // field of an edit control; the control paints over it
    ListField,     // field of a list control; the control paints over it
    TextSpot,      // place where the window draws a text itself; nothing drawn
};

enum class Glyph { None, Close, Minimize, Help, Web, Record, Stop };

struct Control {
    int section = 0; // number of the skin file section
    QString name;    // name field of the control line
    QRect rect;      // client pixels of the window
    QString help;    // quick-help text (no commas: the grammar cannot hold them)
    Look look = Look::Button;
    QString label;    // text drawn into the pictures (empty for caption fields)
    QString subLabel; // second legend line (keys) or small note
    Glyph glyph = Glyph::None;
    QColor fieldColor; // background of edit fields
};

// Extra keys a window file carries beside BUTTONPOS (for example the page
// rectangle of the main window), written into the section of `section`.
struct ExtraKey {
    int section = 0;
    QString key;
    QString value;
};

enum class Outline { Rectangle, Chamfered };

struct SkinWindow {
    QString fileName; // skin description file, e.g. "skin_main.ini"
    QString stem;     // prefix of its picture files, e.g. "main"
    QString title;    // what the window is, for the file's comment
    QSize size;
    Outline outline = Outline::Rectangle;
    int chamfer = 0; // corner cut of a chamfered outline
    std::function<void(QPainter &)> chrome;
    std::vector<Control> controls;
    std::vector<ExtraKey> extraKeys;
    std::vector<QString> notes; // comment lines written at the top of the file
};

} // namespace orvyn::skingen
