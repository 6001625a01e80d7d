#include "finder/found_camera.h"

#include <cmath>

double CropFactorOfSensor(double width, double height) {
    return kFullFrameDiagonalMm / std::hypot(width, height);
}

SensorSize SensorOfCropFactor(double cropFactor) {
    // A 3:2 rectangle's sides are 3/√13 and 2/√13 of its diagonal.
    const double diagonal = kFullFrameDiagonalMm / cropFactor;
    const double unit = diagonal / std::sqrt(13.0);
    return {3 * unit, 2 * unit};
}
