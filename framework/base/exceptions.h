#pragma once
// Errors of the file and archive layer.

#include <string>

class CException {
  public:
    virtual ~CException() = default;
};

class CFileException : public CException {
  public:
    enum Cause {
        none,
        genericException,
        fileNotFound,
        badPath,
        tooManyOpenFiles,
        accessDenied,
        invalidFile,
        removeCurrentDir,
        directoryFull,
        badSeek,
        hardIO,
        sharingViolation,
        lockViolation,
        diskFull,
        endOfFile,
    };

    CFileException(int cause = none, int osError = 0, std::string fileName = {})
        : m_cause(cause), m_lOsError(osError), m_strFileName(std::move(fileName)) {}

    static Cause OsErrorToCause(int osError);

    // The report's text, with the file's full path in place of %1.
    std::string GetErrorMessage() const;

    int m_cause;
    int m_lOsError;
    std::string m_strFileName;
};

class CArchiveException : public CException {
  public:
    enum Cause { none, genericException, endOfFile, badFormat };
    explicit CArchiveException(int cause = none) : m_cause(cause) {}
    int m_cause;
};
