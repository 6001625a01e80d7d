#pragma once
// A circle of confusion that fits the picture: from a print and how near it
// is seen, from the sensor's pixels, or by a classic convention; each step's
// number kept, so that the form and the terminal can show the arithmetic.
// The main form's list holds circles for 36 × 24 mm: the equivalent of one
// on a sensor is it times the sensor's crop factor.

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// A sensor, in millimetres.
struct SensorMm {
    double width = 36, height = 24;
};

// A print (or a screen), in millimetres, its longer side first.
struct PrintSize {
    std::string name; // "20 × 30 cm"
    double longMm = 0, shortMm = 0;
};

// The common prints and screens, in the order the form offers them.
const std::vector<PrintSize>& CommonPrints();

// "20x30cm", "20 × 30 cm", "8x10in", "8 x 10 in", "A4" (any case), or the
// name of a common print; none for anything else.
std::optional<PrintSize> ReadPrintSize(std::string_view text);

// "36cm", "36 cm", "14 in", "360mm", "1.2 m" as millimetres; none for
// anything else. A bare number is in centimetres.
std::optional<double> ReadViewingDistance(std::string_view text);

// How sharp an eye is: line pairs per millimetre it resolves at 25 cm.
struct Eyesight {
    const char* name;   // "Normal: 5 line pairs per mm at 25 cm"
    const char* option; // "normal"
    double linePairs;
};
const std::vector<Eyesight>& Eyesights();

struct CocFromPrint {
    double viewingMm = 0;    // the distance it is seen from
    double blurMm = 0;       // on the print: (1 / lp) × viewing / 250
    double enlargement = 0;  // print side ÷ sensor side, of the side that fills
    bool cropped = false;    // the print's aspect ratio differs: part of the frame is cut
    double onSensorMm = 0;   // blur ÷ enlargement
    double equivalentMm = 0; // for 36 × 24 mm: times the crop factor
};
// `viewingMm` 0 or below: the print's diagonal.
CocFromPrint CocOfPrint(const SensorMm& sensor, const PrintSize& print, double viewingMm,
                        double linePairs);

struct CocFromPixels {
    double pitchMm = 0;      // sensor width ÷ pixel width, or as given
    double onSensorMm = 0;   // factor × pitch
    double equivalentMm = 0; // for 36 × 24 mm
};
CocFromPixels CocOfPixels(const SensorMm& sensor, double pitchMm, double factor);
// The pitch of `pixelWidth` pixels across the sensor's width.
double PitchOfPixels(const SensorMm& sensor, double pixelWidth);

// The classic conventions: the sensor's diagonal over 1500, 1730 or 3000.
inline constexpr double kConventions[] = {1500, 1730, 3000};
double CocOfConvention(const SensorMm& sensor, double divisor);

double CropFactorOf(const SensorMm& sensor);
// A circle on the sensor as its 36 × 24 mm equivalent.
double EquivalentOf(const SensorMm& sensor, double onSensorMm);

// A circle as the lists take it when typed: six decimals, "." always.
std::string CocValueText(double mm);

struct NumberSettings;
// The circles worked out here that a calculation takes: for 36 × 24 mm,
// from 0.0001 mm to 10 mm.
inline constexpr double kSmallestCocMm = 0.0001, kLargestCocMm = 10;
// Why a circle worked out (on the sensor, and for 36 × 24 mm) cannot be
// used, in one sentence; empty when it can.
std::string CocRefusal(double onSensorMm, double equivalentMm, const NumberSettings& settings);

// A sensor's width in pixels as typed: a whole number, 1 to 1,000,000
// (blanks around it allowed); none for anything else.
std::optional<double> ReadPixelCount(std::string_view text);

// The steps as the form and the terminal show them: a label and its text,
// numbers in the user's settings.
struct NumberSettings;
using CocLine = std::pair<std::string, std::string>;
using CocLines = std::vector<CocLine>;
// The camera the circle is for: "Camera", "Canon 20D, sensor 22.5 × 15 mm".
CocLine CameraStep(const std::string& name, const SensorMm& sensor, const NumberSettings& settings);
// A step as a line: "Print: A4 (297 × 210 mm)".
std::string StepText(const CocLine& step);
// A print's name as the list shows it, in the person's language; ReadPrintSize
// reads it back.
std::string ShownPrintName(const PrintSize& print);
CocLines PrintSteps(const SensorMm& sensor, const PrintSize& print, const Eyesight& eyes,
                    const CocFromPrint& c, const NumberSettings& settings);
CocLines PixelSteps(const SensorMm& sensor, std::optional<double> pixelWidth, double factor,
                    const CocFromPixels& c, const NumberSettings& settings);

// The width in pixels of an image size text ("4064 x 2704"); none when the
// text gives none.
std::optional<double> PixelWidthOf(std::string_view imageSize);
