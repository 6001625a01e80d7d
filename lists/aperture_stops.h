#pragma once
// The apertures a lens clicks to: whole stops (the aperture list), half
// stops and third stops, each marked with its usual name and computed from
// its true value, 2^(k/4) or 2^(k/6), as the whole stops are from theirs.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

enum class StopSteps { Whole, Half, Third };

// An aperture as a column, a choice or a plan names it, and its f-number:
// "f/6.3", 2^(16/6).
struct NamedAperture {
    std::string text;
    double N = 0;
    bool operator==(const NamedAperture&) const = default;
};

// The marked stops f/1 to f/64: for whole stops the aperture list's own
// entries, with their values; half and third stops at their true f-numbers,
// 2^(k/4) and 2^(k/6).
std::vector<NamedAperture> MarkedStops(StopSteps steps);

// The marked stops from `from` to `to` (in either order, by value), ends
// included.
std::vector<NamedAperture> StopsBetween(double from, double to, StopSteps steps);

// The first marked stop of `steps` at or beyond f-number N; none beyond f/64.
std::optional<NamedAperture> FirstStopAtLeast(double N, StopSteps steps);

// The stop an APEX aperture value Av names (N = 2^(Av/2)): a whole stop of
// the aperture list where Av is a whole number, else a third or a half
// stop, each within a fiftieth of a stop; none for any other Av.
std::optional<NamedAperture> StopOfApertureValue(double Av);

// The marked stop of `steps` that `text` names, in any case, with or
// without its "f/" ("f/7.1", "7.1", "F/13"); none for any other text.
std::optional<NamedAperture> StopNamed(std::string_view text, StopSteps steps);

// The name of the steps as the table's list says them: "Whole stops".
std::string StepsText(StopSteps steps);
