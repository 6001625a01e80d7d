#pragma once
// A file on disk. Failures throw CFileException, except Open, which reports.

#include "framework/base/exceptions.h"
#include "framework/base/file_place.h"

#include <cstddef>
#include <cstdint>
#include <functional>
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

// Writes the whole content of the file at `path`, as `write` makes it piece
// by piece into the file it is handed: at every moment the file holds its
// old content or all of the new, never a part. A fresh file beside it takes
// its place once all of it is on disk, even where the old file has other
// names (they keep the old content); where no fresh file can be made there,
// nothing is written. The path is walked as ResolvePath walks it. What
// killed writes of the same file left behind goes first. On false, `error`
// holds the cause and the path; an exception `write` throws (other than
// CFileException) leaves the old file as it was and goes on to the caller.
bool WriteWholeFile(const std::string& path, const std::function<void(CFile&)>& write,
                    CFileException* error);
bool WriteWholeFile(const std::string& path, const std::string& bytes, CFileException* error);

// Reads what is left of the open file `fd` into `bytes`, by reading (never
// mapping, where a page that cannot be read ends the process): 0, EFBIG when
// it holds more than `largest` bytes, or the error the system reported.
// `stillReading` is called after every 16 MiB.
int ReadAllOf(int fd, std::uint64_t largest, std::string& bytes,
              const std::function<void()>& stillReading = {});

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

    // Whether the new content may be written over the old where a fresh file
    // cannot take its place (see Begin).
    enum class InPlace { WhereNeeded, Never };

    // Gets ready to write the new content of the file at `place`; failures
    // name `path`. With InPlace::Never, a file with other names is replaced
    // all the same (they keep the old content), a new file takes the old
    // one's group and permissions but need not keep its owner, and where no
    // fresh file can be made Begin fails and the old file stays whole.
    bool Begin(const CFilePlace& place, const std::string& path, CFileException* error,
               InPlace inPlace = InPlace::WhereNeeded);
    CFile& File() { return m_file; }
    // The written bytes reach the disk and become the file's content.
    void Commit(); // throws CFileException

    // Removes the fresh files of replacements of `place` that ended before
    // they were done (killed programs leave them): regular files of this
    // user under the name they are given, never through a link, and only
    // those no running replacement holds (each holds a lock on its fresh
    // file for as long as it writes).
    static void RemoveLeftovers(const CFilePlace& place);

  private:
    int OpenExisting(struct stat& st);
    int StartFreshFile(const struct stat* old, bool ownerOptional);

    CFile m_file;
    int m_folder = -1; // of the file being written, held by the caller's place
    std::string m_name;
    std::string m_path;
    std::string m_staging; // empty when writing in place
    int m_existing = -1;   // the file being replaced, open for reading and writing
};

// The one way a file is written whole: at `place` (reached, and locked where
// the caller needs it), what killed writes left behind goes, a
// CFileReplacement begins, takes `write`'s bytes and commits. False, with
// `error` naming `path`, when it could not; with InPlace::Never, a folder that
// makes no new files (/proc, /sys) is refused as one may not write to.
bool ReplaceFileAt(const CFilePlace& place, const std::string& path,
                   const std::function<void(CFile&)>& write, CFileException& error,
                   CFileReplacement::InPlace inPlace);
