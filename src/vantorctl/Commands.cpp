#include "vantorctl/Commands.h"

#include <cstdio>

#include "vantorctl/CtlValues.h"

namespace orvyn::ctl {

QStringList operands(const QCommandLineParser &parser) {
    return parser.positionalArguments();
}

std::optional<ChangeOptions> changeOptions(const QCommandLineParser &parser) {
    ChangeOptions options;
    if (parser.isSet("wait")) {
        bool ok = false;
        const double seconds = parser.value("wait").toDouble(&ok);
        if (!ok || seconds <= 0 || seconds > 24 * 3600) {
            complain(said(QT_TRANSLATE_NOOP(
                "vantorctl", "--wait takes a number of seconds (more than 0, at most a day).")));
            return std::nullopt;
        }
        options.waitLimit = std::chrono::milliseconds(static_cast<int64_t>(seconds * 1000));
    }
    return options;
}

ExitStatus usageError(const Command &command, const std::string &why) {
    complain(why);
    const std::string call = std::string(kProgram) + " " + command.name;
    std::fputs(said(QT_TRANSLATE_NOOP("vantorctl", "Usage: %1 %2 (see %1 --help)\n"), {call, command.syntax})
                   .c_str(),
               stderr);
    return ExitStatus::BadInput;
}

std::optional<int> profileOperand(const Command &command, const QStringList &args, int index,
                                  const ConfigBlock *config) {
    if (args.size() <= index) {
        if (config)
            return config->CurrentProfile;
        usageError(command, said(QT_TRANSLATE_NOOP("vantorctl", "Which profile (1-5)?")));
        return std::nullopt;
    }
    const auto profile = parseProfile(str(args[index]));
    if (!profile.ok()) {
        usageError(command, profile.error);
        return std::nullopt;
    }
    return *profile.value;
}

const std::vector<Command> &commands() {
    static const std::vector<Command> table = {
        {"status", "", "",
         QT_TRANSLATE_NOOP("vantorctl", "keyboard, firmware, current profile, whether Monitor runs"),
         QT_TRANSLATE_NOOP(
             "vantorctl",
             "Shows whether Monitor runs and has the keyboard, the firmware version and the current profile. "
             "Exit status 0 when Monitor runs with the keyboard connected, 2 otherwise."),
         Changes::Nothing, false, runStatus},
        {"profile", "[N]", "[N]",
         QT_TRANSLATE_NOOP("vantorctl", "show the current profile, or switch to profile N (1-5)"),
         QT_TRANSLATE_NOOP("vantorctl", "Without N: prints the current profile's number and name. With N: "
                                        "makes profile N current on the "
                                        "keyboard."),
         Changes::Configuration, false, runProfile},
        {"show", "[PROFILE]", "[PROFILE]",
         QT_TRANSLATE_NOOP("vantorctl",
                           "a profile's lighting, polling rate, switches, keys and remapped keys"),
         QT_TRANSLATE_NOOP(
             "vantorctl",
             "Shows a profile (the current one when none is given): lighting effect and colour, polling "
             "rate, "
             "Windows-key lock, power saving, what each programmable key G1-G15 does (as the window's "
             "captions "
             "say "
             "it) and the remapped standard keys. With --json: the whole profile as a JSON document."),
         Changes::Nothing, true, runShow},
        {"set", "PROFILE KEY=VALUE...", "PROFILE KEY=VALUE...",
         QT_TRANSLATE_NOOP("vantorctl", "lighting, polling rate, Windows-key lock, power saving, name, game"),
         QT_TRANSLATE_NOOP("vantorctl",
                           "Changes settings of a profile and applies them:\n"
                           "  effect=static|breathing|wave|reactive|ripple|lights-off  lighting effect\n"
                           "  colour=red|green|blue|yellow|purple|cyan|colour-cycle|1-7 lighting colour\n"
                           "  polling=125|500|1000        polling rate in Hz\n"
                           "  winlock=on|off              Windows-key lock\n"
                           "  powersaving=on|off          power saving\n"
                           "  name=TEXT                   profile name (20 characters)\n"
                           "  game=PATH                   the game whose window selects this profile"),
         Changes::Configuration, false, runSet},
        {"assign", "PROFILE G<n> macro NAME|keys COMBINATION|program PATH|media NAME|mouse NAME|default",
         "PROFILE G<n> WHAT", QT_TRANSLATE_NOOP("vantorctl", "what a programmable key does"),
         QT_TRANSLATE_NOOP(
             "vantorctl",
             "Gives programmable key G1-G15 of a profile a function and applies it:\n"
             "  macro NAME         a macro of the library (vantorctl macros)\n"
             "  keys COMBINATION   a key combination in English key names: Ctrl+Alt+X, Shift+Page Down\n"
             "  program PATH       starts a program (or a .desktop file)\n"
             "  media NAME         a media or application function: Play/Pause, Volume Up, Calculator, ...\n"
             "  mouse NAME         a mouse function: Left Button, Double Click, Key Disabled, ...\n"
             "  default            the key's factory setting\n"
             "Names are matched without regard to case; vantorctl functions lists them."),
         Changes::Configuration, false, runAssign},
        {"export", "PROFILE FILE", "PROFILE FILE",
         QT_TRANSLATE_NOOP("vantorctl", "a profile into a .gkp profile file, or a JSON document"),
         QT_TRANSLATE_NOOP(
             "vantorctl",
             "Writes a profile into a profile file (.gkp, as the window's EXPORT does: its name is noted in "
             "config.ini and a copy kept in the settings folder), or with --json, a FILE ending in .json, or "
             "FILE "
             "\"-\" (standard output) as a JSON document."),
         Changes::Nothing, true, runExport},
        {"import", "PROFILE FILE", "PROFILE FILE",
         QT_TRANSLATE_NOOP("vantorctl",
                           "a profile from a .gkp profile file or a JSON document, and apply it"),
         QT_TRANSLATE_NOOP("vantorctl", "Replaces a profile by a profile file (.gkp, as the window's IMPORT "
                                        "does) or with --json, a FILE "
                                        "ending "
                                        "in .json, or FILE \"-\" (standard input) by a JSON document, and "
                                        "applies the whole profile. A file "
                                        "that is not usable changes nothing."),
         Changes::Configuration, true, runImport},
        {"macros", "", "", QT_TRANSLATE_NOOP("vantorctl", "the macro library"),
         QT_TRANSLATE_NOOP("vantorctl", "Lists the macros of the library: name, steps, repeat."),
         Changes::Nothing, true, runMacros},
        {"functions", "[media|mouse|keys]", "[media|mouse|keys]",
         QT_TRANSLATE_NOOP("vantorctl", "the names assign accepts"),
         QT_TRANSLATE_NOOP("vantorctl", "Lists the function names of assign ... media and assign ... mouse, "
                                        "and the key names of assign ... "
                                        "keys, one a line."),
         Changes::Nothing, false, runFunctions},
    };
    return table;
}

} // namespace orvyn::ctl
