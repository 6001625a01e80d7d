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

CameraCatalog AllCameras(const std::vector<FoundCamera>& own) {
    CameraCatalog catalog{BuiltInCameras(), {}};
    catalog.firstOwn = catalog.cameras.size();
    catalog.ownCount = own.size();
    catalog.cameras.insert(catalog.cameras.end(), own.begin(), own.end());
    const CameraDatabase& lensfun = LensfunCameras();
    const auto isOwn = [&own](const FoundCamera& c) {
        return std::any_of(own.begin(), own.end(), [&c](const FoundCamera& mine) {
            return mine.name == c.name || (!mine.model.empty() && mine.maker == c.maker &&
                                           mine.model == c.model && mine.variant == c.variant);
        });
    };
    std::copy_if(lensfun.cameras.begin(), lensfun.cameras.end(),
                 std::back_inserter(catalog.cameras),
                 [&](const FoundCamera& c) { return !isOwn(c); });
    catalog.problem = lensfun.problem;
    return catalog;
}
