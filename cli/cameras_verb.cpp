#include "calc/number_text.h"
#include "cli/nearest.h"
#include "cli/options.h"
#include "cli/table_text.h"
#include "cli/verbs.h"
#include "finder/camera_catalog.h"
#include "finder/camera_search.h"
#include "table/table_csv.h"

#include <algorithm>

namespace {
const char kCamerasHelp[] =
    "Usage: vextondof cameras [WORDS] [--format text|csv]\n"
    "\n"
    "Lists the cameras the words find, best first: the built-in cameras and film\n"
    "formats, then lensfun's camera database. The words are matched, in any case\n"
    "and order, against the maker, the model and its English name (\"a7 iv\",\n"
    "\"ilce-7m4\", \"eos r5\"); without words every camera is listed, in order.\n"
    "Finding none exits 1.\n"
    "\n"
    "  --format text|csv    aligned columns (the default), or a CSV file with the\n"
    "                       header "
    "name,maker,model,crop_factor,sensor_width_mm,\n"
    "                       sensor_height_mm,mount,source\n";

constexpr const char* kCsvHeader =
    "name,maker,model,crop_factor,sensor_width_mm,sensor_height_mm,mount,source";

struct CamerasOptions {
    std::string words;
    std::string format = "text";
    bool help = false;
    std::string error;
};

CamerasOptions ReadCamerasOptions(const std::vector<std::string>& args) {
    CamerasOptions options;
    for (std::size_t i = 1; i < args.size() && options.error.empty(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--help" || arg == "-h")
            options.help = true;
        else if (arg == "--format" && i + 1 < args.size())
            options.format = args[++i];
        else if (arg.rfind("--format=", 0) == 0)
            options.format = arg.substr(9);
        else if (arg == "--format")
            options.error = "option --format needs a value";
        else if (arg.rfind("--", 0) == 0) {
            const std::string meant = NearestWord(arg.substr(0, arg.find('=')), {"--format"});
            options.error =
                "unknown option " + arg + (meant.empty() ? "" : "; did you mean " + meant + "?");
        } else
            options.words += (options.words.empty() ? "" : " ") + arg;
    }
    if (options.error.empty() && options.format != "text" && options.format != "csv")
        options.error = "--format takes text or csv";
    return options;
}

std::string Number(double value, int decimals) {
    return FormatFixed(value, decimals);
}

std::string CsvLine(const FoundCamera& c) {
    return CsvField(c.name) + "," + CsvField(c.maker) + "," + CsvField(c.model) + "," +
           FormatShortest(c.cropFactor, 6, NumberSettings{}) + "," + Number(c.sensorWidth, 6) +
           "," + Number(c.sensorHeight, 6) + "," + CsvField(c.mount) + "," + c.source + "\n";
}

// Name, crop factor, sensor and source, in columns as wide as the widest.
std::string TextLines(const std::vector<FoundCamera>& cameras,
                      const std::vector<std::size_t>& shown) {
    std::size_t nameWidth = 4;
    for (const std::size_t i : shown)
        nameWidth = std::max(nameWidth, DisplayWidth(cameras[i].name));
    std::string out;
    for (const std::size_t i : shown) {
        const FoundCamera& c = cameras[i];
        std::string line = c.name + std::string(nameWidth - DisplayWidth(c.name) + 2, ' ');
        std::string crop = FormatShortest(c.cropFactor, 4, NumberSettings{});
        line += std::string(crop.size() < 6 ? 6 - crop.size() : 0, ' ') + crop + "  ";
        std::string sensor = Number(c.sensorWidth, 2) + " x " + Number(c.sensorHeight, 2) + " mm";
        line += sensor + std::string(sensor.size() < 22 ? 22 - sensor.size() : 0, ' ') + c.source;
        out += line + "\n";
    }
    return out;
}
} // namespace

CommandResult CamerasVerb(const std::vector<std::string>& args, const CommandLineContext&) {
    const CamerasOptions options = ReadCamerasOptions(args);
    if (options.help)
        return {0, kCamerasHelp, "", "", false, {}};
    if (!options.error.empty())
        return UsageError("cameras", options.error);
    const CameraCatalog catalog = AllCameras();
    std::vector<std::size_t> shown;
    if (options.words.empty()) {
        for (std::size_t i = 0; i < catalog.cameras.size(); ++i)
            shown.push_back(i);
    } else {
        shown = FindCameras(catalog.cameras, options.words);
    }
    CommandResult result{0, "", "", "", false, {}};
    if (!catalog.problem.empty())
        result.err += "Note: " + catalog.problem + "\n";
    if (shown.empty()) {
        result.exitCode = 1;
        result.err += "No camera matches \"" + options.words + "\".\n";
        return result;
    }
    if (options.format == "csv") {
        result.out = std::string(kCsvHeader) + "\n";
        for (const std::size_t i : shown)
            result.out += CsvLine(catalog.cameras[i]);
    } else {
        result.out = TextLines(catalog.cameras, shown);
    }
    return result;
}
