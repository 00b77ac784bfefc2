#include "option/pages/MediaKeyPage.h"

#include "option/skin/SkinFonts.h"
#include "option/skin/SkinnedMenu.h"

namespace orvyn {

namespace {

QString fromView(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

MediaKeyPage::MediaKeyPage(const KeyPageServices &services, QWidget *parent)
    : KeySlotPage(services, KeyFunctionMenu::kMediaKeyWidths, ManagerAccepted::SaveOnly, parent) {
    std::vector<SkinControlSetup> controls;
    for (int key = 0; key < kMediaKeyCount; ++key) {
        SkinControlSetup setup;
        setup.section = kFirstKeySection + key;
        setup.index = kFirstHoverIndex + key;
        controls.push_back(setup);
    }
    SkinControlSetup player;
    player.section = kPlayerSection;
    player.index = kFirstHoverIndex + kMediaKeyCount;
    controls.push_back(player);
    loadSkin(QString::fromLatin1(MediaKeyPageSkin::kFile), controls);
    for (const SkinControlSetup &setup : controls) {
        if (BitmapButton *b = button(setup.section))
            b->setControlRole(ControlRole::MenuButton);
    }
}

void MediaKeyPage::command(int section) {
    if (section == kPlayerSection)
        openPlayerMenu();
    else if (section >= kFirstKeySection && section < kFirstKeySection + kMediaKeyCount)
        openKeyMenu(kFirstMediaKeySlot + section - kFirstKeySection, button(section));
}

void MediaKeyPage::reload() {
    showCaptions();
    showPlayer();
    redrawNow();
}

void MediaKeyPage::reloadCaptions() {
    showCaptions();
    redrawNow();
}

void MediaKeyPage::showCaptions() {
    for (int key = 0; key < kMediaKeyCount; ++key)
        showAssignment(mediaKeyButton(key), kFirstMediaKeySlot + key);
}

void MediaKeyPage::showPlayer() {
    if (BitmapButton *b = playerButton()) {
        const ProfileData *p = profile();
        b->setCaption(p ? fromView(playerCaption(p->MediaOption)) : QString());
    }
}

void MediaKeyPage::openPlayerMenu() {
    BitmapButton *b = playerButton();
    if (!b || !profile())
        return;
    SkinnedMenu menu(skinFont(FontFace::Arial, 14, 6, 400), this);
    for (const PlayerMenuEntry &entry : playerMenuEntries())
        menu.append(entry.command, QString::fromUtf8(entry.text));
    const int command = menu.run(b->mapToGlobal(QPoint(0, b->height())));
    b->setHover(false);
    if (command != 0)
        playerCommand(command);
}

void MediaKeyPage::playerCommand(int command) {
    ProfileData *p = profile();
    const auto option = mediaOptionForCommand(command);
    if (!p || !option)
        return;
    // The player goes to Monitor with the whole record: no change flag.
    p->MediaOption = *option;
    showPlayer();
    redrawNow();
}

} // namespace orvyn
