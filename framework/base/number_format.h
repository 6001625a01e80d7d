#pragma once
// The user's number settings and the locale number formatting the handheld
// offers programs.

#include <optional>
#include <string>
#include <string_view>

struct NumberSettings {
    std::string decimalSeparator = ".";
    std::string thousandsSeparator = ",";
    int leadingZero = 1;   // 1: 0.5, 0: .5
    int grouping = 3;      // digits per group left of the separator; 0: none; 32: 3 then 2s
    int negativeOrder = 1; // 0 (1.1), 1 -1.1, 2 - 1.1, 3 1.1-, 4 1.1 -
};

// Numbers as programs and files read them: "." and no thousands separator.
inline NumberSettings PlainNumberSettings() {
    NumberSettings plain;
    plain.thousandsSeparator.clear();
    plain.grouping = 0;
    return plain;
}

// Rewrites a plain decimal number text ("-12345.678": optional minus, digits,
// optional point and digits) with `decimals` digits after the separator,
// rounded half away from zero, in the given settings. None for any other
// text or for settings the handheld does not know.
std::optional<std::string> FormatNumber(std::string_view text, int decimals,
                                        const NumberSettings& settings);
