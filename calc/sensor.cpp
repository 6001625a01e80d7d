#include "calc/sensor.h"

#include <cmath>

double CropFactorOfSensor(const SensorSize& sensor) {
    return kFullFrameDiagonalMm / std::hypot(sensor.width, sensor.height);
}

SensorSize SensorOfCropFactor(double cropFactor, double aspect) {
    // A rectangle of sides aspect : 1 has a diagonal √(aspect² + 1) times its
    // shorter side.
    const double shorter = kFullFrameDiagonalMm / cropFactor / std::hypot(aspect, 1.0);
    const auto nanometres = [](double mm) { return std::round(mm * 1e6) / 1e6; };
    return {nanometres(aspect * shorter), nanometres(shorter)};
}
