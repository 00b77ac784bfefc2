// The programs' own texts in the chosen language: the suite's catalogue from
// `<program folder>translations/orvyn_<code>.qm`, and Qt's own (the buttons
// of its standard dialogs) when the system has them.
#pragma once

#include <string>

class QCoreApplication;

namespace orvyn {

// False when the suite's catalogue for `language` could not be loaded
// (English needs none, and is always true). Also points the Qt-free
// libraries' `localText` at these catalogues.
bool installTranslations(QCoreApplication &app, const std::string &language,
                         const std::string &programFolder);

} // namespace orvyn
