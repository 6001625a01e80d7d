#pragma once
// A depth-of-field table for one lens: the limits of sharp focus at a range
// of focus distances (the rows) and apertures (the columns), every number
// computed as a press of Calculate computes it at that distance and
// aperture, and rounded once from the same double.

#include "calc/calculation.h"
#include "calc/fine_lengths.h"
#include "calc/lens.h"
#include "framework/base/translate.h"
#include "lenses/lens_catalog.h"
#include "lists/aperture_stops.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// What each cell shows.
enum class TableShows {
    Limits, // "near – far"
    Split,  // in front of the subject and behind it
    Total,  // the total depth of field
};

// A column: an aperture's name and f-number ("f/5.6", 5.656854).
using TableAperture = NamedAperture;

struct TableRequest {
    Lens lens;                            // its aperture and distance unused
    std::vector<TableAperture> apertures; // the columns, in order
    StopSteps steps = StopSteps::Whole;   // the stops they are marked in
    std::vector<double> distances;        // the rows, in the unit, as read
    TableShows shows = TableShows::Limits;
    int selectedAperture = -1;           // the column in bold, if any
    std::optional<double> typedDistance; // its row in bold, when one of the rows
    std::optional<LensRecord> owned;     // the lens in use: rows nearer than it focuses marked
};

struct DofTable {
    std::string title;                // on its pages; empty: "Depth of Field Table"
    std::vector<std::string> columns; // aperture texts; a mark after those diffraction softens
    std::vector<std::string> rows;    // "Hyperfocal", then each distance with its unit
    std::vector<std::vector<std::string>> cells; // [row][column]
    int boldRow = -1;                            // the typed distance's row
    int boldColumn = -1;                         // the selected aperture's column
    std::string roundingNote;                    // how the numbers are rounded
    std::string diffractionNote;                 // empty when no column is marked
    // Rows marked beyond a close-up lens's reach, and nearer than the lens in
    // use focuses; empty when none is.
    std::string closeUpNote;
};

inline constexpr const char* kHyperfocalRow = TR_NOOP("DOF Table", "Hyperfocal");
inline constexpr const char* kDiffractionMark = "*";
inline constexpr const char* kCloseUpMark = "\u2020"; // after a row a close-up lens cannot reach
inline constexpr const char* kNearerMark = "\u2021";  // after a row nearer than the lens focuses
inline constexpr const char* kInfinitySign = "\u221E";
inline constexpr const char* kNoValue = "\u2014"; // a cell Calculate refuses

// What a printed table says it is for.
struct TablePageHeading {
    std::string camera;      // "Canon 1Ds"
    std::string focalLength; // "50.00 mm", with the diopter when there is one
    std::string cocUsed;     // "0.030000 mm"
    std::string unit;        // "meters"
};

// The heading of the table's pages for a lens as a press reads it: the
// camera, the focal length after the diopter (and the diopter, when there is
// one), the circle of confusion used and the unit's name.
TablePageHeading MakeTableHeading(const Lens& lens, const NumberSettings& settings);

// A unit's name in a sentence, in the person's language ("meters").
std::string UnitNameOf(const DistanceUnit& unit);

// The table made a row at a time, for tables too long to hold: its columns,
// notes and marks at once (`Frame`, without rows), each row when asked.
class TableRows {
  public:
    // `decimals` below 0: the unit's at a glance (GlanceDecimals), finer
    // where the depth needs it.
    TableRows(const TableRequest& request, const NumberSettings& settings, int decimals = -1);
    const DofTable& Frame() const { return m_frame; }
    // The rows: "Hyperfocal" (0), then one a distance.
    std::size_t Count() const { return 1 + m_request.distances.size(); }
    void Row(std::size_t index, std::string& header, std::vector<std::string>& cells) const;
    // What a press of Calculate finds at `distance` with column `column`'s
    // aperture: the doubles its cells are written from.
    DepthInUnit Depth(std::size_t column, double distance) const;
    // Column `column`'s lens, as a press reads it.
    const LensSetup& Lens(std::size_t column) const { return m_lenses[column]; }

  private:
    // A length as the cells write it, at a step (0 the coarsest).
    std::string Length(double v, int step) const;
    // A cell's text, written finely enough to read its depths from.
    std::string Cell(const DepthInUnit& d, double distance) const;

    const TableRequest& m_request;
    const NumberSettings& m_settings;
    int m_decimals;
    LengthWriting m_writing;
    bool m_fixed = false;               // every number to m_decimals, as asked
    bool m_tape = false;                // feet and inches, to the half inch or finer
    std::string m_suffix;               // the unit's, after each distance
    std::optional<double> m_reach;      // of a close-up lens, in the unit
    bool Nearer(double distance) const; // than the lens in use focuses
    std::string RowsNote() const;
    DofTable m_frame;
    std::vector<LensSetup> m_lenses; // each column's, read once as a press reads it
};

// The table; `decimals` as for TableRows.
DofTable MakeTable(const TableRequest& request, const NumberSettings& settings, int decimals = -1);

// Paper holds a distance and its limits whole only up to this, in the unit.
inline constexpr double kLargestPrintedDistance = 1e9;

// Leaves out of `request` the distances too long to print whole; the
// sentence they are refused with, or "" when none was.
std::string KeepPrintableDistances(TableRequest& request);

// The rows a photographer reads at a glance: 1, 1.5, 2, 3, 5, 7 times the
// powers of ten of the unit, from the first at or above ten focal lengths to
// the first at or beyond the hyperfocal distance at the widest aperture of
// `apertures` (so that every column reaches infinity), at most 24, with
// `typed` added in its place. When the most cut the series short, `cutNote`
// (when given) says so.
std::vector<double> DefaultDistances(const TableRequest& request, const NumberSettings& settings,
                                     std::string* cutNote = nullptr);

// Adds a distance to sorted rows in its place, unless it is there already.
void AddDistance(std::vector<double>& distances, double distance);

// The columns: the marked stops of `steps` from f-number `from` to `to` (in
// either order, ends included), and the chosen aperture (when there is one
// and it lies between them) in its place, marked as chosen: a marked stop of
// the same name gives way to it, so that its column is what a press of
// Calculate finds.
void SetApertureColumns(TableRequest& request, double from, double to, StopSteps steps,
                        const std::optional<TableAperture>& chosen);

// Why a range of apertures makes no column: "No aperture lies between the
// two chosen."
std::string NoStopBetween();

// The whole stops f/2.8 to f/22, widened to include the chosen aperture:
// to the aperture list's entry at or beyond it, or to itself where the list
// has none.
std::pair<TableAperture, TableAperture>
DefaultApertureRange(const std::optional<TableAperture>& chosen);

// With a lens in use (`owned`, at focal length `f`): its whole stops, from
// the first it opens to there to the last it closes to; the range above
// where it has no two.
std::pair<TableAperture, TableAperture>
DefaultApertureRange(const std::optional<TableAperture>& chosen,
                     const std::optional<LensRecord>& owned, double f);

// The lens's chosen aperture as a column; none when it has none.
std::optional<TableAperture> ChosenAperture(const Lens& lens);

// The distances of a text such as "1 1,5 2" or "2 m 10 ft 6 in" (in the
// user's number settings, each in `unit` unless typed with its own); those
// that are not positive distances are left out and named in one sentence.
struct DistanceList {
    std::vector<double> values; // the good ones
    std::string refusal;        // empty when every distance is good and there is one
};
DistanceList ReadDistances(std::string_view text, const NumberSettings& settings,
                           const DistanceUnit& unit);

// Distances written back as a person types them: in the user's number
// settings, with no more decimals than they need.
std::string DistancesText(const std::vector<double>& distances, const NumberSettings& settings);
