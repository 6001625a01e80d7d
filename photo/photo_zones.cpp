#include "photo/photo_zones.h"

#include "calc/fine_lengths.h"
#include "calc/typed_distance.h"
#include "framework/base/number_format.h"
#include "framework/base/translate.h"

namespace {
bool Whole(const Lens& lens) {
    const LensSetup setup = lens.Setup();
    return setup.f > 0 && setup.N > 0 && setup.c > 0 && setup.unit && setup.unit->factor > 0;
}

// What a press gives for the lens at `distance` (in its unit), written as
// the forms beside the results form write it.
CalculationResult At(Lens lens, double distance, std::string text, const NumberSettings& s) {
    lens.distance = distance;
    lens.distanceText = std::move(text);
    CalculationResult r = Calculate(lens, s);
    if (r.status == CalculationStatus::Ok)
        WriteReadably(r, lens.Unit(), s);
    return r;
}
} // namespace

CalculationResult AtInfinity(const Lens& lens, const NumberSettings& settings) {
    CalculationResult r;
    r.status = CalculationStatus::NoDistance;
    if (!Whole(lens))
        return r;
    const LensSetup setup = lens.Setup();
    const FromMillimetres toUnit(setup.unit->factor);
    const double nearMm = setup.f * setup.f / (setup.c * setup.N);
    // The hyperfocal distance as a press finds it, focused there.
    r = At(lens, toUnit(nearMm + setup.f), "", settings);
    if (r.status != CalculationStatus::Ok)
        return r;
    r.depth.nearLimit = toUnit(nearMm);
    r.depth.farIsInfinite = true;
    WriteReadably(r, *setup.unit, settings);
    return r;
}

std::vector<ZoneRow> ZonesOf(const Lens& lens, const NumberSettings& settings) {
    std::vector<ZoneRow> zones;
    if (!Whole(lens))
        return zones;
    const DistanceUnit& unit = lens.Unit();
    const bool inches = unit.code == kInchesCode;
    const bool metric = !inches && unit.code != kFeetCode && unit.code != kFeetAndInchesCode;
    const double perStep = metric ? 1 / unit.factor : inches ? 12 : 1;
    const std::vector<double> scale =
        metric ? std::vector<double>{1, 2, 3, 5, 10} : std::vector<double>{3, 5, 10, 15, 30};
    for (const double step : scale) {
        // The number a person types: 300 in centimetres, 36 in inches.
        const double typed =
            metric && unit.factor != 1 ? std::round(step * perStep) : step * perStep;
        if (typed * unit.factor * 1000 <= lens.Setup().f) // nothing that near is in focus
            continue;
        CalculationResult r =
            At(lens, typed, FormatShortest(typed, 6, PlainNumberSettings()), settings);
        if (r.status == CalculationStatus::Ok)
            zones.push_back(
                {FormatShortest(typed, 6, settings) + unit.suffix, std::move(r)}); // "3 m"
    }
    CalculationResult infinity = AtInfinity(lens, settings);
    if (infinity.status == CalculationStatus::Ok)
        zones.push_back({Tr("Calculate", kInfinityText), std::move(infinity)});
    return zones;
}

CalculationResult AnswerAt(const Lens& lens, std::string_view typed,
                           const NumberSettings& settings) {
    if (IsInfinityText(typed))
        return AtInfinity(lens, settings);
    const std::optional<double> distance = ReadTypedDistance(typed, settings, lens.Unit());
    CalculationResult refused;
    refused.status = CalculationStatus::NoDistance;
    if (!distance)
        return refused;
    // A subject no farther than the focal length cannot be in focus at all.
    if (*distance * lens.Unit().factor * 1000 <=
        lens.Setup().f * (1 + 1e-6)) { // to the units' rounding
        refused.status = CalculationStatus::DistanceTooSmall;
        return refused;
    }
    return At(lens, *distance, std::string(typed), settings);
}

std::optional<SharpSpan> SpanOfRange(const Lens& lens, std::pair<double, double> metres,
                                     const DepthInUnit& depth, const NumberSettings& settings) {
    const DistanceUnit& unit = lens.Unit();
    const CalculationResult nearEnd = At(lens, MetresInUnit(metres.first, unit), "", settings);
    const CalculationResult farEnd = At(lens, MetresInUnit(metres.second, unit), "", settings);
    if (nearEnd.status != CalculationStatus::Ok || farEnd.status != CalculationStatus::Ok)
        return std::nullopt;
    SharpSpan span;
    span.nearest = nearEnd.depth.nearLimit;
    span.farthestInfinite = farEnd.depth.farIsInfinite;
    span.farthest = farEnd.depth.farLimit;
    const double spread = MetresInUnit(metres.second, unit) - MetresInUnit(metres.first, unit);
    span.widerThanDepth = !depth.farIsInfinite && spread > depth.farLimit - depth.nearLimit;
    return span;
}
