#pragma once
// lensfun's cameras, read from its database the first time they are asked
// for: reading takes tens of milliseconds, so never on the way to the first
// window nor to a calculation with a built-in camera.

#include "finder/found_camera.h"

#include <string>
#include <vector>

struct CameraDatabase {
    std::vector<FoundCamera> cameras; // in the database's order
    std::string problem;              // one sentence when it could not be read
};

// The database lensfun itself finds (the system's, and the user's own
// updates), read once.
const CameraDatabase& LensfunCameras();

// The cameras of lensfun's XML files in one folder.
CameraDatabase ReadLensfunCameras(const std::string& folder);
