#include "lenses/lens_limits.h"

#include "calc/dof.h"
#include "calc/fine_lengths.h"
#include "calc/number_text.h"
#include "framework/base/translate.h"

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
    if (f >= lens.focalMin * (1 - 1e-6) && f <= lens.focalMax * (1 + 1e-6))
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

std::string MinimumFocusNote(const LensRecord& lens, const LensSetup& setup, double distance,
                             const NumberSettings& settings) {
    if (!(lens.minFocus > 0) || !setup.unit || !(setup.f > 0))
        return {};
    const double s = ToMillimetres(distance, setup.unit->factor);
    if (!(s > setup.f) || !std::isfinite(s))
        return {};
    const double nearest = FromMillimetres(setup.unit->factor)(lens.minFocus * 1000);
    if (!(FromSensorPlane(setup, distance) < nearest))
        return {};
    const LengthWriting writing(*setup.unit, settings);
    return Arg(
        Tr("Lenses", "%1 from the lens is nearer than this lens focuses: %2 from the sensor."),
        {writing.WithUnit(distance), writing.WithUnit(nearest)});
}

std::optional<double> GreatestMagnification(const LensRecord& lens, double f) {
    // s + f·s/(s − f) = D: s = (D + √(D² − 4·D·f)) / 2, and m = f/(s − f).
    const double D = lens.minFocus * 1000;
    if (!(D >= 4 * f) || !(f > 0))
        return std::nullopt;
    const double s = (D + std::sqrt(D * D - 4 * D * f)) / 2;
    return f / (s - f);
}
