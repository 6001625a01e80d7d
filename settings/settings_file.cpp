#include "settings/settings_file.h"

#include "cameras/data_state.h"
#include "framework/base/archive.h"
#include "framework/base/file.h"
#include "framework/base/translate.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
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

bool MayCreateIn(int folder) {
    return ::faccessat(folder, ".", W_OK | X_OK, AT_EACCESS) == 0;
}

bool MayWrite(const std::string& file) {
    return ::faccessat(AT_FDCWD, file.c_str(), W_OK, AT_EACCESS) == 0;
}

// The last part of a path.
std::string NameOf(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// The folder at `path`, reached as ResolvePath reaches it; `osError` says why not.
CHandle OpenReachedFolder(const std::string& path, int& osError) {
    if (path == "/") {
        CHandle root = OpenFolderPath(path);
        osError = root ? 0 : errno;
        return root;
    }
    CFilePlace place;
    if (!ResolvePath(path, place, osError))
        return CHandle();
    CHandle folder = OpenFolderAt(place);
    osError = folder ? 0 : errno;
    return folder;
}

// The folder at `path`, held open and itself trusted (see IsTrustedFolder);
// `osError` says why not. A link in its place is not followed, whoever made
// it: the settings stay in the folder they were found in.
CHandle OpenTrustedFolder(const std::string& path, int& osError) {
    const CFilePlace place{OpenReachedFolder(FolderOf(path), osError), NameOf(path)};
    struct stat st {};
    if (!place.folder ||
        ::fstatat(place.folder.Get(), place.name.c_str(), &st, AT_SYMLINK_NOFOLLOW) != 0) {
        osError = place.folder ? errno : osError;
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

// What the user's configuration folder is to this user: the user's own (or
// missing from a folder of the user's, to be made there), someone else's
// that this user could write in (as root can), or neither; `mayCreate` says
// whether this user may create in it (or make it, where it is missing).
enum class ConfigHome { Own, Others, Unusable };

ConfigHome CheckConfigHome(const std::string& configHome, bool& mayCreate) {
    CFilePlace place;
    int osError = 0;
    mayCreate = false;
    if (configHome.empty() || configHome == "/")
        return ConfigHome::Unusable;
    if (!ResolvePath(configHome, place, osError)) // EACCES: another user's link on the way
        return osError == EACCES ? ConfigHome::Others : ConfigHome::Unusable;
    struct stat st {};
    const bool exists =
        ::fstatat(place.folder.Get(), place.name.c_str(), &st, AT_SYMLINK_NOFOLLOW) == 0;
    if (exists && !S_ISDIR(st.st_mode))
        return ConfigHome::Unusable;
    if (!exists && ::fstat(place.folder.Get(), &st) != 0) // the folder it would be made in
        return ConfigHome::Unusable;
    mayCreate = exists ? MayCreateIn(configHome) : MayCreateIn(place.folder.Get());
    if (st.st_uid == ::geteuid())
        return ConfigHome::Own;
    return mayCreate ? ConfigHome::Others : ConfigHome::Unusable;
}

// Makes the program's configuration folder, for this user alone, where it is
// missing, and the configuration folder above it, as the desktop's rules
// ask, where that is missing from a folder of this user's. Each is made in a
// folder held open, and only in a folder of this user's.
void MakeOwnFolder(const std::string& folder) {
    CFilePlace home;
    int osError = 0;
    if (!ResolvePath(FolderOf(folder), home, osError))
        return;
    struct stat st {};
    if (::fstatat(home.folder.Get(), home.name.c_str(), &st, AT_SYMLINK_NOFOLLOW) != 0) {
        if (errno != ENOENT || ::fstat(home.folder.Get(), &st) != 0 || st.st_uid != ::geteuid())
            return;
        ::mkdirat(home.folder.Get(), home.name.c_str(), 0700);
    }
    const CHandle config = OpenFolderAt(home);
    if (config && ::fstat(config.Get(), &st) == 0 && st.st_uid == ::geteuid())
        ::mkdirat(config.Get(), NameOf(folder).c_str(), 0700);
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

bool StartsWithFolder(const std::string& path, const std::string& folder) {
    return path.compare(0, folder.size(), folder) == 0 &&
           (path.size() == folder.size() || path[folder.size()] == '/');
}
} // namespace

bool IsSystemFolder(const std::string& folder) {
    char resolved[PATH_MAX];
    const std::string path = ::realpath(folder.c_str(), resolved) ? resolved : folder;
    for (const char* system : {"/usr", "/bin", "/sbin", "/opt", "/snap", VEXTON_INSTALL_BINDIR})
        if (StartsWithFolder(path, system))
            return true;
    return path.compare(0, 4, "/lib") == 0; // /lib, /lib64, /libx32 …
}

SettingsLocation SettingsLocationFor(const std::string& programPath,
                                     const std::string& configHome) {
    const std::string programFolder = FolderOf(programPath);
    const std::string beside = programFolder + "/" + kSettingsFileName;
    const bool installed = IsSystemFolder(programFolder);
    bool readOnlyBeside = false;
    int ignored = 0;
    if (!installed && OpenTrustedFolder(programFolder, ignored) &&
        (MayCreateIn(programFolder) || Exists(beside))) {
        if (!Exists(beside) || MayWrite(beside))
            return beside;
        readOnlyBeside = true;
    }
    const std::string folder = configHome + "/" + kConfigFolderName;
    const std::string inConfig = folder + "/" + kSettingsFileName;
    bool mayCreate = false;
    switch (CheckConfigHome(configHome, mayCreate)) {
    case ConfigHome::Own:
        if (Exists(folder) || mayCreate)
            return SettingsLocation(inConfig, true,
                                    readOnlyBeside
                                        ? Arg(Tr("Settings", "You may read but not change %1: "
                                                             "your choices are kept in %2."),
                                              {beside, inConfig})
                                        : std::string());
        break;
    case ConfigHome::Others:
        return SettingsLocation({}, false,
                                Arg(Tr("Settings", "The configuration folder %1 is not yours: "
                                                   "your choices are kept only until the "
                                                   "program ends."),
                                    {configHome}));
    case ConfigHome::Unusable:
        break;
    }
    return installed && !configHome.empty() ? SettingsLocation(inConfig, true) : beside;
}

SettingsLocation BesideSettings(const SettingsLocation& settings, const std::string& name) {
    if (settings.KeptForTheRunOnly())
        return settings;
    const std::size_t slash = settings.path.rfind('/');
    return SettingsLocation(settings.path.substr(0, slash + 1) + name, settings.makesFolder);
}

bool ReadStoredFile(const SettingsLocation& where, const std::function<void(CFile&)>& read,
                    bool* heldByAnother, int waitMs) {
    if (heldByAnother)
        *heldByAnother = false;
    if (where.KeptForTheRunOnly())
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
        read(file);
        return true;
    } catch (const CException&) {
        return false;
    } catch (const std::bad_alloc&) {
        return false;
    }
}

bool ReadSettingsFile(const SettingsLocation& where, CDataState* state, bool* heldByAnother,
                      int waitMs) {
    if (state == nullptr) {
        if (heldByAnother)
            *heldByAnother = false;
        return false;
    }
    return ReadStoredFile(
        where,
        [state](CFile& file) {
            CArchive ar(&file, CArchive::load);
            ar.SetStringLimit(kLongestStoredText);
            state->Serialize(ar);
        },
        heldByAnother, waitMs);
}

bool WriteSettingsFile(const SettingsLocation& where, const CDataState* state,
                       CFileException* error) {
    if (state == nullptr)
        return false;
    return WriteStoredFile(
        where,
        [state](CFile& file) {
            CArchive ar(&file, CArchive::store);
            CDataState stored = *state; // storing leaves it unchanged; Serialize is not const
            stored.Serialize(ar);
            ar.Close();
        },
        error);
}

namespace {
// The file's whole content (none when there is none), read at `place`
// while the caller holds the lock; false when it cannot be read or is
// larger than `largest`.
bool ReadWhole(const CFilePlace& place, const std::string& path, std::uint64_t largest,
               std::optional<std::string>& content, bool& tooLarge, CFileException& error) {
    struct stat st {};
    if (::fstatat(place.folder.Get(), place.name.c_str(), &st, AT_SYMLINK_NOFOLLOW) != 0 &&
        errno == ENOENT)
        return true; // none yet
    CFile file;
    if (!file.OpenAt(place, path, CFile::modeRead | CFile::shareExclusive, &error))
        return false;
    try {
        if (file.GetLength() > largest) {
            tooLarge = true;
            return false;
        }
        std::string text;
        char buffer[65536];
        while (const std::size_t n = file.Read(buffer, sizeof buffer))
            text.append(buffer, n);
        content = std::move(text);
        return true;
    } catch (const CFileException& e) {
        error = e;
        return false;
    }
}

// Writes the file at `place` whole, the caller holding the lock.
bool WriteLocked(const CFilePlace& place, const std::string& path,
                 const std::function<void(CFile&)>& write, CFileException& error) {
    // Holding the lock, no other save is under way: what saves left behind
    // when they were killed goes first.
    try {
        return ReplaceFileAt(place, path, write, error, CFileReplacement::InPlace::WhereNeeded);
    } catch (const CException&) {
        error = CFileException(CFileException::genericException, 0, path);
    } catch (const std::bad_alloc&) {
        error = CFileException(CFileException::genericException, 0, path);
    }
    return false;
}

// The file's place, reached and its folder locked for a save; false, with
// `error`, when it cannot be.
bool LockForSave(const SettingsLocation& where, CFilePlace& place, CFolderLock& lock,
                 CFileException& error) {
    int osError = 0;
    if (!ReachSettingsFile(where, true, place, osError)) {
        error = CFileException(CFileException::OsErrorToCause(osError), osError, where.path);
        return false;
    }
    if (!lock.Acquire(place.folder.Get(), kSettingsSaveWaitMs)) {
        error = CFileException(CFileException::sharingViolation, 0, where.path);
        return false;
    }
    return true;
}
} // namespace

bool WriteStoredFile(const SettingsLocation& where, const std::function<void(CFile&)>& write,
                     CFileException* error) {
    if (where.KeptForTheRunOnly())
        return true;
    CFilePlace place;
    CFolderLock lock;
    CFileException failure;
    if (LockForSave(where, place, lock, failure) && WriteLocked(place, where.path, write, failure))
        return true;
    if (error)
        *error = std::move(failure);
    return false;
}

bool UpdateStoredFile(
    const SettingsLocation& where, std::uint64_t largest,
    const std::function<bool(const std::optional<std::string>& old, std::string& now)>& change,
    CFileException* error, bool* tooLarge) {
    if (tooLarge)
        *tooLarge = false;
    if (where.KeptForTheRunOnly())
        return false;
    CFilePlace place;
    CFolderLock lock;
    CFileException failure;
    std::optional<std::string> old;
    bool large = false;
    std::string now;
    bool done = false;
    if (LockForSave(where, place, lock, failure) &&
        ReadWhole(place, where.path, largest, old, large, failure)) {
        if (!change(old, now))
            return false;
        done = WriteLocked(
            place, where.path, [&now](CFile& file) { file.Write(now.data(), now.size()); },
            failure);
    }
    if (tooLarge)
        *tooLarge = large;
    if (!done && error)
        *error = std::move(failure);
    return done;
}
