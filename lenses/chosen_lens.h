#pragma once
// The lens the main form works with, kept between runs in a file of its own
// beside the settings file (the settings file keeps its five choices as
// they are): the lens's whole line, as the lenses file writes one, so that
// the start reads no database to know it.

#include "framework/base/translate.h"
#include "lenses/lens_catalog.h"
#include "settings/settings_file.h"

#include <optional>
#include <string>

inline constexpr const char* kChosenLensFileName = "vextondof-lens.csv";

// The focal-length list ends with this entry, which opens the Choose Lens
// form; it is no focal length, and its value is none of the list's.
inline constexpr const char* kOtherLensText = TR_NOOP("Lists", "Other lens\u2026");
inline constexpr const char* kOtherLensValue = "other lens";

// The lens kept; none when none is, or the file cannot be read.
std::optional<LensRecord> ReadChosenLens(const SettingsLocation& settings,
                                         int waitMs = kSettingsWaitMs);

// Keeps `lens` for the next run (none: no lens). Empty when kept (or when
// the choices are kept for the run only); otherwise the cause and the path.
std::string KeepChosenLens(const SettingsLocation& settings, const std::optional<LensRecord>& lens);
