#include "settings/settings_file.h"

#include "cameras/data_state.h"
#include "framework/archive.h"
#include "framework/file.h"
#include "settings/program_path.h"

#include <new>

std::string GetSettingsFilePath() {
    const std::string program = GetProgramPath();
    const std::size_t slash = program.find_last_of('/');
    const std::string folder =
        slash == std::string::npos ? std::string() : program.substr(0, slash);
    return folder + "/" + kSettingsFileName;
}

bool LoadSettings(CDataState* state) {
    if (state == nullptr)
        return false;
    CFile file;
    if (!file.Open(GetSettingsFilePath(), CFile::modeRead | CFile::shareExclusive))
        return false;
    try {
        CArchive ar(&file, CArchive::load);
        state->Serialize(ar);
        return true;
    } catch (const CException&) {
        return false;
    } catch (const std::bad_alloc&) {
        return false;
    }
}

bool SaveSettings(const CDataState* state, CFileException* error) {
    if (state == nullptr)
        return false;
    const std::string path = GetSettingsFilePath();
    const std::string staging = path + ".new";
    // The report names the settings file, whichever step failed.
    const auto fail = [&](CFileException failure) {
        failure.m_strFileName = path;
        if (error)
            *error = failure;
        return false;
    };
    CFile file;
    CFileException failure;
    if (!file.Open(staging, CFile::modeCreate | CFile::modeWrite | CFile::shareExclusive, &failure))
        return fail(failure);
    try {
        CArchive ar(&file, CArchive::store);
        CDataState stored = *state; // storing leaves it unchanged; Serialize is not const
        stored.Serialize(ar);
        ar.Close();
        file.Flush();
        file.Close();
        CFile::Rename(staging, path);
        return true;
    } catch (const CFileException& e) {
        failure = e;
    } catch (const CException&) {
        failure = CFileException(CFileException::genericException);
    } catch (const std::bad_alloc&) {
        failure = CFileException(CFileException::genericException);
    }
    file.Abort();
    CFile::Remove(staging);
    return fail(failure);
}
