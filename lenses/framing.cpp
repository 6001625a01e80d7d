#include "lenses/framing.h"

#include "calc/calculation.h"
#include "calc/fine_lengths.h"
#include "calc/number_text.h"
#include "framework/base/translate.h"

#include <cmath>
#include <numbers>

namespace {
double Degrees(double side, double v) {
    return 2 * std::atan(side / (2 * v)) * 180 / std::numbers::pi;
}

// Why there is no framing for this lens and sensor; empty when there is.
std::string Refusal(const LensSetup& lens, SensorSize sensor) {
    if (!(lens.f > 0) || !std::isfinite(lens.f) || !lens.unit || !(lens.unit->factor > 0))
        return RefusalText(CalculationStatus::BadFocalLength);
    if (!(sensor.width > 0) || !(sensor.height > 0))
        return Tr("Close-Up", "The camera's sensor size is not known.");
    return {};
}
} // namespace

Framing FramingAt(const LensSetup& lens, SensorSize sensor, double distance) {
    Framing r;
    if (!(r.refusal = Refusal(lens, sensor)).empty())
        return r;
    const double s = ToMillimetres(distance, lens.unit->factor), f = lens.f;
    if (!(s < 1e12)) { // beyond a thousand kilometres, as too large a field
        r.refusal = RefusalText(CalculationStatus::DistanceTooLarge);
        return r;
    }
    if (!(s > f)) {
        r.refusal =
            Tr("Framing", "The subject must be farther from the lens than its focal length.");
        return r;
    }
    const double v = f * s / (s - f);
    const double diagonal = std::hypot(sensor.width, sensor.height);
    const FromMillimetres toUnit(lens.unit->factor);
    r.distance = distance;
    r.horizontal = Degrees(sensor.width, v);
    r.vertical = Degrees(sensor.height, v);
    r.diagonal = Degrees(diagonal, v);
    r.fieldWidth = toUnit(sensor.width * (s - f) / f);
    r.fieldHeight = toUnit(sensor.height * (s - f) / f);
    if (!std::isfinite(r.fieldWidth) || !std::isfinite(r.fieldHeight) ||
        !(r.fieldWidth < 1e9)) // no field a page could print whole
        r.refusal = RefusalText(CalculationStatus::DistanceTooLarge);
    return r;
}

Framing FramingFor(const LensSetup& lens, SensorSize sensor, double size, FrameSide side) {
    Framing r;
    if (!(r.refusal = Refusal(lens, sensor)).empty())
        return r;
    const double across = side == FrameSide::Width ? sensor.width : sensor.height;
    const double mm = ToMillimetres(size, lens.unit->factor);
    if (std::isinf(mm) || mm > 1e12) {
        r.refusal = RefusalText(CalculationStatus::DistanceTooLarge);
        return r;
    }
    if (!(mm > 0)) {
        r.refusal = Tr("Framing", "The subject's size must be a positive length.");
        return r;
    }
    const double s = lens.f * (1 + mm / across);
    return FramingAt(lens, sensor, FromMillimetres(lens.unit->factor)(s));
}

std::vector<std::string> FramingTexts(const Framing& framing, const DistanceUnit& unit,
                                      const NumberSettings& settings) {
    if (!framing.refusal.empty())
        return {};
    // A decimal finer than a glance: the field is read as a size, not a mark.
    const LengthWriting writing(unit, settings);
    const auto degrees = [&settings](double v) { return FixedIn(v, 2, settings) + "\u00B0"; };
    return {writing.WithUnit(framing.distance, 1), degrees(framing.horizontal),
            degrees(framing.vertical), degrees(framing.diagonal),
            writing.Write(framing.fieldWidth, 1) + " \u00D7 " +
                writing.WithUnit(framing.fieldHeight, 1)};
}
