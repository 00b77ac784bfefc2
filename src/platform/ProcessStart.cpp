#include "platform/ProcessStart.h"

#include <cerrno>
#include <csignal>
#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

extern char **environ;

namespace orvyn {

namespace {

std::string joinPath(const std::string &folder, const std::string &name) {
    if (folder.empty())
        return name;
    return folder.back() == '/' ? folder + name : folder + "/" + name;
}

std::string currentFolder() {
    std::string buffer(4096, '\0');
    if (!::getcwd(buffer.data(), buffer.size()))
        return "/";
    buffer.resize(std::strlen(buffer.c_str()));
    return buffer;
}

ResolvedProgram refused(ProgramStatus status, std::string error) {
    ResolvedProgram r;
    r.status = status;
    r.error = std::move(error);
    return r;
}

bool isExecutableFile(const std::string &path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) && ::access(path.c_str(), X_OK) == 0;
}

// What the grandchild reports through the pipe when it cannot exec.
enum class FailedStep : int32_t { Fork = 1, WorkingFolder = 2, Exec = 3 };
struct StartFailure {
    int32_t step;
    int32_t error;
};
static_assert(sizeof(StartFailure) == 8);
static_assert(offsetof(StartFailure, step) == 0 && offsetof(StartFailure, error) == 4);

[[noreturn]] void failInChild(int pipeFd, FailedStep step, int error) {
    const StartFailure failure{static_cast<int32_t>(step), error};
    [[maybe_unused]] const ssize_t n = ::write(pipeFd, &failure, sizeof failure);
    ::_exit(127);
}

// Closes every descriptor from `first` on except `keep`; only
// async-signal-safe calls.
void closeDescriptorsFrom(int first, int keep, int fallbackLimit) {
    const auto closeRange = [](unsigned from, unsigned to) {
        return from > to || ::syscall(SYS_close_range, from, to, 0u) == 0;
    };
    if (closeRange(static_cast<unsigned>(first), static_cast<unsigned>(keep) - 1) &&
        closeRange(static_cast<unsigned>(keep) + 1, ~0u))
        return;
    for (int fd = first; fd < fallbackLimit; ++fd)
        if (fd != keep)
            ::close(fd);
}

std::string describeFailure(const StartRequest &request, const StartFailure &failure) {
    const std::string reason = std::strerror(failure.error);
    switch (static_cast<FailedStep>(failure.step)) {
    case FailedStep::Fork:
        return "cannot start " + request.program + ": " + reason;
    case FailedStep::WorkingFolder:
        return "cannot start " + request.program + " in " + request.workingFolder + ": " + reason;
    case FailedStep::Exec:
        if (failure.error == ENOEXEC)
            return request.program + " is not a program the system can start";
        return "cannot start " + request.program + ": " + reason;
    }
    return "cannot start " + request.program;
}

} // namespace

ResolvedProgram checkProgram(const std::string &path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) {
        if (errno == ENOENT || errno == ENOTDIR)
            return refused(ProgramStatus::Missing, "not found: " + path);
        return refused(ProgramStatus::Unreadable, "cannot examine " + path + ": " + std::strerror(errno));
    }
    if (!S_ISREG(st.st_mode))
        return refused(ProgramStatus::NotRegular, path + " is not a file that can be started");
    if (::access(path.c_str(), X_OK) != 0)
        return refused(ProgramStatus::NotExecutable, path + " is not executable");

    ResolvedProgram ok;
    ok.status = ProgramStatus::Ok;
    ok.path = path;
    // O_NONBLOCK: the file may have been swapped for a FIFO since the stat.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        // Execute-only programs cannot be looked into; exec decides.
        if (errno == EACCES)
            return ok;
        return refused(ProgramStatus::Unreadable, "cannot read " + path + ": " + std::strerror(errno));
    }
    struct stat opened {};
    char head[4] = {};
    ssize_t n = -1;
    if (::fstat(fd, &opened) == 0 && S_ISREG(opened.st_mode)) {
        do
            n = ::read(fd, head, sizeof head);
        while (n < 0 && errno == EINTR);
    }
    ::close(fd);
    if (!S_ISREG(opened.st_mode))
        return refused(ProgramStatus::NotRegular, path + " is not a file that can be started");
    if (n < 0)
        return refused(ProgramStatus::Unreadable, "cannot read " + path);
    const bool elf = n == 4 && std::memcmp(head,
                                           "\x7f"
                                           "ELF",
                                           4) == 0;
    const bool script = n >= 2 && head[0] == '#' && head[1] == '!';
    if (!elf && !script)
        return refused(ProgramStatus::NotAProgram,
                       path + " is not a program (neither a compiled program nor a script with #!)");
    return ok;
}

ResolvedProgram resolveProgram(const std::string &name, const std::string &searchPath,
                               const std::string &workingFolder) {
    if (name.empty())
        return refused(ProgramStatus::Missing, "no program given");
    if (name.find('/') != std::string::npos)
        return checkProgram(name.front() == '/' ? name : joinPath(workingFolder, name));
    std::size_t begin = 0;
    for (;;) {
        const std::size_t end = searchPath.find(':', begin);
        std::string folder = searchPath.substr(begin, end == std::string::npos ? end : end - begin);
        if (folder.empty())
            folder = workingFolder;
        else if (folder.front() != '/')
            folder = joinPath(workingFolder, folder);
        const std::string candidate = joinPath(folder, name);
        if (isExecutableFile(candidate))
            return checkProgram(candidate);
        if (end == std::string::npos)
            break;
        begin = end + 1;
    }
    return refused(ProgramStatus::Missing, "not found: " + name);
}

ResolvedProgram resolveProgram(const std::string &name) {
    const char *path = std::getenv("PATH");
    return resolveProgram(name, path ? path : "/usr/local/bin:/usr/bin:/bin", currentFolder());
}

StartResult startProgram(const StartRequest &request) {
    StartResult result;
    if (request.program.empty() || request.program.front() != '/') {
        result.error = "cannot start \"" + request.program + "\": not an absolute path";
        return result;
    }
    // Everything the children need is prepared here: between fork and exec
    // only async-signal-safe calls are made.
    std::vector<std::string> args = request.argv;
    if (args.empty())
        args.push_back(request.program);
    std::vector<char *> argv;
    argv.reserve(args.size() + 1);
    for (std::string &a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);

    std::vector<std::string> environment;
    const auto replaced = [&request](std::string_view entry) {
        const std::string_view name = entry.substr(0, entry.find('='));
        for (const std::string &n : request.unsetEnvironment)
            if (n == name)
                return true;
        for (const auto &[n, value] : request.setEnvironment)
            if (n == name)
                return true;
        return false;
    };
    for (char **e = environ; e && *e; ++e)
        if (!replaced(*e))
            environment.emplace_back(*e);
    for (const auto &[name, value] : request.setEnvironment)
        environment.push_back(name + "=" + value);
    std::vector<char *> envp;
    envp.reserve(environment.size() + 1);
    for (std::string &e : environment)
        envp.push_back(e.data());
    envp.push_back(nullptr);

    const char *folder = request.workingFolder.empty() ? nullptr : request.workingFolder.c_str();
    rlimit files{};
    const int fallbackLimit = ::getrlimit(RLIMIT_NOFILE, &files) == 0 && files.rlim_cur < 65536
                                  ? static_cast<int>(files.rlim_cur)
                                  : 65536;

    const int null = ::open("/dev/null", O_RDONLY | O_CLOEXEC);
    int report[2];
    if (null < 0 || ::pipe2(report, O_CLOEXEC) != 0) {
        result.error = "cannot start " + request.program + ": " + std::strerror(errno);
        if (null >= 0)
            ::close(null);
        return result;
    }

    // The report pipe must stay clear of the standard descriptors.
    if (report[1] <= STDERR_FILENO) {
        const int moved = ::fcntl(report[1], F_DUPFD_CLOEXEC, STDERR_FILENO + 1);
        ::close(report[1]);
        report[1] = moved;
    }
    const pid_t child = report[1] < 0 ? -1 : ::fork();
    if (child < 0) {
        result.error = "cannot start " + request.program + ": " + std::strerror(errno);
        ::close(null);
        ::close(report[0]);
        if (report[1] >= 0)
            ::close(report[1]);
        return result;
    }
    if (child == 0) {
        ::setsid();
        const pid_t grandchild = ::fork();
        if (grandchild < 0)
            failInChild(report[1], FailedStep::Fork, errno);
        if (grandchild > 0)
            ::_exit(0);
        // The program gets a clean slate: no blocked or ignored signals.
        sigset_t none;
        sigemptyset(&none);
        ::sigprocmask(SIG_SETMASK, &none, nullptr);
        struct sigaction defaults {};
        defaults.sa_handler = SIG_DFL;
        for (int s = 1; s < NSIG; ++s)
            ::sigaction(s, &defaults, nullptr);
        ::dup2(null, STDIN_FILENO);
        if (folder && ::chdir(folder) != 0)
            failInChild(report[1], FailedStep::WorkingFolder, errno);
        // Locks, endpoints and sockets of the caller must not live on.
        closeDescriptorsFrom(3, report[1], fallbackLimit);
        ::execve(request.program.c_str(), argv.data(), envp.data());
        failInChild(report[1], FailedStep::Exec, errno);
    }
    ::close(null);
    ::close(report[1]);
    int status = 0;
    while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    // End of file: the program was executed (the pipe closed on exec).
    StartFailure failure{};
    std::size_t got = 0;
    while (got < sizeof failure) {
        const ssize_t n = ::read(report[0], reinterpret_cast<char *>(&failure) + got, sizeof failure - got);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        got += static_cast<std::size_t>(n);
    }
    ::close(report[0]);
    if (got == sizeof failure) {
        result.error = describeFailure(request, failure);
        return result;
    }
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        result.error = "cannot start " + request.program;
        return result;
    }
    result.started = true;
    return result;
}

} // namespace orvyn
