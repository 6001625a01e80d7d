#include "calc/dof.h"
#include "calc/number_text.h"

#include <gtest/gtest.h>

namespace {
const double kNikonD70Coc = 0.031 / 1.5279;
const double kFeet = DistanceUnitFor(0).factor;
const double kCentimetres = DistanceUnitFor(3).factor;

std::string SixDecimals(double v) {
    return FormatFixed(v, 6);
}
} // namespace

TEST(DistanceUnits, FactorsAreTheWidenedSinglePrecisionValues) {
    EXPECT_EQ(DistanceUnitFor(0).factor, 0.30480000376701355);
    EXPECT_EQ(DistanceUnitFor(1).factor, 0.02539999969303608);
    EXPECT_EQ(DistanceUnitFor(2).factor, 1.0);
    EXPECT_EQ(DistanceUnitFor(3).factor, 0.009999999776482582);
    EXPECT_STREQ(DistanceUnitFor(0).suffix, " ft");
    EXPECT_STREQ(DistanceUnitFor(1).suffix, " in");
    EXPECT_STREQ(DistanceUnitFor(2).suffix, " m");
    EXPECT_STREQ(DistanceUnitFor(3).suffix, " cm");
    // Feet and inches are feet, written otherwise.
    EXPECT_EQ(DistanceUnitFor(4).factor, DistanceUnitFor(0).factor);
    for (int code : {-1, 5, 1000}) {
        EXPECT_STREQ(DistanceUnitFor(code).suffix, "");
        EXPECT_EQ(DistanceUnitFor(code).factor, 0.0);
    }
}

TEST(DepthOfField, NikonD70AtTwoFeetMatchesTheWorkedExampleBitForBit) {
    EXPECT_EQ(kNikonD70Coc, 0.020289285948033246);
    const double s = ToMillimetres(2, kFeet);
    EXPECT_EQ(s, 609.6000075340271);
    const DepthOfField d = ComputeDepthOfField(18.0, 16, kNikonD70Coc, s);
    EXPECT_EQ(d.hyperfocal, 1016.0637096774194);
    EXPECT_EQ(d.nearLimit, 382.7348126219239);
    EXPECT_EQ(d.farLimit, 1496.860953955873);
    EXPECT_FALSE(d.farIsInfinite);

    const FromMillimetres toFeet(kFeet);
    EXPECT_EQ(SixDecimals(toFeet(d.hyperfocal)), "3.333542");
    EXPECT_EQ(SixDecimals(toFeet(d.nearLimit)), "1.255692");
    EXPECT_EQ(SixDecimals(toFeet(d.farLimit)), "4.910961");
    EXPECT_EQ(SixDecimals(toFeet(d.farLimit) - toFeet(d.nearLimit)), "3.655269");
}

TEST(DepthOfField, BeyondTheHyperfocalDistanceTheFarLimitIsInfinite) {
    const double s = ToMillimetres(10, kFeet);
    EXPECT_EQ(s, 3048.0000376701355);
    const DepthOfField d = ComputeDepthOfField(18.0, 16, kNikonD70Coc, s);
    EXPECT_EQ(d.hyperfocal, 1016.0637096774194);
    EXPECT_EQ(d.nearLimit, 755.2259386900629);
    EXPECT_TRUE(d.farIsInfinite);
    EXPECT_EQ(d.farLimit, 10000000.0);
    EXPECT_EQ(SixDecimals(FromMillimetres(kFeet)(d.nearLimit)), "2.477775");

    // Exactly at the hyperfocal distance, and within the tolerance below it.
    const double H = d.hyperfocal;
    EXPECT_TRUE(ComputeDepthOfField(18.0, 16, kNikonD70Coc, H).farIsInfinite);
    EXPECT_TRUE(ComputeDepthOfField(18.0, 16, kNikonD70Coc, H - 0.000005).farIsInfinite);
    EXPECT_FALSE(ComputeDepthOfField(18.0, 16, kNikonD70Coc, H - 0.001).farIsInfinite);
}

TEST(DepthOfField, SubjectNearerThanTheFocalLengthGivesEqualLimits) {
    const double s = ToMillimetres(1, kCentimetres);
    const DepthOfField d = ComputeDepthOfField(18.0, 16, kNikonD70Coc, s);
    EXPECT_EQ(d.farLimit, d.nearLimit);
    const FromMillimetres toCm(kCentimetres);
    EXPECT_EQ(SixDecimals(toCm(d.nearLimit)), "1.008080");
    EXPECT_EQ(SixDecimals(toCm(d.farLimit)), "1.008080");
    EXPECT_EQ(SixDecimals(toCm(d.farLimit) - toCm(d.nearLimit)), "0.000000");
}

TEST(DepthOfField, CentimetresUseTheSinglePrecisionFactor) {
    const double s = ToMillimetres(1000, kCentimetres);
    EXPECT_EQ(s, 9999.999776482582);
    const DepthOfField d = ComputeDepthOfField(200, 2.828427, kNikonD70Coc, s);
    const FromMillimetres toCm(kCentimetres);
    EXPECT_EQ(SixDecimals(toCm(d.hyperfocal)), "69722.485341");
    EXPECT_EQ(SixDecimals(toCm(d.farLimit)), "1014.260253");
}

TEST(Diopter, ZeroLeavesTheFocalLengthAndOthersFollowTheLensFormula) {
    for (double f : {3.0, 18.0, 50.0, 1200.0, 0.1})
        EXPECT_EQ(ApplyDiopter(f, 0), f);
    EXPECT_EQ(ApplyDiopter(50, 2), 45.45454545454546);
    EXPECT_EQ(FormatFixed(ApplyDiopter(50, 0.5), 2), "48.78");
}
