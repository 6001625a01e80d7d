#pragma once
// A file on disk. Failures throw CFileException, except Open, which reports.

#include "framework/base/exceptions.h"
#include "framework/base/file_place.h"

#include <cstddef>
#include <cstdint>
#include <string>

class CFile {
  public:
    enum OpenFlags : unsigned {
        modeRead = 0x0000,
        modeWrite = 0x0001,
        modeReadWrite = 0x0002,
        shareExclusive = 0x0010,
        modeCreate = 0x1000, // create, or truncate an existing file
    };

    CFile() = default;
    CFile(const CFile&) = delete;
    CFile& operator=(const CFile&) = delete;
    ~CFile(); // closes without reporting

    // Opens a regular file only: a folder, FIFO, socket or device in its place
    // is refused, and opening never waits for another program.
    bool Open(const std::string& path, unsigned flags, CFileException* error = nullptr);
    // The same for the file at `place`, never through a link; failures then
    // name `path`.
    bool OpenAt(const CFilePlace& place, const std::string& path, unsigned flags,
                CFileException* error = nullptr);
    // Takes over an open descriptor; failures then name `path`.
    void Attach(int fd, std::string path);
    int Handle() const { return m_fd; }
    const std::string& FilePath() const { return m_path; }

    std::size_t Read(void* buffer, std::size_t count);
    void Write(const void* buffer, std::size_t count);
    std::uint64_t GetLength() const;
    std::uint64_t GetPosition() const;
    void SetLength(std::uint64_t length);

    void Flush(); // the written bytes reach the disk
    void Close(); // throws when the system reports a failure
    void Abort(); // closes, ignoring failures

  private:
    bool OpenIn(int folder, const std::string& name, const std::string& path, unsigned flags,
                int extraFlags, CFileException* error);
    [[noreturn]] void Throw(int osError) const;

    int m_fd = -1;
    std::string m_path;
};

// Writes `bytes` as the whole content of the file at `path`: at every moment
// the file holds its old content or all of the new, never a part (a fresh
// file beside it takes its place). Links to it are followed only where
// trusted (see ResolvePlace). On false, `error` holds the cause and the path.
bool WriteWholeFile(const std::string& path, const std::string& bytes, CFileException* error);

// The folder part of a path ("." for a bare name).
std::string FolderOf(const std::string& path);

// Keeps other programs that honour it away from the files of one folder, for
// as long as it is held: an advisory lock on the folder itself, so that it
// holds across a file being replaced. Where the system offers no such lock,
// holding it always succeeds.
class CFolderLock {
  public:
    CFolderLock() = default;
    CFolderLock(const CFolderLock&) = delete;
    CFolderLock& operator=(const CFolderLock&) = delete;
    ~CFolderLock();

    // Waits up to `waitMs` milliseconds while another holds the lock on the
    // open folder `folder`; false only when it is still held after that.
    bool Acquire(int folder, int waitMs);

  private:
    int m_fd = -1;
};

// Writes a file's new content so that, at every moment, the file holds
// either its old content or all of the new: the new bytes go to a fresh file
// beside it that takes its place in one step, with the old file's owner,
// group and permissions. An existing file that the user may not read or
// write is never replaced; one whose owner cannot be kept is written in place.
class CFileReplacement {
  public:
    CFileReplacement() = default;
    CFileReplacement(const CFileReplacement&) = delete;
    CFileReplacement& operator=(const CFileReplacement&) = delete;
    ~CFileReplacement(); // without Commit, the old content stays and nothing is left behind

    // Gets ready to write the new content of the file at `place`; failures
    // name `path`.
    bool Begin(const CFilePlace& place, const std::string& path, CFileException* error);
    CFile& File() { return m_file; }
    // The written bytes reach the disk and become the file's content.
    void Commit(); // throws CFileException

    // Removes the fresh files of replacements of `place` that ended before
    // they were done (killed programs leave them): regular files of this
    // user under the name they are given, never through a link. Only for one
    // who holds the folder's lock, which every replacement takes first.
    static void RemoveLeftovers(const CFilePlace& place);

  private:
    int OpenExisting(struct stat& st);
    int StartFreshFile(const struct stat* old);

    CFile m_file;
    int m_folder = -1; // of the file being written, held by the caller's place
    std::string m_name;
    std::string m_path;
    std::string m_staging; // empty when writing in place
    int m_existing = -1;   // the file being replaced, open for reading and writing
};
