#include "calc/calculation.h"

#include <gtest/gtest.h>

namespace {
CalculationInputs NikonD70(std::string_view distance, std::string_view unit = "0") {
    CalculationInputs in;
    in.focalLengthValue = "18.0";
    in.apertureValue = "16";
    in.unitValue = unit;
    in.cofcValue = "0.0310";
    in.cropFactor = 1.5279;
    in.distanceText = distance;
    return in;
}
const NumberSettings kUs;
} // namespace

TEST(Calculate, WorkedExamplesInFeet) {
    CalculationResult r = Calculate(NikonD70("2"), kUs);
    ASSERT_EQ(r.status, CalculationStatus::Ok);
    EXPECT_EQ(r.nearText, "1.255692 ft");
    EXPECT_EQ(r.farText, "4.910961 ft");
    EXPECT_EQ(r.hyperfocalText, "3.333542 ft");
    EXPECT_EQ(r.totalText, "3.655269 ft");
    EXPECT_EQ(r.cocText, "0.020289 mm");
    EXPECT_EQ(r.focalLengthText, "18.00 mm");

    r = Calculate(NikonD70("10"), kUs);
    ASSERT_EQ(r.status, CalculationStatus::Ok);
    EXPECT_EQ(r.nearText, "2.477775 ft");
    EXPECT_EQ(r.farText, "Infinity");
    EXPECT_EQ(r.hyperfocalText, "3.333542 ft");
    EXPECT_EQ(r.totalText, "Infinity");
}

TEST(Calculate, NearerThanTheFocalLengthAndLargeGroupedValues) {
    CalculationResult r = Calculate(NikonD70("1", "3"), kUs);
    EXPECT_EQ(r.nearText, "1.008080 cm");
    EXPECT_EQ(r.farText, "1.008080 cm");
    EXPECT_EQ(r.totalText, "0.000000 cm");

    CalculationInputs in = NikonD70("1000", "3");
    in.focalLengthValue = "200.0";
    in.apertureValue = "2.828427";
    r = Calculate(in, kUs);
    EXPECT_EQ(r.hyperfocalText, "69,722.485341 cm");
    EXPECT_EQ(r.farText, "1,014.260253 cm");
    EXPECT_EQ(r.focalLengthText, "200.00 mm");
}

TEST(Calculate, GermanSettingsReadACommaAndKeepThePointInTheFocalLength) {
    const NumberSettings de = MakeNumberSettings(",", ".", "1", "3", "1");
    const CalculationResult comma = Calculate(NikonD70("2,5"), de);
    const CalculationResult point = Calculate(NikonD70("2.5"), kUs);
    ASSERT_EQ(comma.status, CalculationStatus::Ok);
    EXPECT_EQ(comma.focalLengthText, "18.00 mm");
    EXPECT_EQ(comma.cocText, "0,020289 mm");
    std::string expectedNear = point.nearText;
    expectedNear[expectedNear.find('.')] = ',';
    EXPECT_EQ(comma.nearText, expectedNear);
}

TEST(Calculate, DiopterAndCropFactor) {
    CalculationInputs in = NikonD70("2");
    in.focalLengthValue = "50.0";
    for (auto [diopter, text] : {std::pair{"", "50.00 mm"},
                                 {"0", "50.00 mm"},
                                 {"2", "45.45 mm"},
                                 {"0.5", "48.78 mm"},
                                 {"abc", "50.00 mm"},
                                 {"2 dpt", "45.45 mm"}}) {
        in.diopterText = diopter;
        EXPECT_EQ(Calculate(in, kUs).focalLengthText, text) << diopter;
    }
    // Only the first 29 characters of the diopter count.
    in.diopterText = "0.0000000000000000000000000002";
    EXPECT_EQ(Calculate(in, kUs).focalLengthText, "50.00 mm");

    in = NikonD70("2");
    in.cropFactor = 1.0;
    EXPECT_EQ(Calculate(in, kUs).cocText, "0.031000 mm");
}

TEST(Calculate, RefusesUnusableDistancesButStillGivesTheFocalLength) {
    for (const char* d : {"", "0", "-3", "abc", "0.0", "-0", "inf", " "}) {
        const CalculationResult r = Calculate(NikonD70(d), kUs);
        EXPECT_EQ(r.status, CalculationStatus::NoDistance) << d;
        EXPECT_EQ(r.focalLengthText, "18.00 mm") << d;
        EXPECT_TRUE(r.nearText.empty());
    }
    // Positive, but past what the arithmetic can hold: refused as too large.
    for (const char* d : {"1e400", "1e306", "1e303"}) {
        const CalculationResult r = Calculate(NikonD70(d), kUs);
        EXPECT_EQ(r.status, CalculationStatus::DistanceTooLarge) << d;
        EXPECT_TRUE(r.nearText.empty());
    }
    EXPECT_EQ(Calculate(NikonD70("0.0001"), kUs).status, CalculationStatus::Ok);
    EXPECT_EQ(Calculate(NikonD70("5 m"), kUs).hyperfocalText, "3.333542 ft");
}

TEST(Calculate, ALongDistanceIsReadWhole) {
    // 40 characters: nothing is cut off into another number.
    const std::string longText = "0000000000000000000000000000000000000002";
    EXPECT_EQ(Calculate(NikonD70(longText), kUs).nearText, "1.255692 ft");
}

TEST(Calculate, RefusesDioptersThatLeaveNoPositiveFocalLength) {
    CalculationInputs in = NikonD70("2");
    in.focalLengthValue = "50.0";
    in.diopterText = "-20"; // exactly cancels the lens: infinite focal length
    CalculationResult r = Calculate(in, kUs);
    EXPECT_EQ(r.status, CalculationStatus::BadFocalLength);
    EXPECT_EQ(r.focalLengthText, "");
    in.diopterText = "-40";
    r = Calculate(in, kUs);
    EXPECT_EQ(r.status, CalculationStatus::BadFocalLength);
    EXPECT_EQ(r.focalLengthText, "-50.00 mm");
    EXPECT_TRUE(r.nearText.empty());
    // A focal length that rounds to zero from below shows no minus sign.
    in.diopterText = "-1e300";
    r = Calculate(in, kUs);
    EXPECT_EQ(r.status, CalculationStatus::BadFocalLength);
    EXPECT_EQ(r.focalLengthText, "0.00 mm");
}

TEST(Calculate, NeverShowsNonNumbers) {
    // Sweep distances over the whole range of magnitudes: every accepted one
    // gives texts without "inf", "nan" or a minus sign.
    int accepted = 0;
    for (int e = -320; e <= 310; e += 7) {
        const std::string distance = "1e" + std::to_string(e);
        for (const char* unit : {"0", "1", "2", "3"}) {
            const CalculationResult r = Calculate(NikonD70(distance, unit), kUs);
            if (r.status != CalculationStatus::Ok)
                continue;
            ++accepted;
            for (const std::string* t :
                 {&r.nearText, &r.farText, &r.hyperfocalText, &r.totalText, &r.cocText}) {
                EXPECT_EQ(t->find('-'), std::string::npos) << distance << " " << *t;
                EXPECT_EQ(t->find("nan"), std::string::npos) << *t;
                EXPECT_EQ(t->find("inf"), std::string::npos) << *t;
            }
        }
    }
    // From 1e-6 to 1e300 in each unit, about 43 magnitudes each: what was checked.
    EXPECT_GT(accepted, 4 * 40) << "a sweep that refuses everything checks nothing";
}
