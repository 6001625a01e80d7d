#pragma once
// Lengths in feet written as a tape measure shows them: "7 ft 3 5/8 in".
// The number behind the text is the length in feet, the same double as
// for feet; only the writing differs. There is no decimal separator to
// localise.

#include <string>

// How finely the inches are written.
enum class InchStep { // parts of an inch
    SixtyFourth = 64,
    ThirtySecond = 32,
    Sixteenth = 16,
    Eighth = 8,
    Quarter = 4,
    Half = 2,
    Whole = 1
};

// As a tape measure is read: to 1/8 inch below 10 ft, 1/4 inch below
// 100 ft, whole inches beyond.
InchStep TapeStep(double feet);

// `feet` to the nearest step (ties away from zero), carried into the next
// foot where the inches round to 12: "7 ft 3 5/8 in", "7 ft", "5/8 in",
// "−1 ft 2 in"; "" for a length that is not finite.
std::string FeetAndInches(double feet, InchStep step);
