#pragma once
// A sensor (or a frame of film) and its crop factor: the one sensor type and
// the one crop-factor computation every part of the program uses.

// The diagonal of the 36 × 24 mm frame, in millimetres.
inline constexpr double kFullFrameDiagonalMm = 43.266615305567875;

// A sensor's size, in millimetres; 0 where it is not known.
struct SensorSize {
    double width = 0, height = 0;
    bool operator==(const SensorSize&) const = default;
};

// The crop factor of a sensor: the full frame's diagonal over its own.
double CropFactorOfSensor(const SensorSize& sensor);
inline double CropFactorOfSensor(double width, double height) {
    return CropFactorOfSensor(SensorSize{width, height});
}

// A sensor of crop factor `cropFactor` whose sides stand as `aspect` to 1
// (3:2 unless told), each side to the nanometre, so that a full frame is
// 36 × 24 and not a hair more.
SensorSize SensorOfCropFactor(double cropFactor, double aspect = 1.5);
