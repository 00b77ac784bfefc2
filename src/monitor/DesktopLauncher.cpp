#include "monitor/DesktopLauncher.h"

#include <cctype>
#include <cstdlib>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/FileAccess.h"
#include "platform/LocalText.h"

namespace orvyn {

namespace {

std::string homeFolder() {
    const char *home = std::getenv("HOME");
    return home && *home == '/' ? home : "/";
}

std::string workingFolder() {
    std::string buffer(4096, '\0');
    if (!::getcwd(buffer.data(), buffer.size()))
        return "/";
    buffer.resize(std::string(buffer.c_str()).size());
    return buffer;
}

bool endsWith(const std::string &text, std::string_view suffix) {
    return text.size() > suffix.size() &&
           text.compare(text.size() - suffix.size(), suffix.size(), suffix) == 0;
}

// A reason of the platform's own, shown as it is.
LaunchOutcome refused(std::string problem) {
    return LaunchOutcome{false, std::move(problem)};
}

// A reason of context "Launcher": English in the trace, the user's language
// in the notice.
LaunchOutcome refused(const char *source, std::initializer_list<std::string_view> values) {
    return LaunchOutcome{false, fillPlaceholders(source, values), localText("Launcher", source, values)};
}

// A program looked up by `name` that is not there; a name without a "/"
// was searched in PATH.
LaunchOutcome refusedProgram(const ResolvedProgram &program, const std::string &name) {
    if (program.status == ProgramStatus::Missing && name.find('/') == std::string::npos)
        return name.empty() ? refused(QT_TRANSLATE_NOOP("Launcher", "no program given"), {})
                            : refused(QT_TRANSLATE_NOOP("Launcher", "not found: %1"), {name});
    return refused(program.error);
}

} // namespace

bool looksLikeUrl(const std::string &target) {
    const std::size_t colon = target.find(':');
    if (colon == std::string::npos || colon < 2 || !std::isalpha(static_cast<unsigned char>(target[0])))
        return false;
    for (std::size_t i = 1; i < colon; ++i) {
        const auto c = static_cast<unsigned char>(target[i]);
        if (!std::isalnum(c) && c != '+' && c != '-' && c != '.')
            return false;
    }
    return true;
}

DesktopLauncher::DesktopLauncher(std::function<std::string()> startupIds, Starter start)
    : startupIds_(std::move(startupIds)), start_(std::move(start)) {
    const char *path = std::getenv("PATH");
    searchPath_ = path ? path : "/usr/local/bin:/usr/bin:/bin";
}

ResolvedProgram DesktopLauncher::resolve(const std::string &name) const {
    return resolveProgram(name, searchPath_, workingFolder());
}

bool DesktopLauncher::isProgram(const std::string &path) {
    return checkProgram(path).ok();
}

LaunchOutcome DesktopLauncher::start(const std::string &program, std::vector<std::string> argv,
                                     std::string folder) {
    StartRequest request;
    request.program = program;
    request.argv = std::move(argv);
    request.workingFolder = std::move(folder);
    // Tokens Monitor itself was started with are spent; a fresh one (if
    // any) lets the new program take the focus.
    request.unsetEnvironment = {"DESKTOP_STARTUP_ID", "XDG_ACTIVATION_TOKEN"};
    if (startupIds_) {
        if (std::string id = startupIds_(); !id.empty())
            request.setEnvironment.emplace_back("DESKTOP_STARTUP_ID", std::move(id));
    }
    const StartResult result = start_(request);
    return result.started ? LaunchOutcome{true, {}} : refused(result.error);
}

LaunchOutcome DesktopLauncher::openWithDesktop(const std::string &target) {
    const ResolvedProgram opener = resolve("xdg-open");
    if (!opener.ok())
        return refused(QT_TRANSLATE_NOOP("Launcher", "cannot open %1: xdg-open is not installed"), {target});
    return start(opener.path, {"xdg-open", target}, homeFolder());
}

LaunchOutcome DesktopLauncher::open(const std::string &target) {
    if (target.empty())
        return refused(QT_TRANSLATE_NOOP("Launcher", "no program given"), {});
    if (looksLikeUrl(target))
        return openWithDesktop(target);
    if (target.find('/') == std::string::npos) {
        // A bare name is a program in PATH, as in a shell; a Windows path
        // ends up here too and is simply not found.
        const ResolvedProgram program = resolve(target);
        if (!program.ok())
            return refusedProgram(program, target);
        return start(program.path, {target}, homeFolder());
    }
    const std::string path = target.front() == '/' ? target : workingFolder() + "/" + target;
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0)
        return refused(QT_TRANSLATE_NOOP("Launcher", "not found: %1"), {target});
    if (endsWith(path, ".desktop"))
        return openDesktopEntry(path);
    if (S_ISDIR(st.st_mode))
        return openWithDesktop(path);
    if (!S_ISREG(st.st_mode))
        return refused(QT_TRANSLATE_NOOP("Launcher", "%1 is not a file that can be opened"), {target});
    const ResolvedProgram program = checkProgram(path);
    if (program.ok()) {
        // Games expect to be started in their own folder.
        return start(program.path, {path}, path.substr(0, path.rfind('/') + 1));
    }
    if (program.status == ProgramStatus::NotExecutable || program.status == ProgramStatus::NotAProgram)
        return openWithDesktop(path); // a document: its application decides
    return refused(program.error);
}

LaunchOutcome DesktopLauncher::startHelper(const std::string &path,
                                           const std::vector<std::string> &arguments) {
    const ResolvedProgram program = checkProgram(path);
    if (!program.ok())
        return refused(program.error);
    std::vector<std::string> argv{path};
    argv.insert(argv.end(), arguments.begin(), arguments.end());
    return start(program.path, std::move(argv), path.substr(0, path.rfind('/') + 1));
}

LaunchOutcome DesktopLauncher::openDesktopEntry(const std::string &path) {
    const FileRead file = readRegularFile(path, kDesktopEntryMaxBytes);
    if (!file.ok())
        return refused(QT_TRANSLATE_NOOP("Launcher", "cannot launch %1"), {file.error});
    const auto entry = parseDesktopEntry(file.contents);
    if (!entry)
        return refused(QT_TRANSLATE_NOOP("Launcher", "%1 is not a desktop entry"), {path});
    if (entry->hidden)
        return refused(QT_TRANSLATE_NOOP("Launcher", "%1 is marked as deleted (Hidden)"), {path});
    if (entry->type == DesktopEntry::Type::Link) {
        if (entry->url.empty())
            return refused(QT_TRANSLATE_NOOP("Launcher", "%1 links nowhere"), {path});
        return openWithDesktop(entry->url);
    }
    if (entry->typeGiven && entry->type != DesktopEntry::Type::Application)
        return refused(QT_TRANSLATE_NOOP("Launcher", "%1 does not start a program"), {path});
    if (!entry->tryExec.empty() && !resolve(entry->tryExec).ok())
        return refused(QT_TRANSLATE_NOOP("Launcher", "%1: %2 is not installed"), {path, entry->tryExec});
    std::vector<std::string> argv = splitExecValue(entry->exec, {entry->name, entry->icon, path});
    if (argv.empty())
        return refused(QT_TRANSLATE_NOOP("Launcher", "%1 has no usable command (Exec)"), {path});
    const ResolvedProgram program = resolve(argv.front());
    if (!program.ok())
        return refusedProgram(program, argv.front());
    std::string executable = program.path;
    if (entry->terminal) {
        const ResolvedProgram terminal = resolve("x-terminal-emulator");
        if (!terminal.ok())
            return refused(
                QT_TRANSLATE_NOOP("Launcher", "%1 runs in a terminal, and no terminal emulator is installed"),
                {path});
        argv.front() = program.path;
        argv.insert(argv.begin(), {"x-terminal-emulator", "-e"});
        executable = terminal.path;
    }
    return start(executable, std::move(argv), entry->path.empty() ? homeFolder() : entry->path);
}

} // namespace orvyn
