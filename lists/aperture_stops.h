#pragma once
// The apertures a lens clicks to: whole stops (the aperture list), half
// stops and third stops, each marked with its usual name and computed from
// its true value, 2^(k/4) or 2^(k/6), as the whole stops are from theirs.

#include <optional>
#include <string>
#include <vector>

enum class StopSteps { Whole, Half, Third };

// An aperture as a column, a choice or a plan names it: "f/6.3", "6.349604".
struct NamedAperture {
    std::string text;
    std::string value;
    bool operator==(const NamedAperture&) const = default;
};

// The marked stops f/1 to f/64: for whole stops the aperture list's own
// entries, with their values.
std::vector<NamedAperture> MarkedStops(StopSteps steps);

// The marked stops from `from` to `to` (in either order, by value), ends
// included.
std::vector<NamedAperture> StopsBetween(double from, double to, StopSteps steps);

// The first marked stop of `steps` at or beyond f-number N; none beyond f/64.
std::optional<NamedAperture> FirstStopAtLeast(double N, StopSteps steps);

// The name of the steps as the table's list says them: "Whole stops".
std::string StepsText(StopSteps steps);
