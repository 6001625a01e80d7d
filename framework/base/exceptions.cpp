#include "framework/base/exceptions.h"

#include "framework/base/translate.h"

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
        TR_NOOP("Files", "No error occurred."),
        TR_NOOP("Files", "An unknown error occurred while accessing %1."),
        TR_NOOP("Files", "%1 was not found."),
        TR_NOOP("Files", "%1 contains an invalid path."),
        TR_NOOP("Files", "%1 could not be opened because there are too many open files."),
        TR_NOOP("Files", "Access to %1 was denied."),
        TR_NOOP("Files", "An invalid file handle was associated with %1."),
        TR_NOOP("Files", "%1 could not be removed because it is the current directory."),
        TR_NOOP("Files", "%1 could not be created because the directory is full."),
        TR_NOOP("Files", "Seek failed on %1"),
        TR_NOOP("Files", "A hardware I/O error was reported while accessing %1."),
        TR_NOOP("Files", "A sharing violation occurred while accessing %1."),
        TR_NOOP("Files", "A locking violation occurred while accessing %1."),
        TR_NOOP("Files", "Disk full while accessing %1."),
        TR_NOOP("Files", "An attempt was made to access %1 past its end."),
    };
    const int cause = m_cause >= none && m_cause <= endOfFile ? m_cause : genericException;
    return Arg(Tr("Files", kTexts[cause]), {m_strFileName});
}
