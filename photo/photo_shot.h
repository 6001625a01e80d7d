#pragma once
// The shot a photo records, as a press of Calculate reads it: the camera it
// was taken with, found among the person's cameras, the built-in list and
// lensfun's database (or worked out from its two focal lengths), and the
// depth of field at its focal length, f-number and focus distance, in the
// unit and with the circle of confusion chosen, by the same code and in the
// same texts as a press of Calculate.

#include "calc/calculation.h"
#include "calc/lens.h"
#include "finder/found_camera.h"
#include "framework/base/calendar_time.h"
#include "lenses/lens_catalog.h"
#include "photo/photo_facts.h"
#include "photo/photo_zones.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

struct PhotoCamera {
    enum class From { Own, BuiltIn, Lensfun, FocalLengths, None };
    From from = From::None;
    std::optional<FoundCamera> camera; // none: the person must choose it
    int builtInIndex = -1;             // the built-in list's record, for From::BuiltIn
    int ownIndex = -1;                 // among the person's cameras, for From::Own
    std::string lens;                  // the photo's lens as found (LensOfPhoto); empty: none
};

// The person's cameras first, then the built-in list, then lensfun's
// (`lensfun` asked only then), each by the photo's make and model; else the
// crop factor of its 35 mm equivalent focal length over its focal length.
PhotoCamera CameraOfPhoto(const PhotoFacts& facts, const std::vector<FoundCamera>& own,
                          const std::function<const std::vector<FoundCamera>&()>& lensfun);

// The name of the lens the photo records, found among `lenses` (the
// person's, then lensfun's; asked only when the photo records a lens);
// empty when none answers.
std::string LensOfPhoto(const PhotoFacts& facts,
                        const std::function<const std::vector<LensRecord>&()>& lenses);

// The choices a photo does not record: the unit and the circle of confusion
// (for 36 × 24 mm), as the main form's lists hold them.
struct PhotoChoices {
    std::string unitValue; // "2"
    std::string unitName;  // "meters"
    std::string cofcValue; // "0.0300"
    // The date taken as the person writes dates; none: as programs do.
    std::function<std::string(const CalendarTime&)> dateText = nullptr;
};

// Exif's "2024:05:04 06:12:00" as a calendar time; none for another text.
std::optional<CalendarTime> ReadExifDate(std::string_view text);

struct PhotoShot {
    // As a press reads the texts below once they are on the main form: its
    // numbers the photo's own, and the texts it shows of them.
    Lens lens;
    // What "Use These Settings" hands the main form, as its lists and boxes
    // take them: the focal length ("50", "4.25"), the aperture's value text
    // (the list's "5.656854" for f/5.6, or "6.3" as typed; its name is
    // `lens.apertureText`) and the distance in the unit (`lens.distanceText`).
    std::string focalLengthText;
    std::string apertureValue;
    std::string lensFound;   // the lens found of those the person or lensfun knows; empty: none
    bool calculated = false; // the depth of field could be worked out
    // Without a focus distance: the hyperfocal distance and the circle of
    // confusion could be (they do not depend on it), in `result`.
    bool hyperfocalKnown = false;
    CalculationResult result; // when it could
    // A distance the camera knew only between two ends: the nearest and
    // farthest sharp, focused at either end.
    std::optional<SharpSpan> span;
    std::string missing;    // one sentence: what the photo does not record
    std::string unrecorded; // the same for a file: "not recorded: the focus distance"
    // What it records that cannot be used, each said in a sentence (its
    // lengths in the unit).
    std::vector<std::string> notes;
    // What the form and the terminal show, in order: a label (the form's,
    // without its colon) and its text.
    std::vector<std::pair<std::string, std::string>> lines;
};

PhotoShot ShotOfPhoto(const PhotoFacts& facts, const PhotoCamera& camera,
                      const PhotoChoices& choices, const NumberSettings& settings);

// The shot focused at 1, 2, 3, 5, 10 m and infinity (or their feet),
// whenever its focal length, f-number and camera are known; none else.
// Made only where they are shown: a shoot's thousand rows need none.
std::vector<ZoneRow> ZonesOfShot(const PhotoShot& shot, const NumberSettings& settings);

// The results' labels, as the results form has them.
inline constexpr const char* kResultLabels[] = {"Near Focus Limit of Depth of Field",
                                                "Far Focus Limit of Depth of Field",
                                                "Total Depth of Field", "Hyperfocal Distance"};
