#include "finder/own_cameras.h"

#include "calc/typed_distance.h"
#include "cameras/camera_table.h"
#include "framework/base/cstring.h"
#include "framework/base/csv.h"
#include "framework/base/file.h"
#include "framework/base/nocase.h"
#include "framework/base/translate.h"
#include "settings/list_file.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <filesystem>
#include <system_error>

namespace {
// The same columns as `vextondof cameras --format csv` writes.
constexpr const char* kHeader =
    "name,maker,model,crop_factor,sensor_width_mm,sensor_height_mm,mount,source";
// A line without the header before it: name, crop factor, sensor width and
// height, maker, model, mount, source.
const std::vector<std::string> kWithoutHeader = {
    "name",  "crop_factor", "sensor_width_mm", "sensor_height_mm",
    "maker", "model",       "mount",           "source"};
// Larger than any list of cameras a person keeps: such a file is left alone.
constexpr std::uint64_t kLargestFile = 4u << 20;

// The longest name a camera may have, in characters: longer ones would not
// fit a list.
constexpr std::size_t kLongestName = 100;

// A sensor's side, in millimetres: from a micrometre to a metre.
bool IsSensorSide(double mm) {
    return mm >= 0.001 && mm <= 1000;
}

std::optional<FoundCamera> ReadLine(const ListLine& line) {
    const auto field = [&line](const char* name) { return line.Field(name); };
    const auto crop = ListNumber(field("crop_factor")),
               width = ListNumber(field("sensor_width_mm")),
               height = ListNumber(field("sensor_height_mm"));
    if (field("name").empty() || !crop || !width || !height || !IsSensorSide(*width) ||
        !IsSensorSide(*height) || ShownText(field("name")) != field("name") ||
        Utf8ToCString(field("name")).size() > kLongestName)
        return std::nullopt;
    FoundCamera c;
    c.name = field("name");
    c.cropFactor = *crop;
    c.sensorWidth = *width;
    c.sensorHeight = *height;
    c.maker = field("maker");
    c.model = field("model");
    c.mount = field("mount");
    c.source = field("source").empty() ? "own" : field("source");
    return c;
}

bool BeginsNoCase(std::string_view text, std::string_view start) {
    const CString a = Utf8ToCString(std::string(text)), b = Utf8ToCString(std::string(start));
    return a.size() >= b.size() &&
           CompareNoCase(std::u16string_view(a).substr(0, b.size()), b) == 0;
}
} // namespace

OwnCameras ParseOwnCameras(std::string_view text) {
    OwnCameras own;
    ReadListLines(
        text, kWithoutHeader,
        [&own](const ListLine& line) {
            const std::optional<FoundCamera> camera = ReadLine(line);
            if (camera)
                own.cameras.push_back(*camera);
            return camera.has_value();
        },
        own.unread);
    return own;
}

std::string OwnCamerasText(const OwnCameras& own) {
    std::string text = std::string(kHeader) + "\n";
    for (const FoundCamera& c : own.cameras)
        text += FirstListField(c.name) + "," + CsvField(c.maker) + "," + CsvField(c.model) + "," +
                ExactListNumber(c.cropFactor) + "," + ExactListNumber(c.sensorWidth) + "," +
                ExactListNumber(c.sensorHeight) + "," + CsvField(c.mount) + "," +
                CsvField(c.source) + "\n";
    for (const std::string& line : own.unread)
        text += line + "\n";
    return text;
}

SettingsLocation OwnCamerasLocation(const SettingsLocation& settings) {
    return BesideSettings(settings, kOwnCamerasFileName);
}

OwnCameras ReadOwnCameras(const SettingsLocation& settings, int waitMs) {
    const SettingsLocation where = OwnCamerasLocation(settings);
    const ListFileRead read = ReadListFile(where, kLargestFile, waitMs);
    OwnCameras own = read.read ? ParseOwnCameras(read.text) : OwnCameras{};
    own.held = read.held;
    if (read.tooLarge)
        own.problem =
            Arg(Tr("Cameras", "Your cameras file %1 is too large to be read."), {where.path});
    else if (read.unreadable)
        own.problem = Arg(Tr("Cameras", "Your cameras file %1 cannot be read."), {where.path});
    else if (read.held)
        own.problem = Tr("Cameras", "Another copy of Vexton.DOF.CE holds your cameras file, so "
                                    "your cameras cannot be read now.");
    return own;
}

OwnCamerasChange ChangeOwnCameras(const SettingsLocation& settings,
                                  const std::function<std::string(OwnCameras&)>& change) {
    const SettingsLocation where = OwnCamerasLocation(settings);
    OwnCamerasChange result;
    const ListFileUpdate update = UpdateListFile(
        where, kLargestFile, [&](const std::optional<std::string>& old, std::string& now) {
            OwnCameras own = old ? ParseOwnCameras(*old) : OwnCameras{};
            std::string refusal = change(own);
            now = OwnCamerasText(own);
            return refusal;
        });
    result.refusal = update.refusal;
    if (update.forRunOnly)
        result.refusal = Tr("Cameras", "Your configuration folder is not yours, so your cameras "
                                       "cannot be kept.");
    else if (update.tooLarge)
        result.refusal =
            Arg(Tr("Cameras", "Your cameras file %1 is too large to be read."), {where.path});
    else if (!update.written && result.refusal.empty())
        result.failure = update.error.GetErrorMessage();
    result.error = update.error;
    return result;
}

OwnCamerasChange AddOwnCamera(const SettingsLocation& settings, const FoundCamera& camera,
                              std::string_view listEnd) {
    return ChangeOwnCameras(settings, [&](OwnCameras& own) {
        std::string refusal = RefusalToAdd(own, camera, listEnd);
        if (refusal.empty())
            own.cameras.push_back(camera);
        return refusal;
    });
}

OwnCamerasChange RemoveOwnCamera(const SettingsLocation& settings, const std::string& name) {
    return ChangeOwnCameras(settings, [&](OwnCameras& own) {
        const auto at = std::find_if(own.cameras.begin(), own.cameras.end(),
                                     [&](const FoundCamera& c) { return c.name == name; });
        if (at == own.cameras.end())
            return Arg(Tr("Cameras", "You have no camera named %1; the list's own stay."), {name});
        own.cameras.erase(at);
        return std::string();
    });
}

FoundCamera CameraOfSensor(const std::string& name, double width, double height) {
    FoundCamera c;
    c.name = name;
    c.cropFactor = CropFactorOfSensor(width, height);
    c.sensorWidth = width;
    c.sensorHeight = height;
    c.source = "own";
    return c;
}

std::string RefusalToAdd(const OwnCameras& own, const FoundCamera& camera,
                         std::string_view listEnd) {
    const std::string& name = camera.name;
    if (name.find_first_not_of(" \t") == std::string::npos)
        return Tr("Cameras", "A camera needs a name.");
    if (name.find_first_of("\t\r\n") != std::string::npos)
        return Tr("Cameras", "A camera's name is one line, without tabs.");
    if (!IsListText(name) || ShownText(name) != name)
        return Tr("Cameras", "A camera's name cannot hold control characters.");
    if (Utf8ToCString(name).size() > kLongestName)
        return Arg(Tr("Cameras", "A camera's name is at most %1 characters long."),
                   {std::to_string(kLongestName)});
    for (const double side : {camera.sensorWidth, camera.sensorHeight})
        if (!IsSensorSide(side))
            return Tr("Cameras", "Each side of a sensor is from 0.001 mm to 1000 mm.");
    for (const FoundCamera& c : own.cameras)
        if (BeginsNoCase(c.name, name) && BeginsNoCase(name, c.name))
            return Arg(Tr("Cameras", "You have a camera named %1 already."), {c.name});
    for (const CameraRecord& record : cameraTable)
        if (BeginsNoCase(record.name, name))
            return Arg(Tr("Cameras", "A camera named %1 would stand for %2 of the list; give it "
                                     "a longer name."),
                       {name, record.name});
    for (const FoundCamera& c : own.cameras)
        if (BeginsNoCase(c.name, name) || BeginsNoCase(name, c.name))
            return Arg(Tr("Cameras", "A camera named %1 would be mistaken for your %2; give it "
                                     "another name."),
                       {name, c.name});
    // The list's end as the list shows it, in this language or another.
    const std::string end(listEnd);
    for (const std::string& shown : {end, Tr("Cameras", end.c_str())})
        if (BeginsNoCase(shown, name))
            return Arg(
                Tr("Cameras", "A camera named %1 would stand for %2; give it a longer name."),
                {name, shown});
    return {};
}

std::optional<SensorSize> ReadSensorSize(std::string_view text, const NumberSettings& settings) {
    std::size_t at = std::string_view::npos, width = 0;
    for (const std::string_view by : {"\u00D7", "x", "X"})
        if (const std::size_t found = text.find(by); found != std::string_view::npos) {
            at = found;
            width = by.size();
            break;
        }
    if (at == std::string_view::npos)
        return std::nullopt;
    const auto w = ReadSensorSide(text.substr(0, at), settings);
    const auto h = ReadSensorSide(text.substr(at + width), settings);
    if (!w || !h)
        return std::nullopt;
    return SensorSize{*w, *h};
}

std::optional<double> ReadSensorSide(std::string_view text, const NumberSettings& settings) {
    const auto side = ReadLengthMm(text, settings, 1.0); // bare: millimetres
    if (!side || !IsSensorSide(*side))
        return std::nullopt;
    return side;
}
