#include "option/pages/KeyFunctionMenu.h"

#include "option/skin/SkinFonts.h"

namespace orvyn {

namespace {

ItemCheck itemCheck(MenuCheck check) {
    switch (check) {
    case MenuCheck::Checked:
        return ItemCheck::Checked;
    case MenuCheck::Unchecked:
        return ItemCheck::Unchecked;
    case MenuCheck::NotCheckable:
        break;
    }
    return ItemCheck::NotCheckable;
}

void appendEntry(SkinnedMenu &menu, const KeyMenuEntry &entry) {
    // Command 0 is the separator between the manager entry and the macros.
    menu.append(entry.command == 0 ? kMenuSeparatorCommand : entry.command,
                QString::fromStdString(entry.text), itemCheck(entry.check));
}

} // namespace

KeyFunctionMenu::KeyFunctionMenu(const KeyMenuLayout &layout, Widths widths, QWidget *owner) {
    const QFont font = skinFont(FontFace::Arial, 14, 6, 400);
    menu_ = std::make_unique<SkinnedMenu>(font, owner);
    for (const KeyMenuGroup &group : layout.submenus) {
        auto *submenu = new SkinnedMenu(font, menu_.get());
        for (const KeyMenuEntry &entry : group.entries)
            appendEntry(*submenu, entry);
        submenu->setItemWidth(widths.submenus);
        menu_->appendSubmenu(submenu, QString::fromStdString(group.title));
    }
    for (const KeyMenuEntry &entry : layout.entries)
        appendEntry(*menu_, entry);
    menu_->setItemWidth(widths.top);
}

KeyFunctionMenu::~KeyFunctionMenu() = default;

} // namespace orvyn
