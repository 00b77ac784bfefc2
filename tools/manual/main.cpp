// manualgen [--languages CODE,... --catalogues FOLDER] <manual source>
//           <skin folder> <output pdf> [page folder]:
// builds the user manual from its Markdown source with the gallery pictures
// of the skinned windows, and writes it as a PDF; with a page folder, also
// each page (English) as a PNG picture for review. Each language named whose
// catalogue (orvyn_<code>.qm in the catalogue folder) translates the title
// page gets a manual of its own beside the English one.
#include "Gallery.h"
#include "ManualDocument.h"

#include "option/skin/SkinResources.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTextDocument>
#include <QTranslator>

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
    QStringList args = app.arguments().mid(1);
    QStringList languages;
    QString catalogues;
    while (args.size() >= 2 && args.front().startsWith(QLatin1String("--"))) {
        const QString option = args.takeFirst();
        const QString value = args.takeFirst();
        if (option == QLatin1String("--languages"))
            languages = value.split(QLatin1Char(','), Qt::SkipEmptyParts);
        else if (option == QLatin1String("--catalogues"))
            catalogues = value;
        else
            return fail(QStringLiteral("unknown option %1").arg(option));
    }
    if (args.size() != 3 && args.size() != 4)
        return fail(
            QStringLiteral("usage: manualgen [--languages CODE,... --catalogues FOLDER] <manual source> "
                           "<skin folder> <output pdf> [page folder]"));

    QFile source(args[0]);
    if (!source.open(QIODevice::ReadOnly))
        return fail(QStringLiteral("cannot read %1: %2").arg(source.fileName(), source.errorString()));
    const QString markdown = QString::fromUtf8(source.readAll());

    orvyn::setSkinFolder(args[1]);
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

    const QString pageFolder = args.size() == 4 ? args[3] : QString();
    if (!pageFolder.isEmpty() && !QDir().mkpath(pageFolder))
        return fail(QStringLiteral("cannot create %1").arg(pageFolder));

    using orvyn::manual::ManualLanguage;
    const auto document =
        orvyn::manual::buildManual(markdown, pictures, orvyn::manual::titlePage(ManualLanguage::English));
    QString error;
    if (!orvyn::manual::writeManualPdf(*document, args[2], &error))
        return fail(error);
    const QString folder = QFileInfo(args[2]).absolutePath() + QLatin1Char('/');
    for (const QString &code : languages) {
        QTranslator catalogue;
        if (!catalogue.load(QStringLiteral("orvyn_") + code, catalogues))
            return fail(QStringLiteral("no catalogue orvyn_%1 in %2").arg(code, catalogues));
        const QString path = folder + orvyn::manual::manualFileName(code);
        // Until its title page is translated, a language reads the English
        // manual: a copy under another name would say nothing more.
        if (!orvyn::manual::translatesTitlePage(catalogue)) {
            QFile::remove(path);
            continue;
        }
        QCoreApplication::installTranslator(&catalogue);
        const orvyn::manual::TitlePage title = orvyn::manual::titlePage(ManualLanguage::Translated);
        const auto translated = orvyn::manual::buildManual(markdown, pictures, title);
        const bool written = orvyn::manual::writeManualPdf(
            *translated, path, &error, title.title + QStringLiteral(" - ") + title.subtitle);
        QCoreApplication::removeTranslator(&catalogue);
        if (!written)
            return fail(error);
    }

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
