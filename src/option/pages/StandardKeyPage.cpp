#include "option/pages/StandardKeyPage.h"

#include <QCoreApplication>

#include "editing/AssignmentText.h"
#include "editing/KeyCapture.h"
#include "option/dialogs/SwapKeyDialog.h"
#include "option/skin/RgnButton.h"
#include "option/skin/SkinResources.h"
#include "platform/LocalText.h"

namespace orvyn {

namespace {

// A remapped key looks pressed, under the pointer too: hovering must not
// hide that the key is remapped.
void showLook(SkinControl &key, bool remapped) {
    if (!remapped) {
        key.showOwnPictures();
        return;
    }
    key.showPictureFor(StatePicture::Normal, StatePicture::Down);
    key.showPictureFor(StatePicture::Over, StatePicture::Down);
}

// The picture's name of a key as the user reads it: the labels are English,
// like what vantorctl writes; the window shows them in the user's language.
std::string shownName(const std::string &label) {
    return label.empty() ? label : localText("KeyName", label.c_str());
}

// What a standard-key code sends, by the name the keyboard picture gives the
// key, or the mouse function's name.
std::string sentName(uint8_t code, const KeyPageServices &services) {
    if (code >= kFirstMouseFunctionCode && code < kFirstMouseFunctionCode + kMouseFunctionCount)
        return services.texts.text(kFirstMouseFunctionText +
                                   static_cast<unsigned>(code - kFirstMouseFunctionCode));
    const auto vk = services.keys.virtualKey(code);
    const std::string_view name = vk ? keyName(*vk, KeyNames::Labels) : std::string_view();
    return name.empty() ? localText("StandardKeyPage", "key code %1", {std::to_string(code)})
                        : shownName(std::string(name));
}

} // namespace

QString StandardKeyPage::spokenKey(int position) const {
    const AssignmentText names(services_.texts, services_.keys, KeyNames::Labels);
    const uint8_t home = kDefaultStandardKeys[position];
    QString spoken = QString::fromStdString(shownName(names.keyCodeName(home)));
    // A code without a name of its own (the Windows key under the lock):
    // the first sentence of the key's help text names it.
    const SkinControl *key =
        position == kEnterPosition && enter_ ? static_cast<const SkinControl *>(enter_) : keyButton(position);
    if (spoken.isEmpty() && key)
        spoken = key->helpText().section(QLatin1Char('.'), 0, 0).trimmed();
    if (spoken.isEmpty())
        spoken = QCoreApplication::translate("StandardKeyPage", "Key %1").arg(position + 1);
    const ProfileData *profile = working_.currentProfileData();
    if (!profile || profile->standardkey[position] == home)
        return spoken;
    const uint8_t sent = profile->standardkey[position];
    QString sentName = QString::fromStdString(shownName(names.keyCodeName(sent)));
    if (sentName.isEmpty())
        sentName = QCoreApplication::translate("StandardKeyPage", "key code %1").arg(sent);
    // One sentence, so that each language orders it its own way.
    return QCoreApplication::translate("StandardKeyPage", "%1, sends %2").arg(spoken, sentName);
}

StandardKeyPage::StandardKeyPage(const KeyPageServices &services, QWidget *parent)
    : ConfigPage(services.session.working(), parent), services_(services) {
    std::vector<SkinControlSetup> controls;
    for (int p = 0; p < kStandardKeyCount; ++p) {
        SkinControlSetup setup;
        setup.section = StandardKeyPageSkin::section(p);
        setup.index = kFirstHoverIndex + p;
        controls.push_back(setup);
    }
    loadSkin(QString::fromLatin1(StandardKeyPageSkin::kFile), controls);

    for (int p = 0; p < kStandardKeyCount; ++p) {
        if (const BitmapButton *b = keyButton(p))
            looks_[p].plainHelp = b->helpText();
        // Made when a screen reader asks, so reloading the page costs nothing.
        if (BitmapButton *b = keyButton(p))
            b->setSpokenName([this, p] { return spokenKey(p); });
    }

    // The Enter key spans two rows: a shaped button takes the place of its
    // rectangular one.
    if (BitmapButton *hidden = keyButton(kEnterPosition)) {
        hidden->hide();
        const QRect rect = controlRect(StandardKeyPageSkin::section(kEnterPosition));
        enter_ = new RgnButton(this);
        enter_->setMaskResource(kEnterKeyMaskBitmap);
        enter_->takeStatePictures(*hidden); // same size: the same pictures
        enter_->create(QStringLiteral("Enter"), rect);
        enter_->setSpokenName([this] { return spokenKey(kEnterPosition); });
        connect(enter_, &RgnButton::command, this, [this] { keyClicked(kEnterPosition); });
        connect(enter_, &RgnButton::skinHover, this, &SkinnedDialog::skinHover);
    }
}

void StandardKeyPage::command(int section) {
    const int position = section - StandardKeyPageSkin::kFirstKey;
    if (position >= 0 && position < kStandardKeyCount)
        keyClicked(position);
}

void StandardKeyPage::reload() {
    bool changed = false;
    for (int p = 0; p < kStandardKeyCount; ++p)
        changed = showKey(p) || changed;
    // One synchronous redraw of the keys that changed their look.
    if (changed && isVisible())
        repaint();
}

bool StandardKeyPage::showKey(int position) {
    const ProfileData *profile = working_.currentProfileData();
    const bool remapped = profile && standardKeyRemapped(*profile, position);
    if (remapped == shownRemapped_[position])
        return false;
    const KeyLooks &looks = looks_[position];
    shownRemapped_[position] = remapped;
    // A remapped key says what it sends, in the quick help and as a tip.
    const QString help = remapped ? remapHelp(position, profile->standardkey[position]) : looks.plainHelp;
    SkinControl *key =
        position == kEnterPosition && enter_ ? static_cast<SkinControl *>(enter_) : keyButton(position);
    if (key) {
        key->setHelpText(help);
        key->setToolTip(remapped ? help : QString());
    }
    if (key)
        showLook(*key, remapped);
    return true;
}

QString StandardKeyPage::remapHelp(int position, uint8_t code) const {
    return QStringLiteral("%1 → %2").arg(
        QString::fromStdString(sentName(kDefaultStandardKeys[position], services_)),
        QString::fromStdString(sentName(code, services_)));
}

void StandardKeyPage::keyClicked(int position) {
    const int profileIndex = working_.CurrentProfile;
    const ProfileData *profile = working_.currentProfileData();
    if (!profile || position < 0 || position >= kStandardKeyCount)
        return;
    SwapKeyDialog dialog(position, profile->standardkey[position], services_.keys, services_.texts, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    // The edit belongs to the profile the dialog was opened on.
    if (storeStandardKey(working_, profileIndex, position, dialog.resultCode()))
        showKey(position);
}

} // namespace orvyn
