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
#include "framework/base/number_format.h"
#include "settings/settings_file.h"

#include "framework/base/translate.h"

#include <functional>
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

// What became of a change to the person's cameras: refused (a sentence for
// the person: the camera cannot be added or is not there, or the file
// cannot be read), failed (the file could not be written: the cause and the
// path), or kept when both are empty.
struct OwnCamerasChange {
    std::string refusal;
    std::string failure;
    CFileException error; // the failure, for the file-error report
    bool Kept() const { return refusal.empty() && failure.empty(); }
};
// Changes the person's cameras as `change` says, reading and writing the
// file under one hold of its lock, so that no camera another program adds
// or removes meanwhile is lost: `change` gets the cameras as they are now
// and returns a refusal to change nothing.
OwnCamerasChange ChangeOwnCameras(const SettingsLocation& settings,
                                  const std::function<std::string(OwnCameras&)>& change);
// `camera` joins the person's cameras, unless RefusalToAdd refuses it.
OwnCamerasChange AddOwnCamera(const SettingsLocation& settings, const FoundCamera& camera,
                              std::string_view listEnd);
// The person's camera named `name` leaves them.
OwnCamerasChange RemoveOwnCamera(const SettingsLocation& settings, const std::string& name);

// A camera described by its sensor, in millimetres.
FoundCamera CameraOfSensor(const std::string& name, double width, double height);

// Why `camera` cannot join `own`, in one sentence; empty when it can. A name
// must be new, and must neither begin an entry of the built-in list or of
// the person's cameras nor be begun by one of the person's (a stored choice
// selects the first entry its text begins), and `listEnd` is the list's
// last entry ("Other camera…").
std::string RefusalToAdd(const OwnCameras& own, const FoundCamera& camera,
                         std::string_view listEnd);

// "36x24", "6.17 x 4.55", "36×24" or "6,17x4,55" in German number
// settings: the sensor's width and height in millimetres (a side may carry
// its own unit, "6170 µm"), both within the bounds below; none for anything
// else.
std::optional<SensorSize> ReadSensorSize(std::string_view text, const NumberSettings& settings);
// One side, "6.17" (blanks around it allowed): from a micrometre (0.001) to
// a metre (1000).
std::optional<double> ReadSensorSide(std::string_view text, const NumberSettings& settings);
