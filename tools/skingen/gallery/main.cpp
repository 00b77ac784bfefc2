// skingallery [skin folder] [output folder]: renders every skinned window of
// Option from the skins into PNG files for review.
#include "Gallery.h"

#include "option/skin/SkinResources.h"

#include <QApplication>
#include <QDir>

#include <cstdio>

int main(int argc, char **argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc > 3) {
        std::fprintf(stderr, "usage: skingallery [skin folder] [output folder]\n");
        return 2;
    }
    if (argc > 1)
        orvyn::setSkinFolder(QString::fromLocal8Bit(argv[1]));
    const QString output = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QStringLiteral("gallery");
    if (!QDir().mkpath(output)) {
        std::fprintf(stderr, "skingallery: cannot create %s\n", qPrintable(output));
        return 1;
    }
    int failures = 0;
    for (const orvyn::skingen::GalleryShot &shot : orvyn::skingen::renderGallery()) {
        const QString path = output + QLatin1Char('/') + shot.fileName;
        if (shot.image.isNull() || !shot.image.save(path, "PNG")) {
            std::fprintf(stderr, "skingallery: cannot write %s\n", qPrintable(path));
            ++failures;
        } else {
            std::printf("%s\n", qPrintable(path));
        }
    }
    return failures == 0 ? 0 : 1;
}
