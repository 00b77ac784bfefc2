#include "option/skin/SkinResources.h"

#include "option/skin/SkinImage.h"
#include "platform/Folders.h"

namespace orvyn {

namespace {

QString &chosenSkinFolder() {
    static QString folder;
    return folder;
}

QImage loadResource(const std::string &name) {
    QImage image;
    LoadSkinImage(skinFolder() + QString::fromLatin1(kResourceFolder) + QString::fromStdString(name), image);
    return image;
}

} // namespace

QString skinFolder() {
    const QString &chosen = chosenSkinFolder();
    if (!chosen.isEmpty())
        return chosen;
    return QString::fromStdString(programFolder()) + QStringLiteral("skins/");
}

void setSkinFolder(const QString &folder) {
    QString path = folder;
    if (!path.isEmpty() && !path.endsWith(u'/'))
        path += u'/';
    chosenSkinFolder() = path;
}

QImage loadResourceBitmap(int id) {
    return loadResource(resourceBitmapFile(id));
}

QImage loadResourceIcon(int id) {
    return loadResource(resourceIconFile(id));
}

} // namespace orvyn
