// skingen <program folder>: draws the skin set into <program folder>skins/
// and the program icons into <program folder>icons/hicolor/.
#include "SkinSet.h"
#include "SkinWriter.h"
#include "StandardKeys.h"

#include "option/skin/SkinNames.h"
#include "shared/ConfigBlock.h"

#include <QDir>
#include <QFontDatabase>
#include <QGuiApplication>

#include <cstdio>
#include <cstdlib>

using namespace orvyn::skingen;

namespace {

int fail(const QString &message) {
    std::fprintf(stderr, "skingen: %s\n", qPrintable(message));
    return 1;
}

bool makePath(const QString &path) {
    return QDir().mkpath(path);
}

// The drawn keyboard must follow the remap table's position order.
bool keyOrderMatches(QString *error) {
    const std::vector<StandardKey> keys = standardKeys();
    if (keys.size() != static_cast<std::size_t>(orvyn::kStandardKeyCount)) {
        *error = QStringLiteral("%1 keys drawn instead of %2").arg(keys.size()).arg(orvyn::kStandardKeyCount);
        return false;
    }
    for (const StandardKey &k : keys) {
        if (k.code != orvyn::kDefaultStandardKeys[k.position]) {
            *error = QStringLiteral("key %1 (%2) sits at the place of code %3")
                         .arg(k.name)
                         .arg(k.code)
                         .arg(orvyn::kDefaultStandardKeys[k.position]);
            return false;
        }
    }
    return true;
}

} // namespace

int main(int argc, char **argv) {
    // Drawing text needs a platform; the generator runs at build time without a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2)
        return fail(QStringLiteral("usage: skingen <program folder>"));

    QString programFolder = QString::fromLocal8Bit(argv[1]);
    if (!programFolder.endsWith(QLatin1Char('/')))
        programFolder += QLatin1Char('/');
    const QString skins = programFolder + QStringLiteral("skins/");
    const QString resources = skins + QString::fromLatin1(orvyn::kResourceFolder);

    for (const char *family : {"Liberation Sans", "Liberation Sans Narrow"}) {
        if (!QFontDatabase::hasFamily(QString::fromLatin1(family)))
            std::fprintf(stderr, "skingen: warning: font \"%s\" is missing; texts use a substitute\n",
                         family);
    }

    QString error;
    if (!keyOrderMatches(&error))
        return fail(error);
    if (!makePath(skins) || !makePath(resources))
        return fail(QStringLiteral("cannot create %1").arg(resources));

    for (const SkinWindow &window : skinSet()) {
        if (!writeSkinWindow(window, skins, &error))
            return fail(error);
    }
    for (const NamedImage &picture : recordButtonPictures()) {
        if (!saveImage(picture.image, skins + picture.fileName, picture.format, 95, &error))
            return fail(error);
    }
    for (const NamedImage &picture : resourcePictures()) {
        if (!saveImage(picture.image, resources + picture.fileName, picture.format, -1, &error))
            return fail(error);
    }
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        const QString folder = programFolder + QStringLiteral("icons/hicolor/%1x%1/apps/").arg(size);
        if (!makePath(folder))
            return fail(QStringLiteral("cannot create %1").arg(folder));
        if (!saveImage(programIcon(size), folder + QStringLiteral("orvyn-vantor.png"), "PNG", -1, &error))
            return fail(error);
    }
    return 0;
}
