#pragma once
// The lenses a person added, kept in a file of their own beside the
// settings file under the rules the cameras file follows: a CSV file with
// the columns `vextondof lenses --format csv` writes, one lens a line. A
// file without that header line is read as name, shortest and longest focal
// length, widest aperture at each end, smallest aperture, minimum focus
// distance, pupil magnification, maker, model, mount and source.

#include "framework/base/number_format.h"
#include "lenses/lens_catalog.h"
#include "settings/settings_file.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

inline constexpr const char* kOwnLensesFileName = "vextondof-lenses.csv";

struct OwnLenses {
    std::vector<LensRecord> lenses;  // in the order added
    std::vector<std::string> unread; // lines that could not be read, kept as they were
    std::string problem;             // why the file could not be read; empty when it could
    bool held = false;               // another instance held it past the wait
};

OwnLenses ParseOwnLenses(std::string_view text);
std::string OwnLensesText(const OwnLenses& own);

SettingsLocation OwnLensesLocation(const SettingsLocation& settings);
OwnLenses ReadOwnLenses(const SettingsLocation& settings, int waitMs = kSettingsWaitMs);

// The person's lenses, then lensfun's.
std::vector<LensRecord> AllLenses(const OwnLenses& own);

// What became of a change: refused (one sentence), failed (the file could
// not be written: the cause and the path), or kept when both are empty.
struct OwnLensesChange {
    std::string refusal, failure;
    bool Kept() const { return refusal.empty() && failure.empty(); }
};
OwnLensesChange AddOwnLens(const SettingsLocation& settings, const LensRecord& lens);
OwnLensesChange RemoveOwnLens(const SettingsLocation& settings, const std::string& name);

// A lens of the person's as typed: its focal length or range ("50",
// "24-105"), its widest aperture or one at each end ("4", "f/3.5-5.6"); the
// smallest aperture (f/22 when not given), the minimum focus distance (in
// metres, or with its unit) and the pupil magnification when given. None
// when the focal length or the widest aperture is not numbers; any other
// field that cannot be read is a number RefusalToAddLens names.
struct TypedLens {
    std::string name, focal, widest;
    std::optional<std::string> smallest, minFocus, pupil;
};
std::optional<LensRecord> ReadTypedLens(const TypedLens& typed, const NumberSettings& numbers);

// Why `lens` cannot join `own`, in one sentence; empty when it can: a name
// that is new, one line of text, at most 100 characters; focal lengths from
// 1 to 5000 mm, the longest not shorter than the shortest; apertures from
// f/0.5 to f/256, the smallest not wider than the widest; a minimum focus
// distance from 0.01 to 1000 m and a pupil magnification from 0.05 to 20,
// when given.
std::string RefusalToAddLens(const OwnLenses& own, const LensRecord& lens);
