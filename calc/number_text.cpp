#include "calc/number_text.h"

#include <algorithm>
#include <bit>
#include <charconv>
#include <climits>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
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

std::size_t CodePointCount(std::string_view text) {
    std::size_t n = 0;
    for (char c : text)
        n += IsContinuationByte(c) ? 0 : 1;
    return n;
}

// Whether a decimal mantissa with the given exponent that the C library could
// not represent lies above the double range (true) or below it (false).
bool Overflows(std::string_view mantissa, long long exponent) {
    long long position = 0; // power of ten of the first significant digit, plus one
    bool seenPoint = false, seenSignificant = false;
    long long integerDigits = 0, leadingFractionZeros = 0;
    for (char c : mantissa) {
        if (c == '.') {
            seenPoint = true;
            continue;
        }
        if (!seenSignificant && c == '0') {
            if (seenPoint)
                ++leadingFractionZeros;
            continue;
        }
        seenSignificant = true;
        if (!seenPoint)
            ++integerDigits;
    }
    position = integerDigits > 0 ? integerDigits : -leadingFractionZeros;
    return position + exponent > 0;
}

constexpr double kExactPowersOfTen[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                        1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                        1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

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
    bool negative = false;
    std::size_t i = SkipBlanksAndSign(t, negative);
    const std::size_t n = t.size();
    const std::size_t start = i;
    std::size_t digits = 0;
    // The significant digits as an integer while there are at most 15 of
    // them, and the power of ten of the last one.
    std::uint64_t mantissa = 0;
    int significant = 0;
    long long scale = 0;
    const auto take = [&](char c) {
        if (mantissa == 0 && c == '0')
            return;
        if (++significant <= 15)
            mantissa = mantissa * 10 + static_cast<std::uint64_t>(c - '0');
    };
    while (i < n && IsDigit(t[i]))
        take(t[i++]), ++digits;
    if (i < n && t[i] == '.') {
        ++i;
        while (i < n && IsDigit(t[i]))
            take(t[i++]), ++digits, --scale;
    }
    if (digits == 0)
        return 0.0;
    const std::size_t mantissaEnd = i;
    long long exponent = 0;
    if (i < n && (t[i] == 'e' || t[i] == 'E')) {
        std::size_t j = i + 1;
        bool negativeExponent = false;
        if (j < n && (t[j] == '+' || t[j] == '-')) {
            negativeExponent = t[j] == '-';
            ++j;
        }
        if (j < n && IsDigit(t[j])) {
            while (j < n && IsDigit(t[j])) {
                if (exponent < 1000000000LL)
                    exponent = exponent * 10 + (t[j] - '0');
                ++j;
            }
            if (negativeExponent)
                exponent = -exponent;
            i = j;
        }
    }
    // Up to 15 significant digits and 10^22 are exact doubles: one
    // multiplication or division then rounds correctly, as the full
    // conversion would.
    if (significant <= 15 && scale + exponent >= -22 && scale + exponent <= 22) {
        const double m = static_cast<double>(mantissa);
        const long long k = scale + exponent;
        const double exact = k < 0 ? m / kExactPowersOfTen[-k] : m * kExactPowersOfTen[k];
        return negative ? -exact : exact;
    }
    double value = 0.0;
    const auto [ptr, ec] =
        std::from_chars(t.data() + start, t.data() + i, value, std::chars_format::general);
    (void)ptr;
    if (ec == std::errc::result_out_of_range) {
        value = Overflows(t.substr(start, mantissaEnd - start), exponent)
                    ? std::numeric_limits<double>::infinity()
                    : 0.0;
    }
    return negative ? -value : value;
}

int ParseInteger(std::string_view t) {
    bool negative = false;
    std::size_t i = SkipBlanksAndSign(t, negative);
    const std::size_t n = t.size();
    long long value = 0;
    while (i < n && IsDigit(t[i])) {
        if (value <= static_cast<long long>(INT_MAX) + 1)
            value = value * 10 + (t[i] - '0');
        ++i;
    }
    if (negative)
        value = -value;
    if (value > INT_MAX)
        return INT_MAX;
    if (value < INT_MIN)
        return INT_MIN;
    return static_cast<int>(value);
}

namespace {
__extension__ typedef unsigned __int128 Uint128;

constexpr double kPowersOfTen[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8, 1e9,
                                   1e10, 1e11, 1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18};
constexpr std::uint64_t kPowersOfFive[] = {1, 5, 25, 125, 625, 3125, 15625, 78125, 390625, 1953125};

// Exact fixed notation for moderate values: value × 10^decimals is
// mantissa × 5^decimals × 2^(exponent + decimals), rounded half to even on
// its exact binary value, as the C library does.
bool WriteFixedExactly(FixedText& out, double value, int decimals) {
    if (decimals < 0 || decimals > 9 || !(std::fabs(value) < kPowersOfTen[18 - decimals]))
        return false;
    const std::uint64_t bits = std::bit_cast<std::uint64_t>(value);
    const int biased = static_cast<int>((bits >> 52) & 0x7FF);
    std::uint64_t mantissa = bits & ((std::uint64_t{1} << 52) - 1);
    int exponent = -1074;
    if (biased != 0) {
        mantissa |= std::uint64_t{1} << 52;
        exponent = biased - 1075;
    }
    const Uint128 scaled = Uint128{mantissa} * kPowersOfFive[decimals];
    const int shift = -(exponent + decimals); // > 0 for every value below 10^18
    std::uint64_t q = 0;
    if (shift <= 0) {
        q = static_cast<std::uint64_t>(scaled << -shift);
    } else if (shift < 128) {
        q = static_cast<std::uint64_t>(scaled >> shift);
        const Uint128 remainder = scaled & ((Uint128{1} << shift) - 1);
        const Uint128 half = Uint128{1} << (shift - 1);
        if (remainder > half || (remainder == half && (q & 1)))
            ++q;
    }
    static constexpr char kPairs[] = "00010203040506070809101112131415161718192021222324"
                                     "25262728293031323334353637383940414243444546474849"
                                     "50515253545556575859606162636465666768697071727374"
                                     "75767778798081828384858687888990919293949596979899";
    char digits[24]; // least significant first
    int n = 0;
    do {
        if (q >= 100) {
            const auto pair = static_cast<std::size_t>(q % 100) * 2;
            q /= 100;
            digits[n++] = kPairs[pair + 1];
            digits[n++] = kPairs[pair];
        } else {
            digits[n++] = static_cast<char>('0' + q % 10);
            q /= 10;
        }
    } while (q != 0);
    while (n < decimals + 1)
        digits[n++] = '0';
    char* p = out.data;
    if (std::signbit(value))
        *p++ = '-';
    for (int i = n - 1; i >= 0; --i) {
        *p++ = digits[i];
        if (i == decimals && decimals > 0)
            *p++ = '.';
    }
    out.size = static_cast<std::size_t>(p - out.data);
    return true;
}
} // namespace

FixedText WriteFixed(double value, int decimals) {
    FixedText out;
    if (WriteFixedExactly(out, value, decimals))
        return out;
    const auto [end, ec] = std::to_chars(out.data, out.data + sizeof out.data, value,
                                         std::chars_format::fixed, decimals);
    out.size = ec == std::errc() ? static_cast<std::size_t>(end - out.data) : 0;
    return out;
}

std::string FormatFixed(double value, int decimals) {
    return std::string(WriteFixed(value, decimals).view());
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
    std::string out;
    if (!AppendLocaleNumber(out, text, count, settings))
        return std::string(text);
    return out;
}

bool AppendLocaleNumber(std::string& out, std::string_view text, int count,
                        const NumberSettings& s) {
    if (count < 0 || s.negativeOrder < 0 || s.negativeOrder > 4 || s.grouping < 0 ||
        (s.grouping > 9 && s.grouping != 32))
        return false;

    // A plain decimal number: optional '-', digits, optional '.' and digits.
    std::size_t i = 0;
    const bool negative = !text.empty() && text[0] == '-';
    if (negative)
        i = 1;
    const std::size_t intStart = i;
    while (i < text.size() && IsDigit(text[i]))
        ++i;
    std::string_view intDigits = text.substr(intStart, i - intStart);
    std::string_view fracDigits;
    if (i < text.size() && text[i] == '.') {
        const std::size_t fracStart = ++i;
        while (i < text.size() && IsDigit(text[i]))
            ++i;
        fracDigits = text.substr(fracStart, i - fracStart);
    }
    if (i != text.size() || intDigits.size() + fracDigits.size() == 0)
        return false;
    while (intDigits.size() > 1 && intDigits[0] == '0')
        intDigits.remove_prefix(1);

    const std::size_t keep = static_cast<std::size_t>(count);
    const std::size_t nDigits = 1 + intDigits.size() + keep;
    std::string_view intPart = intDigits;
    std::string_view fracPart = fracDigits;
    char local[128];
    std::string heap;
    if (fracDigits.size() != keep) {
        // Digits of the value scaled by 10^count, rounded half away from
        // zero, with room in front for a carry.
        char* digits = local;
        if (nDigits > sizeof local) {
            heap.resize(nDigits);
            digits = heap.data();
        }
        digits[0] = '0';
        intDigits.copy(digits + 1, intDigits.size());
        const std::size_t fracCopied = fracDigits.copy(digits + 1 + intDigits.size(), keep);
        std::fill(digits + 1 + intDigits.size() + fracCopied, digits + nDigits, '0');
        if (fracDigits.size() > keep && fracDigits[keep] >= '5') {
            std::size_t k = nDigits;
            while (k-- > 0) {
                if (digits[k] == '9') {
                    digits[k] = '0';
                } else {
                    ++digits[k];
                    break;
                }
            }
        }
        intPart = std::string_view(digits, nDigits - keep);
        fracPart = std::string_view(digits + nDigits - keep, keep);
    }
    while (!intPart.empty() && intPart[0] == '0')
        intPart.remove_prefix(1);
    const bool showSign =
        negative && !(intPart.empty() && fracPart.find_first_not_of('0') == std::string::npos);

    // Built in one piece, then appended at once.
    const std::size_t most =
        nDigits * (1 + s.thousandsSeparator.size()) + s.decimalSeparator.size() + 4;
    char localBuffer[256];
    std::string heapBuffer;
    char* buffer = localBuffer;
    if (most > sizeof localBuffer) {
        heapBuffer.resize(most);
        buffer = heapBuffer.data();
    }
    char* p = buffer;
    const auto put = [&p](std::string_view piece) {
        for (char c : piece) // pieces are a few characters: no call for each
            *p++ = c;
    };
    if (showSign && s.negativeOrder <= 2)
        put(s.negativeOrder == 0 ? "(" : s.negativeOrder == 1 ? "-" : "- ");
    if (intPart.empty()) {
        if (s.leadingZero != 0 || keep == 0)
            put("0");
    } else {
        // Groups from the right: the last group has `first` digits, those to
        // its left `rest` (3 and 2 for the 32 setting); the leftmost may be short.
        const std::size_t first = s.grouping == 32 ? 3 : static_cast<std::size_t>(s.grouping);
        const std::size_t rest = s.grouping == 32 ? 2 : first;
        const std::size_t len = intPart.size();
        if (first == 0 || len <= first) {
            put(intPart);
        } else {
            const std::size_t upper = len - first;
            std::size_t lead = upper % rest;
            if (lead == 0)
                lead = rest;
            put(intPart.substr(0, lead));
            for (std::size_t at = lead; at < upper; at += rest) {
                put(s.thousandsSeparator);
                put(intPart.substr(at, rest));
            }
            put(s.thousandsSeparator);
            put(intPart.substr(upper));
        }
    }
    if (keep > 0) {
        put(s.decimalSeparator);
        put(fracPart);
    }
    if (showSign && s.negativeOrder >= 3)
        put(s.negativeOrder == 3 ? "-" : " -");
    else if (showSign && s.negativeOrder == 0)
        put(")");
    const std::string_view result(buffer, static_cast<std::size_t>(p - buffer));

    // The result must fit the room the platform is given: 3 × length + 99
    // characters, one of them for the terminator.
    const std::size_t room = 3 * text.size() + 99;
    if (result.size() + 1 > room && CodePointCount(result) + 1 > room)
        return false;
    out.append(result);
    return true;
}
