#include "calc/dof.h"

// The factors are the single-precision values widened to double, exactly as
// the original unit table held them.
const DistanceUnit distanceUnits[kDistanceUnitCount] = {
    {0, "feet", " ft", static_cast<double>(0.3048f)},
    {1, "inches", " in", static_cast<double>(0.0254f)},
    {2, "meters", " m", 1.0},
    {3, "centimeters", " cm", static_cast<double>(0.01f)},
    // Feet, written as a tape measure shows them; every number behind the
    // texts is the same double as in feet.
    {4, "feet and inches", " ft", static_cast<double>(0.3048f)},
};

namespace {
constexpr DistanceUnit kNoUnit = {-1, "", "", 0.0};

constexpr double kFarTolerance = 0.00001;        // mm: subject at or beyond the hyperfocal distance
constexpr double kInfiniteFarLimit = 10000000.0; // mm; never shown
} // namespace

const DistanceUnit& DistanceUnitFor(int code) {
    if (code < 0 || code >= kDistanceUnitCount)
        return kNoUnit;
    return distanceUnits[code];
}

double ApplyDiopter(double f, double D) {
    if (D == 0)
        return f;
    const double a = 1000.0 / D; // focal length of the close-up lens, mm
    const double b = 1.0 / a;
    const double g = 1.0 / f;
    return 1.0 / (b + g);
}

DepthOfField ComputeDepthOfField(double f, double N, double c, double s) {
    DepthOfField r{};
    r.hyperfocal = (f * f) / (c * N) + f;
    const double A = (r.hyperfocal - f) * s;
    r.nearLimit = A / ((s + r.hyperfocal) - f * 2.0);
    const double d = r.hyperfocal - s;
    if (d <= kFarTolerance) {
        r.farIsInfinite = true;
        r.farLimit = kInfiniteFarLimit;
    } else {
        r.farLimit = A / d;
    }
    // A subject nearer than the focal length: both limits coincide.
    if (r.farLimit < r.nearLimit)
        r.farLimit = r.nearLimit;
    return r;
}
