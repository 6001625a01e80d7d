#include "cameras/camera_table.h"
#include "cli/choices.h"
#include "cli/verbs.h"
#include "framework/base/resources.h"
#include "framework/base/translate.h"
#include "planner/focus_plan.h"
#include "planner/plan_template.h"
#include "resources/resource.h"

extern const Verb kPlanVerb; // at the end

namespace {
const char kPlanUsage[] =
    TR_NOOP("Command line",
            "       vextondof plan [CHOICES] --near TEXT [--far TEXT|inf] [--background TEXT]\n");

const char kPlanHelp[] =
    TR_NOOP("Command line",
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
            "  --background TEXT    where the background is (default: infinity)\n");

// The Plan Focus form's result labels, in its order: the static text just
// before each result box.
std::vector<std::string> PlanLabels() {
    std::vector<std::string> labels;
    const DialogTemplate* form = &kPlanFocusTemplate;
    for (std::size_t i = 1; form && i < form->items.size(); ++i)
        if (form->items[i].id >= IDC_PLAN_FOCUS_AT &&
            form->items[i].id <= IDC_PLAN_BACKGROUND_CIRCLES)
            labels.push_back(Tr(form->caption, form->items[i - 1].text));
    return labels;
}

} // namespace

CommandResult PlanVerb(const std::vector<std::string>& args, const CommandLineContext& machine) {
    const Parsed parsed = ParseOptions(args, kPlanVerb.own);
    if (auto answer = HelpOrUsageError(parsed, kPlanVerb))
        return *answer;
    Choices choices;
    if (auto failed = Choose(choices, parsed, machine, "plan"))
        return *failed;
    PlanRequest request;
    request.lens = LensOf(choices, parsed, machine.numbers);
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
    if (const std::optional<double> reach = CloseUpReach(request.lens);
        reach && plan.refusal.empty() && plan.focusDistance > *reach)
        result.err += Note(CloseUpReachText(request.lens, machine.numbers) + ".");
    if (plan.refusal.empty())
        result.err += LensNote(choices, request.lens, plan.focusDistance, machine.numbers);
    if (!plan.warning.empty())
        result.err += Tr("Command line", "Warning: ") + plan.warning + "\n";
    if (!plan.refusal.empty()) {
        result.exitCode = 1;
        result.err += ValidationError(plan.refusal);
    }
    return result;
}

const Verb kPlanVerb{
    "plan", PlanVerb, kPlanUsage, kPlanHelp, true, {"--near", "--far", "--background"}, "--near"};
