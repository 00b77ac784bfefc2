#include "option/skin/SkinResources.h"

#include "option/skin/SkinImage.h"
#include "platform/Folders.h"

#include <QFileInfo>

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

QString languageSkinFolder(const QString &skins, const std::string &language) {
    if (language.empty() || language == "en")
        return skins;
    const QString folder = skins + QString::fromStdString(language) + u'/';
    return QFileInfo(folder + QString::fromLatin1(ConfigWindowSkin::kFile)).isFile() ? folder : skins;
}

void useLanguageSkins(const std::string &language) {
    if (chosenSkinFolder().isEmpty())
        setSkinFolder(languageSkinFolder(skinFolder(), language));
}

QImage loadResourceBitmap(int id) {
    return loadResource(resourceBitmapFile(id));
}

QImage loadResourceIcon(int id) {
    return loadResource(resourceIconFile(id));
}

} // namespace orvyn
