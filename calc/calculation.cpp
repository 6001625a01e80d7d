#include "calc/calculation.h"

#include "calc/feet_inches.h"
#include "calc/fine_lengths.h"
#include "calc/typed_distance.h"
#include "framework/base/translate.h"

#include <cmath>

namespace {
// "%f", then the user's number format, then the suffix.
std::string LocaleText(double value, const NumberSettings& settings, std::string_view suffix) {
    return FixedIn(value, 6, settings).append(suffix);
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

Lens ReadLens(const CalculationInputs& in, const NumberSettings& settings) {
    Lens lens;
    lens.focalLength = ParseDecimal(in.focalLengthValue);
    lens.diopter = Dioptres(in, settings);
    lens.diopterText = std::string(in.diopterText);
    if (!in.apertureValue.empty())
        lens.fNumber = ParseDecimal(in.apertureValue);
    lens.cocEquivalent = ParseDecimal(in.cofcValue);
    lens.cropFactor = in.cropFactor;
    lens.unitCode = ParseInteger(in.unitValue);
    lens.distanceText = std::string(in.distanceText);
    lens.distance =
        in.distance ? *in.distance : ReadDistanceIn(in.distanceText, lens.Unit(), settings);
    return lens;
}

std::optional<double> CloseUpReach(const Lens& lens) {
    const double D = lens.diopter;
    const DistanceUnit& unit = lens.Unit();
    if (!(D > 0) || !std::isfinite(D) || !(unit.factor > 0))
        return std::nullopt;
    return FromMillimetres(unit.factor)(1000.0 / D);
}

std::string CloseUpReachText(const Lens& lens, const NumberSettings& settings) {
    const std::optional<double> reach = CloseUpReach(lens);
    if (!reach)
        return {};
    const DistanceUnit& unit = lens.Unit();
    return Arg(Tr("Calculate", "a +%1 close-up lens focuses no farther than %2"),
               {FormatShortest(lens.diopter, 2, settings),
                unit.code == kFeetAndInchesCode
                    ? FeetAndInches(*reach, TapeStep(*reach))
                    : FormatShortest(*reach, GlanceDecimals(unit), settings) + unit.suffix});
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

void WriteReadably(CalculationResult& r, const DistanceUnit& unit, const NumberSettings& settings) {
    const DepthInUnit& d = r.depth;
    if (r.status != CalculationStatus::Ok)
        return;
    const LengthWriting writing(unit, settings);
    const int step = writing.ForLimitsAndDepth(d.nearLimit, d.farLimit, d.farIsInfinite);
    r.hyperfocalText = writing.WithUnit(d.hyperfocal);
    r.nearText = writing.WithUnit(d.nearLimit, step);
    if (!d.farIsInfinite) {
        r.farText = writing.WithUnit(d.farLimit, step);
        r.totalText = writing.WithUnit(d.farLimit - d.nearLimit, step);
    }
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
    return Calculate(ReadLens(in, settings), settings);
}

CalculationResult Calculate(const Lens& lens, const NumberSettings& settings) {
    CalculationResult r;
    const LensSetup setup = lens.Setup();
    r.focalLength = setup.f;
    r.coc = setup.c;
    if (std::isfinite(setup.f))
        r.focalLengthText = FocalLengthText(setup.f);
    r.depth = DepthAt(setup, lens.distance.value_or(0));
    const DepthInUnit& d = r.depth;
    r.status = d.status;
    if (d.status != CalculationStatus::Ok)
        return r;
    const DistanceUnit& unit = *setup.unit;
    r.hyperfocalText = LengthText(d.hyperfocal, unit, settings);
    r.nearText = LengthText(d.nearLimit, unit, settings);
    if (d.farIsInfinite) {
        r.farText = Tr("Calculate", kInfinityText);
        r.totalText = r.farText;
    } else {
        r.farText = LengthText(d.farLimit, unit, settings);
        r.totalText = LengthText(d.farLimit - d.nearLimit, unit, settings);
    }
    // Six decimals hold any depth; a tape's marks are made finer where the
    // depth needs them.
    if (unit.code == kFeetAndInchesCode)
        WriteReadably(r, unit, settings);
    r.cocText = LocaleText(setup.c, settings, " mm");
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
