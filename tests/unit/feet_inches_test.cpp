// Feet and inches as a tape measure shows them, each row worked by hand:
// inches = feet × 12, rounded once to the step (ties away from zero), the
// whole feet taken out, the rest reduced to lowest terms.
#include "calc/calculation.h"
#include "calc/feet_inches.h"
#include "calc/typed_distance.h"
#include "planner/focus_plan.h"
#include "table/dof_table.h"
#include "table/table_csv.h"

#include <gtest/gtest.h>

TEST(FeetAndInches, TheNearestMarkOfTheTape) {
    const struct {
        const char* name;
        double feet;
        InchStep step;
        const char* text;
    } rows[] = {
        // 7.302083 ft = 87.625 in = 7 ft 3 5/8 in exactly.
        {"the issue's own", 7.302083333333333, InchStep::Eighth, "7 ft 3 5/8 in"},
        // 87.5625 in is halfway between 3 1/2 and 3 5/8: away from zero.
        {"a tie goes up", 7.296875, InchStep::Eighth, "7 ft 3 5/8 in"},
        {"a tie below zero goes down", -7.296875, InchStep::Eighth, "\u22127 ft 3 5/8 in"},
        // 11.95 in rounds to 12 in: the next foot, never "12 in".
        {"11 7/8 in and a bit more is the next foot", 5 + 11.95 / 12, InchStep::Eighth, "6 ft"},
        {"just under a foot of inches", 0.99, InchStep::Eighth, "11 7/8 in"},
        {"a quarter in tens of feet", 12.3 + 0.0 / 12, InchStep::Quarter, "12 ft 3 1/2 in"},
        // 150.49 ft = 1805.88 in: 1806 in = 150 ft 6 in.
        {"whole inches beyond 100 ft", 150.49, InchStep::Whole, "150 ft 6 in"},
        // 3.27 ft = 39.24 in: to the half inch, 39 in = 3 ft 3 in.
        {"the table's half inch", 3.27, InchStep::Half, "3 ft 3 in"},
        {"an eighth of an inch alone", 0.0104, InchStep::Eighth, "1/8 in"},
        {"nothing at all", 0.001, InchStep::Eighth, "0 in"},
        {"a whole number of feet", 20, InchStep::Quarter, "20 ft"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(FeetAndInches(row.feet, row.step), row.text) << row.name;
    EXPECT_EQ(FeetAndInches(1.0 / 0.0, InchStep::Eighth), "");
    EXPECT_EQ(TapeStep(9.99), InchStep::Eighth);
    EXPECT_EQ(TapeStep(10), InchStep::Quarter);
    EXPECT_EQ(TapeStep(99.9), InchStep::Quarter);
    EXPECT_EQ(TapeStep(100), InchStep::Whole);
}

// Feet and inches in every surface: the same doubles as in feet, written as
// a tape measure shows them; typed as people write them.

TEST(FeetAndInches, EverySurfaceWritesTheDoublesOfFeet) {
    const CalculationInputs feet{"50", "8", "0", "0.0300", 1.0, "7.25", ""};
    CalculationInputs tape = feet;
    tape.unitValue = "4";
    tape.distanceText = "7 ft 3 in";
    const CalculationResult r = Calculate(tape, NumberSettings{});
    ASSERT_EQ(r.status, CalculationStatus::Ok);
    const DepthInUnit d = DepthAt(ReadLens(feet, NumberSettings{}).Setup(), 7.25);
    EXPECT_EQ(r.nearText, FeetAndInches(d.nearLimit, TapeStep(d.nearLimit)));
    EXPECT_EQ(r.hyperfocalText, FeetAndInches(d.hyperfocal, TapeStep(d.hyperfocal)));

    TableRequest request;
    request.lens = ReadLens(tape, NumberSettings{});
    request.apertures = {{"f/8", 8.0}};
    request.distances = {7.25};
    const DofTable table = MakeTable(request, NumberSettings{});
    EXPECT_EQ(table.rows[1], "7 ft 3 in");
    EXPECT_EQ(table.cells[1][0], FeetAndInches(d.nearLimit, InchStep::Half) + " \u2013 " +
                                     FeetAndInches(d.farLimit, InchStep::Half));
    EXPECT_EQ(table.roundingNote.substr(0, 49),
              "Distances in feet and inches, to the half inch (f");
    std::string tapeCsv, feetCsv;
    WriteTableCsv(request, [&](std::string_view p) { tapeCsv += p; });
    request.lens = ReadLens(feet, NumberSettings{});
    WriteTableCsv(request, [&](std::string_view p) { feetCsv += p; });
    EXPECT_EQ(tapeCsv.substr(0, tapeCsv.rfind(',')), feetCsv.substr(0, feetCsv.rfind(',')))
        << "the numbers are the same; the unit's name alone differs";

    Lens tapeLens = ReadLens(tape, NumberSettings{}), feetLens = ReadLens(feet, NumberSettings{});
    tapeLens.sensor = feetLens.sensor = {36, 24};
    PlanRequest plan{tapeLens, "6 ft", "12'", false, ""};
    PlanRequest inFeet{feetLens, "6", "12", false, ""};
    const FocusPlan p = PlanFocus(plan, NumberSettings{}), q = PlanFocus(inFeet, NumberSettings{});
    EXPECT_EQ(p.focusDistance, q.focusDistance);
    EXPECT_EQ(p.focusAt, "8 ft");
}

TEST(FeetAndInches, TypedAsPeopleWriteThem) {
    const DistanceUnit& tape = DistanceUnitFor(kFeetAndInchesCode);
    const struct {
        const char* typed;
        double feet; // 0: refused
    } rows[] = {
        {"7 ft 3 in", 7.25},
        {"7' 3\"", 7.25},
        {"7'3.5\"", 7 + 3.5 / 12},
        {"7 3/4 ft", 7.75},
        {"87 in", 7.25},
        {"7.25", 7.25},
        {"3 5/8 in", 3.625 / 12},
        {"7 ft 3 5/8 in", 7 + 3.625 / 12},
        {"3/0 ft", 0},
        {"7 ft 3 ft", 0},
    };
    for (const auto& row : rows) {
        const std::optional<double> v = ReadTypedDistance(row.typed, NumberSettings{}, tape);
        if (row.feet == 0)
            EXPECT_FALSE(v) << row.typed;
        else
            EXPECT_NEAR(v.value_or(-1), row.feet, 1e-12) << row.typed; // inches by true lengths
    }
    EXPECT_EQ(SplitDistances("7 3/4 ft 5 ft 3 5/8 in 2"),
              (std::vector<std::string>{"7 3/4 ft", "5 ft 3 5/8 in", "2"}));
}
