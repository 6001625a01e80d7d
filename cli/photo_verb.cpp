#include "cli/choices.h"
#include "cli/verbs.h"
#include "framework/base/cstring.h"
#include "framework/base/csv.h"
#include "framework/base/translate.h"
#include "photo/photo_csv.h"
#include "photo/photo_folder.h"
#include "photo/photo_shot.h"
#include "photo/shoot_cameras.h"
#include "settings/settings_file.h"

#include <cmath>

extern const Verb kPhotoVerb; // at the end

namespace {
const char kPhotoUsage[] =
    TR_NOOP("Command line",
            "       vextondof photo [--unit TEXT] [--cofc TEXT] [--format text|csv] [--recursive]\n"
            "                       FILE|FOLDER...\n");

const char kPhotoHelp[] = TR_NOOP(
    "Command line",
    "Usage: vextondof photo [--unit TEXT] [--cofc TEXT] [--format text|csv] [--recursive]\n"
    "                       FILE|FOLDER...\n"
    "\n"
    "Reads what each photo records of its shot (camera, lens, focal length,\n"
    "f-number, focus distance) and writes it with the depth of field of that\n"
    "shot, as the Photo form shows it: LABEL: TEXT lines, a blank line between\n"
    "photos, or with --format csv one line a photo:\n"
    "  file,date,camera,lens,lens_found,focal_length_mm,focal_length_35mm,f_number,\n"
    "  distance_m,distance_source,near,far,near_min,far_max,total,hyperfocal,unit,\n"
    "  coc_mm,problem\n"
    "Without a focus distance, the hyperfocal distance and the depth of field\n"
    "focused at 1, 2, 3, 5 and 10 m and infinity (3 to 30 ft in feet).\n"
    "A folder gives its photos, in the order of their names.\n"
    "The unit and the circle of confusion are your stored choices unless given.\n"
    "A file that cannot be read is named on standard error and the exit status\n"
    "is 1; the others are still written.\n"
    "\n"
    "  --format FORMAT      text (default) or csv (for programs: \"%f\" numbers, \".\", inf)\n"
    "  --recursive          the photos of the folders' subfolders too\n");

// The files and the options, apart: every argument not an option or an
// option's value is a file, and so is everything after "--".
void SplitArguments(const std::vector<std::string>& args, std::vector<std::string>& options,
                    std::vector<std::string>& files, bool& recursive) {
    options.push_back(args[0]);
    bool onlyFiles = false;
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (onlyFiles || arg.empty() || arg[0] != '-') {
            files.push_back(arg);
        } else if (arg == "--") {
            onlyFiles = true;
        } else if (arg == "--recursive") {
            recursive = true;
        } else {
            options.push_back(arg);
            if (arg.find('=') == std::string::npos && arg != "--help" && arg != "-h" &&
                i + 1 < args.size())
                options.push_back(args[++i]);
        }
    }
}

std::string TextBlock(const PhotoShot& shot, const NumberSettings& settings) {
    std::string out;
    for (const auto& [label, text] : shot.lines) // the photo form's labels
        out += Tr("Photo", (label + ":").c_str()) + " " + text + "\n";
    if (!shot.calculated) // focused where a photographer sets the lens by its scale
        for (const ZoneRow& zone : ZonesOfShot(shot, settings))
            out += Arg(Tr("Photo", "Focused at %1: %2 to %3"),
                       {zone.focusedAt, zone.result.nearText, zone.result.farText}) +
                   "\n";
    for (const std::string& note : shot.notes)
        out += Note(note);
    if (!shot.missing.empty())
        out += Note(shot.missing);
    return out;
}
// What the options and files ask that photo does not do, said; none when
// they ask nothing of the kind.
std::optional<CommandResult> NotUnderstood(const Parsed& parsed,
                                           const std::vector<std::string>& files) {
    if (auto answer = HelpOrUsageError(parsed, kPhotoVerb))
        return answer;
    for (const char* recorded : {"--camera", "--focal-length", "--aperture", "--diopter"})
        if (parsed.values.count(recorded))
            return UsageError(
                "photo",
                Arg(Tr("Command line", "%1 is read from each photo; photo takes --unit and --cofc"),
                    {recorded}));
    const std::string format = Option(parsed, "--format");
    if (!format.empty() && format != "text" && format != "csv")
        return UsageError("photo", Tr("Command line", "--format takes text or csv"));
    if (files.empty())
        return UsageError("photo", Tr("Command line", "photo needs at least one FILE"));
    return std::nullopt;
}

// Folders named that could not be read, or hold no photos: a line each on
// standard error, and the exit status 1.
void SayFolders(const NamedPhotos& named, CommandResult& result) {
    const auto say = [&result](const char* sentence, const std::string& folder) {
        result.err += "vextondof: " + Arg(Tr("Command line", sentence), {ShownText(folder)}) + "\n";
        result.exitCode = 1;
    };
    for (const std::string& folder : named.unreadFolders)
        say(TR_NOOP("Command line", "the folder %1 cannot be read"), folder);
    for (const std::string& folder : named.emptyFolders)
        say(TR_NOOP("Command line", "the folder %1 holds no photos"), folder);
}
} // namespace

CommandResult PhotoVerb(const std::vector<std::string>& args, const CommandLineContext& machine) {
    std::vector<std::string> optionArgs, named;
    bool recursive = false;
    SplitArguments(args, optionArgs, named, recursive);
    const NamedPhotos photosNamed = PhotosNamed(named, recursive);
    const std::vector<std::string>& files = photosNamed.files;
    const Parsed parsed = ParseOptions(optionArgs, kPhotoVerb.own);
    if (auto refused = NotUnderstood(parsed, named))
        return *refused;
    const std::string format = Option(parsed, "--format");
    Choices choices;
    if (auto failed = Choose(choices, parsed, machine, "photo"))
        return *failed;
    const PhotoChoices wanted{
        Value(choices.unit), CStringToUtf8(choices.unit.entries[choices.unit.selected].displayText),
        Value(choices.cofc), machine.dateText};
    const SettingsLocation settings = SettingsLocationFor(machine.programPath, machine.configHome);
    ShootCameras cameras(settings);
    CommandResult result;
    result.err = choices.warning;
    SayFolders(photosNamed, result);
    const bool csv = format == "csv";
    std::optional<SourceTexts> forPrograms; // a CSV's texts are the same in every language
    if (csv)
        forPrograms.emplace();
    if (csv)
        result.out = kPhotoCsvHeader;
    bool first = true;
    const std::unique_ptr<PhotoSource> photos = machine.photos();
    photos->ReadEach(files, [&](std::size_t i, const PhotoFacts& facts) {
        if (machine.progress)
            machine.progress(i + 1, files.size());
        if (!facts.refusal.empty()) {
            result.err += "vextondof: " + Said(facts.refusal) + "\n";
            result.exitCode = 1;
            return;
        }
        const PhotoShot shot = ShotOfPhoto(facts, cameras.Of(facts), wanted, machine.numbers);
        if (csv) {
            result.out += PhotoCsvLine(facts, shot);
        } else {
            if (!first)
                result.out += '\n';
            result.out += TextBlock(shot, machine.numbers);
            first = false;
        }
    });
    return result;
}

const Verb kPhotoVerb{"photo",    PhotoVerb, kPhotoUsage,
                      kPhotoHelp, false,     {"--unit", "--cofc", "--format", "--recursive"},
                      nullptr};
