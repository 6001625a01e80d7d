#include "cli/choices.h"
#include "cli/verbs.h"
#include "framework/base/translate.h"

#include <cmath>

extern const Verb kCocVerb; // at the end

namespace {
const char kCocUsage[] =
    TR_NOOP("Command line",
            "       vextondof coc [CHOICES] --print SIZE [--viewing DISTANCE] [--eyesight WHICH]\n"
            "       vextondof coc [CHOICES] --pixels WIDTH | --pitch SIZE [--factor N]\n");

const char kCocHelp[] = TR_NOOP(
    "Command line",
    "Usage: vextondof coc [--camera TEXT] --print SIZE [--viewing DISTANCE]\n"
    "                     [--eyesight normal|keen|critical]\n"
    "       vextondof coc [--camera TEXT] --pixels WIDTH | --pitch SIZE [--factor N]\n"
    "\n"
    "Works out the circle of confusion that fits the picture, for the camera\n"
    "chosen, and prints each step and the result as the Circle of Confusion\n"
    "form shows them: on the sensor, and for 36 x 24 mm (what --cofc and the\n"
    "main form's list hold).\n"
    "\n"
    "  --print SIZE         the print or screen: \"20x30cm\", \"8x10in\", \"A4\"\n"
    "  --viewing DISTANCE   where it is seen from (\"36cm\", \"14in\"; default: its diagonal)\n"
    "  --eyesight WHICH     normal (5 line pairs per mm at 25 cm), keen (8), critical (10)\n"
    "  --pixels WIDTH       the sensor's width in pixels (default: the camera's, where known)\n"
    "  --pitch SIZE         the pixel pitch instead (\"4.35um\", \"0.00435mm\")\n"
    "  --factor N           how many pixels the circle spans (default 2)\n");

// "4.35um", "4.35 µm", "0.00435mm": millimetres.

std::optional<double> Positive(const std::string& text) {
    std::size_t length = 0;
    const double v = ParseDecimalPrefix(text, &length);
    if (length == 0 || length != text.size() || !(v > 0) || !std::isfinite(v))
        return std::nullopt;
    return v;
}
// The steps from a print seen by eye; a refusal when the options do not read.
std::optional<CommandResult> FromPrint(const Parsed& parsed, const ChosenSensor& chosen,
                                       const NumberSettings& numbers, CocLines& steps) {
    const std::optional<PrintSize> size = ReadPrintSize(Option(parsed, "--print"), numbers);
    if (!size)
        return UsageError(
            "coc", Tr("Command line", "--print takes a size: \"20x30cm\", \"8x10in\", \"A4\""));
    const std::string viewingText = Option(parsed, "--viewing");
    const std::optional<double> viewing =
        viewingText.empty() ? std::optional<double>(0) : ReadViewingDistance(viewingText, numbers);
    if (!viewing)
        return UsageError("coc",
                          Tr("Command line", "--viewing takes a distance: \"36cm\", \"14in\""));
    const std::string which = Option(parsed, "--eyesight");
    const Eyesight* eyes = &Eyesights().front();
    for (const Eyesight& e : Eyesights())
        if (which == e.option)
            eyes = &e;
    if (!which.empty() && which != eyes->option)
        return UsageError("coc", Tr("Command line", "--eyesight takes normal, keen or critical"));
    const CocFromPrint c = CocOfPrint(chosen.camera, *size, *viewing, eyes->linePairs);
    if (const std::string refusal = CocRefusal(c.onSensorMm, c.equivalentMm, numbers);
        !refusal.empty())
        return Refused(refusal);
    steps = PrintSteps(chosen.camera, *size, *eyes, c, numbers);
    return std::nullopt;
}

// The steps from the sensor's pixels; a refusal when the options do not read.
std::optional<CommandResult> FromPixels(const Parsed& parsed, const ChosenSensor& chosen,
                                        const NumberSettings& numbers, CocLines& steps) {
    const std::string factorText = Option(parsed, "--factor");
    const std::optional<double> factor = factorText.empty() ? kPixelsAcross : Positive(factorText);
    if (!factor || *factor > 100)
        return UsageError("coc", Tr("Command line", "--factor takes how many pixels, 1 to 100"));
    std::optional<double> width = chosen.pixelWidth;
    std::optional<double> pitch;
    if (parsed.values.count("--pitch")) {
        pitch = ReadPixelPitch(Option(parsed, "--pitch"), numbers);
        if (!pitch)
            return UsageError(
                "coc", Tr("Command line", "--pitch takes a size: \"4.35um\", \"0.00435mm\""));
        width.reset();
    } else if (parsed.values.count("--pixels")) {
        width = ReadPixelCount(Option(parsed, "--pixels"));
        if (!width)
            return UsageError("coc", Tr("Command line", "--pixels takes the sensor's width in "
                                                        "pixels, a whole number"));
    }
    if (!pitch && !width)
        return Refused(Tr("Command line",
                          "The camera's width in pixels is not known; give --pixels or --pitch."));
    if (!pitch)
        pitch = PitchOfPixels(chosen.camera, *width);
    const CocFromPixels c = CocOfPixels(chosen.camera, *pitch, *factor);
    if (const std::string refusal = CocRefusal(c.onSensorMm, c.equivalentMm, numbers);
        !refusal.empty())
        return Refused(refusal);
    steps = PixelSteps(chosen.camera, width, *factor, c, numbers);
    return std::nullopt;
}
} // namespace

CommandResult CocVerb(const std::vector<std::string>& args, const CommandLineContext& machine) {
    const Parsed parsed = ParseOptions(args, kCocVerb.own);
    if (auto answer = HelpOrUsageError(parsed, kCocVerb))
        return *answer;
    const bool print = parsed.values.count("--print") > 0;
    const bool pixels = parsed.values.count("--pixels") || parsed.values.count("--pitch") ||
                        parsed.values.count("--factor");
    if (print == pixels)
        return UsageError("coc", Tr("Command line", "coc takes --print, or --pixels or --pitch"));
    Choices choices;
    if (auto failed = Choose(choices, parsed, machine, "coc"))
        return *failed;
    const ChosenSensor chosen = SensorOf(choices);
    if (!(chosen.camera.sensor.width > 0) || !(chosen.camera.sensor.height > 0))
        return Refused(Tr("Command line", "The camera's sensor size is not known."));
    CocLines lines = {CameraStep(chosen.name, chosen.camera, machine.numbers)};
    CocLines steps;
    if (auto refused = print ? FromPrint(parsed, chosen, machine.numbers, steps)
                             : FromPixels(parsed, chosen, machine.numbers, steps))
        return *refused;
    lines.insert(lines.end(), steps.begin(), steps.end());
    CommandResult result;
    result.err = choices.warning;
    for (const CocLine& line : lines)
        result.out += StepText(line) + "\n";
    return result;
}

const Verb kCocVerb{
    "coc",    CocVerb, kCocUsage,
    kCocHelp, true,    {"--print", "--viewing", "--eyesight", "--pixels", "--pitch", "--factor"},
    nullptr};
