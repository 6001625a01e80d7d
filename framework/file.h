#pragma once
// A file on disk. Failures throw CFileException, except Open, which reports.

#include "framework/exceptions.h"

#include <cstddef>
#include <cstdint>
#include <string>

class CFile {
  public:
    enum OpenFlags : unsigned {
        modeRead = 0x0000,
        modeWrite = 0x0001,
        shareExclusive = 0x0010,
        modeCreate = 0x1000, // create, or truncate an existing file
    };

    CFile() = default;
    CFile(const CFile&) = delete;
    CFile& operator=(const CFile&) = delete;
    ~CFile(); // closes without reporting

    bool Open(const std::string& path, unsigned flags, CFileException* error = nullptr);

    std::size_t Read(void* buffer, std::size_t count);
    void Write(const void* buffer, std::size_t count);
    std::uint64_t GetLength() const;
    std::uint64_t GetPosition() const;

    void Flush(); // the written bytes reach the disk
    void Close(); // throws when the system reports a failure
    void Abort(); // closes, ignoring failures

    // Puts `from` in the place of `to` in one step.
    static void Rename(const std::string& from, const std::string& to);
    static void Remove(const std::string& path) noexcept;

  private:
    [[noreturn]] void Throw(int osError) const;

    int m_fd = -1;
    std::string m_path;
};
