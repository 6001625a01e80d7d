#include "calc/number_text.h"
#include "cli/nearest.h"
#include "cli/options.h"
#include "cli/table_text.h"
#include "cli/verbs.h"
#include "finder/camera_catalog.h"
#include "finder/camera_search.h"
#include "finder/own_cameras.h"
#include "framework/base/csv.h"
#include "framework/base/translate.h"
#include "settings/settings_file.h"

#include <algorithm>

extern const Verb kCamerasVerb; // at the end

namespace {
const char kCamerasUsage[] =
    TR_NOOP("Command line", "       vextondof cameras [WORDS] [--format text|csv]\n");

const char kCamerasHelp[] =
    TR_NOOP("Command line",
            "Usage: vextondof cameras [WORDS] [--format text|csv]\n"
            "       vextondof cameras --add NAME --sensor WIDTHxHEIGHT\n"
            "       vextondof cameras --remove NAME\n"
            "\n"
            "Lists the cameras the words find, best first: the built-in cameras and film\n"
            "formats, your own cameras, then lensfun's camera database. The words are\n"
            "matched, in any case and order, against the maker, the model and its English\n"
            "name (\"a7 iv\", \"ilce-7m4\", \"eos r5\"); without words every camera is\n"
            "listed, in order. Finding none exits 1.\n"
            "\n"
            "  --format text|csv    aligned columns (the default), or a CSV file with the\n"
            "                       header "
            "name,maker,model,crop_factor,sensor_width_mm,\n"
            "                       sensor_height_mm,mount,source\n"
            "  --add NAME           adds a camera of your own, by its sensor:\n"
            "  --sensor WxH         width and height in millimetres (\"6.17x4.55\"); its\n"
            "                       crop factor is 43.27 mm over the sensor's diagonal\n"
            "  --remove NAME        removes one of your cameras (the built-in ones stay)\n");

constexpr const char* kCsvHeader =
    "name,maker,model,crop_factor,sensor_width_mm,sensor_height_mm,mount,source";

struct CamerasOptions {
    std::string words;
    std::string format = "text";
    std::optional<std::string> add, sensor, remove;
    bool help = false;
    std::string error;
};

// Where an option's value goes; none for a word that is not an option.
std::string* ValueOf(CamerasOptions& options, const std::string& name) {
    if (name == "--format")
        return &options.format;
    for (auto [option, slot] :
         {std::pair{"--add", &options.add}, std::pair{"--sensor", &options.sensor},
          std::pair{"--remove", &options.remove}})
        if (name == option)
            return &slot->emplace();
    return nullptr;
}

CamerasOptions ReadCamerasOptions(const std::vector<std::string>& args) {
    CamerasOptions options;
    for (std::size_t i = 1; i < args.size() && options.error.empty(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--help" || arg == "-h")
            options.help = true;
        else if (auto* value = ValueOf(options, arg.substr(0, arg.find('=')))) {
            if (arg.find('=') != std::string::npos)
                *value = arg.substr(arg.find('=') + 1);
            else if (i + 1 < args.size())
                *value = args[++i];
            else
                options.error = Arg(Tr("Command line", "option %1 needs a value"), {arg});
        } else if (arg.rfind("--", 0) == 0) {
            const std::string meant = NearestWord(arg.substr(0, arg.find('=')), kCamerasVerb.own);
            options.error =
                meant.empty()
                    ? Arg(Tr("Command line", "unknown option %1"), {arg})
                    : Arg(Tr("Command line", "unknown option %1; did you mean %2?"), {arg, meant});
        } else
            options.words += (options.words.empty() ? "" : " ") + arg;
    }
    if (options.error.empty() && options.format != "text" && options.format != "csv")
        options.error = Tr("Command line", "--format takes text or csv");
    if (options.error.empty() && options.add.has_value() != options.sensor.has_value())
        options.error = Tr("Command line", "--add NAME and --sensor WIDTHxHEIGHT go together");
    if (options.error.empty() && (options.add || options.remove) &&
        (!options.words.empty() || (options.add && options.remove)))
        options.error = Tr("Command line", "--add and --remove each stand alone");
    return options;
}

std::string Number(double value, int decimals) {
    return FormatFixed(value, decimals);
}

std::string CsvLine(const FoundCamera& c) {
    return CsvField(c.name) + "," + CsvField(c.maker) + "," + CsvField(c.model) + "," +
           FormatShortest(c.cropFactor, 6, PlainNumberSettings()) + "," + Number(c.sensorWidth, 6) +
           "," + Number(c.sensorHeight, 6) + "," + CsvField(c.mount) + "," + c.source + "\n";
}

// Name, crop factor, sensor and source (the person's own marked as theirs),
// in columns as wide as the widest.
std::string TextLines(const CameraCatalog& catalog, const std::vector<std::size_t>& shown,
                      const NumberSettings& numbers) {
    const std::vector<FoundCamera>& cameras = catalog.cameras;
    std::size_t nameWidth = 4;
    for (const std::size_t i : shown)
        nameWidth = std::max(nameWidth, DisplayWidth(cameras[i].name));
    std::string out;
    for (const std::size_t i : shown) {
        const FoundCamera& c = cameras[i];
        std::string line = c.name + std::string(nameWidth - DisplayWidth(c.name) + 2, ' ');
        std::string crop = FormatShortest(c.cropFactor, 4, numbers);
        line += std::string(crop.size() < 6 ? 6 - crop.size() : 0, ' ') + crop + "  ";
        std::string sensor = FixedIn(c.sensorWidth, 2, numbers) + " x " +
                             FixedIn(c.sensorHeight, 2, numbers) + " mm";
        const std::string source = catalog.IsOwn(i) && c.source != "own"
                                       ? Arg(Tr("Command line", "yours (%1)"), {c.source})
                                   : catalog.IsOwn(i) ? Tr("Command line", "yours")
                                                      : c.source;
        line += sensor + std::string(sensor.size() < 22 ? 22 - sensor.size() : 0, ' ') + source;
        out += line + "\n";
    }
    return out;
}

// Adds or removes one of the person's cameras, with the form's refusals.
CommandResult ChangeCameras(const CamerasOptions& options, const SettingsLocation& settings,
                            const NumberSettings& numbers) {
    std::string done;
    OwnCamerasChange change;
    if (options.add) {
        const std::optional<SensorSize> sensor = ReadSensorSize(*options.sensor, numbers);
        if (!sensor)
            return Refused(Tr("Command line", "The sensor size must be two numbers of millimetres "
                                              "from 0.001 to 1000, width x height "
                                              "(\"6.17x4.55\")."));
        const FoundCamera camera = CameraOfSensor(*options.add, sensor->width, sensor->height);
        change = AddOwnCamera(settings, camera, kOtherCameraText);
        done = Arg(Tr("Command line", "Added %1: crop factor %2."),
                   {camera.name, FormatShortest(camera.cropFactor, 6, numbers)});
    } else {
        change = RemoveOwnCamera(settings, *options.remove);
        done = Arg(Tr("Command line", "Removed %1."), {*options.remove});
    }
    if (!change.refusal.empty())
        return Refused(change.refusal);
    if (!change.failure.empty())
        return {1, "", "vextondof: " + change.failure + "\n", "", false, {}};
    return {0, done + "\n", "", "", false, {}};
}
} // namespace

CommandResult CamerasVerb(const std::vector<std::string>& args, const CommandLineContext& machine) {
    const CamerasOptions options = ReadCamerasOptions(args);
    if (options.help)
        return {0, Tr("Command line", kCamerasHelp), "", "", false, {}};
    if (!options.error.empty())
        return UsageError("cameras", options.error);
    const SettingsLocation settings = SettingsLocationFor(machine.programPath, machine.configHome);
    if (options.add || options.remove)
        return ChangeCameras(options, settings, machine.numbers);
    const OwnCameras own = ReadOwnCameras(settings);
    const CameraCatalog catalog = AllCameras(own.cameras);
    std::vector<std::size_t> shown;
    if (options.words.empty()) {
        for (std::size_t i = 0; i < catalog.cameras.size(); ++i)
            shown.push_back(i);
    } else {
        shown = FindCameras(catalog.cameras, options.words);
    }
    CommandResult result{0, "", "", "", false, {}};
    if (!own.problem.empty())
        result.err += Note(own.problem);
    if (!catalog.problem.empty())
        result.err += Note(catalog.problem);
    if (shown.empty()) {
        result.exitCode = 1;
        result.err += Arg(Tr("Command line", "No camera matches \"%1\"."), {options.words}) + "\n";
        return result;
    }
    if (options.format == "csv") {
        result.out = std::string(kCsvHeader) + "\n";
        for (const std::size_t i : shown)
            result.out += CsvLine(catalog.cameras[i]);
    } else {
        result.out = TextLines(catalog, shown, machine.numbers);
    }
    return result;
}

const Verb kCamerasVerb{"cameras",    CamerasVerb, kCamerasUsage,
                        kCamerasHelp, false,       {"--format", "--add", "--sensor", "--remove"},
                        nullptr};
