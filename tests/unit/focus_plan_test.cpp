// Planning a shot backwards: the plan keeps its promise (Calculate at the
// focus distance with the exact aperture gives back the points asked for,
// and with the list aperture covers them), hand-checked cases, refusals.
#include "cameras/camera_table.h"
#include "lists/choice_lists.h"
#include "planner/focus_plan.h"

#include <cmath>
#include <gtest/gtest.h>
#include <random>

namespace {
PlanRequest Request(const char* focal, const char* unit, const char* cofc, double crop,
                    std::string nearText, std::string farText = "") {
    PlanRequest r;
    r.lens = ReadLens({focal, "", unit, cofc, crop, "", ""}, NumberSettings{});
    r.lens.sensor = {36, 24};
    r.nearText = std::move(nearText);
    r.farIsInfinite = farText.empty();
    r.farText = std::move(farText);
    return r;
}
} // namespace

TEST(FocusPlan, KeepsItsPromiseForRandomLensesAndRanges) {
    std::mt19937 random(2026);
    const std::vector<ChoiceEntry> focals = FocalLengthChoices(), units = UnitChoices(),
                                   cofcs = CofCChoices();
    int checked = 0;
    for (int i = 0; i < 2000; ++i) {
        const ChoiceEntry& focal = focals[random() % focals.size()];
        const ChoiceEntry& unit = units[random() % units.size()];
        const ChoiceEntry& cofc = cofcs[random() % cofcs.size()];
        const double crop = cameraTable[random() % kCameraCount].cropFactor;
        const double factor = DistanceUnitFor(ParseInteger(*unit.valueText)).factor;
        // The nearest point between 2 and 200 focal lengths, the farthest 1.1 to 20 times as far.
        const double f = ParseDecimal(*focal.valueText);
        const double dn = f * (2 + 198.0 * (random() % 1000) / 1000) / (factor * 1000);
        const bool toInfinity = random() % 3 == 0;
        const double df = dn * (1.1 + 18.9 * (random() % 1000) / 1000);
        PlanRequest r =
            Request(focal.valueText->c_str(), unit.valueText->c_str(), cofc.valueText->c_str(),
                    crop, FormatFixed(dn, 9), toInfinity ? "" : FormatFixed(df, 9));
        const FocusPlan plan = PlanFocus(r, NumberSettings{});
        if (plan.listAperture < 0)
            continue; // beyond f/64: refused, checked below
        ++checked;
        const double near = ParseDecimal(r.nearText), far = ParseDecimal(r.farText);
        LensSetup lens = r.lens.Setup();
        lens.N = plan.exactN;
        const DepthInUnit exact = DepthAt(lens, plan.focusDistance);
        ASSERT_EQ(exact.status, CalculationStatus::Ok);
        EXPECT_NEAR(exact.nearLimit / near, 1, 1e-9) << i;
        if (toInfinity) // focused at the hyperfocal distance, within its tolerance
            EXPECT_TRUE(exact.farIsInfinite || exact.farLimit > 1e6 * near) << i;
        else
            EXPECT_NEAR(exact.farLimit / far, 1, 1e-9) << i;
        // The list aperture and the first third stop both hold the range; the
        // third stop before it does not.
        ASSERT_GT(plan.thirdStop, 0) << i;
        for (const double N :
             {ParseDecimal(apertureValueTable[plan.listAperture].valueText), plan.thirdStop}) {
            lens.N = N;
            const DepthInUnit set = DepthAt(lens, plan.focusDistance);
            EXPECT_LE(set.nearLimit, near * (1 + 1e-12)) << i;
            if (toInfinity) // no far point typed: the aperture reaches infinity
                EXPECT_TRUE(set.farIsInfinite) << i;
            else
                EXPECT_TRUE(set.farIsInfinite || set.farLimit >= far * (1 - 1e-12)) << i;
        }
        lens.N = plan.thirdStop / std::exp2(1.0 / 6);
        if (plan.thirdStop > 1) { // f/1 is the widest
            EXPECT_GT(DepthAt(lens, plan.focusDistance).nearLimit, near * (1 + 1e-9)) << i;
        }
    }
    EXPECT_GT(checked, 1000);
}

// Worked by hand, f = 50 mm and c = 0.03 mm (crop factor 1), in metres:
TEST(FocusPlan, HandCheckedCases) {
    // 2 m to infinity: s = 2·Dn = 4 m; H − f = 2·(4000 − 50) / (4000 · (1/2000)) = 3950;
    // N = 50² / (0.03 · 3950) = 21.097: f/22 (22.627) is the first at least that.
    FocusPlan p = PlanFocus(Request("50.0", "2", "0.0300", 1.0, "2"), NumberSettings{});
    // Airy at f/22.627417: 2.44 · 0.00055 · 22.627417 = 0.030366 mm, 1.01 times c: the
    // plan holds, with a warning.
    EXPECT_EQ(p.refusal, "");
    EXPECT_EQ(p.warning, "At f/22, diffraction blurs more than the circle of confusion allows.");
    EXPECT_EQ(p.focusAt, "4.00 m");
    EXPECT_EQ(p.apertureNeeded, "f/22 (f/21.1 needed)");
    EXPECT_EQ(p.diffraction, "0.030366 mm, 1.01 \u00D7 the circle of confusion");
    // N′ = √(0.03 · 21.0970 / 0.001342) = 21.717 ≥ N; nearest in stops f/22 (22.627):
    // √((0.03 · 21.0970 / 22.627)² + (0.001342 · 22.627)²) = 0.041285 mm, 1.38 times c.
    EXPECT_EQ(p.sharpest, "f/22: 0.041285 mm, 1.38 \u00D7 the circle of confusion");
    // Background at infinity: 50² / (22.627417 · 3950) = 0.027971 mm; of 36 mm: 0.08 %;
    // 0.027971 / 0.03 = 0.9 circles.
    EXPECT_EQ(p.backgroundBlur, "0.027971 mm, 0.08% of the frame's width");
    EXPECT_EQ(p.backgroundCircles, "0.9");

    // 1.2 m to infinity: s = 2.4 m; H − f = 2350; N = 2500 / 70.5 = 35.461: f/45.
    // N′ = N (√(0.03 · 35.461 / 0.001342) = 28.15 is less); nearest in stops f/32:
    // √((0.03 · 35.461 / 32)² + (0.001342 · 32)²) = 0.054308 mm, at f/32 itself.
    p = PlanFocus(Request("50.0", "2", "0.0300", 1.0, "1.2"), NumberSettings{});
    EXPECT_EQ(p.apertureNeeded, "f/45, or f/36 in third stops (f/35.5 needed)");
    EXPECT_EQ(p.sharpest, "f/32: 0.054308 mm, 1.81 \u00D7 the circle of confusion");

    // 1 m to 3 m: s = 2·1000·3000 / 4000 = 1500; 1/Dn − 1/Df = 1/1500;
    // H − f = 2·1450 / (1500/1500) = 2900; N = 2500 / 87 = 28.736: f/32.
    p = PlanFocus(Request("50.0", "2", "0.0300", 1.0, "1", "3"), NumberSettings{});
    EXPECT_EQ(p.focusAt, "1.50 m");
    EXPECT_EQ(p.apertureNeeded, "f/32 (f/28.7 needed)");
    // N′ = N = 28.7356; nearest in stops f/32: √((0.03 · 28.7356 / 32)² + (0.001342 · 32)²)
    // = 0.050694 mm, 1.69 times c.
    EXPECT_EQ(p.sharpest, "f/32: 0.050694 mm, 1.69 \u00D7 the circle of confusion");
    EXPECT_EQ(p.warning, "At f/32, diffraction blurs more than the circle of confusion allows.");
    // A background at 10 m with f/32: 50² · 8500 / (32 · 10000 · 1450) = 0.045797 mm.
    PlanRequest withBackground = Request("50.0", "2", "0.0300", 1.0, "1", "3");
    withBackground.backgroundText = "10";
    EXPECT_EQ(PlanFocus(withBackground, NumberSettings{}).backgroundBlur.substr(0, 8), "0.045797");

    // A short range far away at a wide lens opens up: 24 mm, 0.0300, 5 m to infinity:
    // s = 10 m; H − f = 2·9976 / (10000/5000) = 9976; N = 576 / (0.03 · 9976) = 1.925: f/2.
    p = PlanFocus(Request("24.0", "2", "0.0300", 1.0, "5"), NumberSettings{});
    EXPECT_EQ(p.apertureNeeded, "f/2 (f/1.9 needed)");
    EXPECT_EQ(p.refusal, "");
    EXPECT_EQ(p.warning, "");
    // N′ = √(0.03 · 1.92462 / 0.001342) = 6.5593 ≥ N; nearest in stops f/5.6 (5.657):
    // √((0.03 · 1.92462 / 5.657)² + (0.001342 · 5.657)²) = 0.012720 mm.
    EXPECT_EQ(p.sharpest, "f/5.6: 0.012720 mm, within the circle of confusion");
}

// A blur as large as the circle of confusion is still within it.
TEST(FocusPlan, ABlurUpToTheCircleIsWithinIt) {
    const struct {
        const char* name;
        double blur;
        const char* text;
    } rows[] = {
        {"well inside", 0.012720, "within the circle of confusion"},
        {"exactly the circle", 0.03, "within the circle of confusion"},
        {"just beyond", 0.0300001, "1.00 \u00D7 the circle of confusion"},
        {"beyond", 0.050694, "1.69 \u00D7 the circle of confusion"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(Against(row.blur, 0.03, NumberSettings{}), row.text) << row.name;
}

// Texts a person types: infinity in its spellings, units, and what is too
// far to calculate with.
TEST(FocusPlan, TypedInfinityUnitsAndTooLargeDistances) {
    for (const char* infinity : {"Inf", "INF", "\u221E", "infinity"}) {
        const FocusPlan p =
            PlanFocus(Request("50.0", "2", "0.0300", 1.0, "2", infinity), NumberSettings{});
        EXPECT_EQ(p.focusAt, "4.00 m") << infinity;
    }
    // 200 cm is 2 m.
    const FocusPlan inCm = PlanFocus(Request("50.0", "2", "0.0300", 1.0, "200 cm"), {});
    EXPECT_EQ(inCm.focusAt, "4.00 m");
    EXPECT_EQ(PlanFocus(Request("50.0", "2", "0.0300", 1.0, "3x"), {}).refusal,
              "The nearest sharp point must be a positive distance.");
    const struct {
        const char *name, *nearText, *farText;
    } tooLarge[] = {
        {"far beyond range", "2", "1e305"},
        {"near beyond range", "1e306", ""},
        {"limits beyond range", "1e302", ""},
    };
    for (const auto& row : tooLarge) {
        const FocusPlan p = PlanFocus(
            Request("50.0", "2", "0.0300", 1.0, row.nearText, row.farText), NumberSettings{});
        EXPECT_EQ(p.refusal, "The distance is too large to calculate with.") << row.name;
        for (const std::string& text : {p.focusAt, p.apertureNeeded, p.sharpRange})
            EXPECT_TRUE(text.find("nan") == std::string::npos &&
                        text.find("inf") == std::string::npos)
                << row.name << ": " << text;
    }
}

TEST(FocusPlan, RefusesInOneSentenceAndNeverShowsNanOrInfinity) {
    const struct {
        const char *nearText, *farText, *background, *refusal;
    } cases[] = {
        // Nothing typed yet: what to type, not a fault.
        {"", "", "", "Type the nearest point that must be sharp."},
        {" ", "", "", "Type the nearest point that must be sharp."},
        {"x", "", "", "The nearest sharp point must be a positive distance."},
        // The other decimal separator: said as what it is.
        {"1,5", "", "", "1,5 is not a number in your number settings, which write it 1.5."},
        {"1", "2,5 m", "", "2,5 m is not a number in your number settings, which write it 2.5 m."},
        {"1", "-3", "", "The farthest sharp point must be a positive distance, or Infinity."},
        {"1", "", "0", "The background must be a positive distance, or left empty for infinity."},
        {"0.04", "", "", "The nearest sharp point must be farther than the focal length."},
        {"3", "2", "", "The farthest sharp point must be beyond the nearest."},
        {"3", "3", "", "The farthest sharp point must be beyond the nearest."},
        // s = 2·100·100000 / 100100 = 199.8; H − f = 2·149.8 / (199.8·0.00999) = 150.1;
        // N = 2500 / (0.03 · 150.1) = 555.2.
        {"0.1", "100", "", "No aperture of the list is small enough; f/555.2 would be needed."},
    };
    for (const auto& c : cases) {
        PlanRequest r = Request("50.0", "2", "0.0300", 1.0, c.nearText, c.farText);
        r.backgroundText = c.background;
        const FocusPlan p = PlanFocus(r, NumberSettings{});
        EXPECT_EQ(p.refusal, c.refusal) << c.nearText << " " << c.farText;
        for (const std::string& text : {p.focusAt, p.apertureNeeded, p.sharpRange, p.diffraction,
                                        p.sharpest, p.backgroundBlur, p.backgroundCircles})
            EXPECT_TRUE(text.find("nan") == std::string::npos &&
                        text.find("inf") == std::string::npos)
                << text;
    }
}

// Nine more, worked out apart from the program (a few lines of Python with
// the same formulas in double precision, crop factor 1, in metres):
// s = 2·Dn·Df/(Dn + Df) (2·Dn to infinity); H − f = 2·(s − f)/(s·(1/Dn − 1/Df));
// N = f²/(c·(H − f)); the first list aperture N₀ ≥ N;
// b = f²·|x − s|/(N₀·x·(s − f)) (f²/(N₀·(s − f)) at infinity).
TEST(FocusPlan, NineMoreWorkedOutApart) {
    const struct {
        const char *focal, *cofc, *nearText, *farText, *background;
        const char *focusAt, *aperture, *blur, *circles;
    } cases[] = {
        {"35.0", "0.0300", "1.5", "6", "", "2.40 m", "f/11 (f/10.4 needed)", "0.045783", "1.5"},
        {"85.0", "0.0300", "3", "4", "20", "3.43 m", "f/11 (f/10.3 needed)", "0.158253", "5.3"},
        {"14.0", "0.0200", "0.7", "", "", "1.40 m", "f/8, or f/7.1 in third stops (f/7.1 needed)",
         "0.017677", "0.9"},
        {"100.0", "0.0300", "0.5", "0.52", "2", "0.51 m", "f/16 (f/15.9 needed)", "1.136364",
         "37.9"},
        {"200.0", "0.0300", "20", "40", "", "26.67 m",
         "f/22, or f/18 in third stops (f/16.8 needed)", "0.066792", "2.2"},
        {"28.0", "0.0250", "1.2", "3", "10", "1.71 m", "f/8 (f/8.0 needed)", "0.048153", "1.9"},
        {"50.0", "0.0300", "10", "", "", "20.00 m", "f/5.6, or f/4.5 in third stops (f/4.2 needed)",
         "0.022152", "0.7"},
        {"18.0", "0.0203", "0.8", "2.4", "", "1.20 m",
         "f/8, or f/7.1 in third stops (f/6.8 needed)", "0.034264", "1.7"},
        {"135.0", "0.0300", "2", "2.4", "50", "2.18 m",
         "f/32, or f/29 in third stops (f/27.0 needed)", "0.266110", "8.9"},
    };
    for (const auto& c : cases) {
        PlanRequest r = Request(c.focal, "2", c.cofc, 1.0, c.nearText, c.farText);
        r.backgroundText = c.background;
        const FocusPlan p = PlanFocus(r, NumberSettings{});
        EXPECT_EQ(p.focusAt, c.focusAt) << c.focal;
        EXPECT_EQ(p.apertureNeeded, c.aperture) << c.focal;
        EXPECT_EQ(p.backgroundBlur.substr(0, 8), c.blur) << c.focal;
        EXPECT_EQ(p.backgroundCircles, c.circles) << c.focal;
    }
}

// A form with nothing typed yet says what to type, one box at a time.
TEST(FocusPlan, NothingTypedYetSaysWhatToType) {
    PlanRequest r = Request("50.0", "2", "0.0300", 1.0, "2");
    r.farIsInfinite = false;
    EXPECT_EQ(PlanFocus(r, {}).refusal,
              "Type the farthest point that must be sharp, or tick Infinity.");
    r.farText = "5";
    EXPECT_EQ(PlanFocus(r, {}).refusal, "");
}
