// A profile file in or out of the current profile: the file dialog, then the
// session's import or export.
#pragma once

#include <QWidget>
#include <optional>
#include <string>

#include "editing/ConfigSession.h"
#include "option/dialogs/FileChooser.h"

namespace orvyn {

// Asks for the file (in the settings folder's config/, *.gkp) and imports it
// into the current profile or exports the current profile to it. nullopt
// when the user chose no file; otherwise what the session said.
std::optional<TransferResult> transferProfileFile(QWidget *parent, FileChooser &files, ConfigSession &session,
                                                  const std::string &settingsFolder, FileChoice choice);

} // namespace orvyn
