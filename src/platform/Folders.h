// Where the suite finds its programs, keeps its settings and puts its named
// runtime objects. Every folder is returned with a trailing "/".
#pragma once

#include <string>

namespace orvyn {

// Folder of the running executable (/proc/self/exe); empty when unreadable,
// so paths built on it become relative.
std::string programFolder();

// $ORVYN_VANTOR_HOME if set; else the program folder when it is the user's
// own and nobody else may write there; else
// $XDG_CONFIG_HOME/orvyn-vantor/ (~/.config/orvyn-vantor/, with the home
// folder from the password database when HOME is unset; failing that, a
// "settings/" folder in the runtime folder). Never a shared name in /tmp.
std::string settingsFolder();
// The same choice for a given program folder.
std::string settingsFolderFor(const std::string &programFolder);

// Creates the settings folder and its "config/" sub-folder when missing,
// then checks both as the settings' owner must: folders of the user's own
// that neither group nor others may write to (settings name programs to
// launch). False, with a message, when they cannot be made or are refused;
// a refused folder is left as it is.
bool ensureSettingsFolders(const std::string &folder, std::string *error = nullptr);

// The check alone, for a folder that must already exist: empty when it is
// the user's own and not writable by group or others, else why not.
std::string privateFolderProblem(const std::string &folder, const std::string &what);

struct RuntimeFolder {
    std::string path;  // with trailing "/", empty on failure
    std::string error; // why it was refused
    bool ok() const { return !path.empty(); }
};

// $XDG_RUNTIME_DIR/orvyn-vantor/ or /tmp/orvyn-vantor-<uid>/, created mode
// 0700. Refused when owned by another user, not a folder, or open to group
// or others.
RuntimeFolder runtimeFolder();

// The same checks for an explicit path (used by runtimeFolder and tests).
RuntimeFolder prepareRuntimeFolder(const std::string &path);

// Makes one folder level with the given mode; true if it exists afterwards.
bool makeFolder(const std::string &path, unsigned mode);

} // namespace orvyn
