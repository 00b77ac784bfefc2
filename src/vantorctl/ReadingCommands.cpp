// The commands that read: status, profile (without a number), show,
// macros, functions. profile N is here too, beside its reading form.
#include <string>

#include "editing/AdvancedValues.h"
#include "editing/MacroLibrary.h"
#include "shared/Messages.h"
#include "vantorctl/Commands.h"
#include "vantorctl/CtlValues.h"
#include "vantorctl/ProfileJson.h"

namespace orvyn::ctl {

namespace {

std::string profileLabel(const ConfigBlock &config, int p) {
    return std::to_string(p + 1) + " (" + std::string(getFixed(config.profiles[p].ProFileName)) + ")";
}

void printProfile(const ConfigBlock &config, int p, Environment &env) {
    const ProfileData &d = config.profiles[p];
    const TextSource &texts = env.texts();
    // The labels are in the user's language; the values are the names
    // that set accepts, so they stay as they are.
    auto captionOr = [](std::string text, int32_t value) {
        return text.empty() ? "unknown (" + std::to_string(value) + ")" : text;
    };
    const std::string none = said(QT_TRANSLATE_NOOP("vantorctl", "(none)"));
    const std::string game(getFixed(d.GameFile));
    const std::string name(getFixed(d.ProFileName));
    std::string out =
        (p == config.CurrentProfile
             ? said(QT_TRANSLATE_NOOP("vantorctl", "Profile %1: %2  (current)"),
                    {std::to_string(p + 1), name})
             : said(QT_TRANSLATE_NOOP("vantorctl", "Profile %1: %2"), {std::to_string(p + 1), name})) +
        "\n";
    out += alignedRows(
        {
            {said(QT_TRANSLATE_NOOP("vantorctl", "Game program:")), game.empty() ? none : game},
            {said(QT_TRANSLATE_NOOP("vantorctl", "Lighting effect:")),
             captionOr(texts.text(ltControlTextId(d.LtControl)), d.LtControl)},
            {said(QT_TRANSLATE_NOOP("vantorctl", "Lighting colour:")),
             captionOr(texts.text(ltColorCaptionTextId(d.LtColor)), d.LtColor)},
            {said(QT_TRANSLATE_NOOP("vantorctl", "Polling rate:")), pollingText(d.PollingRate)},
            {said(QT_TRANSLATE_NOOP("vantorctl", "Windows-key lock:")), switchText(d.winKeyLock())},
            {said(QT_TRANSLATE_NOOP("vantorctl", "Power saving:")), switchText(d.ECOMode)},
        },
        "  ");
    out += "  " + said(QT_TRANSLATE_NOOP("vantorctl", "Keys:")) + "\n";
    const AssignmentText &captions = env.captions();
    for (int slot = 0; slot < kKeyboardSlotCount; ++slot) {
        const std::string caption = captions.text(d.keys[slot]);
        out += "    " + padded("G" + std::to_string(slot + 1), 5) + (caption.empty() ? none : caption) + "\n";
    }
    std::string remaps;
    for (int i = 0; i < kStandardKeyCount; ++i) {
        if (d.standardkey[i] == kDefaultStandardKeys[i])
            continue;
        auto name = [&](uint8_t code) {
            const std::string n = captions.keyCodeName(code);
            return n.empty() ? "key code " + std::to_string(code) : n;
        };
        remaps += "    " + padded(name(kDefaultStandardKeys[i]), 14) + " -> " + name(d.standardkey[i]) + "\n";
    }
    out += remaps.empty()
               ? "  " + said(QT_TRANSLATE_NOOP("vantorctl", "Remapped standard keys: none")) + "\n"
               : "  " + said(QT_TRANSLATE_NOOP("vantorctl", "Remapped standard keys:")) + "\n" + remaps;
    print(out);
}

} // namespace

ExitStatus runStatus(const Command &command, QCommandLineParser &parser, Environment &env) {
    if (!operands(parser).isEmpty())
        return usageError(command, said(QT_TRANSLATE_NOOP("vantorctl", "status takes no arguments.")));
    const bool monitor = env.monitorRuns();
    const int32_t device = env.settings().readDeviceState();
    const auto config = env.readConfig();
    const char *keyboard = QT_TRANSLATE_NOOP("vantorctl", "unknown (Monitor is not running)");
    if (monitor)
        keyboard = device == 1   ? QT_TRANSLATE_NOOP("vantorctl", "connected")
                   : device == 0 ? QT_TRANSLATE_NOOP("vantorctl", "not connected")
                                 : QT_TRANSLATE_NOOP("vantorctl", "unknown");
    const bool optionOpen = env.runtime().ok() && env.poster().exists(kOptionTitle);
    print(alignedRows({
        {said(QT_TRANSLATE_NOOP("vantorctl", "Monitor:")),
         said(monitor ? QT_TRANSLATE_NOOP("vantorctl", "running")
                      : QT_TRANSLATE_NOOP("vantorctl", "not running"))},
        {said(QT_TRANSLATE_NOOP("vantorctl", "Keyboard:")), said(keyboard)},
        {said(QT_TRANSLATE_NOOP("vantorctl", "Firmware:")),
         formatFirmwareVersion(env.settings().readFirmwareVersion(), FirmwareRange::StartUp)},
        {said(QT_TRANSLATE_NOOP("vantorctl", "Profile:")), profileLabel(*config, config->CurrentProfile)},
        {said(QT_TRANSLATE_NOOP("vantorctl", "Option:")),
         said(optionOpen ? QT_TRANSLATE_NOOP("vantorctl", "open")
                         : QT_TRANSLATE_NOOP("vantorctl", "not open"))},
    }));
    return monitor && device == 1 ? ExitStatus::Done : ExitStatus::NotApplied;
}

ExitStatus runProfile(const Command &command, QCommandLineParser &parser, Environment &env) {
    const QStringList args = operands(parser);
    if (args.size() > 1)
        return usageError(command,
                          said(QT_TRANSLATE_NOOP("vantorctl", "profile takes at most one profile number.")));
    if (args.isEmpty()) {
        const auto config = env.readConfig();
        const int p = config->CurrentProfile;
        print(std::to_string(p + 1) + "\t" + std::string(getFixed(config->profiles[p].ProFileName)) + "\n");
        return ExitStatus::Done;
    }
    const auto profile = parseProfile(str(args[0]));
    if (!profile.ok())
        return usageError(command, profile.error);
    const auto options = changeOptions(parser);
    if (!options)
        return ExitStatus::BadInput;
    return runChange(env, *options, [&](ConfigSession &session) {
        session.selectProfile(*profile.value);
        return std::string();
    });
}

ExitStatus runShow(const Command &command, QCommandLineParser &parser, Environment &env) {
    const QStringList args = operands(parser);
    if (args.size() > 1)
        return usageError(command,
                          said(QT_TRANSLATE_NOOP("vantorctl", "show takes at most one profile number.")));
    const auto config = env.readConfig();
    const auto p = profileOperand(command, args, 0, config.get());
    if (!p)
        return ExitStatus::BadInput;
    if (parser.isSet("json"))
        print(profileToJson(config->profiles[*p], env.captions()));
    else
        printProfile(*config, *p, env);
    return ExitStatus::Done;
}

ExitStatus runMacros(const Command &command, QCommandLineParser &parser, Environment &env) {
    if (!operands(parser).isEmpty())
        return usageError(command, said(QT_TRANSLATE_NOOP("vantorctl", "macros takes no arguments.")));
    MacroLibrary library(env.macroPath());
    library.load();
    if (library.fileState() == MacroFileState::Unreadable)
        complain(said(QT_TRANSLATE_NOOP("vantorctl", "The macro library %1 cannot be read whole: %2."),
                      {library.path(), library.problem()}));
    if (parser.isSet("json")) {
        print(libraryToJson(library));
        return ExitStatus::Done;
    }
    for (std::size_t i = 0; i < library.size(); ++i) {
        const MacroRecord *m = library.at(static_cast<int>(i));
        print(std::string(getFixed(m->name)) + "\t" + std::to_string(m->validCount()) + " steps\t" +
              (m->repeat > 0 ? "repeat " + std::to_string(m->repeat) : std::string("once")) + "\n");
    }
    return ExitStatus::Done;
}

ExitStatus runFunctions(const Command &command, QCommandLineParser &parser, Environment &env) {
    const QStringList args = operands(parser);
    auto lines = [](const std::vector<std::string> &names) {
        std::string out;
        for (const std::string &n : names)
            out += n + "\n";
        return out;
    };
    const auto media = [&] { return functionNames(FunctionGroup::Media, env.texts()); };
    const auto mouse = [&] { return functionNames(FunctionGroup::Mouse, env.texts()); };
    const auto keys = [&] { return keyNames(env.keys()); };
    if (args.isEmpty()) {
        print("media:\n" + lines(media()) + "\nmouse:\n" + lines(mouse()) + "\nkeys:\n" + lines(keys()));
        return ExitStatus::Done;
    }
    const std::string group = str(args[0]);
    if (args.size() == 1 && group == "media")
        print(lines(media()));
    else if (args.size() == 1 && group == "mouse")
        print(lines(mouse()));
    else if (args.size() == 1 && group == "keys")
        print(lines(keys()));
    else
        return usageError(command,
                          said(QT_TRANSLATE_NOOP("vantorctl", "functions takes one of media, mouse, keys.")));
    return ExitStatus::Done;
}

} // namespace orvyn::ctl
