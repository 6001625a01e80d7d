#include "calc/number_text.h"

#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <gtest/gtest.h>
#include <limits>
#include <random>

namespace {
NumberSettings UsEnglish() {
    return {};
}
NumberSettings German() {
    return MakeNumberSettings(",", ".", "1", "3;0", "1");
}
NumberSettings WithNegativeOrder(int order) {
    NumberSettings s;
    s.negativeOrder = order;
    return s;
}
} // namespace

TEST(ParseDecimal, FollowsTheRule) {
    EXPECT_EQ(ParseDecimal(" -3.5e1x"), -35.0);
    EXPECT_EQ(ParseDecimal("abc"), 0.0);
    EXPECT_EQ(ParseDecimal("5 m"), 5.0);
    EXPECT_EQ(ParseDecimal(""), 0.0);
    EXPECT_EQ(ParseDecimal("\t+2.25"), 2.25);
    EXPECT_EQ(ParseDecimal(".5"), 0.5);
    EXPECT_EQ(ParseDecimal("5."), 5.0);
    EXPECT_EQ(ParseDecimal("-"), 0.0);
    EXPECT_EQ(ParseDecimal("."), 0.0);
    EXPECT_EQ(ParseDecimal("1e"), 1.0);
    EXPECT_EQ(ParseDecimal("1e+"), 1.0);
    EXPECT_EQ(ParseDecimal("2E-1"), 0.2);
    EXPECT_EQ(ParseDecimal("5,5"), 5.0);
    EXPECT_EQ(ParseDecimal("0.0001"), 0.0001);
    EXPECT_EQ(ParseDecimal("1.7818"), 1.7818);
    EXPECT_EQ(ParseDecimal("5.656854"), 5.656854);
}

TEST(ParseDecimal, IsNarrowerThanTheCLibrary) {
    // strtod would read these; the rule does not.
    for (const char* t : {"inf", "-inf", "nan", "NAN", "infinity", "0x1p3", "0x10"})
        EXPECT_EQ(ParseDecimal(t), 0.0) << t;
}

TEST(ParseDecimal, OutOfRangeNumbersSaturateAsTheCLibraryDoes) {
    EXPECT_EQ(ParseDecimal("1e400"), std::numeric_limits<double>::infinity());
    EXPECT_EQ(ParseDecimal("-1e400"), -std::numeric_limits<double>::infinity());
    EXPECT_EQ(ParseDecimal("99999e99999999999999999999"), std::numeric_limits<double>::infinity());
    EXPECT_EQ(ParseDecimal("1e-400"), 0.0);
    EXPECT_EQ(ParseDecimal("0.000001e-400"), 0.0);
    EXPECT_EQ(ParseDecimal(std::string(400, '9')), std::numeric_limits<double>::infinity());
}

TEST(ParseDecimal, AgreesWithTheCLibraryOnDecimalTexts) {
    // Short texts take an exact shortcut, long ones the full conversion: both
    // must give the correctly rounded double.
    std::mt19937_64 random(7);
    for (int i = 0; i < 200000; ++i) {
        std::string text = random() % 2 ? "-" : "";
        const int intDigits = static_cast<int>(random() % 12);
        const int fracDigits = static_cast<int>(random() % 20);
        for (int d = 0; d < intDigits; ++d)
            text += static_cast<char>('0' + random() % 10);
        if (fracDigits > 0 || intDigits == 0) {
            text += '.';
            for (int d = 0; d < std::max(fracDigits, 1); ++d)
                text += static_cast<char>('0' + random() % 10);
        }
        if (random() % 3 == 0) {
            text += 'e';
            text += std::to_string(static_cast<int>(random() % 60) - 30);
        }
        ASSERT_EQ(ParseDecimal(text), std::strtod(text.c_str(), nullptr)) << text;
    }
}

TEST(ParseInteger, FollowsTheRule) {
    EXPECT_EQ(ParseInteger("27"), 27);
    EXPECT_EQ(ParseInteger("27.9"), 27);
    EXPECT_EQ(ParseInteger("  -4x"), -4);
    EXPECT_EQ(ParseInteger("x4"), 0);
    EXPECT_EQ(ParseInteger("3;0"), 3);
    EXPECT_EQ(ParseInteger("99999999999999999999"), std::numeric_limits<int>::max());
    EXPECT_EQ(ParseInteger("-99999999999999999999"), std::numeric_limits<int>::min());
}

TEST(FormatFixed, AgreesWithPrintfInTheCLocale) {
    const double values[] = {0.0,          -0.0,
                             3.3335419,    0.5,
                             1.5,          2.5,
                             0.125,        1e-7,
                             69722.485341, 123456789.123456789,
                             1e22,         1.7976931348623157e308,
                             -2.675};
    for (double v : values) {
        for (int decimals : {0, 1, 2, 4, 6}) {
            char expected[512];
            std::snprintf(expected, sizeof expected, "%.*f", decimals, v);
            EXPECT_EQ(FormatFixed(v, decimals), expected) << v << " " << decimals;
        }
    }
    EXPECT_EQ(FormatFixed(3.3335419, 6), "3.333542");
    EXPECT_EQ(FormatFixed(std::numeric_limits<double>::denorm_min(), 6), "0.000000");
    EXPECT_EQ(FormatFixed(0.0000005, 6), "0.000000"); // just below the half in binary
    EXPECT_EQ(FormatFixed(0.0000015, 6), "0.000002");
    EXPECT_EQ(FormatFixed(18.0, 2), "18.00");
    // A desktop whose numbers use a comma changes nothing here.
    const std::string before = std::setlocale(LC_ALL, nullptr);
    if (std::setlocale(LC_ALL, "de_DE.UTF-8")) {
        EXPECT_EQ(FormatFixed(1234.5, 2), "1234.50");
        std::setlocale(LC_ALL, before.c_str());
    }
}

TEST(FormatFixed, AgreesWithPrintfOnRandomValues) {
    std::mt19937_64 random(20261207);
    std::uniform_real_distribution<double> exponent(-12, 20);
    char expected[512];
    for (int i = 0; i < 200000; ++i) {
        const double v = std::pow(10.0, exponent(random)) * (random() % 2 ? 1 : -1);
        const int decimals = static_cast<int>(random() % 10);
        std::snprintf(expected, sizeof expected, "%.*f", decimals, v);
        ASSERT_EQ(FormatFixed(v, decimals), expected) << v << " " << decimals;
    }
    // Exact ties in binary round to even, as printf does.
    for (double tie : {0.5, 1.5, 2.5, 0.125, 0.375, 1e6 + 0.5})
        for (int decimals = 0; decimals < 4; ++decimals) {
            std::snprintf(expected, sizeof expected, "%.*f", decimals, tie);
            EXPECT_EQ(FormatFixed(tie, decimals), expected);
        }
}

// Rounding to decimals gives the double a person typing the rounded
// decimal gets: the number written with those decimals and read back.
TEST(RoundedToDecimals, IsTheDecimalWrittenAndReadBack) {
    std::mt19937_64 random(20261209);
    std::uniform_real_distribution<double> exponent(-9, 9);
    char written[512];
    const auto writtenAndRead = [&written](double v, int decimals) {
        std::snprintf(written, sizeof written, "%.*f", decimals, v);
        return std::strtod(written, nullptr);
    };
    for (int i = 0; i < 200000; ++i) {
        const double v = std::pow(10.0, exponent(random)) * (random() % 2 ? 1 : -1);
        const int decimals = static_cast<int>(random() % 10);
        ASSERT_EQ(RoundedToDecimals(v, decimals), writtenAndRead(v, decimals))
            << v << " " << decimals;
    }
    // Ties and near-ties in binary, whole decimals, and numbers beyond any place.
    for (const double v : {0.5, 1.5, 2.5, 0.125, 0.375, 1.0000005, 2.675, 0.0015, 1e-7, 3.0,
                           1e15 + 0.5, 123456789.1234565, -0.0000005, -2.5})
        for (int decimals = 0; decimals <= 6; ++decimals)
            EXPECT_EQ(RoundedToDecimals(v, decimals), writtenAndRead(v, decimals))
                << v << " " << decimals;
    EXPECT_EQ(RoundedToDecimals(1e300, 6), 1e300);
    EXPECT_TRUE(std::isinf(RoundedToDecimals(HUGE_VAL, 6)));
}

TEST(NumberTexts, IgnoreTheCLibraryLocale) {
    ASSERT_NE(std::setlocale(LC_ALL, "de_DE.UTF-8"), nullptr)
        << "de_DE.UTF-8 must be installed (tools/setup.sh generates it)";
    char probe[32];
    std::snprintf(probe, sizeof probe, "%0.1f", 2.5);
    EXPECT_STREQ(probe, "2,5") << "the C library really is German now";
    EXPECT_EQ(FormatFixed(2.5, 1), "2.5");
    EXPECT_EQ(FormatFixed(18.0, 2), "18.00");
    EXPECT_EQ(ParseDecimal("2.5"), 2.5);
    EXPECT_EQ(ParseDecimal("2,5"), 2.0);
    EXPECT_EQ(FormatLocaleNumber("69722.485341", 6, UsEnglish()), "69,722.485341");
    std::setlocale(LC_ALL, "C");
}

TEST(NormalizeDecimalSeparator, ReplacesOnlyTheFirstSeparator) {
    const NumberSettings de = German();
    EXPECT_EQ(NormalizeDecimalSeparator("2,5", de), "2.5");
    EXPECT_EQ(NormalizeDecimalSeparator("2.5", de), "2.5");
    EXPECT_EQ(NormalizeDecimalSeparator("1,5,5", de), "1.5,5");
    EXPECT_EQ(NormalizeDecimalSeparator("1,000", UsEnglish()), "1,000");
    EXPECT_EQ(ParseDecimal(NormalizeDecimalSeparator("1.000", de)), 1.0);
    EXPECT_EQ(NormalizeDecimalSeparator("", de), "");

    NumberSettings arabic;
    arabic.decimalSeparator = "\xD9\xAB"; // U+066B, two bytes in UTF-8
    EXPECT_EQ(NormalizeDecimalSeparator("2\xD9\xAB"
                                        "5",
                                        arabic),
              "2.5");
    NumberSettings twoCharacters;
    twoCharacters.decimalSeparator = "::";
    EXPECT_EQ(NormalizeDecimalSeparator("2::5", twoCharacters), "2.:5");
}

TEST(FormatLocaleNumber, WritesUsAndGermanNumbers) {
    EXPECT_EQ(FormatLocaleNumber("69722.485341", 6, UsEnglish()), "69,722.485341");
    EXPECT_EQ(FormatLocaleNumber("69722.485341", 6, German()), "69.722,485341");
    EXPECT_EQ(FormatLocaleNumber("0.020289", 6, UsEnglish()), "0.020289");
    EXPECT_EQ(FormatLocaleNumber("23.70", 2, UsEnglish()), "23.70");
    EXPECT_EQ(FormatLocaleNumber("6.0", 1, German()), "6,0");
    EXPECT_EQ(FormatLocaleNumber("1014.260253", 6, UsEnglish()), "1,014.260253");
    EXPECT_EQ(FormatLocaleNumber("999.5", 6, UsEnglish()), "999.500000");
}

TEST(FormatLocaleNumber, RoundsHalfAwayFromZeroWithCarries) {
    EXPECT_EQ(FormatLocaleNumber("9.9999995", 6, UsEnglish()), "10.000000");
    EXPECT_EQ(FormatLocaleNumber("999999.9999995", 6, UsEnglish()), "1,000,000.000000");
    EXPECT_EQ(FormatLocaleNumber("-9.9999995", 6, UsEnglish()), "-10.000000");
    EXPECT_EQ(FormatLocaleNumber("1.527900", 4, UsEnglish()), "1.5279");
    EXPECT_EQ(FormatLocaleNumber("0.12345", 4, UsEnglish()), "0.1235");
    EXPECT_EQ(FormatLocaleNumber("0.12344999", 4, UsEnglish()), "0.1234");
    EXPECT_EQ(FormatLocaleNumber("2.5", 0, UsEnglish()), "3");
    EXPECT_EQ(FormatLocaleNumber("0.4", 0, UsEnglish()), "0");
    EXPECT_EQ(FormatLocaleNumber("12", 3, UsEnglish()), "12.000");
    EXPECT_EQ(FormatLocaleNumber("0012.5", 1, UsEnglish()), "12.5");
}

TEST(FormatLocaleNumber, GroupsFromTheRight) {
    EXPECT_EQ(FormatLocaleNumber("1234567.5", 1, UsEnglish()), "1,234,567.5");
    EXPECT_EQ(FormatLocaleNumber("1234567890", 0, UsEnglish()), "1,234,567,890");
    EXPECT_EQ(FormatLocaleNumber("123456", 0, UsEnglish()), "123,456");
    EXPECT_EQ(FormatLocaleNumber("-1234567890.25", 2, German()), "-1.234.567.890,25");
    NumberSettings s;
    s.grouping = 0;
    EXPECT_EQ(FormatLocaleNumber("1234567.5", 1, s), "1234567.5");
    s.grouping = 4;
    s.thousandsSeparator = " ";
    EXPECT_EQ(FormatLocaleNumber("1234567890", 0, s), "12 3456 7890");
    s.grouping = 32;
    s.thousandsSeparator = ",";
    EXPECT_EQ(FormatLocaleNumber("12345678", 0, s), "1,23,45,678");
    s.thousandsSeparator = "\xE2\x80\xAF"; // narrow no-break space
    s.grouping = 3;
    EXPECT_EQ(FormatLocaleNumber("1234.5", 1, s), "1\xE2\x80\xAF"
                                                  "234.5");
}

TEST(FormatLocaleNumber, PlacesTheSignByTheNegativeOrder) {
    const char* expected[] = {"(1.1)", "-1.1", "- 1.1", "1.1-", "1.1 -"};
    for (int order = 0; order <= 4; ++order)
        EXPECT_EQ(FormatLocaleNumber("-1.1", 1, WithNegativeOrder(order)), expected[order]);
    EXPECT_EQ(FormatLocaleNumber("-1.1", 1, WithNegativeOrder(5)), "-1.1"); // fails: unchanged
    // A value that rounds to zero shows no sign.
    EXPECT_EQ(FormatLocaleNumber("-0.0000001", 6, UsEnglish()), "0.000000");
    EXPECT_EQ(FormatLocaleNumber("-0.000000", 6, WithNegativeOrder(0)), "0.000000");
}

TEST(FormatLocaleNumber, LeadingZeroSetting) {
    NumberSettings s;
    s.leadingZero = 0;
    EXPECT_EQ(FormatLocaleNumber("0.5", 1, s), ".5");
    EXPECT_EQ(FormatLocaleNumber("-0.5", 1, s), "-.5");
    EXPECT_EQ(FormatLocaleNumber("0.020289", 6, s), ".020289");
    EXPECT_EQ(FormatLocaleNumber("0.2", 0, s), "0");
    EXPECT_EQ(FormatLocaleNumber("1.5", 1, s), "1.5");
}

TEST(FormatLocaleNumber, FailsOnTextsThatAreNotPlainDecimalNumbers) {
    for (const char* t : {"inf", "-inf", "nan", "-nan", "1e5", "", "-", ".", "abc", "1.2.3", " 1",
                          "+1", "1,5", "12 "})
        EXPECT_EQ(FormatLocaleNumber(t, 6, UsEnglish()), t) << t;
    EXPECT_EQ(FormatLocaleNumber("1.5", -1, UsEnglish()), "1.5");
    // More digits than the room the handheld is given.
    EXPECT_EQ(FormatLocaleNumber("1", 200, UsEnglish()), "1");
    EXPECT_EQ(FormatLocaleNumber("1", 99, UsEnglish()).size(), 101u);
}

TEST(NumberSettings, AreBuiltFromTheHandheldTexts) {
    const NumberSettings s = MakeNumberSettings("0123456789012345678901", ".", "0", "3;2;0", "4");
    EXPECT_EQ(s.decimalSeparator, "012345678901234567");
    EXPECT_EQ(s.leadingZero, 0);
    EXPECT_EQ(s.grouping, 3);
    EXPECT_EQ(s.negativeOrder, 4);
}
