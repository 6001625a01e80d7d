#include "calc/typed_distance.h"
#include "cli/choices.h"
#include "cli/verbs.h"
#include "framework/base/translate.h"
#include "lenses/choose_lens_template.h"
#include "lenses/framing.h"
#include "resources/resource.h"

extern const Verb kFrameVerb; // at the end

namespace {
const char kFrameUsage[] =
    TR_NOOP("Command line",
            "       vextondof frame [CHOICES] --distance TEXT | --width TEXT | --height TEXT\n");

const char kFrameHelp[] =
    TR_NOOP("Command line",
            "Usage: vextondof frame [CHOICES] --distance TEXT | --width TEXT | --height TEXT\n"
            "\n"
            "Writes how the lens frames a shot: at a distance from the lens, or at the\n"
            "distance that frames a subject of a given width or height, the horizontal,\n"
            "vertical and diagonal angles of view and the field covered at the subject.\n"
            "\n"
            "  --distance TEXT      the subject's distance from the lens, in the unit\n"
            "  --width TEXT         or the width the frame must hold, in the unit\n"
            "  --height TEXT        or the height the frame must hold, in the unit\n");

} // namespace

CommandResult FrameVerb(const std::vector<std::string>& args, const CommandLineContext& machine) {
    const Parsed parsed = ParseOptions(args, kFrameVerb.own);
    if (auto answer = HelpOrUsageError(parsed, kFrameVerb))
        return *answer;
    const char* given = nullptr;
    int count = 0;
    for (const char* option : {"--distance", "--width", "--height"})
        if (parsed.values.count(option)) {
            given = option;
            ++count;
        }
    if (count != 1)
        return UsageError("frame",
                          Tr("Command line", "give one of --distance, --width and --height"));
    Choices choices;
    if (auto failed = Choose(choices, parsed, machine, "frame"))
        return *failed;
    const Lens lens = LensOf(choices, parsed, machine.numbers);
    CommandResult result;
    result.err = choices.warning;
    const std::string typed = Option(parsed, given);
    const std::optional<double> length = ReadTypedDistance(typed, machine.numbers, lens.Unit());
    Framing framing;
    if (!length)
        framing.refusal =
            Arg(Tr("Framing", "\u201C%1\u201D is not a length."), {TypedShown(typed)});
    else if (std::string(given) == "--distance")
        framing = FramingAt(lens.Setup(), lens.sensor, *length);
    else
        framing =
            FramingFor(lens.Setup(), lens.sensor, *length,
                       std::string(given) == "--width" ? FrameSide::Width : FrameSide::Height);
    if (!framing.refusal.empty()) {
        result.exitCode = 1;
        result.err += ValidationError(framing.refusal);
        return result;
    }
    result.err += LensNote(choices, lens, framing.distance, machine.numbers);
    // As the Choose Lens form shows them.
    const std::vector<std::string> labels = LabelsBefore(kChooseLensTemplate, IDC_LENS_FRAMING,
                                                         IDC_LENS_FRAMING + int(kFramingLines) - 1);
    const std::vector<std::string> texts = FramingTexts(framing, lens.Unit(), machine.numbers);
    for (std::size_t i = 0; i < texts.size() && i < labels.size(); ++i)
        result.out += labels[i] + " " + texts[i] + "\n";
    return result;
}

const Verb kFrameVerb{"frame",    FrameVerb, kFrameUsage,
                      kFrameHelp, true,      {"--distance", "--width", "--height"},
                      nullptr};
