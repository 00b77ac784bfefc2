#include "vantorctl/Vantorctl.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <unistd.h>
#include <vector>

#include "option/core/AdvancedValues.h"
#include "option/core/ConfigSession.h"
#include "option/keys/AssignmentText.h"
#include "option/keys/KeyboardLayout.h"
#include "option/macro/LaunchProgram.h"
#include "platform/Clock.h"
#include "platform/Endpoint.h"
#include "platform/FileAccess.h"
#include "platform/Folders.h"
#include "platform/InstanceLock.h"
#include "platform/Trace.h"
#include "shared/Messages.h"
#include "shared/SharedBlock.h"
#include "shared/UiText.h"
#include "vantorctl/ApplyWait.h"
#include "vantorctl/CtlValues.h"
#include "vantorctl/ProfileJson.h"

namespace orvyn::ctl {

namespace {

constexpr const char *kProgram = "vantorctl";

void print(const std::string &text) {
    std::fwrite(text.data(), 1, text.size(), stdout);
}

void complain(const std::string &text) {
    std::fprintf(stderr, "%s: %s\n", kProgram, text.c_str());
}

std::string str(const QString &s) {
    return s.toStdString();
}

bool endsWithJson(const std::string &path) {
    return path.size() >= 5 && sameWord(std::string_view(path).substr(path.size() - 5), ".json");
}

std::string padded(std::string text, std::size_t width) {
    if (text.size() < width)
        text.append(width - text.size(), ' ');
    return text;
}

// Everything a command may need, made when first asked for: the language
// module, the keyboard layout (an X connection), the folders.
class Environment {
public:
    Environment()
        : program_(programFolder()), settingsFolder_(settingsFolder()), runtime_(runtimeFolder()),
          settings_(settingsFolder_), poster_(runtime_.ok() ? runtime_.path : std::string()) {}

    const std::string &program() const { return program_; }
    const RuntimeFolder &runtime() const { return runtime_; }
    SettingsStore &settings() { return settings_; }
    EndpointPoster &poster() { return poster_; }
    std::string macroPath() const { return settingsFolder_ + "config/sequence.dat"; }

    const TextSource &texts() {
        if (!textsLoaded_) {
            textsLoaded_ = true;
            if (!texts_.load(program_))
                trace("vantorctl: no uitext.so in " + program_ + "\n");
        }
        return texts_;
    }
    const KeyCodeTable &keys() {
        if (!keys_) {
            layout_ = makeSystemLayout();
            keys_ = std::make_unique<KeyCodeTable>(*layout_);
        }
        return *keys_;
    }
    const AssignmentText &captions() {
        if (!captions_)
            captions_ = std::make_unique<AssignmentText>(texts(), keys());
        return *captions_;
    }

    bool monitorRuns() { return runtime_.ok() && poster_.exists(kMonitorTitle); }

    // The record as Option would start with it; writes nothing.
    std::unique_ptr<ConfigBlock> readConfig(ConfigSource *source = nullptr) {
        auto config = std::make_unique<ConfigBlock>();
        std::memset(config.get(), 0, sizeof(ConfigBlock));
        SharedConfigBlock block;
        if (runtime_.ok())
            block.open(runtime_.path);
        const ConfigSource from = loadConfiguration(&block, settings_, texts(), *config);
        if (source)
            *source = from;
        return config;
    }

private:
    std::string program_;
    std::string settingsFolder_;
    RuntimeFolder runtime_;
    SettingsStore settings_;
    EndpointPoster poster_;
    UiTextLibrary texts_;
    bool textsLoaded_ = false;
    std::unique_ptr<KeyboardLayout> layout_;
    std::unique_ptr<KeyCodeTable> keys_;
    std::unique_ptr<AssignmentText> captions_;
};

// The session's window: what a window would show goes to stderr, and what
// it would be told decides the exit status.
class CommandLineView final : public SessionView {
public:
    void refresh(int) override {}
    void beginApplyWait() override {}
    void endApplyWait() override {}
    void versionTextChanged() override {}
    void closeWindow() override { closed = true; }
    void restoreAndActivate() override {}
    void tellUser(SessionNotice notice, const std::string &text) override {
        complain(text);
        if (notice != SessionNotice::MacroLibraryUnreadable)
            notApplied = true;
    }

    bool closed = false;
    bool notApplied = false;
};

// An edit of the working copy; an empty result means done, any text is the
// reason nothing is applied.
using Edit = std::function<std::string(ConfigSession &)>;

struct ChangeOptions {
    std::optional<std::chrono::milliseconds> waitLimit;
};

// Option's part for one command: its lock, its endpoint, its session.
ExitStatus runChange(Environment &env, const ChangeOptions &options, const Edit &edit) {
    const RuntimeFolder &runtime = env.runtime();
    if (!runtime.ok()) {
        complain(runtime.error);
        return ExitStatus::BadInput;
    }
    InstanceLock lock;
    switch (lock.acquire(runtime.path, kOptionInstanceName)) {
    case LockResult::Acquired:
        break;
    case LockResult::AlreadyHeld:
        complain("Option is open, so nothing was changed: two editors of one configuration would overwrite "
                 "each other. Close Option (or make the change there) and try again.");
        return ExitStatus::OptionOpen;
    case LockResult::Error:
        complain(lock.error());
        return ExitStatus::BadInput;
    }
    // Bound before 1224 is posted, so that the answer cannot be missed.
    Endpoint endpoint;
    switch (endpoint.bind(runtime.path, kOptionTitle)) {
    case BindResult::Bound:
        break;
    case BindResult::Taken:
        complain("Another program receives Option's messages, so nothing was changed. Close Option and try "
                 "again.");
        return ExitStatus::OptionOpen;
    case BindResult::Error:
        complain("Cannot receive Monitor's answer: " + endpoint.error());
        return ExitStatus::BadInput;
    }
    std::string folderError;
    if (!ensureSettingsFolders(env.settings().folder(), &folderError))
        complain(folderError);

    SharedConfigBlock block;
    block.open(runtime.path);
    ConfigSession session(env.settings(), env.poster(), env.texts(), env.macroPath());
    CommandLineView view;
    session.setView(&view);
    session.initialize(&block);

    const std::string refused = edit(session);
    if (!refused.empty()) {
        complain(refused);
        return ExitStatus::BadInput;
    }
    if (session.apply(ApplyMode::Apply)) {
        EndpointSource source(endpoint);
        RealClock realTime(1.0);
        const double scale = parseTimeScale(std::getenv("ORVYN_TIME_SCALE"));
        const WaitTiming timing{options.waitLimit.value_or(applyWaitLimit(scale))};
        waitForApply(session, source, env.poster(), realTime, timing, view.closed);
    }
    session.setView(nullptr);
    return view.notApplied ? ExitStatus::NotApplied : ExitStatus::Done;
}

// --- the commands ------------------------------------------------------------

struct Command;
using Handler = std::function<ExitStatus(const Command &, QCommandLineParser &, Environment &)>;

enum class Changes { Nothing, Configuration };

struct Command {
    const char *name;
    const char *syntax;   // after the command name
    const char *synopsis; // the same, short, for the overview
    const char *summary;  // one line for the overview
    const char *description;
    Changes changes;
    bool json; // takes --json
    Handler run;
};

QCommandLineOption helpOption() {
    return QCommandLineOption({"h", "help"}, "Shows this help.");
}
QCommandLineOption jsonOption() {
    return QCommandLineOption("json", "JSON instead of text (the schema is in the manual page).");
}
QCommandLineOption waitOption() {
    return QCommandLineOption(
        "wait",
        "Waits at most SECONDS for Monitor to confirm that the keyboard took the change "
        "(default 40 minutes, longer than the slowest apply).",
        "SECONDS");
}

// The positional arguments after the command name (the parser is given the
// command name in the program's place).
QStringList operands(const QCommandLineParser &parser) {
    return parser.positionalArguments();
}

std::optional<ChangeOptions> changeOptions(const QCommandLineParser &parser) {
    ChangeOptions options;
    if (parser.isSet("wait")) {
        bool ok = false;
        const double seconds = parser.value("wait").toDouble(&ok);
        if (!ok || seconds <= 0 || seconds > 24 * 3600) {
            complain("--wait takes a number of seconds (more than 0, at most a day).");
            return std::nullopt;
        }
        options.waitLimit = std::chrono::milliseconds(static_cast<int64_t>(seconds * 1000));
    }
    return options;
}

ExitStatus usageError(const Command &command, const std::string &why) {
    complain(why);
    std::fprintf(stderr, "Usage: %s %s %s (see %s %s --help)\n", kProgram, command.name, command.syntax,
                 kProgram, command.name);
    return ExitStatus::BadInput;
}

std::string profileLabel(const ConfigBlock &config, int p) {
    return std::to_string(p + 1) + " (" + std::string(getFixed(config.profiles[p].ProFileName)) + ")";
}

ExitStatus runStatus(const Command &command, QCommandLineParser &parser, Environment &env) {
    if (!operands(parser).isEmpty())
        return usageError(command, "status takes no arguments.");
    const bool monitor = env.monitorRuns();
    const int32_t device = env.settings().readDeviceState();
    const auto config = env.readConfig();
    std::string keyboard;
    if (!monitor)
        keyboard = "unknown (Monitor is not running)";
    else
        keyboard = device == 1 ? "connected" : device == 0 ? "not connected" : "unknown";
    const bool optionOpen = env.runtime().ok() && env.poster().exists(kOptionTitle);
    print("Monitor:  " + std::string(monitor ? "running" : "not running") + "\n");
    print("Keyboard: " + keyboard + "\n");
    print("Firmware: " + formatFirmwareVersion(env.settings().readFirmwareVersion(), FirmwareRange::StartUp) +
          "\n");
    print("Profile:  " + profileLabel(*config, config->CurrentProfile) + "\n");
    print("Option:   " + std::string(optionOpen ? "open" : "not open") + "\n");
    return monitor && device == 1 ? ExitStatus::Done : ExitStatus::NotApplied;
}

ExitStatus runProfile(const Command &command, QCommandLineParser &parser, Environment &env) {
    const QStringList args = operands(parser);
    if (args.size() > 1)
        return usageError(command, "profile takes at most one profile number.");
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

std::optional<int> profileOperand(const Command &command, const QStringList &args, int index,
                                  const ConfigBlock *config) {
    if (args.size() <= index) {
        if (config)
            return config->CurrentProfile;
        usageError(command, "Which profile (1-5)?");
        return std::nullopt;
    }
    const auto profile = parseProfile(str(args[index]));
    if (!profile.ok()) {
        usageError(command, profile.error);
        return std::nullopt;
    }
    return *profile.value;
}

void printProfile(const ConfigBlock &config, int p, Environment &env) {
    const ProfileData &d = config.profiles[p];
    const TextSource &texts = env.texts();
    auto captionOr = [](std::string text, int32_t value) {
        return text.empty() ? "unknown (" + std::to_string(value) + ")" : text;
    };
    const std::string game(getFixed(d.GameFile));
    std::string out = "Profile " + std::to_string(p + 1) + ": " + std::string(getFixed(d.ProFileName)) +
                      (p == config.CurrentProfile ? "  (current)" : "") + "\n";
    out += "  Game program:     " + (game.empty() ? std::string("(none)") : game) + "\n";
    out += "  Lighting effect:  " + captionOr(texts.text(ltControlTextId(d.LtControl)), d.LtControl) + "\n";
    out += "  Lighting colour:  " + captionOr(texts.text(ltColorCaptionTextId(d.LtColor)), d.LtColor) + "\n";
    out += "  Polling rate:     " + pollingText(d.PollingRate) + "\n";
    out += "  Windows-key lock: " + switchText(d.winKeyLock()) + "\n";
    out += "  Power saving:     " + switchText(d.ECOMode) + "\n";
    out += "  Keys:\n";
    const AssignmentText &captions = env.captions();
    for (int slot = 0; slot < kKeyboardSlotCount; ++slot) {
        const std::string caption = captions.text(d.keys[slot]);
        out += "    " + padded("G" + std::to_string(slot + 1), 5) + (caption.empty() ? "(none)" : caption) +
               "\n";
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
    out += remaps.empty() ? "  Remapped standard keys: none\n" : "  Remapped standard keys:\n" + remaps;
    print(out);
}

ExitStatus runShow(const Command &command, QCommandLineParser &parser, Environment &env) {
    const QStringList args = operands(parser);
    if (args.size() > 1)
        return usageError(command, "show takes at most one profile number.");
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
        return usageError(command, "macros takes no arguments.");
    MacroLibrary library(env.macroPath());
    library.load();
    if (library.fileState() == MacroFileState::Unreadable)
        complain("The macro library " + library.path() + " cannot be read.");
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
        return usageError(command, "functions takes one of media, mouse, keys.");
    return ExitStatus::Done;
}

ExitStatus runSet(const Command &command, QCommandLineParser &parser, Environment &env) {
    const QStringList args = operands(parser);
    if (args.size() < 2)
        return usageError(command, "set needs a profile and at least one KEY=VALUE.");
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
        return usageError(command, "assign needs a profile, a key and what the key does.");
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
            return usageError(command, "default takes nothing after it.");
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
            return usageError(command, "program takes one path (quote a path with blanks).");
        std::error_code ec;
        const std::string path = std::filesystem::absolute(rest, ec).lexically_normal().string();
        if (ec || path.empty())
            return usageError(command, "Cannot make a full path of \"" + rest + "\".");
        if (!programPathFits(path))
            return usageError(command, "The path \"" + path + "\" is longer than the " +
                                           std::to_string(kProgramPathMaxBytes) + " bytes a key holds.");
        if (::access(path.c_str(), F_OK) != 0)
            complain("note: \"" + path + "\" does not exist (yet); the key starts it once it does.");
        edit = [=](ConfigSession &s) {
            assignProgram(s.working(), profile, slot, path);
            return std::string();
        };
    } else if (kind == "macro") {
        if (rest.empty())
            return usageError(command, "macro takes the name of a macro of the library (vantorctl macros).");
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
        return usageError(command,
                          "Unknown assignment \"" + kind +
                              "\": use macro NAME, keys COMBINATION, program PATH, media NAME, mouse NAME "
                              "or default.");
    }
    return runChange(env, *options, edit);
}

// A JSON document from a file or, for "-", from standard input.
std::optional<std::string> readJsonInput(const std::string &path) {
    if (path != "-") {
        const FileRead read = readRegularFile(path, kProfileJsonMaxBytes);
        if (!read.ok()) {
            complain(read.error.empty() ? "Cannot read \"" + path + "\"." : read.error);
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
            complain(std::string("Cannot read standard input: ") + std::strerror(errno));
            return std::nullopt;
        }
        if (n == 0)
            return data;
        data.append(buf, static_cast<std::size_t>(n));
        if (data.size() > kProfileJsonMaxBytes) {
            complain("The document on standard input is larger than a profile document can be.");
            return std::nullopt;
        }
    }
}

ExitStatus runExport(const Command &command, QCommandLineParser &parser, Environment &env) {
    const QStringList args = operands(parser);
    if (args.size() != 2)
        return usageError(command, "export needs a profile and a file.");
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
        std::string error;
        if (!replaceFileAtomically(path, text, &error)) {
            complain("Cannot write \"" + path + "\": " + error + " A file that was there is left as it was.");
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
        return usageError(command, "import needs a profile and a file.");
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
        complain((path == "-" ? std::string("standard input") : "\"" + path + "\"") +
                 " is not a usable profile document: " + checked.error + ". Nothing was imported.");
        return ExitStatus::BadInput;
    }
    return runChange(env, *options, [&](ConfigSession &session) {
        auto data = std::make_unique<ProfileData>(session.working().profiles[profile]);
        profileFromJson(*json, *data);
        session.replaceProfile(profile, *data);
        return std::string();
    });
}

const std::vector<Command> &commands() {
    static const std::vector<Command> table = {
        {"status", "", "", "keyboard, firmware, current profile, whether Monitor runs",
         "Shows whether Monitor runs and has the keyboard, the firmware version and the current profile. "
         "Exit status 0 when Monitor runs with the keyboard connected, 2 otherwise.",
         Changes::Nothing, false, runStatus},
        {"profile", "[N]", "[N]", "show the current profile, or switch to profile N (1-5)",
         "Without N: prints the current profile's number and name. With N: makes profile N current on the "
         "keyboard.",
         Changes::Configuration, false, runProfile},
        {"show", "[PROFILE]", "[PROFILE]",
         "a profile's lighting, polling rate, switches, keys and remapped keys",
         "Shows a profile (the current one when none is given): lighting effect and colour, polling rate, "
         "Windows-key lock, power saving, what each programmable key G1-G15 does (as the window's captions "
         "say "
         "it) and the remapped standard keys. With --json: the whole profile as a JSON document.",
         Changes::Nothing, true, runShow},
        {"set", "PROFILE KEY=VALUE...", "PROFILE KEY=VALUE...",
         "lighting, polling rate, Windows-key lock, power saving, name, game",
         "Changes settings of a profile and applies them:\n"
         "  effect=static|breathing|wave|reactive|ripple|lights-off  lighting effect\n"
         "  colour=red|green|blue|yellow|purple|cyan|colour-cycle|1-7 lighting colour\n"
         "  polling=125|500|1000        polling rate in Hz\n"
         "  winlock=on|off              Windows-key lock\n"
         "  powersaving=on|off          power saving\n"
         "  name=TEXT                   profile name (20 characters)\n"
         "  game=PATH                   the game whose window selects this profile",
         Changes::Configuration, false, runSet},
        {"assign", "PROFILE G<n> macro NAME|keys COMBINATION|program PATH|media NAME|mouse NAME|default",
         "PROFILE G<n> WHAT", "what a programmable key does",
         "Gives programmable key G1-G15 of a profile a function and applies it:\n"
         "  macro NAME         a macro of the library (vantorctl macros)\n"
         "  keys COMBINATION   a key combination as the window shows it: Ctrl+Alt+X, Shift+Page Down\n"
         "  program PATH       starts a program (or a .desktop file)\n"
         "  media NAME         a media or application function: Play/Pause, Volume Up, Calculator, ...\n"
         "  mouse NAME         a mouse function: Left Button, Double Click, Key Disabled, ...\n"
         "  default            the key's factory setting\n"
         "Names are matched without regard to case; vantorctl functions lists them.",
         Changes::Configuration, false, runAssign},
        {"export", "PROFILE FILE", "PROFILE FILE", "a profile into a .gkp profile file, or a JSON document",
         "Writes a profile into a profile file (.gkp, as the window's EXPORT does: its name is noted in "
         "config.ini and a copy kept in the settings folder), or with --json, a FILE ending in .json, or "
         "FILE "
         "\"-\" (standard output) as a JSON document.",
         Changes::Nothing, true, runExport},
        {"import", "PROFILE FILE", "PROFILE FILE",
         "a profile from a .gkp profile file or a JSON document, and apply it",
         "Replaces a profile by a profile file (.gkp, as the window's IMPORT does) or with --json, a FILE "
         "ending "
         "in .json, or FILE \"-\" (standard input) by a JSON document, and applies the whole profile. A file "
         "that is not usable changes nothing.",
         Changes::Configuration, true, runImport},
        {"macros", "", "", "the macro library", "Lists the macros of the library: name, steps, repeat.",
         Changes::Nothing, true, runMacros},
        {"functions", "[media|mouse|keys]", "[media|mouse|keys]", "the names assign accepts",
         "Lists the function names of assign ... media and assign ... mouse, and the key names of assign ... "
         "keys, one a line.",
         Changes::Nothing, false, runFunctions},
    };
    return table;
}

const char *kExitStatusText =
    "Exit status: 0 done; 1 bad input (nothing changed); 2 Monitor not running, no "
    "keyboard or no answer (the settings files are saved); 3 Option is open (changing "
    "commands refuse).\n";

std::string overview() {
    std::string text =
        "Usage: vantorctl COMMAND [ARGUMENTS] [--help]\n\n"
        "Reads and changes the Orvyn Vantor keyboard's configuration as the Option window does. "
        "Changes are applied\nbefore the command returns.\n\nCommands:\n";
    for (const Command &c : commands())
        text +=
            "  " + padded(std::string(c.name) + (*c.synopsis ? " " : "") + c.synopsis, 30) + c.summary + "\n";
    text +=
        "\nReading commands work while Option is open; changing commands (profile N, set, assign, import) "
        "refuse.\n";
    text += kExitStatusText;
    text += "See vantorctl COMMAND --help and man vantorctl.\n";
    return text;
}

std::string commandHelp(const Command &c, QCommandLineParser &parser) {
    // The parser's option list, under our own usage line.
    std::string options = str(parser.helpText());
    const auto start = options.find("Options:");
    options = start == std::string::npos ? std::string() : options.substr(start);
    const auto arguments = options.find("\nArguments:");
    if (arguments != std::string::npos)
        options.erase(arguments + 1);
    return "Usage: vantorctl " + std::string(c.name) + (*c.syntax ? " " : "") + c.syntax + " [options]\n\n" +
           c.description + "\n\n" + options + "\n" + kExitStatusText;
}

} // namespace

ExitStatus runVantorctl(const QStringList &arguments) {
    if (arguments.size() < 2) {
        std::fputs(overview().c_str(), stderr);
        return ExitStatus::BadInput;
    }
    const QString first = arguments.at(1);
    if (first == "--help" || first == "-h" || first == "help") {
        if (first == "help" && arguments.size() > 2)
            return runVantorctl(QStringList{arguments.at(0), arguments.at(2), "--help"});
        print(overview());
        return ExitStatus::Done;
    }
    if (first == "--version") {
        print(std::string("vantorctl ") + kProgramVersion + "\n");
        return ExitStatus::Done;
    }
    const auto &table = commands();
    const auto command = std::find_if(table.begin(), table.end(),
                                      [&](const Command &c) { return first == QLatin1String(c.name); });
    if (command == table.end()) {
        complain("Unknown command \"" + str(first) + "\".");
        std::fputs(overview().c_str(), stderr);
        return ExitStatus::BadInput;
    }

    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.addOption(helpOption());
    if (command->json)
        parser.addOption(jsonOption());
    if (command->changes != Changes::Nothing)
        parser.addOption(waitOption());
    if (!parser.parse(arguments.mid(1)))
        return usageError(*command, str(parser.errorText()) + ".");
    if (parser.isSet("help")) {
        print(commandHelp(*command, parser));
        return ExitStatus::Done;
    }
    Environment env;
    return command->run(*command, parser, env);
}

} // namespace orvyn::ctl
