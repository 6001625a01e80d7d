#include "cli/choices.h"
#include "cli/table_text.h"
#include "cli/verbs.h"
#include "closeup/stack_plan.h"
#include "framework/base/translate.h"

extern const Verb kStackVerb; // at the end

namespace {
const char kStackUsage[] =
    TR_NOOP("Command line",
            "       vextondof stack [CHOICES] --near TEXT [--far TEXT|inf] [--overlap PERCENT]\n"
            "       vextondof stack [CHOICES] --magnification M --depth MM\n"
            "                       [--extension MM] [--pupil P] [--overlap PERCENT]\n"
            "                       [--format text|csv|pdf] [--output FILE] [--paper a4|letter]\n");

const char kStackHelp[] =
    TR_NOOP("Command line",
            "Usage: vextondof stack [CHOICES] --near TEXT [--far TEXT|inf] [--overlap PERCENT]\n"
            "       vextondof stack [CHOICES] --magnification M --depth MM\n"
            "                       [--extension MM] [--pupil P] [--overlap PERCENT]\n"
            "                       [--format text|csv|pdf] [--output FILE] [--paper a4|letter]\n"
            "\n"
            "Plans a focus stack, as the Close-Up and Stacking form does: by refocusing\n"
            "the lens from the farthest point to the nearest (--near), or by moving the\n"
            "camera on a rail through a depth at one magnification (--magnification).\n"
            "\n"
            "  --near TEXT          the nearest point that must be sharp, in the unit\n"
            "  --far TEXT|inf       the farthest (default: infinity)\n"
            "  --magnification M    on a rail: 0.5, 0.5x or 1:2\n"
            "  --depth MM           the depth the stack must cover, in millimetres\n"
            "  --extension MM       tubes or bellows behind the lens (default 0)\n"
            "  --pupil P            the pupil magnification (default 1)\n"
            "  --overlap PERCENT    of each shot's depth shared with the next (default 20)\n"
            "  --format FORMAT      text (the plan, aligned), csv (for programs: \"%f\"\n"
            "                       numbers, \".\", inf) or pdf\n"
            "  --output FILE        written whole or not at all (a PDF needs one on a terminal)\n"
            "  --paper PAPER        a4 or letter, for a PDF (default: your locale's)\n");

// What was asked of the options, checked; a usage error when not understood.
std::optional<CommandResult> ReadStackOptions(const Parsed& parsed, StackTyped& stack,
                                              std::string& format) {
    const auto has = [&parsed](const char* name) { return parsed.values.count(name) > 0; };
    format = Option(parsed, "--format");
    const std::string paper = Option(parsed, "--paper");
    if (has("--near") == has("--magnification"))
        return UsageError("stack",
                          Tr("Command line", "give --near or --magnification, one of them"));
    if (has("--near") && (has("--depth") || has("--extension") || has("--pupil")))
        return UsageError("stack", Tr("Command line",
                                      "--depth, --extension and --pupil go with --magnification"));
    if (has("--magnification") && has("--far"))
        return UsageError("stack", Tr("Command line", "--magnification takes --depth, not --far"));
    if (has("--magnification") && !has("--depth"))
        return UsageError("stack", Tr("Command line", "--magnification needs --depth"));
    if (!format.empty() && format != "text" && format != "csv" && format != "pdf")
        return UsageError("stack", Tr("Command line", "--format takes text, csv or pdf"));
    if (!paper.empty() && paper != "a4" && paper != "letter")
        return UsageError("stack", Tr("Command line", "--paper takes a4 or letter"));
    if (has("--output") && Option(parsed, "--output").empty())
        return UsageError("stack",
                          Tr("Command line", "--output needs a file name (- for standard output)"));
    stack.by = has("--near") ? StackBy::Lens : StackBy::Rail;
    stack.nearest = Option(parsed, "--near");
    stack.farthest = Option(parsed, "--far");
    stack.farIsInfinite = stack.farthest.empty();
    stack.depth = Option(parsed, "--depth");
    stack.overlap = Option(parsed, "--overlap");
    return std::nullopt;
}
// The plan made in `format` as the output is written: text, CSV or a PDF.
void Produce(CommandResult& result, const StackPlan& plan, const std::string& format,
             const std::string& paper, const TablePageHeading& heading,
             const CommandLineContext& machine) {
    if (format == "csv") {
        result.produce = [plan](const OutputSink& sink) {
            WriteStackCsv(plan, sink);
            return std::string();
        };
    } else if (format == "pdf") {
        const std::optional<bool> letter =
            paper.empty() ? std::nullopt : std::optional<bool>(paper == "letter");
        result.produce = [table = plan.table, heading, letter,
                          pdf = machine.pdf](const OutputSink& sink) {
            return pdf && pdf(table, heading, letter, sink)
                       ? std::string()
                       : "vextondof: " + Tr("Command line", "no PDF could be made here") + "\n";
        };
        result.binaryOut = true;
    } else {
        result.produce = [plan](const OutputSink& sink) {
            WriteTableText(plan.table, sink);
            return std::string();
        };
    }
}
} // namespace

CommandResult StackVerb(const std::vector<std::string>& args, const CommandLineContext& machine) {
    const Parsed parsed = ParseOptions(args, kStackVerb.own);
    if (auto answer = HelpOrUsageError(parsed, kStackVerb))
        return *answer;
    StackTyped stack;
    std::string format;
    if (auto wrong = ReadStackOptions(parsed, stack, format))
        return *wrong;
    Choices choices;
    if (auto failed = Choose(choices, parsed, machine, "stack"))
        return *failed;
    const Lens lens = LensOf(choices, parsed, machine.numbers);
    const CloseUpTyped shot{Option(parsed, "--magnification"), "", Option(parsed, "--extension"),
                            Option(parsed, "--pupil")};
    const StackPlan plan = MakeStackPlan(lens, shot, stack, machine.numbers);
    CommandResult result;
    result.err = choices.warning;
    if (!plan.refusal.empty()) {
        result.exitCode = 1;
        result.err += ValidationError(plan.refusal);
        return result;
    }
    // The nearest focus the plan asks of the lens, when it focuses no nearer.
    if (plan.by == StackBy::Lens && !plan.lens.shots.empty())
        result.err += LensNote(choices, lens, plan.lens.shots.back().focus, machine.numbers);
    else if (plan.by == StackBy::Rail)
        result.err += LensNote(choices, lens,
                               FromMillimetres(lens.Unit().factor)(plan.rail.shot.subjectDistance),
                               machine.numbers);
    result.outputFile = Option(parsed, "--output");
    Produce(result, plan, format, Option(parsed, "--paper"),
            MakeTableHeading(lens, machine.numbers), machine);
    return result;
}

const Verb kStackVerb{"stack",
                      StackVerb,
                      kStackUsage,
                      kStackHelp,
                      true,
                      {"--near", "--far", "--magnification", "--depth", "--extension", "--pupil",
                       "--overlap", "--format", "--output", "--paper"},
                      nullptr};
