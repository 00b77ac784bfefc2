#include "option/dialogs/ProfileDialog.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>
#include <algorithm>

#include "option/skin/BitmapEdit.h"

namespace orvyn {

namespace {

const QColor kFieldBackground(0xE6, 0xE6, 0xE6);

// The text as UTF-8, cut to fit its field without splitting a character.
template <std::size_t N> void storeText(char (&field)[N], const QString &text) {
    const QByteArray bytes = text.toUtf8();
    setFixed(field, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

QString desktopFolder() {
    const QString desktop = QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
    return QDir(desktop).exists() ? desktop : QDir::homePath();
}

} // namespace

ProfileDialog::ProfileDialog(ProfileData &profile, Mode mode, FileChooser &files, QWidget *parent)
    : SkinnedDialog(SkinWindowKind::ModalPopup, parent), profile_(profile), files_(files), mode_(mode) {
    setWindowTitle(QStringLiteral("Profile"));
    std::vector<SkinControlSetup> controls = pushButtons({Browse, Ok, Cancel, Close});
    controls.push_back({NameField, SkinControlKind::Edit});
    controls.push_back({GameField, SkinControlKind::Edit});
    loadSkin(QString::fromLatin1(ProfileDialogSkin::kFile), controls);
    for (BitmapEdit *field : {nameField(), gameField()}) {
        if (field == nullptr)
            continue;
        field->setTextColour(Qt::black);
        field->setBackgroundColour(kFieldBackground);
    }
    if (mode == Mode::Edit) {
        shownName_ = QString::fromUtf8(getFixed(profile.ProFileName));
        shownGame_ = QString::fromUtf8(getFixed(profile.GameFile));
    }
    if (BitmapEdit *name = nameField()) {
        // The limit is the room to type: it shrinks with the text down to
        // kNameLength, so a longer name is never cut, only shortened.
        const auto fitTyping = [name](const QString &text) {
            name->setMaxLength(std::max<int>(kNameLength, static_cast<int>(text.size())));
        };
        fitTyping(shownName_);
        name->setText(shownName_);
        connect(name, &QLineEdit::textChanged, this, fitTyping);
    }
    if (gameField())
        gameField()->setText(shownGame_);
    setDialogButtons(dialogButtonsOf<ProfileDialogSkin>());
}

void ProfileDialog::command(int section) {
    if (section == Browse)
        browse();
    else
        SkinnedDialog::command(section);
}

void ProfileDialog::browse() {
    FileRequest request;
    request.choice = FileChoice::Open;
    request.title = QCoreApplication::translate("ProfileDialog", "Game program");
    request.folder = desktopFolder();
    // A game on Linux is often a Wine or Proton .exe, but just as often a
    // native program or a launcher script.
    request.filters = {QCoreApplication::translate("ProfileDialog", "exe file(*.exe)"),
                       QCoreApplication::translate("ProfileDialog", "All files (*)")};
    request.selectedFilter = request.filters.constLast();
    const QString chosen = files_.choose(this, request);
    if (!chosen.isEmpty() && gameField())
        gameField()->setText(chosen);
}

void ProfileDialog::accept() {
    const QString name = nameField() ? nameField()->text() : QString();
    const QString game = gameField() ? gameField()->text() : QString();
    // A field left as it was shown keeps the profile's bytes exactly.
    if (mode_ == Mode::New || name != shownName_)
        storeText(profile_.ProFileName, name);
    if (mode_ == Mode::New || game != shownGame_)
        storeText(profile_.GameFile, game);
    SkinnedDialog::accept();
}

} // namespace orvyn
