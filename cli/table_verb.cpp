#include "cli/choices.h"
#include "cli/table_text.h"
#include "cli/verbs.h"
#include "framework/base/translate.h"
#include "table/table_csv.h"

#include <algorithm>
#include <map>

extern const Verb kTableVerb; // at the end

namespace {
const char kTableUsage[] =
    TR_NOOP("Command line",
            "       vextondof table [CHOICES] [--distance TEXT] [--distances \"LIST\"]\n"
            "                       [--apertures FROM:TO] [--steps whole|half|third]\n"
            "                       [--show limits|split|total]\n"
            "                       [--format text|csv|pdf] [--output FILE] [--paper a4|letter]\n");

const char kTableHelp[] = TR_NOOP(
    "Command line",
    "Usage: vextondof table [CHOICES] [--distance TEXT] [--distances \"LIST\"]\n"
    "                       [--apertures FROM:TO] [--steps whole|half|third]\n"
    "                       [--show limits|split|total]\n"
    "                       [--format text|csv|pdf] [--output FILE] [--paper a4|letter]\n"
    "\n"
    "Writes the DOF table the table form shows for these choices.\n"
    "\n"
    "  --distance TEXT      a focus distance added to the default rows, marked\n"
    "  --distances \"LIST\"   the rows: distances separated by spaces\n"
    "  --apertures FROM:TO  the columns: apertures from FROM to TO (default f/2.8:f/22,\n"
    "                       widened to the aperture chosen, which is a column)\n"
    "  --steps STEPS        whole, half or third stops between them (default whole)\n"
    "  --show WHAT          limits (near - far), split (in front / behind) or total\n"
    "  --format FORMAT      text (the table, aligned), csv (for programs: a line for\n"
    "                       each distance and aperture, \"%f\" numbers, \".\", inf) or pdf\n"
    "  --output FILE        written whole or not at all (a PDF needs one on a terminal)\n"
    "  --paper PAPER        a4 or letter, for a PDF (default: your locale's)\n");

// The table verb's own options, checked; a usage error when one is not understood.
struct TableOptions {
    TableShows shows = TableShows::Limits;
    StopSteps steps = StopSteps::Whole;
    std::string format, paper, output;
};

std::optional<CommandResult> ReadTableOptions(const Parsed& parsed, TableOptions& options) {
    static const std::map<std::string, TableShows> kShows = {
        {"limits", TableShows::Limits}, {"split", TableShows::Split}, {"total", TableShows::Total}};
    static const std::map<std::string, StopSteps> kSteps = {
        {"whole", StopSteps::Whole}, {"half", StopSteps::Half}, {"third", StopSteps::Third}};
    const std::string show = Option(parsed, "--show");
    const std::string steps = Option(parsed, "--steps");
    options.format = Option(parsed, "--format");
    options.paper = Option(parsed, "--paper");
    options.output = Option(parsed, "--output");
    if (!show.empty() && !kShows.count(show))
        return UsageError("table", Tr("Command line", "--show takes limits, split or total"));
    if (!steps.empty() && !kSteps.count(steps))
        return UsageError("table", Tr("Command line", "--steps takes whole, half or third"));
    if (!options.format.empty() && options.format != "text" && options.format != "csv" &&
        options.format != "pdf")
        return UsageError("table", Tr("Command line", "--format takes text, csv or pdf"));
    if (!options.paper.empty() && options.paper != "a4" && options.paper != "letter")
        return UsageError("table", Tr("Command line", "--paper takes a4 or letter"));
    if (parsed.values.count("--output") && options.output.empty())
        return UsageError("table",
                          Tr("Command line", "--output needs a file name (- for standard output)"));
    options.shows = show.empty() ? TableShows::Limits : kShows.at(show);
    options.steps = steps.empty() ? StopSteps::Whole : kSteps.at(steps);
    return std::nullopt;
}

// The rows: the typed distance (marked) and the listed ones, or the default
// series; what is refused goes to `result`, and where the series stops short
// to `cutNote`.
void SetRows(TableRequest& request, const Lens& lens, const Parsed& parsed,
             const NumberSettings& numbers, CommandResult& result, std::string& cutNote) {
    const DistanceUnit& unit = lens.Unit();
    const auto refuse = [&result](const std::string& sentence) {
        result.exitCode = 1;
        result.err += ValidationError(sentence);
    };
    if (!lens.distanceText.empty()) {
        const DistanceList typed = ReadDistances(lens.distanceText, numbers, unit);
        if (typed.values.size() == 1 && typed.refusal.empty())
            request.typedDistance = typed.values.front();
        else
            refuse(typed.refusal.empty() ? Tr("Command line", "--distance takes one distance")
                                         : typed.refusal);
    }
    if (parsed.values.count("--distances")) {
        const DistanceList list = ReadDistances(Option(parsed, "--distances"), numbers, unit);
        request.distances = list.values;
        if (!list.refusal.empty())
            refuse(list.refusal);
        if (request.typedDistance)
            AddDistance(request.distances, *request.typedDistance);
    } else {
        request.distances = DefaultDistances(request, numbers, &cutNote);
    }
}

void ProduceCsv(CommandResult& result, const TableRequest& request) {
    result.produce = [request](const OutputSink& sink) {
        std::string err;
        for (const std::string& refusal : WriteTableCsv(request, sink))
            err += ValidationError(refusal);
        return err;
    };
}

void ProducePdf(CommandResult& result, const Lens& lens, TableRequest request,
                const TableOptions& options, const CommandLineContext& machine) {
    // Paper holds a distance only up to a length.
    if (const std::string refusal = KeepPrintableDistances(request); !refusal.empty()) {
        result.exitCode = 1;
        result.err += ValidationError(refusal);
    }
    const TablePageHeading heading = MakeTableHeading(lens, machine.numbers);
    const std::optional<bool> letter =
        options.paper.empty() ? std::nullopt : std::optional<bool>(options.paper == "letter");
    result.produce = [request, heading, letter, pdf = machine.pdf,
                      numbers = machine.numbers](const OutputSink& sink) {
        const DofTable table = MakeTable(request, numbers);
        return pdf && pdf(table, heading, letter, sink)
                   ? std::string()
                   : "vextondof: " + Tr("Command line", "no PDF could be made here") + "\n";
    };
    result.binaryOut = true;
}

void ProduceText(CommandResult& result, const TableRequest& request, const std::string& cutNote,
                 const NumberSettings& numbers) {
    result.produce = [request, cutNote, numbers](const OutputSink& sink) {
        WriteTableText(TableRows(request, numbers), sink);
        if (!cutNote.empty())
            sink(cutNote + "\n");
        return std::string();
    };
}
} // namespace

CommandResult TableVerb(const std::vector<std::string>& args, const CommandLineContext& machine) {
    const Parsed parsed = ParseOptions(args, kTableVerb.own);
    if (auto answer = HelpOrUsageError(parsed, kTableVerb))
        return *answer;
    TableOptions options;
    if (auto wrong = ReadTableOptions(parsed, options))
        return *wrong;
    Choices choices;
    Lens lens;
    TableRequest request;
    if (auto failed =
            ReadTableLens(parsed, machine, "table", options.steps, choices, lens, request))
        return *failed;
    request.shows = options.shows;
    request.owned = choices.lens;
    CommandResult result;
    result.err = choices.warning;
    std::string cutNote;
    SetRows(request, lens, parsed, machine.numbers, result, cutNote);
    // The nearest row a lens cannot focus at says so; the rows beyond it can.
    for (const double distance : request.distances)
        if (const std::string note = LensNote(choices, lens, distance, machine.numbers);
            !note.empty()) {
            result.err += note;
            break;
        }
    result.outputFile = options.output;
    if (options.format == "csv")
        ProduceCsv(result, request);
    else if (options.format == "pdf")
        ProducePdf(result, lens, request, options, machine);
    else
        ProduceText(result, request, cutNote, machine.numbers);
    return result;
}

const Verb kTableVerb{"table",
                      TableVerb,
                      kTableUsage,
                      kTableHelp,
                      true,
                      {"--distance", "--distances", "--apertures", "--steps", "--show", "--format",
                       "--output", "--paper"},
                      nullptr};
