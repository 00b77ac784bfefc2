#include "option/dialogs/MacroManagerDialog.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QPointer>
#include <QRegularExpression>
#include <QRegularExpressionValidator>
#include <algorithm>

#include "option/keyboard/KeystrokeRecorder.h"
#include "option/skin/QuickHelp.h"
#include "option/skin/SkinFonts.h"
#include "option/skin/SkinImage.h"
#include "option/skin/SkinResources.h"

namespace orvyn {

namespace {

constexpr unsigned kRecordBeforeText = 1053;
constexpr unsigned kMouseStepsText = 1058;
constexpr unsigned kFirstButtonText = 1059;
constexpr unsigned kPressText = 1064;
constexpr int kTopMenuWidth = 120;
constexpr int kMouseMenuWidth = 100;
constexpr int kButtonMenuWidth = 40;
// Room beside an item's text: its left margin and the submenu arrow.
constexpr int kItemTextMargin = 24;

// The event list draws the icon named by a row value's low 16 bits.
SkinIcon rowIcon(RowKind kind) {
    switch (kind) {
    case RowKind::Delay:
        return SkinIcon::DelayRow;
    case RowKind::KeyRelease:
        return SkinIcon::KeyReleaseRow;
    case RowKind::KeyPress:
        return SkinIcon::KeyPressRow;
    case RowKind::Mouse:
        break;
    }
    return SkinIcon::MouseRow;
}

uint32_t listValue(const EventRow &row) {
    return (row.value & 0xFFFF0000u) | static_cast<uint32_t>(rowIcon(row.kind()));
}

// Normal, over, down, and the normal picture again for disabled.
StatePictures recordPictures(const char *const (&files)[3]) {
    StatePictures pictures;
    for (int i = 0; i < 4; ++i) {
        if (LoadSkinImage(skinFolder() + QString::fromLatin1(files[i == 3 ? 0 : i]), pictures[i]).isEmpty())
            return StatePictures();
    }
    return pictures;
}

// A width the texts fit in, never narrower than the window asks for.
int fittingWidth(const SkinnedMenu &menu, int wanted) {
    const QFontMetrics metrics(menu.itemFont());
    int width = wanted;
    for (const QAction *action : menu.actions())
        width = std::max(width, metrics.horizontalAdvance(action->text()) + kItemTextMargin);
    return width;
}

bool isSwallowedKey(int key) {
    return key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape || key == Qt::Key_Space;
}

} // namespace

MacroWarningDialog::MacroWarningDialog(const char *skinFile, QWidget *parent)
    : SkinnedDialog(SkinWindowKind::ModalPopup, parent) {
    loadSkin(QString::fromLatin1(skinFile), pushButtons({Ok, Cancel, Close}));
    setDialogButtons(dialogButtonsOf<WarningSkin>());
}

MacroManagerDialog::MacroManagerDialog(MacroLibrary &library, const KeyboardLayout &layout,
                                       const TextSource &texts, const MacroKeyInfo *currentKey,
                                       QWidget *parent)
    : SkinnedDialog(SkinWindowKind::ModalPopup, parent), library_(library), keys_(layout),
      editor_(library, keys_), texts_(texts) {
    std::vector<SkinControlSetup> controls =
        pushButtons({Ok, Cancel, Close, NewMacro, DeleteMacro, Record, RecordDelays, Repeat});
    for (SkinControlSetup &setup : controls)
        if (setup.section == RecordDelays || setup.section == Repeat)
            setup.toggleMode = ToggleMode::Toggle;
    for (int section : {MacroList, EventList}) {
        SkinControlSetup setup;
        setup.section = section;
        setup.kind = SkinControlKind::PlaceOnly;
        controls.push_back(setup);
    }
    SkinControlSetup repeatField;
    repeatField.section = RepeatCount;
    repeatField.kind = SkinControlKind::Edit;
    controls.push_back(repeatField);
    loadSkin(QString::fromLatin1(MacroManagerSkin::kFile), controls);
    setWindowTitle(QStringLiteral(" Gaming Mouse Macro Manager"));

    names_ = new EditableListBox(kNamesListId, this);
    names_->setGeometry(controlRect(MacroList));
    events_ = new EditableListBox(kEventsListId, this);
    events_->setGeometry(controlRect(EventList));
    names_->setAccessibleName(QCoreApplication::translate("MacroManagerDialog", "Macros"));
    events_->setAccessibleName(QCoreApplication::translate("MacroManagerDialog", "Macro events"));

    startPictures_ = recordPictures(MacroManagerSkin::kStartRecordPictures);
    stopPictures_ = recordPictures(MacroManagerSkin::kStopRecordPictures);
    if (BitmapButton *record = button(Record); record && !startPictures_[0].isNull())
        record->setStatePictures(startPictures_);

    if (BitmapEdit *field = edit(RepeatCount)) {
        field->setTextColour(Qt::black);
        field->setBackgroundColour(Qt::white);
        field->setMaxLength(kRepeatEditMaxChars);
        field->setValidator(
            new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), field));
        connect(field, &BitmapEdit::editKillFocus, this, [this, field] {
            if (const std::optional<std::string> corrected =
                    editor_.commitRepeatText(field->text().toStdString()))
                field->setText(QString::fromStdString(*corrected));
        });
    }

    setDialogButtons(dialogButtonsOf<MacroManagerSkin>());
    connect(names_, &QListWidget::currentRowChanged, this, [this](int row) {
        // Rows beyond the library are new names still being typed.
        if (!fillingNames_ && row >= 0 && row < static_cast<int>(editor_.names().size()))
            showMacro(row);
    });
    // Handled at once (the list is done with its field by then), so a name
    // committed by clicking OK is in the library OK saves.
    connect(names_, &EditableListBox::editDone, this, &MacroManagerDialog::namesEditDone);
    connect(names_, &EditableListBox::editDropped, this, [this] {
        if (namesStale_) {
            fillNames();
            selectNameRow(editor_.selected());
        }
    });
    connect(events_, &EditableListBox::editDone, this, &MacroManagerDialog::eventsEditDone);
    // An edit over a delay row that was dropped leaves the delay as it was.
    connect(events_, &EditableListBox::editDropped, this, &MacroManagerDialog::showEvents);
    connect(events_, &EditableListBox::rightButtonPressed, this, &MacroManagerDialog::openContextMenu,
            Qt::QueuedConnection);

    for (QWidget *child : findChildren<QWidget *>())
        swallowKeysOf(child);

    connect(&escape_, &EscapeHold::held, this, [this] {
        if (editor_.recording())
            stopRecording();
    });
    connect(&escape_, &EscapeHold::record, this, [this](const Keystroke &k) {
        if (!editor_.recording())
            return;
        const EditorAction action = editor_.keystroke(k);
        showEvents();
        if (action == EditorAction::StopRecording)
            stopRecording();
    });

    fillNames();
    const int first = editor_.preselection(currentKey);
    showMacro(first);
    selectNameRow(first);
}

MacroManagerDialog::~MacroManagerDialog() {
    if (KeystrokeRecorder::instance().target() == this)
        KeystrokeRecorder::instance().stop();
}

void MacroManagerDialog::swallowKeysOf(QWidget *widget) {
    widget->installEventFilter(this);
}

bool MacroManagerDialog::eventFilter(QObject *watched, QEvent *event) {
    // Enter, Esc and Space neither close the window nor press a button,
    // wherever the focus is (the in-place edit handles its own).
    if (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease ||
        event->type() == QEvent::ShortcutOverride) {
        if (isSwallowedKey(static_cast<QKeyEvent *>(event)->key()) && watched != events_->editField() &&
            watched != names_->editField()) {
            event->accept();
            return true;
        }
    }
    return SkinnedDialog::eventFilter(watched, event);
}

void MacroManagerDialog::keyPressEvent(QKeyEvent *event) {
    if (isSwallowedKey(event->key())) {
        event->accept();
        return;
    }
    SkinnedDialog::keyPressEvent(event);
}

void MacroManagerDialog::fillNames() {
    namesStale_ = false;
    fillingNames_ = true;
    names_->clear();
    for (const std::string &name : editor_.names())
        names_->addRow(QString::fromStdString(name));
    fillingNames_ = false;
}

void MacroManagerDialog::selectNameRow(int row) {
    fillingNames_ = true;
    if (row >= 0 && row < names_->count()) {
        names_->setCurrentRow(row);
        names_->scrollToItem(names_->item(row));
    } else {
        names_->setCurrentRow(-1);
        names_->clearSelection();
    }
    fillingNames_ = false;
}

void MacroManagerDialog::showMacro(int index) {
    editor_.show(index);
    showEvents();
    showRepeat();
}

void MacroManagerDialog::showRepeat() {
    if (BitmapEdit *field = edit(RepeatCount))
        field->setText(QString::number(editor_.repeatCount()));
    if (BitmapButton *b = button(Repeat)) {
        b->setChecked(editor_.repeatOn() ? ButtonCheck::Pressed : ButtonCheck::Released);
    }
}

void MacroManagerDialog::showEvents() {
    events_->setUpdatesEnabled(false);
    events_->clear();
    for (const EventRow &row : editor_.rows())
        events_->addRow(QString::fromStdString(row.text), listValue(row));
    events_->keepInView(editor_.rowToKeepInView());
    events_->setUpdatesEnabled(true);
    emit eventsShown();
}

void MacroManagerDialog::command(int section) {
    switch (section) {
    case NewMacro:
        names_->startEditingNewRow();
        break;
    case DeleteMacro:
        if (editor_.selected() >= 0 && confirmDelete()) {
            editor_.deleteShown();
            fillNames();
            selectNameRow(editor_.selected());
            showEvents();
            showRepeat();
        }
        break;
    case Record:
        apply(editor_.recordButton());
        break;
    case RecordDelays:
        if (BitmapButton *b = button(RecordDelays))
            editor_.setRecordDelays(b->isChecked());
        break;
    case Repeat:
        if (BitmapButton *b = button(Repeat))
            editor_.setRepeatOn(b->isChecked());
        break;
    default:
        SkinnedDialog::command(section);
        break;
    }
}

void MacroManagerDialog::apply(EditorAction action) {
    switch (action) {
    case EditorAction::None:
        break;
    case EditorAction::Changed:
        showEvents();
        break;
    case EditorAction::NoMacroWarning:
        warnNoMacro();
        break;
    case EditorAction::StartRecording:
        startRecording();
        break;
    case EditorAction::StopRecording:
        stopRecording();
        break;
    case EditorAction::OpenDelayEdit: {
        const int row = events_->currentRow();
        const int event = row >= 0 ? editor_.rows()[row].eventIndex() : -1;
        if (event >= 0)
            events_->startEditingSelectedRow(QString::number(editor_.steps().events[event].delay));
        break;
    }
    }
}

void MacroManagerDialog::startRecording() {
    if (BitmapButton *record = button(Record); record && !stopPictures_[0].isNull())
        record->setStatePictures(stopPictures_);
    // Without the keyboard the window still shows that it records; no
    // keystroke arrives then.
    KeystrokeRecorder::instance().start(this);
    QuickHelp::instance().setText(true, escapeHoldHelp());
    QuickHelp::instance().announce(true);
    for (int section : {Ok, Cancel, Close, NewMacro, DeleteMacro})
        if (BitmapButton *b = button(section))
            b->setEnabled(false);
    names_->setEnabled(false);
    showEvents();
    activateWindow();
    setFocus(Qt::OtherFocusReason);
}

void MacroManagerDialog::stopRecording() {
    escape_.reset();
    QuickHelp::instance().setText(false, {});
    QuickHelp::instance().announce(false);
    editor_.endRecording();
    if (BitmapButton *record = button(Record); record && !startPictures_[0].isNull())
        record->setStatePictures(startPictures_);
    if (KeystrokeRecorder::instance().target() == this)
        KeystrokeRecorder::instance().stop();
    events_->setEnabled(true);
    for (int section : {Ok, Cancel, Close, NewMacro, DeleteMacro})
        if (BitmapButton *b = button(section))
            b->setEnabled(true);
    names_->setEnabled(true);
    showEvents();
}

bool MacroManagerDialog::event(QEvent *event) {
    if (event->type() == RecordedKeyEvent::kType) {
        if (editor_.recording())
            escape_.take(static_cast<RecordedKeyEvent *>(event)->keystroke());
        return true;
    }
    return SkinnedDialog::event(event);
}

void MacroManagerDialog::namesEditDone(int row) {
    const MacroEditor::NameResult result = editor_.commitNewName(names_->rowText(row).toStdString());
    fillNames();
    selectNameRow(result.shown);
    showEvents();
    showRepeat();
}

void MacroManagerDialog::eventsEditDone(int row) {
    editor_.commitDelayText(events_->rowText(row).toStdString());
    showEvents();
}

std::unique_ptr<SkinnedMenu> MacroManagerDialog::makeContextMenu() {
    const QFont font = skinFont(FontFace::Arial, 14, 0, 400);
    auto text = [this](unsigned id) { return QString::fromStdString(texts_.text(id)); };
    auto menu = std::make_unique<SkinnedMenu>(font, this);
    menu->append(static_cast<int>(ContextCommand::RecordBefore), text(kRecordBeforeText));
    menu->append(static_cast<int>(ContextCommand::RecordAfter), text(kRecordBeforeText + 1));
    menu->append(static_cast<int>(ContextCommand::InsertDelay), text(kRecordBeforeText + 2));
    auto *mouse = new SkinnedMenu(font, menu.get());
    for (int b = 0; b < kMouseButtons; ++b) {
        auto *buttonMenu = new SkinnedMenu(font, mouse);
        for (int kind = 0; kind < 3; ++kind)
            buttonMenu->append(static_cast<int>(ContextCommand::FirstMouseStep) + 3 * b + kind,
                               text(kPressText + static_cast<unsigned>(kind)));
        buttonMenu->append(kMenuHiddenItem, QString());
        buttonMenu->setItemWidth(fittingWidth(*buttonMenu, kButtonMenuWidth));
        mouse->appendSubmenu(buttonMenu, text(kFirstButtonText + static_cast<unsigned>(b)));
    }
    mouse->setItemWidth(fittingWidth(*mouse, kMouseMenuWidth));
    menu->appendSubmenu(mouse, text(kMouseStepsText));
    menu->append(static_cast<int>(ContextCommand::EditDelay), text(kRecordBeforeText + 3));
    menu->append(static_cast<int>(ContextCommand::Delete), text(kRecordBeforeText + 4));
    menu->setItemWidth(fittingWidth(*menu, kTopMenuWidth));
    return menu;
}

void MacroManagerDialog::openContextMenu() {
    if (editor_.recording())
        return;
    // The row the command works on is the one selected when it is chosen.
    const std::unique_ptr<SkinnedMenu> menu = makeContextMenu();
    const int chosen = menu->run(events_->menuPosition());
    if (chosen == 0 || chosen == kMenuHiddenItem)
        return;
    const int row = events_->currentRow();
    const bool selected = row >= 0 && events_->item(row)->isSelected();
    apply(editor_.contextCommand(chosen, selected ? row : -1));
}

void MacroManagerDialog::warnNoMacro() {
    MacroWarningDialog warning(NoMacroWarningSkin::kFile, this);
    warning.setWindowTitle(QStringLiteral("No Macro"));
    warning.exec();
}

bool MacroManagerDialog::confirmDelete() {
    MacroWarningDialog confirm(DeleteMacroWarningSkin::kFile, this);
    confirm.setWindowTitle(QStringLiteral("Delete Macro"));
    return confirm.exec() == QDialog::Accepted;
}

void MacroManagerDialog::libraryMerged() {
    // Rows keep their places: merged macros are appended or replace ones
    // left as they were.
    if (names_->editing()) {
        namesStale_ = true; // listed once the new name is in
    } else {
        fillNames();
        selectNameRow(editor_.selected());
    }
    if (!events_->editing() && editor_.libraryMerged()) {
        showEvents();
        showRepeat();
    }
}

void MacroManagerDialog::done(int result) {
    // Closed from outside while recording: the keyboard goes back first.
    if (editor_.recording())
        stopRecording();
    SkinnedDialog::done(result);
}

bool runMacroManager(ConfigSession &session, const KeyboardLayout &layout, const TextSource &texts,
                     const MacroKeyInfo *key, MacroKeysOnOk keys, QWidget *parent) {
    QPointer<MacroManagerDialog> open;
    MacroLibrary &copy = session.openMacroManager([&open] {
        if (open)
            open->libraryMerged();
    });
    bool accepted = false;
    {
        MacroManagerDialog dialog(copy, layout, texts, key, parent);
        open = &dialog;
        accepted = dialog.exec() == QDialog::Accepted;
    }
    session.macroManagerClosed(accepted, keys);
    return accepted;
}

} // namespace orvyn
