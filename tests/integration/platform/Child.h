// One helper process started with posix_spawn: its stdout and stdin are
// pipes, so the test can wait for a line and end it by closing stdin or by a
// signal. The destructor kills and reaps whatever is still running.
#pragma once

#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <optional>
#include <poll.h>
#include <spawn.h>
#include <stdexcept>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char **environ;

namespace orvyn::test {

class Child {
public:
    explicit Child(const std::vector<std::string> &args) {
        int out[2], in[2];
        if (::pipe2(out, O_CLOEXEC) != 0 || ::pipe2(in, O_CLOEXEC) != 0)
            throw std::runtime_error("pipe failed");
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
        posix_spawn_file_actions_adddup2(&actions, in[0], STDIN_FILENO);
        std::vector<char *> argv;
        for (const std::string &a : args)
            argv.push_back(const_cast<char *>(a.c_str()));
        argv.push_back(nullptr);
        const int rc = ::posix_spawn(&pid_, argv[0], &actions, nullptr, argv.data(), environ);
        posix_spawn_file_actions_destroy(&actions);
        ::close(out[1]);
        ::close(in[0]);
        stdout_ = out[0];
        stdin_ = in[1];
        if (rc != 0)
            throw std::runtime_error(std::string("spawn failed: ") + std::strerror(rc));
    }
    ~Child() {
        if (pid_ > 0) {
            ::kill(pid_, SIGKILL);
            wait();
        }
        closeStdin();
        if (stdout_ >= 0)
            ::close(stdout_);
    }
    Child(const Child &) = delete;
    Child &operator=(const Child &) = delete;

    // The next line of output; nullopt on end of output or after `seconds`
    // without one (a safety net so a broken build fails instead of hanging).
    std::optional<std::string> readLine(int seconds = 20) {
        for (;;) {
            if (const auto nl = buffer_.find('\n'); nl != std::string::npos) {
                std::string line = buffer_.substr(0, nl);
                buffer_.erase(0, nl + 1);
                return line;
            }
            pollfd p{stdout_, POLLIN, 0};
            const int ready = ::poll(&p, 1, seconds * 1000);
            if (ready < 0 && errno == EINTR)
                continue;
            if (ready <= 0)
                return std::nullopt;
            char buf[256];
            const ssize_t n = ::read(stdout_, buf, sizeof buf);
            if (n <= 0) {
                ended_ = true;
                return std::nullopt;
            }
            buffer_.append(buf, static_cast<std::size_t>(n));
        }
    }

    void closeStdin() {
        if (stdin_ >= 0) {
            ::close(stdin_);
            stdin_ = -1;
        }
    }

    void kill(int signal = SIGKILL) {
        if (pid_ > 0)
            ::kill(pid_, signal);
    }

    // Reaps the process; its exit status (or 128 + signal).
    int wait() {
        if (pid_ <= 0)
            return exit_;
        int status = 0;
        while (::waitpid(pid_, &status, 0) < 0 && errno == EINTR) {
        }
        pid_ = -1;
        exit_ = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
        return exit_;
    }

    pid_t pid() const { return pid_; }
    // Its output has ended (it exited or closed stdout).
    bool outputEnded() const { return ended_; }

private:
    pid_t pid_ = -1;
    int stdout_ = -1;
    int stdin_ = -1;
    int exit_ = -1;
    std::string buffer_;
    bool ended_ = false;
};

} // namespace orvyn::test
