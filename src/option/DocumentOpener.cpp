#include "option/DocumentOpener.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

namespace orvyn {

bool QtDocumentOpener::openFile(const QString &path) {
    if (!QFileInfo::exists(path))
        return false;
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

bool QtDocumentOpener::openAddress(const QString &address) {
    const QUrl url = QUrl::fromUserInput(address);
    return url.isValid() && QDesktopServices::openUrl(url);
}

} // namespace orvyn
