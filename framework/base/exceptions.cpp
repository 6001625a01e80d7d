#include "framework/base/exceptions.h"

#include <cerrno>

CFileException::Cause CFileException::OsErrorToCause(int e) {
    switch (e) {
    case 0:
        return none;
    case ENOENT:
        return fileNotFound;
    case ENOTDIR:
    case ENAMETOOLONG:
    case ELOOP:
    case EINVAL:
    case EISDIR:
        return badPath;
    case EMFILE:
    case ENFILE:
        return tooManyOpenFiles;
    case EACCES:
    case EPERM:
    case EROFS:
        return accessDenied;
    case EBADF:
        return invalidFile;
    case EBUSY:
    case ETXTBSY:
        return sharingViolation;
    case ENOLCK:
        return lockViolation;
    case ESPIPE:
        return badSeek;
    case EIO:
        return hardIO;
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
        return diskFull;
    case EMLINK:
        return directoryFull;
    default:
        return genericException;
    }
}

std::string CFileException::GetErrorMessage() const {
    static const char* const kTexts[] = {
        "No error occurred.",
        "An unknown error occurred while accessing %1.",
        "%1 was not found.",
        "%1 contains an invalid path.",
        "%1 could not be opened because there are too many open files.",
        "Access to %1 was denied.",
        "An invalid file handle was associated with %1.",
        "%1 could not be removed because it is the current directory.",
        "%1 could not be created because the directory is full.",
        "Seek failed on %1",
        "A hardware I/O error was reported while accessing %1.",
        "A sharing violation occurred while accessing %1.",
        "A locking violation occurred while accessing %1.",
        "Disk full while accessing %1.",
        "An attempt was made to access %1 past its end.",
    };
    const int cause = m_cause >= none && m_cause <= endOfFile ? m_cause : genericException;
    std::string text = kTexts[cause];
    if (const auto at = text.find("%1"); at != std::string::npos)
        text.replace(at, 2, m_strFileName);
    return text;
}
