#include "finder/camera_catalog.h"

#include "cameras/camera_table.h"
#include "finder/lensfun_cameras.h"

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
    catalog.cameras.insert(catalog.cameras.end(), own.begin(), own.end());
    const CameraDatabase& lensfun = LensfunCameras();
    catalog.cameras.insert(catalog.cameras.end(), lensfun.cameras.begin(), lensfun.cameras.end());
    catalog.problem = lensfun.problem;
    return catalog;
}
