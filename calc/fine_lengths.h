#pragma once
// How finely limits and depths are written. A reader takes the depth of
// field from the texts: the far limit's text less the near limit's, or the
// depth's own text. Those are written to the coarsest step at which what
// the texts say is within a tenth of the true depth and never nothing,
// and never coarser than a photographer reads at a glance: 0.01 m, 1 cm,
// 0.01 ft, 0.1 in, ½ in in a table (elsewhere, feet and inches as a tape
// is read: ⅛ in below 10 ft).
// Finer steps go a decimal at a time; in feet and inches to 1/16, 1/32 and
// 1/64 in, then to decimal inches ("9.96 in").

#include "calc/dof.h"
#include "framework/base/number_format.h"

#include <string>

// The decimals a photographer reads at a glance: hundredths of a metre and
// of a foot, tenths of an inch and of a centimetre.
int GlanceDecimals(const DistanceUnit& unit);

// Where the steps start: a table's cells, or any other text.
enum class Coarsest { Table, Elsewhere };

class LengthWriting {
  public:
    LengthWriting(const DistanceUnit& unit, const NumberSettings& settings,
                  Coarsest start = Coarsest::Elsewhere);

    // The steps, from 0 (the coarsest) on; each is finer than the one before.
    static constexpr int kSteps = 7;

    // `v` written to step `step`: "2.71", "9 15/16 in", "9.96 in" (with
    // its units in feet and inches; bare otherwise).
    std::string Write(double v, int step = 0) const;
    // The same with the unit's suffix: "2.71 m".
    std::string WithUnit(double v, int step = 0) const;
    // What the text of `v` at `step` reads as, in the unit.
    double Written(double v, int step) const;

    // The coarsest step whose texts of `near` and `far` give the depth
    // within a tenth and not as nothing (the finest when none does).
    int ForLimits(double near, double far) const;
    // The same for a depth written alone.
    int ForDepth(double depth) const;
    // The step that reads both: the limits and the depth between them
    // written beside them (0 when the far limit has no end).
    int ForLimitsAndDepth(double near, double far, bool farIsInfinite) const;

  private:
    // One step lengths are written to.
    struct LengthStep {
        int decimals = 0;  // of the unit; in feet and inches, of an inch
        int inchParts = 0; // feet and inches: 1, 2, 4 … 64 parts of an inch; 0 for decimal inches
    };
    LengthStep Step(int step, double v) const;
    // The first step whose text of a depth (`read` at that step) reads it.
    template <typename Read> int FirstReadable(double depth, Read read) const;

    const DistanceUnit& m_unit; // one of the unit table's
    NumberSettings m_settings;
    Coarsest m_start;
    bool m_tape;
    int m_decimals; // of the coarsest step, in a decimal unit
};
