#include "cli/choices.h"
#include "cli/verbs.h"
#include "framework/base/resources.h"
#include "framework/base/translate.h"
#include "resources/resource.h"

extern const Verb kCalculateVerb; // at the end

namespace {
const char kCalculateUsage[] = TR_NOOP(
    "Command line", "       vextondof calculate [CHOICES] --distance TEXT [--diopter TEXT]\n");

const char kCalculateHelp[] =
    TR_NOOP("Command line",
            "Usage: vextondof calculate [CHOICES] --distance TEXT [--diopter TEXT]\n"
            "\n"
            "Writes the six results a press of Calculate shows, one a line, as the\n"
            "results form shows them. A refused calculation says why on standard error\n"
            "and exits 1; a choice or an option not understood exits 2.\n"
            "\n"
            "  --distance TEXT      the subject distance, in the unit or with its own (\"3 m\")\n");

// The results form's labels, in its order, without their trailing spaces.
std::vector<std::string> ResultLabels() {
    std::vector<std::string> labels;
    if (const DialogTemplate* form = FindDialogTemplate(IDD_OUTPUT))
        for (const DialogItem& item : form->items)
            if (item.kind == ControlKind::Static && item.id == IDC_STATIC) {
                std::string label = Tr(form->caption, item.text);
                while (!label.empty() && label.back() == ' ')
                    label.pop_back();
                labels.push_back(label);
            }
    return labels;
}

} // namespace

CommandResult CalculateVerb(const std::vector<std::string>& args,
                            const CommandLineContext& machine) {
    const Parsed parsed = ParseOptions(args, kCalculateVerb.own);
    if (auto answer = HelpOrUsageError(parsed, kCalculateVerb))
        return *answer;
    Choices choices;
    if (auto failed = Choose(choices, parsed, machine, "calculate"))
        return *failed;
    const Lens lens = LensOf(choices, parsed, machine.numbers);
    const CalculationResult result = ::Calculate(lens, machine.numbers);
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
    if (const std::optional<double> reach = CloseUpReach(lens);
        reach && lens.distance.value_or(0) > *reach)
        out.err += Note(CloseUpReachText(lens, machine.numbers) + ".");
    if (lens.distance)
        out.err += LensNote(choices, lens, *lens.distance, machine.numbers);
    for (std::size_t i = 0; i < labels.size() && i < std::size(texts); ++i)
        out.out += labels[i] + " " + texts[i] + "\n";
    return out;
}

const Verb kCalculateVerb{"calculate", CalculateVerb,  kCalculateUsage, kCalculateHelp,
                          true,        {"--distance"}, "--distance"};
