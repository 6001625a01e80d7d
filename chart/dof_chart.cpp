#include "chart/dof_chart.h"

#include "calc/feet_inches.h"
#include "calc/typed_distance.h"
#include "framework/base/translate.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {
// Points drawn along a decade of the limits' axis.
constexpr int kPointsPerDecade = 12;

// A number as typed: six decimals at the most, so that what is drawn at a
// point is what a table row of that distance computes.
double AsTyped(double v) {
    return RoundedToDecimals(v, 6);
}

// The axis's marks: 1, 2 and 5 times the powers of ten of the unit; in feet
// and inches, 1, 2 and 6 inches, then 1, 2 and 5 times the powers of ten of a foot.
std::vector<double> NiceValues(bool tape) {
    std::vector<double> out;
    if (tape)
        out = {1.0 / 12, 2.0 / 12, 6.0 / 12};
    for (int power = tape ? 0 : -4; power <= 10; ++power)
        for (const double step : {1.0, 2.0, 5.0})
            out.push_back(AsTyped(step * std::pow(10.0, power)));
    return out;
}

double NiceBelow(double v, const std::vector<double>& nice) {
    double below = nice.front();
    for (const double n : nice)
        if (n <= v * (1 + 1e-12))
            below = n;
    return below;
}

double NiceAbove(double v, const std::vector<double>& nice) {
    for (const double n : nice)
        if (n >= v * (1 - 1e-12))
            return n;
    return nice.back();
}

std::string TickLabel(double v, bool tape, const DistanceUnit& unit,
                      const NumberSettings& settings) {
    return tape ? FeetAndInches(v, InchStep::Whole) : FormatShortest(v, 6, settings) + unit.suffix;
}

// The widest finite zone's width in decades; 0 when every zone reaches
// infinity.
double WidestFiniteZone(const DofChart& chart, double& nearest, double& farthest) {
    double widest = 0;
    nearest = chart.focus.value_or(std::numeric_limits<double>::infinity());
    farthest = chart.focus.value_or(0);
    for (const ChartSeries& s : chart.series)
        for (const ChartPoint& p : s.points) {
            farthest = std::max(farthest, p.focus);
            nearest = std::min(nearest, p.nearLimit);
            if (p.farIsInfinite)
                continue;
            farthest = std::max(farthest, p.farLimit);
            widest = std::max(widest, std::log10(p.farLimit / p.nearLimit));
        }
    return widest;
}

// Marks a step apart, evenly along a short stretch of the axis: the step
// 1, 2 or 5 times a power of ten of the unit (in feet and inches, an inch's
// 1/64 to 1/2, 1, 2 or 6 inches, or 1, 2 or 5 times a power of ten of a
// foot), the finest that leaves no more than seven.
std::vector<double> TickSteps(bool tape) {
    std::vector<double> steps;
    if (tape)
        for (const double inch :
             {1.0 / 64, 1.0 / 32, 1.0 / 16, 1.0 / 8, 1.0 / 4, 0.5, 1.0, 2.0, 6.0})
            steps.push_back(inch / 12);
    for (int power = tape ? 0 : -6; power <= 10; ++power)
        for (const double step : {1.0, 2.0, 5.0})
            steps.push_back(step * std::pow(10.0, power));
    return steps;
}

std::string StepLabel(double v, double step, bool tape, const DistanceUnit& unit,
                      const NumberSettings& settings) {
    if (tape) {
        int parts = 1; // of an inch, as fine as the step
        while (parts < 64 && step * 12 * parts < 0.999)
            parts *= 2;
        return FeetAndInches(v, static_cast<InchStep>(parts));
    }
    const int decimals = std::max(0, static_cast<int>(std::ceil(-std::log10(step) - 1e-9)));
    return FormatShortest(v, decimals, settings) + unit.suffix;
}

// At close range the zones are slivers on an axis of two decades: the axis
// narrows, still logarithmic, till the widest finite zone takes at least a
// third of it, its marks evenly apart. False where it need not.
bool NarrowedToTheZones(DofChart& chart, bool tape, const DistanceUnit& unit,
                        const NumberSettings& settings) {
    double nearest = 0, farthest = 0;
    const double widest = WidestFiniteZone(chart, nearest, farthest);
    if (!(widest > 0) || widest * 3 >= std::log10(chart.axisTo / chart.axisFrom))
        return false;
    const double covered = std::log10(farthest / nearest);
    const double span = std::max(2.5 * widest, 1.15 * covered);
    const double margin = std::pow(10.0, (span - covered) / 2);
    chart.axisFrom = nearest / margin;
    chart.axisTo = farthest * margin;
    chart.ticks.clear();
    for (const double step : TickSteps(tape)) {
        const double first = std::ceil(chart.axisFrom / step),
                     last = std::floor(chart.axisTo / step);
        if (last - first + 1 > 7)
            continue;
        for (double k = first; k <= last; ++k)
            chart.ticks.push_back({k * step, StepLabel(k * step, step, tape, unit, settings)});
        break;
    }
    return true;
}

// The axis from the mark at or before `from` to the one at or beyond `to`,
// narrowed to the zones where they are slivers on it, and its marks.
void SetAxisEnds(DofChart& chart, double from, double to, bool tape, const DistanceUnit& unit,
                 const NumberSettings& settings) {
    const std::vector<double> nice = NiceValues(tape);
    chart.axisFrom = NiceBelow(from, nice);
    chart.axisTo = NiceAbove(to, nice);
    if (!(chart.axisTo > chart.axisFrom))
        chart.axisTo = NiceAbove(chart.axisFrom * 10, nice);
    if (chart.view == ChartView::Zone && NarrowedToTheZones(chart, tape, unit, settings))
        return;
    for (const double n : nice)
        if (n >= chart.axisFrom * (1 - 1e-12) && n <= chart.axisTo * (1 + 1e-12))
            chart.ticks.push_back({n, TickLabel(n, tape, unit, settings)});
}

// The chart's axis: from a tenth of the focus distance (never nearer than
// ten focal lengths) to beyond the farthest point any aperture shows, each
// end on a mark; and nearer where a near limit lies nearer. A hyperfocal
// distance beyond the zone's axis is not marked on it.
void SetAxis(DofChart& chart, double tenFocalLengths, bool tape, const DistanceUnit& unit,
             const NumberSettings& settings) {
    double from = std::max(tenFocalLengths, chart.focus.value_or(tenFocalLengths) / 10);
    // The zone reaches as far beyond the subject as a tenth of it lies
    // before; the limits to beyond every hyperfocal distance.
    double to = chart.view == ChartView::Zone ? *chart.focus * 10 : chart.focus.value_or(from);
    for (const ChartSeries& s : chart.series) {
        if (s.hyperfocal > 0 && chart.view == ChartView::Limits) {
            to = std::max(to, s.hyperfocal);
            from = std::min(from, std::max(tenFocalLengths, s.hyperfocal / 20));
        }
        if (chart.view == ChartView::Zone)
            for (const ChartPoint& p : s.points) {
                from = std::min(from, p.nearLimit);
                if (!p.farIsInfinite)
                    to = std::max(to, p.farLimit);
            }
    }
    SetAxisEnds(chart, from, to * (chart.view == ChartView::Limits ? 1.5 : 1.2), tape, unit,
                settings);
}

// The focus distances a limits curve is drawn through: evenly along the
// axis, the typed distance and the curve's hyperfocal distance, where it
// reaches infinity.
std::vector<double> CurveDistances(const DofChart& chart, double hyperfocal) {
    std::vector<double> out;
    const double decades = std::log10(chart.axisTo / chart.axisFrom);
    const int steps = static_cast<int>(std::ceil(decades * kPointsPerDecade - 1e-9));
    for (int k = 0; k <= steps; ++k)
        out.push_back(AsTyped(chart.axisFrom *
                              std::pow(10.0, std::min(decades, double(k) / kPointsPerDecade))));
    if (chart.focus)
        AddDistance(out, *chart.focus);
    // Where it reaches infinity, as a distance typed with six decimals:
    // the first such at or beyond the hyperfocal distance.
    const double reach = AsTyped(std::ceil(hyperfocal * 1e6) / 1e6);
    if (reach >= chart.axisFrom && reach <= chart.axisTo)
        AddDistance(out, reach);
    return out;
}

// Where column `column` is sharp focused at `distance`; none where a press refuses.
std::optional<ChartPoint> PointAt(const TableRows& rows, std::size_t column, double distance) {
    const DepthInUnit d = rows.Depth(column, distance);
    if (d.status != CalculationStatus::Ok)
        return std::nullopt;
    return ChartPoint{distance, d.nearLimit, d.farLimit, d.farIsInfinite};
}

std::string ZoneSummary(const DofChart& chart, const std::string& roundingNote) {
    std::string text = chart.title + ":";
    for (std::size_t i = 0; i < chart.series.size(); ++i) {
        const ChartSeries& s = chart.series[i];
        text.append(i == 0 ? " " : "; ").append(s.label).append(", ").append(s.zoneText);
        if (s.chosen)
            text.append(" ").append(Tr("DOF Chart", "(the aperture chosen)"));
    }
    return text.append(". ").append(roundingNote);
}

std::string LimitsSummary(const DofChart& chart) {
    std::string text =
        Arg(Tr("DOF Chart", "%1, in %2, from %3 to %4. Each far limit reaches infinity at the "
                            "hyperfocal distance (and the near limit is then the nearest sharp "
                            "point):"),
            {chart.title, chart.unitName, chart.ticks.front().label, chart.ticks.back().label});
    for (std::size_t i = 0; i < chart.series.size(); ++i) {
        const ChartSeries& s = chart.series[i];
        text.append(i == 0 ? " " : "; ").append(s.label).append(", ").append(s.hyperfocalText);
        if (s.chosen)
            text.append(" ").append(Tr("DOF Chart", "(the aperture chosen)"));
    }
    text.append(".");
    if (chart.focus)
        text.append(" ").append(
            Arg(Tr("DOF Chart", "The line at %1 is the distance typed."), {chart.focusText}));
    return text;
}
} // namespace

namespace {
// One series a column of the table: its label and marks, and, for the
// zone, its bar at the focus distance with the cell's words.
std::vector<ChartSeries> SeriesOf(const TableRows& rows, const ChartRequest& request,
                                  const std::vector<std::string>& zone) {
    const std::vector<std::string>& columns = rows.Frame().columns;
    std::vector<std::string> hyperfocalRow;
    std::string header;
    rows.Row(0, header, hyperfocalRow);
    std::vector<ChartSeries> series;
    for (std::size_t c = 0; c < columns.size(); ++c) {
        ChartSeries s;
        s.label = columns[c];
        s.chosen = static_cast<int>(c) == rows.Frame().boldColumn;
        s.softened = columns[c].find(kDiffractionMark) != std::string::npos;
        const DepthInUnit any = rows.Depth(c, 1.0);
        s.hyperfocal = any.status == CalculationStatus::Ok ? any.hyperfocal : 0;
        s.hyperfocalText = hyperfocalRow[c];
        s.lens = rows.Lens(c);
        if (request.view == ChartView::Zone) {
            s.zoneText = zone[c];
            if (const std::optional<ChartPoint> p = PointAt(rows, c, *request.focus))
                s.points.push_back(*p);
        }
        series.push_back(std::move(s));
    }
    return series;
}

// Why nothing can be drawn of these series; empty when something can.
std::string NothingToDraw(const DofChart& chart, const TableRows& rows,
                          const ChartRequest& request) {
    if (chart.series.empty())
        return NoStopBetween();
    const bool any = std::any_of(chart.series.begin(), chart.series.end(),
                                 [](const ChartSeries& s) { return s.hyperfocal > 0; });
    if (any && (chart.view != ChartView::Zone ||
                std::any_of(chart.series.begin(), chart.series.end(),
                            [](const ChartSeries& s) { return !s.points.empty(); })))
        return "";
    const DepthInUnit d = rows.Depth(0, request.focus.value_or(1.0));
    return RefusalText(d.status == CalculationStatus::Ok ? CalculationStatus::NoDistance
                                                         : d.status);
}
} // namespace

DofChart MakeChart(const ChartRequest& request, const NumberSettings& settings) {
    DofChart chart;
    chart.view = request.view;
    TableRequest table = request.table;
    table.shows = TableShows::Limits;
    table.distances.clear();
    if (request.focus)
        table.distances.push_back(*request.focus);
    table.typedDistance = request.focus;
    const TableRows rows(table, settings);
    const LensSetup lens = table.lens.Setup();
    const DistanceUnit& unit = *lens.unit;
    chart.unitName = UnitNameOf(unit);
    chart.diffractionNote = rows.Frame().diffractionNote;
    chart.focus = request.focus;
    std::vector<std::string> zone;
    if (request.focus)
        rows.Row(1, chart.focusText, zone);
    chart.title =
        chart.view == ChartView::Limits ? Tr("DOF Chart", "Near and far limits by focus distance")
        : request.focus ? Arg(Tr("DOF Chart", "Sharp zone when focused at %1"), {chart.focusText})
                        : Tr("DOF Chart", kChartViewTexts[0]);
    // Nothing typed yet is no fault: the chart says what to type.
    if (chart.view == ChartView::Zone && !request.focus)
        chart.refusal = Tr("DOF Chart", "Type the focus distance to see the sharp zone there.");
    // An axis of a picture holds a distance as far as paper does.
    else if (request.focus && !(*request.focus < kLargestPrintedDistance))
        chart.refusal = RefusalText(CalculationStatus::DistanceTooLarge);
    if (!chart.refusal.empty())
        return chart;
    chart.series = SeriesOf(rows, request, zone);
    if ((chart.refusal = NothingToDraw(chart, rows, request)).size()) {
        chart.series.clear();
        return chart;
    }
    SetAxis(chart, 10 * lens.f * 0.001 / unit.factor, unit.code == kFeetAndInchesCode, unit,
            settings);
    if (chart.view == ChartView::Limits)
        for (std::size_t c = 0; c < chart.series.size(); ++c)
            for (const double distance : CurveDistances(chart, chart.series[c].hyperfocal))
                if (const std::optional<ChartPoint> p = PointAt(rows, c, distance);
                    p && p->nearLimit >= chart.axisFrom) // on the chart, both limits
                    chart.series[c].points.push_back(*p);
    chart.summary = chart.view == ChartView::Zone ? ZoneSummary(chart, rows.Frame().roundingNote)
                                                  : LimitsSummary(chart);
    if (!chart.diffractionNote.empty())
        chart.summary.append(" ").append(chart.diffractionNote);
    return chart;
}

DofChart ChartOfZones(std::string title, std::vector<ChartSeries> zones, const DistanceUnit& unit,
                      std::string unitName, const NumberSettings& settings) {
    DofChart chart;
    chart.title = std::move(title);
    chart.unitName = std::move(unitName);
    chart.series = std::move(zones);
    double from = std::numeric_limits<double>::infinity(), to = 0;
    for (const ChartSeries& s : chart.series)
        for (const ChartPoint& p : s.points) {
            from = std::min(from, p.nearLimit);
            to = std::max(to, p.farIsInfinite ? p.focus * 10 : p.farLimit);
        }
    if (!(from > 0) || !(to < kLargestPrintedDistance)) {
        chart.series.clear();
        return chart;
    }
    SetAxisEnds(chart, from / 1.2, to * 1.2, unit.code == kFeetAndInchesCode, unit, settings);
    return chart;
}

std::optional<ChartPoint> ChartPointAt(const ChartSeries& series, double distance) {
    if (!series.lens.unit)
        return std::nullopt;
    const DepthInUnit d = DepthAt(series.lens, distance);
    if (d.status != CalculationStatus::Ok)
        return std::nullopt;
    return ChartPoint{distance, d.nearLimit, d.farLimit, d.farIsInfinite};
}

std::optional<ChartFormat> ChartFormatOf(std::string_view fileName) {
    const auto endsWith = [fileName](std::string_view end) {
        return fileName.size() >= end.size() &&
               std::equal(end.rbegin(), end.rend(), fileName.rbegin(), [](char a, char b) {
                   return a == (b >= 'A' && b <= 'Z' ? static_cast<char>(b - 'A' + 'a') : b);
               });
    };
    if (endsWith(".svg"))
        return ChartFormat::Svg;
    if (endsWith(".png"))
        return ChartFormat::Png;
    if (endsWith(".pdf"))
        return ChartFormat::Pdf;
    return std::nullopt;
}
