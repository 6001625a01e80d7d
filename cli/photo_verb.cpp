#include "cli/choices.h"
#include "cli/verbs.h"
#include "finder/lensfun_cameras.h"
#include "finder/own_cameras.h"
#include "framework/base/cstring.h"
#include "framework/base/csv.h"
#include "framework/base/translate.h"
#include "lenses/own_lenses.h"
#include "photo/photo_shot.h"
#include "settings/settings_file.h"

#include <cmath>
#include <map>

extern const Verb kPhotoVerb; // at the end

namespace {
const char kPhotoUsage[] =
    TR_NOOP("Command line",
            "       vextondof photo [--unit TEXT] [--cofc TEXT] [--format text|csv] FILE...\n");

const char kPhotoHelp[] = TR_NOOP(
    "Command line",
    "Usage: vextondof photo [--unit TEXT] [--cofc TEXT] [--format text|csv] FILE...\n"
    "\n"
    "Reads what each photo records of its shot (camera, lens, focal length,\n"
    "f-number, focus distance) and writes it with the depth of field of that\n"
    "shot, as the Photo form shows it: LABEL: TEXT lines, a blank line between\n"
    "photos, or with --format csv one line a photo:\n"
    "  file,camera,lens,lens_found,focal_length_mm,focal_length_35mm,f_number,\n"
    "  distance_m,distance_source,near,far,total,hyperfocal,unit,coc_mm,problem\n"
    "The unit and the circle of confusion are your stored choices unless given.\n"
    "A file that cannot be read is named on standard error and the exit status\n"
    "is 1; the others are still written.\n"
    "\n"
    "  --format FORMAT      text (default) or csv (for programs: \"%f\" numbers, \".\", inf)\n");

const char kCsvHeader[] =
    "file,camera,lens,lens_found,focal_length_mm,focal_length_35mm,f_number,distance_m,"
    "distance_source,near,far,total,hyperfocal,unit,coc_mm,problem\r\n";

// The files and the options, apart: every argument not an option or an
// option's value is a file, and so is everything after "--".
void SplitArguments(const std::vector<std::string>& args, std::vector<std::string>& options,
                    std::vector<std::string>& files) {
    options.push_back(args[0]);
    bool onlyFiles = false;
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (onlyFiles || arg.empty() || arg[0] != '-') {
            files.push_back(arg);
        } else if (arg == "--") {
            onlyFiles = true;
        } else {
            options.push_back(arg);
            if (arg.find('=') == std::string::npos && arg != "--help" && arg != "-h" &&
                i + 1 < args.size())
                options.push_back(args[++i]);
        }
    }
}

std::string Fixed(double v) {
    return std::isinf(v) ? "inf" : FormatFixed(v, 6);
}

// One photo's line for programs.
std::string CsvLine(const PhotoFacts& facts, const PhotoShot& shot) {
    const Lens& lens = shot.lens;
    std::string near, far, total, hyperfocal, coc;
    const DepthInUnit& d = shot.result.depth; // the very doubles the texts were written from
    if (shot.calculated) {
        near = Fixed(d.nearLimit);
        far = d.farIsInfinite ? "inf" : Fixed(d.farLimit);
        total = d.farIsInfinite ? "inf" : Fixed(d.farLimit - d.nearLimit);
    }
    if (shot.calculated || shot.hyperfocalKnown) { // they do not depend on the distance
        hyperfocal = Fixed(d.hyperfocal);
        coc = Fixed(shot.result.coc);
    }
    // For whoever reads the file: what is not recorded, never what to do in a form.
    std::string problem = shot.unrecorded.empty() ? shot.missing : shot.unrecorded;
    for (const std::string& note : shot.notes) {
        if (!problem.empty())
            problem += ' ';
        problem += note;
    }
    const auto number = [](const std::optional<RecordedNumber>& n) {
        return n ? FormatFixed(n->value, 6) : std::string();
    };
    return CsvField(ShownText(facts.file)) + "," + CsvField(lens.cameraName) + "," +
           CsvField(facts.lens) + "," + CsvField(shot.lensFound) + "," + number(facts.focalLength) +
           "," + number(facts.focalLength35) + "," + number(facts.fNumber) + "," +
           number(facts.distance) + "," + CsvField(facts.distance ? facts.distance->source : "") +
           "," + near + "," + far + "," + total + "," + hyperfocal + "," + CsvField(lens.unitName) +
           "," + coc + "," + CsvField(problem) + "\r\n";
}

std::string TextBlock(const PhotoShot& shot) {
    std::string out;
    for (const auto& [label, text] : shot.lines) // the photo form's labels
        out += Tr("Photo", (label + ":").c_str()) + " " + text + "\n";
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

// A shoot is mostly one camera or two: each looked for once, by make and
// model, unless it was not found or only worked out.
class ShootCameras {
  public:
    explicit ShootCameras(const CommandLineContext& machine)
        : m_settings(SettingsLocationFor(machine.programPath, machine.configHome)),
          m_own(ReadOwnCameras(m_settings).cameras) {}
    // The camera, and the lens the photo records as found (the lenses read
    // once, when a photo first records one).
    PhotoCamera Of(const PhotoFacts& facts) {
        PhotoCamera camera = CameraOf(facts);
        camera.lens = LensOfPhoto(facts, [this]() -> const std::vector<LensRecord>& {
            if (!m_lenses)
                m_lenses = AllLenses(ReadOwnLenses(m_settings));
            return *m_lenses;
        });
        return camera;
    }

  private:
    const PhotoCamera& CameraOf(const PhotoFacts& facts) {
        const auto lensfun = []() -> const std::vector<FoundCamera>& {
            return LensfunCameras().cameras;
        };
        const std::string body = facts.make + '\n' + facts.model;
        auto known = m_cameras.find(body);
        if (known == m_cameras.end() || known->second.from == PhotoCamera::From::FocalLengths ||
            known->second.from == PhotoCamera::From::None)
            known = m_cameras.insert_or_assign(body, CameraOfPhoto(facts, m_own, lensfun)).first;
        return known->second;
    }

    SettingsLocation m_settings;
    std::vector<FoundCamera> m_own;
    std::map<std::string, PhotoCamera> m_cameras;
    std::optional<std::vector<LensRecord>> m_lenses;
};
} // namespace

CommandResult PhotoVerb(const std::vector<std::string>& args, const CommandLineContext& machine) {
    std::vector<std::string> optionArgs, files;
    SplitArguments(args, optionArgs, files);
    const Parsed parsed = ParseOptions(optionArgs, kPhotoVerb.own);
    if (auto refused = NotUnderstood(parsed, files))
        return *refused;
    const std::string format = Option(parsed, "--format");
    Choices choices;
    if (auto failed = Choose(choices, parsed, machine, "photo"))
        return *failed;
    const PhotoChoices wanted{
        Value(choices.unit), CStringToUtf8(choices.unit.entries[choices.unit.selected].displayText),
        Value(choices.cofc), machine.dateText};
    ShootCameras cameras(machine);
    CommandResult result;
    result.err = choices.warning;
    const bool csv = format == "csv";
    std::optional<SourceTexts> forPrograms; // a CSV's texts are the same in every language
    if (csv)
        forPrograms.emplace();
    if (csv)
        result.out = kCsvHeader;
    bool first = true;
    const std::unique_ptr<PhotoSource> photos = machine.photos();
    photos->ReadEach(files, [&](std::size_t, const PhotoFacts& facts) {
        if (!facts.refusal.empty()) {
            result.err += "vextondof: " + Said(facts.refusal) + "\n";
            result.exitCode = 1;
            return;
        }
        const PhotoShot shot = ShotOfPhoto(facts, cameras.Of(facts), wanted, machine.numbers);
        if (csv) {
            result.out += CsvLine(facts, shot);
        } else {
            if (!first)
                result.out += '\n';
            result.out += TextBlock(shot);
            first = false;
        }
    });
    return result;
}

const Verb kPhotoVerb{
    "photo", PhotoVerb, kPhotoUsage, kPhotoHelp, false, {"--unit", "--cofc", "--format"}, nullptr};
