#pragma once
// Every camera a person may choose from, in the order they are offered:
// the built-in list, the person's own cameras, then lensfun's database.

#include "finder/found_camera.h"

#include <string>
#include <vector>

// Whether the person's camera `mine` stands for `camera`: the same name,
// or the same model (and variant) of the same maker (a camera of lensfun's
// they added, under its name or another).
bool StandsFor(const FoundCamera& mine, const FoundCamera& camera);

// The built-in cameras and film formats, as found cameras (source "builtin").
std::vector<FoundCamera> BuiltInCameras();

struct CameraCatalog {
    std::vector<FoundCamera> cameras;
    std::string problem;      // why lensfun's cameras are missing, when they are
    std::size_t firstOwn = 0; // the person's cameras: from here,
    std::size_t ownCount = 0; // so many
    bool IsOwn(std::size_t i) const { return i >= firstOwn && i - firstOwn < ownCount; }
};
// The built-in cameras, `own` and lensfun's (read now, if not read before);
// a camera of lensfun's the person added is listed once, as theirs.
CameraCatalog AllCameras(const std::vector<FoundCamera>& own = {});
