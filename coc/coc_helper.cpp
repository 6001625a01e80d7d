#include "coc/coc_helper.h"

#include "calc/number_text.h"
#include "framework/base/translate.h"

#include <algorithm>
#include <cctype>
#include <cmath>

namespace {
constexpr double kFullFrameDiagonal = 43.266615305567875; // of 36 × 24 mm
constexpr double kNearestSharpViewing = 250;              // mm: the eye's near point
constexpr double kInch = 25.4;

std::string Lower(std::string_view text) {
    std::string out;
    for (const char c : text)
        out += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

// A positive number at the start of `t` ("." decimals); `t` left past it.
std::optional<double> TakeNumber(std::string_view& t) {
    t = TrimBlanks(t);
    std::size_t length = 0;
    const double v = ParseDecimalPrefix(std::string(t), &length);
    if (length == 0 || !(v > 0) || !std::isfinite(v) || t[0] == '+' || t[0] == '-')
        return std::nullopt;
    t.remove_prefix(length);
    return v;
}

// Millimetres per unit for "mm", "cm", "m", "in" (and the inch marks); 0
// for anything else.
double UnitMm(std::string_view unit) {
    const std::string u = Lower(TrimBlanks(unit));
    if (u == "mm")
        return 1;
    if (u == "cm")
        return 10;
    if (u == "m")
        return 1000;
    if (u == "in" || u == "inch" || u == "inches" || u == "\"" || u == "\u2033")
        return kInch;
    return 0;
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

std::optional<PrintSize> ReadPrintSize(std::string_view text) {
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
    std::string_view t = text;
    const std::optional<double> a = TakeNumber(t);
    t = TrimBlanks(t);
    std::size_t times = 0;
    if (!t.empty() && (t[0] == 'x' || t[0] == 'X' || t[0] == '*'))
        times = 1;
    else if (t.substr(0, 2) == "\u00D7")
        times = 2;
    if (!a || times == 0)
        return std::nullopt;
    t.remove_prefix(times);
    const std::optional<double> b = TakeNumber(t);
    const double unit = UnitMm(t);
    if (!b || unit == 0 || !std::isfinite(*a * unit) || !std::isfinite(*b * unit))
        return std::nullopt;
    return Print(std::string(TrimBlanks(text)).c_str(), *a * unit, *b * unit);
}

std::optional<double> ReadViewingDistance(std::string_view text) {
    std::string_view t = text;
    const std::optional<double> v = TakeNumber(t);
    if (!v)
        return std::nullopt;
    const double unit = TrimBlanks(t).empty() ? 10 : UnitMm(t);
    if (unit == 0 || !std::isfinite(*v * unit))
        return std::nullopt;
    return *v * unit;
}

const std::vector<Eyesight>& Eyesights() {
    static const std::vector<Eyesight> eyes = {
        {TR_NOOP("Circle of Confusion", "Normal: 5 line pairs per mm at 25 cm"), "normal", 5},
        {TR_NOOP("Circle of Confusion", "Keen: 8"), "keen", 8},
        {TR_NOOP("Circle of Confusion", "Critical: 10"), "critical", 10},
    };
    return eyes;
}

double CropFactorOf(const SensorMm& sensor) {
    return kFullFrameDiagonal / std::hypot(sensor.width, sensor.height);
}

double EquivalentOf(const SensorMm& sensor, double onSensorMm) {
    return onSensorMm * CropFactorOf(sensor);
}

CocFromPrint CocOfPrint(const SensorMm& sensor, const PrintSize& print, double viewingMm,
                        double linePairs) {
    CocFromPrint c;
    c.viewingMm = viewingMm > 0 ? viewingMm : std::hypot(print.longMm, print.shortMm);
    c.blurMm = (1 / linePairs) * (c.viewingMm / kNearestSharpViewing);
    // Both laid the same way; the side that fills the print sets the
    // enlargement, the other is cut.
    const double sensorLong = std::max(sensor.width, sensor.height);
    const double sensorShort = std::min(sensor.width, sensor.height);
    const double alongLong = print.longMm / sensorLong, alongShort = print.shortMm / sensorShort;
    c.enlargement = std::max(alongLong, alongShort);
    c.cropped = std::fabs(alongLong - alongShort) > 1e-9 * c.enlargement;
    c.onSensorMm = c.blurMm / c.enlargement;
    c.equivalentMm = EquivalentOf(sensor, c.onSensorMm);
    return c;
}

double PitchOfPixels(const SensorMm& sensor, double pixelWidth) {
    return sensor.width / pixelWidth;
}

CocFromPixels CocOfPixels(const SensorMm& sensor, double pitchMm, double factor) {
    CocFromPixels c;
    c.pitchMm = pitchMm;
    c.onSensorMm = factor * pitchMm;
    c.equivalentMm = EquivalentOf(sensor, c.onSensorMm);
    return c;
}

double CocOfConvention(const SensorMm& sensor, double divisor) {
    return std::hypot(sensor.width, sensor.height) / divisor;
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
    return FormatLocaleNumber(FormatFixed(v, 6), 6, s) + " mm";
}
std::string Short(double v, const NumberSettings& s) {
    return FormatShortest(v, 2, s);
}
std::string Enlargement(const CocFromPrint& c, const NumberSettings& s) {
    return FormatLocaleNumber(FormatFixed(c.enlargement, 6), 6, s);
}
} // namespace

std::string StepText(const CocLine& step) {
    return Arg(Tr("Circle of Confusion", "%1: %2"), {step.first, step.second});
}

std::string ShownPrintName(const PrintSize& print) {
    return Tr("Circle of Confusion", print.name.c_str());
}

CocLine CameraStep(const std::string& name, const SensorMm& sensor, const NumberSettings& s) {
    return {Tr("Circle of Confusion", "Camera"),
            Arg(Tr("Circle of Confusion", "%1, sensor %2 \u00D7 %3 mm"),
                {name, FormatShortest(sensor.width, 2, s), FormatShortest(sensor.height, 2, s)})};
}

CocLines PrintSteps(const SensorMm& sensor, const PrintSize& print, const Eyesight& eyes,
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
                         {Enlargement(c, s), Short(sensor.width, s), Short(sensor.height, s)})
                   : Enlargement(c, s)},
        {Tr("Circle of Confusion", "On the sensor"), Mm(c.onSensorMm, s)},
        {Tr("Circle of Confusion", "For 36 \u00D7 24 mm"), Mm(c.equivalentMm, s)},
    };
}

CocLines PixelSteps(const SensorMm& sensor, std::optional<double> pixelWidth, double factor,
                    const CocFromPixels& c, const NumberSettings& s) {
    return {
        {Tr("Circle of Confusion", "Pixel pitch"),
         pixelWidth
             ? Arg(Tr("Circle of Confusion", "%1 (%2 mm \u00F7 %3 pixels)"),
                   {Mm(c.pitchMm, s), Short(sensor.width, s), FormatShortest(*pixelWidth, 0, s)})
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
    std::string_view t = imageSize;
    const std::optional<double> width = TakeNumber(t);
    if (!width || TrimBlanks(t).substr(0, 1) != "x")
        return std::nullopt;
    return width;
}
