// The page of the six media keys (key slots 8-13, the programmable keys G9
// to G14) and of the media player they drive.
#pragma once

#include "option/pages/KeySlotPage.h"
#include "option/skin/SkinNames.h"

namespace orvyn {

class MediaKeyPage final : public KeySlotPage {
    Q_OBJECT
public:
    static constexpr int kFirstKeySection = MediaKeyPageSkin::kFirstKey; // media keys 0-5
    static constexpr int kPlayerSection = MediaKeyPageSkin::Player;
    static constexpr int kFirstHoverIndex = 100; // + media key

    MediaKeyPage(const KeyPageServices &services, QWidget *parent);

    void reload() override;
    void command(int section) override;
    BitmapButton *mediaKeyButton(int mediaKey) const { return button(kFirstKeySection + mediaKey); }
    BitmapButton *playerButton() const { return button(kPlayerSection); }
    // The media key whose menu opened last (0-5), or -1.
    int menuMediaKey() const { return menuSlot() < 0 ? -1 : menuSlot() - kFirstMediaKeySlot; }

    // A command of the player menu (playerMenuEntries()).
    void playerCommand(int command);

protected:
    void reloadCaptions() override;

private:
    void openPlayerMenu();
    void showCaptions();
    void showPlayer();
};

} // namespace orvyn
