#include "option/dialogs/ProfileDialog.h"

#include <QDir>
#include <QStandardPaths>

#include "option/skin/BitmapEdit.h"

namespace orvyn {

namespace {

const QColor kFieldBackground(0xE6, 0xE6, 0xE6);

// The text as UTF-8, cut to fit a field of N bytes with its terminating
// zero without splitting a character.
template <std::size_t N> void storeText(char (&field)[N], const QString &text) {
    QByteArray bytes = text.toUtf8();
    if (bytes.size() > static_cast<qsizetype>(N - 1)) {
        qsizetype cut = static_cast<qsizetype>(N - 1);
        while (cut > 0 && (static_cast<unsigned char>(bytes[cut]) & 0xC0) == 0x80)
            --cut;
        bytes.truncate(cut);
    }
    setFixed(field, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

QString desktopFolder() {
    const QString desktop = QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
    return QDir(desktop).exists() ? desktop : QDir::homePath();
}

} // namespace

ProfileDialog::ProfileDialog(ProfileData &profile, Mode mode, FileChooser &files, QWidget *parent)
    : SkinnedDialog(SkinWindowKind::ModalPopup, parent), profile_(profile), files_(files) {
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
    if (nameField())
        nameField()->setMaxLength(kNameLength);
    if (mode == Mode::Edit) {
        if (nameField())
            nameField()->setText(QString::fromUtf8(getFixed(profile.ProFileName)));
        if (gameField())
            gameField()->setText(QString::fromUtf8(getFixed(profile.GameFile)));
    }
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
    request.title = QStringLiteral("Game program");
    request.folder = desktopFolder();
    // A game on Linux is often a Wine or Proton .exe, but just as often a
    // native program or a launcher script.
    request.filters = {QStringLiteral("exe file(*.exe)"), QStringLiteral("All files (*)")};
    request.selectedFilter = request.filters.constLast();
    const QString chosen = files_.choose(this, request);
    if (!chosen.isEmpty() && gameField())
        gameField()->setText(chosen);
}

void ProfileDialog::accept() {
    storeText(profile_.ProFileName, nameField() ? nameField()->text() : QString());
    storeText(profile_.GameFile, gameField() ? gameField()->text() : QString());
    SkinnedDialog::accept();
}

} // namespace orvyn
