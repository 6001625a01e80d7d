#pragma once
// lensfun's cameras, read from its database the first time they are asked
// for: reading takes tens of milliseconds, so never on the way to the first
// window nor to a calculation with a built-in camera.

#include "finder/found_camera.h"

#include <string>
#include <vector>

// A lens of lensfun's, as its database gives it, its name read as lensfun
// reads it where the entry gives no focal length or aperture.
struct LensfunLens {
    std::string maker, model;          // "Fujifilm", "XF23mmF2 R WR", as photos write it
    std::string englishModel;          // "XF 23mm f/2 R WR", where the database gives one
    std::string mount;                 // the first of its mounts: "Sony E"
    double minFocal = 0, maxFocal = 0; // mm
    double widest = 0;                 // the smallest f-number, at the short end
    double smallest = 0;               // the largest f-number; 0 when not given
};

struct CameraDatabase {
    std::vector<FoundCamera> cameras; // in the database's order
    std::vector<LensfunLens> lenses;  // in the database's order
    std::string problem;              // one sentence when it could not be read
};

// Where lensfun keeps its database, as lensfun itself finds it: the
// system's, the system's updates, and the person's own folder (with its
// updates below it).
struct LensfunFolders {
    std::string system;        // /usr/share/lensfun/version_1
    std::string systemUpdates; // /var/lib/lensfun-updates/version_1
    std::string own;           // $XDG_DATA_HOME/lensfun, ~/.local/share/lensfun
};
// The folders of this machine and of the running user (XDG_DATA_HOME, else
// HOME's .local/share).
LensfunFolders LensfunFoldersHere();

// The database read from `folders` as lensfun reads it, the newest of the
// system's and the updates and then the person's own files, but with care
// that no file can make it hang or take without end: only regular files
// named *.xml are read, each at most 8 MiB and 32 MiB in all; the person's
// folders only when they belong to the running user and no one else may
// write them; and only cameras whose crop factor is from 0.1 to 20 are
// offered.
CameraDatabase ReadLensfunDatabase(const LensfunFolders& folders);

// The database of this machine, read once.
const CameraDatabase& LensfunCameras();

// The cameras of lensfun's XML files in one folder, read as above.
CameraDatabase ReadLensfunCameras(const std::string& folder);
