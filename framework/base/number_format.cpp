#include "framework/base/number_format.h"

#include <algorithm>

namespace {
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// The integer digits with thousands separators: the last group has `first`
// digits, those to its left `rest`; the leftmost may be short.
void AppendGrouped(std::string& out, std::string_view digits, const NumberSettings& s) {
    const std::size_t first = s.grouping == 32 ? 3 : static_cast<std::size_t>(s.grouping);
    const std::size_t rest = s.grouping == 32 ? 2 : first;
    if (first == 0 || digits.size() <= first) {
        out.append(digits);
        return;
    }
    const std::size_t upper = digits.size() - first;
    std::size_t lead = upper % rest;
    if (lead == 0)
        lead = rest;
    out.append(digits.substr(0, lead));
    for (std::size_t at = lead; at < upper; at += rest)
        out.append(s.thousandsSeparator).append(digits.substr(at, rest));
    out.append(s.thousandsSeparator).append(digits.substr(upper));
}

// A plain decimal text: an optional minus, digits, optionally a point and
// more digits, and at least one digit in all.
struct DecimalText {
    bool negative = false;
    std::string_view intDigits, fracDigits;
};

std::optional<DecimalText> SplitDecimal(std::string_view text) {
    DecimalText d;
    d.negative = !text.empty() && text[0] == '-';
    std::size_t i = d.negative ? 1 : 0;
    const std::size_t intStart = i;
    while (i < text.size() && IsDigit(text[i]))
        ++i;
    d.intDigits = text.substr(intStart, i - intStart);
    if (i < text.size() && text[i] == '.') {
        const std::size_t fracStart = ++i;
        while (i < text.size() && IsDigit(text[i]))
            ++i;
        d.fracDigits = text.substr(fracStart, i - fracStart);
    }
    if (i != text.size() || d.intDigits.size() + d.fracDigits.size() == 0)
        return std::nullopt;
    return d;
}

// The digits of the value times 10^keep, rounded half up, with a leading 0
// for a carry.
std::string RoundedDigits(const DecimalText& d, std::size_t keep) {
    std::string digits = "0";
    digits.append(d.intDigits);
    digits.append(d.fracDigits.substr(0, keep));
    digits.append(keep - std::min(keep, d.fracDigits.size()), '0');
    if (d.fracDigits.size() > keep && d.fracDigits[keep] >= '5') {
        std::size_t k = digits.size();
        while (k-- > 0 && digits[k] == '9')
            digits[k] = '0';
        ++digits[k];
    }
    return digits;
}
} // namespace

std::optional<std::string> FormatNumber(std::string_view text, int decimals,
                                        const NumberSettings& s) {
    if (decimals < 0 || s.negativeOrder < 0 || s.negativeOrder > 4 || s.grouping < 0 ||
        (s.grouping > 9 && s.grouping != 32))
        return std::nullopt;
    const std::optional<DecimalText> decimal = SplitDecimal(text);
    if (!decimal)
        return std::nullopt;
    const auto keep = static_cast<std::size_t>(decimals);
    const std::string digits = RoundedDigits(*decimal, keep);
    std::string_view intPart(digits.data(), digits.size() - keep);
    const std::string_view fracPart(digits.data() + intPart.size(), keep);
    intPart.remove_prefix(std::min(intPart.find_first_not_of('0'), intPart.size()));
    const bool showSign =
        decimal->negative &&
        (!intPart.empty() || fracPart.find_first_not_of('0') != std::string_view::npos);

    std::string out;
    if (showSign && s.negativeOrder <= 2)
        out.append(s.negativeOrder == 0 ? "(" : s.negativeOrder == 1 ? "-" : "- ");
    if (!intPart.empty())
        AppendGrouped(out, intPart, s);
    else if (s.leadingZero != 0 || keep == 0)
        out.append("0");
    if (keep > 0)
        out.append(s.decimalSeparator).append(fracPart);
    if (showSign && s.negativeOrder >= 3)
        out.append(s.negativeOrder == 3 ? "-" : " -");
    else if (showSign && s.negativeOrder == 0)
        out.append(")");
    return out;
}
