#pragma once
// One press of Calculate, from the input texts to the six result texts,
// without any window: the Calculate command gathers the texts from the main
// form, reads them once into a lens of numbers, and shows what this
// returns.

#include "calc/dof.h"
#include "calc/lens.h"
#include "calc/number_text.h"
#include "framework/base/translate.h"

#include <optional>
#include <string>
#include <string_view>

struct CalculationInputs {
    std::string_view focalLengthValue; // value texts of the selected list entries
    std::string_view apertureValue;
    std::string_view unitValue;
    std::string_view cofcValue;
    double cropFactor = 1.0;       // of the selected camera
    std::string_view distanceText; // as typed, UTF-8
    std::string_view diopterText;  // as typed, UTF-8
    // The distance in the unit, when it was read already (typed with its
    // own unit); `distanceText` is then not read.
    std::optional<double> distance = std::nullopt;
};

enum class CalculationStatus {
    Ok,
    NoDistance,       // empty, zero, negative or not a number
    DistanceTooLarge, // positive, but beyond what the arithmetic can hold
    DistanceTooSmall, // so near (well inside the hyperfocal distance) that a limit has no value
    BadFocalLength,   // the diopter leaves no positive, finite focal length
};

// What a press of Calculate finds at `distance` (in the lens's unit): the
// hyperfocal distance and the limits, in the unit, the very doubles the
// results form's texts are written from; or why it refuses.
struct DepthInUnit {
    CalculationStatus status = CalculationStatus::Ok;
    double hyperfocal = 0;
    double nearLimit = 0;
    double farLimit = 0;
    bool farIsInfinite = false;
};
struct CalculationResult {
    CalculationStatus status = CalculationStatus::Ok;
    // The numbers the texts are written from: the limits and the
    // hyperfocal distance in the unit, the focal length after the diopter
    // and the circle of confusion on the sensor in millimetres.
    DepthInUnit depth;
    double focalLength = 0;
    double coc = 0;
    std::string focalLengthText; // "%0.2f mm", never "-0.00"; empty when not finite
    std::string nearText;
    std::string farText;
    std::string hyperfocalText;
    std::string totalText;
    std::string cocText;
};

inline constexpr std::size_t kDiopterCharacters = 29;
inline constexpr const char* kInfinityText = TR_NOOP("Calculate", "Infinity");

// The press: its texts read once into a lens (ReadLens), then calculated.
CalculationResult Calculate(const CalculationInputs& in, const NumberSettings& settings);
// What a press finds for a lens of numbers, at its own f-number and distance.
CalculationResult Calculate(const Lens& lens, const NumberSettings& settings);

// A length in `unit` as the results form writes it: "%f" in the user's
// number format and the unit's suffix, or in feet and inches as a tape
// measure shows them.
std::string LengthText(double value, const DistanceUnit& unit, const NumberSettings& settings);

// Rewrites the limits, the total and the hyperfocal distance of an Ok
// result as the forms beside the results form write them: the hyperfocal
// distance at a glance, the rest to the coarsest step the depth can be read
// from (fine_lengths.h).
void WriteReadably(CalculationResult& result, const DistanceUnit& unit,
                   const NumberSettings& settings);

// The lens as a press of Calculate reads it from the inputs: the focal
// length and the diopter, the f-number, the circle of confusion chosen and
// the crop factor, the unit and the distance, each read once from its text
// as a press reads it (the diopter's first characters, in the person's
// number settings).
Lens ReadLens(const CalculationInputs& in, const NumberSettings& settings);

// A typed distance as a press of Calculate reads it (0 for none of a number).
double ReadDistance(std::string_view text, const NumberSettings& settings);
// The same in `unit`: in feet and inches, read as they are written ("7 ft
// 3 in", "7' 3\"", "7 3/4 ft", "87 in" or a bare number of feet).
double ReadDistanceIn(std::string_view text, const DistanceUnit& unit,
                      const NumberSettings& settings);

DepthInUnit DepthAt(const LensSetup& lens, double distance);

// The green light diffraction is reckoned in, in millimetres.
inline constexpr double kGreenLightMm = 0.00055;

// The diameter of the Airy disc's first dark ring in green light at
// f-number N, in millimetres.
inline double AiryDiscMm(double N) {
    return 2.44 * kGreenLightMm * N;
}

// How far a close-up lens lets the lens focus: 1/D metres for a +D
// diopter, in the unit; none without one (or for a negative diopter).
std::optional<double> CloseUpReach(const Lens& lens);

// "a +2 close-up lens focuses no farther than 0.5 m"; "" without one.
std::string CloseUpReachText(const Lens& lens, const NumberSettings& settings);

// What the user is told when a press is refused; null for Ok.
std::string RefusalText(CalculationStatus status);
