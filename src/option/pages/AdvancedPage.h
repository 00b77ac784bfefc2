// The Advanced page: polling rate, lighting control and colour, Windows-key
// lock and power saving of the current profile. Edits go to the working
// copy only; Apply carries them to the keyboard.
#pragma once

#include "option/pages/ConfigPage.h"
#include "option/skin/SkinNames.h"
#include "uitext/UiText.h"

namespace orvyn {

class BitmapButton;

class AdvancedPage final : public ConfigPage {
    Q_OBJECT
public:
    // Skin sections of the page's buttons.
    using Section = AdvancedPageSkin::Section;
    using enum AdvancedPageSkin::Section;

    AdvancedPage(ConfigBlock &working, const TextSource &texts, QWidget *parent);

    void reload() override;
    void command(int section) override;

    // What a choice in the LtControl or LtColor menu does.
    void menuCommand(int command);
    // The items the two menus offer: (command, text).
    std::vector<std::pair<int, QString>> ltControlItems() const;
    std::vector<std::pair<int, QString>> ltColorItems() const;

private:
    void openMenu(int section);
    void showPolling();
    void showSwitch(int32_t value, Section off, Section on);
    void setCaption(Section section, unsigned textId);

    const TextSource &texts_;
};

} // namespace orvyn
