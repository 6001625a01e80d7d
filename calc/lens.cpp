#include "calc/lens.h"

CalculationInputs Lens::Inputs() const {
    CalculationInputs in = Optics();
    in.apertureValue = apertureValue;
    in.distanceText = distanceText;
    in.distance = distance;
    return in;
}

CalculationInputs Lens::Optics() const {
    return {focalLengthValue, "", unitValue, cofcValue, cropFactor, "", diopterText};
}
