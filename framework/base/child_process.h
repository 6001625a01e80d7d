#pragma once
// A helper program run as a child process and spoken to in frames over a
// socket, so that whatever goes wrong in it (a crash, an endless loop,
// memory without end) ends the child and never the caller: the caller sees
// an answer that does not come, stops the child and may start another.

#include "framework/base/file_place.h"

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <sys/types.h>
#include <vector>

struct ChildLimits {
    // The most address space the child may take, in bytes; 0 for no limit.
    // Where the program is built with AddressSanitizer, which reserves far
    // more address space than it uses, none is set.
    std::uint64_t addressSpace = 0;
    // How long the child may stay silent while the caller waits for it
    // before it is taken for hung. The child restarts the wait by sending
    // an empty frame.
    std::chrono::milliseconds silence{10000};
    // The largest frame taken from the child.
    std::size_t largestFrame = 16u << 20;
};

class CChildProcess {
  public:
    CChildProcess() = default;
    CChildProcess(const CChildProcess&) = delete;
    CChildProcess& operator=(const CChildProcess&) = delete;
    ~CChildProcess(); // stops the child

    // Starts the program open as `program` (see OpenTrustedModule) with
    // `args` (the first its name), its standard input and output the
    // socket, its standard error nothing, writing no files, dumping no core
    // and ending when the caller ends. False, with errno, when it could not
    // be started.
    bool Start(const CHandle& program, const std::vector<std::string>& args,
               const ChildLimits& limits);
    bool Running() const { return m_pid > 0; }

    // Sends one frame; false when the child no longer reads. What it sent
    // before it ended can still be received: a child that has ended is
    // stopped only once Receive has taken all it sent.
    bool Send(std::string_view frame);
    // The child's next frame that is not empty; none, with the child
    // stopped, when it ended, stayed silent past the limit or sent more than
    // the largest frame.
    std::optional<std::string> Receive();
    // Ends the child at once, and waits for it.
    void Stop();

  private:
    std::optional<std::string> NextFrame(bool& empty);

    pid_t m_pid = -1;
    int m_socket = -1;
    ChildLimits m_limits;
    std::string m_received; // bytes of frames not yet taken
};

// The child's side: the frames read from `fd`, as many as one read brings
// at a time; none at its end, or for one larger than `largest`.
class CFrameReader {
  public:
    explicit CFrameReader(int fd) : m_fd(fd) {}
    std::optional<std::string> Next(std::size_t largest);

  private:
    int m_fd;
    std::string m_buffer;
    std::size_t m_at = 0;
};
// A frame written to `fd`, whole.
bool WriteFrame(int fd, std::string_view frame);
