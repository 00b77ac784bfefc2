#include "translations/ProgramTranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include "uitext/LanguageChoice.h"

namespace orvyn {

bool installTranslations(QCoreApplication &app, const std::string &language,
                         const std::string &programFolder) {
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
