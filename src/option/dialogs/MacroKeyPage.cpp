#include "option/dialogs/MacroKeyPage.h"

namespace orvyn {

MacroKeyPage::MacroKeyPage(const KeyPageServices &services, QWidget *parent)
    : KeySlotPage(services, KeyFunctionMenu::kMacroKeyWidths, ManagerAccepted::RefreshKeys, parent) {
    std::vector<SkinControlSetup> controls;
    for (int slot = 0; slot < kButtonCount; ++slot) {
        SkinControlSetup setup;
        setup.section = slot + 1;
        setup.index = kFirstHoverIndex + slot;
        controls.push_back(setup);
    }
    loadSkin(QStringLiteral("skin_macro_control.ini"), controls);
    connect(this, &SkinnedDialog::controlCommand, this, [this](int section) {
        if (section >= 1 && section <= kButtonCount)
            openKeyMenu(section - 1, button(section));
    });
}

void MacroKeyPage::reload() {
    for (int slot = 0; slot < kButtonCount; ++slot)
        showAssignment(keyButton(slot), slot);
    redrawNow();
}

} // namespace orvyn
