// Any bytes whatever in the cameras file are read without failing, and a
// save of what was read loses nothing: the cameras come back first, to the
// last bit, and every line that could not be read is still there.
#include "finder/own_cameras.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const OwnCameras own =
        ParseOwnCameras(std::string_view(reinterpret_cast<const char*>(data), size));
    const OwnCameras again = ParseOwnCameras(OwnCamerasText(own));
    if (again.cameras.size() < own.cameras.size() ||
        again.cameras.size() + again.unread.size() != own.cameras.size() + own.unread.size())
        std::abort();
    for (std::size_t i = 0; i < own.cameras.size(); ++i)
        if (again.cameras[i].name != own.cameras[i].name ||
            again.cameras[i].cropFactor != own.cameras[i].cropFactor ||
            again.cameras[i].sensorWidth != own.cameras[i].sensorWidth ||
            again.cameras[i].sensorHeight != own.cameras[i].sensorHeight)
            std::abort();
    return 0;
}
