#pragma once
// Focused where a photo does not say: the depth of field at the distances a
// photographer sets by the lens's distance scale (a zone table), at one
// typed for the photo, at infinity, and at both ends of a distance the
// camera knew only roughly. Each the very numbers a press of Calculate
// gives for the same lens at that distance.

#include "calc/calculation.h"
#include "calc/lens.h"

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

struct ZoneRow {
    std::string focusedAt;    // "3 m", "10 ft"; the results' word for infinity
    CalculationResult result; // as written beside the results form
};

// Focused at 1, 2, 3, 5 and 10 m (3, 5, 10, 15 and 30 ft in feet, feet and
// inches, or inches), each the number a person would type in the unit
// ("300" in centimetres), and at infinity; none when the lens lacks its
// focal length, f-number or circle of confusion.
std::vector<ZoneRow> ZonesOf(const Lens& lens, const NumberSettings& settings);

// Focused at infinity: sharp from f²/(N·c), the near limit the arithmetic
// tends to as the distance grows without end; the hyperfocal distance
// beside it. Status NoDistance when the lens lacks what it takes.
CalculationResult AtInfinity(const Lens& lens, const NumberSettings& settings);

// Focused at a distance typed for the photo, with its own unit or in the
// lens's ("3 m", "10 ft 6 in", "∞"); status NoDistance for a text that is
// no distance.
CalculationResult AnswerAt(const Lens& lens, std::string_view typed,
                           const NumberSettings& settings);

// A distance known only between two ends (metres): the nearest sharp
// focused at its near end, the farthest focused at its far end, in the
// unit, and whether the ends lie further apart than the depth of field at
// the distance used (`depth`).
struct SharpSpan {
    double nearest = 0;
    double farthest = 0;
    bool farthestInfinite = false;
    bool widerThanDepth = false;
};
std::optional<SharpSpan> SpanOfRange(const Lens& lens, std::pair<double, double> metres,
                                     const DepthInUnit& depth, const NumberSettings& settings);
