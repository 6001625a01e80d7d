#include "table/dof_table.h"

#include "lenses/lens_limits.h"

#include "calc/feet_inches.h"
#include "calc/fine_lengths.h"
#include "calc/typed_distance.h"
#include "lists/choice_lists.h"

#include <algorithm>
#include <cmath>
#include <functional>

namespace {
// The aperture list's whole stops the table shows by default.
constexpr int kDefaultFirstStop = 4; // f/2.8
constexpr int kDefaultLastStop = 10; // f/22

// The most rows a default series holds.
constexpr std::size_t kMostDefaultRows = 24;

// `value` with no more decimals than it needs (six at the most).
std::string Short(double value, const NumberSettings& settings) {
    return FormatShortest(value, 6, settings);
}

// How a length is written in the table's cells: at a step, 0 the coarsest.
using LengthWriter = std::function<std::string(double, int)>;

// The coarsest step at which the cell's texts give its depths: the limits'
// (and the depths before and behind the subject, when the cell shows those).
int CellStep(const LengthWriting& writing, const DepthInUnit& d, double distance,
             TableShows shows) {
    if (d.farIsInfinite)
        return shows == TableShows::Split ? writing.ForDepth(distance - d.nearLimit) : 0;
    switch (shows) {
    case TableShows::Limits:
        return writing.ForLimits(d.nearLimit, d.farLimit);
    case TableShows::Split:
        return std::max({writing.ForLimits(d.nearLimit, d.farLimit),
                         writing.ForDepth(distance - d.nearLimit),
                         writing.ForDepth(d.farLimit - distance)});
    case TableShows::Total:
        return writing.ForDepth(d.farLimit - d.nearLimit);
    }
    return 0;
}

// One cell, from what a press of Calculate finds there, at `step`.
std::string CellText(const DepthInUnit& d, double distance, TableShows shows, int step,
                     const LengthWriter& written) {
    if (d.status != CalculationStatus::Ok)
        return kNoValue;
    const auto length = [&](double v) { return written(v, step); };
    switch (shows) {
    case TableShows::Limits:
        return length(d.nearLimit) + " \u2013 " +
               (d.farIsInfinite ? kInfinitySign : length(d.farLimit));
    case TableShows::Split: {
        // Each with the sign of its own value: a limit rounding to the
        // subject's distance is 0, one the other side of it says so.
        const auto signedLength = [&](double v) {
            const std::string text = length(std::fabs(v));
            if (text.find_first_of("123456789") == std::string::npos)
                return text;
            return (v < 0 ? "\u2212" : "+") + text;
        };
        return signedLength(d.nearLimit - distance) + " / " +
               (d.farIsInfinite ? std::string("+") + kInfinitySign
                                : signedLength(d.farLimit - distance));
    }
    case TableShows::Total:
        return d.farIsInfinite ? kInfinitySign : length(d.farLimit - d.nearLimit);
    }
    return kNoValue;
}

// The hyperfocal row's cell: the hyperfocal distance, and in brackets the
// nearest sharp point when focused there.
std::string HyperfocalCell(const LensSetup& lens,
                           const std::function<std::string(double)>& length) {
    const DepthInUnit any = DepthAt(lens, 1.0);
    if (any.status != CalculationStatus::Ok)
        return kNoValue;
    const DepthInUnit there = DepthAt(lens, any.hyperfocal);
    if (there.status != CalculationStatus::Ok)
        return length(any.hyperfocal);
    return length(any.hyperfocal) + " (" + length(there.nearLimit) + ")";
}

// The note under a table some of whose columns diffraction softens.
// It names the last stop of the table's steps that diffraction leaves sharp.
std::string DiffractionNote(double c, StopSteps steps) {
    std::string sharpest;
    for (const NamedAperture& stop : MarkedStops(steps))
        if (AiryDiscMm(stop.N) <= c)
            sharpest = stop.text;
    if (sharpest.empty())
        return std::string(kDiffractionMark) + " " +
               Tr("DOF Table",
                  "At every aperture, diffraction blurs more than the circle of confusion allows.");
    return std::string(kDiffractionMark) + " " +
           Arg(Tr("DOF Table",
                  "Beyond %1, diffraction blurs more than the circle of confusion allows."),
               {sharpest});
}

// How the cells are rounded, in the note under the table.
std::string RoundingNote(const DistanceUnit& unit, bool tape, bool fixed, int decimals,
                         const NumberSettings& settings) {
    const std::string finer = Tr("DOF Table", "finer where the depth of field is shallow");
    const std::string step = FixedIn(std::pow(10.0, -decimals), decimals, settings) + unit.suffix;
    if (tape)
        return Arg(Tr("DOF Table", "Distances in %1, to the half inch (%2); Hyperfocal: the "
                                   "distance (and the nearest sharp point when focused there)."),
                   {UnitNameOf(unit), finer});
    if (fixed)
        return Arg(Tr("DOF Table", "Distances in %1, rounded to %2; Hyperfocal: the distance "
                                   "(and the nearest sharp point when focused there)."),
                   {UnitNameOf(unit), step});
    return Arg(Tr("DOF Table", "Distances in %1, rounded to %2 (%3); Hyperfocal: the distance "
                               "(and the nearest sharp point when focused there)."),
               {UnitNameOf(unit), step, finer});
}
} // namespace

std::string UnitNameOf(const DistanceUnit& unit) {
    static const char* const kNames[] = {
        TR_NOOP("Units", "feet"), TR_NOOP("Units", "inches"), TR_NOOP("Units", "meters"),
        TR_NOOP("Units", "centimeters"), TR_NOOP("Units", "feet and inches")};
    return unit.code >= 0 && unit.code < kDistanceUnitCount ? Tr("Units", kNames[unit.code])
                                                            : Tr("Units", "the unit");
}

TablePageHeading MakeTableHeading(const Lens& lens, const NumberSettings& settings) {
    // Any aperture and distance: neither the focal length nor the circle of
    // confusion depends on them, but a press without them is refused before
    // either is said.
    Lens atOne = lens;
    atOne.fNumber = 1.0;
    atOne.distance = 1.0;
    const CalculationResult one = Calculate(atOne, settings);
    TablePageHeading heading{lens.cameraName, one.focalLengthText, one.cocText,
                             UnitNameOf(lens.Unit())};
    if (lens.diopter != 0)
        heading.focalLength =
            Arg(Tr("Pages", "%1 (diopter %2)"), {heading.focalLength, lens.diopterText});
    return heading;
}

TableRows::TableRows(const TableRequest& request, const NumberSettings& settings, int decimals)
    : m_request(request), m_settings(settings), m_decimals(decimals),
      m_writing(request.lens.Unit(), settings, Coarsest::Table) {
    DofTable& t = m_frame;
    const LensSetup base = request.lens.Setup();
    const DistanceUnit& unit = *base.unit;
    m_fixed = m_decimals >= 0;
    m_tape = unit.code == kFeetAndInchesCode && !m_fixed; // as a tape measure, to 1/2 in
    if (!m_fixed)
        m_decimals = GlanceDecimals(unit);
    m_suffix = unit.suffix;
    t.roundingNote = RoundingNote(unit, m_tape, m_fixed, m_decimals, settings);
    bool marked = false;
    for (const TableAperture& aperture : request.apertures) {
        const bool softened = AiryDiscMm(aperture.N) > base.c;
        marked = marked || softened;
        t.columns.push_back(aperture.text + (softened ? std::string(" ") + kDiffractionMark : ""));
    }
    if (marked)
        t.diffractionNote = DiffractionNote(base.c, request.steps);
    if (request.selectedAperture >= 0 &&
        request.selectedAperture < static_cast<int>(request.apertures.size()))
        t.boldColumn = request.selectedAperture;
    if (request.typedDistance) {
        const auto at =
            std::find(request.distances.begin(), request.distances.end(), *request.typedDistance);
        if (at != request.distances.end())
            t.boldRow = 1 + static_cast<int>(at - request.distances.begin());
    }
    m_lenses.reserve(request.apertures.size());
    for (const TableAperture& aperture : request.apertures)
        m_lenses.push_back(request.lens.At(aperture.N));
    m_reach = CloseUpReach(request.lens);
    t.closeUpNote = RowsNote();
}

// The note on the rows marked: beyond a close-up lens's reach, nearer than
// the lens in use focuses; empty when none is.
std::string TableRows::RowsNote() const {
    const std::vector<double>& rows = m_request.distances;
    std::string note;
    if (m_reach &&
        std::any_of(rows.begin(), rows.end(), [this](double d) { return d > *m_reach; })) {
        std::string reach = CloseUpReachText(m_request.lens, m_settings);
        if (reach[0] >= 'a' && reach[0] <= 'z') // the sentence's first letter
            reach[0] = static_cast<char>(reach[0] - 'a' + 'A');
        note = std::string(kCloseUpMark) + " " + reach + ".";
    }
    if (std::any_of(rows.begin(), rows.end(), [this](double d) { return Nearer(d); })) {
        const DistanceUnit& unit = m_request.lens.Unit();
        const std::string nearest =
            LengthWriting(unit, m_settings)
                .WithUnit(FromMillimetres(unit.factor)(m_request.owned->minFocus * 1000));
        note +=
            (note.empty() ? "" : " ") + std::string(kNearerMark) + " " +
            Arg(Tr("DOF Table", "Nearer than this lens focuses: %1 from the sensor."), {nearest});
    }
    return note;
}

bool TableRows::Nearer(double distance) const {
    const std::optional<LensRecord>& owned = m_request.owned;
    return owned && !MinimumFocusNote(*owned, m_request.lens.At(0), distance, m_settings).empty();
}

void TableRows::Row(std::size_t index, std::string& header, std::vector<std::string>& cells) const {
    cells.clear();
    cells.reserve(m_lenses.size());
    if (index == 0) {
        header = Tr("DOF Table", kHyperfocalRow);
        for (const LensSetup& lens : m_lenses)
            cells.push_back(HyperfocalCell(lens, [this](double v) { return Length(v, 0); }));
        return;
    }
    const double distance = m_request.distances[index - 1];
    header = m_tape ? FeetAndInches(distance, TapeStep(distance))
                    : Short(distance, m_settings) + m_suffix;
    if (m_reach && distance > *m_reach)
        header += std::string(" ") + kCloseUpMark;
    if (Nearer(distance))
        header += std::string(" ") + kNearerMark;
    for (std::size_t column = 0; column < m_lenses.size(); ++column)
        cells.push_back(Cell(Depth(column, distance), distance));
}

DepthInUnit TableRows::Depth(std::size_t column, double distance) const {
    return DepthAt(m_lenses[column], distance);
}

std::string TableRows::Length(double v, int step) const {
    if (m_fixed)
        return FixedIn(v, m_decimals, m_settings);
    return m_writing.Write(v, step);
}

std::string TableRows::Cell(const DepthInUnit& d, double distance) const {
    const int step = m_fixed || d.status != CalculationStatus::Ok
                         ? 0
                         : CellStep(m_writing, d, distance, m_request.shows);
    return CellText(d, distance, m_request.shows, step,
                    [this](double v, int at) { return Length(v, at); });
}

DofTable MakeTable(const TableRequest& request, const NumberSettings& settings, int decimals) {
    const TableRows rows(request, settings, decimals);
    DofTable t = rows.Frame();
    t.rows.resize(rows.Count());
    t.cells.resize(rows.Count());
    for (std::size_t i = 0; i < rows.Count(); ++i)
        rows.Row(i, t.rows[i], t.cells[i]);
    return t;
}

std::string KeepPrintableDistances(TableRequest& request) {
    const auto tooLong = [](double d) { return !(d < kLargestPrintedDistance); };
    std::vector<double>& d = request.distances;
    const auto kept = std::remove_if(d.begin(), d.end(), tooLong);
    if (kept == d.end())
        return {};
    d.erase(kept, d.end());
    return RefusalText(CalculationStatus::DistanceTooLarge);
}

namespace {
// 1, 1.5, 2, 3, 5, 7 times the powers of ten, as typed, from the first at or
// above `from` to the first at or beyond `to`, at most kMostDefaultRows;
// `cut` says whether the most cut it short.
std::vector<double> Series(double from, double to, bool& cut) {
    static const double kSteps[] = {1, 1.5, 2, 3, 5, 7};
    std::vector<double> out;
    cut = false;
    for (int power = -3; power <= 9; ++power)
        for (const double step : kSteps) {
            const double v = RoundedToDecimals(step * std::pow(10.0, power), 6);
            if (v < from)
                continue;
            if (out.size() >= kMostDefaultRows) {
                cut = true;
                return out;
            }
            out.push_back(v);
            if (v >= to)
                return out;
        }
    return out;
}
} // namespace

std::vector<double> DefaultDistances(const TableRequest& request, const NumberSettings& settings,
                                     std::string* cutNote) {
    // The widest aperture shown reaches infinity last: its hyperfocal
    // distance is the farthest.
    LensSetup widest = request.lens.Setup();
    if (!request.apertures.empty()) {
        widest.N = request.apertures.front().N;
        for (const TableAperture& aperture : request.apertures)
            widest.N = std::min(widest.N, aperture.N);
    }
    const DepthInUnit far = DepthAt(widest, 1.0);
    std::vector<double> out;
    bool cut = false;
    if (far.status == CalculationStatus::Ok && widest.unit->factor > 0)
        out = Series(10 * widest.f * 0.001 / widest.unit->factor, far.hyperfocal, cut);
    if (cut && cutNote)
        *cutNote = Arg(Tr("DOF Table", "The rows stop at %1; the widest aperture reaches infinity "
                                       "only beyond %2."),
                       {std::to_string(kMostDefaultRows),
                        Short(far.hyperfocal, settings) + widest.unit->suffix});
    if (request.typedDistance)
        AddDistance(out, *request.typedDistance);
    return out;
}

void AddDistance(std::vector<double>& distances, double distance) {
    if (distance > 0 && std::find(distances.begin(), distances.end(), distance) == distances.end())
        distances.insert(std::lower_bound(distances.begin(), distances.end(), distance), distance);
}

void SetApertureColumns(TableRequest& request, double from, double to, StopSteps steps,
                        const std::optional<TableAperture>& chosen) {
    request.apertures = StopsBetween(from, to, steps);
    request.steps = steps;
    request.selectedAperture = -1;
    if (!chosen || request.apertures.empty())
        return;
    std::vector<TableAperture>& columns = request.apertures;
    const double N = chosen->N;
    const double low = std::min(from, to) * (1 - 1e-7), high = std::max(from, to) * (1 + 1e-7);
    if (!(N >= low && N <= high))
        return;
    const auto same = std::find_if(columns.begin(), columns.end(), [&](const TableAperture& a) {
        return a.text == chosen->text || a.N == N;
    });
    const auto at =
        same != columns.end()
            ? same
            : columns.insert(std::find_if(columns.begin(), columns.end(),
                                          [&](const TableAperture& a) { return a.N > N; }),
                             *chosen);
    *at = *chosen;
    request.selectedAperture = static_cast<int>(at - columns.begin());
}

std::string NoStopBetween() {
    return Tr("DOF Table", "No aperture lies between the two chosen.");
}

std::pair<TableAperture, TableAperture>
DefaultApertureRange(const std::optional<TableAperture>& chosen,
                     const std::optional<LensRecord>& owned, double f) {
    if (!owned)
        return DefaultApertureRange(chosen);
    const NumberSettings any;
    std::vector<TableAperture> allowed;
    for (const TableAperture& stop : MarkedStops(StopSteps::Whole))
        if (ApertureRefusal(*owned, f, stop.N, any).empty())
            allowed.push_back(stop);
    if (allowed.size() < 2)
        return DefaultApertureRange(chosen);
    return {allowed.front(), allowed.back()};
}

std::pair<TableAperture, TableAperture>
DefaultApertureRange(const std::optional<TableAperture>& chosen) {
    const std::vector<TableAperture> list = MarkedStops(StopSteps::Whole);
    TableAperture first = list[kDefaultFirstStop], last = list[kDefaultLastStop];
    if (!chosen)
        return {first, last};
    const double N = chosen->N;
    if (N < first.N) {
        first = *chosen; // beyond the list's widest, itself
        for (const TableAperture& entry : list)
            if (entry.N <= N)
                first = entry;
    }
    if (N > last.N) {
        last = *chosen;
        for (auto entry = list.rbegin(); entry != list.rend(); ++entry)
            if (entry->N >= N)
                last = *entry;
    }
    return {first, last};
}

std::optional<TableAperture> ChosenAperture(const Lens& lens) {
    if (!lens.fNumber)
        return std::nullopt;
    return TableAperture{lens.apertureText, *lens.fNumber};
}

DistanceList ReadDistances(std::string_view text, const NumberSettings& settings,
                           const DistanceUnit& unit) {
    DistanceList list;
    std::vector<std::string> refused;
    for (const std::string& typed : SplitDistances(text)) {
        const std::optional<double> v = ReadTypedDistance(typed, settings, unit);
        if (v && *v > 0 && std::isfinite(*v))
            list.values.push_back(*v);
        else
            refused.push_back(typed);
    }
    if (!refused.empty()) {
        std::string named;
        for (std::size_t i = 0; i < refused.size(); ++i)
            named += (i == 0                    ? std::string()
                      : i + 1 == refused.size() ? Tr("DOF Table", " and ")
                                                : std::string(", ")) +
                     ("\"" + refused[i] + "\"");
        list.refusal =
            refused.size() == 1
                ? Arg(Tr("DOF Table", "%1 is not a positive distance and is left out."), {named})
                : Arg(Tr("DOF Table", "%1 are not positive distances and are left out."), {named});
    } else if (list.values.empty()) {
        list.refusal = RefusalText(CalculationStatus::NoDistance);
    }
    return list;
}

std::string DistancesText(const std::vector<double>& distances, const NumberSettings& settings) {
    NumberSettings ungrouped = settings; // read back as typed: no thousands separators
    ungrouped.grouping = 0;
    ungrouped.thousandsSeparator.clear();
    std::string text;
    for (const double d : distances) {
        if (!text.empty())
            text += ' ';
        text += Short(d, ungrouped);
    }
    return text;
}
