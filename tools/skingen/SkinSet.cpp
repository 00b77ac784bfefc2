#include "SkinSet.h"

#include "SkinPainter.h"
#include "SkinWriter.h"
#include "StandardKeys.h"

#include <QFontMetrics>
#include <QPainter>

namespace orvyn::skingen {

namespace {

using namespace palette;

Control control(int section, const char *name, QRect rect, const char *help, Look look,
                const char *label = "") {
    Control c;
    c.section = section;
    c.name = QString::fromUtf8(name);
    c.rect = rect;
    c.help = QString::fromUtf8(help);
    c.look = look;
    c.label = QString::fromUtf8(label);
    return c;
}

Control windowButton(int section, const char *name, QRect rect, const char *help, Glyph glyph) {
    Control c = control(section, name, rect, help, Look::WindowButton);
    c.glyph = glyph;
    return c;
}

Control editField(int section, const char *name, QRect rect, const char *help, QColor fill) {
    Control c = control(section, name, rect, help, Look::EditField);
    c.fieldColor = fill;
    return c;
}

void dimText(QPainter &p, QRect rect, const QString &text, int pixelSize = 12) {
    drawText(p, rect, text, bodyFont(pixelSize), textDim, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap);
}

void label(QPainter &p, QRect rect, const QString &text, int pixelSize = 13) {
    drawText(p, rect, text, headingFont(pixelSize), textDim, Qt::AlignLeft | Qt::AlignVCenter);
}

// Key-name badge beside a programmable key's field.
void keyBadge(QPainter &p, QRect rect, const QString &text) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    const QRectF r = QRectF(rect).adjusted(0.5, 0.5, -0.5, -0.5);
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, QColor(46, 46, 53));
    g.setColorAt(1, QColor(28, 28, 33));
    p.setPen(QPen(lineHigh, 1));
    p.setBrush(g);
    p.drawPath(cutCornerPath(r, 5));
    p.setPen(Qt::NoPen);
    p.setBrush(red);
    p.drawRect(QRectF(r.left(), r.bottom() - 2, r.width() - 5, 2));
    drawText(p, rect.adjusted(0, 0, 0, -2), text, headingFont(15), text.isEmpty() ? textDim : palette::text,
             Qt::AlignCenter);
    p.restore();
}

// Page background: the pages are rectangular children of the main window.
void drawPageBase(QPainter &p, QSize size, const QString &heading, const QString &hint) {
    const QRectF all(0, 0, size.width(), size.height());
    QLinearGradient g(all.topLeft(), all.bottomLeft());
    g.setColorAt(0, QColor(18, 18, 22));
    g.setColorAt(1, QColor(11, 11, 13));
    p.fillRect(all, g);
    p.save();
    p.setPen(QPen(QColor(255, 255, 255, 5), 1));
    for (int x = -size.height(); x < size.width(); x += 6)
        p.drawLine(QPointF(x, size.height()), QPointF(x + size.height(), 0));
    p.restore();
    p.setPen(QPen(line, 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(all.adjusted(0.5, 0.5, -0.5, -0.5));
    p.setPen(QPen(red, 2));
    p.drawLine(QPointF(1, 1), QPointF(40, 1));
    drawHeading(p, QPoint(16, 14), heading, 16);
    dimText(p, QRect(16, 36, size.width() - 32, 20), hint);
}

// Title bar, close button place and base of a modal dialog.
constexpr int kTitleBar = 40;
constexpr int kDialogChamfer = 12;

SkinWindow dialog(const char *file, const char *stem, const char *title, QSize size, const char *heading) {
    SkinWindow w;
    w.fileName = QString::fromUtf8(file);
    w.stem = QString::fromUtf8(stem);
    w.title = QString::fromUtf8(title);
    w.size = size;
    w.outline = Outline::Chamfered;
    w.chamfer = kDialogChamfer;
    const QString headingText = QString::fromUtf8(heading);
    w.chrome = [size, headingText](QPainter &p) {
        drawWindowBase(p, size, kDialogChamfer, headingText, kTitleBar);
    };
    return w;
}

void addChrome(SkinWindow &w, std::function<void(QPainter &)> more) {
    auto base = w.chrome;
    w.chrome = [base, more](QPainter &p) {
        base(p);
        p.save();
        p.setRenderHint(QPainter::Antialiasing, true);
        more(p);
        p.restore();
    };
}

QRect closeRect(QSize size) {
    return QRect(size.width() - 40, 6, 28, 28);
}

// ---------------------------------------------------------------------------
// Main window.

SkinWindow configWindow() {
    SkinWindow w;
    w.fileName = QStringLiteral("skin_Config.ini");
    w.stem = QStringLiteral("config");
    w.title = QStringLiteral("Orvyn Vantor skin: main configuration window");
    w.size = QSize(960, 500);
    w.outline = Outline::Chamfered;
    w.chamfer = 14;
    w.notes = {QStringLiteral("Section 1 also holds PAGEPOSITION: the rectangle that the four pages fill."),
               QStringLiteral("The window writes its version line itself in the empty strip at x 20 y 452 "
                              "(190 x 20 pixels) left of RESTORE DEFAULTS.")};
    const QSize size = w.size;
    w.chrome = [size](QPainter &p) {
        drawWindowBase(p, size, 14, QString(), 52);
        p.setRenderHint(QPainter::Antialiasing, true);
        // Brand.
        const QString first = QStringLiteral("ORVYN ");
        const int firstWidth = QFontMetrics(headingFont(24)).horizontalAdvance(first);
        drawText(p, QRect(66, 8, 200, 26), first, headingFont(24), palette::text);
        drawText(p, QRect(66 + firstWidth, 8, 200, 26), QStringLiteral("VANTOR"), headingFont(24), red);
        drawText(p, QRect(67, 32, 300, 14), QStringLiteral("GAMING KEYBOARD CONTROL CENTER"), headingFont(11),
                 textDim);
        // Profiles column.
        drawGroup(p, QRect(20, 64, 176, 372), QStringLiteral("PROFILES"));
        p.setPen(QPen(line, 1));
        p.drawLine(QPointF(32, 296.5), QPointF(184, 296.5));
        p.drawLine(QPointF(32, 378.5), QPointF(184, 378.5));
        // Room of the pages.
        p.fillRect(kPageRect.adjusted(-1, -1, 1, 1), QColor(46, 46, 53));
        p.fillRect(kPageRect, QColor(14, 14, 17));
        drawText(p, kPageRect, QStringLiteral("ORVYN VANTOR"), headingFont(40), QColor(30, 30, 35),
                 Qt::AlignCenter);
        // Footer line.
        p.setPen(QPen(line, 1));
        p.drawLine(QPointF(20, 436.5), QPointF(940, 436.5));
    };
    const char *tabNames[] = {"KEY MAPPING", "MACRO KEYS", "MEDIA KEYS", "ADVANCED"};
    const char *tabHelp[] = {"Remap the standard keys of the keyboard.",
                             "Give the programmable keys macros and functions.",
                             "Give the media keys their functions and choose the media player they control.",
                             "Polling rate; lighting; Windows key lock and power saving."};
    const char *tabId[] = {"TAB_KEY_MAPPING", "TAB_MACRO_KEYS", "TAB_MEDIA_KEYS", "TAB_ADVANCED"};
    for (int i = 0; i < 4; ++i)
        w.controls.push_back(
            control(i + 1, tabId[i], QRect(220 + i * 181, 64, 177, 36), tabHelp[i], Look::Tab, tabNames[i]));
    w.controls.push_back(
        control(5, "LOGO", QRect(16, 6, 40, 40), "Orvyn Vantor gaming keyboard.", Look::Logo));
    w.controls.push_back(control(6, "PROFILE_NEW", QRect(32, 306, 72, 28),
                                 "Start the current profile afresh with a new name and game program.",
                                 Look::Button, "NEW"));
    w.controls.push_back(control(7, "PROFILE_IMPORT", QRect(32, 340, 72, 28),
                                 "Load a profile file into the current profile.", Look::Button, "IMPORT"));
    w.controls.push_back(control(8, "PROFILE_EXPORT", QRect(112, 340, 72, 28),
                                 "Save the current profile to a profile file.", Look::Button, "EXPORT"));
    w.controls.push_back(control(9, "PROFILE_EDIT", QRect(112, 306, 72, 28),
                                 "Change the name and the game program of the current profile.", Look::Button,
                                 "EDIT"));
    for (int i = 0; i < 5; ++i) {
        Control c = control(10 + i, "PROFILE", QRect(32, 96 + i * 40, 152, 32), "", Look::Selector);
        c.name = QStringLiteral("PROFILE_%1").arg(i + 1);
        c.label = QStringLiteral("PROFILE %1").arg(i + 1);
        c.help = QStringLiteral("Show and edit profile %1.").arg(i + 1);
        w.controls.push_back(c);
    }
    w.controls.push_back(control(15, "MACRO_MANAGER", QRect(32, 390, 152, 34),
                                 "Record and edit the macros of the macro library.", Look::Button,
                                 "MACRO MANAGER"));
    w.controls.push_back(
        windowButton(16, "MINIMIZE", QRect(890, 12, 28, 28), "Minimize the window.", Glyph::Minimize));
    w.controls.push_back(
        windowButton(17, "CLOSE", QRect(922, 12, 28, 28), "Close without applying changes.", Glyph::Close));
    w.controls.push_back(
        windowButton(18, "USER_MANUAL", QRect(822, 12, 28, 28), "Open the user manual.", Glyph::Help));
    w.controls.push_back(
        windowButton(19, "WEB_PAGE", QRect(854, 12, 28, 28), "Visit the Orvyn Vantor web page.", Glyph::Web));
    w.controls.push_back(control(20, "OK", QRect(636, 448, 96, 32),
                                 "Write the changes to the keyboard and close.", Look::PrimaryButton, "OK"));
    w.controls.push_back(control(21, "APPLY", QRect(740, 448, 96, 32), "Write the changes to the keyboard.",
                                 Look::Button, "APPLY"));
    w.controls.push_back(control(22, "CANCEL", QRect(844, 448, 96, 32), "Close without applying changes.",
                                 Look::Button, "CANCEL"));
    w.controls.push_back(control(25, "RESTORE_DEFAULTS", QRect(220, 448, 170, 32),
                                 "Restore the factory settings of all five profiles.", Look::Button,
                                 "RESTORE DEFAULTS"));
    w.extraKeys.push_back({1, QStringLiteral("PAGEPOSITION"),
                           QStringLiteral("PAGE,%1,%2,%3,%4,")
                               .arg(kPageRect.x())
                               .arg(kPageRect.y())
                               .arg(kPageRect.width())
                               .arg(kPageRect.height())});
    return w;
}

// ---------------------------------------------------------------------------
// Pages (all the size of the page rectangle).

SkinWindow page(const char *file, const char *stem, const char *title) {
    SkinWindow w;
    w.fileName = QString::fromUtf8(file);
    w.stem = QString::fromUtf8(stem);
    w.title = QString::fromUtf8(title);
    w.size = kPageRect.size();
    return w;
}

QString upperId(const QString &name) {
    QString id;
    for (QChar ch : name.toUpper()) {
        if (ch.isLetterOrNumber())
            id += ch;
        else if (!id.endsWith(QLatin1Char('_')))
            id += QLatin1Char('_');
    }
    return id;
}

constexpr QPoint kKeysOrigin{40, 90};

SkinWindow standardKeyPage() {
    SkinWindow w = page("skin_main.ini", "main", "Orvyn Vantor skin: standard-key page");
    w.notes = {QStringLiteral("Sections 40 to 143 are the 104 standard keys in the order of the remap table; "
                              "section 83 is the Enter key (34 x 49 pixels: the outline of its mask).")};
    const QSize size = w.size;
    const std::vector<StandardKey> keys = standardKeys();
    QRect bounds;
    for (const StandardKey &k : keys)
        bounds |= k.rect.translated(kKeysOrigin);
    w.chrome = [size, bounds](QPainter &p) {
        drawPageBase(p, size, QStringLiteral("KEY MAPPING"),
                     QStringLiteral("Click a key to make it send another key or a mouse function. "
                                    "Remapped keys stay lit."));
        p.setRenderHint(QPainter::Antialiasing, true);
        // Keyboard case.
        const QRectF body = QRectF(bounds).adjusted(-14, -14, 14, 14);
        QLinearGradient g(body.topLeft(), body.bottomLeft());
        g.setColorAt(0, QColor(36, 36, 42));
        g.setColorAt(0.06, QColor(22, 22, 26));
        g.setColorAt(1, QColor(9, 9, 11));
        p.setPen(QPen(QColor(62, 62, 70), 1));
        p.setBrush(g);
        p.drawPath(cutCornerPath(body, 14));
        p.setPen(QPen(red, 2));
        p.drawLine(QPointF(body.left() + 16, body.bottom() - 0.5),
                   QPointF(body.right() - 16, body.bottom() - 0.5));
        // Plate under the keys.
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(7, 7, 8));
        p.drawRoundedRect(QRectF(bounds).adjusted(-4, -4, 4, 4), 3, 3);
        // Lock lights above the keypad.
        const int padLeft = kKeysOrigin.x() + 76 * 7;
        const char *lights[] = {"NUM", "CAPS", "SCROLL"};
        for (int i = 0; i < 3; ++i) {
            const QRectF led(padLeft + 8 + i * 34, kKeysOrigin.y() + 4, 12, 4);
            p.setBrush(i == 0 ? QColor(200, 16, 24) : QColor(48, 16, 18));
            p.drawRoundedRect(led, 1.5, 1.5);
            drawText(p, QRect(int(led.left()) - 8, kKeysOrigin.y() + 9, 28, 10),
                     QString::fromLatin1(lights[i]), headingFont(8), textDim, Qt::AlignCenter);
        }
        // Legend below the keyboard.
        const int y = int(body.bottom()) + 12;
        QRectF lit(16, y, 18, 16), unlit(132, y, 18, 16);
        p.setBrush(QColor(200, 18, 26));
        p.setPen(QPen(redHigh, 1));
        p.drawRoundedRect(lit, 3, 3);
        p.setBrush(QColor(40, 40, 46));
        p.setPen(QPen(QColor(66, 66, 75), 1));
        p.drawRoundedRect(unlit, 3, 3);
        dimText(p, QRect(40, y + 1, 90, 16), QStringLiteral("Remapped key"));
        dimText(p, QRect(156, y + 1, 120, 16), QStringLiteral("Default key"));
    };
    for (const StandardKey &k : keys) {
        Control c;
        c.section = 40 + k.position;
        c.name = QStringLiteral("KEY_") + upperId(k.name);
        c.rect = k.rect.translated(kKeysOrigin);
        c.help = QStringLiteral("%1 key. Click to make it send another key or a mouse function.").arg(k.name);
        c.look = k.position == kEnterPosition ? Look::EnterKey : Look::Key;
        c.label = k.legend;
        c.subLabel = k.shifted;
        w.controls.push_back(c);
    }
    return w;
}

SkinWindow macroKeyPage() {
    SkinWindow w = page("skin_macro_control.ini", "macro_control", "Orvyn Vantor skin: macro-key page");
    w.notes = {QStringLiteral("Sections 1 to 15 are the programmable keys G1 to G15; the program writes each "
                              "key's assignment on its field.")};
    const QSize size = w.size;
    auto cell = [](int n) { // n = 0..14, column by column
        return QPoint(16 + (n / 5) * 236, 80 + (n % 5) * 42);
    };
    w.chrome = [size, cell](QPainter &p) {
        drawPageBase(p, size, QStringLiteral("MACRO KEYS"),
                     QStringLiteral("Click a key to give it a macro, a key combination, a program, a media "
                                    "function or a mouse button."));
        for (int n = 0; n < 15; ++n)
            keyBadge(p, QRect(cell(n), QSize(40, 30)), QStringLiteral("G%1").arg(n + 1));
        dimText(p, QRect(16, 290, 680, 16),
                QStringLiteral("G9 to G14 are the media keys: the Media Keys page shows the same six keys."),
                11);
    };
    for (int n = 0; n < 15; ++n) {
        Control c;
        c.section = n + 1;
        c.name = QStringLiteral("MACRO_KEY_G%1").arg(n + 1);
        c.rect = QRect(cell(n) + QPoint(46, 0), QSize(176, 30));
        c.help = QStringLiteral("Programmable key G%1. Click to choose what it does.").arg(n + 1);
        c.look = Look::CaptionField;
        w.controls.push_back(c);
    }
    return w;
}

SkinWindow mediaKeyPage() {
    SkinWindow w =
        page("skin_media_key_control.ini", "media_key_control", "Orvyn Vantor skin: media-key page");
    w.notes = {
        QStringLiteral("Sections 9 to 14 are the six media keys; section 20 chooses the media player. The "
                       "program writes the current choice on each field.")};
    const QSize size = w.size;
    auto cell = [](int i) { return QPoint(32 + (i % 2) * 212, 104 + (i / 2) * 46); };
    w.chrome = [size, cell](QPainter &p) {
        drawPageBase(
            p, size, QStringLiteral("MEDIA KEYS"),
            QStringLiteral("Click a media key to choose its function. The media keys drive the player "
                           "chosen on the right."));
        drawGroup(p, QRect(16, 64, 440, 232), QStringLiteral("KEYS"));
        drawGroup(p, QRect(472, 64, 232, 232), QStringLiteral("MEDIA PLAYER"));
        for (int i = 0; i < 6; ++i)
            keyBadge(p, QRect(cell(i), QSize(44, 30)), QStringLiteral("M%1").arg(i + 1));
        dimText(p, QRect(32, 248, 400, 40),
                QStringLiteral("M1 to M6 are keys G9 to G14 of the Macro Keys page."), 11);
        dimText(p, QRect(488, 96, 200, 32), QStringLiteral("The media keys control this player:"));
        dimText(
            p, QRect(488, 176, 200, 100),
            QStringLiteral("Play, pause, stop and track keys go to the chosen player when it is running."),
            11);
    };
    for (int i = 0; i < 6; ++i) {
        Control c;
        c.section = 9 + i;
        c.name = QStringLiteral("MEDIA_KEY_M%1").arg(i + 1);
        c.rect = QRect(cell(i) + QPoint(50, 0), QSize(150, 30));
        c.help = QStringLiteral("Media key M%1. Click to choose what it does.").arg(i + 1);
        c.look = Look::CaptionField;
        w.controls.push_back(c);
    }
    w.controls.push_back(control(20, "MEDIA_PLAYER", QRect(488, 128, 200, 32),
                                 "The media player that the media keys control. Click to choose another.",
                                 Look::CaptionField));
    return w;
}

SkinWindow advancedPage() {
    SkinWindow w = page("Skin_Advance.ini", "advance", "Orvyn Vantor skin: advanced page");
    w.notes = {
        QStringLiteral("Polling rate 1-3; lighting effect 4 and colour 5 (menus: the program writes the "
                       "value); Windows key 6-7; power saving 8-9.")};
    const QSize size = w.size;
    w.chrome = [size](QPainter &p) {
        drawPageBase(p, size, QStringLiteral("ADVANCED"),
                     QStringLiteral("Settings of the current profile. They reach the keyboard when you press "
                                    "APPLY or OK."));
        drawGroup(p, QRect(16, 62, 336, 114), QStringLiteral("POLLING RATE"));
        dimText(p, QRect(32, 94, 310, 16), QStringLiteral("How often the keyboard reports to the computer."),
                11);
        drawGroup(p, QRect(368, 62, 336, 114), QStringLiteral("LIGHTING"));
        label(p, QRect(384, 94, 150, 14), QStringLiteral("EFFECT"), 12);
        label(p, QRect(546, 94, 142, 14), QStringLiteral("COLOUR"), 12);
        drawGroup(p, QRect(16, 188, 336, 114), QStringLiteral("WINDOWS KEY"));
        dimText(p, QRect(32, 220, 310, 16),
                QStringLiteral("Lock it so that it cannot throw you out of a game."), 11);
        drawGroup(p, QRect(368, 188, 336, 114), QStringLiteral("POWER SAVING"));
        dimText(p, QRect(384, 220, 310, 16), QStringLiteral("Lets the keyboard save power when it is idle."),
                11);
    };
    w.controls.push_back(control(1, "POLLING_125", QRect(32, 124, 98, 34),
                                 "Report 125 times a second (8 ms).", Look::Selector, "125 Hz"));
    w.controls.push_back(control(2, "POLLING_500", QRect(138, 124, 98, 34),
                                 "Report 500 times a second (2 ms).", Look::Selector, "500 Hz"));
    w.controls.push_back(control(3, "POLLING_1000", QRect(244, 124, 98, 34),
                                 "Report 1000 times a second (1 ms): the quickest response.", Look::Selector,
                                 "1000 Hz"));
    w.controls.push_back(control(4, "LIGHTING_EFFECT", QRect(384, 114, 150, 34),
                                 "Lighting effect of the keyboard. Click to choose another.",
                                 Look::CaptionField));
    w.controls.push_back(control(5, "LIGHTING_COLOUR", QRect(546, 114, 142, 34),
                                 "Lighting colour of the keyboard. Click to choose another.",
                                 Look::CaptionField));
    w.controls.push_back(control(6, "WINDOWS_KEY_ENABLED", QRect(32, 250, 150, 34),
                                 "The Windows keys work as usual.", Look::Selector, "ENABLED"));
    w.controls.push_back(control(7, "WINDOWS_KEY_LOCKED", QRect(190, 250, 150, 34),
                                 "The Windows keys are locked while you play.", Look::Selector, "LOCKED"));
    w.controls.push_back(control(8, "POWER_SAVING_OFF", QRect(384, 250, 150, 34), "Power saving is off.",
                                 Look::Selector, "OFF"));
    w.controls.push_back(control(9, "POWER_SAVING_ON", QRect(542, 250, 150, 34),
                                 "The keyboard saves power when it is idle.", Look::Selector, "ON"));
    return w;
}

// ---------------------------------------------------------------------------
// Dialogs.

const QColor kPathFieldColour{229, 229, 229};
const QColor kProfileFieldColour{230, 230, 230};

SkinWindow macroManager() {
    SkinWindow w = dialog("skin_macro_manager.ini", "macro_manager", "Orvyn Vantor skin: macro manager",
                          QSize(660, 456), "MACRO MANAGER");
    w.notes = {
        QStringLiteral("Section 7 is the record button; while recording it shows stop_record_*.jpg and "
                       "otherwise start_record_*.jpg (pictures the size of the button).")};
    addChrome(w, [](QPainter &p) {
        drawGroup(p, QRect(16, 52, 232, 340), QStringLiteral("MACROS"));
        drawGroup(p, QRect(260, 52, 384, 340), QStringLiteral("EVENTS"));
        label(p, QRect(556, 222, 80, 22), QStringLiteral("TIMES"), 13);
        dimText(
            p, QRect(494, 262, 140, 120),
            QStringLiteral("Right-click the event list to record before or after a step, insert delays and "
                           "mouse buttons, edit or delete."),
            11);
    });
    w.controls.push_back(control(1, "OK", QRect(428, 408, 100, 32), "Keep the changes to the macro library.",
                                 Look::PrimaryButton, "OK"));
    w.controls.push_back(control(2, "CANCEL", QRect(536, 408, 108, 32),
                                 "Discard the changes to the macro library.", Look::Button, "CANCEL"));
    w.controls.push_back(
        windowButton(3, "CLOSE", closeRect(w.size), "Discard the changes and close.", Glyph::Close));
    w.controls.push_back(control(4, "NEW_MACRO", QRect(28, 348, 100, 30), "Create a new macro and name it.",
                                 Look::Button, "NEW"));
    w.controls.push_back(control(5, "DELETE_MACRO", QRect(136, 348, 100, 30), "Delete the selected macro.",
                                 Look::Button, "DELETE"));
    w.controls.push_back(
        control(6, "MACRO_LIST", QRect(30, 86, 204, 248), "Macros of the library.", Look::ListField));
    Control record = control(7, "RECORD", QRect(494, 86, 138, 36),
                             "Record the keys you press into the selected macro. Click again to stop.",
                             Look::RecordButton, "RECORD");
    record.glyph = Glyph::Record;
    w.controls.push_back(record);
    w.controls.push_back(control(8, "RECORD_DELAYS", QRect(494, 134, 138, 30),
                                 "Record the pauses between the keys as delays.", Look::Toggle,
                                 "RECORD DELAYS"));
    w.controls.push_back(control(9, "REPEAT", QRect(494, 176, 138, 30),
                                 "Play the macro more than once each time the key is pressed.", Look::Toggle,
                                 "REPEAT"));
    w.controls.push_back(editField(10, "REPEAT_COUNT", QRect(500, 222, 48, 22),
                                   "How many times the macro plays (1-255).", Qt::white));
    w.controls.push_back(control(11, "EVENT_LIST", QRect(274, 86, 206, 292),
                                 "Steps of the selected macro. Right-click for more.", Look::ListField));
    return w;
}

SkinWindow launchProgram() {
    SkinWindow w = dialog("skin_lanuch_program.ini", "lanuch_program",
                          "Orvyn Vantor skin: launch-program dialog", QSize(500, 200), "LAUNCH PROGRAM");
    addChrome(w, [](QPainter &p) {
        label(p, QRect(20, 54, 400, 20), QStringLiteral("PROGRAM TO START WHEN THE KEY IS PRESSED"));
    });
    w.controls.push_back(
        editField(1, "PROGRAM_PATH", QRect(22, 86, 346, 24), "Path of the program.", kPathFieldColour));
    w.controls.push_back(control(2, "BROWSE", QRect(380, 82, 104, 32), "Choose the program in a file dialog.",
                                 Look::Button, "BROWSE..."));
    w.controls.push_back(
        control(3, "OK", QRect(272, 150, 104, 32), "Use this program.", Look::PrimaryButton, "OK"));
    w.controls.push_back(
        control(4, "CANCEL", QRect(384, 150, 100, 32), "Keep the key as it was.", Look::Button, "CANCEL"));
    w.controls.push_back(
        windowButton(5, "CLOSE", closeRect(w.size), "Keep the key as it was and close.", Glyph::Close));
    return w;
}

SkinWindow profileDialog() {
    SkinWindow w = dialog("skin_profile.ini", "profile", "Orvyn Vantor skin: profile dialog", QSize(500, 262),
                          "PROFILE");
    addChrome(w, [](QPainter &p) {
        label(p, QRect(20, 52, 300, 20), QStringLiteral("PROFILE NAME"));
        label(p, QRect(20, 118, 300, 20), QStringLiteral("GAME PROGRAM"));
        dimText(p, QRect(20, 138, 460, 16),
                QStringLiteral("The keyboard switches to this profile when this program comes to the front."),
                11);
    });
    w.controls.push_back(editField(1, "PROFILE_NAME", QRect(22, 78, 250, 24),
                                   "Name of the profile (20 characters).", kProfileFieldColour));
    w.controls.push_back(editField(2, "GAME_PROGRAM", QRect(22, 164, 346, 24),
                                   "Program that selects this profile when it comes to the front.",
                                   kProfileFieldColour));
    w.controls.push_back(control(3, "BROWSE", QRect(380, 160, 104, 32),
                                 "Choose the game program in a file dialog.", Look::Button, "BROWSE..."));
    w.controls.push_back(control(4, "OK", QRect(272, 212, 104, 32), "Keep the name and the game program.",
                                 Look::PrimaryButton, "OK"));
    w.controls.push_back(control(5, "CANCEL", QRect(384, 212, 100, 32), "Leave the profile as it was.",
                                 Look::Button, "CANCEL"));
    w.controls.push_back(
        windowButton(6, "CLOSE", closeRect(w.size), "Leave the profile as it was and close.", Glyph::Close));
    return w;
}

SkinWindow shortcutDialog() {
    SkinWindow w = dialog("skin_shortcut.ini", "shortcut", "Orvyn Vantor skin: shortcut dialog",
                          QSize(440, 272), "KEY COMBINATION");
    addChrome(w, [](QPainter &p) {
        label(p, QRect(20, 52, 300, 20), QStringLiteral("PRESS THE KEY"));
        label(p, QRect(20, 124, 300, 20), QStringLiteral("WITH"));
        dimText(
            p, QRect(20, 192, 400, 30),
            QStringLiteral("Every key you press is taken as the key of the combination; Esc and Enter too."),
            11);
    });
    w.controls.push_back(
        control(2, "OK", QRect(216, 224, 100, 32), "Use this key combination.", Look::PrimaryButton, "OK"));
    w.controls.push_back(
        control(3, "CANCEL", QRect(324, 224, 100, 32), "Keep the key as it was.", Look::Button, "CANCEL"));
    w.controls.push_back(
        windowButton(4, "CLOSE", closeRect(w.size), "Keep the key as it was and close.", Glyph::Close));
    const char *names[] = {"NO_MODIFIER", "CTRL", "SHIFT", "ALT", "WIN"};
    const char *labels[] = {"NONE", "CTRL", "SHIFT", "ALT", "WIN"};
    const char *help[] = {"The key alone without a modifier.", "Hold Ctrl with the key.",
                          "Hold Shift with the key.", "Hold Alt with the key.",
                          "Hold the Windows key with the key."};
    for (int i = 0; i < 5; ++i)
        w.controls.push_back(
            control(5 + i, names[i], QRect(20 + i * 82, 148, 76, 32), help[i], Look::Toggle, labels[i]));
    w.controls.push_back(
        editField(10, "KEY_NAME", QRect(22, 80, 396, 28), "The key of the combination.", Qt::white));
    return w;
}

SkinWindow swapKeyDialog() {
    SkinWindow w = dialog("skin_swap_key.ini", "swap_key", "Orvyn Vantor skin: swap-key dialog",
                          QSize(460, 300), "SWAP KEY");
    w.notes = {QStringLiteral("Section 9 is no control: the window writes what the key does now at its "
                              "top-left corner.")};
    addChrome(w, [](QPainter &p) {
        p.setPen(QPen(line, 1));
        p.setBrush(QColor(8, 8, 10));
        p.drawRect(QRectF(16.5, 52.5, 427, 52));
        label(p, QRect(26, 56, 300, 18), QStringLiteral("THIS KEY NOW SENDS"), 12);
        dimText(p, QRect(20, 210, 420, 32),
                QStringLiteral("KEY: press the key it should send. MOUSE: choose a mouse function."), 11);
    });
    w.controls.push_back(
        editField(1, "NEW_KEY", QRect(142, 127, 186, 26), "The key it will send.", Qt::white));
    w.controls.push_back(
        control(2, "OK", QRect(236, 252, 100, 32), "Remap the key.", Look::PrimaryButton, "OK"));
    w.controls.push_back(
        control(3, "CANCEL", QRect(344, 252, 100, 32), "Keep the key as it was.", Look::Button, "CANCEL"));
    w.controls.push_back(
        windowButton(4, "CLOSE", closeRect(w.size), "Keep the key as it was and close.", Glyph::Close));
    w.controls.push_back(control(5, "DEFAULT", QRect(340, 124, 104, 32),
                                 "Give the key back its own function.", Look::Button, "DEFAULT"));
    w.controls.push_back(control(6, "MOUSE_FUNCTION", QRect(142, 168, 186, 32), "Choose the mouse function.",
                                 Look::CaptionField));
    w.controls.push_back(
        control(7, "MODE_KEY", QRect(20, 124, 110, 32), "The key sends another key.", Look::Toggle, "KEY"));
    w.controls.push_back(control(8, "MODE_MOUSE", QRect(20, 168, 110, 32), "The key acts as a mouse button.",
                                 Look::Toggle, "MOUSE"));
    w.controls.push_back(control(9, "TITLE_TEXT", QRect(26, 78, 400, 22), "", Look::TextSpot));
    return w;
}

SkinWindow warning(const char *file, const char *stem, const char *title, const char *heading,
                   const char *message, const char *detail, const char *okHelp, const char *cancelHelp) {
    SkinWindow w = dialog(file, stem, title, QSize(420, 200), heading);
    const QString msg = QString::fromUtf8(message), more = QString::fromUtf8(detail);
    addChrome(w, [msg, more](QPainter &p) {
        drawWarningSign(p, QRect(24, 62, 50, 44));
        drawText(p, QRect(92, 56, 310, 22), msg, bodyFont(16, true), palette::text);
        dimText(p, QRect(92, 82, 310, 56), more, 13);
    });
    w.controls.push_back(control(1, "OK", QRect(196, 150, 100, 32), okHelp, Look::PrimaryButton, "OK"));
    w.controls.push_back(control(2, "CANCEL", QRect(304, 150, 100, 32), cancelHelp, Look::Button, "CANCEL"));
    w.controls.push_back(windowButton(3, "CLOSE", closeRect(w.size), cancelHelp, Glyph::Close));
    return w;
}

} // namespace

std::vector<SkinWindow> skinSet() {
    std::vector<SkinWindow> set;
    set.push_back(configWindow());
    set.push_back(standardKeyPage());
    set.push_back(macroKeyPage());
    set.push_back(mediaKeyPage());
    set.push_back(advancedPage());
    set.push_back(profileDialog());
    set.push_back(macroManager());
    set.push_back(launchProgram());
    set.push_back(warning("skin_delete_macro_warn.ini", "delete_macro_warn",
                          "Orvyn Vantor skin: delete-macro confirmation", "DELETE MACRO",
                          "Delete the selected macro?",
                          "It is removed from the macro library. Cancel in the macro manager brings it back.",
                          "Delete the macro.", "Keep the macro."));
    set.push_back(warning("skin_macro_set_warn.ini", "macro_set_warn", "Orvyn Vantor skin: no-macro warning",
                          "NO MACRO SELECTED", "Select a macro first.",
                          "Choose a macro in the list or create one with NEW.", "Close this message.",
                          "Close this message."));
    set.push_back(shortcutDialog());
    set.push_back(swapKeyDialog());
    set.push_back(
        warning("skin_reset_warn.ini", "reset_warn", "Orvyn Vantor skin: reset warning", "RESTORE DEFAULTS",
                "Restore the factory settings?",
                "All five profiles return to their defaults and are written to the keyboard at once.",
                "Restore the factory settings.", "Keep the current settings."));
    return set;
}

std::vector<NamedImage> recordButtonPictures() {
    SkinWindow manager = macroManager();
    Control *record = nullptr;
    for (Control &c : manager.controls) {
        if (c.section == 7)
            record = &c;
    }
    std::vector<NamedImage> pictures;
    if (!record)
        return pictures;
    const QRect rect = record->rect;
    const struct {
        const char *prefix;
        const char *label;
        Glyph glyph;
    } sets[] = {{"start_record", "RECORD", Glyph::Record}, {"stop_record", "STOP", Glyph::Stop}};
    const struct {
        const char *suffix;
        State state;
    } states[] = {{"normal", State::Normal}, {"over", State::Over}, {"down", State::Down}};
    for (const auto &set : sets) {
        record->label = QString::fromUtf8(set.label);
        record->glyph = set.glyph;
        for (const auto &st : states) {
            const QImage full = renderState(manager, st.state);
            pictures.push_back(
                {QStringLiteral("%1_%2.jpg").arg(QLatin1String(set.prefix), QLatin1String(st.suffix)),
                 full.copy(rect), "JPEG"});
        }
    }
    return pictures;
}

} // namespace orvyn::skingen
