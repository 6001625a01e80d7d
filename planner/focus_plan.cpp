#include "planner/focus_plan.h"

#include "calc/dof.h"
#include "calc/fine_lengths.h"
#include "calc/typed_distance.h"
#include "framework/base/translate.h"
#include "lists/aperture_stops.h"
#include "lists/choice_lists.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <limits>

namespace {
constexpr double kInfinite = std::numeric_limits<double>::infinity();

// A typed distance, when it is a positive number (in `unit` unless typed
// with its own).
std::optional<double> Positive(const std::string& text, const NumberSettings& settings,
                               const DistanceUnit& unit) {
    const std::optional<double> v = ReadTypedDistance(text, settings, unit);
    if (!v || !(*v > 0))
        return std::nullopt;
    return v;
}

// The aperture list's entry nearest to f-number N in stops.
int NearestAperture(double N) {
    int best = 0;
    for (int i = 1; i < kApertureCount; ++i)
        if (std::fabs(std::log(ParseDecimal(apertureValueTable[i].valueText) / N)) <
            std::fabs(std::log(ParseDecimal(apertureValueTable[best].valueText) / N)))
            best = i;
    return best;
}

// Why a typed distance was not read: written with the other decimal
// separator, or else `otherwise`.
std::string Unread(const std::string& text, const NumberSettings& settings, std::string otherwise) {
    std::string sentence = OtherSeparatorSentence(text, settings);
    return sentence.empty() ? otherwise : sentence;
}

bool AllFinite(std::initializer_list<double> values) {
    for (const double v : values)
        if (!std::isfinite(v))
            return false;
    return true;
}

// The list's aperture that holds the range (the first at least the exact
// f-number), with the third stop a lens may hold wider open; false, with
// the refusal, when the list has none small enough.
bool ListAperture(FocusPlan& p) {
    // Written as the aperture lists name their stops ("f/5.6"), beside them.
    const std::string needed = "f/" + FormatFixed(p.exactN, 1);
    for (int i = 0; i < kApertureCount && p.listAperture < 0; ++i)
        if (ParseDecimal(apertureValueTable[i].valueText) >= p.exactN)
            p.listAperture = i;
    if (p.listAperture < 0) {
        p.apertureNeeded = needed; // beside "Aperture needed:", no more to say

        p.refusal =
            Arg(Tr("Plan Focus", "No aperture of the list is small enough; %1 would be needed."),
                {needed});
        return false;
    }
    const ApertureValue& set = apertureValueTable[p.listAperture];
    // A lens that clicks in third stops may hold the range a little wider open.
    p.apertureNeeded = set.displayText;
    const std::optional<NamedAperture> third = FirstStopAtLeast(p.exactN, StopSteps::Third);
    if (third)
        p.thirdStop = third->N;
    if (third && third->text != set.displayText)
        p.apertureNeeded =
            Arg(Tr("Plan Focus", "%1, or %2 in third stops"), {p.apertureNeeded, third->text});
    p.apertureNeeded = Arg(Tr("Plan Focus", "%1 (%2 needed)"), {p.apertureNeeded, needed});
    return true;
}

// The limits at the focus distance with the list aperture, as a press finds
// them; false, with the refusal, when a press refuses.
bool SharpRange(FocusPlan& p, const LensSetup& atList, const NumberSettings& settings) {
    const DepthInUnit d = DepthAt(atList, p.focusDistance);
    if (d.status != CalculationStatus::Ok) {
        p.refusal = RefusalText(d.status);
        return false;
    }
    // Both ends, and where to focus between them, finely enough to read
    // the depth from.
    const LengthWriting writing(*atList.unit, settings);
    const int step = writing.ForLimitsAndDepth(d.nearLimit, d.farLimit, d.farIsInfinite);
    const std::string far =
        d.farIsInfinite ? std::string("\u221E") : writing.Write(d.farLimit, step);
    const bool tape = atList.unit->code == kFeetAndInchesCode; // each end with its units
    p.sharpRange = writing.Write(d.nearLimit, step) + " \u2013 " + far +
                   (tape ? std::string() : std::string(atList.unit->suffix));
    p.focusAt = writing.WithUnit(p.focusDistance, step);
    return true;
}

// Diffraction at the list aperture, and the sharpest aperture overall:
// root-sum-square of the defocus blur at the limits, c·N/N″, and the Airy
// disc at N″: least at N′ = √(c·N / (2.44·λ)), or at N itself when that is
// smaller; told for the list aperture N″ nearest to N′.
void Diffraction(FocusPlan& p, double N, double c, const NumberSettings& settings) {
    const double airy = AiryDiscMm(N);
    p.diffraction = FixedIn(airy, 6, settings) + " mm, " + Against(airy, c, settings);
    if (airy > c)
        p.warning = Arg(
            Tr("Plan Focus", "At %1, diffraction blurs more than the circle of confusion allows."),
            {apertureValueTable[p.listAperture].displayText});
    const double optimum = std::max(std::sqrt(c * p.exactN / (2.44 * kGreenLightMm)), p.exactN);
    const int sharpest = NearestAperture(optimum);
    const double atSharpest = ParseDecimal(apertureValueTable[sharpest].valueText);
    const double blur = std::hypot(c * p.exactN / atSharpest, AiryDiscMm(atSharpest));
    p.sharpest = Arg(Tr("Plan Focus", "%1: %2 mm, %3"),
                     {apertureValueTable[sharpest].displayText, FixedIn(blur, 6, settings),
                      Against(blur, c, settings)});
}

// The texts of a plan whose distances were read: Dn and Df in millimetres,
// the lens's f and c in millimetres.
void Plan(FocusPlan& p, const PlanRequest& request, const LensSetup& lens, double dn, double df,
          double background, const NumberSettings& settings) {
    const double f = lens.f, c = lens.c;
    const FromMillimetres toUnit(lens.unit->factor);
    const double s = std::isinf(df) ? 2 * dn : 2 * dn * df / (dn + df);
    const double hMinusF = 2 * (s - f) / (s * (1 / dn - (std::isinf(df) ? 0 : 1 / df)));
    p.exactN = f * f / (c * hMinusF);
    p.focusDistance = toUnit(s);
    // Distances so far apart that the arithmetic runs out of range.
    if (!AllFinite({s, hMinusF, p.exactN, p.focusDistance}) || !(p.exactN > 0)) {
        p.refusal = RefusalText(CalculationStatus::DistanceTooLarge);
        return;
    }
    p.focusAt = LengthWriting(*lens.unit, settings).WithUnit(p.focusDistance);
    if (!ListAperture(p))
        return;
    LensSetup atList = lens;
    atList.N = ParseDecimal(apertureValueTable[p.listAperture].valueText);
    const double N = atList.N;
    if (!SharpRange(p, atList, settings))
        return;
    Diffraction(p, N, c, settings);
    const double b = std::isinf(background)
                         ? f * f / (N * (s - f))
                         : f * f * std::fabs(background - s) / (N * background * (s - f));
    if (!AllFinite({b})) {
        p.refusal = RefusalText(CalculationStatus::DistanceTooLarge);
        return;
    }
    p.backgroundBlur = FixedIn(b, 6, settings) + " mm";
    if (const double width = request.lens.sensor.width; width > 0)
        p.backgroundBlur = Arg(Tr("Plan Focus", "%1, %2% of the frame's width"),
                               {p.backgroundBlur, FixedIn(100 * b / width, 2, settings)});
    p.backgroundCircles = FixedIn(b / c, 1, settings);
}
} // namespace

std::string Against(double blurMm, double c, const NumberSettings& settings) {
    if (blurMm <= c)
        return Tr("Plan Focus", "within the circle of confusion");
    return Arg(Tr("Plan Focus", "%1 \u00D7 the circle of confusion"),
               {FixedIn(blurMm / c, 2, settings)});
}

namespace {} // namespace

TypedDistances ReadTyped(const PlanRequest& request, const DistanceUnit& unit,
                         const NumberSettings& settings) {
    TypedDistances t;
    t.nearest = Positive(request.nearText, settings, unit);
    const bool farIsInfinite = request.farIsInfinite || IsInfinityText(request.farText);
    t.farthest = farIsInfinite ? std::optional<double>(kInfinite)
                               : Positive(request.farText, settings, unit);
    t.background = request.backgroundText.empty() || IsInfinityText(request.backgroundText)
                       ? std::optional<double>(kInfinite)
                       : Positive(request.backgroundText, settings, unit);
    // Nothing typed yet is no fault: the form says what to type.
    if (TrimBlanks(request.nearText).empty())
        t.refusal = Tr("Plan Focus", "Type the nearest point that must be sharp.");
    else if (!farIsInfinite && TrimBlanks(request.farText).empty())
        t.refusal =
            Tr("Plan Focus", "Type the farthest point that must be sharp, or tick Infinity.");
    else if (!t.nearest)
        t.refusal =
            Unread(request.nearText, settings,
                   Tr("Plan Focus", "The nearest sharp point must be a positive distance."));
    else if (!t.farthest)
        t.refusal = Unread(
            request.farText, settings,
            Tr("Plan Focus", "The farthest sharp point must be a positive distance, or Infinity."));
    else if (!t.background)
        t.refusal = Unread(request.backgroundText, settings,
                           Tr("Plan Focus", "The background must be a positive distance, or left "
                                            "empty for infinity."));
    return t;
}

FocusPlan PlanFocus(const PlanRequest& request, const NumberSettings& settings) {
    FocusPlan p;
    const LensSetup lens = request.lens.Setup();
    if (!(lens.f > 0) || !std::isfinite(lens.f)) {
        p.refusal = RefusalText(CalculationStatus::BadFocalLength);
        return p;
    }
    const TypedDistances typed = ReadTyped(request, *lens.unit, settings);
    if (!(p.refusal = typed.refusal).empty())
        return p;
    const double factor = lens.unit->factor;
    const double dn = ToMillimetres(*typed.nearest, factor);
    const double df =
        std::isinf(*typed.farthest) ? kInfinite : ToMillimetres(*typed.farthest, factor);
    const double bg =
        std::isinf(*typed.background) ? kInfinite : ToMillimetres(*typed.background, factor);
    if (!std::isfinite(dn) || (!std::isfinite(df) && !std::isinf(*typed.farthest)) ||
        (!std::isfinite(bg) && !std::isinf(*typed.background))) {
        p.refusal = RefusalText(CalculationStatus::DistanceTooLarge);
        return p;
    }
    if (!(dn > lens.f)) {
        p.refusal =
            Tr("Plan Focus", "The nearest sharp point must be farther than the focal length.");
        return p;
    }
    if (!(df > dn)) {
        p.refusal = Tr("Plan Focus", "The farthest sharp point must be beyond the nearest.");
        return p;
    }
    Plan(p, request, lens, dn, df, bg, settings);
    return p;
}
