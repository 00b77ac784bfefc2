// The page of the fifteen programmable keys: each button shows its key's
// assignment and opens the key-function menu for it.
#pragma once

#include "option/pages/KeySlotPage.h"
#include "option/skin/SkinNames.h"

namespace orvyn {

class MacroKeyPage final : public KeySlotPage {
    Q_OBJECT
public:
    static constexpr int kButtonCount = MacroKeyPageSkin::kKeyCount; // slots 0-14
    static constexpr int kFirstHoverIndex = 100;                     // + slot

    MacroKeyPage(const KeyPageServices &services, QWidget *parent);

    void reload() override;
    void command(int section) override;
    // The button of key slot `slot` (0-14).
    BitmapButton *keyButton(int slot) const { return button(MacroKeyPageSkin::kFirstKey + slot); }

protected:
    void reloadCaptions() override { reload(); }
};

} // namespace orvyn
