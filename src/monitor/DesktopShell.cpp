#include "monitor/DesktopShell.h"

#include <cerrno>
#include <fcntl.h>
#include <fstream>
#include <sstream>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include "shared/IniFile.h"

namespace orvyn {

std::vector<std::string> splitExecValue(std::string_view value) {
    std::vector<std::string> args;
    std::string current;
    bool inToken = false;
    bool quoted = false;
    for (std::size_t i = 0; i < value.size(); ++i) {
        const char c = value[i];
        if (quoted) {
            if (c == '"') {
                quoted = false;
            } else if (c == '\\' && i + 1 < value.size()) {
                current += value[++i];
            } else {
                current += c;
            }
            continue;
        }
        if (c == ' ' || c == '\t') {
            if (inToken) {
                args.push_back(current);
                current.clear();
                inToken = false;
            }
            continue;
        }
        inToken = true;
        if (c == '"') {
            quoted = true;
        } else if (c == '%' && i + 1 < value.size()) {
            const char code = value[++i];
            if (code == '%')
                current += '%';
            // Every other field code stands for files or URLs we do not pass.
        } else {
            current += c;
        }
    }
    if (inToken)
        args.push_back(current);
    // Arguments that held nothing but a field code are dropped.
    std::erase_if(args, [](const std::string &a) { return a.empty(); });
    return args;
}

std::optional<std::vector<std::string>> desktopEntryCommand(std::string_view fileText) {
    const IniDocument doc = IniDocument::parse(fileText);
    const auto exec = doc.value("Desktop Entry", "Exec");
    if (!exec)
        return std::nullopt;
    auto args = splitExecValue(*exec);
    if (args.empty())
        return std::nullopt;
    return args;
}

bool startDetached(const std::vector<std::string> &argv) {
    if (argv.empty() || argv[0].empty())
        return false;
    // Everything the children need is prepared before fork: between fork and
    // exec only async-signal-safe calls are made.
    std::vector<char *> args;
    args.reserve(argv.size() + 1);
    for (const std::string &a : argv)
        args.push_back(const_cast<char *>(a.c_str()));
    args.push_back(nullptr);

    const pid_t child = ::fork();
    if (child < 0)
        return false;
    if (child == 0) {
        ::setsid();
        const pid_t grandchild = ::fork();
        if (grandchild != 0)
            ::_exit(grandchild < 0 ? 1 : 0);
        const int null = ::open("/dev/null", O_RDONLY);
        if (null >= 0) {
            ::dup2(null, 0);
            if (null > 2)
                ::close(null);
        }
        // Locks and endpoints of Monitor must not live on in the program.
        ::syscall(SYS_close_range, 3u, ~0u, 0u);
        ::execvp(args[0], args.data());
        ::_exit(127);
    }
    int status = 0;
    while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

bool DesktopShell::isProgram(const std::string &path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) && ::access(path.c_str(), X_OK) == 0;
}

bool DesktopShell::open(const std::string &path) {
    if (path.empty())
        return false;
    constexpr std::string_view suffix = ".desktop";
    if (path.size() > suffix.size() &&
        path.compare(path.size() - suffix.size(), suffix.size(), suffix) == 0) {
        std::ifstream in(path, std::ios::binary);
        if (in) {
            std::ostringstream text;
            text << in.rdbuf();
            if (auto command = desktopEntryCommand(text.str()))
                return startDetached(*command);
        }
        return false;
    }
    if (isProgram(path))
        return startDetached({path});
    return startDetached({"xdg-open", path});
}

} // namespace orvyn
