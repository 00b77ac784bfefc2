#include "option/skin/ContextMenus.h"

#include "option/skin/SkinFonts.h"
#include "option/skin/SkinnedMenu.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QPointer>

namespace orvyn {

namespace {

enum EditCommand { Undo = 3001, Redo, Cut, Copy, Paste, Delete, SelectAll };

bool clipboardHasText() {
    const QClipboard *clipboard = QApplication::clipboard();
    const QMimeData *data = clipboard ? clipboard->mimeData() : nullptr;
    return data != nullptr && data->hasText();
}

void runEditMenu(QLineEdit &edit, const QPoint &globalPos) {
    const bool writable = !edit.isReadOnly();
    const bool visibleText = edit.echoMode() == QLineEdit::Normal;
    const bool selection = edit.hasSelectedText();
    const bool allSelected = edit.selectedText() == edit.text();

    // No parent: the field (or its window) may be closed while the menu is
    // open, and must not take the menu with it.
    SkinnedMenu menu(skinFont(FontFace::Arial, 14, 0, 400));
    auto add = [&menu](EditCommand command, const QString &text, bool enabled) {
        menu.append(command, text)->setEnabled(enabled);
    };
    add(Undo, QObject::tr("&Undo"), writable && edit.isUndoAvailable());
    add(Redo, QObject::tr("&Redo"), writable && edit.isRedoAvailable());
    menu.append(kMenuSeparatorCommand, QString());
    add(Cut, QObject::tr("Cu&t"), writable && selection && visibleText);
    add(Copy, QObject::tr("&Copy"), selection && visibleText);
    add(Paste, QObject::tr("&Paste"), writable && clipboardHasText());
    add(Delete, QObject::tr("&Delete"), writable && selection);
    menu.append(kMenuSeparatorCommand, QString());
    add(SelectAll, QObject::tr("Select &All"), !edit.text().isEmpty() && !allSelected);

    const QPointer<QLineEdit> alive(&edit);
    const int command = menu.run(globalPos);
    if (!alive)
        return;
    switch (command) {
    case Undo:
        edit.undo();
        break;
    case Redo:
        edit.redo();
        break;
    case Cut:
        edit.cut();
        break;
    case Copy:
        edit.copy();
        break;
    case Paste:
        edit.paste();
        break;
    case Delete:
        edit.del();
        break;
    case SelectAll:
        edit.selectAll();
        break;
    default:
        break;
    }
}

// Turns Shift+F10 on the field into the menu request.
class MenuShortcutFilter final : public QObject {
public:
    explicit MenuShortcutFilter(QLineEdit &edit) : QObject(&edit) { edit.installEventFilter(this); }

    bool eventFilter(QObject *watched, QEvent *event) override {
        if (event->type() == QEvent::KeyPress && isMenuShortcut(*static_cast<QKeyEvent *>(event))) {
            requestMenuByKeyboard(*static_cast<QWidget *>(watched));
            return true;
        }
        return false;
    }
};

} // namespace

bool isMenuShortcut(const QKeyEvent &event) {
    return event.key() == Qt::Key_F10 && (event.modifiers() & ~Qt::KeypadModifier) == Qt::ShiftModifier;
}

void requestMenuByKeyboard(QWidget &widget) {
    const QRect cursor = widget.inputMethodQuery(Qt::ImCursorRectangle).toRect();
    const QPoint pos = cursor.isValid() ? cursor.center() : widget.rect().center();
    QContextMenuEvent request(QContextMenuEvent::Keyboard, pos, widget.mapToGlobal(pos),
                              QApplication::keyboardModifiers());
    QApplication::sendEvent(&widget, &request);
}

void useSkinnedEditMenu(QLineEdit &edit) {
    edit.setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(&edit, &QWidget::customContextMenuRequested, &edit, [&edit](const QPoint &pos) {
        // The menu opens below the point the request names, on the field.
        runEditMenu(edit, edit.mapToGlobal(pos));
    });
    new MenuShortcutFilter(edit);
}

} // namespace orvyn
