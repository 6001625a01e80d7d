#pragma once
// Every camera a person may choose from, in the order they are offered:
// the built-in list, the person's own cameras, then lensfun's database.

#include "finder/found_camera.h"

#include <string>
#include <vector>

// The built-in cameras and film formats, as found cameras (source "builtin").
std::vector<FoundCamera> BuiltInCameras();

struct CameraCatalog {
    std::vector<FoundCamera> cameras;
    std::string problem; // why lensfun's cameras are missing, when they are
};
// The built-in cameras, `own` and lensfun's (read now, if not read before).
CameraCatalog AllCameras(const std::vector<FoundCamera>& own = {});
