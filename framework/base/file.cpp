#include "framework/base/file.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <chrono>
#include <dirent.h>
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

int OpenRetrying(const char* path, int flags, mode_t mode = 0, int folder = AT_FDCWD) {
    int fd;
    do
        fd = ::openat(folder, path, flags, mode);
    while (fd < 0 && errno == EINTR);
    return fd;
}

// The name a replacement of `name` writes its new content to, with the
// random part (eight letters or digits) still to come.
std::string StagingStem(const std::string& name) {
    return "." + name + ".saving-";
}
constexpr std::size_t kStagingRandomPart = 8;

bool IsStagingName(const std::string& candidate, const std::string& stem) {
    if (candidate.size() != stem.size() + kStagingRandomPart ||
        candidate.compare(0, stem.size(), stem) != 0)
        return false;
    for (std::size_t i = stem.size(); i < candidate.size(); ++i)
        if (!std::isalnum(static_cast<unsigned char>(candidate[i])))
            return false;
    return true;
}

// Whether the file open as `fd` is still the one named `name` in `folder`.
bool StillNamed(int fd, int folder, const char* name);

// A new file beside `name` in `folder`, made for this save alone: created
// exclusively, so that nothing already there (a leftover, a link, a FIFO) is
// ever opened, and locked for as long as it is open, so that no one takes
// it for a leftover. One that a cleaner took before it was locked is left to
// that cleaner, and another made.
int CreateStagingFile(int folder, const std::string& name, std::string& staging) {
    static const char kLetters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    static std::mt19937_64 random(std::random_device{}());
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::uint64_t bits = random() ^ (static_cast<std::uint64_t>(::getpid()) << 32);
        staging = StagingStem(name);
        for (std::size_t i = 0; i < kStagingRandomPart; ++i, bits /= 62)
            staging += kLetters[bits % 62];
        const int fd = OpenRetrying(
            staging.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666, folder);
        if (fd < 0 && errno != EEXIST)
            return fd;
        if (fd < 0)
            continue;
        const bool locked = ::flock(fd, LOCK_EX | LOCK_NB) == 0 || errno != EWOULDBLOCK;
        if (locked && StillNamed(fd, folder, staging.c_str()))
            return fd;
        ::close(fd);
    }
    errno = EEXIST;
    return -1;
}

// The open folder `folder` (which may be a path-only descriptor) opened again
// for reading: to lock, to sync, to list.
int ReopenFolder(int folder) {
    return OpenRetrying(".", O_RDONLY | O_DIRECTORY | O_CLOEXEC | O_NONBLOCK, 0, folder);
}

bool SameFile(const struct stat& a, const struct stat& b) {
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

bool StillNamed(int fd, int folder, const char* name) {
    struct stat open {
    }, named{};
    return ::fstat(fd, &open) == 0 && open.st_nlink > 0 &&
           ::fstatat(folder, name, &named, AT_SYMLINK_NOFOLLOW) == 0 && SameFile(open, named);
}
} // namespace

CFile::~CFile() {
    Abort();
}

bool CFile::Open(const std::string& path, unsigned flags, CFileException* error) {
    return OpenIn(AT_FDCWD, path, path, flags, 0, error);
}

bool CFile::OpenAt(const CFilePlace& place, const std::string& path, unsigned flags,
                   CFileException* error) {
    return OpenIn(place.folder.Get(), place.name, path, flags, O_NOFOLLOW, error);
}

bool CFile::OpenIn(int folder, const std::string& name, const std::string& path, unsigned flags,
                   int extraFlags, CFileException* error) {
    Abort();
    const auto fail = [&](int osError) {
        if (error)
            *error = Failure(osError, path);
        return false;
    };
    // Checked before opening, so that a device is never opened at all, and
    // again after, in case the path changed in between.
    const int statFlags = (extraFlags & O_NOFOLLOW) ? AT_SYMLINK_NOFOLLOW : 0;
    struct stat st {};
    if (::fstatat(folder, name.c_str(), &st, statFlags) == 0 && !S_ISREG(st.st_mode))
        return fail(S_ISLNK(st.st_mode) ? ELOOP : NotRegularError(st.st_mode));
    int oflags = O_CLOEXEC | O_NONBLOCK | O_NOCTTY | extraFlags;
    oflags |= (flags & modeReadWrite) ? O_RDWR : (flags & modeWrite) ? O_WRONLY : O_RDONLY;
    if (flags & modeCreate)
        oflags |= O_CREAT | O_TRUNC;
    const int fd = OpenRetrying(name.c_str(), oflags, 0666, folder);
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

int ReadAllOf(int fd, std::uint64_t largest, std::string& bytes,
              const std::function<void()>& stillReading) {
    constexpr std::size_t kCalledEvery = 16u << 20;
    char piece[65536];
    std::size_t sinceCalled = 0;
    bytes.clear();
    for (;;) {
        const ssize_t n = ::read(fd, piece, sizeof piece);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return errno;
        if (n == 0)
            return 0;
        if (bytes.size() + static_cast<std::size_t>(n) > largest)
            return EFBIG;
        bytes.append(piece, static_cast<std::size_t>(n));
        sinceCalled += static_cast<std::size_t>(n);
        if (sinceCalled >= kCalledEvery && stillReading) {
            stillReading();
            sinceCalled = 0;
        }
    }
}

std::string FolderOf(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

CFolderLock::~CFolderLock() {
    if (m_fd >= 0)
        ::close(m_fd);
}

bool CFolderLock::Acquire(int folder, int waitMs) {
    m_fd = ReopenFolder(folder);
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
        ::unlinkat(m_folder, m_staging.c_str(), 0);
    if (m_existing >= 0)
        ::close(m_existing);
}

bool CFileReplacement::Begin(const CFilePlace& place, const std::string& path,
                             CFileException* error, InPlace inPlace) {
    m_folder = place.folder.Get();
    m_name = place.name;
    m_path = path;
    struct stat st {};
    int osError = OpenExisting(st);
    const bool exists = m_existing >= 0;
    const bool never = inPlace == InPlace::Never;
    // A file with other names (hard links) keeps them only if written in place.
    if (osError == 0 && (!exists || st.st_nlink == 1 || never)) {
        osError = StartFreshFile(exists ? &st : nullptr, never);
        if (osError == 0)
            return true;
        if (exists && !never && (osError == EACCES || osError == EPERM))
            osError = 0;
    }
    if (osError != 0) {
        if (error)
            *error = Failure(osError, path);
        return false;
    }
    // In place: truncated to the new length once written, then flushed. The
    // one way of saving that is not all-or-nothing, for a writable file in a
    // folder that takes no new files (an administrator's prepared file), a
    // file whose owner this user cannot give a new file, or a file whose
    // other names must go on seeing the new content. A save cut short
    // between writing and truncating leaves the new content followed by the
    // old one's end, which readers of the content pass over.
    ::fcntl(m_existing, F_SETFL, ::fcntl(m_existing, F_GETFL) & ~O_NONBLOCK);
    m_file.Attach(m_existing, path);
    m_existing = -1;
    return true;
}

// Opens the file being replaced, if there is one, describing it in `st`.
// Opening it for reading and writing asks the system whether this user may
// do both: a file that may not be written is never replaced, nor one that
// may not be read (its content would be lost unseen).
int CFileReplacement::OpenExisting(struct stat& st) {
    if (::fstatat(m_folder, m_name.c_str(), &st, AT_SYMLINK_NOFOLLOW) != 0)
        return errno == ENOENT ? 0 : errno;
    if (!S_ISREG(st.st_mode))
        return S_ISLNK(st.st_mode) ? ELOOP : NotRegularError(st.st_mode);
    m_existing = OpenRetrying(m_name.c_str(),
                              O_RDWR | O_NONBLOCK | O_NOCTTY | O_NOFOLLOW | O_CLOEXEC, 0, m_folder);
    if (m_existing < 0)
        return errno;
    if (::fstat(m_existing, &st) != 0)
        return errno;
    return S_ISREG(st.st_mode) ? 0 : NotRegularError(st.st_mode);
}

// The fresh file the new content goes to, with the owner, group and
// permissions of `old` where there is one (in this order: a change of owner
// clears set-id bits).
int CFileReplacement::StartFreshFile(const struct stat* old, bool ownerOptional) {
    const int fd = CreateStagingFile(m_folder, m_name, m_staging);
    if (fd < 0) {
        const int osError = errno;
        m_staging.clear();
        return osError;
    }
    if (!old ||
        (::fchown(fd, old->st_uid, old->st_gid) == 0 && ::fchmod(fd, old->st_mode & 07777) == 0)) {
        m_file.Attach(fd, m_path);
        return 0;
    }
    if (ownerOptional) { // this user's file now, with the old group where it may, never set-id
        (void)!::fchown(fd, static_cast<uid_t>(-1), old->st_gid);
        if (::fchmod(fd, old->st_mode & 0777) == 0) {
            m_file.Attach(fd, m_path);
            return 0;
        }
    }
    ::close(fd);
    ::unlinkat(m_folder, m_staging.c_str(), 0);
    m_staging.clear();
    return EPERM;
}

void CFileReplacement::Commit() {
    if (m_staging.empty()) {
        m_file.SetLength(m_file.GetPosition());
        m_file.Flush();
        m_file.Close();
        return;
    }
    m_file.Flush();
    // Only the file written here takes the old one's place: a name swapped
    // for anything else meanwhile fails the save.
    struct stat written {
    }, named{};
    if (::fstat(m_file.Handle(), &written) != 0 ||
        ::fstatat(m_folder, m_staging.c_str(), &named, AT_SYMLINK_NOFOLLOW) != 0 ||
        !SameFile(written, named))
        throw Failure(EACCES, m_path);
    m_file.Close();
    if (::renameat(m_folder, m_staging.c_str(), m_folder, m_name.c_str()) != 0)
        throw Failure(errno, m_path);
    m_staging.clear();
    // The folder's record of the new file reaches the disk as well.
    const int fd = ReopenFolder(m_folder);
    if (fd < 0)
        return;
    const bool synced = ::fsync(fd) == 0 || errno == EINVAL || errno == EROFS;
    const int osError = errno;
    ::close(fd);
    if (!synced)
        throw Failure(osError, m_path);
}

void CFileReplacement::RemoveLeftovers(const CFilePlace& place) {
    const int fd = ReopenFolder(place.folder.Get());
    if (fd < 0)
        return;
    DIR* listing = ::fdopendir(fd);
    if (!listing) {
        ::close(fd);
        return;
    }
    const std::string stem = StagingStem(place.name);
    while (const dirent* entry = ::readdir(listing)) {
        struct stat st {};
        if (!IsStagingName(entry->d_name, stem) ||
            ::fstatat(fd, entry->d_name, &st, AT_SYMLINK_NOFOLLOW) != 0 || !S_ISREG(st.st_mode) ||
            st.st_uid != ::geteuid())
            continue;
        // A fresh file still being written is locked by its writer.
        const int file = OpenRetrying(
            entry->d_name, O_RDONLY | O_NONBLOCK | O_NOCTTY | O_NOFOLLOW | O_CLOEXEC, 0, fd);
        if (file < 0)
            continue;
        if (::flock(file, LOCK_EX | LOCK_NB) == 0 && StillNamed(file, fd, entry->d_name))
            ::unlinkat(fd, entry->d_name, 0); // a name, not what a link names
        ::close(file);
    }
    ::closedir(listing);
}

bool WriteWholeFile(const std::string& path, const std::function<void(CFile&)>& write,
                    CFileException* error) {
    const auto fail = [&](CFileException failure) {
        if (error)
            *error = std::move(failure);
        return false;
    };
    CFilePlace place;
    int osError = 0;
    if (!path.empty() && path.back() == '/') // names a folder, never a file
        return fail(Failure(EISDIR, path));
    if (!ResolvePath(path, place, osError))
        return fail(Failure(osError, path));
    CFileException failure;
    if (!ReplaceFileAt(place, path, write, failure, CFileReplacement::InPlace::Never))
        return fail(failure);
    return true;
}

bool ReplaceFileAt(const CFilePlace& place, const std::string& path,
                   const std::function<void(CFile&)>& write, CFileException& error,
                   CFileReplacement::InPlace inPlace) {
    CFileReplacement::RemoveLeftovers(place);
    CFileReplacement replacement;
    if (!replacement.Begin(place, path, &error, inPlace)) {
        // The folder is there (it was reached): one that makes no new files
        // (/proc, /sys) refuses them, whatever the system calls it.
        if (inPlace == CFileReplacement::InPlace::Never && error.m_lOsError == ENOENT)
            error = Failure(EACCES, path);
        return false;
    }
    try {
        write(replacement.File());
        replacement.Commit();
        return true;
    } catch (const CFileException& e) {
        error = e;
        return false;
    }
}

bool WriteWholeFile(const std::string& path, const std::string& bytes, CFileException* error) {
    return WriteWholeFile(
        path, [&bytes](CFile& file) { file.Write(bytes.data(), bytes.size()); }, error);
}
