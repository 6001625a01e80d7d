#pragma once
// The lens a photographer has chosen, in numbers: read once from the
// choices (the main form's lists and boxes, the command line's options, a
// photo), with the texts a person reads of it beside them. Every
// calculation, table, chart, plan and verb works from these numbers; texts
// are made from them only where they are shown, written or printed.

#include "calc/dof.h"
#include "calc/sensor.h"

#include <cmath>
#include <optional>
#include <string>

// The optics a calculation works with: the focal length after the diopter,
// the f-number and the circle of confusion on the sensor, all in
// millimetres, and the unit distances are in.
struct LensSetup {
    double f;
    double N;
    double c;
    const DistanceUnit* unit;
};

struct Lens {
    // What a person reads of it.
    std::string cameraName;   // as the camera list shows it
    std::string apertureText; // the entry's ("f/5.6") or as typed ("f/6.3"); empty: none chosen
    std::string unitName;     // as the unit list shows it
    std::string diopterText;  // as typed, UTF-8
    std::string distanceText; // as typed, UTF-8

    // The numbers.
    double focalLength = 0;        // millimetres, as chosen: before a close-up lens
    double diopter = 0;            // of a close-up lens; 0 for none
    std::optional<double> fNumber; // none when no aperture is chosen
    double cocEquivalent = 0;      // the circle of confusion chosen, for 36 × 24 mm
    double cropFactor = 1.0;
    SensorSize sensor;              // millimetres; 0 where not known
    int unitCode = 0;               // the unit list's position
    std::optional<double> distance; // the typed distance in the unit, when it reads as one

    const DistanceUnit& Unit() const { return DistanceUnitFor(unitCode); }
    // The typed distance when it is one to mark or start from: positive and finite.
    std::optional<double> TypedDistance() const {
        if (distance && *distance > 0 && *distance < HUGE_VAL)
            return distance;
        return std::nullopt;
    }
    // The focal length a close-up lens leaves (ApplyDiopter).
    double EffectiveFocalLength() const { return ApplyDiopter(focalLength, diopter); }
    // The circle of confusion on this camera's sensor: the chosen one over
    // the crop factor.
    double Coc() const { return cocEquivalent / cropFactor; }
    // The optics at f-number N, and at its own (0 when none is chosen).
    LensSetup At(double N) const { return {EffectiveFocalLength(), N, Coc(), &Unit()}; }
    LensSetup Setup() const { return At(fNumber.value_or(0)); }
};
