#pragma once
// How number texts become numbers and numbers become texts. Nothing here
// consults the C library's locale: a German LC_NUMERIC must not turn "2.5"
// into 2 or make "%f" write a comma.
//
// "8-bit" texts are held as UTF-8.

#include "framework/base/number_format.h"

#include <string>
#include <string_view>

// Builds the settings from the handheld's texts: each is cut to 18
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
// The same, with the number of characters the rule accepted (0: none of a
// number) in `length`.
double ParseDecimalPrefix(std::string_view text, std::size_t* length);

// The same without fraction and exponent; clamped to the int range.
int ParseInteger(std::string_view text);

// Fixed notation with `decimals` digits after a "." ("%f" is 6 decimals),
// exactly as printf writes it in the C locale.
std::string FormatFixed(double value, int decimals);

// `value` rounded to `decimals` places (0 to 15), as the double a person
// typing that decimal gets: the nearest double to it. A value too large to
// have such places stays as it is.
double RoundedToDecimals(double value, int decimals);

// A typed text without the blanks (spaces and tabs) around it.
std::string_view TrimBlanks(std::string_view text);

// The first `count` characters (code points) of a text.
std::string FirstCharacters(std::string_view text, std::size_t count);

// What a person typed, quoted back in a sentence: blanks around it aside,
// its first 40 characters (an ellipsis for the rest), control characters
// and bytes that are not UTF-8 written as escapes (ShownText).
std::string TypedShown(std::string_view text);

// Replaces the first occurrence of the user's decimal separator (its first
// character) by ".".
std::string NormalizeDecimalSeparator(std::string text, const NumberSettings& settings);

// A plain decimal number text ("-12345.678") in the user's number format with
// `count` decimals, as the handheld formats it into room for 3 × length + 99
// characters. A text the handheld cannot format comes back unchanged.
std::string FormatLocaleNumber(std::string_view text, int count, const NumberSettings& settings);

// `value` with `decimals` decimals (as FormatFixed rounds it) in the user's
// number format.
std::string FixedIn(double value, int decimals, const NumberSettings& settings);

// `value` in the user's number format with no more decimals than it needs,
// `most` at the most: 2.5, 100, 0.29.
std::string FormatShortest(double value, int most, const NumberSettings& settings);
