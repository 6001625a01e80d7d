#include "lists/aperture_stops.h"

#include "calc/number_text.h"
#include "framework/base/translate.h"
#include "lists/choice_lists.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <iterator>

namespace {
// The names engraved on lenses and shown by cameras, f/1 to f/64.
const char* const kHalfStopNames[] = {"1",   "1.2", "1.4", "1.7", "2",   "2.4", "2.8", "3.3", "4",
                                      "4.8", "5.6", "6.7", "8",   "9.5", "11",  "13",  "16",  "19",
                                      "22",  "27",  "32",  "38",  "45",  "54",  "64"};
const char* const kThirdStopNames[] = {
    "1",   "1.1", "1.2", "1.4", "1.6", "1.8", "2",  "2.2", "2.5", "2.8", "3.2", "3.5", "4",
    "4.5", "5",   "5.6", "6.3", "7.1", "8",   "9",  "10",  "11",  "13",  "14",  "16",  "18",
    "20",  "22",  "25",  "29",  "32",  "36",  "40", "45",  "51",  "57",  "64"};
static_assert(std::size(kHalfStopNames) == 25 && std::size(kThirdStopNames) == 37);

// Each name with its true f-number, 2^(k / perStop).
template <std::size_t Count>
std::vector<NamedAperture> Generated(const char* const (&names)[Count], int perStop) {
    std::vector<NamedAperture> out;
    out.reserve(Count);
    for (std::size_t k = 0; k < Count; ++k)
        out.push_back({std::string("f/") + names[k], std::exp2(static_cast<double>(k) / perStop)});
    return out;
}
} // namespace

std::vector<NamedAperture> MarkedStops(StopSteps steps) {
    switch (steps) {
    case StopSteps::Half:
        return Generated(kHalfStopNames, 4);
    case StopSteps::Third:
        return Generated(kThirdStopNames, 6);
    case StopSteps::Whole:
        break;
    }
    std::vector<NamedAperture> out;
    for (const ApertureValue& entry : apertureValueTable)
        out.push_back({entry.displayText, ParseDecimal(entry.valueText)});
    return out;
}

std::vector<NamedAperture> StopsBetween(double from, double to, StopSteps steps) {
    // The aperture list's whole stops are written to six decimals (f/5.6 is
    // 5.656854): a stop that far from a bound is at it.
    const double low = std::min(from, to) * (1 - 1e-7), high = std::max(from, to) * (1 + 1e-7);
    std::vector<NamedAperture> out;
    for (NamedAperture& stop : MarkedStops(steps))
        if (stop.N >= low && stop.N <= high)
            out.push_back(std::move(stop));
    return out;
}

std::optional<NamedAperture> FirstStopAtLeast(double N, StopSteps steps) {
    for (NamedAperture& stop : MarkedStops(steps))
        if (stop.N >= N)
            return std::move(stop);
    return std::nullopt;
}

std::optional<NamedAperture> StopOfApertureValue(double Av) {
    // Av counts stops from f/1: N = 2^(Av/2), so that a stop's Av is
    // 2·log2(N). The aperture list's stops first, then third and half stops.
    for (const StopSteps steps : {StopSteps::Whole, StopSteps::Third, StopSteps::Half})
        for (NamedAperture& stop : MarkedStops(steps))
            if (std::fabs(2 * std::log2(stop.N) - Av) <= 0.02)
                return std::move(stop);
    return std::nullopt;
}

std::optional<NamedAperture> StopNamed(std::string_view text, StopSteps steps) {
    const auto lower = [](std::string_view t) {
        std::string out(t);
        for (char& c : out)
            c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        return out;
    };
    std::string wanted = lower(text);
    wanted.erase(0, wanted.find_first_not_of(' '));
    wanted.erase(wanted.find_last_not_of(' ') + 1);
    if (wanted.rfind("f/", 0) != 0)
        wanted = "f/" + wanted;
    for (NamedAperture& stop : MarkedStops(steps))
        if (lower(stop.text) == wanted)
            return std::move(stop);
    return std::nullopt;
}

std::string StepsText(StopSteps steps) {
    return steps == StopSteps::Third  ? Tr("Stops", "Third stops")
           : steps == StopSteps::Half ? Tr("Stops", "Half stops")
                                      : Tr("Stops", "Whole stops");
}
