#include "option/pages/MacroKeyPage.h"

namespace orvyn {

MacroKeyPage::MacroKeyPage(const KeyPageServices &services, QWidget *parent)
    : KeySlotPage(services, KeyFunctionMenu::kMacroKeyWidths, ManagerAccepted::RefreshKeys, parent) {
    std::vector<SkinControlSetup> controls;
    for (int slot = 0; slot < kButtonCount; ++slot) {
        SkinControlSetup setup;
        setup.section = MacroKeyPageSkin::kFirstKey + slot;
        setup.index = kFirstHoverIndex + slot;
        controls.push_back(setup);
    }
    loadSkin(QString::fromLatin1(MacroKeyPageSkin::kFile), controls);
    for (const SkinControlSetup &setup : controls) {
        if (BitmapButton *b = button(setup.section))
            b->setControlRole(ControlRole::MenuButton);
    }
}

void MacroKeyPage::command(int section) {
    const int slot = section - MacroKeyPageSkin::kFirstKey;
    if (slot >= 0 && slot < kButtonCount)
        openKeyMenu(slot, button(section));
}

void MacroKeyPage::reload() {
    for (int slot = 0; slot < kButtonCount; ++slot)
        showAssignment(keyButton(slot), slot);
    redrawNow();
}

} // namespace orvyn
