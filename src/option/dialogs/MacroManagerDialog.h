// The modal window in which the user creates, records, edits and deletes
// the macros of the library. It edits the list it is given in place: the
// session's copy of the library, which OK makes the library and Cancel or
// close drop (runMacroManager, ConfigSession::macroManagerClosed).
#pragma once

#include <memory>

#include "editing/ConfigSession.h"
#include "editing/KeyCodeTable.h"
#include "editing/MacroEditor.h"
#include "option/dialogs/EditableListBox.h"
#include "option/dialogs/KeyCaptureDialog.h"
#include "option/skin/SkinNames.h"
#include "option/skin/SkinnedDialog.h"
#include "option/skin/SkinnedMenu.h"
#include "uitext/UiText.h"

namespace orvyn {

// The small confirmation windows of the manager; their message is part of
// their pictures. OK accepts; Cancel and close reject.
class MacroWarningDialog final : public SkinnedDialog {
    Q_OBJECT
public:
    using Section = WarningSkin::Section;
    using enum WarningSkin::Section;

    MacroWarningDialog(const char *skinFile, QWidget *parent);
};

class MacroManagerDialog final : public SkinnedDialog {
    Q_OBJECT
public:
    using Section = MacroManagerSkin::Section;
    using enum MacroManagerSkin::Section;
    static constexpr int kNamesListId = 4096;
    static constexpr int kEventsListId = 4097;
    static constexpr int kRepeatFieldId = 4010;

    // `currentKey`: the key a key menu was opened for (nullptr from the main
    // window); its macro is shown first.
    MacroManagerDialog(MacroLibrary &library, const KeyboardLayout &layout, const TextSource &texts,
                       const MacroKeyInfo *currentKey, QWidget *parent = nullptr);
    ~MacroManagerDialog() override;

    const MacroEditor &editor() const { return editor_; }
    MacroLibrary &library() const { return library_; }
    EditableListBox *namesList() const { return names_; }
    EditableListBox *eventsList() const { return events_; }
    bool recording() const { return editor_.recording(); }

    // The event list's context menu (the window runs it at the cursor).
    std::unique_ptr<SkinnedMenu> makeContextMenu();

    void done(int result) override;
    void command(int section) override;
    // Macros came into the list from elsewhere (a read-back): new rows are
    // listed, and the shown macro again when it changed. An edit under way
    // stays.
    void libraryMerged();

signals:
    // The event list was drawn again after a change (benchmark).
    void eventsShown();

protected:
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void showMacro(int index);
    void selectNameRow(int row);
    void fillNames();
    void showEvents();
    void showRepeat();
    void startRecording();
    void stopRecording();
    void apply(EditorAction action);
    void namesEditDone(int row);
    void eventsEditDone(int row);
    void openContextMenu();
    void warnNoMacro();
    bool confirmDelete();
    void swallowKeysOf(QWidget *widget);

    MacroLibrary &library_;
    KeyCodeTable keys_;
    MacroEditor editor_;
    const TextSource &texts_;
    EditableListBox *names_ = nullptr;
    EditableListBox *events_ = nullptr;
    StatePictures startPictures_;
    StatePictures stopPictures_;
    bool fillingNames_ = false;
    bool namesStale_ = false; // merged while a new name was typed
    // Escape held for a second stops a recording without being recorded.
    EscapeHold escape_{this};
};

// Runs the manager modally on the session's copy of the library and ends
// the session's edit with its result; true for OK. `key`: the key whose
// macro is shown first (nullptr: the first macro).
bool runMacroManager(ConfigSession &session, const KeyboardLayout &layout, const TextSource &texts,
                     const MacroKeyInfo *key, MacroKeysOnOk keys, QWidget *parent);

} // namespace orvyn
