// Menus asked for from the keyboard, and the edit fields' own menu.
//
// The menu key reaches the focused widget as a context-menu request of
// reason Keyboard (Qt makes it from the key); Shift+F10 is the other key
// desktops use for it and is turned into the same request here.
#pragma once

class QKeyEvent;
class QLineEdit;
class QWidget;

namespace orvyn {

// Shift+F10, as typed (no other modifier).
bool isMenuShortcut(const QKeyEvent &event);

// Sends `widget` the request the menu key would: at its text cursor where
// it has one, else at its centre.
void requestMenuByKeyboard(QWidget &widget);

// Gives `edit` the program's dark menu instead of Qt's light one: Undo,
// Redo, Cut, Copy, Paste, Delete and Select All, each offered when it
// would do something. Opened by the right button, the menu key and
// Shift+F10; Esc closes it. A field set to Qt::PreventContextMenu later
// (a field that shows a captured key) has no menu.
void useSkinnedEditMenu(QLineEdit &edit);

} // namespace orvyn
