#include "finder/found_camera.h"

#include <cmath>

double CropFactorOfSensor(double width, double height) {
    return kFullFrameDiagonalMm / std::hypot(width, height);
}

SensorSize SensorOfCropFactor(double cropFactor) {
    // A 3:2 rectangle's sides are 3/√13 and 2/√13 of its diagonal.
    // To the nanometre, so that a full frame is 36 × 24 and not a hair more.
    const double unit = kFullFrameDiagonalMm / cropFactor / std::sqrt(13.0);
    const auto nanometres = [](double mm) { return std::round(mm * 1e6) / 1e6; };
    return {nanometres(3 * unit), nanometres(2 * unit)};
}
