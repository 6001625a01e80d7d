#pragma once
// A circle of confusion that fits the picture: from a print and how near it
// is seen, from the sensor's pixels, or by a classic convention; each step's
// number kept, so that the form and the terminal can show the arithmetic.
// The main form's list holds circles for 36 × 24 mm: the equivalent of one
// on a sensor is it times the sensor's crop factor.

#include "calc/sensor.h"
#include "framework/base/number_format.h"

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// A camera as a circle of confusion is worked out for: its sensor, and the
// crop factor the main form divides the chosen circle by (the camera's own:
// a listed crop factor need not be its sensor's diagonal ratio to the last
// digit), so that the circle worked out "for 36 × 24 mm" gives, on the
// sensor, exactly the circle worked out.
struct CocCamera {
    SensorSize sensor{36, 24};
    double cropFactor = 1;
};

// A print (or a screen), in millimetres, its longer side first.
struct PrintSize {
    std::string name; // "20 × 30 cm"
    double longMm = 0, shortMm = 0;
};

// The common prints and screens, in the order the form offers them.
const std::vector<PrintSize>& CommonPrints();

// "20x30cm", "20 × 30 cm", "8x10in", "8 x 10 in", "A4" (any case), or the
// name of a common print; none for anything else. Numbers in the person's
// number settings ("20,5x30cm" in German), as every length is read
// (ReadLength).
std::optional<PrintSize> ReadPrintSize(std::string_view text, const NumberSettings& settings);

// "36cm", "36 cm", "14 in", "360mm", "1.2 m" as millimetres; none for
// anything else, a bare number too: a viewing distance is written with its
// unit, as nothing says which a bare one would be in.
std::optional<double> ReadViewingDistance(std::string_view text, const NumberSettings& settings);

// A pixel pitch, "4.35um", "4,35 µm" in German, "0.00435mm"; a bare number
// in micrometres, as cameras' data sheets give it. In millimetres.
std::optional<double> ReadPixelPitch(std::string_view text, const NumberSettings& settings);

// How sharp an eye is: line pairs per millimetre it resolves at 25 cm.
struct Eyesight {
    const char* name;   // "Normal: 5 line pairs per mm at 25 cm"
    const char* option; // "normal"
    double linePairs;
};
const std::vector<Eyesight>& Eyesights();

struct CocFromPrint {
    double viewingMm = 0;   // the distance it is seen from
    double blurMm = 0;      // on the print: (1 / lp) × viewing / 250
    double enlargement = 0; // print side ÷ sensor side, of the side that fills
    bool cropped = false;   // the print's aspect ratio differs: part of the frame is cut
    // Blur ÷ enlargement, and its equivalent for 36 × 24 mm, as the list
    // takes them (ListedCocOf).
    double onSensorMm = 0;
    double equivalentMm = 0;
};
// `viewingMm` 0 or below: the print's diagonal.
CocFromPrint CocOfPrint(const CocCamera& camera, const PrintSize& print, double viewingMm,
                        double linePairs);

struct CocFromPixels {
    double pitchMm = 0; // sensor width ÷ pixel width, or as given
    // Factor × pitch, and its equivalent for 36 × 24 mm, as the list takes
    // them (ListedCocOf).
    double onSensorMm = 0;
    double equivalentMm = 0;
};
CocFromPixels CocOfPixels(const CocCamera& camera, double pitchMm, double factor);

// How many pixels the circle spans unless the person says otherwise: the
// form's first choice and the command line's default alike.
inline constexpr int kPixelsAcross = 2;
// The pitch of `pixelWidth` pixels across the sensor's width.
double PitchOfPixels(const CocCamera& camera, double pixelWidth);

// The classic conventions: the sensor's diagonal over 1500, 1730 or 3000.
inline constexpr double kConventions[] = {1500, 1730, 3000};
double CocOfConvention(const CocCamera& camera, double divisor);

// A circle on the sensor as its 36 × 24 mm equivalent.
double EquivalentOf(const CocCamera& camera, double onSensorMm);

// A circle worked out on the sensor, as the main form's list takes it: its
// 36 × 24 mm equivalent (times the camera's crop factor) to six decimals,
// the list's precision, and on the sensor what that equivalent gives there
// divided by the same crop factor, the circle a press then uses.
struct ListedCoc {
    double onSensorMm = 0;
    double equivalentMm = 0;
};
ListedCoc ListedCocOf(const CocCamera& camera, double onSensorMm);

// A circle as the lists take it when typed: six decimals, "." always.
std::string CocValueText(double mm);

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
CocLine CameraStep(const std::string& name, const CocCamera& camera,
                   const NumberSettings& settings);
// A step as a line: "Print: A4 (297 × 210 mm)".
std::string StepText(const CocLine& step);
// A print's name as the list shows it, in the person's language; ReadPrintSize
// reads it back.
std::string ShownPrintName(const PrintSize& print);
CocLines PrintSteps(const CocCamera& camera, const PrintSize& print, const Eyesight& eyes,
                    const CocFromPrint& c, const NumberSettings& settings);
CocLines PixelSteps(const CocCamera& camera, std::optional<double> pixelWidth, double factor,
                    const CocFromPixels& c, const NumberSettings& settings);

// The width in pixels of an image size text ("4064 x 2704"); none when the
// text gives none.
std::optional<double> PixelWidthOf(std::string_view imageSize);
