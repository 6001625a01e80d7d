#include "calc/number_text.h"

#include "framework/base/cstring.h"

#include <charconv>
#include <climits>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <limits>
#include <locale.h>
#include <system_error>

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}
bool IsContinuationByte(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// Where a number begins: past leading blanks and an optional sign.
std::size_t SkipBlanksAndSign(std::string_view t, bool& negative) {
    std::size_t i = 0;
    while (i < t.size() && IsBlank(t[i]))
        ++i;
    negative = i < t.size() && t[i] == '-';
    if (i < t.size() && (t[i] == '+' || t[i] == '-'))
        ++i;
    return i;
}

std::size_t SkipDigits(std::string_view t, std::size_t i) {
    while (i < t.size() && IsDigit(t[i]))
        ++i;
    return i;
}

// Whether a number that the conversion could not represent lies above the
// double range (true) or below it (false): the power of ten of its first
// significant digit decides.
bool Overflows(std::string_view mantissa, long long exponent) {
    const std::size_t point = std::min(mantissa.find('.'), mantissa.size());
    const std::size_t first = mantissa.find_first_not_of("0.");
    const long long position = first < point ? static_cast<long long>(point - first)
                                             : -static_cast<long long>(first - point - 1);
    return position + exponent > 0;
}

} // namespace

NumberSettings MakeNumberSettings(std::string_view decimalSeparator,
                                  std::string_view thousandsSeparator, std::string_view leadingZero,
                                  std::string_view grouping, std::string_view negativeOrder) {
    constexpr std::size_t kMax = 18;
    NumberSettings s;
    s.decimalSeparator = FirstCharacters(decimalSeparator, kMax);
    s.thousandsSeparator = FirstCharacters(thousandsSeparator, kMax);
    s.leadingZero = ParseInteger(FirstCharacters(leadingZero, kMax));
    s.grouping = ParseInteger(FirstCharacters(grouping, kMax));
    s.negativeOrder = ParseInteger(FirstCharacters(negativeOrder, kMax));
    return s;
}

double ParseDecimal(std::string_view t) {
    return ParseDecimalPrefix(t, nullptr);
}

double ParseDecimalPrefix(std::string_view t, std::size_t* length) {
    if (length)
        *length = 0;
    bool negative = false;
    const std::size_t start = SkipBlanksAndSign(t, negative);
    std::size_t i = SkipDigits(t, start);
    std::size_t digits = i - start;
    if (i < t.size() && t[i] == '.') {
        const std::size_t fraction = i + 1;
        i = SkipDigits(t, fraction);
        digits += i - fraction;
    }
    if (digits == 0)
        return 0.0;
    const std::size_t mantissaEnd = i;
    long long exponent = 0;
    if (i < t.size() && (t[i] == 'e' || t[i] == 'E')) {
        std::size_t j = i + 1;
        const bool negativeExponent = j < t.size() && t[j] == '-';
        if (j < t.size() && (t[j] == '+' || t[j] == '-'))
            ++j;
        if (j < t.size() && IsDigit(t[j])) {
            for (; j < t.size() && IsDigit(t[j]); ++j)
                if (exponent < 1000000000LL)
                    exponent = exponent * 10 + (t[j] - '0');
            exponent = negativeExponent ? -exponent : exponent;
            i = j;
        }
    }
    // Only the characters the rule accepted reach the conversion, so the
    // infinities, NaNs and hexadecimal forms it also knows never do.
    double value = 0.0;
    const auto [end, ec] =
        std::from_chars(t.data() + start, t.data() + i, value, std::chars_format::general);
    (void)end;
    if (ec == std::errc::result_out_of_range)
        value = Overflows(t.substr(start, mantissaEnd - start), exponent)
                    ? std::numeric_limits<double>::infinity()
                    : 0.0;
    if (length)
        *length = i;
    return negative ? -value : value;
}

int ParseInteger(std::string_view t) {
    bool negative = false;
    std::size_t i = SkipBlanksAndSign(t, negative);
    long long value = 0;
    for (; i < t.size() && IsDigit(t[i]); ++i)
        if (value <= static_cast<long long>(INT_MAX) + 1)
            value = value * 10 + (t[i] - '0');
    if (negative)
        value = -value;
    if (value > INT_MAX)
        return INT_MAX;
    if (value < INT_MIN)
        return INT_MIN;
    return static_cast<int>(value);
}

// The exact binary value rounded half to even, as std::to_chars writes it
// too; but glibc's printf is in every start already, while to_chars with a
// precision brings its own tables (near 0.2 MiB) into memory to fill the
// lists. The "C" locale keeps the point a point whatever the desktop's.
std::string FormatFixed(double value, int decimals) {
    char buffer[400]; // DBL_MAX in fixed notation is 309 digits
    static const locale_t kC = ::newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    if (kC == static_cast<locale_t>(nullptr)) {
        const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value,
                                             std::chars_format::fixed, decimals);
        return ec == std::errc() ? std::string(buffer, end) : std::string();
    }
    const locale_t before = ::uselocale(kC);
    const int length = std::snprintf(buffer, sizeof buffer, "%.*f", decimals, value);
    ::uselocale(before);
    return length > 0 && length < static_cast<int>(sizeof buffer) ? std::string(buffer, length)
                                                                  : std::string();
}

std::string FirstCharacters(std::string_view text, std::size_t count) {
    std::size_t seen = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (!IsContinuationByte(text[i]) && seen++ == count)
            return std::string(text.substr(0, i));
    }
    return std::string(text);
}

std::string NormalizeDecimalSeparator(std::string text, const NumberSettings& settings) {
    const std::string& sep = settings.decimalSeparator;
    if (sep.empty())
        return text;
    const std::size_t at = text.find(sep);
    if (at == std::string::npos)
        return text;
    std::size_t width = 1; // the separator's first character, whatever its length
    while (width < sep.size() && IsContinuationByte(sep[width]))
        ++width;
    text.replace(at, width, 1, '.');
    return text;
}

std::string FormatLocaleNumber(std::string_view text, int count, const NumberSettings& settings) {
    std::optional<std::string> formatted = FormatNumber(text, count, settings);
    // The handheld fails when the result and its terminator exceed the room.
    const std::size_t room = 3 * text.size() + 99;
    if (!formatted || FirstCharacters(*formatted, room - 1).size() < formatted->size())
        return std::string(text);
    return std::move(*formatted);
}

std::string FixedIn(double value, int decimals, const NumberSettings& settings) {
    return FormatLocaleNumber(FormatFixed(value, decimals), decimals, settings);
}

std::string FormatShortest(double value, int most, const NumberSettings& settings) {
    std::string text = FormatFixed(value, most);
    while (text.find('.') != std::string::npos && (text.back() == '0' || text.back() == '.'))
        text.pop_back();
    const std::size_t point = text.find('.');
    const int decimals = point == std::string::npos ? 0 : static_cast<int>(text.size() - point - 1);
    return FormatLocaleNumber(text, decimals, settings);
}

std::string_view TrimBlanks(std::string_view t) {
    while (!t.empty() && (t.front() == ' ' || t.front() == '\t'))
        t.remove_prefix(1);
    while (!t.empty() && (t.back() == ' ' || t.back() == '\t'))
        t.remove_suffix(1);
    return t;
}

double RoundedToDecimals(double value, int decimals) {
    double scale = 1; // an exact power of ten
    for (int i = 0; i < decimals; ++i)
        scale *= 10;
    const double scaled = value * scale;
    if (!std::isfinite(scaled) || std::fabs(scaled) >= 0x1p53) // no place finer than the double has
        return value;
    // value·scale is exactly scaled + error; round that exact product to a
    // whole number, half to even, as a decimal text of it would be written.
    const double error = std::fma(value, scale, -scaled);
    double whole = std::nearbyint(scaled);
    const double fraction = scaled - whole; // exact, within ±½
    const bool odd = std::fmod(whole, 2) != 0;
    const double aboveHalf = fraction - 0.5, belowHalf = fraction + 0.5;
    if (aboveHalf > -error || (aboveHalf == -error && odd))
        whole += 1;
    else if (belowHalf < -error || (belowHalf == -error && odd))
        whole -= 1;
    // A whole number over an exact power of ten: the division rounds once,
    // to the double nearest the decimal.
    return whole / scale;
}

std::string TypedShown(std::string_view text) {
    constexpr std::size_t kShown = 40;
    const std::string_view typed = TrimBlanks(text);
    const std::string first = FirstCharacters(typed, kShown);
    return ShownText(first) + (first.size() < typed.size() ? "\u2026" : "");
}
