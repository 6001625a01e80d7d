#include "settings/settings_file.h"

#include "cameras/data_state.h"
#include "framework/archive.h"
#include "framework/file.h"

#include <cerrno>
#include <fcntl.h>
#include <new>
#include <sys/stat.h>
#include <unistd.h>

namespace {
// A save takes milliseconds; another instance holding the file is waited for.
constexpr int kLockWaitMs = 1000;

// No list text comes near this; a longer record is damage, not a choice.
constexpr std::uint64_t kLongestStoredText = 64 * 1024;

bool Exists(const std::string& path) {
    struct stat st {};
    return ::lstat(path.c_str(), &st) == 0;
}

// Whether this user (as the system sees the running program) may create files in `folder`.
bool MayCreateIn(const std::string& folder) {
    return ::faccessat(AT_FDCWD, folder.c_str(), W_OK | X_OK, AT_EACCESS) == 0;
}

// A file in `folder` can be had once the folder exists: its nearest
// existing ancestor decides whether it can be made.
bool CanHoldFile(std::string folder) {
    while (!Exists(folder)) {
        const std::string parent = FolderOf(folder);
        if (parent == folder)
            return false;
        folder = parent;
    }
    return MayCreateIn(folder);
}

// Makes `folder` and those above it that are missing; the error, or 0.
int MakeFolders(const std::string& folder) {
    if (Exists(folder))
        return 0;
    const std::string parent = FolderOf(folder);
    if (parent != folder)
        if (const int error = MakeFolders(parent); error != 0)
            return error;
    return ::mkdir(folder.c_str(), 0700) == 0 || errno == EEXIST ? 0 : errno;
}
} // namespace

std::string SettingsFilePath(const std::string& programPath, const std::string& configHome) {
    const std::string beside = FolderOf(programPath) + "/" + kSettingsFileName;
    if (MayCreateIn(FolderOf(programPath)) || Exists(beside) || configHome.empty())
        return beside;
    const std::string folder = configHome + "/vextondof";
    const std::string inConfig = folder + "/" + kSettingsFileName;
    return Exists(inConfig) || CanHoldFile(folder) ? inConfig : beside;
}

bool LoadSettings(const std::string& settingsPath, CDataState* state, bool* held) {
    if (held)
        *held = false;
    if (state == nullptr)
        return false;
    int linkError = 0;
    const std::string path = FollowLinks(settingsPath, linkError);
    CFolderLock lock;
    if (!lock.Acquire(FolderOf(path), kLockWaitMs)) {
        if (held)
            *held = true;
        return false;
    }
    CFile file;
    if (linkError != 0 || !file.Open(path, CFile::modeRead | CFile::shareExclusive))
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

bool SaveSettings(const std::string& settingsPath, const CDataState* state, CFileException* error) {
    if (state == nullptr)
        return false;
    const auto fail = [&](CFileException failure) {
        if (error)
            *error = std::move(failure);
        return false;
    };
    // Through a link to the file it names, so the link goes on naming it.
    int linkError = 0;
    const std::string path = FollowLinks(settingsPath, linkError);
    if (linkError != 0)
        return fail(CFileException(CFileException::OsErrorToCause(linkError), linkError, path));
    // The configuration folder is made on the first save that needs it.
    if (const int made = MakeFolders(FolderOf(path)); made != 0)
        return fail(CFileException(CFileException::OsErrorToCause(made), made, path));
    CFolderLock lock;
    if (!lock.Acquire(FolderOf(path), kLockWaitMs))
        return fail(CFileException(CFileException::sharingViolation, 0, path));
    CFileReplacement replacement;
    CFileException failure;
    if (!replacement.Begin(path, &failure))
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
        return fail(CFileException(CFileException::genericException, 0, path));
    } catch (const std::bad_alloc&) {
        return fail(CFileException(CFileException::genericException, 0, path));
    }
}
