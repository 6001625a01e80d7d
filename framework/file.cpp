#include "framework/file.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

CFile::~CFile() {
    Abort();
}

bool CFile::Open(const std::string& path, unsigned flags, CFileException* error) {
    Abort();
    int oflags = O_CLOEXEC | ((flags & modeWrite) ? O_WRONLY : O_RDONLY);
    if (flags & modeCreate)
        oflags |= O_CREAT | O_TRUNC;
    int fd;
    do
        fd = ::open(path.c_str(), oflags, 0644);
    while (fd < 0 && errno == EINTR);
    if (fd < 0) {
        if (error)
            *error = CFileException(CFileException::OsErrorToCause(errno), errno, path);
        return false;
    }
    m_fd = fd;
    m_path = path;
    return true;
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

void CFile::Rename(const std::string& from, const std::string& to) {
    if (::rename(from.c_str(), to.c_str()) != 0)
        throw CFileException(CFileException::OsErrorToCause(errno), errno, to);
}

void CFile::Remove(const std::string& path) noexcept {
    ::unlink(path.c_str());
}

void CFile::Throw(int osError) const {
    throw CFileException(CFileException::OsErrorToCause(osError), osError, m_path);
}
