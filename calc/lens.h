#pragma once
// The lens a photographer has chosen, as the table, the planner, the command
// line and every page heading work from it: made once, from the main form's
// choices or from the command line's options, and owning its texts.

#include "calc/calculation.h"

#include <optional>
#include <string>

struct Lens {
    std::string cameraName; // as the camera list shows it
    double cropFactor = 1.0;
    double sensorWidth = 0; // millimetres
    // The value texts of the selected list entries, or of the numbers typed.
    std::string focalLengthValue, apertureValue, unitValue, cofcValue;
    std::string unitName;                  // as the unit list shows it
    std::string apertureText;              // its name: the entry's text, or "f/6.3" as typed
    std::string diopterText, distanceText; // as typed, UTF-8
    // The typed distance in the unit, where it was read already.
    std::optional<double> distance;

    // The inputs a press of Calculate reads; their views point into this
    // lens's texts.
    CalculationInputs Inputs() const;
    // The same without the aperture and the distance, which the table and
    // the planner set for themselves.
    CalculationInputs Optics() const;
};
