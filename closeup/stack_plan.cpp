#include "closeup/stack_plan.h"

#include "calc/calculation.h"
#include "calc/fine_lengths.h"
#include "calc/number_text.h"
#include "calc/typed_distance.h"
#include "framework/base/csv.h"
#include "framework/base/translate.h"
#include "planner/focus_plan.h"
#include "table/table_csv.h"

#include <algorithm>
#include <cmath>

namespace {
// The axis of a plan on a rail: millimetres from the lens.
const DistanceUnit kMillimetres{-1, "millimeters", " mm", 0.001};

bool Imperial(const DistanceUnit& unit) {
    return unit.code == kFeetCode || unit.code == kFeetAndInchesCode || unit.code == 1;
}

// The decimals that write `v` to three significant figures, at most six;
// `none` for a `v` that is not positive.
int SignificantDecimals(double v, int none) {
    return v > 0 ? std::clamp(2 - static_cast<int>(std::floor(std::log10(v))), 0, 6) : none;
}

// Three significant figures, at most six decimals.
std::string Significant(double v, const NumberSettings& settings) {
    return FixedIn(v, SignificantDecimals(v, 0), settings);
}

// An f-number as a lens shows it, to a tenth; finer below f/1.
std::string ApertureNumber(double N, const NumberSettings& settings) {
    return N < 1 ? Significant(N, settings) : FormatShortest(N, 1, settings);
}

// A distance in the unit, as a glance reads it.
std::string DistanceText(double mm, const DistanceUnit& unit, const NumberSettings& settings) {
    return LengthWriting(unit, settings).WithUnit(FromMillimetres(unit.factor)(mm));
}

// A length in millimetres or with its unit ("12", "12 mm", "1.2 cm", "0.5 in"); none
// for anything else. `zero`: 0 reads too.
std::optional<double> ReadMm(std::string_view text, const NumberSettings& settings, bool zero) {
    const std::optional<LengthRead> read = ReadLength(text, settings);
    if (!read)
        return std::nullopt;
    const double mm = read->value * (read->unitMm > 0 ? read->unitMm : 1.0);
    if (!std::isfinite(mm) || mm < 0 || (mm == 0 && !zero))
        return std::nullopt;
    return mm;
}

// "20", "20 %", "20%"; none for what is no number.
std::optional<double> ReadPercent(std::string_view text, const NumberSettings& settings) {
    std::string typed(TrimBlanks(text));
    if (!typed.empty() && typed.back() == '%')
        typed = std::string(TrimBlanks(typed.substr(0, typed.size() - 1)));
    const std::string plain = NormalizeDecimalSeparator(typed, settings);
    std::size_t used = 0;
    const double v = ParseDecimalPrefix(plain, &used);
    if (used == 0 || used != plain.size() || !std::isfinite(v))
        return std::nullopt;
    return v / 100;
}

} // namespace

std::string MagnificationText(double m, const NumberSettings& settings) {
    const std::string ratio =
        m >= 1 ? FormatShortest(m, 2, settings) + ":1" : "1:" + FormatShortest(1 / m, 2, settings);
    return (m < 0.001 ? Significant(m, settings) : FormatShortest(m, 3, settings)) + "\u00D7 (" +
           ratio + ")";
}

std::string SmallLengthText(double mm, const DistanceUnit& unit, const NumberSettings& settings) {
    std::string text = Significant(mm, settings) + " mm";
    if (Imperial(unit))
        text += " (" + Significant(mm / 25.4, settings) + " in)";
    return text;
}

CloseUpRead ReadCloseUp(const Lens& lens, const CloseUpTyped& typed,
                        const NumberSettings& settings) {
    CloseUpRead read;
    const LensSetup setup = lens.Setup();
    const auto refuse = [&read](std::string sentence) {
        read.shot.refusal = std::move(sentence);
        return read;
    };
    if (!TrimBlanks(typed.extension).empty()) {
        const std::optional<double> e = ReadMm(typed.extension, settings, true);
        if (!e)
            return refuse(Tr("Close-Up", "The extension must be from 0 to 10,000 mm."));
        read.setup.extension = *e;
    }
    if (!TrimBlanks(typed.pupil).empty()) {
        const std::optional<double> p = ReadMagnification(typed.pupil, settings);
        if (!p)
            return refuse(Tr("Close-Up", "The pupil magnification must be a positive number."));
        read.setup.pupil = *p;
    }
    if (!TrimBlanks(typed.magnification).empty()) {
        const std::optional<double> m = ReadMagnification(typed.magnification, settings);
        if (!m)
            return refuse(
                Arg(Tr("Close-Up", "\u201C%1\u201D is not a magnification: type one such as 0.5, "
                                   "0.5x or 1:2."),
                    {TypedShown(typed.magnification)}));
        read.shot = CloseUpAtMagnification(setup, lens.sensor, read.setup, *m);
        return read;
    }
    if (TrimBlanks(typed.distance).empty())
        return refuse(
            Tr("Close-Up", "Type the magnification (such as 1:2) or the subject distance."));
    const std::optional<double> s = ReadTypedDistance(typed.distance, settings, lens.Unit());
    if (!s) {
        const std::string other = OtherSeparatorSentence(typed.distance, settings);
        return refuse(other.empty() ? Arg(Tr("Close-Up", "\u201C%1\u201D is not a distance."),
                                          {TypedShown(typed.distance)})
                                    : other);
    }
    read.shot =
        CloseUpAtDistance(setup, lens.sensor, read.setup, ToMillimetres(*s, lens.Unit().factor));
    return read;
}

std::vector<std::string> CloseUpTexts(const CloseUpShot& shot, const Lens& lens,
                                      const NumberSettings& settings) {
    if (!shot.refusal.empty())
        return {};
    const DistanceUnit& unit = lens.Unit();
    std::string field = Tr("Close-Up", "The camera's sensor size is not known.");
    if (shot.fieldWidth > 0) {
        field = Significant(shot.fieldWidth, settings) + " \u00D7 " +
                Significant(shot.fieldHeight, settings) + " mm";
        if (Imperial(unit))
            field += " (" + Significant(shot.fieldWidth / 25.4, settings) + " \u00D7 " +
                     Significant(shot.fieldHeight / 25.4, settings) + " in)";
    }
    return {
        MagnificationText(shot.magnification, settings),
        DistanceText(shot.subjectDistance, unit, settings),
        Arg(Tr("Close-Up", "f/%1 (%2 stops of light lost)"),
            {ApertureNumber(shot.workingFNumber, settings), FixedIn(shot.stopsLost, 1, settings)}),
        shot.depthInfinite ? Tr("Calculate", kInfinityText)
                           : SmallLengthText(shot.depthClassic, unit, settings),
        SmallLengthText(shot.depthWave, unit, settings),
        SmallLengthText(shot.airyDisc, unit, settings),
        field,
        DistanceText(shot.subjectToSensor, unit, settings),
    };
}

std::string CloseUpWarning(const CloseUpShot& shot, const Lens& lens,
                           const NumberSettings& settings) {
    if (!shot.refusal.empty() || !shot.diffractionBlurs)
        return {};
    return Arg(Tr("Close-Up",
                  "At the working aperture f/%1 diffraction blurs more than the circle of "
                  "confusion (%2 mm)."),
               {ApertureNumber(shot.workingFNumber, settings),
                lens.Setup().c >= 0.001 ? FixedIn(lens.Setup().c, 3, settings)
                                        : Significant(lens.Setup().c, settings)});
}

namespace {
// The plan by refocusing, read from the typed distances.
void PlanByRefocusing(StackPlan& plan, const Lens& lens, const StackTyped& typed,
                      const NumberSettings& settings) {
    PlanRequest request;
    request.lens = lens;
    request.nearText = typed.nearest;
    request.farText = typed.farthest;
    request.farIsInfinite = typed.farIsInfinite;
    const TypedDistances read = ReadTyped(request, lens.Unit(), settings);
    if (!(plan.refusal = read.refusal).empty())
        return;
    const std::optional<double> far =
        std::isinf(*read.farthest) ? std::nullopt : std::optional<double>(*read.farthest);
    plan.lens = PlanLensStack(lens.Setup(), *read.nearest, far, plan.overlap);
    if (!(plan.refusal = plan.lens.refusal).empty() || plan.lens.shots.size() != 1)
        return;
    // The one shot focused where the planner focuses, its limits there.
    const FocusPlan one = PlanFocus(request, settings);
    if (one.refusal.empty())
        if (const DepthInUnit d = DepthAt(lens.Setup(), one.focusDistance);
            d.status == CalculationStatus::Ok)
            plan.lens.shots[0] = {one.focusDistance, d.nearLimit, d.farLimit, d.farIsInfinite};
    plan.summary =
        Arg(Tr("Close-Up", "One shot holds the range: focus at %1."),
            {one.refusal.empty()
                 ? one.focusAt
                 : DistanceText(ToMillimetres(plan.lens.shots[0].focus, lens.Unit().factor),
                                lens.Unit(), settings)});
}

void PlanOnRail(StackPlan& plan, const Lens& lens, const CloseUpTyped& shot,
                const StackTyped& typed, const NumberSettings& settings) {
    const CloseUpRead read = ReadCloseUp(lens, shot, settings);
    if (!(plan.refusal = read.shot.refusal).empty())
        return;
    if (TrimBlanks(typed.depth).empty()) {
        plan.refusal = Tr("Close-Up", "Type the depth the stack must cover.");
        return;
    }
    const std::optional<double> depth = ReadMm(typed.depth, settings, false);
    if (!depth) {
        plan.refusal = Tr("Close-Up", "The depth to cover must be a positive length.");
        return;
    }
    plan.rail = PlanRailStack(lens.Setup(), lens.sensor, read.setup, read.shot.magnification,
                              *depth, plan.overlap);
    plan.refusal = plan.rail.refusal;
    if (plan.refusal.empty() && plan.rail.shot.depthInfinite)
        plan.summary = Tr("Close-Up", "One shot holds the depth: its far limit is at infinity.");
}

// The grid, its bars and what is said of them: by refocusing.
void DrawLensPlan(StackPlan& plan, const Lens& lens, const NumberSettings& settings) {
    const DistanceUnit& unit = lens.Unit();
    const LengthWriting writing(unit, settings);
    DofTable& t = plan.table;
    t.columns = {Tr("Close-Up", "Focus at"), Tr("Close-Up", "Sharp from"),
                 Tr("Close-Up", "Sharp to")};
    std::vector<ChartSeries> bars;
    std::string before; // the shot before's focus, as written
    for (std::size_t i = 0; i < plan.lens.shots.size(); ++i) {
        const StackShot& s = plan.lens.shots[i];
        int step = writing.ForLimitsAndDepth(s.nearLimit, s.farLimit, s.farIsInfinite);
        // Shots close together are written finely enough to tell apart.
        while (step + 1 < LengthWriting::kSteps && writing.Write(s.focus, step) == before)
            ++step;
        before = writing.Write(s.focus, step);
        const std::string near = writing.Write(s.nearLimit, step),
                          far = s.farIsInfinite ? kInfinitySign : writing.Write(s.farLimit, step);
        t.rows.push_back(std::to_string(i + 1));
        t.cells.push_back({writing.Write(s.focus, step), near, far});
        ChartSeries bar;
        bar.label = t.rows.back();
        bar.zoneText = near + " \u2013 " + far;
        bar.points.push_back({s.focus, s.nearLimit, s.farLimit, s.farIsInfinite});
        bars.push_back(std::move(bar));
    }
    const std::size_t n = plan.lens.shots.size();
    if (plan.summary.empty())
        plan.summary =
            Arg(Tr("Close-Up",
                   "%1 shots, from the far end to the near one, each overlapping the next by %2 % "
                   "of its depth."),
                {std::to_string(n), FormatShortest(plan.overlap * 100, 1, settings)});
    t.roundingNote =
        plan.summary + " " + Arg(Tr("Close-Up", "Distances in %1."), {UnitNameOf(unit)});
    plan.chart = ChartOfZones(Tr("Close-Up", "Where each shot is sharp"), std::move(bars), unit,
                              UnitNameOf(unit), settings);
}

// The same on a rail: positions from the first, each shot sharp about half
// its depth either side of where it focuses.
void DrawRailPlan(StackPlan& plan, const NumberSettings& settings) {
    const RailStack& r = plan.rail;
    const double half = r.shot.depthInfinite ? 0 : r.shot.depthClassic / 2;
    const double step = r.step > 0 ? r.step : r.shot.depthClassic;
    const int decimals = SignificantDecimals(step, 2);
    const auto mm = [&](double v) { return FixedIn(v, decimals, settings); };
    DofTable& t = plan.table;
    t.columns = {Tr("Close-Up", "Position"), Tr("Close-Up", "Sharp from"),
                 Tr("Close-Up", "Sharp to")};
    std::vector<ChartSeries> bars;
    for (std::size_t i = 0; i < r.positions.size(); ++i) {
        const double p = r.positions[i];
        t.rows.push_back(std::to_string(i + 1));
        if (r.shot.depthInfinite) // sharp from before the subject to infinity
            t.cells.push_back({mm(p), kNoValue, kInfinitySign});
        else
            t.cells.push_back({mm(p), mm(p - half), mm(p + half)});
        ChartSeries bar;
        bar.label = t.rows.back();
        bar.zoneText = r.shot.depthInfinite ? mm(p) + " mm \u2013 " + kInfinitySign
                                            : mm(p - half) + " \u2013 " + mm(p + half) + " mm";
        const double focus = r.shot.subjectDistance + p;
        bar.points.push_back({focus, focus - half, focus + half, r.shot.depthInfinite});
        bars.push_back(std::move(bar));
    }
    if (plan.summary.empty())
        plan.summary = Arg(
            Tr("Close-Up",
               "%1 shots at %2, a step of %3 (by wave optics, %4), each overlapping the next by "
               "%5 % of its depth."),
            {std::to_string(r.positions.size()), MagnificationText(r.shot.magnification, settings),
             SmallLengthText(r.step, kMillimetres, settings),
             SmallLengthText(r.waveStep, kMillimetres, settings),
             FormatShortest(plan.overlap * 100, 1, settings)});
    t.roundingNote =
        plan.summary + " " +
        Tr("Close-Up",
           "Positions in millimetres from the first; each shot is sharp about half its depth "
           "either side.");
    plan.chart = ChartOfZones(
        Tr("Close-Up", "Where each shot is sharp, from the lens at the first position"),
        std::move(bars), kMillimetres, Tr("Units", "millimeters"), settings);
}
} // namespace

StackPlan MakeStackPlan(const Lens& lens, const CloseUpTyped& shot, const StackTyped& stack,
                        const NumberSettings& settings) {
    StackPlan plan;
    plan.by = stack.by;
    plan.unit = lens.Unit().listText;
    plan.table.title = Tr("Close-Up", "Focus Stacking Plan");
    if (!TrimBlanks(stack.overlap).empty()) {
        const std::optional<double> overlap = ReadPercent(stack.overlap, settings);
        if (!overlap || !(*overlap >= 0 && *overlap <= 0.9)) {
            plan.refusal = Tr("Close-Up", "The overlap must be from 0 to 90 %.");
            return plan;
        }
        plan.overlap = *overlap;
    }
    if (stack.by == StackBy::Lens)
        PlanByRefocusing(plan, lens, stack, settings);
    else
        PlanOnRail(plan, lens, shot, stack, settings);
    if (!plan.refusal.empty())
        return plan;
    if (stack.by == StackBy::Lens)
        DrawLensPlan(plan, lens, settings);
    else
        DrawRailPlan(plan, settings);
    plan.table.roundingNote = Arg(Tr("Close-Up", "Aperture f/%1."),
                                  {FormatShortest(lens.fNumber.value_or(0), 1, settings)}) +
                              " " + plan.table.roundingNote;
    plan.chart.summary = plan.table.roundingNote;
    return plan;
}

void WriteStackCsv(const StackPlan& plan, const std::function<void(std::string_view)>& sink) {
    std::string out;
    if (plan.by == StackBy::Lens) {
        out = std::string(kLensStackCsvHeader) + "\r\n";
        for (std::size_t i = 0; i < plan.lens.shots.size(); ++i) {
            const StackShot& s = plan.lens.shots[i];
            out += std::to_string(i + 1) + "," + CsvNumber(s.focus) + "," + CsvNumber(s.nearLimit) +
                   "," + (s.farIsInfinite ? "inf" : CsvNumber(s.farLimit)) + "," +
                   CsvField(plan.unit) + "\r\n";
        }
    } else {
        out = std::string(kRailStackCsvHeader) + "\r\n";
        const RailStack& r = plan.rail;
        for (std::size_t i = 0; i < r.positions.size(); ++i)
            out += std::to_string(i + 1) + "," + CsvNumber(r.positions[i]) + "," +
                   CsvNumber(r.step) + "," + CsvNumber(r.shot.magnification) + "," +
                   CsvNumber(r.shot.workingFNumber) + "," +
                   (r.shot.depthInfinite ? "inf" : CsvNumber(r.shot.depthClassic)) + "\r\n";
    }
    sink(out);
}
