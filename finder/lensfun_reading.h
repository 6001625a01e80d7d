#pragma once
// lensfun's database read through lensfun itself: a module the program loads
// only when its kept copy of the database will not serve, so that a run
// that needs no lensfun camera, or finds the copy current, loads neither
// lensfun nor glib. The module's one entry point, `vexton_lensfun_reading`,
// gives these.

#include "finder/lensfun_cameras.h"

struct LensfunReading {
    // The database as lensfun would read it from these folders; the
    // cameras empty when it could not be read.
    CameraDatabase (*database)(const LensfunFolders& folders);
    // The *.xml files of one folder alone.
    CameraDatabase (*folder)(const std::string& folder);
};

inline constexpr char kLensfunModuleFile[] = "libvexton-lensfun.so";
