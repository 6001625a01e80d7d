#include "finder/lensfun_cameras.h"

#include "finder/lensfun_cache.h"
#include "finder/lensfun_reading.h"
#include "framework/base/modules.h"
#include "framework/base/translate.h"

#include <cstdlib>

namespace {
constexpr const char* kUnreadable =
    TR_NOOP("Cameras", "lensfun's camera database could not be read, so only the built-in cameras "
                       "and your own are offered.");

// The lensfun module, loaded at the first call; none, with `why` said, when
// it cannot serve.
const LensfunReading* Reading(std::string& why) {
    static std::string problem;
    static const LensfunReading* const reading = [] {
        ModuleFile file = OpenProgramModule(kLensfunModuleFile);
        using Entry = const LensfunReading*();
        auto* entry =
            reinterpret_cast<Entry*>(ModuleSymbol(LoadModuleFile(file), "vexton_lensfun_reading"));
        if (!entry)
            problem = ModuleProblemText(
                Tr("Modules", "lensfun's camera database"), kLensfunModuleFile,
                file.problem == ModuleProblem::None ? ModuleProblem::Missing : file.problem);
        return entry ? entry() : nullptr;
    }();
    why = problem;
    return reading;
}

// What the module read, or why nothing was: in the person's language.
CameraDatabase Said(CameraDatabase read) {
    if (read.cameras.empty() && read.problem.empty())
        read.problem = Tr("Cameras", kUnreadable);
    return read;
}
} // namespace

LensfunFolders LensfunFoldersHere() {
    const char* data = std::getenv("XDG_DATA_HOME");
    const char* home = std::getenv("HOME");
    std::string own;
    if (data && data[0] == '/')
        own = std::string(data) + "/lensfun";
    else if (home && home[0] == '/')
        own = std::string(home) + "/.local/share/lensfun";
    return {VEXTON_LENSFUN_DATA "/lensfun/version_1", "/var/lib/lensfun-updates/version_1", own};
}

CameraDatabase ReadLensfunDatabase(const LensfunFolders& folders) {
    CameraDatabase read;
    if (const LensfunReading* reading = Reading(read.problem))
        read = reading->database(folders);
    return Said(std::move(read));
}

const CameraDatabase& LensfunCameras() {
    static const CameraDatabase database =
        CachedLensfunDatabase(LensfunFoldersHere(), LensfunCacheHere());
    return database;
}

CameraDatabase ReadLensfunCameras(const std::string& folder) {
    CameraDatabase read;
    if (const LensfunReading* reading = Reading(read.problem))
        read = reading->folder(folder);
    return Said(std::move(read));
}
