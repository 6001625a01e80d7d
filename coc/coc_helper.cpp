#include "coc/coc_helper.h"

#include "calc/number_text.h"
#include "calc/typed_distance.h"
#include "framework/base/translate.h"

#include <algorithm>
#include <cctype>
#include <cmath>

namespace {
constexpr double kNearestSharpViewing = 250; // mm: the eye's near point
constexpr double kInch = 25.4;

std::string Lower(std::string_view text) {
    std::string out;
    for (const char c : text)
        out += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

PrintSize Print(const char* name, double a, double b) {
    return {name, std::max(a, b), std::min(a, b)};
}
} // namespace

const std::vector<PrintSize>& CommonPrints() {
    // A 27-inch 16:9 screen is 597.9 × 336.3 mm; a phone held at arm's length
    // shows the picture about 15 × 7 cm.
    static const std::vector<PrintSize> prints = {
        Print("10 \u00D7 15 cm", 100, 150),
        Print("13 \u00D7 18 cm", 130, 180),
        Print("20 \u00D7 30 cm", 200, 300),
        Print("A4", 210, 297),
        Print("A3", 297, 420),
        Print("A2", 420, 594),
        Print("4 \u00D7 6 in", 4 * kInch, 6 * kInch),
        Print("5 \u00D7 7 in", 5 * kInch, 7 * kInch),
        Print("8 \u00D7 10 in", 8 * kInch, 10 * kInch),
        Print("11 \u00D7 14 in", 11 * kInch, 14 * kInch),
        Print("16 \u00D7 20 in", 16 * kInch, 20 * kInch),
        Print(TR_NOOP("Circle of Confusion", "27-inch 4K screen"),
              27 * kInch * 16 / std::hypot(16.0, 9.0), 27 * kInch * 9 / std::hypot(16.0, 9.0)),
        Print(TR_NOOP("Circle of Confusion", "Phone at arm's length"), 150, 70),
    };
    return prints;
}

std::optional<PrintSize> ReadPrintSize(std::string_view text, const NumberSettings& settings) {
    const std::string wanted = Lower(TrimBlanks(text));
    for (const PrintSize& print : CommonPrints()) // by its name, or as the list shows it
        if (Lower(print.name) == wanted || Lower(ShownPrintName(print)) == wanted)
            return print;
    if (wanted.size() == 2 && wanted[0] == 'a' && wanted[1] >= '0' && wanted[1] <= '8') {
        // A0 is a square metre in the ratio √2; each next size halves it.
        const int n = wanted[1] - '0';
        const double longMm = std::floor(1000 * std::pow(2.0, 0.25 - n / 2.0) + 0.2);
        const double shortMm = std::floor(1000 * std::pow(2.0, -0.25 - n / 2.0) + 0.2);
        return PrintSize{std::string("A") + wanted[1], longMm, shortMm};
    }
    // "A x B unit": the unit after the second side is both sides'.
    std::size_t at = std::string_view::npos, width = 0;
    for (const std::string_view by : {"\u00D7", "x", "X", "*"})
        if (const std::size_t found = text.find(by); found < at) {
            at = found;
            width = by.size();
        }
    if (at == std::string_view::npos)
        return std::nullopt;
    const std::optional<LengthRead> first = ReadLength(text.substr(0, at), settings);
    const std::optional<LengthRead> second = ReadLength(text.substr(at + width), settings);
    if (!first || !second || first->unitMm != 0 || second->unitMm == 0 || !(first->value > 0) ||
        !(second->value > 0))
        return std::nullopt;
    const double a = first->value * second->unitMm, b = second->value * second->unitMm;
    if (!std::isfinite(a) || !std::isfinite(b))
        return std::nullopt;
    return Print(std::string(TrimBlanks(text)).c_str(), a, b);
}

std::optional<double> ReadViewingDistance(std::string_view text, const NumberSettings& settings) {
    return ReadLengthMm(text, settings); // its unit always written
}

std::optional<double> ReadPixelPitch(std::string_view text, const NumberSettings& settings) {
    return ReadLengthMm(text, settings, 0.001); // bare: micrometres
}

const std::vector<Eyesight>& Eyesights() {
    static const std::vector<Eyesight> eyes = {
        {TR_NOOP("Circle of Confusion", "Normal: 5 line pairs per mm at 25 cm"), "normal", 5},
        {TR_NOOP("Circle of Confusion", "Keen: 8"), "keen", 8},
        {TR_NOOP("Circle of Confusion", "Critical: 10"), "critical", 10},
    };
    return eyes;
}

double EquivalentOf(const CocCamera& camera, double onSensorMm) {
    return onSensorMm * camera.cropFactor;
}

ListedCoc ListedCocOf(const CocCamera& camera, double onSensorMm) {
    // To six decimals by number: k / 10^6 is the very double the text of
    // those six decimals reads as.
    const double equivalent = std::round(EquivalentOf(camera, onSensorMm) * 1e6) / 1e6;
    return {equivalent / camera.cropFactor, equivalent};
}

CocFromPrint CocOfPrint(const CocCamera& camera, const PrintSize& print, double viewingMm,
                        double linePairs) {
    CocFromPrint c;
    c.viewingMm = viewingMm > 0 ? viewingMm : std::hypot(print.longMm, print.shortMm);
    c.blurMm = (1 / linePairs) * (c.viewingMm / kNearestSharpViewing);
    // Both laid the same way; the side that fills the print sets the
    // enlargement, the other is cut.
    const double sensorLong = std::max(camera.sensor.width, camera.sensor.height);
    const double sensorShort = std::min(camera.sensor.width, camera.sensor.height);
    const double alongLong = print.longMm / sensorLong, alongShort = print.shortMm / sensorShort;
    c.enlargement = std::max(alongLong, alongShort);
    c.cropped = std::fabs(alongLong - alongShort) > 1e-9 * c.enlargement;
    const ListedCoc listed = ListedCocOf(camera, c.blurMm / c.enlargement);
    c.onSensorMm = listed.onSensorMm;
    c.equivalentMm = listed.equivalentMm;
    return c;
}

double PitchOfPixels(const CocCamera& camera, double pixelWidth) {
    return camera.sensor.width / pixelWidth;
}

CocFromPixels CocOfPixels(const CocCamera& camera, double pitchMm, double factor) {
    CocFromPixels c;
    c.pitchMm = pitchMm;
    const ListedCoc listed = ListedCocOf(camera, factor * pitchMm);
    c.onSensorMm = listed.onSensorMm;
    c.equivalentMm = listed.equivalentMm;
    return c;
}

double CocOfConvention(const CocCamera& camera, double divisor) {
    return std::hypot(camera.sensor.width, camera.sensor.height) / divisor;
}

std::string CocValueText(double mm) {
    return FormatFixed(mm, 6);
}

std::string CocRefusal(double onSensorMm, double equivalentMm, const NumberSettings& settings) {
    if (std::isfinite(onSensorMm) && onSensorMm > 0 && equivalentMm >= kSmallestCocMm &&
        equivalentMm <= kLargestCocMm)
        return {};
    return Arg(
        Tr("Circle of Confusion",
           "These numbers give no circle of confusion to calculate with: for 36 \u00D7 "
           "24 mm it must be from %1 mm to %2 mm."),
        {FormatShortest(kSmallestCocMm, 4, settings), FormatShortest(kLargestCocMm, 0, settings)});
}

std::optional<double> ReadPixelCount(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return std::nullopt;
    const std::string_view digits = text.substr(first, text.find_last_not_of(' ') - first + 1);
    if (digits.empty() || digits.size() > 7 ||
        digits.find_first_not_of("0123456789") != std::string_view::npos)
        return std::nullopt;
    const double count = std::stod(std::string(digits));
    if (count < 1 || count > 1000000)
        return std::nullopt;
    return count;
}

namespace {
std::string Mm(double v, const NumberSettings& s) {
    return FixedIn(v, 6, s) + " mm";
}
std::string Short(double v, const NumberSettings& s) {
    return FormatShortest(v, 2, s);
}
std::string Enlargement(const CocFromPrint& c, const NumberSettings& s) {
    return FixedIn(c.enlargement, 6, s);
}
} // namespace

std::string StepText(const CocLine& step) {
    return Arg(Tr("Circle of Confusion", "%1: %2"), {step.first, step.second});
}

std::string ShownPrintName(const PrintSize& print) {
    return Tr("Circle of Confusion", print.name.c_str());
}

CocLine CameraStep(const std::string& name, const CocCamera& camera, const NumberSettings& s) {
    return {Tr("Circle of Confusion", "Camera"),
            Arg(Tr("Circle of Confusion", "%1, sensor %2 \u00D7 %3 mm"),
                {name, FormatShortest(camera.sensor.width, 2, s),
                 FormatShortest(camera.sensor.height, 2, s)})};
}

CocLines PrintSteps(const CocCamera& camera, const PrintSize& print, const Eyesight& eyes,
                    const CocFromPrint& c, const NumberSettings& s) {
    return {
        {Tr("Circle of Confusion", "Print"), ShownPrintName(print) + " (" + Short(print.longMm, s) +
                                                 " \u00D7 " + Short(print.shortMm, s) + " mm)"},
        {Tr("Circle of Confusion", "Viewing distance"), Short(c.viewingMm, s) + " mm"},
        {Tr("Circle of Confusion", "Eyesight"), Tr("Circle of Confusion", eyes.name)},
        {Tr("Circle of Confusion", "Blur on the print"),
         Arg(Tr("Circle of Confusion",
                "%1 (1 \u00F7 %2 line pairs per mm \u00D7 %3 mm \u00F7 250 mm)"),
             {Mm(c.blurMm, s), Short(eyes.linePairs, s), Short(c.viewingMm, s)})},
        {Tr("Circle of Confusion", "Enlargement"),
         c.cropped ? Arg(Tr("Circle of Confusion", "%1 (the print's shape differs from the "
                                                   "sensor's %2 \u00D7 %3 mm: the picture fills "
                                                   "it and is cropped)"),
                         {Enlargement(c, s), Short(camera.sensor.width, s),
                          Short(camera.sensor.height, s)})
                   : Enlargement(c, s)},
        {Tr("Circle of Confusion", "On the sensor"), Mm(c.onSensorMm, s)},
        {Tr("Circle of Confusion", "For 36 \u00D7 24 mm"), Mm(c.equivalentMm, s)},
    };
}

CocLines PixelSteps(const CocCamera& camera, std::optional<double> pixelWidth, double factor,
                    const CocFromPixels& c, const NumberSettings& s) {
    return {
        {Tr("Circle of Confusion", "Pixel pitch"),
         pixelWidth ? Arg(Tr("Circle of Confusion", "%1 (%2 mm \u00F7 %3 pixels)"),
                          {Mm(c.pitchMm, s), Short(camera.sensor.width, s),
                           FormatShortest(*pixelWidth, 0, s)})
                    : Mm(c.pitchMm, s)},
        {Tr("Circle of Confusion", "Factor"),
         Arg(factor == 1 ? Tr("Circle of Confusion", "%1 pixel")
                         : Tr("Circle of Confusion", "%1 pixels"),
             {FormatShortest(factor, 2, s)})},
        {Tr("Circle of Confusion", "On the sensor"), Mm(c.onSensorMm, s)},
        {Tr("Circle of Confusion", "For 36 \u00D7 24 mm"), Mm(c.equivalentMm, s)},
    };
}

std::optional<double> PixelWidthOf(std::string_view imageSize) {
    // The camera table's own text, "3008 x 2000": its digits, then "x".
    std::size_t length = 0;
    const double width = ParseDecimalPrefix(std::string(imageSize), &length);
    if (length == 0 || !(width > 0) || TrimBlanks(imageSize.substr(length)).substr(0, 1) != "x")
        return std::nullopt;
    return width;
}
