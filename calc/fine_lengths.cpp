#include "calc/fine_lengths.h"

#include "calc/feet_inches.h"
#include "calc/number_text.h"

#include <algorithm>
#include <cmath>

namespace {
// Beyond the finest tape mark, 1/64 in, decimal inches.
constexpr int kFirstInchDecimals = 2; // 0.01 in: finer than 1/64 in

// Steps of an inch (or of an inch's decimals) in a length of `feet`.
double StepsOf(double feet, double perInch) {
    return std::round(std::fabs(feet) * 12 * perInch);
}

// `feet` in feet and decimal inches: "2 ft 3.96 in", "9.96 in".
std::string FeetAndDecimalInches(double feet, int decimals, const NumberSettings& settings) {
    const double perInch = std::pow(10.0, decimals);
    const double steps = StepsOf(feet, perInch);
    if (!std::isfinite(steps) || steps > 9e15)
        return {};
    const auto total = static_cast<long long>(steps);
    const auto perFoot = static_cast<long long>(12 * perInch);
    const long long wholeFeet = total / perFoot, rest = total % perFoot;
    std::string text = feet < 0 && total != 0 ? "\u2212" : "";
    if (wholeFeet != 0)
        text.append(std::to_string(wholeFeet)).append(" ft");
    if (rest != 0 || wholeFeet == 0) {
        if (wholeFeet != 0)
            text.push_back(' ');
        const double inches = static_cast<double>(rest) / perInch;
        text.append(FixedIn(inches, decimals, settings)).append(" in");
    }
    return text;
}
} // namespace

int GlanceDecimals(const DistanceUnit& unit) {
    return unit.code == 1 || unit.code == 3 ? 1 : 2; // inches, centimetres : feet, metres
}

LengthWriting::LengthWriting(const DistanceUnit& unit, const NumberSettings& settings,
                             Coarsest start)
    : m_unit(unit), m_settings(settings), m_start(start), m_tape(unit.code == kFeetAndInchesCode),
      m_decimals(GlanceDecimals(unit)) {}

LengthWriting::LengthStep LengthWriting::Step(int step, double v) const {
    if (!m_tape)
        return {m_decimals + step, 0};
    if (step == 0)
        return {0, m_start == Coarsest::Table ? 2 : static_cast<int>(TapeStep(v))};
    if (step <= 3) // 1/16, 1/32, 1/64 in
        return {0, 8 << step};
    return {kFirstInchDecimals + step - 4, 0};
}

std::string LengthWriting::Write(double v, int step) const {
    if (!std::isfinite(v))
        return {};
    const LengthStep s = Step(step, v);
    if (!m_tape)
        return FixedIn(v, s.decimals, m_settings);
    if (s.inchParts > 0)
        return FeetAndInches(v, static_cast<InchStep>(s.inchParts));
    return FeetAndDecimalInches(v, s.decimals, m_settings);
}

std::string LengthWriting::WithUnit(double v, int step) const {
    std::string text = Write(v, step);
    if (!m_tape && !text.empty())
        text.append(m_unit.suffix);
    return text;
}

double LengthWriting::Written(double v, int step) const {
    const LengthStep s = Step(step, v);
    if (!m_tape)
        return ParseDecimal(FormatFixed(v, s.decimals));
    const double perInch = s.inchParts > 0 ? s.inchParts : std::pow(10.0, s.decimals);
    return std::copysign(StepsOf(v, perInch) / perInch / 12, v);
}

template <typename Read> int LengthWriting::FirstReadable(double depth, Read read) const {
    if (!std::isfinite(depth) || depth == 0)
        return 0;
    for (int step = 0; step < kSteps; ++step) {
        const double written = read(step);
        if (written != 0 && std::fabs(written - depth) <= 0.1 * std::fabs(depth))
            return step;
    }
    return kSteps - 1;
}

int LengthWriting::ForLimits(double near, double far) const {
    return FirstReadable(far - near,
                         [&](int step) { return Written(far, step) - Written(near, step); });
}

int LengthWriting::ForDepth(double depth) const {
    return FirstReadable(depth, [&](int step) { return Written(depth, step); });
}

int LengthWriting::ForLimitsAndDepth(double near, double far, bool farIsInfinite) const {
    return farIsInfinite ? 0 : std::max(ForLimits(near, far), ForDepth(far - near));
}
