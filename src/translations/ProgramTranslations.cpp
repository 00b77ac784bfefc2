#include "translations/ProgramTranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include "platform/LocalText.h"
#include "uitext/LanguageChoice.h"

namespace orvyn {

namespace {

std::string translateThroughQt(const char *context, const char *source) {
    return QCoreApplication::translate(context, source).toStdString();
}

} // namespace

bool installTranslations(QCoreApplication &app, const std::string &language,
                         const std::string &programFolder) {
    // The texts of the Qt-free libraries go through the same catalogues.
    setTextTranslator(translateThroughQt);
    if (language == kEnglish)
        return true;
    const QString code = QString::fromStdString(language);
    auto *qt = new QTranslator(&app);
    if (qt->load(QStringLiteral("qtbase_") + code, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt);
    else
        delete qt;
    auto *own = new QTranslator(&app);
    if (!own->load(QStringLiteral("orvyn_") + code,
                   QString::fromStdString(programFolder) + QStringLiteral("translations"))) {
        delete own;
        return false;
    }
    QCoreApplication::installTranslator(own);
    return true;
}

} // namespace orvyn
