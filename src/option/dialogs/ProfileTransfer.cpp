#include "option/dialogs/ProfileTransfer.h"

#include <QCoreApplication>

#include "platform/Trace.h"

namespace orvyn {

namespace {

FileRequest profileFileRequest(FileChoice choice, const std::string &settingsFolder) {
    FileRequest request;
    request.choice = choice;
    request.title = choice == FileChoice::Open
                        ? QCoreApplication::translate("ProfileTransfer", "Import a profile")
                        : QCoreApplication::translate("ProfileTransfer", "Export the profile");
    request.folder = QString::fromStdString(settingsFolder) + QStringLiteral("config/");
    request.filters = {QCoreApplication::translate("ProfileTransfer", "Gaming Keyboard Profile(*.gkp)"),
                       QCoreApplication::translate("ProfileTransfer", "All files (*)")};
    request.selectedFilter = request.filters.constFirst();
    request.defaultSuffix = QStringLiteral("gkp");
    return request;
}

} // namespace

std::optional<TransferResult> transferProfileFile(QWidget *parent, FileChooser &files, ConfigSession &session,
                                                  const std::string &settingsFolder, FileChoice choice) {
    const QString path = files.choose(parent, profileFileRequest(choice, settingsFolder));
    if (path.isEmpty())
        return std::nullopt;
    const bool importing = choice == FileChoice::Open;
    const TransferResult result =
        importing ? session.importProfile(path.toStdString()) : session.exportProfile(path.toStdString());
    if (importing)
        trace(result.ok ? "Option: profile imported\n" : "Option: profile import refused\n");
    else
        trace(result.ok ? "Option: profile exported\n" : "Option: profile export failed\n");
    return result;
}

} // namespace orvyn
