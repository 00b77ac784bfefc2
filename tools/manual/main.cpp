// manualgen <manual source> <skin folder> <output pdf> [page folder]:
// builds the user manual from its Markdown source with the gallery pictures
// of the skinned windows, and writes it as a PDF; with a page folder, also
// each page as a PNG picture for review.
#include "Gallery.h"
#include "ManualDocument.h"

#include "option/skin/SkinResources.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTextDocument>

#include <cstdio>

namespace {

int fail(const QString &message) {
    std::fprintf(stderr, "manualgen: %s\n", qPrintable(message));
    return 1;
}

} // namespace

int main(int argc, char **argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc != 4 && argc != 5)
        return fail(
            QStringLiteral("usage: manualgen <manual source> <skin folder> <output pdf> [page folder]"));

    QFile source(QString::fromLocal8Bit(argv[1]));
    if (!source.open(QIODevice::ReadOnly))
        return fail(QStringLiteral("cannot read %1: %2").arg(source.fileName(), source.errorString()));
    const QString markdown = QString::fromUtf8(source.readAll());

    orvyn::setSkinFolder(QString::fromLocal8Bit(argv[2]));
    std::map<QString, QImage> shots;
    for (orvyn::skingen::GalleryShot &shot : orvyn::skingen::renderGallery())
        shots[QStringLiteral("gallery/") + shot.fileName] = std::move(shot.image);
    std::map<QString, QImage> pictures;
    for (const QString &name : orvyn::manual::pictureNames(markdown)) {
        const auto found = shots.find(name);
        if (found == shots.end() || found->second.isNull())
            return fail(
                QStringLiteral("%1 shows %2, which the gallery does not draw").arg(source.fileName(), name));
        pictures[name] = found->second;
    }

    const QString pageFolder = argc == 5 ? QString::fromLocal8Bit(argv[4]) : QString();
    if (!pageFolder.isEmpty() && !QDir().mkpath(pageFolder))
        return fail(QStringLiteral("cannot create %1").arg(pageFolder));

    const auto document = orvyn::manual::buildManual(markdown, pictures);
    QString error;
    if (!orvyn::manual::writeManualPdf(*document, QString::fromLocal8Bit(argv[3]), &error))
        return fail(error);

    if (!pageFolder.isEmpty()) {
        int n = 0;
        for (const QImage &page : orvyn::manual::renderPages(*document)) {
            const QString path =
                QStringLiteral("%1/page-%2.png").arg(pageFolder).arg(++n, 2, 10, QLatin1Char('0'));
            if (!page.save(path, "PNG"))
                return fail(QStringLiteral("cannot write %1").arg(path));
        }
    }
    return 0;
}
