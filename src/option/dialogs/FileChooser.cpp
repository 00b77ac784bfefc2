#include "option/dialogs/FileChooser.h"

#include <QFileDialog>

namespace orvyn {

QString QtFileChooser::choose(QWidget *parent, const FileRequest &request) {
    QFileDialog dialog(parent, request.title, request.folder);
    // Qt's own dialog: it looks the same on every desktop and asks no portal.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setNameFilters(request.filters);
    if (!request.selectedFilter.isEmpty())
        dialog.selectNameFilter(request.selectedFilter);
    if (request.choice == FileChoice::Save) {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
    } else {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
    }
    if (!request.defaultSuffix.isEmpty())
        dialog.setDefaultSuffix(request.defaultSuffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

} // namespace orvyn
