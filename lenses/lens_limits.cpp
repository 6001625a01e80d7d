#include "lenses/lens_limits.h"

#include "calc/dof.h"
#include "calc/fine_lengths.h"
#include "calc/number_text.h"
#include "framework/base/translate.h"
#include "settings/list_file.h"

#include <charconv>
#include <cmath>

namespace {
// How far a list's entry may lie from the aperture its name says: f/5.6 is
// 2^2.5 = 5.657, f/3.5 in third stops 2^(11/6) = 3.564.
constexpr double kNamedAperture = 1.03;

std::string Mm(double f, const NumberSettings& settings) {
    return FormatShortest(f, 1, settings);
}
} // namespace

std::string FocalLengthRefusal(const LensRecord& lens, double f, const NumberSettings& settings) {
    if (lens.Reaches(f))
        return {};
    if (lens.IsPrime())
        return Arg(Tr("Lenses", "This lens has one focal length, %1 mm."),
                   {Mm(lens.focalMin, settings)});
    return Arg(Tr("Lenses", "This lens reaches from %1 to %2 mm."),
               {Mm(lens.focalMin, settings), Mm(lens.focalMax, settings)});
}

std::string ApertureRefusal(const LensRecord& lens, double f, double N,
                            const NumberSettings& settings) {
    const double widest = WidestAt(lens, f);
    if (N * kNamedAperture < widest)
        return Arg(Tr("Lenses", "At %1 mm this lens opens no wider than f/%2."),
                   {Mm(f, settings), FormatShortest(widest, 1, settings)});
    if (N > lens.smallest * kNamedAperture)
        return Arg(Tr("Lenses", "This lens closes no further than f/%1."),
                   {FormatShortest(lens.smallest, 1, settings)});
    return {};
}

double FromSensorPlane(const LensSetup& setup, double distance) {
    const double s = ToMillimetres(distance, setup.unit->factor);
    return FromMillimetres(setup.unit->factor)(s + setup.f * s / (s - setup.f));
}

namespace {
// The nearest subject the lens focuses, in mm from the lens: where the
// subject-to-sensor distance s + f·s/(s − f) is its minimum focus distance
// D, the farther root, s = (D + √(D² − 4·D·f)) / 2. Nearer subjects need
// more extension than it has, however far from the sensor they are (at
// s → f, infinitely far). None when D is under 4·f, which every subject
// reaches.
std::optional<double> NearestSubject(double D, double f) {
    if (!(D >= 4 * f) || !(f > 0))
        return std::nullopt;
    return (D + std::sqrt(D * D - 4 * D * f)) / 2;
}
} // namespace

std::string MinimumFocusNote(const LensRecord& lens, const LensSetup& setup, double distance,
                             const NumberSettings& settings) {
    if (!(lens.minFocus > 0) || !setup.unit || !(setup.f > 0))
        return {};
    const double s = ToMillimetres(distance, setup.unit->factor);
    const std::optional<double> nearestSubject = NearestSubject(lens.minFocus * 1000, setup.f);
    if (!nearestSubject || !(s < *nearestSubject) || !(s > 0))
        return {};
    const double nearest = FromMillimetres(setup.unit->factor)(lens.minFocus * 1000);
    const LengthWriting writing(*setup.unit, settings);
    return Arg(
        Tr("Lenses", "%1 from the lens is nearer than this lens focuses: %2 from the sensor."),
        {writing.WithUnit(distance), writing.WithUnit(nearest)});
}

std::optional<double> GreatestMagnification(const LensRecord& lens, double f) {
    // At the nearest subject it focuses, m = f/(s − f).
    const std::optional<double> s = NearestSubject(lens.minFocus * 1000, f);
    if (!s)
        return std::nullopt;
    return f / (*s - f);
}

std::string BeyondReachNote(const LensRecord& lens, double f, double m,
                            const NumberSettings& settings) {
    const std::optional<double> greatest = GreatestMagnification(lens, f);
    if (!greatest || !(m > *greatest * (1 + 1e-9)))
        return {};
    return Arg(
        Tr("Lenses", "Without extension this lens reaches at most %1\u00D7, at %2 m from "
                     "the sensor."),
        {FormatShortest(*greatest, 2, settings), FormatShortest(lens.minFocus, 3, settings)});
}

namespace {
// A number as a list's entries write theirs, "." always: to a tenth, or to
// a hundredth where a tenth would not be it ("23.0", "4.7", "10.25").
std::string EntryNumber(double v, int decimals) {
    char text[48];
    const auto end = std::to_chars(text, text + sizeof text, v, std::chars_format::fixed, decimals);
    return std::string(text, end.ptr);
}

std::string FocalEntryNumber(double f) {
    const bool tenths = std::fabs(f * 10 - std::round(f * 10)) < 1e-6;
    return EntryNumber(f, tenths ? 1 : 2);
}

// An aperture named as the list names its entries: "f/3.5", "f/11".
ChoiceEntry ApertureEntry(double N) {
    std::string number = EntryNumber(N, 1);
    if (number.size() > 2 && number.compare(number.size() - 2, 2, ".0") == 0)
        number.resize(number.size() - 2);
    return {Utf8ToCString("f/" + number), number};
}

std::optional<double> EntryValue(const ChoiceEntry& entry) {
    return entry.valueText ? ListNumber(*entry.valueText) : std::nullopt;
}

bool Near(double a, double b) {
    return a <= b * kNamedAperture && b <= a * kNamedAperture;
}
} // namespace

std::vector<ChoiceEntry> FocalLengthsOfLens(const std::vector<ChoiceEntry>& all,
                                            const LensRecord& lens) {
    std::vector<ChoiceEntry> out;
    const auto end = [](double f) {
        const std::string text = FocalEntryNumber(f);
        return ChoiceEntry{Utf8ToCString(text), text};
    };
    bool hasShortEnd = false, hasLongEnd = false;
    for (const ChoiceEntry& entry : all) {
        const std::optional<double> f = EntryValue(entry);
        if (!f || !lens.Reaches(*f))
            continue;
        if (!hasShortEnd && std::fabs(*f - lens.focalMin) > 1e-6 * lens.focalMin)
            out.push_back(end(lens.focalMin));
        hasShortEnd = true;
        hasLongEnd = std::fabs(*f - lens.focalMax) <= 1e-6 * lens.focalMax;
        out.push_back(entry);
    }
    if (!hasShortEnd)
        out.push_back(end(lens.focalMin));
    if (!hasLongEnd && !lens.IsPrime())
        out.push_back(end(lens.focalMax));
    return out;
}

std::vector<ChoiceEntry> AperturesOfLens(const std::vector<ChoiceEntry>& all,
                                         const LensRecord& lens, double f) {
    const double widest = WidestAt(lens, f);
    const NumberSettings any;
    std::vector<ChoiceEntry> out;
    for (const ChoiceEntry& entry : all)
        if (const std::optional<double> N = EntryValue(entry);
            N && ApertureRefusal(lens, f, *N, any).empty())
            out.push_back(entry);
    const auto valueOf = [](const ChoiceEntry& entry) { return EntryValue(entry).value_or(0); };
    if (widest > 0 && (out.empty() || !Near(valueOf(out.front()), widest)))
        out.insert(out.begin(), ApertureEntry(std::ceil(widest * 10 - 1e-6) / 10));
    if (!out.empty() && !Near(valueOf(out.back()), lens.smallest) &&
        lens.smallest > valueOf(out.back()))
        out.push_back(ApertureEntry(std::floor(lens.smallest * 10 + 1e-6) / 10));
    return out;
}
