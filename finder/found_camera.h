#pragma once
// A camera beyond the built-in list: one of lensfun's, or one a person
// describes by its sensor. What is not known of it stays empty.

#include <string>

struct FoundCamera {
    std::string name;         // as the camera list shows it: "Sony Alpha 7 IV"
    std::string maker;        // "Sony"
    std::string model;        // as the camera writes it in its photos: "ILCE-7M4"
    std::string englishModel; // "Alpha 7 IV", where the database gives one
    std::string mount;        // "Sony E"
    double cropFactor = 1.0;
    double sensorWidth = 0;  // millimetres
    double sensorHeight = 0; // millimetres
    std::string source;      // "builtin", "own" or "lensfun"
};

// The diagonal of the 36 × 24 mm frame, in millimetres.
inline constexpr double kFullFrameDiagonalMm = 43.266615305567875;

// The crop factor of a sensor of `width` × `height` millimetres.
double CropFactorOfSensor(double width, double height);

// A 3:2 sensor whose crop factor is `cropFactor`: {width, height} in millimetres.
struct SensorSize {
    double width, height;
};
SensorSize SensorOfCropFactor(double cropFactor);
