#include "framework/file.h"

#include <cerrno>
#include <chrono>
#include <fcntl.h>
#include <random>
#include <sys/file.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace {
CFileException Failure(int osError, const std::string& path) {
    return CFileException(CFileException::OsErrorToCause(osError), osError, path);
}

// What opening a file that is not a regular file fails with.
int NotRegularError(mode_t mode) {
    return S_ISDIR(mode) ? EISDIR : EACCES;
}

int OpenRetrying(const char* path, int flags, mode_t mode = 0) {
    int fd;
    do
        fd = ::open(path, flags, mode);
    while (fd < 0 && errno == EINTR);
    return fd;
}

std::string BaseName(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// A new file beside `path`, made for this save alone: created exclusively, so
// that nothing already there (a leftover, a link, a FIFO) is ever opened.
int CreateStagingFile(const std::string& path, std::string& staging) {
    static const char kLetters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    static std::mt19937_64 random(std::random_device{}());
    const std::string stem = FolderOf(path) + "/." + BaseName(path) + ".saving-";
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::uint64_t bits = random() ^ (static_cast<std::uint64_t>(::getpid()) << 32);
        staging = stem;
        for (int i = 0; i < 8; ++i, bits /= 62)
            staging += kLetters[bits % 62];
        const int fd = OpenRetrying(staging.c_str(),
                                    O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    errno = EEXIST;
    return -1;
}
} // namespace

CFile::~CFile() {
    Abort();
}

bool CFile::Open(const std::string& path, unsigned flags, CFileException* error) {
    Abort();
    const auto fail = [&](int osError) {
        if (error)
            *error = Failure(osError, path);
        return false;
    };
    // Checked before opening, so that a device is never opened at all, and
    // again after, in case the path changed in between.
    struct stat st {};
    if (::stat(path.c_str(), &st) == 0 && !S_ISREG(st.st_mode))
        return fail(NotRegularError(st.st_mode));
    int oflags = O_CLOEXEC | O_NONBLOCK | O_NOCTTY;
    oflags |= (flags & modeReadWrite) ? O_RDWR : (flags & modeWrite) ? O_WRONLY : O_RDONLY;
    if (flags & modeCreate)
        oflags |= O_CREAT | O_TRUNC;
    const int fd = OpenRetrying(path.c_str(), oflags, 0666);
    if (fd < 0)
        return fail(errno);
    const int osError = ::fstat(fd, &st) != 0 ? errno
                        : S_ISREG(st.st_mode) ? 0
                                              : NotRegularError(st.st_mode);
    if (osError != 0) {
        ::close(fd);
        return fail(osError);
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    Attach(fd, path);
    return true;
}

void CFile::Attach(int fd, std::string path) {
    Abort();
    m_fd = fd;
    m_path = std::move(path);
}

std::size_t CFile::Read(void* buffer, std::size_t count) {
    std::size_t done = 0;
    while (done < count) {
        const ssize_t n = ::read(m_fd, static_cast<char*>(buffer) + done, count - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            Throw(errno);
        if (n == 0)
            break;
        done += static_cast<std::size_t>(n);
    }
    return done;
}

void CFile::Write(const void* buffer, std::size_t count) {
    std::size_t done = 0;
    while (done < count) {
        const ssize_t n = ::write(m_fd, static_cast<const char*>(buffer) + done, count - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            Throw(n < 0 ? errno : ENOSPC);
        done += static_cast<std::size_t>(n);
    }
}

std::uint64_t CFile::GetLength() const {
    struct stat st {};
    if (::fstat(m_fd, &st) != 0)
        Throw(errno);
    return static_cast<std::uint64_t>(st.st_size);
}

std::uint64_t CFile::GetPosition() const {
    const off_t at = ::lseek(m_fd, 0, SEEK_CUR);
    if (at < 0)
        Throw(errno);
    return static_cast<std::uint64_t>(at);
}

void CFile::SetLength(std::uint64_t length) {
    if (::ftruncate(m_fd, static_cast<off_t>(length)) != 0)
        Throw(errno);
}

void CFile::Flush() {
    if (::fdatasync(m_fd) != 0 && errno != EINVAL && errno != EROFS)
        Throw(errno);
}

void CFile::Close() {
    if (m_fd < 0)
        return;
    const int fd = m_fd;
    m_fd = -1;
    if (::close(fd) != 0 && errno != EINTR)
        Throw(errno);
}

void CFile::Abort() {
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = -1;
}

void CFile::Throw(int osError) const {
    throw Failure(osError, m_path);
}

std::string FolderOf(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string FollowLinks(const std::string& path, int& osError) {
    osError = 0;
    std::string at = path;
    for (int hops = 0; hops < 40; ++hops) {
        struct stat st {};
        if (::lstat(at.c_str(), &st) != 0 || !S_ISLNK(st.st_mode))
            return at;
        std::string target(static_cast<std::size_t>(st.st_size) + 256, '\0');
        const ssize_t n = ::readlink(at.c_str(), target.data(), target.size());
        if (n <= 0 || static_cast<std::size_t>(n) >= target.size())
            return at;
        target.resize(static_cast<std::size_t>(n));
        at = target[0] == '/' ? target : FolderOf(at) + "/" + target;
    }
    osError = ELOOP;
    return at;
}

CFolderLock::~CFolderLock() {
    if (m_fd >= 0)
        ::close(m_fd);
}

bool CFolderLock::Acquire(const std::string& folder, int waitMs) {
    m_fd = OpenRetrying(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC | O_NONBLOCK);
    if (m_fd < 0)
        return true; // a folder we cannot open offers no lock to honour
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(waitMs);
    for (;;) {
        if (::flock(m_fd, LOCK_EX | LOCK_NB) == 0)
            return true;
        if (errno == EINTR)
            continue;
        if (errno != EWOULDBLOCK || std::chrono::steady_clock::now() >= deadline)
            break;
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    const bool held = errno == EWOULDBLOCK;
    ::close(m_fd);
    m_fd = -1;
    return !held; // no lock on this file system: go on without one
}

CFileReplacement::~CFileReplacement() {
    m_file.Abort();
    if (!m_staging.empty())
        ::unlink(m_staging.c_str());
    if (m_existing >= 0)
        ::close(m_existing);
}

bool CFileReplacement::Begin(const std::string& path, CFileException* error) {
    m_path = path;
    const auto fail = [&](int osError) {
        if (error)
            *error = Failure(osError, path);
        return false;
    };
    struct stat st {};
    const bool exists = ::lstat(path.c_str(), &st) == 0;
    if (!exists && errno != ENOENT)
        return fail(errno);
    if (exists) {
        if (!S_ISREG(st.st_mode))
            return fail(NotRegularError(st.st_mode));
        // Opening it for reading and writing asks the system whether this user
        // may do both: a file that may not be written is never replaced, nor
        // one that may not be read (its content would be lost unseen).
        m_existing =
            OpenRetrying(path.c_str(), O_RDWR | O_NONBLOCK | O_NOCTTY | O_NOFOLLOW | O_CLOEXEC);
        if (m_existing < 0)
            return fail(errno);
        if (::fstat(m_existing, &st) != 0)
            return fail(errno);
        if (!S_ISREG(st.st_mode))
            return fail(NotRegularError(st.st_mode));
    }
    // A file with other names (hard links) keeps them only if written in place.
    if (!exists || st.st_nlink == 1) {
        const int fd = CreateStagingFile(path, m_staging);
        if (fd >= 0) {
            if (exists)
                ::fchmod(fd, st.st_mode & 07777);
            m_file.Attach(fd, path);
            return true;
        }
        m_staging.clear();
        const int osError = errno;
        if (!exists || (osError != EACCES && osError != EPERM))
            return fail(osError);
    }
    // In place: truncated to the new length once written, then flushed. The
    // one way of saving that is not all-or-nothing, for a writable file in a
    // folder that takes no new files (an administrator's prepared file) or a
    // file whose other names must go on seeing the new content.
    ::fcntl(m_existing, F_SETFL, ::fcntl(m_existing, F_GETFL) & ~O_NONBLOCK);
    m_file.Attach(m_existing, path);
    m_existing = -1;
    return true;
}

void CFileReplacement::Commit() {
    if (m_staging.empty()) {
        m_file.SetLength(m_file.GetPosition());
        m_file.Flush();
        m_file.Close();
        return;
    }
    m_file.Flush();
    m_file.Close();
    if (::rename(m_staging.c_str(), m_path.c_str()) != 0)
        throw Failure(errno, m_path);
    m_staging.clear();
    // The folder's record of the new file reaches the disk as well.
    const std::string folder = FolderOf(m_path);
    const int fd = OpenRetrying(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    const bool synced = ::fsync(fd) == 0 || errno == EINVAL || errno == EROFS;
    const int osError = errno;
    ::close(fd);
    if (!synced)
        throw Failure(osError, folder);
}
