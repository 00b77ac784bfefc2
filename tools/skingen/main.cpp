// skingen <program folder>: draws the English skin set into <program
// folder>skins/, one set per other shipped language into skins/<code>/ (its
// texts from translations/orvyn_<code>.qm), and the program icons into
// <program folder>icons/hicolor/. Every caption of every language, and of
// the pseudo-language "qps", must fit its control: the misfits are listed
// and the run fails.
#include "SkinSet.h"
#include "SkinText.h"
#include "SkinWriter.h"
#include "StandardKeys.h"

#include "option/skin/SkinNames.h"
#include "shared/ConfigBlock.h"
#include "uitext/LanguageChoice.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QTranslator>

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

// Draws one language's set into `skins` (with a trailing "/"); an empty
// folder only checks its texts.
bool drawSet(const QString &skins, QString *error) {
    if (skins.isEmpty()) {
        for (const SkinWindow &window : skinSet()) {
            if (const QStringList problems = checkWindow(window); !problems.isEmpty()) {
                *error = problems.join(QLatin1Char('\n'));
                return false;
            }
            renderState(window, State::Normal);
        }
        recordButtonPictures();
        return true;
    }
    const QString resources = skins + QString::fromLatin1(orvyn::kResourceFolder);
    if (!makePath(skins) || !makePath(resources)) {
        *error = QStringLiteral("cannot create %1").arg(resources);
        return false;
    }
    for (const SkinWindow &window : skinSet()) {
        if (!writeSkinWindow(window, skins, error))
            return false;
    }
    for (const NamedImage &picture : recordButtonPictures()) {
        if (!saveImage(picture.image, skins + picture.fileName, picture.format, 95, error))
            return false;
    }
    for (const NamedImage &picture : resourcePictures()) {
        if (!saveImage(picture.image, resources + picture.fileName, picture.format, -1, error))
            return false;
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

    for (const char *family : {"Liberation Sans", "Liberation Sans Narrow", "WenQuanYi Micro Hei"}) {
        if (!QFontDatabase::hasFamily(QString::fromLatin1(family)))
            std::fprintf(stderr, "skingen: warning: font \"%s\" is missing; texts use a substitute\n",
                         family);
    }

    QString error;
    if (!keyOrderMatches(&error))
        return fail(error);

    QElapsedTimer timer;
    timer.start();
    // English first, into skins/ itself; the pseudo-language last, checked only.
    QStringList languages;
    for (std::string_view code : orvyn::shippedLanguages())
        languages << QString::fromLatin1(code.data(), static_cast<qsizetype>(code.size()));
    languages.removeAll(QString::fromLatin1(orvyn::kEnglish.data()));
    languages.prepend(QString::fromLatin1(orvyn::kEnglish.data()));
    languages << QStringLiteral("qps");
    QStringList misfits;
    for (const QString &code : languages) {
        QTranslator catalogue;
        PseudoTranslator pseudo;
        QString folder = skins;
        if (code == QLatin1String("qps")) {
            QCoreApplication::installTranslator(&pseudo);
            folder.clear();
        } else if (code != QLatin1String("en")) {
            const QString file = programFolder + QStringLiteral("translations/orvyn_%1.qm").arg(code);
            if (!catalogue.load(file))
                return fail(QStringLiteral("%1: cannot read %2").arg(code, file));
            QCoreApplication::installTranslator(&catalogue);
            folder = skins + code + QLatin1Char('/');
        }
        const qint64 started = timer.elapsed();
        const bool drawn = drawSet(folder, &error);
        if (qEnvironmentVariableIsSet("SKINGEN_TIMING"))
            std::fprintf(stderr, "skingen: %s in %lld ms\n", qPrintable(code), timer.elapsed() - started);
        QCoreApplication::removeTranslator(&catalogue);
        QCoreApplication::removeTranslator(&pseudo);
        if (!drawn)
            return fail(code + QStringLiteral(": ") + error);
        for (const QString &line : takeMisfits())
            misfits << code + QStringLiteral(": ") + line;
    }
    if (!misfits.isEmpty()) {
        for (const QString &line : misfits)
            std::fprintf(stderr, "skingen: %s\n", qPrintable(line));
        return 1;
    }
    if (qEnvironmentVariableIsSet("SKINGEN_TIMING"))
        std::fprintf(stderr, "skingen: %d languages in %lld ms\n", int(languages.size()), timer.elapsed());
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        const QString folder = programFolder + QStringLiteral("icons/hicolor/%1x%1/apps/").arg(size);
        if (!makePath(folder))
            return fail(QStringLiteral("cannot create %1").arg(folder));
        if (!saveImage(programIcon(size), folder + QStringLiteral("orvyn-vantor.png"), "PNG", -1, &error))
            return fail(error);
    }
    return 0;
}
