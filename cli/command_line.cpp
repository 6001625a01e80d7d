#include "cli/command_line.h"

#include "calc/typed_distance.h"
#include "cameras/camera_table.h"
#include "cameras/data_state.h"
#include "cli/nearest.h"
#include "framework/base/nocase.h"
#include "framework/base/resources.h"
#include "lists/choice_lists.h"
#include "planner/focus_plan.h"
#include "resources/program_resources.h"
#include "resources/resource.h"
#include "settings/settings_file.h"
#include "table/table_csv.h"

#include <algorithm>
#include <cmath>
#include <map>

const char* const kVerbsHelp =
    "       vextondof calculate [CHOICES] --distance TEXT [--diopter TEXT]\n"
    "       vextondof plan [CHOICES] --near TEXT [--far TEXT|inf] [--background TEXT]\n"
    "       vextondof table [CHOICES] [--distance TEXT] [--distances \"LIST\"]\n"
    "                       [--apertures FROM:TO] [--show limits|split|total]\n"
    "                       [--format text|csv|pdf] [--output FILE] [--paper a4|letter]\n";

namespace {
const char kChoicesHelp[] =
    "Choices (each the first entry of its list that begins with TEXT, in any case;\n"
    "a choice left out is your stored one, as the program keeps it):\n"
    "  --camera TEXT        camera or film format (\"canon 20\": Canon 20D)\n"
    "  --focal-length TEXT  focal length in millimetres (\"50\": 50.0)\n"
    "  --aperture TEXT      aperture (\"f/5.6\")\n"
    "  --unit TEXT          distance unit (\"m\": meters)\n"
    "  --cofc TEXT          circle of confusion in millimetres (\"0.03\": 0.0300)\n"
    "  --diopter TEXT       close-up lens diopter, as typed on the main form\n"
    "Numbers are read in your number settings (LC_ALL, LC_NUMERIC, LANG).\n";

const char kCalculateHelp[] =
    "Usage: vextondof calculate [CHOICES] --distance TEXT [--diopter TEXT]\n"
    "\n"
    "Writes the six results a press of Calculate shows, one a line, as the\n"
    "results form shows them. A refused calculation says why on standard error\n"
    "and exits 1; a choice or an option not understood exits 2.\n"
    "\n"
    "  --distance TEXT      the subject distance, in the unit\n";

const char kPlanHelp[] =
    "Usage: vextondof plan [CHOICES] --near TEXT [--far TEXT|inf] [--background TEXT]\n"
    "\n"
    "Plans a shot backwards, as the Plan Focus form does: from the nearest and\n"
    "farthest points that must be sharp, where to focus, which aperture to set,\n"
    "what diffraction does there and how blurred the background is. What is\n"
    "refused is said on standard error (exit 1); the results that could be made\n"
    "are written all the same.\n"
    "\n"
    "  --near TEXT          the nearest point that must be sharp, in the unit\n"
    "  --far TEXT|inf       the farthest (default: infinity)\n"
    "  --background TEXT    where the background is (default: infinity)\n";

const char kTableHelp[] =
    "Usage: vextondof table [CHOICES] [--distance TEXT] [--distances \"LIST\"]\n"
    "                       [--apertures FROM:TO] [--show limits|split|total]\n"
    "                       [--format text|csv|pdf] [--output FILE] [--paper a4|letter]\n"
    "\n"
    "Writes the DOF table the table form shows for these choices.\n"
    "\n"
    "  --distance TEXT      a focus distance added to the default rows, marked\n"
    "  --distances \"LIST\"   the rows: distances separated by spaces\n"
    "  --apertures FROM:TO  the columns: apertures from FROM to TO (default f/2.8:f/22,\n"
    "                       widened to the aperture chosen)\n"
    "  --show WHAT          limits (near - far), split (in front / behind) or total\n"
    "  --format FORMAT      text (the table, aligned), csv (for programs: a line for\n"
    "                       each distance and aperture, \"%f\" numbers, \".\", inf) or pdf\n"
    "  --output FILE        written whole or not at all (a PDF needs one on a terminal)\n"
    "  --paper PAPER        a4 or letter, for a PDF (default: your locale's)\n";

struct Parsed {
    std::map<std::string, std::string> values;
    std::string error; // what was not understood
    bool help = false;
};

// The options every verb takes: the five choices and the diopter.
const char* const kChoiceOptions[] = {"--camera", "--focal-length", "--aperture",
                                      "--unit",   "--cofc",         "--diopter"};

// A verb's arguments: the choices' options and the verb's `own`.
Parsed ParseOptions(const std::vector<std::string>& args, std::vector<std::string> own) {
    std::vector<std::string> known(std::begin(kChoiceOptions), std::end(kChoiceOptions));
    known.insert(known.end(), own.begin(), own.end());
    Parsed parsed;
    for (std::size_t i = 1; i < args.size() && parsed.error.empty(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--help" || arg == "-h") {
            parsed.help = true;
            continue;
        }
        const std::size_t equals = arg.find('=');
        const std::string name = arg.substr(0, equals);
        if (arg.rfind("--", 0) != 0 || std::find(known.begin(), known.end(), name) == known.end()) {
            const std::string meant = NearestWord(name, known);
            parsed.error = arg.rfind("--", 0) != 0 ? "unexpected argument \"" + arg + "\""
                           : meant.empty()
                               ? "unknown option " + name
                               : "unknown option " + name + "; did you mean " + meant + "?";
        } else if (equals != std::string::npos)
            parsed.values[name] = arg.substr(equals + 1);
        else if (i + 1 < args.size())
            parsed.values[name] = args[++i];
        else
            parsed.error = "option " + name + " needs a value";
    }
    return parsed;
}

CommandResult UsageError(const std::string& verb, const std::string& what) {
    return {2,  "",    "vextondof: " + what + "\nTry 'vextondof " + verb + " --help'.\n",
            "", false, {}};
}

// What a verb answers before it does anything: its help, an argument it did
// not understand, or the option it needs (`required`, when it has one) missing.
std::optional<CommandResult> HelpOrUsageError(const Parsed& parsed, const std::string& verb,
                                              const char* help, const char* required) {
    if (parsed.help)
        return CommandResult{0, std::string(help) + "\n" + kChoicesHelp, "", "", false, {}};
    if (!parsed.error.empty())
        return UsageError(verb, parsed.error);
    if (required && !parsed.values.count(required))
        return UsageError(verb, verb + " needs " + required + " TEXT");
    return std::nullopt;
}

CommandResult Refused(const std::string& sentence) {
    return {1, "", "Validation Error: " + sentence + "\n", "", false, {}};
}

// One of the main form's lists.
struct ListChoice {
    ListKind kind;
    const char* option;
    const char* name;  // "camera", in "no camera begins with ..."
    const char* asked; // "a camera", in "You must choose a camera from the list."
    std::vector<ChoiceEntry> entries;
    CString stored;
    int selected = -1;
};

std::vector<ChoiceEntry> ApertureChoices() {
    std::vector<ChoiceEntry> out;
    for (const ApertureValue& aperture : apertureValueTable)
        out.push_back({Utf8ToCString(aperture.displayText), std::string(aperture.valueText)});
    return out;
}

// The five lists, each with the choice the options or the stored choices make.
struct Choices {
    ListChoice camera{ListKind::Camera, "--camera", "camera", "a camera", CameraChoices(), {}};
    ListChoice focalLength{ListKind::FocalLength, "--focal-length",     "focal length",
                           "a focal length",      FocalLengthChoices(), {}};
    ListChoice aperture{ListKind::Aperture, "--aperture",      "aperture",
                        "an aperture",      ApertureChoices(), {}};
    ListChoice unit{ListKind::Unit, "--unit", "unit", "a unit", UnitChoices(), {}};
    ListChoice cofc{ListKind::CircleOfConfusion, "--cofc",      "circle of confusion",
                    "a circle of confusion",     CofCChoices(), {}};
    ListChoice* All() { return &camera; }
    std::string warning; // for standard error: the stored choices could not be read
};

// Selects each list's entry; a result when something is not understood
// (exit 2) or a stored choice matches no entry (refused as the form would).
std::optional<CommandResult> Choose(Choices& choices, const Parsed& parsed,
                                    const CommandLineMachine& machine, const std::string& verb) {
    // The stored choices, where an option leaves one to them: waited for
    // while another copy holds them, as the window waits.
    CDataState stored;
    const bool allGiven =
        std::all_of(std::begin(kChoiceOptions), std::end(kChoiceOptions) - 1,
                    [&](const char* option) { return parsed.values.count(option); });
    if (!allGiven) {
        const SettingsLocation where = SettingsFilePath(machine.programPath, machine.configHome);
        bool held = false;
        ReadSettingsFile(where, &stored, &held, kSettingsHeldPatienceMs);
        if (held)
            return CommandResult{1,
                                 "",
                                 "vextondof: another copy of Vexton.DOF.CE holds your settings, "
                                 "so your choices cannot be read; try again, or give every choice "
                                 "as an option (--camera, --focal-length, --aperture, --unit, "
                                 "--cofc).\n",
                                 "",
                                 false,
                                 {}};
        if (where.KeptForTheRunOnly())
            choices.warning = "vextondof: the configuration folder " + machine.configHome +
                              " is not yours: your stored choices were not read.\n";
    }
    choices.camera.stored = stored.m_strCamera;
    choices.focalLength.stored = stored.m_strFocalLength;
    choices.aperture.stored = stored.m_strAperture;
    choices.unit.stored = stored.m_strUnit;
    choices.cofc.stored = stored.m_strCofC;
    for (ListChoice* list :
         {&choices.camera, &choices.focalLength, &choices.aperture, &choices.unit, &choices.cofc}) {
        const auto given = parsed.values.find(list->option);
        const CString text = given != parsed.values.end()
                                 ? Utf8ToCString(AsTheListWritesIt(list->kind, given->second))
                                 : list->stored;
        list->selected = SelectStoredChoice(list->entries, text);
        if (list->selected >= 0)
            continue;
        if (given != parsed.values.end())
            return UsageError(verb, std::string("no ") + list->name + " begins with \"" +
                                        given->second + "\"; nearest: " +
                                        NearestEntries(list->kind, list->entries, given->second));
        return Refused(std::string("You must choose ") + list->asked + " from the list.");
    }
    return std::nullopt;
}

std::string Value(const ListChoice& list) {
    return list.entries[static_cast<std::size_t>(list.selected)].valueText.value_or("");
}

std::string Option(const Parsed& parsed, const char* name) {
    const auto it = parsed.values.find(name);
    return it == parsed.values.end() ? std::string() : it->second;
}

struct LensTexts {
    std::string focalLength, aperture, unit, cofc, distance, diopter;
    double cropFactor;
    CalculationInputs Inputs() const {
        CalculationInputs in{focalLength, aperture, unit, cofc, cropFactor, distance, diopter};
        // A distance typed with its unit is read in it; any other as the main form reads it.
        in.distance = ReadTypedDistance(distance, numbers, DistanceUnitFor(ParseInteger(unit)));
        return in;
    }
    NumberSettings numbers;
};

LensTexts LensOf(const Choices& choices, const Parsed& parsed, const NumberSettings& numbers) {
    return {Value(choices.focalLength),
            Value(choices.aperture),
            Value(choices.unit),
            Value(choices.cofc),
            Option(parsed, "--distance"),
            Option(parsed, "--diopter"),
            CameraForValue(Value(choices.camera))->cropFactor,
            numbers};
}

// `request` over the texts of `lens`, which its views point into: for
// output made later, from copies of both.
TableRequest Over(const LensTexts& lens, TableRequest request) {
    request.lens = lens.Inputs();
    return request;
}

// The results form's labels, in its order, without their trailing spaces.
std::vector<std::string> ResultLabels() {
    std::vector<std::string> labels;
    if (const DialogTemplate* form = FindDialogTemplate(IDD_OUTPUT))
        for (const DialogItem& item : form->items)
            if (item.kind == ControlKind::Static) {
                std::string label = item.text;
                while (!label.empty() && label.back() == ' ')
                    label.pop_back();
                labels.push_back(label);
            }
    return labels;
}

CommandResult Calculate(const std::vector<std::string>& args, const CommandLineMachine& machine) {
    const Parsed parsed = ParseOptions(args, {"--distance"});
    if (auto answer = HelpOrUsageError(parsed, "calculate", kCalculateHelp, "--distance"))
        return *answer;
    Choices choices;
    if (auto failed = Choose(choices, parsed, machine, "calculate"))
        return *failed;
    const LensTexts lens = LensOf(choices, parsed, machine.numbers);
    const CalculationResult result = ::Calculate(lens.Inputs(), machine.numbers);
    if (result.status != CalculationStatus::Ok) {
        CommandResult refused = Refused(RefusalText(result.status));
        refused.err = choices.warning + refused.err;
        return refused;
    }
    const std::string texts[] = {result.nearText,  result.farText, result.hyperfocalText,
                                 result.totalText, result.cocText, result.focalLengthText};
    const std::vector<std::string> labels = ResultLabels();
    CommandResult out;
    out.err = choices.warning;
    const CalculationInputs in = lens.Inputs();
    if (const std::optional<double> reach = CloseUpReach(in, machine.numbers);
        reach &&
        (in.distance ? *in.distance : ReadDistance(in.distanceText, machine.numbers)) > *reach)
        out.err += "Note: " + CloseUpReachText(in, machine.numbers) + ".\n";
    for (std::size_t i = 0; i < labels.size() && i < std::size(texts); ++i)
        out.out += labels[i] + " " + texts[i] + "\n";
    return out;
}

// Characters as a terminal shows them (UTF-8 continuation bytes aside).
std::size_t Shown(const std::string& text) {
    return static_cast<std::size_t>(
        std::count_if(text.begin(), text.end(), [](char c) { return (c & 0xC0) != 0x80; }));
}

// The table as the form shows it, in aligned columns: the chosen aperture's
// header and the typed distance's row marked with ">". Made twice a row at
// a time, first for the columns' widths, then for the lines, so that no
// more than a row is ever held.
void WriteTableText(const TableRows& rows, const OutputSink& sink) {
    const DofTable& frame = rows.Frame();
    std::vector<std::string> header{""};
    for (std::size_t c = 0; c < frame.columns.size(); ++c)
        header.push_back((static_cast<int>(c) == frame.boldColumn ? ">" : "") + frame.columns[c]);
    std::vector<std::string> cells;
    std::vector<std::size_t> widths(header.size(), 0);
    const auto widen = [&widths](const std::vector<std::string>& row) {
        for (std::size_t c = 0; c < row.size() && c < widths.size(); ++c)
            widths[c] = std::max(widths[c], Shown(row[c]));
    };
    // Row r as printed: its header, marked, then its cells.
    std::vector<std::string> printed;
    const auto make = [&](std::size_t r) {
        std::string title;
        rows.Row(r, title, cells);
        printed.assign(1, (static_cast<int>(r) == frame.boldRow ? ">" : "") + title);
        printed.insert(printed.end(), cells.begin(), cells.end());
    };
    widen(header);
    for (std::size_t r = 0; r < rows.Count(); ++r) {
        make(r);
        widen(printed);
    }
    const auto write = [&](const std::vector<std::string>& row) {
        std::string text;
        for (std::size_t c = 0; c < row.size(); ++c) {
            const std::string pad(widths[c] - Shown(row[c]), ' ');
            text += c == 0 ? row[c] + pad : "  " + pad + row[c];
        }
        sink(text + "\n");
    };
    write(header);
    for (std::size_t r = 0; r < rows.Count(); ++r) {
        make(r);
        write(printed);
    }
    sink(frame.roundingNote + "\n");
    for (const std::string* note : {&frame.diffractionNote, &frame.closeUpNote})
        if (!note->empty())
            sink(*note + "\n");
}

// --apertures FROM:TO, each by the list's rule; the default stops otherwise.
std::optional<std::pair<int, int>> ApertureRange(const Parsed& parsed, int selected,
                                                 std::string& error) {
    const std::string range = Option(parsed, "--apertures");
    if (range.empty())
        return DefaultApertureRange(selected);
    const std::size_t colon = range.find(':');
    const std::vector<ChoiceEntry> entries = ApertureChoices();
    const int from = colon == std::string::npos
                         ? -1
                         : SelectStoredChoice(entries, Utf8ToCString(range.substr(0, colon)));
    const int to = colon == std::string::npos
                       ? -1
                       : SelectStoredChoice(entries, Utf8ToCString(range.substr(colon + 1)));
    if (from < 0 || to < 0) {
        error = "--apertures takes FROM:TO, two apertures of the list (\"f/4:f/16\")";
        return std::nullopt;
    }
    return std::pair<int, int>{std::min(from, to), std::max(from, to)};
}

CommandResult Table(const std::vector<std::string>& args, const CommandLineMachine& machine) {
    const Parsed parsed = ParseOptions(args, {"--distance", "--distances", "--apertures", "--show",
                                              "--format", "--output", "--paper"});
    if (auto answer = HelpOrUsageError(parsed, "table", kTableHelp, nullptr))
        return *answer;
    static const std::map<std::string, TableShows> kShows = {
        {"limits", TableShows::Limits}, {"split", TableShows::Split}, {"total", TableShows::Total}};
    const std::string show = Option(parsed, "--show"), format = Option(parsed, "--format"),
                      paper = Option(parsed, "--paper");
    if (!show.empty() && !kShows.count(show))
        return UsageError("table", "--show takes limits, split or total");
    if (!format.empty() && format != "text" && format != "csv" && format != "pdf")
        return UsageError("table", "--format takes text, csv or pdf");
    if (!paper.empty() && paper != "a4" && paper != "letter")
        return UsageError("table", "--paper takes a4 or letter");
    if (parsed.values.count("--output") && Option(parsed, "--output").empty())
        return UsageError("table", "--output needs a file name (- for standard output)");
    Choices choices;
    if (auto failed = Choose(choices, parsed, machine, "table"))
        return *failed;
    std::string rangeError;
    const auto range = ApertureRange(parsed, choices.aperture.selected, rangeError);
    if (!range)
        return UsageError("table", rangeError);

    const LensTexts lens = LensOf(choices, parsed, machine.numbers);
    CalculationInputs atOne = lens.Inputs();
    atOne.distanceText = "1";
    atOne.distance.reset();
    const CalculationResult one = ::Calculate(atOne, machine.numbers);
    if (one.status == CalculationStatus::BadFocalLength)
        return Refused(RefusalText(one.status));
    TableRequest request;
    request.lens = lens.Inputs();
    SetApertureColumns(request, range->first, range->second, choices.aperture.selected);
    request.shows = show.empty() ? TableShows::Limits : kShows.at(show);
    CommandResult result;
    result.err = choices.warning;
    const DistanceUnit& unit = DistanceUnitFor(ParseInteger(lens.unit));
    const auto refuse = [&result](const std::string& sentence) {
        result.exitCode = 1;
        result.err += "Validation Error: " + sentence + "\n";
    };
    if (!lens.distance.empty()) {
        const DistanceList typed = ReadDistances(lens.distance, machine.numbers, unit);
        if (typed.values.size() == 1 && typed.refusal.empty())
            request.typedDistance = typed.values.front();
        else
            refuse(typed.refusal.empty() ? "--distance takes one distance" : typed.refusal);
    }
    std::string cutNote;
    if (parsed.values.count("--distances")) {
        const DistanceList list =
            ReadDistances(Option(parsed, "--distances"), machine.numbers, unit);
        request.distances = list.values;
        if (!list.refusal.empty())
            refuse(list.refusal);
        if (request.typedDistance)
            AddDistance(request.distances, *request.typedDistance);
    } else {
        request.distances = DefaultDistances(request, machine.numbers, &cutNote);
    }
    result.outputFile = Option(parsed, "--output");
    if (format == "csv") {
        result.produce = [lens, request, numbers = machine.numbers](const OutputSink& sink) {
            std::string err;
            for (const std::string& refusal : WriteTableCsv(Over(lens, request), numbers, sink))
                err += "Validation Error: " + refusal + "\n";
            return err;
        };
        return result;
    }
    if (format == "pdf") {
        // Paper holds a distance only up to a length.
        if (const std::string refusal = KeepPrintableDistances(request); !refusal.empty()) {
            result.exitCode = 1;
            result.err += "Validation Error: " + refusal + "\n";
        }
        const TablePageHeading heading = MakeTableHeading(
            CStringToUtf8(choices.camera.entries[static_cast<std::size_t>(choices.camera.selected)]
                              .displayText),
            lens.Inputs(),
            CStringToUtf8(
                choices.unit.entries[static_cast<std::size_t>(choices.unit.selected)].displayText),
            machine.numbers);
        const std::optional<bool> letter =
            paper.empty() ? std::nullopt : std::optional<bool>(paper == "letter");
        result.produce = [lens, request, heading, letter, pdf = machine.pdf,
                          numbers = machine.numbers](const OutputSink& sink) {
            const DofTable table = MakeTable(Over(lens, request), numbers);
            return pdf && pdf(table, heading, letter, sink)
                       ? std::string()
                       : std::string("vextondof: no PDF could be made here\n");
        };
        result.binaryOut = true;
        return result;
    }
    result.produce = [lens, request, cutNote, numbers = machine.numbers](const OutputSink& sink) {
        const TableRequest over = Over(lens, request);
        WriteTableText(TableRows(over, numbers), sink);
        if (!cutNote.empty())
            sink(cutNote + "\n");
        return std::string();
    };
    return result;
}
// The Plan Focus form's result labels, in its order: the static text just
// before each result box.
std::vector<std::string> PlanLabels() {
    std::vector<std::string> labels;
    const DialogTemplate* form = FindDialogTemplate(IDD_PLAN_FOCUS);
    for (std::size_t i = 1; form && i < form->items.size(); ++i)
        if (form->items[i].id >= IDC_PLAN_FOCUS_AT &&
            form->items[i].id <= IDC_PLAN_BACKGROUND_CIRCLES)
            labels.push_back(form->items[i - 1].text);
    return labels;
}

CommandResult Plan(const std::vector<std::string>& args, const CommandLineMachine& machine) {
    const Parsed parsed = ParseOptions(args, {"--near", "--far", "--background"});
    if (auto answer = HelpOrUsageError(parsed, "plan", kPlanHelp, "--near"))
        return *answer;
    Choices choices;
    if (auto failed = Choose(choices, parsed, machine, "plan"))
        return *failed;
    const CameraRecord* camera = CameraForValue(Value(choices.camera));
    const LensTexts lens =
        LensOf(choices, parsed, machine.numbers); // the texts the request's views point into
    PlanRequest request;
    request.lens = lens.Inputs();
    request.sensorWidth = camera->sensorWidth;
    request.nearText = Option(parsed, "--near");
    const std::string far = Option(parsed, "--far");
    request.farIsInfinite = far.empty();
    request.farText = far;
    request.backgroundText = Option(parsed, "--background");
    const FocusPlan plan = PlanFocus(request, machine.numbers);
    CommandResult result;
    const std::string* texts[] = {
        &plan.focusAt,  &plan.apertureNeeded, &plan.sharpRange,       &plan.diffraction,
        &plan.sharpest, &plan.backgroundBlur, &plan.backgroundCircles};
    const std::vector<std::string> labels = PlanLabels();
    for (std::size_t i = 0; i < labels.size() && i < std::size(texts); ++i)
        if (!texts[i]->empty())
            result.out += labels[i] + " " + *texts[i] + "\n";
    result.err = choices.warning;
    if (const std::optional<double> reach = CloseUpReach(request.lens, machine.numbers);
        reach && plan.refusal.empty() && plan.focusDistance > *reach)
        result.err += "Note: " + CloseUpReachText(request.lens, machine.numbers) + ".\n";
    if (!plan.warning.empty())
        result.err += "Warning: " + plan.warning + "\n";
    if (!plan.refusal.empty()) {
        result.exitCode = 1;
        result.err += "Validation Error: " + plan.refusal + "\n";
    }
    return result;
}
} // namespace

std::optional<CommandResult> RunCommandLine(const std::vector<std::string>& args,
                                            const CommandLineMachine& machine) {
    if (args.empty())
        return std::nullopt;
    const std::string& verb = args[0];
    if (verb != "calculate" && verb != "table" && verb != "plan") {
        if (!verb.empty() && verb[0] == '-') // the window's own options
            return std::nullopt;
        const std::string meant = NearestWord(verb, {"calculate", "plan", "table"});
        return CommandResult{2,
                             "",
                             "vextondof: \"" + verb + "\" is not a command; " +
                                 (meant.empty() ? "the commands are calculate, plan and table"
                                                : "did you mean " + meant + "?") +
                                 "\nTry 'vextondof --help'.\n",
                             "",
                             false,
                             {}};
    }
    RegisterProgramResources();
    return verb == "calculate" ? Calculate(args, machine)
           : verb == "plan"    ? Plan(args, machine)
                               : Table(args, machine);
}

void CollectOutput(CommandResult& result) {
    if (!result.produce)
        return;
    const std::string more =
        result.produce([&result](std::string_view piece) { result.out += piece; });
    result.err += more;
    if (!more.empty())
        result.exitCode = 1;
    result.produce = nullptr;
}
