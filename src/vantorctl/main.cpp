#include <QCoreApplication>

#include "platform/Folders.h"
#include "shared/SettingsStore.h"
#include "translations/ProgramTranslations.h"
#include "uitext/LanguageChoice.h"
#include "vantorctl/Vantorctl.h"

int main(int argc, char **argv) {
    using namespace orvyn;
    const std::string languageArgument = takeLanguageArgument(argc, argv);
    // For the arguments in the locale's encoding; no event loop runs.
    QCoreApplication app(argc, argv);
    // Messages follow the user's language; command, option and value names
    // (the texts of the English table) stay as scripts know them.
    const std::string language = chooseLanguage(
        languageArgument, SettingsStore(settingsFolder()).readLanguage(), LocaleVariables::fromProcess());
    installTranslations(app, language, programFolder());
    return static_cast<int>(ctl::runVantorctl(QCoreApplication::arguments()));
}
