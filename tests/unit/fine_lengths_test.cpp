// Limits and depths are written finely enough to read the depth from the
// texts: the far limit's text less the near's, or the depth's own, within a
// tenth of the true depth and never nothing, at the coarsest step that
// does so and never coarser than a glance. Each row is read back from the
// texts the program writes, as a person would read them.
#include "calc/calculation.h"
#include "calc/fine_lengths.h"
#include "calc/typed_distance.h"
#include "chart/dof_chart.h"
#include "table/dof_table.h"

#include "german_numbers.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {
struct Shot {
    const char* name;
    const char* focalLength;
    double N;
    const char* unit; // code
    const char* distance;
    double cropFactor = 1.0;
};

// Worked apart, f = 100 mm, c = 0.03 mm, s = 254 mm (10 in), N = 8:
// H = f²/(N·c) + f = 41766.7 mm; near = s(H − f)/(H + s − 2f) = 253.07 mm
// = 9.963 in; far = s(H − f)/(H − s) = 254.94 mm = 10.037 in; 0.074 in deep.
// At 90 mm, f/2.8 and 0.30 m: 299.35 to 300.65 mm, 1.3 mm deep.
const Shot kShots[] = {
    {"EOS R5, 100 mm, f/8 at 10 in, feet and inches", "100.0", 8, "4", "10 in"},
    {"the same in inches", "100.0", 8, "1", "10"},
    {"the same in centimetres", "100.0", 8, "3", "25.4"},
    {"full frame, 90 mm, f/2.8 at 0.30 m", "90.0", 2.8, "2", "0.3"},
    {"the same in feet", "90.0", 2.8, "0", "0.984252"},
    {"macro at 1 ft with f/16", "100.0", 16, "4", "1 ft"},
    {"a landscape: 24 mm, f/8 at 1.5 m", "24.0", 8, "2", "1.5"},
    {"a landscape in feet and inches", "24.0", 8, "4", "5 ft"},
    {"a portrait: 85 mm, f/1.4 at 2 m", "85.0", 1.4, "2", "2"},
    {"a compact at 4 in", "7.1", 2.8, "1", "4", 4.8},
};

Lens LensOf(const Shot& shot, const NumberSettings& s) {
    Lens lens = ReadLens(
        {shot.focalLength, "", shot.unit, "0.0300", shot.cropFactor, shot.distance, ""}, s);
    lens.fNumber = shot.N;
    return lens;
}

// A written length read back as a person reads it: the number, or the feet
// and inches; without a sign or a unit's suffix.
double Read(std::string text, const DistanceUnit& unit, const NumberSettings& s) {
    for (const char* sign : {"\u2212", "+"})
        if (text.rfind(sign, 0) == 0)
            text.erase(0, std::string(sign).size());
    return ReadDistanceIn(text, unit, s);
}

// What the texts say of a depth, against the true one.
void ExpectReadable(double written, double depth, const std::string& where) {
    EXPECT_NE(written, 0) << where << ": the depth reads as nothing";
    EXPECT_LE(std::fabs(written - depth), 0.1 * depth + 1e-12)
        << where << ": reads " << written << " for " << depth;
}

// "near – far" of a cell, each read back.
std::pair<double, double> Pair(const std::string& cell, const DistanceUnit& unit,
                               const NumberSettings& s) {
    const std::size_t dash = cell.find(" \u2013 ");
    return {Read(cell.substr(0, dash), unit, s), Read(cell.substr(dash + 5), unit, s)};
}
} // namespace

TEST(ReadableDepth, EveryTableViewAndTheResultsInEveryUnit) {
    for (const NumberSettings& s : {NumberSettings{}, German()})
        for (const Shot& shot : kShots) {
            const Lens lens = LensOf(shot, s);
            const DistanceUnit& unit = lens.Unit();
            const double v = *lens.distance;
            const DepthInUnit d = DepthAt(lens.Setup(), v);
            ASSERT_EQ(d.status, CalculationStatus::Ok) << shot.name;
            ASSERT_FALSE(d.farIsInfinite) << shot.name;
            const double depth = d.farLimit - d.nearLimit;
            TableRequest request;
            request.lens = lens;
            request.apertures = {{"f/x", shot.N}};
            request.distances = {v};
            const std::string name = std::string(shot.name) + (s.decimalSeparator);

            const auto [nearRead, farRead] = Pair(MakeTable(request, s).cells[1][0], unit, s);
            ExpectReadable(farRead - nearRead, depth, name + ", the table's limits");
            request.shows = TableShows::Total;
            ExpectReadable(Read(MakeTable(request, s).cells[1][0], unit, s), depth,
                           name + ", the table's total");
            request.shows = TableShows::Split;
            const std::string split = MakeTable(request, s).cells[1][0];
            const std::size_t slash = split.find(" / ");
            ExpectReadable(Read(split.substr(0, slash), unit, s), v - d.nearLimit,
                           name + ", in front");
            ExpectReadable(Read(split.substr(slash + 3), unit, s), d.farLimit - v,
                           name + ", behind");

            // The results form: six decimals in the four units, a tape's
            // marks made finer where the depth needs them.
            const CalculationResult r = Calculate(lens, s);
            ExpectReadable(Read(r.farText, unit, s) - Read(r.nearText, unit, s), depth,
                           name + ", the results");
            ExpectReadable(Read(r.totalText, unit, s), depth, name + ", the results' total");
        }
}

TEST(ReadableDepth, TheCoarsestStepThatReadsAndNeverCoarserThanAGlance) {
    for (const Shot& shot : kShots) {
        const Lens lens = LensOf(shot, {});
        const DepthInUnit d = DepthAt(lens.Setup(), *lens.distance);
        const LengthWriting writing(lens.Unit(), {}, Coarsest::Table);
        const int step = writing.ForLimits(d.nearLimit, d.farLimit);
        const auto readsWell = [&](int at) {
            const double read = Read(writing.Write(d.farLimit, at), lens.Unit(), {}) -
                                Read(writing.Write(d.nearLimit, at), lens.Unit(), {});
            const double depth = d.farLimit - d.nearLimit;
            return read != 0 && std::fabs(read - depth) <= 0.1 * depth;
        };
        EXPECT_TRUE(readsWell(step)) << shot.name;
        if (step > 0) {
            EXPECT_FALSE(readsWell(step - 1)) << shot.name << ": a coarser step reads as well";
        }
    }
}

TEST(ReadableDepth, WorkedExamplesAsWritten) {
    const Lens r5 = LensOf(kShots[0], {});
    const CalculationResult results = Calculate(r5, {});
    // ⅛, 1/16, 1/32 and 1/64 in read 0, 0.125, 0.0625 and 0.0625 in: 0.01 in is the first within
    // a tenth.
    EXPECT_EQ(results.nearText, "9.96 in");
    EXPECT_EQ(results.farText, "10.04 in");
    EXPECT_EQ(results.totalText, "0.07 in");
    EXPECT_EQ(Calculate(r5, German()).nearText, "9,96 in") << "the person's decimal separator";
    TableRequest request;
    request.lens = r5;
    request.apertures = {{"f/8", 8}};
    request.distances = {10.0 / 12};
    EXPECT_EQ(MakeTable(request, {}).cells[1][0], "9.96 in \u2013 10.04 in");
    request.shows = TableShows::Total;
    EXPECT_EQ(MakeTable(request, {}).cells[1][0], "5/64 in") << "0.074 in: 5/64 is 0.078";

    request.lens = LensOf(kShots[3], {});
    request.apertures = {{"f/2.8", 2.8}};
    request.distances = {0.3};
    request.shows = TableShows::Limits;
    // 0.30 – 0.30 reads nothing; 0.299 – 0.301 reads 2 mm of 1.3.
    EXPECT_EQ(MakeTable(request, {}).cells[1][0], "0.2993 \u2013 0.3007");
    // A landscape keeps the glance's step: no finer than it needs.
    request.lens = LensOf(kShots[6], {});
    request.apertures = {{"f/8", 8}};
    request.distances = {1.5};
    EXPECT_EQ(MakeTable(request, {}).cells[1][0], "0.93 \u2013 3.90");
}

TEST(ReadableDepth, AZoneChartAtCloseRangeIsNoSliver) {
    // 200 mm at 10 m on full frame, f/2.8 to f/22: every zone finite, the
    // widest (f/22) 8.6 to 12 m.
    ChartRequest request;
    request.table.lens = ReadLens({"200.0", "", "2", "0.0300", 1.0, "10", ""}, {});
    request.table.apertures = {{"f/2.8", 2.8}, {"f/8", 8}, {"f/22", 22}};
    request.focus = 10;
    const DofChart chart = MakeChart(request, {});
    ASSERT_TRUE(chart.refusal.empty()) << chart.refusal;
    double widest = 0;
    for (const ChartSeries& s : chart.series) {
        ASSERT_EQ(s.points.size(), 1u);
        const ChartPoint& p = s.points[0];
        ASSERT_FALSE(p.farIsInfinite);
        EXPECT_GE(p.nearLimit, chart.axisFrom);
        EXPECT_LE(p.farLimit, chart.axisTo);
        widest = std::max(widest, std::log(p.farLimit / p.nearLimit));
    }
    EXPECT_GE(widest / std::log(chart.axisTo / chart.axisFrom), 1.0 / 3) << "a third of the axis";
    ASSERT_GE(chart.ticks.size(), 3u);
    for (std::size_t i = 0; i < chart.ticks.size(); ++i) {
        EXPECT_GE(chart.ticks[i].at, chart.axisFrom);
        EXPECT_LE(chart.ticks[i].at, chart.axisTo);
        if (i > 0) {
            EXPECT_NE(chart.ticks[i].label, chart.ticks[i - 1].label);
        }
    }
    // The R5's bars at 10 in, in feet and inches: marks a fraction of an
    // inch apart, every label its own.
    request.table.lens = LensOf(kShots[0], {});
    request.table.apertures = {{"f/8", 8}};
    request.focus = 10.0 / 12;
    const DofChart close = MakeChart(request, {});
    ASSERT_TRUE(close.refusal.empty()) << close.refusal;
    EXPECT_EQ(close.series[0].zoneText, "9.96 in \u2013 10.04 in");
    ASSERT_GE(close.ticks.size(), 3u);
    for (std::size_t i = 1; i < close.ticks.size(); ++i)
        EXPECT_NE(close.ticks[i].label, close.ticks[i - 1].label);
}
