#include "framework/base/child_process.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {
#if defined(__SANITIZE_ADDRESS__)
constexpr bool kAddressSanitizer = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool kAddressSanitizer = true;
#else
constexpr bool kAddressSanitizer = false;
#endif
#else
constexpr bool kAddressSanitizer = false;
#endif

void SetLimit(int resource, rlim_t value) {
    const rlimit limit{value, value};
    ::setrlimit(resource, &limit);
}

// In the child, between fork and exec: only calls safe after a fork.
[[noreturn]] void BecomeChild(int program, int socket, int nothing, char* const* argv,
                              std::uint64_t addressSpace, pid_t parent) {
    ::prctl(PR_SET_PDEATHSIG, SIGKILL);
    if (::getppid() != parent) // the caller ended before the line above
        ::_exit(127);
    if (::dup2(socket, STDIN_FILENO) < 0 || ::dup2(socket, STDOUT_FILENO) < 0 ||
        ::dup2(nothing, STDERR_FILENO) < 0)
        ::_exit(127);
    sigset_t none;
    ::sigemptyset(&none);
    ::sigprocmask(SIG_SETMASK, &none, nullptr);
    ::signal(SIGPIPE, SIG_DFL);
    SetLimit(RLIMIT_CORE, 0);
    SetLimit(RLIMIT_FSIZE, 0);
    if (addressSpace != 0 && !kAddressSanitizer)
        SetLimit(RLIMIT_AS, addressSpace);
    ::fexecve(program, argv, environ);
    ::_exit(127);
}

bool WriteAll(int fd, const char* bytes, std::size_t size) {
    while (size > 0) {
        const ssize_t n = ::send(fd, bytes, size, MSG_NOSIGNAL);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 && errno == ENOTSOCK) { // a pipe or a file, on the child's side
            const ssize_t w = ::write(fd, bytes, size);
            if (w < 0 && errno == EINTR)
                continue;
            if (w <= 0)
                return false;
            bytes += w;
            size -= static_cast<std::size_t>(w);
            continue;
        }
        if (n <= 0)
            return false;
        bytes += n;
        size -= static_cast<std::size_t>(n);
    }
    return true;
}

std::string Header(std::size_t size) {
    const auto n = static_cast<std::uint32_t>(size);
    return {static_cast<char>(n & 0xFF), static_cast<char>((n >> 8) & 0xFF),
            static_cast<char>((n >> 16) & 0xFF), static_cast<char>((n >> 24) & 0xFF)};
}

std::size_t SizeOf(const char* header) {
    const auto* b = reinterpret_cast<const unsigned char*>(header);
    return static_cast<std::size_t>(b[0]) | static_cast<std::size_t>(b[1]) << 8 |
           static_cast<std::size_t>(b[2]) << 16 | static_cast<std::size_t>(b[3]) << 24;
}

} // namespace

CChildProcess::~CChildProcess() {
    Stop();
}

bool CChildProcess::Start(const CHandle& program, const std::vector<std::string>& args,
                          const ChildLimits& limits) {
    Stop();
    m_limits = limits;
    m_received.clear();
    int pair[2];
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, pair) != 0)
        return false;
    const int nothing = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
    std::vector<std::string> copies = args; // made before the fork: no allocation after it
    std::vector<char*> argv;
    for (std::string& arg : copies)
        argv.push_back(arg.data());
    argv.push_back(nullptr);
    const pid_t parent = ::getpid();
    const pid_t pid = nothing < 0 ? -1 : ::fork();
    if (pid == 0)
        BecomeChild(program.Get(), pair[1], nothing, argv.data(), limits.addressSpace, parent);
    const int error = errno;
    if (nothing >= 0)
        ::close(nothing);
    ::close(pair[1]);
    if (pid < 0) {
        ::close(pair[0]);
        errno = error;
        return false;
    }
    m_pid = pid;
    m_socket = pair[0];
    return true;
}

bool CChildProcess::Send(std::string_view frame) {
    if (!Running())
        return false;
    std::string whole = Header(frame.size()); // one write: one wake-up of the child
    whole.append(frame);
    return WriteAll(m_socket, whole.data(), whole.size());
}

std::optional<std::string> CChildProcess::NextFrame(bool& empty) {
    empty = false;
    if (m_received.size() < 4)
        return std::nullopt;
    const std::size_t size = SizeOf(m_received.data());
    if (m_received.size() < 4 + size)
        return std::nullopt;
    std::string frame = m_received.substr(4, size);
    m_received.erase(0, 4 + size);
    empty = frame.empty();
    return frame;
}

std::optional<std::string> CChildProcess::Receive() {
    if (!Running())
        return std::nullopt;
    using Clock = std::chrono::steady_clock;
    auto deadline = Clock::now() + m_limits.silence;
    for (;;) {
        bool empty = false;
        while (std::optional<std::string> frame = NextFrame(empty)) {
            if (!empty)
                return frame;
            deadline = Clock::now() + m_limits.silence; // still at work
        }
        if (m_received.size() >= 4 && SizeOf(m_received.data()) > m_limits.largestFrame)
            break;
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
        if (left.count() <= 0)
            break;
        pollfd p{m_socket, POLLIN, 0};
        const int ready = ::poll(&p, 1, static_cast<int>(std::min<long long>(left.count(), 60000)));
        if (ready < 0 && errno == EINTR)
            continue;
        if (ready < 0)
            break;
        if (ready == 0)
            continue; // the deadline is looked at again above
        char buffer[65536];
        const ssize_t n = ::recv(m_socket, buffer, sizeof buffer, 0);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break; // the child ended
        m_received.append(buffer, static_cast<std::size_t>(n));
    }
    Stop();
    return std::nullopt;
}

void CChildProcess::Stop() {
    if (m_pid > 0) {
        ::kill(m_pid, SIGKILL);
        while (::waitpid(m_pid, nullptr, 0) < 0 && errno == EINTR) {
        }
        m_pid = -1;
    }
    if (m_socket >= 0) {
        ::close(m_socket);
        m_socket = -1;
    }
    m_received.clear();
}

std::optional<std::string> CFrameReader::Next(std::size_t largest) {
    for (;;) {
        if (m_buffer.size() - m_at >= 4) {
            const std::size_t size = SizeOf(m_buffer.data() + m_at);
            if (size > largest)
                return std::nullopt;
            if (m_buffer.size() - m_at >= 4 + size) {
                std::string frame = m_buffer.substr(m_at + 4, size);
                m_at += 4 + size;
                return frame;
            }
        }
        m_buffer.erase(0, m_at);
        m_at = 0;
        char piece[65536];
        const ssize_t n = ::read(m_fd, piece, sizeof piece);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return std::nullopt;
        m_buffer.append(piece, static_cast<std::size_t>(n));
    }
}

bool WriteFrame(int fd, std::string_view frame) {
    std::string whole = Header(frame.size());
    whole.append(frame);
    return WriteAll(fd, whole.data(), whole.size());
}
