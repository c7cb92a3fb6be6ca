#pragma once

#include <csignal>
#include <grp.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include "TestSupport.h"

namespace quorvane::test {

// How a child process ended, and the text it sent back.
struct ChildOutcome
{
    bool Exited = false; // ended by _exit (not by a signal)
    int Signal = 0;      // the signal that ended it, or 0
    std::string Text;    // what the child wrote to its pipe
};

// The user and group that tests run as when they must not be root: "nobody" on Debian.
inline constexpr int kUnprivilegedId = 65534;

// Runs f() in a forked child and returns the text it returns. With dropRoot, a child of root first
// becomes user and group kUnprivilegedId, so that permission checks apply as to any user (a test of
// a read-only folder then means something when the tests run as root, as CI runs them). With
// fileSizeLimit > 0 the child may write no file larger than that: a write past it ends the child
// by SIGXFSZ, the way a killed program ends mid-write.
template <typename F> ChildOutcome RunInChild(F&& f, bool dropRoot, long fileSizeLimit = 0)
{
    int fds[2];
    if (::pipe(fds) != 0) {
        return {};
    }
    const pid_t pid = ::fork();
    if (pid < 0) {
        ::close(fds[0]);
        ::close(fds[1]);
        return {false, 0, "fork failed"};
    }
    if (pid == 0) {
        ::close(fds[0]);
        std::string text;
        if (dropRoot && ::geteuid() == 0 &&
            (::setgroups(0, nullptr) != 0 || ::setgid(kUnprivilegedId) != 0 ||
             ::setuid(kUnprivilegedId) != 0)) {
            text = "cannot drop root";
        } else {
            if (fileSizeLimit > 0) {
                const rlimit noCore{0, 0};
                ::setrlimit(RLIMIT_CORE, &noCore);
                const rlimit size{static_cast<rlim_t>(fileSizeLimit), static_cast<rlim_t>(fileSizeLimit)};
                ::setrlimit(RLIMIT_FSIZE, &size);
                std::signal(SIGXFSZ, SIG_DFL);
            }
            text = f();
        }
        std::size_t done = 0;
        while (done < text.size()) {
            const ssize_t n = ::write(fds[1], text.data() + done, text.size() - done);
            if (n <= 0) {
                break;
            }
            done += static_cast<std::size_t>(n);
        }
        ::_exit(0);
    }
    ::close(fds[1]);
    ChildOutcome outcome;
    char buffer[512];
    ssize_t n = 0;
    while ((n = ::read(fds[0], buffer, sizeof buffer)) > 0) {
        outcome.Text.append(buffer, static_cast<std::size_t>(n));
    }
    ::close(fds[0]);
    int status = 0;
    if (::waitpid(pid, &status, 0) == pid) {
        outcome.Exited = WIFEXITED(status);
        outcome.Signal = WIFSIGNALED(status) ? WTERMSIG(status) : 0;
    }
    return outcome;
}

} // namespace quorvane::test
