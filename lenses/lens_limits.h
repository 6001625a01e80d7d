#pragma once
// What a chosen lens allows: its focal lengths, the apertures it opens to
// at each, and how near it focuses. A choice beyond it is refused in one
// sentence; a distance nearer than it focuses is calculated all the same,
// and noted.

#include "calc/lens.h"
#include "framework/base/number_format.h"
#include "lenses/lens_catalog.h"

#include <optional>
#include <string>

// Why focal length `f` (mm) is not one of the lens's; empty when it is.
std::string FocalLengthRefusal(const LensRecord& lens, double f, const NumberSettings& settings);

// Why f-number `N` cannot be set at focal length `f`: wider than the lens
// opens there, or smaller than it closes; empty when it can. A list's entry
// ("f/5.6", 5.657) counts as the aperture its name says.
std::string ApertureRefusal(const LensRecord& lens, double f, double N,
                            const NumberSettings& settings);

// The subject's distance from the sensor plane for one `distance` (in the
// unit) from the lens: s + f·s/(s − f).
double FromSensorPlane(const LensSetup& setup, double distance);

// When `distance` (in the unit, from the lens) is nearer than the lens
// focuses, the sentence that says so ("1.00 ft from the lens is nearer than
// this lens focuses: 1.48 ft from the sensor."); empty otherwise.
std::string MinimumFocusNote(const LensRecord& lens, const LensSetup& setup, double distance,
                             const NumberSettings& settings);

// The greatest magnification the lens gives at its minimum focus distance;
// none when that is not known.
std::optional<double> GreatestMagnification(const LensRecord& lens, double f);
