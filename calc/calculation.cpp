#include "calc/calculation.h"

#include "calc/dof.h"

#include <cmath>

namespace {
// "%f", then the user's number format, then the suffix.
std::string LocaleText(double value, const NumberSettings& settings, std::string_view suffix) {
    return FormatLocaleNumber(FormatFixed(value, 6), 6, settings).append(suffix);
}

// A focal length that rounds to zero reads as zero, whatever its sign.
std::string FocalLengthText(double f) {
    std::string text = FormatFixed(f, 2);
    if (text == "-0.00")
        text.erase(0, 1);
    return text.append(" mm");
}
} // namespace

CalculationResult Calculate(const CalculationInputs& in, const NumberSettings& settings) {
    CalculationResult r;
    double f = ParseDecimal(in.focalLengthValue);
    const double N = ParseDecimal(in.apertureValue);
    const DistanceUnit& unit = DistanceUnitFor(ParseInteger(in.unitValue));
    const std::string distance = NormalizeDecimalSeparator(std::string(in.distanceText), settings);
    const double D = ParseDecimal(
        NormalizeDecimalSeparator(FirstCharacters(in.diopterText, kDiopterCharacters), settings));
    f = ApplyDiopter(f, D);
    if (std::isfinite(f))
        r.focalLengthText = FocalLengthText(f);
    const double c = ParseDecimal(in.cofcValue) / in.cropFactor;

    const double v = ParseDecimal(distance); // an empty text, or none of a number, reads as 0
    if (v == 0 || v < 0 || std::isnan(v)) {
        r.status = CalculationStatus::NoDistance;
        return r;
    }
    if (!(f > 0) || !std::isfinite(f)) {
        r.status = CalculationStatus::BadFocalLength;
        return r;
    }
    const double s = ToMillimetres(v, unit.factor);
    const DepthOfField dof = ComputeDepthOfField(f, N, c, s);
    const FromMillimetres toUnit(unit.factor);
    const double hyperfocal = toUnit(dof.hyperfocal);
    const double nearLimit = toUnit(dof.nearLimit);
    const double farLimit = toUnit(dof.farLimit);
    // A distance so large that the arithmetic runs out of range, or so near
    // that a limit's denominator vanishes, has no meaningful result, and is
    // refused as what it is.
    if (!std::isfinite(s) || !std::isfinite(hyperfocal) || !std::isfinite(nearLimit) ||
        (!dof.farIsInfinite && !std::isfinite(farLimit - nearLimit))) {
        r.status = std::isfinite(s) && s < dof.hyperfocal ? CalculationStatus::DistanceTooSmall
                                                          : CalculationStatus::DistanceTooLarge;
        return r;
    }

    r.hyperfocalText = LocaleText(hyperfocal, settings, unit.suffix);
    r.nearText = LocaleText(nearLimit, settings, unit.suffix);
    if (dof.farIsInfinite) {
        r.farText = kInfinityText;
        r.totalText = kInfinityText;
    } else {
        r.farText = LocaleText(farLimit, settings, unit.suffix);
        r.totalText = LocaleText(farLimit - nearLimit, settings, unit.suffix);
    }
    r.cocText = LocaleText(c, settings, " mm");
    return r;
}

const char* RefusalText(CalculationStatus status) {
    switch (status) {
    case CalculationStatus::NoDistance:
        return "You must enter a non-zero, positive distance to the subject.";
    case CalculationStatus::DistanceTooLarge:
        return "The distance is too large to calculate with.";
    case CalculationStatus::DistanceTooSmall:
        return "The distance is too small to calculate with.";
    case CalculationStatus::BadFocalLength:
        return "You must enter a diopter that leaves the lens a positive focal length.";
    case CalculationStatus::Ok:
        break;
    }
    return nullptr;
}
