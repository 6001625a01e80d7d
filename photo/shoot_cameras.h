#pragma once
// The cameras and lenses of a shoot's photos, each looked for once: a shoot
// is mostly one camera or two, and the person's lenses and lensfun's are
// read when a photo first records a lens.

#include "finder/found_camera.h"
#include "lenses/lens_catalog.h"
#include "photo/photo_shot.h"

#include <map>
#include <optional>
#include <string>
#include <vector>

struct SettingsLocation;

class ShootCameras {
  public:
    // `settings` must outlive it.
    explicit ShootCameras(const SettingsLocation& settings);
    ShootCameras(const SettingsLocation& settings, std::vector<FoundCamera> own);
    // The camera, and the lens the photo records as found.
    PhotoCamera Of(const PhotoFacts& facts);

  private:
    const PhotoCamera& CameraOf(const PhotoFacts& facts);

    const SettingsLocation& m_settings;
    std::vector<FoundCamera> m_own;
    std::map<std::string, PhotoCamera> m_cameras; // by make and model
    std::optional<std::vector<LensRecord>> m_lenses;
    std::map<std::string, std::string> m_lensesFound; // by what a photo records of its lens
};
