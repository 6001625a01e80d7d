#pragma once
// Buffered reading and writing of a file's records. Failures throw
// CArchiveException (a short or malformed file) or CFileException.

#include "framework/base/cstring.h"
#include "framework/base/exceptions.h"

#include <cstdint>
#include <vector>

class CFile;

class CArchive {
  public:
    enum Mode { store = 0, load = 1 };

    CArchive(CFile* file, Mode mode, std::size_t bufferSize = 4096);
    CArchive(const CArchive&) = delete;
    CArchive& operator=(const CArchive&) = delete;
    ~CArchive(); // an archive not closed drops its buffer

    bool IsLoading() const { return m_mode == load; }

    // A string record longer than this many characters is a format error:
    // what a reader never wrote is not read whole, whatever it claims.
    void SetStringLimit(std::uint64_t characters) { m_stringLimit = characters; }

    // String records: written in the 16-bit form, read in the 16-bit or the
    // 8-bit (Windows-1252) form.
    CArchive& operator<<(const CString& text);
    CArchive& operator>>(CString& text);

    void Write(const void* data, std::size_t count);
    void Read(void* data, std::size_t count); // all of it, or end of file

    void Flush(); // hands the buffer to the file
    void Close(); // flushes a storing archive

  private:
    std::uint64_t ReadLength(bool& wide);
    template <class T> T ReadValue();
    std::uint64_t Available(); // bytes still to be read, buffered or in the file

    CFile* m_file;
    Mode m_mode;
    std::vector<unsigned char> m_buffer;
    std::size_t m_begin = 0, m_end = 0; // unread bytes (load) / used bytes (store: m_end)
    bool m_closed = false;
    std::uint64_t m_stringLimit = UINT64_MAX;
};
