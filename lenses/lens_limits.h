#pragma once
// What a chosen lens allows: its focal lengths, the apertures it opens to
// at each, and how near it focuses. A choice beyond it is refused in one
// sentence; a distance nearer than it focuses is calculated all the same,
// and noted.

#include "calc/lens.h"
#include "framework/base/choice_entry.h"
#include "framework/base/number_format.h"
#include "lenses/lens_catalog.h"

#include <optional>
#include <string>
#include <vector>

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

// When magnification `m` is beyond what the lens gives at focal length `f`
// without extension, the sentence that says so ("Without extension this
// lens reaches at most 0.25×, at 0.45 m from the sensor."); empty otherwise,
// and when its minimum focus distance is not known.
std::string BeyondReachNote(const LensRecord& lens, double f, double m,
                            const NumberSettings& settings);

// The entries of a focal-length list (`all`, valued in mm) a lens leaves:
// those within its range, in order, with its two ends where the list has
// no entry of theirs (a prime: its one focal length).
std::vector<ChoiceEntry> FocalLengthsOfLens(const std::vector<ChoiceEntry>& all,
                                            const LensRecord& lens);

// The entries of an aperture list (`all`, by f-number) a lens leaves at
// focal length `f`: from the widest it opens to there, named to a tenth
// and never wider ("f/3.5"; 4.63 is "f/4.7"), to its smallest.
std::vector<ChoiceEntry> AperturesOfLens(const std::vector<ChoiceEntry>& all,
                                         const LensRecord& lens, double f);
