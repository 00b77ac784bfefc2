#include "SkinSet.h"

#include "SkinChrome.h"
#include "SkinControlTables.h"
#include "SkinText.h"
#include "SkinWriter.h"
#include "StandardKeys.h"
#include "option/skin/SkinNames.h"

#include <QCoreApplication>

#include <span>

namespace orvyn::skingen {

namespace {

QString text(const char *s) {
    return QString::fromUtf8(s);
}

// The labels and help texts of `rows` come translated from `context`.
void addControls(SkinWindow &w, const char *context, std::span<const ControlRow> rows) {
    for (const ControlRow &row : rows) {
        Control c;
        c.section = row.section;
        c.name = text(row.name);
        c.rect = row.rect;
        c.help = skinText(context, row.help);
        c.look = row.look;
        c.label = skinText(context, row.label);
        c.glyph = row.glyph;
        if (row.look == Look::EditField)
            c.fieldColor = QColor::fromRgba(row.field);
        w.controls.push_back(c);
    }
}

SkinWindow window(const char *file, const char *stem, const QString &what, QSize size) {
    SkinWindow w;
    w.fileName = text(file);
    w.stem = text(stem);
    w.title = QStringLiteral("Orvyn Vantor skin: ") + what;
    w.size = size;
    return w;
}

SkinWindow page(const char *file, const char *stem, const char *what, void (*chrome)(QPainter &, QSize)) {
    SkinWindow w = window(file, stem, text(what), kPageRect.size());
    w.chrome = [size = w.size, chrome](QPainter &p) { chrome(p, size); };
    return w;
}

// A modal dialog: chamfered, with a title bar, and its own chrome on top.
SkinWindow dialog(const char *file, const char *stem, const char *what, QSize size, const char *context,
                  const char *heading, std::function<void(QPainter &)> chrome,
                  std::span<const ControlRow> rows) {
    SkinWindow w = window(file, stem, text(what), size);
    w.outline = Outline::Chamfered;
    w.chamfer = kDialogChamfer;
    w.chrome = [size, headingText = skinText(context, heading), chrome](QPainter &p) {
        drawDialogBase(p, size, headingText);
        p.save();
        p.setRenderHint(QPainter::Antialiasing, true);
        chrome(p);
        p.restore();
    };
    addControls(w, context, rows);
    return w;
}

SkinWindow configWindow() {
    SkinWindow w =
        window(CW::kFile, "config", QStringLiteral("main configuration window"), kConfigWindowSize);
    w.outline = Outline::Chamfered;
    w.chamfer = kConfigChamfer;
    const SkinRect version = CW::kVersionLine;
    w.notes = {QStringLiteral("Section 1 also holds PAGEPOSITION: the rectangle that the four pages fill."),
               QStringLiteral("The window writes its version line itself in the empty strip at x %1 y %2 "
                              "(%3 x %4 pixels) left of RESTORE DEFAULTS.")
                   .arg(version.x)
                   .arg(version.y)
                   .arg(version.width)
                   .arg(version.height)};
    w.chrome = [size = w.size](QPainter &p) { drawConfigChrome(p, size); };
    addControls(w, "SkinMain", kConfigControls);
    w.extraKeys.push_back({CW::kPageLine, QString::fromLatin1(kPageGroup),
                           QStringLiteral("PAGE,%1,%2,%3,%4,")
                               .arg(kPageRect.x())
                               .arg(kPageRect.y())
                               .arg(kPageRect.width())
                               .arg(kPageRect.height())});
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

SkinWindow standardKeyPage() {
    using SP = StandardKeyPageSkin;
    SkinWindow w = page(SP::kFile, "main", "standard-key page", drawStandardKeyChrome);
    w.notes = {QStringLiteral("Sections %1 to %2 are the %3 standard keys in the order of the remap table; "
                              "section %4 is the Enter key (34 x 49 pixels: the outline of its mask).")
                   .arg(SP::section(0))
                   .arg(SP::section(SP::kKeyCount - 1))
                   .arg(SP::kKeyCount)
                   .arg(SP::section(SP::kEnterPosition))};
    for (const StandardKey &k : standardKeys()) {
        Control c;
        c.section = SP::section(k.position);
        c.name = QStringLiteral("KEY_") + upperId(k.name);
        c.rect = k.rect.translated(kKeysOrigin);
        c.help = QCoreApplication::translate("SkinKeyMapping",
                                             "%1 key. Click to make it send another key or a mouse function.")
                     .arg(QCoreApplication::translate("KeyName", k.name.toUtf8().constData()));
        c.look = k.position == SP::kEnterPosition ? Look::EnterKey : Look::Key;
        c.label = k.legend;
        c.subLabel = k.shifted;
        w.controls.push_back(c);
    }
    return w;
}

SkinWindow macroKeyPage() {
    using MK = MacroKeyPageSkin;
    SkinWindow w = page(MK::kFile, "macro_control", "macro-key page", drawMacroKeyChrome);
    w.notes = {QStringLiteral("Sections 1 to 15 are the programmable keys G1 to G15; the program writes each "
                              "key's assignment on its field.")};
    for (int n = 0; n < MK::kKeyCount; ++n) {
        Control c;
        c.section = MK::kFirstKey + n;
        c.name = QStringLiteral("MACRO_KEY_G%1").arg(n + 1);
        c.rect = QRect(macroKeyCell(n) + QPoint(46, 0), QSize(176, 30));
        c.help = QCoreApplication::translate("SkinMacroKeys",
                                             "Programmable key G%1. Click to choose what it does.")
                     .arg(n + 1);
        c.look = Look::CaptionField;
        w.controls.push_back(c);
    }
    return w;
}

SkinWindow mediaKeyPage() {
    using MK = MediaKeyPageSkin;
    SkinWindow w = page(MK::kFile, "media_key_control", "media-key page", drawMediaKeyChrome);
    w.notes = {
        QStringLiteral("Sections 9 to 14 are the six media keys; section 20 chooses the media player. The "
                       "program writes the current choice on each field.")};
    for (int i = 0; i < MK::kKeyCount; ++i) {
        Control c;
        c.section = MK::kFirstKey + i;
        c.name = QStringLiteral("MEDIA_KEY_M%1").arg(i + 1);
        c.rect = QRect(mediaKeyCell(i) + QPoint(50, 0), QSize(150, 30));
        c.help = QCoreApplication::translate("SkinMediaKeys", "Media key M%1. Click to choose what it does.")
                     .arg(i + 1);
        c.look = Look::CaptionField;
        w.controls.push_back(c);
    }
    const ControlRow player[] = {{MK::Player,
                                  "MEDIA_PLAYER",
                                  {488, 128, 200, 32},
                                  Look::CaptionField,
                                  "",
                                  QT_TRANSLATE_NOOP("SkinMediaKeys", "The media player that the media keys "
                                                                     "control. Click to choose another.")}};
    addControls(w, "SkinMediaKeys", player);
    return w;
}

SkinWindow advancedPage() {
    SkinWindow w = page(AP::kFile, "advance", "advanced page", drawAdvancedChrome);
    w.notes = {
        QStringLiteral("Polling rate 1-3; lighting effect 4 and colour 5 (menus: the program writes the "
                       "value); Windows key 6-7; power saving 8-9.")};
    addControls(w, "SkinAdvanced", kAdvancedControls);
    return w;
}

SkinWindow macroManager() {
    SkinWindow w = dialog(MM::kFile, "macro_manager", "macro manager", kMacroManagerSize, "SkinMacroManager",
                          QT_TRANSLATE_NOOP("SkinMacroManager", "MACRO MANAGER"), drawMacroManagerChrome,
                          kMacroManagerControls);
    w.notes = {
        QStringLiteral("Section 7 is the record button; while recording it shows stop_record_*.jpg and "
                       "otherwise start_record_*.jpg (pictures the size of the button).")};
    return w;
}

SkinWindow swapKeyDialog() {
    SkinWindow w = dialog(SK::kFile, "swap_key", "swap-key dialog", kSwapKeySize, "SkinSwapKey",
                          QT_TRANSLATE_NOOP("SkinSwapKey", "SWAP KEY"), drawSwapKeyChrome, kSwapKeyControls);
    w.notes = {QStringLiteral("Section 9 is no control: the window writes what the key does now at its "
                              "top-left corner.")};
    return w;
}

SkinWindow warning(const WarningRow &row) {
    using WS = WarningSkin;
    const ControlRow controls[] = {
        {WS::Ok,
         "OK",
         {196, 150, 100, 32},
         Look::PrimaryButton,
         QT_TRANSLATE_NOOP("SkinWarnings", "OK"),
         row.okHelp},
        {WS::Cancel,
         "CANCEL",
         {304, 150, 100, 32},
         Look::Button,
         QT_TRANSLATE_NOOP("SkinWarnings", "CANCEL"),
         row.cancelHelp},
        {WS::Close, "CLOSE", closeRect(kWarningSize), Look::WindowButton, "", row.cancelHelp, Glyph::Close},
    };
    return dialog(
        row.file, row.stem, row.title, kWarningSize, "SkinWarnings", row.heading,
        [message = skinText("SkinWarnings", row.message), detail = skinText("SkinWarnings", row.detail)](
            QPainter &p) { drawWarningChrome(p, message, detail); },
        controls);
}

} // namespace

std::vector<SkinWindow> skinSet() {
    return {
        configWindow(),
        standardKeyPage(),
        macroKeyPage(),
        mediaKeyPage(),
        advancedPage(),
        dialog(PD::kFile, "profile", "profile dialog", kProfileSize, "SkinProfile",
               QT_TRANSLATE_NOOP("SkinProfile", "PROFILE"), drawProfileChrome, kProfileControls),
        macroManager(),
        dialog(LP::kFile, "lanuch_program", "launch-program dialog", kLaunchProgramSize, "SkinLaunchProgram",
               QT_TRANSLATE_NOOP("SkinLaunchProgram", "LAUNCH PROGRAM"), drawLaunchProgramChrome,
               kLaunchProgramControls),
        warning(kWarnings[0]),
        warning(kWarnings[1]),
        dialog(SD::kFile, "shortcut", "shortcut dialog", kShortcutSize, "SkinShortcut",
               QT_TRANSLATE_NOOP("SkinShortcut", "KEY COMBINATION"), drawShortcutChrome, kShortcutControls),
        swapKeyDialog(),
        warning(kWarnings[2]),
    };
}

std::vector<NamedImage> recordButtonPictures() {
    SkinWindow manager = macroManager();
    Control *record = nullptr;
    for (Control &c : manager.controls) {
        if (c.section == MM::Record)
            record = &c;
    }
    std::vector<NamedImage> pictures;
    if (!record)
        return pictures;
    const QRect rect = record->rect;
    const struct {
        const char *const *files;
        const char *label;
        Glyph glyph;
    } sets[] = {{MM::kStartRecordPictures, QT_TRANSLATE_NOOP("SkinMacroManager", "RECORD"), Glyph::Record},
                {MM::kStopRecordPictures, QT_TRANSLATE_NOOP("SkinMacroManager", "STOP"), Glyph::Stop}};
    const State states[] = {State::Normal, State::Over, State::Down};
    for (const auto &set : sets) {
        record->label = skinText("SkinMacroManager", set.label);
        record->glyph = set.glyph;
        for (int i = 0; i < 3; ++i)
            pictures.push_back({text(set.files[i]), renderState(manager, states[i]).copy(rect), "JPEG"});
    }
    return pictures;
}

} // namespace orvyn::skingen
