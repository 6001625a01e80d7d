#pragma once
// One press of Calculate, from the input texts to the six result texts,
// without any window: the Calculate command gathers the texts from the main
// form and shows what this returns.

#include "calc/number_text.h"

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
};

enum class CalculationStatus {
    Ok,
    NoDistance,       // empty, zero, negative or not a number
    DistanceTooLarge, // positive, but beyond what the arithmetic can hold
    DistanceTooSmall, // so near (well inside the hyperfocal distance) that a limit has no value
    BadFocalLength,   // the diopter leaves no positive, finite focal length
};

struct CalculationResult {
    CalculationStatus status = CalculationStatus::Ok;
    std::string focalLengthText; // "%0.2f mm", never "-0.00"; empty when not finite
    std::string nearText;
    std::string farText;
    std::string hyperfocalText;
    std::string totalText;
    std::string cocText;
};

inline constexpr std::size_t kDiopterCharacters = 29;
inline constexpr const char* kInfinityText = "Infinity";

CalculationResult Calculate(const CalculationInputs& in, const NumberSettings& settings);

// What the user is told when a press is refused; null for Ok.
const char* RefusalText(CalculationStatus status);
