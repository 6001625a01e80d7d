// The DOF chart is a drawing of the table: every number it draws is what a
// press of Calculate shows at that distance and aperture, each bar's words
// are the table's cell, and its axis holds all it draws.
#include "chart/dof_chart.h"
#include "lists/choice_lists.h"

#include "german_numbers.h"

#include <gtest/gtest.h>

namespace {
// A distance as a person types it, in the settings, without grouping.
std::string Typed(double distance, const NumberSettings& settings) {
    NumberSettings asTyped = settings;
    asTyped.grouping = 0;
    return FormatLocaleNumber(FormatFixed(distance, 6), 6, asTyped);
}

struct ChartSetup {
    const char* name;
    const char* focalLength;
    const char* unit; // code
    const char* cofc;
    double cropFactor;
    const char* diopter;
    double focus;
    StopSteps steps;
};

const ChartSetup kSetups[] = {
    {"full frame, metres", "50.0", "2", "0.0300", 1.0, "", 3, StopSteps::Whole},
    {"APS-C, feet and inches", "18.0", "4", "0.0300", 1.53, "", 7.5, StopSteps::Third},
    {"compact, inches", "7.1", "1", "0.0300", 4.8, "", 40, StopSteps::Half},
    {"large format, centimetres", "300.0", "3", "0.0400", 0.18, "", 500, StopSteps::Whole},
    {"close-up lens, metres", "100.0", "2", "0.0300", 1.0, "2", 0.4, StopSteps::Whole},
};

ChartRequest RequestFor(const ChartSetup& setup, ChartView view) {
    ChartRequest request;
    request.view = view;
    request.table.lens = ReadLens(
        {setup.focalLength, "", setup.unit, setup.cofc, setup.cropFactor, "", setup.diopter},
        NumberSettings{});
    SetApertureColumns(request.table, 1.4, 32, setup.steps, TableAperture{"f/8", 8.0});
    request.focus = setup.focus;
    return request;
}

// What a press of Calculate shows at `distance` with column `column`'s aperture.
CalculationResult Press(const ChartRequest& request, std::size_t column, double distance,
                        const NumberSettings& settings, std::string& typed) {
    typed = Typed(distance, settings);
    Lens press = request.table.lens;
    press.fNumber = request.table.apertures[column].N;
    press.distance = ReadDistanceIn(typed, press.Unit(), settings);
    return Calculate(press, settings);
}
} // namespace

// Each bar's limits and each curve's point, written as the results form
// writes them, are the press's texts; each hyperfocal mark too; the words
// beside a bar are the table's cell for that distance and aperture.
TEST(DofChart, EveryNumberDrawnIsWhatAPressOfCalculateShows) {
    for (const NumberSettings& settings : {NumberSettings{}, German()})
        for (const ChartSetup& setup : kSetups)
            for (const ChartView view : {ChartView::Zone, ChartView::Limits}) {
                const ChartRequest request = RequestFor(setup, view);
                const DofChart chart = MakeChart(request, settings);
                const DistanceUnit& unit = DistanceUnitFor(ParseInteger(setup.unit));
                ASSERT_TRUE(chart.refusal.empty()) << setup.name << ": " << chart.refusal;
                ASSERT_EQ(chart.series.size(), request.table.apertures.size()) << setup.name;
                TableRequest table = request.table;
                table.distances = {setup.focus};
                const DofTable cells = MakeTable(table, settings);
                std::size_t points = 0;
                for (std::size_t c = 0; c < chart.series.size(); ++c) {
                    const ChartSeries& s = chart.series[c];
                    EXPECT_EQ(s.label, cells.columns[c]);
                    EXPECT_EQ(s.chosen, static_cast<int>(c) == cells.boldColumn);
                    for (const ChartPoint& p : s.points) {
                        std::string typed;
                        const CalculationResult press = Press(request, c, p.focus, settings, typed);
                        const std::string where =
                            std::string(setup.name) + " " + s.label + " at " + typed;
                        ASSERT_EQ(press.status, CalculationStatus::Ok) << where;
                        EXPECT_EQ(p.nearLimit, press.depth.nearLimit) << where;
                        EXPECT_EQ(p.farIsInfinite, press.depth.farIsInfinite) << where;
                        if (!p.farIsInfinite) {
                            EXPECT_EQ(p.farLimit, press.depth.farLimit) << where;
                        }
                        EXPECT_EQ(LengthText(s.hyperfocal, unit, settings), press.hyperfocalText)
                            << where;
                        EXPECT_GE(p.nearLimit, chart.axisFrom) << where;
                        if (view == ChartView::Zone && !p.farIsInfinite) {
                            EXPECT_LE(p.farLimit, chart.axisTo) << where;
                        }
                        ++points;
                    }
                    if (view == ChartView::Zone) {
                        EXPECT_EQ(s.points.size(), 1u) << setup.name;
                        EXPECT_EQ(s.zoneText, cells.cells[1][c]) << setup.name;
                    }
                }
                if (view == ChartView::Limits) {
                    EXPECT_GT(points, 12 * chart.series.size()) << setup.name;
                }
            }
}

// The axis: logarithmic from a mark at or below a tenth of the distance to
// one beyond every hyperfocal distance, its marks in order, written in the
// unit; the curves reach infinity at their hyperfocal distance, where the
// table's Hyperfocal row says.
TEST(DofChart, AxisMarksAndWhereEachCurveReachesInfinity) {
    ChartRequest request = RequestFor(kSetups[0], ChartView::Limits);
    const DofChart chart = MakeChart(request, NumberSettings{});
    ASSERT_FALSE(chart.ticks.empty());
    EXPECT_EQ(chart.ticks.front().at, chart.axisFrom);
    EXPECT_EQ(chart.ticks.back().at, chart.axisTo);
    EXPECT_EQ(chart.ticks.front().label, "0.5 m"); // ten focal lengths: 0.5 m
    for (std::size_t i = 1; i < chart.ticks.size(); ++i)
        EXPECT_LT(chart.ticks[i - 1].at, chart.ticks[i].at);
    for (const ChartSeries& s : chart.series) {
        EXPECT_GT(chart.axisTo, s.hyperfocal);
        bool reached = false; // at the hyperfocal distance, to the sixth decimal
        for (const ChartPoint& p : s.points) {
            EXPECT_EQ(p.farIsInfinite, p.focus >= s.hyperfocal) << s.label << " at " << p.focus;
            reached = reached || (p.farIsInfinite && p.focus - s.hyperfocal < 1e-6);
        }
        EXPECT_TRUE(reached) << s.label << " is drawn up to its hyperfocal distance";
    }
    request.table.lens.unitCode = 4;
    request.focus = 10;
    const DofChart feet = MakeChart(request, NumberSettings{});
    std::vector<std::string> labels;
    for (const ChartTick& t : feet.ticks)
        labels.push_back(t.label);
    EXPECT_EQ(labels.front(), "1 ft");
    EXPECT_NE(std::find(labels.begin(), labels.end(), "100 ft"), labels.end());
    EXPECT_NE(feet.summary.find("10 ft is the distance typed"), std::string::npos) << feet.summary;
}

// What the chart refuses it says, and draws nothing it cannot: the zone
// without a distance, or at a distance no press takes.
TEST(DofChart, RefusesWhatAPressRefuses) {
    struct Row {
        const char* name;
        std::optional<double> focus;
        ChartView view;
        std::string refusal; // empty: drawn
    };
    const Row rows[] = {
        {"zone without a distance", std::nullopt, ChartView::Zone,
         "Type the focus distance to see the sharp zone there."},
        {"limits without a distance", std::nullopt, ChartView::Limits, ""},
        {"zone beyond what the arithmetic holds", 1e300, ChartView::Zone,
         RefusalText(CalculationStatus::DistanceTooLarge)},
        {"zone inside the focal length, as a press shows it", 0.01, ChartView::Zone, ""},
        {"no apertures", 3, ChartView::Limits, "No aperture lies between the two chosen."},
    };
    for (const Row& row : rows) {
        ChartRequest request = RequestFor(kSetups[0], row.view);
        request.focus = row.focus;
        if (row.name == std::string("no apertures"))
            request.table.apertures.clear();
        const DofChart chart = MakeChart(request, NumberSettings{});
        EXPECT_EQ(chart.refusal, row.refusal) << row.name;
        EXPECT_EQ(chart.series.empty(), !row.refusal.empty()) << row.name;
    }
}

TEST(DofChart, FormatByTheFilesEnding) {
    EXPECT_EQ(ChartFormatOf("chart.svg"), ChartFormat::Svg);
    EXPECT_EQ(ChartFormatOf("Chart.PNG"), ChartFormat::Png);
    EXPECT_EQ(ChartFormatOf("/tmp/a.b/c.pdf"), ChartFormat::Pdf);
    EXPECT_EQ(ChartFormatOf("chart.svg.txt"), std::nullopt);
    EXPECT_EQ(ChartFormatOf("svg"), std::nullopt);
}
