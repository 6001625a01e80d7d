#include "calc/number_text.h"
#include "cli/choices.h"
#include "cli/verbs.h"
#include "closeup/close_up_template.h"
#include "closeup/stack_plan.h"
#include "framework/base/translate.h"
#include "resources/resource.h"

extern const Verb kCloseUpVerb; // at the end

namespace {
const char kCloseUpUsage[] = TR_NOOP(
    "Command line", "       vextondof closeup [CHOICES] --magnification M | --distance TEXT\n"
                    "                         [--extension MM] [--pupil P]\n");

const char kCloseUpHelp[] =
    TR_NOOP("Command line",
            "Usage: vextondof closeup [CHOICES] --magnification M | --distance TEXT\n"
            "                         [--extension MM] [--pupil P]\n"
            "\n"
            "Writes the numbers of one close-up shot, as the Close-Up and Stacking form\n"
            "shows them: the magnification, the working aperture and the light lost, the\n"
            "depth of field (classic, and by wave optics), the Airy disc, the field at\n"
            "the subject and the subject's distance from the sensor, a line each.\n"
            "\n"
            "  --magnification M    0.5, 0.5x or 1:2\n"
            "  --distance TEXT      or where the lens is focused, in the unit (the subject's\n"
            "                       distance from the lens when there is no extension)\n"
            "  --extension MM       tubes or bellows behind the lens (default 0)\n"
            "  --pupil P            the pupil magnification, exit over entrance (default 1)\n");

} // namespace

CommandResult CloseUpVerb(const std::vector<std::string>& args, const CommandLineContext& machine) {
    const Parsed parsed = ParseOptions(args, kCloseUpVerb.own);
    if (auto answer = HelpOrUsageError(parsed, kCloseUpVerb))
        return *answer;
    if (parsed.values.count("--magnification") == parsed.values.count("--distance"))
        return UsageError("closeup",
                          Tr("Command line", "give --magnification or --distance, one of them"));
    Choices choices;
    if (auto failed = Choose(choices, parsed, machine, "closeup"))
        return *failed;
    const Lens lens = LensOf(choices, parsed, machine.numbers);
    // The lens's own pupil magnification, when it is known and none is given.
    std::string pupil = Option(parsed, "--pupil");
    if (pupil.empty() && choices.lens && choices.lens->pupil > 0)
        pupil = FormatShortest(choices.lens->pupil, 6, machine.numbers);
    const CloseUpTyped typed{Option(parsed, "--magnification"), Option(parsed, "--distance"),
                             Option(parsed, "--extension"), pupil};
    const CloseUpRead read = ReadCloseUp(lens, typed, machine.numbers);
    CommandResult result;
    result.err = choices.warning;
    if (!read.shot.refusal.empty()) {
        result.exitCode = 1;
        result.err += ValidationError(read.shot.refusal);
        return result;
    }
    result.err +=
        LensNote(choices, lens, FromMillimetres(lens.Unit().factor)(read.shot.subjectDistance),
                 machine.numbers);
    const std::vector<std::string> labels =
        LabelsBefore(kCloseUpTemplate, IDC_CU_SHOWN_MAGNIFICATION, IDC_CU_TO_SENSOR);
    const std::vector<std::string> texts = CloseUpTexts(read.shot, lens, machine.numbers);
    for (std::size_t i = 0; i < labels.size() && i < texts.size(); ++i)
        result.out += labels[i] + " " + texts[i] + "\n";
    if (const std::string warning = CloseUpWarning(read.shot, lens, machine.numbers);
        !warning.empty())
        result.err += Tr("Command line", "Warning: ") + warning + "\n";
    return result;
}

const Verb kCloseUpVerb{"closeup",     CloseUpVerb,
                        kCloseUpUsage, kCloseUpHelp,
                        true,          {"--magnification", "--distance", "--extension", "--pupil"},
                        nullptr};
