// A close-up shot and a stacking plan as the person types and reads them:
// the texts against numbers worked apart (24 mm at f/8 on full frame, c =
// 0.03 mm: H = 24²/(8·0.03) + 24 = 2424 mm; 100 mm at 1:1 and f/16: N_w =
// 32, classic depth 1.920044 mm, wave 2.2528 mm), the plan's file, its bars,
// and the same numbers from the form's logic and from the terminal.
#include "closeup/stack_plan.h"
#include "german_numbers.h"
#include "planner/focus_plan.h"
#include "run_verb.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {
// A full-frame body, in metres unless told.
Lens FullFrame(double f, double N, int unit = 2) {
    Lens lens;
    lens.focalLength = f;
    lens.fNumber = N;
    lens.cocEquivalent = 0.03;
    lens.sensor = {36, 24};
    lens.unitCode = unit;
    return lens;
}

StackTyped ByLens(std::string nearest, std::string farthest = "") {
    StackTyped t;
    t.nearest = std::move(nearest);
    t.farthest = std::move(farthest);
    t.farIsInfinite = t.farthest.empty();
    return t;
}

StackTyped OnRail(std::string depth, std::string overlap = "") {
    StackTyped t;
    t.by = StackBy::Rail;
    t.depth = std::move(depth);
    t.overlap = std::move(overlap);
    return t;
}

std::string Csv(const StackPlan& plan) {
    std::string out;
    WriteStackCsv(plan, [&out](std::string_view piece) { out += piece; });
    return out;
}
} // namespace

TEST(StackPlan, TheShotsTextsAsTheFormShowsThem) {
    const NumberSettings english;
    const CloseUpRead read = ReadCloseUp(FullFrame(100, 16), {"1:1", "", "0", "1"}, english);
    ASSERT_EQ(read.shot.refusal, "");
    EXPECT_EQ(CloseUpTexts(read.shot, FullFrame(100, 16), english),
              (std::vector<std::string>{"1\u00D7 (1:1)", "0.20 m", "f/32 (2.0 stops of light lost)",
                                        "1.92 mm", "2.25 mm", "0.0429 mm", "36.0 \u00D7 24.0 mm",
                                        "0.40 m"}));
    // The Airy disc, 0.042944 mm, is larger than c: said, at the working aperture.
    EXPECT_EQ(CloseUpWarning(read.shot, FullFrame(100, 16), english),
              "At the working aperture f/32 diffraction blurs more than the circle of confusion "
              "(0.030 mm).");
    // In inches the small lengths keep millimetres and add inches (1.920044 mm
    // is 0.0756 in); the distances are in the unit. German numbers throughout.
    const std::vector<std::string> inches =
        CloseUpTexts(read.shot, FullFrame(100, 16, 1), German());
    EXPECT_EQ(inches[3], "1,92 mm (0,0756 in)");
    EXPECT_EQ(inches[6], "36,0 \u00D7 24,0 mm (1,42 \u00D7 0,945 in)");
    EXPECT_EQ(inches[1], "7,9 in"); // 200 mm
    // 1:2.7 is no whole ratio; 2:1 is more than life size.
    EXPECT_EQ(MagnificationText(1 / 2.7, english), "0.37\u00D7 (1:2.7)");
    EXPECT_EQ(MagnificationText(2, english), "2\u00D7 (2:1)");
}

TEST(StackPlan, TheShotReadFromEitherBoxAndRefusedInASentence) {
    const NumberSettings english;
    const Lens macro = FullFrame(100, 16);
    // 0.2 m from a 100 mm lens is 1:1, as 1, 1x, 1× and 1:1 are; 25 mm of
    // extension is 2.5 cm too.
    for (const CloseUpTyped& typed :
         {CloseUpTyped{"", "0.2", "", ""}, CloseUpTyped{"1", "", "", ""},
          CloseUpTyped{"1x", "", "", ""}, CloseUpTyped{"1 \u00D7", "", "", ""},
          CloseUpTyped{"", "20 cm", "", ""}})
        EXPECT_NEAR(ReadCloseUp(macro, typed, english).shot.magnification, 1, 1e-12)
            << typed.magnification << typed.distance;
    EXPECT_NEAR(ReadCloseUp(macro, {"1:1", "", "2.5 cm", ""}, english).setup.extension, 25, 1e-12);
    EXPECT_NEAR(ReadCloseUp(macro, {"0,5", "", "", "0,5"}, German()).shot.workingFNumber, 32,
                1e-12);
    const struct {
        CloseUpTyped typed;
        const char* sentence;
    } refused[] = {
        {{"", "", "", ""}, "Type the magnification (such as 1:2) or the subject distance."},
        {{"big", "", "", ""},
         "\u201Cbig\u201D is not a magnification: type one such as 0.5, 0.5x or 1:2."},
        {{"0", "", "", ""},
         "\u201C0\u201D is not a magnification: type one such as 0.5, 0.5x or 1:2."},
        {{"", "near", "", ""}, "\u201Cnear\u201D is not a distance."},
        {{"", "0.05", "", ""}, "The subject must be farther from the lens than its focal length."},
        {{"1:1", "", "-3", ""}, "The extension must be from 0 to 10,000 mm."},
        {{"1:1", "", "1e308", ""}, "The extension must be from 0 to 10,000 mm."},
        {{"", "1e307", "", ""}, "The distance is too large to calculate with."},
        {{"1e9:1", "", "", ""}, "The magnification must be a positive number up to 1000."},
        {{"1:1", "", "", "0"}, "The pupil magnification must be a positive number."},
        {{"0.1", "", "25", ""}, "With this extension the magnification is at least 0.25."},
    };
    for (const auto& r : refused) {
        const CloseUpRead read = ReadCloseUp(macro, r.typed, english);
        EXPECT_EQ(read.shot.refusal, r.sentence);
        EXPECT_TRUE(CloseUpTexts(read.shot, macro, english).empty());
    }
    // "1,5" where a point is written is said to be the other separator.
    EXPECT_NE(ReadCloseUp(macro, {"", "1,5", "", ""}, english).shot.refusal.find("1,5"),
              std::string::npos);
}

// 24 mm at f/8 from 0.5 m to infinity: focus at H = 2.424 m (1.212 m to ∞);
// the next far limit 1/(0.8/1212) = 1515 mm, focus 1515·2424/(2400 + 1515) =
// 938.02 mm, near 679.31 mm; then far 1/(1/679.31 − 0.2·(1/679.31 − 1/1515))
// = 763.55 mm, focus 763.55·2424/(2400 + 763.55) = 585.05 mm, near 474.2 mm:
// at or before 0.5 m, three shots.
TEST(StackPlan, ALandscapeFromHalfAMetreToInfinity) {
    const StackPlan plan = MakeStackPlan(FullFrame(24, 8), {}, ByLens("0.5"), NumberSettings{});
    ASSERT_EQ(plan.refusal, "");
    EXPECT_EQ(plan.table.columns, (std::vector<std::string>{"Focus at", "Sharp from", "Sharp to"}));
    EXPECT_EQ(plan.table.cells,
              (std::vector<std::vector<std::string>>{
                  {"2.42", "1.21", "\u221E"}, {"0.94", "0.68", "1.51"}, {"0.59", "0.47", "0.76"}}));
    EXPECT_EQ(plan.summary, "3 shots, from the far end to the near one, each overlapping the next "
                            "by 20 % of its depth.");
    EXPECT_EQ(Csv(plan), "shot,focus,near,far,unit\r\n"
                         "1,2.424000,1.212000,inf,meters\r\n"
                         "2,0.938023,0.679312,1.515000,meters\r\n"
                         "3,0.585052,0.474198,0.763548,meters\r\n");
    // The bars: one a shot, each from its near limit to its far one, on an
    // axis that holds them all, its marks apart.
    ASSERT_EQ(plan.chart.series.size(), 3u);
    EXPECT_TRUE(plan.chart.series[0].points[0].farIsInfinite);
    EXPECT_EQ(plan.chart.series[2].zoneText, "0.47 \u2013 0.76");
    EXPECT_LE(plan.chart.axisFrom, 0.474198);
    EXPECT_GE(plan.chart.axisTo, 2.424);
    for (std::size_t i = 1; i < plan.chart.ticks.size(); ++i)
        EXPECT_LT(plan.chart.ticks[i - 1].at, plan.chart.ticks[i].at);
}

// From 1 m to 1.2 m at f/8 one shot holds (focused at 1.2 m's own focus
// its near limit is 0.83 m): said with the planner's focus, 2·1·1.2/2.2 m.
TEST(StackPlan, OneShotHoldsTheRangeAtThePlannersFocus) {
    const Lens lens = FullFrame(24, 8);
    const StackPlan plan = MakeStackPlan(lens, {}, ByLens("1", "1.2"), NumberSettings{});
    ASSERT_EQ(plan.refusal, "");
    ASSERT_EQ(plan.lens.shots.size(), 1u);
    PlanRequest request;
    request.lens = lens;
    request.nearText = "1";
    request.farText = "1.2";
    request.farIsInfinite = false;
    const FocusPlan planned = PlanFocus(request, NumberSettings{});
    EXPECT_NEAR(planned.focusDistance, 2 * 1.2 / 2.2, 1e-9);
    EXPECT_EQ(plan.summary, "One shot holds the range: focus at " + planned.focusAt + ".");
}

// 1:1 at f/16: a step of 0.8 × 1.920044 = 1.536035 mm; 30 mm takes
// ⌈30 / 1.536035⌉ + 1 = 21 shots, the last at 20 steps, 30.7207 mm.
TEST(StackPlan, AnInsectOnARail) {
    const StackPlan plan =
        MakeStackPlan(FullFrame(100, 16), {"1:1", "", "", ""}, OnRail("30"), NumberSettings{});
    ASSERT_EQ(plan.refusal, "");
    ASSERT_EQ(plan.table.rows.size(), 21u);
    EXPECT_EQ(plan.table.cells[20][0], "30.72");
    EXPECT_EQ(plan.table.cells[0], (std::vector<std::string>{"0.00", "-0.96", "0.96"}));
    const std::string csv = Csv(plan);
    EXPECT_EQ(csv.substr(0, csv.find("\r\n", csv.find("\r\n") + 2) + 2),
              "shot,position_mm,step_mm,magnification,working_f_number,depth_mm\r\n"
              "1,0.000000,1.536035,1.000000,32.000000,1.920044\r\n");
    EXPECT_NE(csv.find("21,30.720708,1.536035,"), std::string::npos);
    EXPECT_EQ(plan.summary, "21 shots at 1\u00D7 (1:1), a step of 1.54 mm (by wave optics, 1.80 "
                            "mm), each overlapping the next by 20 % of its depth.");
    // Its bars lie on an axis from the lens: the first focused at 200 mm.
    EXPECT_NEAR(plan.chart.series[0].points[0].focus, 200, 1e-9);
    EXPECT_EQ(plan.chart.unitName, "millimeters");
}

TEST(StackPlan, RefusedInOneSentenceEach) {
    const Lens lens = FullFrame(24, 8);
    const NumberSettings english;
    const struct {
        StackTyped typed;
        CloseUpTyped shot;
        const char* sentence;
    } rows[] = {
        {ByLens(""), {}, "Type the nearest point that must be sharp."},
        {ByLens("2", "1"), {}, "The farthest sharp point must be beyond the nearest."},
        {ByLens("0.01"), {}, "The nearest sharp point must be farther than the focal length."},
        {OnRail("30", "95"), {"1:1", "", "", ""}, "The overlap must be from 0 to 90 %."},
        {OnRail("30", "-5 %"), {"1:1", "", "", ""}, "The overlap must be from 0 to 90 %."},
        {OnRail("30", "some"), {"1:1", "", "", ""}, "The overlap must be from 0 to 90 %."},
        {OnRail(""), {"1:1", "", "", ""}, "Type the depth the stack must cover."},
        {OnRail("0"), {"1:1", "", "", ""}, "The depth to cover must be a positive length."},
        {OnRail("20 m"), {"5:1", "", "", ""}, "The plan would take more than 10,000 shots."},
    };
    for (const auto& r : rows) {
        const StackPlan plan = MakeStackPlan(lens, r.shot, r.typed, english);
        EXPECT_EQ(plan.refusal, r.sentence) << r.typed.nearest << r.typed.depth;
        EXPECT_TRUE(plan.table.rows.empty());
        EXPECT_TRUE(plan.chart.series.empty());
    }
    // "20 %" and no overlap at all are overlaps.
    EXPECT_EQ(MakeStackPlan(lens, {"1:1", "", "", ""}, OnRail("30", "20 %"), english).refusal, "");
    EXPECT_EQ(MakeStackPlan(lens, {"1:1", "", "", ""}, OnRail("30", "0"), english).refusal, "");
}

// The terminal prints what the form shows: the shot's labelled lines, and
// the plan's grid, file and refusals.
TEST(StackPlan, TheTerminalSaysWhatTheFormShows) {
    ProgramFolder program;
    const auto run = [&program](const std::vector<std::string>& args) {
        return RunVerb(program, args);
    };
    const std::vector<std::string> lens = {"--camera",       "35 mm", "--unit",     "m",
                                           "--cofc",         "0.03",  "--aperture", "f/16",
                                           "--focal-length", "100"};
    std::vector<std::string> args = {"closeup", "--magnification", "1:1"};
    args.insert(args.end(), lens.begin(), lens.end());
    const CommandResult shot = run(args);
    EXPECT_EQ(shot.exitCode, 0) << shot.err;
    EXPECT_EQ(shot.out, "Reproduction ratio: 1\u00D7 (1:1)\nSubject distance: 0.20 m\n"
                        "Working aperture: f/32 (2.0 stops of light lost)\n"
                        "Depth of field (classic): 1.92 mm\nDepth of field (wave optics): 2.25 mm\n"
                        "Airy disc: 0.0429 mm\nField at the subject: 36.0 \u00D7 24.0 mm\n"
                        "Subject to sensor: 0.40 m\n");
    EXPECT_NE(shot.err.find("Warning: At the working aperture f/32"), std::string::npos);

    args = {"stack", "--magnification", "1:1", "--depth", "30", "--format", "csv"};
    args.insert(args.end(), lens.begin(), lens.end());
    const CommandResult csv = run(args);
    EXPECT_EQ(csv.exitCode, 0) << csv.err;
    Lens same = FullFrame(100, 16);
    EXPECT_EQ(csv.out,
              Csv(MakeStackPlan(same, {"1:1", "", "", ""}, OnRail("30"), NumberSettings{})));

    const CommandResult text = run({"stack", "--camera", "35 mm", "--unit", "m", "--cofc", "0.03",
                                    "--aperture", "f/8", "--focal-length", "24", "--near", "0.5"});
    EXPECT_EQ(text.exitCode, 0) << text.err;
    EXPECT_EQ(text.out, "   Focus at  Sharp from  Sharp to\n"
                        "1      2.42        1.21         \u221E\n"
                        "2      0.94        0.68      1.51\n"
                        "3      0.59        0.47      0.76\n"
                        "Aperture f/8. 3 shots, from the far end to the near one, each "
                        "overlapping the next by 20 % of its depth. Distances in meters.\n");

    // Both ways at once, or neither, is a usage error; a refusal is exit 1.
    EXPECT_EQ(run({"stack", "--near", "1", "--magnification", "1"}).exitCode, 2);
    EXPECT_EQ(run({"stack"}).exitCode, 2);
    EXPECT_EQ(run({"closeup", "--magnification", "1", "--distance", "1"}).exitCode, 2);
    EXPECT_EQ(run({"stack", "--magnification", "1", "--far", "2", "--depth", "3"}).exitCode, 2);
    const CommandResult refused = run({"stack", "--near", "3", "--far", "2"});
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_EQ(refused.err,
              "Validation Error: The farthest sharp point must be beyond the nearest.\n");
}

// What a hostile pass over the verbs found, each kept mended.
TEST(StackPlan, EdgesOfThePlanAreSaidAsTheyAre) {
    const NumberSettings english;
    // With 50 mm of extension behind a 100 mm lens, 1:2 is the lens at
    // infinity; the subject is then f·(1 + 1/m) = 300 mm from the lens.
    const CloseUpRead atInfinity = ReadCloseUp(FullFrame(100, 8), {"1:2", "", "50", ""}, english);
    ASSERT_EQ(atInfinity.shot.refusal, "");
    EXPECT_TRUE(std::isinf(atInfinity.shot.focusedAt));
    EXPECT_NEAR(atInfinity.shot.subjectDistance, 300, 1e-9);
    // A typed magnification is quoted back without what could steer a terminal.
    EXPECT_EQ(ReadCloseUp(FullFrame(100, 8), {"1\x1B]0;x\x07", "", "", ""}, english).shot.refusal,
              "\u201C1\\x1B]0;x\\x07\u201D is not a magnification: type one such as 0.5, 0.5x or "
              "1:2.");
    // One shot holds 1 m to 1.0001 m: the row is the planner's focus, as the summary says.
    const StackPlan one = MakeStackPlan(FullFrame(24, 8), {}, ByLens("1", "1.0001"), english);
    ASSERT_EQ(one.lens.shots.size(), 1u);
    EXPECT_NEAR(one.lens.shots[0].focus, 2 * 1.0001 / 2.0001, 1e-12);
    EXPECT_NE(one.summary.find(one.table.cells[0][0]), std::string::npos) << one.summary;
    // Shots 90 % overlapping are written finely enough to tell apart.
    StackTyped close = ByLens("1", "2");
    close.overlap = "90";
    const StackPlan dense = MakeStackPlan(FullFrame(100, 8), {}, close, english);
    ASSERT_GT(dense.table.rows.size(), 10u);
    for (std::size_t i = 1; i < dense.table.cells.size(); ++i)
        EXPECT_NE(dense.table.cells[i][0], dense.table.cells[i - 1][0]) << i;
    // On a rail where one shot reaches infinity: no zeros, infinity said.
    const StackPlan far =
        MakeStackPlan(FullFrame(100, 8), {"1:1000", "", "", ""}, OnRail("5"), english);
    ASSERT_EQ(far.refusal, "");
    EXPECT_EQ(far.table.cells[0], (std::vector<std::string>{"0.00", "\u2014", "\u221E"}));
}
