// Any text whatever goes through the parse rules and the number formatting
// without fault, and fixed notation always agrees with printf.
#include "calc/number_text.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 4)
        return 0;
    NumberSettings s;
    s.leadingZero = data[0] & 1;
    s.grouping = data[1] % 11 == 10 ? 32 : data[1] % 11;
    s.negativeOrder = data[2] % 6; // 5 is out of range: the formatting must fail
    const int count = data[3] % 12;
    const std::string text(reinterpret_cast<const char*>(data + 4), size - 4);

    const double value = ParseDecimal(text);
    (void)ParseInteger(text);
    (void)NormalizeDecimalSeparator(text, s);
    const std::string formatted = FormatLocaleNumber(text, count, s);
    if (formatted.find("nan") != std::string::npos && text.find("nan") == std::string::npos)
        std::abort();

    if (std::isfinite(value)) {
        char expected[512];
        std::snprintf(expected, sizeof expected, "%.*f", count, value);
        if (FormatFixed(value, count) != expected)
            std::abort();
        // Formatting a fixed text always succeeds with in-range settings.
        if (s.negativeOrder <= 4 && !FormatNumber(expected, count, s))
            std::abort();
    }
    return 0;
}
