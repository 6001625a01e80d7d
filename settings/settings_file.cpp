#include "settings/settings_file.h"

#include "cameras/data_state.h"
#include "framework/base/archive.h"
#include "framework/base/file.h"

#include <cerrno>
#include <fcntl.h>
#include <new>
#include <sys/stat.h>
#include <unistd.h>

namespace {
// No list text comes near this; a longer record is damage, not a choice.
constexpr std::uint64_t kLongestStoredText = 64 * 1024;

// The program's own folder in the user's configuration folder.
constexpr const char* kConfigFolderName = "vextondof";

bool Exists(const std::string& path) {
    struct stat st {};
    return ::lstat(path.c_str(), &st) == 0;
}

// Whether this user (as the system sees the running program) may create files in `folder`.
bool MayCreateIn(const std::string& folder) {
    return ::faccessat(AT_FDCWD, folder.c_str(), W_OK | X_OK, AT_EACCESS) == 0;
}

// The last part of a path.
std::string NameOf(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// The folder at `path`, held open and itself trusted (see IsTrustedFolder);
// `osError` says why not. A link in its place is not followed, whoever made
// it: the settings stay in the folder they were found in.
CHandle OpenTrustedFolder(const std::string& path, int& osError) {
    const CFilePlace place{OpenFolderPath(FolderOf(path)), NameOf(path)};
    struct stat st {};
    if (!place.folder ||
        ::fstatat(place.folder.Get(), place.name.c_str(), &st, AT_SYMLINK_NOFOLLOW) != 0) {
        osError = errno;
        return CHandle();
    }
    CHandle folder = S_ISLNK(st.st_mode) ? CHandle() : OpenFolderAt(place);
    if (folder && ::fstat(folder.Get(), &st) != 0) {
        osError = errno;
        return CHandle();
    }
    if (!folder || !IsTrustedFolder(st)) {
        osError = folder || S_ISLNK(st.st_mode) ? EACCES : errno;
        return CHandle();
    }
    return folder;
}

// Makes the program's configuration folder, for this user alone, where it is
// missing (and the configuration folder above it, as the desktop's rules ask).
void MakeOwnFolder(const std::string& folder) {
    ::mkdir(FolderOf(folder).c_str(), 0700);
    ::mkdir(folder.c_str(), 0700);
}

// The settings file's place, once its folder (made first where it is ours
// and missing) proved trusted and the links to it were followed where trusted.
bool ReachSettingsFile(const SettingsLocation& where, bool makeFolder, CFilePlace& file,
                       int& osError) {
    const std::string folderPath = FolderOf(where.path);
    if (makeFolder && where.makesFolder)
        MakeOwnFolder(folderPath);
    const CHandle folder = OpenTrustedFolder(folderPath, osError);
    return folder && ResolvePlace(folder.Get(), NameOf(where.path), file, osError);
}
} // namespace

SettingsLocation SettingsFilePath(const std::string& programPath, const std::string& configHome) {
    const std::string programFolder = FolderOf(programPath);
    const std::string beside = programFolder + "/" + kSettingsFileName;
    int ignored = 0;
    if (OpenTrustedFolder(programFolder, ignored) && (MayCreateIn(programFolder) || Exists(beside)))
        return beside;
    if (configHome.empty())
        return beside;
    const std::string folder = configHome + "/" + kConfigFolderName;
    const bool canMake =
        Exists(configHome) ? MayCreateIn(configHome) : MayCreateIn(FolderOf(configHome));
    if (Exists(folder) || canMake)
        return SettingsLocation(folder + "/" + kSettingsFileName, true);
    return beside;
}

bool ReadSettingsFile(const SettingsLocation& where, CDataState* state, bool* heldByAnother,
                      int waitMs) {
    if (heldByAnother)
        *heldByAnother = false;
    if (state == nullptr)
        return false;
    CFilePlace place;
    int osError = 0;
    if (!ReachSettingsFile(where, false, place, osError))
        return false;
    CFolderLock lock;
    if (!lock.Acquire(place.folder.Get(), waitMs)) {
        if (heldByAnother)
            *heldByAnother = true;
        return false;
    }
    CFile file;
    if (!file.OpenAt(place, where.path, CFile::modeRead | CFile::shareExclusive))
        return false;
    try {
        CArchive ar(&file, CArchive::load);
        ar.SetStringLimit(kLongestStoredText);
        state->Serialize(ar);
        return true;
    } catch (const CException&) {
        return false;
    } catch (const std::bad_alloc&) {
        return false;
    }
}

bool WriteSettingsFile(const SettingsLocation& where, const CDataState* state,
                       CFileException* error) {
    if (state == nullptr)
        return false;
    const auto fail = [&](CFileException failure) {
        if (error)
            *error = std::move(failure);
        return false;
    };
    CFilePlace place;
    int osError = 0;
    if (!ReachSettingsFile(where, true, place, osError))
        return fail(CFileException(CFileException::OsErrorToCause(osError), osError, where.path));
    CFolderLock lock;
    if (!lock.Acquire(place.folder.Get(), kSettingsSaveWaitMs))
        return fail(CFileException(CFileException::sharingViolation, 0, where.path));
    // Holding the lock, no other save is under way: what saves left behind
    // when they were killed goes.
    CFileReplacement::RemoveLeftovers(place);
    CFileReplacement replacement;
    CFileException failure;
    if (!replacement.Begin(place, where.path, &failure))
        return fail(failure);
    try {
        CArchive ar(&replacement.File(), CArchive::store);
        CDataState stored = *state; // storing leaves it unchanged; Serialize is not const
        stored.Serialize(ar);
        ar.Close();
        replacement.Commit();
        return true;
    } catch (const CFileException& e) {
        return fail(e);
    } catch (const CException&) {
        return fail(CFileException(CFileException::genericException, 0, where.path));
    } catch (const std::bad_alloc&) {
        return fail(CFileException(CFileException::genericException, 0, where.path));
    }
}
