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
} // namespace

std::optional<std::string> FormatNumber(std::string_view text, int decimals,
                                        const NumberSettings& s) {
    if (decimals < 0 || s.negativeOrder < 0 || s.negativeOrder > 4 || s.grouping < 0 ||
        (s.grouping > 9 && s.grouping != 32))
        return std::nullopt;
    const bool negative = !text.empty() && text[0] == '-';
    std::size_t i = negative ? 1 : 0;
    const std::size_t intStart = i;
    while (i < text.size() && IsDigit(text[i]))
        ++i;
    const std::string_view intDigits = text.substr(intStart, i - intStart);
    std::string_view fracDigits;
    if (i < text.size() && text[i] == '.') {
        const std::size_t fracStart = ++i;
        while (i < text.size() && IsDigit(text[i]))
            ++i;
        fracDigits = text.substr(fracStart, i - fracStart);
    }
    if (i != text.size() || intDigits.size() + fracDigits.size() == 0)
        return std::nullopt;

    // The digits of the value times 10^decimals, with a leading 0 for a carry.
    const auto keep = static_cast<std::size_t>(decimals);
    std::string digits = "0";
    digits.append(intDigits);
    digits.append(fracDigits.substr(0, keep));
    digits.append(keep - std::min(keep, fracDigits.size()), '0');
    if (fracDigits.size() > keep && fracDigits[keep] >= '5') {
        std::size_t k = digits.size();
        while (k-- > 0 && digits[k] == '9')
            digits[k] = '0';
        ++digits[k];
    }
    std::string_view intPart(digits.data(), digits.size() - keep);
    const std::string_view fracPart(digits.data() + intPart.size(), keep);
    intPart.remove_prefix(std::min(intPart.find_first_not_of('0'), intPart.size()));
    const bool showSign =
        negative && (!intPart.empty() || fracPart.find_first_not_of('0') != std::string_view::npos);

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
