// The page of the fifteen programmable keys: each button shows its key's
// assignment and opens the key-function menu for it.
#pragma once

#include "option/dialogs/KeySlotPage.h"

namespace orvyn {

class MacroKeyPage final : public KeySlotPage {
    Q_OBJECT
public:
    static constexpr int kButtonCount = 15; // sections 1-15: slots 0-14
    static constexpr int kFirstHoverIndex = 100;

    MacroKeyPage(const KeyPageServices &services, QWidget *parent);

    void reload() override;
    // The button of key slot `slot` (0-14).
    BitmapButton *keyButton(int slot) const { return button(slot + 1); }

protected:
    void reloadCaptions() override { reload(); }
};

} // namespace orvyn
