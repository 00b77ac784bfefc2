// Desktop entry files (.desktop): the [Desktop Entry] group and its Exec
// command line, read the way application launchers read them. Keys are
// case-sensitive; a value is string-unescaped first (\s \n \t \r \\), then
// an Exec value is split by its quoting rules and its field codes expanded.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvyn {

struct DesktopEntry {
    enum class Type { Application, Link, Directory, Unknown };
    Type type = Type::Unknown;
    bool typeGiven = false; // a file without Type is read as an application
    std::string name;       // untranslated Name
    std::string icon;
    std::string exec;
    std::string tryExec;
    std::string path; // working folder
    std::string url;  // Type=Link
    bool hidden = false;
    bool terminal = false;
};

// The [Desktop Entry] group of a file's text; nullopt when there is none.
std::optional<DesktopEntry> parseDesktopEntry(std::string_view text);

// A string value with its escapes resolved; an unknown escape stays as it is.
std::string unescapeDesktopString(std::string_view value);

// What the field codes of an Exec line stand for.
struct ExecContext {
    std::string name;     // %c
    std::string icon;     // %i: "--icon" and this, as two arguments
    std::string location; // %k
};

// Splits an Exec value (already string-unescaped): blanks separate
// arguments; double quotes group, and inside them a backslash escapes
// '"', '`', '$' and '\'; outside quotes a backslash escapes any character
// and single quotes group literally (as entries written by Wine and others
// rely on). Field codes: %f %F %u %U are dropped (no files are passed), an
// argument that was only such a code disappears; %i %c %k as above; %% is a
// percent sign; deprecated and unknown codes are dropped. Empty when the
// quoting is unbalanced.
std::vector<std::string> splitExecValue(std::string_view value, const ExecContext &context = {});

// The command line of a file's Exec key; nullopt when the file has no
// usable Exec key in its [Desktop Entry] group.
std::optional<std::vector<std::string>> desktopEntryCommand(std::string_view fileText);

} // namespace orvyn
