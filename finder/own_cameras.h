#pragma once
// The cameras a person added, kept in a text file beside the settings file
// under the same rules as it: a CSV file with the columns `vextondof cameras
// --format csv` writes (name, maker, model, crop_factor, sensor_width_mm,
// sensor_height_mm, mount, source), one camera a line. A file without that
// header line is read as name, crop factor, sensor width and height in
// millimetres, maker, model, mount and source, separated by commas or tabs.
// A line that cannot be read is skipped and written back as it was; the
// file is never the reason the program fails.

#include "finder/found_camera.h"
#include "framework/base/exceptions.h"
#include "settings/settings_file.h"

#include "framework/base/translate.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

inline constexpr const char* kOwnCamerasFileName = "vextondof-cameras.csv";
// The camera list's last entry, which opens the camera chooser.
inline constexpr const char* kOtherCameraText = TR_NOOP("Cameras", "Other camera\u2026");

struct OwnCameras {
    std::vector<FoundCamera> cameras; // in the order added
    std::vector<std::string> unread;  // lines that could not be read, kept as they were
    std::string problem;              // why the file could not be read; empty when it could
    bool held = false;                // another instance held it past the wait
};

OwnCameras ParseOwnCameras(std::string_view text);
std::string OwnCamerasText(const OwnCameras& own);

// Where the cameras file of a settings file is.
SettingsLocation OwnCamerasLocation(const SettingsLocation& settings);
// A file that is missing is no cameras and no problem. Another copy holding
// the file is waited for `waitMs`, as for the settings file.
OwnCameras ReadOwnCameras(const SettingsLocation& settings, int waitMs = kSettingsWaitMs);
bool WriteOwnCameras(const SettingsLocation& settings, const OwnCameras& own,
                     CFileException* error = nullptr);

// A camera described by its sensor, in millimetres.
FoundCamera CameraOfSensor(const std::string& name, double width, double height);

// Why `camera` cannot join `own`, in one sentence; empty when it can. A name
// must be new, and must neither begin an entry of the built-in list or of
// the person's cameras nor be begun by one of the person's (a stored choice
// selects the first entry its text begins), and `listEnd` is the list's
// last entry ("Other camera…").
std::string RefusalToAdd(const OwnCameras& own, const FoundCamera& camera,
                         std::string_view listEnd);

// "36x24", "6.17 x 4.55" or "36×24": the sensor's width and height in
// millimetres, both positive; none for anything else.
std::optional<SensorSize> ReadSensorSize(std::string_view text);
// One side, "6.17" (blanks around it allowed): positive, at most a metre.
std::optional<double> ReadSensorSide(std::string_view text);
