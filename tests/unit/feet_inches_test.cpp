// Feet and inches as a tape measure shows them, each row worked by hand:
// inches = feet × 12, rounded once to the step (ties away from zero), the
// whole feet taken out, the rest reduced to lowest terms.
#include "calc/feet_inches.h"

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
