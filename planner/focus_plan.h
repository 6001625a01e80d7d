#pragma once
// Planning a shot backwards: from the nearest and farthest points that must
// be sharp to where to focus and which aperture to set, with what diffraction
// and the background blur will be. Every limit is computed by the same code
// as a press of Calculate.

#include "calc/calculation.h"

#include <optional>
#include <string>
#include <vector>

struct PlanRequest {
    Lens lens;            // its aperture and distance unused
    std::string nearText; // as typed, in the user's number settings, in the unit or with its own
    std::string farText;  // ignored when farIsInfinite; "inf", "Infinity", "∞" mean infinity
    bool farIsInfinite = true;
    std::string backgroundText; // empty (or an infinity): at infinity
};

// The results, each a text as the form shows it; `refusal` is empty when the
// plan holds, else one sentence (the texts then are those that could be made).
struct FocusPlan {
    std::string focusAt;           // where to focus
    std::string apertureNeeded;    // "f/11, or f/10 in third stops (f/9.7 needed)"
    std::string sharpRange;        // "1.187512 – ∞ m" at the list aperture
    std::string diffraction;       // the Airy disc against the circle of confusion, a verdict
    std::string sharpest;          // the estimate of the sharpest aperture
    std::string backgroundBlur;    // on the sensor, and as a share of the frame's width
    std::string backgroundCircles; // how many circles of confusion wide
    std::string refusal;
    std::string warning; // the plan holds, but diffraction blurs beyond the circle of confusion

    // The numbers behind the texts, for checking the plan's promise.
    double focusDistance = 0; // in the unit
    double exactN = 0;        // the f-number that puts the limits exactly there
    int listAperture = -1;    // the aperture list's entry to set
    double thirdStop = 0;     // the first third stop that holds the range (0: beyond f/64)
};

// The three distances as typed, in the unit (infinity for "Infinity" or an
// empty background); or, when one cannot be read, what to say.
struct TypedDistances {
    std::optional<double> nearest, farthest, background;
    std::string refusal;
};
TypedDistances ReadTyped(const PlanRequest& request, const DistanceUnit& unit,
                         const NumberSettings& settings);

FocusPlan PlanFocus(const PlanRequest& request, const NumberSettings& settings);

// A blur against the circle of confusion `c` (both in millimetres): "within
// the circle of confusion" up to c itself, else "1.70 × the circle of confusion".
std::string Against(double blurMm, double c, const NumberSettings& settings);
