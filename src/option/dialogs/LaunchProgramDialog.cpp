#include "option/dialogs/LaunchProgramDialog.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QStandardPaths>

#include "editing/LaunchProgram.h"

namespace orvyn {

namespace {

const QColor kPathBackground(229, 229, 229);
// Functions, not constants: the translation is installed after static
// initialisation.
QString exeFilter() {
    return QCoreApplication::translate("LaunchProgramDialog", "exe file(*.exe)");
}
QString allFilesFilter() {
    return QCoreApplication::translate("LaunchProgramDialog", "All files (*)");
}

} // namespace

LaunchProgramDialog::LaunchProgramDialog(const QString &path, QWidget *parent)
    : SkinnedDialog(SkinWindowKind::ModalPopup, parent), path_(path), chooser_(&chooseProgramFile) {
    std::vector<SkinControlSetup> controls = pushButtons({Browse, Ok, Cancel, Close});
    SkinControlSetup field;
    field.section = PathField;
    field.kind = SkinControlKind::Edit;
    controls.push_back(field);
    loadSkin(QString::fromLatin1(LaunchProgramSkin::kFile), controls);
    if (BitmapEdit *edit = this->edit(PathField)) {
        edit->setTextColour(Qt::black);
        edit->setBackgroundColour(kPathBackground);
        edit->setText(path_);
    }
    setDialogButtons(dialogButtonsOf<LaunchProgramSkin>());
    setWindowTitle(QStringLiteral("Launch Program"));
}

void LaunchProgramDialog::command(int section) {
    if (section == Browse)
        browse();
    else
        SkinnedDialog::command(section);
}

void LaunchProgramDialog::browse() {
    if (!chooser_)
        return;
    const std::optional<QString> chosen = chooser_(this, startFolder());
    if (chosen && !chosen->isEmpty()) {
        if (BitmapEdit *edit = this->edit(PathField))
            edit->setText(QDir::toNativeSeparators(*chosen));
    }
}

void LaunchProgramDialog::accept() {
    QString text = edit(PathField) ? edit(PathField)->text() : path_;
    // A bare name is a command, found in PATH as a shell would; Monitor
    // starts the key's program from elsewhere, so the key keeps a full path.
    if (!text.isEmpty() && !text.contains(QLatin1Char('/'))) {
        const std::string found = findProgramInPath(text.toStdString(), qgetenv("PATH").toStdString(),
                                                    QDir::currentPath().toStdString());
        if (found.empty()) {
            QMessageBox::warning(
                this, QStringLiteral("Option"),
                QCoreApplication::translate("LaunchProgramDialog",
                                            "No program \"%1\" was found in PATH. Choose it with the browse "
                                            "button or type its full path.")
                    .arg(text));
            return;
        }
        text = QString::fromStdString(found);
        if (BitmapEdit *edit = this->edit(PathField))
            edit->setText(text);
    }
    // A cut path would start some other file, or none.
    if (!programPathFits(text.toStdString())) {
        QMessageBox::warning(
            this, QStringLiteral("Option"),
            QCoreApplication::translate("LaunchProgramDialog",
                                        "The program path is too long: a key holds at most %1 bytes.")
                .arg(kProgramPathMaxBytes));
        return;
    }
    path_ = text;
    SkinnedDialog::accept();
}

QString LaunchProgramDialog::startFolder() {
    // The XDG desktop folder (user-dirs.dirs), ~/Desktop without one.
    const QString desktop = QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
    if (!desktop.isEmpty() && QDir(desktop).exists())
        return desktop;
    return QDir::homePath();
}

std::optional<QString> LaunchProgramDialog::chooseProgramFile(QWidget *parent, const QString &folder) {
    QFileDialog dialog(parent);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setDirectory(folder);
    dialog.setNameFilters({exeFilter(), allFilesFilter()});
    dialog.selectNameFilter(allFilesFilter());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().front();
}

} // namespace orvyn
