#pragma once
// A camera beyond the built-in list: one of lensfun's, or one a person
// describes by its sensor. What is not known of it stays empty.

#include "calc/sensor.h"

#include <string>

struct FoundCamera {
    std::string name;         // as the camera list shows it: "Sony Alpha 7 IV"
    std::string maker;        // "Sony"
    std::string model;        // as the camera writes it in its photos: "ILCE-7M4"
    std::string englishModel; // "Alpha 7 IV", where the database gives one
    std::string variant;      // lensfun's variant of a model ("16:9", "widescreen mode")
    std::string mount;        // "Sony E"
    double cropFactor = 1.0;
    double sensorWidth = 0;  // millimetres
    double sensorHeight = 0; // millimetres
    std::string source;      // "builtin", "own" or "lensfun"
};
