// Close-up numbers and stacking plans against arithmetic done apart from
// the code (a few lines of Python with the formulas as a photographer's
// references give them: N_w = N·(1 + m/P); classic depth 2·N·c·(1 + m/P) /
// (m² − (N·c/f)²); wave depth λ/NA², NA = m/(2·N_w), λ = 0.00055 mm;
// subject to sensor f·(1 + m)²/m).
#include "calc/calculation.h"
#include "closeup/close_up.h"
#include "german_numbers.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {
LensSetup LensAt(double f, double N, double c, int unit = 2) {
    return {f, N, c, &DistanceUnitFor(unit)};
}
} // namespace

TEST(CloseUp, NamedRowsWorkedApart) {
    const struct {
        const char* name;
        double f, N, c, m, pupil;
        double workingN, stops, classic, wave, airy, toSensor;
    } rows[] = {
        // The worked example: 1:1, f/16, c = 0.03 mm: classic 1.92 mm, wave 2.2528 mm.
        {"1:1 at f/16", 100, 16, 0.03, 1, 1, 32, 2, 1.920044, 2.2528, 0.042944, 400},
        {"1:2 with a telephoto's pupil 0.5", 100, 8, 0.03, 0.5, 0.5, 16, 2, 3.840088, 2.2528,
         0.021472, 450},
        {"1:2 with a wide angle's pupil 2", 100, 8, 0.03, 0.5, 2, 10, 0.643856, 2.400055, 0.88,
         0.01342, 450},
        {"2:1 at f/11", 100, 11, 0.03, 2, 1, 33, 3.169925, 0.495001, 0.59895, 0.044286, 450},
        {"5:1 with pupil 0.5 at f/4", 65, 4, 0.03, 5, 0.5, 44, 6.918863, 0.1056, 0.170368, 0.059048,
         468},
    };
    for (const auto& r : rows) {
        const CloseUpShot s =
            CloseUpAtMagnification(LensAt(r.f, r.N, r.c), {36, 24}, {0, r.pupil}, r.m);
        ASSERT_EQ(s.refusal, "") << r.name;
        EXPECT_NEAR(s.workingFNumber, r.workingN, 1e-6) << r.name;
        EXPECT_NEAR(s.stopsLost, r.stops, 1e-6) << r.name;
        EXPECT_NEAR(s.depthClassic, r.classic, 1e-6) << r.name;
        EXPECT_NEAR(s.depthWave, r.wave, 1e-6) << r.name;
        EXPECT_NEAR(s.airyDisc, r.airy, 1e-6) << r.name;
        EXPECT_NEAR(s.subjectToSensor, r.toSensor, 1e-9) << r.name;
        EXPECT_NEAR(s.fieldWidth, 36 / r.m, 1e-12) << r.name;
        EXPECT_EQ(s.diffractionBlurs, r.airy > r.c) << r.name;
    }
    // The same shot from its subject distance: m = f / (s − f).
    const CloseUpShot atDistance = CloseUpAtDistance(LensAt(100, 16, 0.03), {}, {}, 200);
    EXPECT_DOUBLE_EQ(atDistance.magnification, 1);
    EXPECT_NEAR(atDistance.depthClassic, 1.920044, 1e-6);
    EXPECT_EQ(atDistance.fieldWidth, 0) << "no sensor, no field";
    // 25 mm of extension behind a 50 mm lens focused at infinity: 0.5×.
    const CloseUpShot tubes = CloseUpAtDistance(LensAt(50, 8, 0.03), {}, {25, 1}, 1e12);
    EXPECT_NEAR(tubes.magnification, 0.5, 1e-9);
}

// At P = 1 and no extension the classic depth is the main form's total at
// the same distance: 1:2 with 100 mm is 0.3 m from the lens. (In metres, the
// one unit whose factor is exact: the others' are the handheld's floats.)
TEST(CloseUp, TheClassicDepthIsAPressOfCalculate) {
    for (const double m : {0.1, 0.25, 0.5, 1.0, 2.0}) {
        const CloseUpShot shot = CloseUpAtMagnification(LensAt(100, 11, 0.03), {}, {}, m);
        const CalculationInputs press{"100.0", "11", "2", "0.0300", 1.0, "", ""};
        Lens lens = ReadLens(press, NumberSettings{});
        lens.distance = shot.subjectDistance / 1000; // metres
        const CalculationResult r = Calculate(lens, NumberSettings{});
        ASSERT_EQ(r.status, CalculationStatus::Ok) << m;
        const double total = (r.depth.farLimit - r.depth.nearLimit) * 1000;
        EXPECT_NEAR(shot.depthClassic, total, 1e-9 * total) << m;
    }
}

TEST(CloseUp, MagnificationsAsPhotographersWriteThem) {
    const struct {
        const char* text;
        double m; // 0: refused
    } rows[] = {{"0.5", 0.5},     {"0.5x", 0.5}, {"0.5 \u00D7", 0.5}, {"1:2", 0.5},
                {" 1 : 2 ", 0.5}, {"2:1", 2},    {"5X", 5},           {"", 0},
                {"x", 0},         {"0", 0},      {"-1", 0},           {"1:0", 0},
                {"1:2:3", 0},     {"abc", 0},    {"1,5", 0}};
    for (const auto& r : rows) {
        const std::optional<double> m = ReadMagnification(r.text, {});
        EXPECT_EQ(m.value_or(0), r.m) << r.text;
    }
    EXPECT_EQ(ReadMagnification("1,5x", German()).value_or(0), 1.5);
}

// 24 mm at f/8 on full frame, c = 0.03 mm: H = 2424 mm. From 1 m to
// infinity with 20 % overlap: focus at H (1212 mm to ∞); the next far limit
// 1/(0.8/1212) = 1515 mm, its focus 1515·2424/(2400 + 1515) = 938.02 mm,
// sharp from 679.31 mm: two shots.
TEST(CloseUp, ALandscapeStackFromOneMetreToInfinity) {
    const LensStack plan = PlanLensStack(LensAt(24, 8, 0.03), 1, std::nullopt, 0.2);
    ASSERT_EQ(plan.refusal, "");
    ASSERT_EQ(plan.shots.size(), 2u);
    EXPECT_NEAR(plan.shots[0].focus, 2.424, 1e-9);
    EXPECT_NEAR(plan.shots[0].nearLimit, 1.212, 1e-9);
    EXPECT_TRUE(plan.shots[0].farIsInfinite);
    EXPECT_NEAR(plan.shots[1].focus, 0.9380229885, 1e-9);
    EXPECT_NEAR(plan.shots[1].farLimit, 1.515, 1e-9);
    EXPECT_NEAR(plan.shots[1].nearLimit, 0.6793118757, 1e-9);

    const LensStack one = PlanLensStack(LensAt(24, 8, 0.03), 1.5, std::nullopt, 0.2);
    EXPECT_EQ(one.shots.size(), 1u) << "one shot holds 1.5 m to infinity";
    // Each next far limit lies inside the shot before: the depths overlap.
    const LensStack deep = PlanLensStack(LensAt(100, 2.8, 0.03), 0.5, 0.6, 0.3);
    ASSERT_GT(deep.shots.size(), 3u);
    for (std::size_t k = 1; k < deep.shots.size(); ++k) {
        EXPECT_GT(deep.shots[k].farLimit, deep.shots[k - 1].nearLimit) << k;
        EXPECT_LT(deep.shots[k].focus, deep.shots[k - 1].focus) << k;
    }
    EXPECT_LE(deep.shots.back().nearLimit, 0.5);
    EXPECT_NEAR(deep.shots.front().farLimit, 0.6, 1e-12) << "the first holds the far end";
}

// 1:1 at f/16: a step of 0.8 × 1.920044 mm; a 30 mm insect takes
// ⌈30 / 1.536035⌉ + 1 = 21 shots.
TEST(CloseUp, ARailStackForAnInsect) {
    const RailStack plan = PlanRailStack(LensAt(100, 16, 0.03), {36, 24}, {}, 1, 30, 0.2);
    ASSERT_EQ(plan.refusal, "");
    EXPECT_NEAR(plan.step, 1.536035, 1e-6);
    EXPECT_NEAR(plan.waveStep, 0.8 * 2.2528, 1e-9);
    ASSERT_EQ(plan.positions.size(), 21u);
    EXPECT_EQ(plan.positions.front(), 0);
    EXPECT_NEAR(plan.positions.back(), 20 * plan.step, 1e-9);
}

TEST(CloseUp, RefusedInOneSentenceNeverNanOrInfinity) {
    const LensSetup lens = LensAt(100, 16, 0.03);
    EXPECT_EQ(PlanRailStack(lens, {}, {}, 1, 30, 0.95).refusal,
              "The overlap must be from 0 to 90 %.");
    EXPECT_EQ(PlanRailStack(lens, {}, {}, 1, 0, 0.2).refusal,
              "The depth to cover must be a positive length.");
    EXPECT_EQ(PlanRailStack(lens, {}, {}, 1, 1e6, 0.2).refusal,
              "The plan would take more than 10,000 shots.");
    EXPECT_EQ(PlanLensStack(lens, 2, 1, 0.2).refusal,
              "The farthest sharp point must be beyond the nearest.");
    EXPECT_EQ(PlanLensStack(lens, 0.05, std::nullopt, 0.2).refusal,
              "The nearest sharp point must be farther than the focal length.");
    EXPECT_EQ(PlanLensStack(lens, 1, 2, -0.1).refusal, "The overlap must be from 0 to 90 %.");
    EXPECT_EQ(CloseUpAtMagnification(lens, {}, {}, 0).refusal,
              "The magnification must be a positive number up to 1000.");
    EXPECT_EQ(CloseUpAtMagnification(lens, {}, {50, 1}, 0.3).refusal,
              "With this extension the magnification is at least 0.5.");
    EXPECT_EQ(CloseUpAtMagnification(lens, {}, {0, 0}, 1).refusal,
              "The pupil magnification must be a positive number.");
    EXPECT_EQ(CloseUpAtDistance(lens, {}, {}, 80).refusal,
              "The subject must be farther from the lens than its focal length.");
    // Far from the lens the depth has no end: said as infinite, not as a number.
    const CloseUpShot far = CloseUpAtMagnification(lens, {}, {}, 0.001);
    EXPECT_TRUE(far.depthInfinite);
    EXPECT_EQ(far.depthClassic, 0);
    for (const double huge : {1e-300, 1e300}) {
        const CloseUpShot s = CloseUpAtMagnification(lens, {}, {}, huge);
        for (const double v : {s.workingFNumber, s.depthClassic, s.depthWave, s.subjectToSensor})
            EXPECT_TRUE(std::isfinite(v) || !s.refusal.empty()) << huge;
    }
}
