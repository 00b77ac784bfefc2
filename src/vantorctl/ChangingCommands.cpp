// The commands that change the configuration (set, assign, import) and
// export, which writes files of its own.
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>
#include <unistd.h>

#include "editing/LaunchProgram.h"
#include "platform/FileAccess.h"
#include "vantorctl/Commands.h"
#include "vantorctl/CtlValues.h"
#include "vantorctl/ProfileJson.h"

namespace orvyn::ctl {

namespace {

// A JSON document from a file or, for "-", from standard input.
std::optional<std::string> readJsonInput(const std::string &path) {
    if (path != "-") {
        const FileRead read = readRegularFile(path, kProfileJsonMaxBytes);
        if (!read.ok()) {
            complain(read.error.empty() ? said(QT_TRANSLATE_NOOP("vantorctl", "Cannot read \"%1\"."), {path})
                                        : read.error);
            return std::nullopt;
        }
        return read.contents;
    }
    std::string data;
    char buf[65536];
    for (;;) {
        const ssize_t n = ::read(STDIN_FILENO, buf, sizeof buf);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            complain(said(QT_TRANSLATE_NOOP("vantorctl", "Cannot read standard input: %1"),
                          {std::strerror(errno)}));
            return std::nullopt;
        }
        if (n == 0)
            return data;
        data.append(buf, static_cast<std::size_t>(n));
        if (data.size() > kProfileJsonMaxBytes) {
            complain(said(QT_TRANSLATE_NOOP(
                "vantorctl", "The document on standard input is larger than a profile document can be.")));
            return std::nullopt;
        }
    }
}

} // namespace

ExitStatus runSet(const Command &command, QCommandLineParser &parser, Environment &env) {
    const QStringList args = operands(parser);
    if (args.size() < 2)
        return usageError(
            command, said(QT_TRANSLATE_NOOP("vantorctl", "set needs a profile and at least one KEY=VALUE.")));
    const auto p = profileOperand(command, args, 0, nullptr);
    if (!p)
        return ExitStatus::BadInput;
    std::vector<Setting> settings;
    for (qsizetype i = 1; i < args.size(); ++i) {
        auto s = parseSetting(str(args[i]), env.texts());
        if (!s.ok())
            return usageError(command, s.error);
        settings.push_back(*s.value);
    }
    const auto options = changeOptions(parser);
    if (!options)
        return ExitStatus::BadInput;
    return runChange(env, *options, [&](ConfigSession &session) {
        for (const Setting &s : settings)
            applySetting(session.working().profiles[*p], s);
        return std::string();
    });
}

ExitStatus runAssign(const Command &command, QCommandLineParser &parser, Environment &env) {
    const QStringList args = operands(parser);
    if (args.size() < 3)
        return usageError(command, said(QT_TRANSLATE_NOOP(
                                       "vantorctl", "assign needs a profile, a key and what the key does.")));
    const auto p = profileOperand(command, args, 0, nullptr);
    if (!p)
        return ExitStatus::BadInput;
    const auto slotParsed = parseKeySlot(str(args[1]));
    if (!slotParsed.ok())
        return usageError(command, slotParsed.error);
    const int profile = *p;
    const int slot = *slotParsed.value;
    const std::string kind = str(args[2]);
    // Names may be given as several words: "media volume up".
    const std::string rest = str(args.mid(3).join(QLatin1Char(' ')));
    const auto options = changeOptions(parser);
    if (!options)
        return ExitStatus::BadInput;

    Edit edit;
    if (kind == "default") {
        if (args.size() != 3)
            return usageError(command,
                              said(QT_TRANSLATE_NOOP("vantorctl", "default takes nothing after it.")));
        edit = [=](ConfigSession &s) {
            assignFactoryEntry(s.working(), profile, slot);
            return std::string();
        };
    } else if (kind == "keys") {
        const auto combination = parseKeyCombination(rest, env.keys());
        if (!combination.ok())
            return usageError(command, combination.error);
        const KeyFunction f{AssignType::KeyCombination, combination.value->modifiers,
                            combination.value->keyCode};
        edit = [=](ConfigSession &s) {
            assignFunction(s.working(), profile, slot, f);
            return std::string();
        };
    } else if (kind == "media" || kind == "mouse") {
        const auto f =
            findFunction(kind == "media" ? FunctionGroup::Media : FunctionGroup::Mouse, rest, env.texts());
        if (!f.ok())
            return usageError(command, f.error);
        edit = [=, function = *f.value](ConfigSession &s) {
            assignFunction(s.working(), profile, slot, function);
            return std::string();
        };
    } else if (kind == "program") {
        if (args.size() != 4 || rest.empty())
            return usageError(
                command,
                said(QT_TRANSLATE_NOOP("vantorctl", "program takes one path (quote a path with blanks).")));
        std::error_code ec;
        const std::filesystem::path here = std::filesystem::current_path(ec);
        std::string path;
        if (rest.find('/') == std::string::npos) {
            // A bare name is a command, as a shell takes it; the key keeps
            // its full path, since Monitor runs elsewhere.
            const char *searchPath = std::getenv("PATH");
            path = findProgramInPath(rest, searchPath ? searchPath : "", here.string());
            if (path.empty())
                return usageError(
                    command,
                    said(QT_TRANSLATE_NOOP("vantorctl", "No program \"%1\" was found in PATH; give its full "
                                                        "path (or ./%1 for one in the current folder)."),
                         {rest}));
        } else {
            path = std::filesystem::absolute(rest, ec).lexically_normal().string();
            if (ec || path.empty())
                return usageError(
                    command,
                    said(QT_TRANSLATE_NOOP("vantorctl", "Cannot make a full path of \"%1\"."), {rest}));
        }
        if (!programPathFits(path))
            return usageError(
                command, said(QT_TRANSLATE_NOOP("vantorctl",
                                                "The path \"%1\" is longer than the %2 bytes a key holds."),
                              {path, std::to_string(kProgramPathMaxBytes)}));
        if (::access(path.c_str(), F_OK) != 0)
            complain(
                said(QT_TRANSLATE_NOOP("vantorctl",
                                       "note: \"%1\" does not exist (yet); the key starts it once it does."),
                     {path}));
        edit = [=](ConfigSession &s) {
            assignProgram(s.working(), profile, slot, path);
            return std::string();
        };
    } else if (kind == "macro") {
        if (rest.empty())
            return usageError(
                command,
                said(QT_TRANSLATE_NOOP(
                    "vantorctl", "macro takes the name of a macro of the library (vantorctl macros).")));
        edit = [=](ConfigSession &s) {
            MacroKeyInfo probe{};
            const bool fits = rest.size() < sizeof probe.macroName;
            setFixed(probe.macroName, rest);
            const MacroMatch match = s.library().findByName(probe);
            if (!fits || !match.found())
                return "The macro library has no macro \"" + rest + "\" (vantorctl macros lists them).";
            s.library().assign(match.index, s.working(), profile, slot);
            return std::string();
        };
    } else {
        return usageError(
            command, said(QT_TRANSLATE_NOOP("vantorctl",
                                            "Unknown assignment \"%1\": use macro NAME, keys COMBINATION, "
                                            "program PATH, media NAME, mouse NAME or default."),
                          {kind}));
    }
    return runChange(env, *options, edit);
}

ExitStatus runExport(const Command &command, QCommandLineParser &parser, Environment &env) {
    const QStringList args = operands(parser);
    if (args.size() != 2)
        return usageError(command,
                          said(QT_TRANSLATE_NOOP("vantorctl", "export needs a profile and a file.")));
    const auto p = profileOperand(command, args, 0, nullptr);
    if (!p)
        return ExitStatus::BadInput;
    const std::string path = str(args[1]);
    const bool json = parser.isSet("json") || endsWithJson(path) || path == "-";
    const auto config = env.readConfig();
    if (json) {
        const std::string text = profileToJson(config->profiles[*p], env.captions());
        if (path == "-") {
            print(text);
            return ExitStatus::Done;
        }
        const bool existed = ::access(path.c_str(), F_OK) == 0;
        std::string error;
        if (!replaceFileAtomically(path, text, &error)) {
            complain(
                said(QT_TRANSLATE_NOOP("vantorctl", "Cannot write \"%1\": %2."), {path, error}) +
                (existed ? said(QT_TRANSLATE_NOOP("vantorctl", " The file that was there is left as it was."))
                         : std::string()));
            return ExitStatus::BadInput;
        }
        return ExitStatus::Done;
    }
    const TransferResult result = exportProfileFile(config->profiles[*p], *p, path, env.settings());
    if (!result.message.empty())
        complain(result.message);
    return result.ok ? ExitStatus::Done : ExitStatus::BadInput;
}

ExitStatus runImport(const Command &command, QCommandLineParser &parser, Environment &env) {
    const QStringList args = operands(parser);
    if (args.size() != 2)
        return usageError(command,
                          said(QT_TRANSLATE_NOOP("vantorctl", "import needs a profile and a file.")));
    const auto p = profileOperand(command, args, 0, nullptr);
    if (!p)
        return ExitStatus::BadInput;
    const std::string path = str(args[1]);
    const auto options = changeOptions(parser);
    if (!options)
        return ExitStatus::BadInput;
    const int profile = *p;
    if (!parser.isSet("json") && !endsWithJson(path) && path != "-") {
        return runChange(env, *options, [&](ConfigSession &session) {
            const TransferResult result = session.importProfile(profile, path);
            if (result.ok && !result.message.empty())
                complain(result.message);
            return result.ok ? std::string() : result.message;
        });
    }
    // Checked whole before Option's place is taken: a bad document changes
    // nothing at all.
    const auto json = readJsonInput(path);
    if (!json)
        return ExitStatus::BadInput;
    auto scratch = std::make_unique<ProfileData>();
    std::memset(scratch.get(), 0, sizeof(ProfileData));
    const JsonImport checked = profileFromJson(*json, *scratch);
    if (!checked.ok) {
        complain(
            path == "-"
                ? said(QT_TRANSLATE_NOOP(
                           "vantorctl",
                           "standard input is not a usable profile document: %1. Nothing was imported."),
                       {checked.error})
                : said(QT_TRANSLATE_NOOP(
                           "vantorctl", "\"%1\" is not a usable profile document: %2. Nothing was imported."),
                       {path, checked.error}));
        return ExitStatus::BadInput;
    }
    return runChange(env, *options, [&](ConfigSession &session) {
        auto data = std::make_unique<ProfileData>(session.working().profiles[profile]);
        profileFromJson(*json, *data);
        session.replaceProfile(profile, *data);
        return std::string();
    });
}

} // namespace orvyn::ctl
