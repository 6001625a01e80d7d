#pragma once
// Running part of a test in a child process, as another user where the tests
// run as root: permissions and ownership then mean what they mean to people.

#include <csignal>
#include <cstdio>
#include <grp.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

// Who a child runs as: the tests' own user, or (when the tests run as root)
// an ordinary user. Two ordinary users that share nothing: `kNobody` and
// `kOtherUser` (a number without an account, as a stranger's would be).
inline constexpr uid_t kSameUser = static_cast<uid_t>(-1);
inline constexpr uid_t kNobody = 65534;
inline constexpr uid_t kOtherUser = 4242;

inline bool RunningAsRoot() {
    return ::geteuid() == 0;
}

// Starts `body` in a child that may take at most `seconds` and exits with
// what it returns (99: it could not become `user`).
template <class Body> pid_t Spawn(uid_t user, Body body, unsigned seconds = 10) {
    std::fflush(nullptr);
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::alarm(seconds);
        if (user != kSameUser && RunningAsRoot() &&
            (::setgroups(0, nullptr) != 0 || ::setgid(user) != 0 || ::setuid(user) != 0))
            ::_exit(99);
        ::_exit(body());
    }
    return pid;
}

// The child's exit code; -1 when it hung or crashed.
inline int Wait(pid_t pid) {
    int status = 0;
    ::waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

template <class Body> int InChild(uid_t user, Body body) {
    return Wait(Spawn(user, body));
}
