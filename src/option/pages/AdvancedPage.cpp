#include "option/pages/AdvancedPage.h"

#include "editing/AdvancedValues.h"
#include "option/skin/BitmapButton.h"
#include "option/skin/SkinFonts.h"
#include "option/skin/SkinnedMenu.h"

namespace orvyn {

namespace {

constexpr int kMenuItemWidth = 121;

QString textOf(const TextSource &texts, unsigned id) {
    return id ? QString::fromStdString(texts.text(id)) : QString();
}

} // namespace

AdvancedPage::AdvancedPage(ConfigBlock &working, const TextSource &texts, QWidget *parent)
    : ConfigPage(working, parent), texts_(texts) {
    loadSkin(QString::fromLatin1(AdvancedPageSkin::kFile),
             pushButtons({Polling1, Polling2, Polling4, LtControlMenu, LtColorMenu, WinLockOff, WinLockOn,
                          EcoOff, EcoOn}));
    for (int section : {LtControlMenu, LtColorMenu}) {
        if (BitmapButton *b = button(section))
            b->setControlRole(ControlRole::MenuButton);
    }
}

void AdvancedPage::reload() {
    const ProfileData *p = profile();
    showSwitch(p ? p->ECOMode : -1, EcoOff, EcoOn);
    showPolling();
    showSwitch(p ? p->winKeyLock() : -1, WinLockOff, WinLockOn);
    setCaption(LtControlMenu, p ? ltControlTextId(p->LtControl) : 0);
    setCaption(LtColorMenu, p ? ltColorCaptionTextId(p->LtColor) : 0);
}

void AdvancedPage::showPolling() {
    const ProfileData *p = profile();
    for (int n = 1; n <= 3; ++n) {
        if (BitmapButton *b = button(Polling1 + n - 1))
            b->setChecked(p && pollingButtonPressed(p->PollingRate, n) ? ButtonCheck::Pressed
                                                                       : ButtonCheck::Released);
    }
}

void AdvancedPage::showSwitch(int32_t value, Section off, Section on) {
    const Section sections[2] = {off, on};
    for (int i = 0; i < 2; ++i) {
        if (BitmapButton *b = button(sections[i]))
            b->setChecked(switchButtonPressed(value, i) ? ButtonCheck::Pressed : ButtonCheck::Released);
    }
}

void AdvancedPage::setCaption(Section section, unsigned textId) {
    if (BitmapButton *b = button(section))
        b->setCaption(textOf(texts_, textId));
}

void AdvancedPage::command(int section) {
    ProfileData *p = profile();
    if (!p)
        return;
    switch (section) {
    case Polling1:
    case Polling2:
    case Polling4:
        p->PollingRate = pollingRateForButton(section - Polling1 + 1);
        showPolling();
        break;
    case WinLockOff:
    case WinLockOn:
        p->winKeyLock() = section == WinLockOn ? 1 : 0;
        showSwitch(p->winKeyLock(), WinLockOff, WinLockOn);
        break;
    case EcoOff:
    case EcoOn:
        p->ECOMode = section == EcoOn ? 1 : 0;
        showSwitch(p->ECOMode, EcoOff, EcoOn);
        break;
    case LtControlMenu:
    case LtColorMenu:
        openMenu(section);
        break;
    default:
        break;
    }
}

std::vector<std::pair<int, QString>> AdvancedPage::ltControlItems() const {
    std::vector<std::pair<int, QString>> items;
    for (int i = 0; i < kLtControlCommandCount; ++i)
        items.emplace_back(kLtControlFirstCommand + i, textOf(texts_, ltControlMenuTextId(i)));
    return items;
}

std::vector<std::pair<int, QString>> AdvancedPage::ltColorItems() const {
    std::vector<std::pair<int, QString>> items;
    for (int i = 0; i < kLtColorMenuCount; ++i)
        items.emplace_back(kLtColorFirstCommand + i, textOf(texts_, ltColorMenuTextId(i)));
    return items;
}

void AdvancedPage::openMenu(int section) {
    BitmapButton *b = button(section);
    if (!b)
        return;
    SkinnedMenu menu(skinFont(FontFace::Arial, 14, 0, 400), this);
    for (const auto &[command, text] : section == LtControlMenu ? ltControlItems() : ltColorItems())
        menu.append(command, text);
    menu.setItemWidth(kMenuItemWidth);
    const int command = menu.run(b->mapToGlobal(QPoint(0, b->height())));
    // The button lost the pointer to the menu: it must not stay lit.
    b->setHover(false);
    if (command != 0)
        menuCommand(command);
}

void AdvancedPage::menuCommand(int command) {
    ProfileData *p = profile();
    if (!p)
        return;
    if (command >= kLtControlFirstCommand && command <= kLtControlLastCommand) {
        p->LtControl = ltControlForCommand(command);
        setCaption(LtControlMenu, ltControlTextId(p->LtControl));
    } else if (command >= kLtColorFirstCommand && command <= kLtColorLastCommand) {
        p->LtColor = ltColorForCommand(command);
        setCaption(LtColorMenu, ltColorCaptionTextId(p->LtColor));
    }
}

} // namespace orvyn
