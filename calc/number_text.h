#pragma once
// How number texts become numbers and numbers become texts. Nothing here
// consults the C library's locale: a German LC_NUMERIC must not turn "2.5"
// into 2 or make "%f" write a comma.
//
// "8-bit" texts are held as UTF-8.

#include <string>
#include <string_view>

// The user's five number settings, as the platform reports them.
struct NumberSettings {
    std::string decimalSeparator = ".";
    std::string thousandsSeparator = ",";
    int leadingZero = 1;   // 1: 0.5, 0: .5
    int grouping = 3;      // digits per group left of the separator; 0: none
    int negativeOrder = 1; // 0 (1.1), 1 -1.1, 2 - 1.1, 3 1.1-, 4 1.1 -
};

// Builds the settings from the platform's texts: each is cut to 18
// characters, and the integers are read with the integer rule (so a grouping
// text "3;0" gives 3).
NumberSettings MakeNumberSettings(std::string_view decimalSeparator,
                                  std::string_view thousandsSeparator, std::string_view leadingZero,
                                  std::string_view grouping, std::string_view negativeOrder);

// Blanks, optional sign, digits with an optional fraction, optional exponent;
// reading stops at the first character that does not fit and a text with no
// leading number gives 0. Too large a number gives an infinity, too small a
// zero, as the C library does.
double ParseDecimal(std::string_view text);

// The same without fraction and exponent; clamped to the int range.
int ParseInteger(std::string_view text);

// Fixed notation with `decimals` digits after a "." ("%f" is 6 decimals),
// exactly as printf writes it in the C locale.
struct FixedText {
    char data[400]; // DBL_MAX in fixed notation is 309 digits
    std::size_t size = 0;
    std::string_view view() const { return {data, size}; }
};
FixedText WriteFixed(double value, int decimals);
std::string FormatFixed(double value, int decimals);

// The first `count` characters (code points) of a text.
std::string FirstCharacters(std::string_view text, std::size_t count);

// Replaces the first occurrence of the user's decimal separator (its first
// character) by ".".
std::string NormalizeDecimalSeparator(std::string text, const NumberSettings& settings);

// Rewrites a plain decimal number text ("-12345.678") in the user's number
// format with `count` decimals. A text that is not such a number comes back
// unchanged.
std::string FormatLocaleNumber(std::string_view text, int count, const NumberSettings& settings);

// The same, appended to `out`; false (and nothing appended) when the text is
// not such a number.
bool AppendLocaleNumber(std::string& out, std::string_view text, int count,
                        const NumberSettings& settings);
