#include "settings/settings_file.h"

#include "cameras/data_state.h"
#include "framework/archive.h"
#include "framework/file.h"

#include <new>

namespace {
// A save takes milliseconds; another instance holding the file is waited for.
constexpr int kLockWaitMs = 1000;

// No list text comes near this; a longer record is damage, not a choice.
constexpr std::uint64_t kLongestStoredText = 64 * 1024;
} // namespace

std::string SettingsFilePath(const std::string& programPath) {
    const std::size_t slash = programPath.find_last_of('/');
    const std::string folder =
        slash == std::string::npos ? std::string() : programPath.substr(0, slash);
    return folder + "/" + kSettingsFileName;
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
