#include "chart/dof_chart.h"
#include "cli/choices.h"
#include "cli/verbs.h"
#include "framework/base/translate.h"

extern const Verb kChartVerb; // at the end

namespace {
const char kChartUsage[] =
    TR_NOOP("Command line",
            "       vextondof chart [CHOICES] [--distance TEXT] [--view zone|limits]\n"
            "                       [--apertures FROM:TO] [--steps whole|half|third]\n"
            "                       --format svg|png|pdf [--output FILE] [--paper a4|letter]\n");

const char kChartHelp[] =
    TR_NOOP("Command line",
            "Usage: vextondof chart [CHOICES] [--distance TEXT] [--view zone|limits]\n"
            "                       [--apertures FROM:TO] [--steps whole|half|third]\n"
            "                       --format svg|png|pdf [--output FILE] [--paper a4|letter]\n"
            "\n"
            "Draws the DOF chart the chart form shows for these choices, as an image or\n"
            "a PDF page, with no window and no display.\n"
            "\n"
            "  --distance TEXT      the focus distance: the sharp zone's, marked on the limits\n"
            "  --view VIEW          zone (the sharp zone of each aperture at the distance,\n"
            "                       the default) or limits (the near and far limits of each\n"
            "                       aperture by focus distance)\n"
            "  --apertures FROM:TO  apertures from FROM to TO (default f/2.8:f/22, widened to\n"
            "                       the aperture chosen, which is emphasised)\n"
            "  --steps STEPS        whole, half or third stops between them (default whole)\n"
            "  --format FORMAT      svg, png (at twice its size) or pdf (a page under the\n"
            "                       table's heading); by default the --output file's ending\n"
            "  --output FILE        written whole or not at all (needed on a terminal)\n"
            "  --paper PAPER        a4 or letter, for a PDF (default: your locale's)\n");

struct ChartOptions {
    ChartView view = ChartView::Zone;
    StopSteps steps = StopSteps::Whole;
    std::optional<ChartFormat> format;
    std::string paper, output;
};

std::optional<CommandResult> ReadChartOptions(const Parsed& parsed, ChartOptions& options) {
    const std::string view = Option(parsed, "--view");
    const std::string steps = Option(parsed, "--steps");
    const std::string format = Option(parsed, "--format");
    options.paper = Option(parsed, "--paper");
    options.output = Option(parsed, "--output");
    if (!view.empty() && view != "zone" && view != "limits")
        return UsageError("chart", Tr("Command line", "--view takes zone or limits"));
    if (!steps.empty() && steps != "whole" && steps != "half" && steps != "third")
        return UsageError("chart", Tr("Command line", "--steps takes whole, half or third"));
    if (!format.empty() && format != "svg" && format != "png" && format != "pdf")
        return UsageError("chart", Tr("Command line", "--format takes svg, png or pdf"));
    if (!options.paper.empty() && options.paper != "a4" && options.paper != "letter")
        return UsageError("chart", Tr("Command line", "--paper takes a4 or letter"));
    if (parsed.values.count("--output") && options.output.empty())
        return UsageError("chart",
                          Tr("Command line", "--output needs a file name (- for standard output)"));
    options.format = format.empty() ? ChartFormatOf(options.output) : ChartFormatOf("." + format);
    if (!options.format)
        return UsageError("chart", Tr("Command line", "--format takes svg, png or pdf (or an "
                                                      "--output file ending in one of them)"));
    options.view = view == "limits" ? ChartView::Limits : ChartView::Zone;
    options.steps = steps == "half"    ? StopSteps::Half
                    : steps == "third" ? StopSteps::Third
                                       : StopSteps::Whole;
    return std::nullopt;
}
} // namespace

CommandResult ChartVerb(const std::vector<std::string>& args, const CommandLineContext& machine) {
    const Parsed parsed = ParseOptions(args, kChartVerb.own);
    if (auto answer = HelpOrUsageError(parsed, kChartVerb))
        return *answer;
    ChartOptions options;
    if (auto wrong = ReadChartOptions(parsed, options))
        return *wrong;
    Choices choices;
    Lens lens;
    ChartRequest request;
    request.view = options.view;
    if (auto failed =
            ReadTableLens(parsed, machine, "chart", options.steps, choices, lens, request.table))
        return *failed;
    if (!lens.distanceText.empty()) {
        const DistanceList typed = ReadDistances(lens.distanceText, machine.numbers, lens.Unit());
        if (typed.values.size() != 1 || !typed.refusal.empty())
            return Refused(typed.refusal.empty()
                               ? Tr("Command line", "--distance takes one distance")
                               : typed.refusal);
        request.focus = typed.values.front();
    } else if (options.view == ChartView::Zone) {
        return Refused(
            Tr("Command line", "The sharp zone is drawn at a distance: give one with --distance."));
    }
    CommandResult result;
    result.err = choices.warning;
    if (request.focus)
        result.err += LensNote(choices, lens, *request.focus, machine.numbers);
    result.outputFile = options.output;
    result.binaryOut = true;
    const TablePageHeading heading = MakeTableHeading(lens, machine.numbers);
    const std::optional<bool> letter =
        options.paper.empty() ? std::nullopt : std::optional<bool>(options.paper == "letter");
    result.produce = [request, heading, letter, format = *options.format, draw = machine.chart,
                      numbers = machine.numbers](const OutputSink& sink) {
        const DofChart chart = MakeChart(request, numbers);
        if (!chart.refusal.empty())
            throw NothingMade(ValidationError(chart.refusal));
        if (!draw)
            throw NothingMade("vextondof: " + Tr("Command line", "no chart can be drawn here") +
                              "\n");
        const std::string failed = draw(chart, heading, format, letter, sink);
        if (!failed.empty())
            throw NothingMade("vextondof: " + failed + "\n");
        return failed;
    };
    return result;
}

const Verb kChartVerb{
    "chart",
    ChartVerb,
    kChartUsage,
    kChartHelp,
    true,
    {"--distance", "--view", "--apertures", "--steps", "--format", "--output", "--paper"},
    nullptr};
