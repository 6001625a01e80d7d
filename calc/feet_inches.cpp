#include "calc/feet_inches.h"

#include <cmath>
#include <numeric>

InchStep TapeStep(double feet) {
    const double size = std::fabs(feet);
    return size < 10 ? InchStep::Eighth : size < 100 ? InchStep::Quarter : InchStep::Whole;
}

std::string FeetAndInches(double feet, InchStep step) {
    if (!std::isfinite(feet))
        return {};
    const double parts = static_cast<double>(step); // per inch
    // The whole length in steps, rounded once: 11 7/8 in and more round up
    // into the next foot instead of reading "12 in".
    const double steps = std::round(std::fabs(feet) * 12 * parts);
    if (!std::isfinite(steps) || steps > 9e15)
        return {};
    const auto total = static_cast<long long>(steps);
    const long long perFoot = 12 * static_cast<long long>(parts);
    const long long wholeFeet = total / perFoot;
    const long long rest = total % perFoot; // in steps
    const long long inches = rest / static_cast<long long>(parts);
    long long numerator = rest % static_cast<long long>(parts);
    long long denominator = static_cast<long long>(parts);
    if (numerator != 0) {
        const long long g = std::gcd(numerator, denominator);
        numerator /= g;
        denominator /= g;
    }
    // Built piece by piece (GCC 12 warns falsely of string concatenations here).
    std::string inchText;
    if (inches != 0)
        inchText.append(std::to_string(inches));
    if (numerator != 0) {
        if (!inchText.empty())
            inchText.push_back(' ');
        inchText.append(std::to_string(numerator)).append("/").append(std::to_string(denominator));
    }
    std::string text;
    if (feet < 0 && total != 0)
        text.append("\u2212");
    if (wholeFeet != 0)
        text.append(std::to_string(wholeFeet)).append(" ft");
    if (!inchText.empty()) {
        if (wholeFeet != 0)
            text.push_back(' ');
        text.append(inchText).append(" in");
    }
    if (wholeFeet == 0 && inchText.empty())
        return "0 in";
    return text;
}
