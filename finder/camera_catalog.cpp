#include "finder/camera_catalog.h"

#include "cameras/camera_table.h"
#include "finder/lensfun_cameras.h"

#include <algorithm>
#include <iterator>
#include <string_view>

std::vector<FoundCamera> BuiltInCameras() {
    std::vector<FoundCamera> out;
    out.reserve(kCameraCount);
    for (const CameraRecord& record : cameraTable) {
        FoundCamera camera;
        camera.name = record.name;
        if (std::string_view(record.exifName) != "(none)")
            camera.model = record.exifName;
        camera.cropFactor = record.cropFactor;
        camera.sensorWidth = record.sensorWidth;
        camera.sensorHeight = record.sensorHeight;
        camera.source = "builtin";
        out.push_back(std::move(camera));
    }
    return out;
}

bool StandsFor(const FoundCamera& mine, const FoundCamera& camera) {
    return mine.name == camera.name ||
           (!mine.model.empty() && mine.maker == camera.maker && mine.model == camera.model &&
            mine.variant == camera.variant);
}

CameraCatalog AllCameras(const std::vector<FoundCamera>& own) {
    CameraCatalog catalog{BuiltInCameras(), {}};
    catalog.firstOwn = catalog.cameras.size();
    catalog.ownCount = own.size();
    catalog.cameras.insert(catalog.cameras.end(), own.begin(), own.end());
    const CameraDatabase& lensfun = LensfunCameras();
    const auto isOwn = [&own](const FoundCamera& c) {
        return std::any_of(own.begin(), own.end(),
                           [&c](const FoundCamera& mine) { return StandsFor(mine, c); });
    };
    std::copy_if(lensfun.cameras.begin(), lensfun.cameras.end(),
                 std::back_inserter(catalog.cameras),
                 [&](const FoundCamera& c) { return !isOwn(c); });
    catalog.problem = lensfun.problem;
    return catalog;
}
