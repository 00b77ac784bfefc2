// The menu from which a programmable or media key gets its function: macros
// of the library, media and application functions, mouse functions, and
// four plain entries. Drawn as the program's dark menus.
#pragma once

#include <QPoint>
#include <memory>

#include "editing/KeyFunctions.h"
#include "option/skin/SkinnedMenu.h"

namespace orvyn {

class KeyFunctionMenu {
public:
    // Item widths: of the top level and of the four submenus.
    struct Widths {
        int top;
        int submenus;
    };
    static constexpr Widths kMediaKeyWidths{174, 174};
    static constexpr Widths kMacroKeyWidths{236, 136};

    KeyFunctionMenu(const KeyMenuLayout &layout, Widths widths, QWidget *owner);
    ~KeyFunctionMenu();

    SkinnedMenu &menu() { return *menu_; }
    // Opens the menu at a screen position and waits: the chosen command, or
    // 0 when it was dismissed.
    int run(const QPoint &globalPos) { return menu_->run(globalPos); }

private:
    std::unique_ptr<SkinnedMenu> menu_;
};

} // namespace orvyn
