#pragma once
// The DOF chart: the table drawn. For the main form's lens and a range of
// apertures, either the sharp zone of each aperture at one focus distance
// (bars), or each aperture's near and far limits against the focus
// distance (curves). Every number in it is the double the table's cells are
// written from at that distance and aperture: the chart is a drawing of the
// table, never a second calculation.

#include "framework/base/translate.h"
#include "table/dof_table.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

enum class ChartView {
    Zone,   // the sharp zone of each aperture at the focus distance
    Limits, // the near and far limits of each aperture by focus distance
};
inline constexpr const char* kChartViewTexts[] = {
    TR_NOOP("DOF Chart", "Sharp zone at this distance"),
    TR_NOOP("DOF Chart", "Limits by distance")};

struct ChartRequest {
    TableRequest table;          // the lens, its columns (apertures) and steps; its rows unused
    std::optional<double> focus; // in the unit: the zone's distance, marked on the limits
    ChartView view = ChartView::Zone;
};

// Where one aperture is sharp when focused at `focus`.
struct ChartPoint {
    double focus = 0;
    double nearLimit = 0;
    double farLimit = 0;
    bool farIsInfinite = false;
};

// One aperture's marks.
struct ChartSeries {
    std::string label;              // its column's text in the table: "f/8", "f/22 *"
    bool chosen = false;            // the main form's aperture, drawn emphasised
    bool softened = false;          // diffraction blurs more than the circle allows: drawn hatched
    double hyperfocal = 0;          // in the unit, as the table's Hyperfocal row; 0 for none
    std::string hyperfocalText;     // that row's cell
    std::vector<ChartPoint> points; // the zone: one; the limits: along the axis
    LensSetup lens{};               // its column's, as a press reads it
    std::string zoneText;           // the zone: its cell's text ("2.71 – 3.36")
};

// A mark on the distance axis.
struct ChartTick {
    double at = 0;
    std::string label; // "50 cm", "2 m", "6 in", "10 ft"
};

struct DofChart {
    ChartView view = ChartView::Zone;
    std::string title;     // what the chart shows, in a line
    std::string focusText; // the focus distance as the table's rows write it; "" for none
    std::optional<double> focus;
    double axisFrom = 0, axisTo = 0; // the logarithmic axis, in the unit; infinity beyond
    std::vector<ChartTick> ticks;
    std::vector<ChartSeries> series;
    std::string unitName;        // "meters"
    std::string diffractionNote; // as the table's; empty when no aperture is softened
    std::string summary;         // the chart in a paragraph, as a screen reader hears it
    std::string refusal;         // why nothing is drawn, when nothing is
};

DofChart MakeChart(const ChartRequest& request, const NumberSettings& settings);

// A chart of zones given whole: one bar a series, each at its own focus
// (marked on its bar), on an axis fitted to them, in `unit` (whose name in
// a sentence is `unitName`). No series when the zones cannot be drawn.
DofChart ChartOfZones(std::string title, std::vector<ChartSeries> zones, const DistanceUnit& unit,
                      std::string unitName, const NumberSettings& settings);

// Where a series is sharp focused at any `distance` (in the unit), as a
// press computes it there; none where a press refuses. The limits' curves
// are drawn through it at every column of pixels.
std::optional<ChartPoint> ChartPointAt(const ChartSeries& series, double distance);

// The files a chart is written to.
enum class ChartFormat { Svg, Png, Pdf };

// The format a file's name asks for: .svg, .png or .pdf, in any case; none
// for another name.
std::optional<ChartFormat> ChartFormatOf(std::string_view fileName);
