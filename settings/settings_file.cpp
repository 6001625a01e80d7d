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

bool WriteStoredFile(const SettingsLocation& where, const std::function<void(CFile&)>& write,
                     CFileException* error) {
    if (where.KeptForTheRunOnly())
        return true;
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
        write(replacement.File());
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
