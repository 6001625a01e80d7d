// The circle of confusion from a print, from pixels and by convention, each
// against arithmetic done apart from the code (by hand and with a desk
// calculator: b = (1 / lp) × viewing / 250, enlargement = the larger of the
// sides' ratios, c = b ÷ enlargement, equivalent = c × 43.266615 ÷ diagonal).
#include "coc/coc_helper.h"

#include <gtest/gtest.h>

namespace {
// A camera whose crop factor is its sensor's diagonal ratio, as in the
// arithmetic above.
CocCamera Camera(double width, double height) {
    return {{width, height}, CropFactorOfSensor(width, height)};
}
} // namespace

TEST(CocHelper, FromAPrintSeenByEye) {
    const struct {
        const char* name;
        CocCamera sensor;
        const char* print;
        double viewingMm, linePairs;
        double viewing, blur, enlargement, onSensor, equivalent;
        bool cropped;
    } rows[] = {
        {"the worked example", Camera(36, 24), "20x30cm", 0, 5, 360.555128, 0.288444, 8.333333,
         0.034613, 0.034613, false},
        {"A4 is cropped", Camera(36, 24), "A4", 500, 5, 500, 0.4, 8.75, 0.045714, 0.045714, true},
        {"APS-C, 8 × 10 in, keen", Camera(23.7, 15.6), "8 x 10 in", 300, 8, 300, 0.15, 13.025641,
         0.011516, 0.017560, true},
        {"Four Thirds, A3, critical", Camera(17.3, 13.0), "a3", 600, 10, 600, 0.24, 24.277457,
         0.009886, 0.019765, true},
        {"a phone's sensor on a phone", Camera(6.17, 4.55), "Phone at arm's length", 600, 5, 600,
         0.48, 24.311183, 0.019744, 0.111431, true},
        {"16 × 20 in from its diagonal", Camera(36, 24), "16 × 20 in", 0, 5, 650.557423, 0.520446,
         16.933333, 0.030735, 0.030735, true},
        {"a square negative, 13 × 18", Camera(56, 56), "13x18cm", 250, 5, 250, 0.2, 3.214286,
         0.062221, // 0.033993 for 36 × 24 mm, over the crop factor, as a press uses it
         0.033993, true},
    };
    for (const auto& row : rows) {
        const std::optional<PrintSize> print = ReadPrintSize(row.print, NumberSettings{});
        ASSERT_TRUE(print) << row.name;
        const CocFromPrint c = CocOfPrint(row.sensor, *print, row.viewingMm, row.linePairs);
        EXPECT_NEAR(c.viewingMm, row.viewing, 5e-7) << row.name;
        EXPECT_NEAR(c.blurMm, row.blur, 5e-7) << row.name;
        EXPECT_NEAR(c.enlargement, row.enlargement, 5e-7) << row.name;
        EXPECT_NEAR(c.onSensorMm, row.onSensor, 5e-7) << row.name;
        EXPECT_NEAR(c.equivalentMm, row.equivalent, 5e-7) << row.name;
        EXPECT_EQ(c.cropped, row.cropped) << row.name;
    }
    EXPECT_EQ(
        CocValueText(CocOfPrint(Camera(36, 24), *ReadPrintSize("20x30cm", NumberSettings{}), 0, 5)
                         .equivalentMm),
        "0.034613");
}

TEST(CocHelper, FromPixelsAndByConvention) {
    // 35.9 mm across 8,256 pixels: a pitch of 0.004348 mm; two of them.
    const CocFromPixels sharp =
        CocOfPixels(Camera(35.9, 23.9), PitchOfPixels(Camera(35.9, 23.9), 8256), 2);
    EXPECT_NEAR(sharp.pitchMm, 0.004348, 5e-7);
    EXPECT_NEAR(sharp.onSensorMm, 0.008697, 5e-7);
    EXPECT_NEAR(sharp.equivalentMm, 0.008725, 5e-7);
    const CocFromPixels d70 =
        CocOfPixels(Camera(23.7, 15.6), PitchOfPixels(Camera(23.7, 15.6), 3008), 1);
    EXPECT_NEAR(d70.onSensorMm, 0.007879, 5e-7);
    EXPECT_NEAR(d70.equivalentMm, 0.012015, 5e-7);
    EXPECT_NEAR(CocOfConvention(Camera(36, 24), 1500), 0.028844, 5e-7);
    EXPECT_NEAR(CocOfConvention(Camera(36, 24), 1730), 0.025010, 5e-7);
    EXPECT_NEAR(CocOfConvention(Camera(23.7, 15.6), 3000), 0.009458, 5e-7);
}

TEST(CocHelper, SizesAndDistancesAsPeopleWriteThem) {
    const struct {
        const char* typed;
        double longMm, shortMm; // 0: refused
    } prints[] = {
        {"20x30cm", 300, 200},
        {"30 X 20 cm", 300, 200},
        {"8x10in", 254, 203.2},
        {"A4", 297, 210},
        {"a0", 1189, 841},
        {"A5", 210, 148},
        {"20x30", 0, 0},
        {"0x30cm", 0, 0},
        {"20x30 furlongs", 0, 0},
        {"-2x3cm", 0, 0},
        {"", 0, 0},
    };
    for (const auto& row : prints) {
        const std::optional<PrintSize> p = ReadPrintSize(row.typed, NumberSettings{});
        if (row.longMm == 0) {
            EXPECT_FALSE(p) << row.typed;
            continue;
        }
        ASSERT_TRUE(p) << row.typed;
        EXPECT_DOUBLE_EQ(p->longMm, row.longMm) << row.typed;
        EXPECT_DOUBLE_EQ(p->shortMm, row.shortMm) << row.typed;
    }
    EXPECT_EQ(ReadViewingDistance("36cm", NumberSettings{}), 360);
    EXPECT_EQ(ReadViewingDistance("14 in", NumberSettings{}), 14 * 25.4);
    EXPECT_EQ(ReadViewingDistance("36", NumberSettings{}), std::nullopt)
        << "nothing says which unit a bare number is in";
    EXPECT_EQ(ReadViewingDistance("1.2 m", NumberSettings{}), 1200);
    EXPECT_EQ(ReadViewingDistance("far", NumberSettings{}), std::nullopt);
    EXPECT_EQ(ReadViewingDistance("0 cm", NumberSettings{}), std::nullopt);
    // In the person's number settings, as every length is read.
    NumberSettings german;
    german.decimalSeparator = ",";
    german.thousandsSeparator = ".";
    EXPECT_EQ(ReadViewingDistance("36,5 cm", german), 365);
    const std::optional<PrintSize> letter = ReadPrintSize("8,5x11in", german);
    ASSERT_TRUE(letter);
    EXPECT_DOUBLE_EQ(letter->shortMm, 8.5 * 25.4);
    EXPECT_EQ(ReadPixelPitch("4,35 \u00B5m", german), 0.00435);
    EXPECT_EQ(ReadPixelPitch("4.35", NumberSettings{}), 0.00435) << "micrometres, bare";
    EXPECT_EQ(ReadPixelPitch("0.00435mm", NumberSettings{}), 0.00435);
}

// The A series as ISO 216 gives it, in millimetres.
TEST(CocHelper, TheASeriesOfIso216) {
    const struct {
        const char* name;
        double longMm, shortMm;
    } rows[] = {{"A0", 1189, 841}, {"A1", 841, 594}, {"A2", 594, 420},
                {"A3", 420, 297},  {"A4", 297, 210}, {"A5", 210, 148},
                {"A6", 148, 105},  {"A7", 105, 74},  {"A8", 74, 52}};
    for (const auto& row : rows) {
        const std::optional<PrintSize> p = ReadPrintSize(row.name, NumberSettings{});
        ASSERT_TRUE(p) << row.name;
        EXPECT_EQ(p->longMm, row.longMm) << row.name;
        EXPECT_EQ(p->shortMm, row.shortMm) << row.name;
    }
}
