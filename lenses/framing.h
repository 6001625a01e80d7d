#pragma once
// How a lens frames a shot: the angles of view, the field the sensor
// covers at the subject, and the distance that frames a subject of a given
// size. Distances are from the lens, as the main form's are; lengths in
// the unit; the sensor in millimetres.

#include "calc/lens.h"
#include "framework/base/number_format.h"

#include <optional>
#include <string>
#include <vector>

struct Framing {
    double distance = 0;                               // from the lens, in the unit
    double horizontal = 0, vertical = 0, diagonal = 0; // angles of view, degrees
    double fieldWidth = 0, fieldHeight = 0;            // at the subject, in the unit
    std::string refusal; // one sentence; empty when there is a framing
};

// At `distance` (in the unit) from the lens: with v = f·s/(s − f), each
// angle 2·atan(side/(2·v)), the field side·(s − f)/f.
Framing FramingAt(const LensSetup& lens, SensorSize sensor, double distance);

// What frames a subject `size` (in the unit) across the sensor's `side`
// (mm): at s = f·(1 + size/side) from the lens.
enum class FrameSide { Width, Height };
Framing FramingFor(const LensSetup& lens, SensorSize sensor, double size, FrameSide side);

// The framing's lines as a person reads them, in the form's order: the
// distance, the three angles (degrees to two decimals), the field.
inline constexpr std::size_t kFramingLines = 5;
std::vector<std::string> FramingTexts(const Framing& framing, const DistanceUnit& unit,
                                      const NumberSettings& settings);
