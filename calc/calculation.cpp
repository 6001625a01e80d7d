#include "calc/calculation.h"

#include "calc/feet_inches.h"
#include "calc/typed_distance.h"
#include "framework/base/translate.h"

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

namespace {
// The diopter as a press reads it: its first characters, in the user's settings.
double Dioptres(const CalculationInputs& in, const NumberSettings& settings) {
    return ParseDecimal(
        NormalizeDecimalSeparator(FirstCharacters(in.diopterText, kDiopterCharacters), settings));
}
} // namespace

LensSetup ReadLens(const CalculationInputs& in, const NumberSettings& settings) {
    const double D = Dioptres(in, settings);
    return {ApplyDiopter(ParseDecimal(in.focalLengthValue), D), ParseDecimal(in.apertureValue),
            ParseDecimal(in.cofcValue) / in.cropFactor,
            &DistanceUnitFor(ParseInteger(in.unitValue))};
}

std::optional<double> CloseUpReach(const CalculationInputs& in, const NumberSettings& settings) {
    const double D = Dioptres(in, settings);
    const DistanceUnit& unit = DistanceUnitFor(ParseInteger(in.unitValue));
    if (!(D > 0) || !std::isfinite(D) || !(unit.factor > 0))
        return std::nullopt;
    return FromMillimetres(unit.factor)(1000.0 / D);
}

std::string CloseUpReachText(const CalculationInputs& in, const NumberSettings& settings) {
    const std::optional<double> reach = CloseUpReach(in, settings);
    if (!reach)
        return {};
    const DistanceUnit& unit = DistanceUnitFor(ParseInteger(in.unitValue));
    return Arg(Tr("Calculate", "a +%1 close-up lens focuses no farther than %2"),
               {FormatShortest(Dioptres(in, settings), 2, settings),
                unit.code == kFeetAndInchesCode
                    ? FeetAndInches(*reach, TapeStep(*reach))
                    : FormatShortest(*reach, 6, settings) + unit.suffix});
}

double ReadDistance(std::string_view text, const NumberSettings& settings) {
    return ParseDecimal(NormalizeDecimalSeparator(std::string(text), settings));
}

double ReadDistanceIn(std::string_view text, const DistanceUnit& unit,
                      const NumberSettings& settings) {
    if (unit.code != kFeetAndInchesCode)
        return ReadDistance(text, settings);
    return ReadTypedDistance(text, settings, unit).value_or(0);
}

std::string LengthText(double value, const DistanceUnit& unit, const NumberSettings& settings) {
    if (unit.code == kFeetAndInchesCode)
        return FeetAndInches(value, TapeStep(value));
    return LocaleText(value, settings, unit.suffix);
}

DepthInUnit DepthAt(const LensSetup& lens, double v) {
    DepthInUnit r;
    if (v == 0 || v < 0 || std::isnan(v)) { // an empty text, or none of a number, reads as 0
        r.status = CalculationStatus::NoDistance;
        return r;
    }
    if (!(lens.f > 0) || !std::isfinite(lens.f)) {
        r.status = CalculationStatus::BadFocalLength;
        return r;
    }
    const double s = ToMillimetres(v, lens.unit->factor);
    const DepthOfField dof = ComputeDepthOfField(lens.f, lens.N, lens.c, s);
    const FromMillimetres toUnit(lens.unit->factor);
    r.hyperfocal = toUnit(dof.hyperfocal);
    r.nearLimit = toUnit(dof.nearLimit);
    r.farLimit = toUnit(dof.farLimit);
    r.farIsInfinite = dof.farIsInfinite;
    // A distance so large that the arithmetic runs out of range, or so near
    // that a limit's denominator vanishes, has no meaningful result, and is
    // refused as what it is.
    if (!std::isfinite(s) || !std::isfinite(r.hyperfocal) || !std::isfinite(r.nearLimit) ||
        (!dof.farIsInfinite && !std::isfinite(r.farLimit - r.nearLimit)))
        r.status = std::isfinite(s) && s < dof.hyperfocal ? CalculationStatus::DistanceTooSmall
                                                          : CalculationStatus::DistanceTooLarge;
    return r;
}

CalculationResult Calculate(const CalculationInputs& in, const NumberSettings& settings) {
    CalculationResult r;
    const LensSetup lens = ReadLens(in, settings);
    if (std::isfinite(lens.f))
        r.focalLengthText = FocalLengthText(lens.f);
    const DepthInUnit d = DepthAt(
        lens, in.distance ? *in.distance : ReadDistanceIn(in.distanceText, *lens.unit, settings));
    r.status = d.status;
    if (d.status != CalculationStatus::Ok)
        return r;
    const DistanceUnit& unit = *lens.unit;
    r.hyperfocalText = LengthText(d.hyperfocal, unit, settings);
    r.nearText = LengthText(d.nearLimit, unit, settings);
    if (d.farIsInfinite) {
        r.farText = Tr("Calculate", kInfinityText);
        r.totalText = r.farText;
    } else {
        r.farText = LengthText(d.farLimit, unit, settings);
        r.totalText = LengthText(d.farLimit - d.nearLimit, unit, settings);
    }
    r.cocText = LocaleText(lens.c, settings, " mm");
    return r;
}

std::string RefusalText(CalculationStatus status) {
    switch (status) {
    case CalculationStatus::NoDistance:
        return Tr("Calculate", "You must enter a non-zero, positive distance to the subject.");
    case CalculationStatus::DistanceTooLarge:
        return Tr("Calculate", "The distance is too large to calculate with.");
    case CalculationStatus::DistanceTooSmall:
        return Tr("Calculate", "The distance is too small to calculate with.");
    case CalculationStatus::BadFocalLength:
        return Tr("Calculate",
                  "You must enter a diopter that leaves the lens a positive focal length.");
    case CalculationStatus::Ok:
        break;
    }
    return {};
}
