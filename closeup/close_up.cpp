#include "closeup/close_up.h"

#include "calc/calculation.h"
#include "calc/number_text.h"
#include "framework/base/translate.h"

#include <cmath>

namespace {
bool Positive(double v) {
    return v > 0 && std::isfinite(v);
}

// Why the lens and the setup cannot be calculated with; empty when they can.
std::string LensRefusal(const LensSetup& lens, const CloseUpSetup& setup) {
    if (!Positive(lens.f))
        return RefusalText(CalculationStatus::BadFocalLength);
    if (!Positive(lens.N) || !Positive(lens.c))
        return Tr("Close-Up", "Choose an aperture and a circle of confusion first.");
    if (!Positive(setup.pupil))
        return Tr("Close-Up", "The pupil magnification must be a positive number.");
    if (!(setup.extension >= 0) || !(setup.extension <= kLongestExtensionMm))
        return Tr("Close-Up", "The extension must be from 0 to 10,000 mm.");
    return {};
}

// The shot at magnification m, the subject s from the lens.
CloseUpShot ShotAt(const LensSetup& lens, SensorSize sensor, const CloseUpSetup& setup, double m,
                   double s) {
    CloseUpShot r;
    r.magnification = m;
    r.focusedAt = s;
    r.subjectDistance = lens.f * (1 + 1 / m);
    const double k = 1 + m / setup.pupil;
    r.workingFNumber = lens.N * k;
    r.stopsLost = 2 * std::log2(k);
    const double blur = lens.N * lens.c / lens.f;
    const double denominator = m * m - blur * blur;
    r.depthInfinite = !(denominator > 0);
    if (!r.depthInfinite)
        r.depthClassic = 2 * lens.N * lens.c * k / denominator;
    const double aperture = m / (2 * r.workingFNumber); // the numerical aperture at the subject
    r.depthWave = kGreenLightMm / (aperture * aperture);
    r.airyDisc = AiryDiscMm(r.workingFNumber);
    r.diffractionBlurs = r.airyDisc > lens.c;
    if (sensor.width > 0 && sensor.height > 0) {
        r.fieldWidth = sensor.width / m;
        r.fieldHeight = sensor.height / m;
    }
    r.subjectToSensor = lens.f * (1 + m) * (1 + m) / m;
    for (const double v : {r.workingFNumber, r.stopsLost, r.depthClassic, r.depthWave, r.airyDisc,
                           r.fieldWidth, r.fieldHeight, r.subjectToSensor, r.subjectDistance})
        if (!std::isfinite(v))
            r.refusal = RefusalText(CalculationStatus::DistanceTooLarge);
    return r;
}
} // namespace

CloseUpShot CloseUpAtMagnification(const LensSetup& lens, SensorSize sensor,
                                   const CloseUpSetup& setup, double m) {
    CloseUpShot refused;
    if (!(refused.refusal = LensRefusal(lens, setup)).empty())
        return refused;
    if (!Positive(m) || m > kGreatestMagnification) {
        refused.refusal = Tr("Close-Up", "The magnification must be a positive number up to 1000.");
        return refused;
    }
    // m = f / (s − f) + e / f: the extension alone gives e / f, with the lens at infinity.
    const double byExtension = setup.extension / lens.f;
    if (!(m >= byExtension)) {
        refused.refusal =
            Arg(Tr("Close-Up", "With this extension the magnification is at least %1."),
                {FormatShortest(byExtension, 3, PlainNumberSettings())});
        return refused;
    }
    return ShotAt(lens, sensor, setup, m,
                  m == byExtension ? INFINITY : lens.f + lens.f / (m - byExtension));
}

CloseUpShot CloseUpAtDistance(const LensSetup& lens, SensorSize sensor, const CloseUpSetup& setup,
                              double s) {
    CloseUpShot refused;
    if (!(refused.refusal = LensRefusal(lens, setup)).empty())
        return refused;
    if (std::isinf(s) || s > kFarthestSubjectMm) {
        refused.refusal = RefusalText(CalculationStatus::DistanceTooLarge);
        return refused;
    }
    if (!Positive(s) || !(s > lens.f)) {
        refused.refusal =
            Tr("Close-Up", "The subject must be farther from the lens than its focal length.");
        return refused;
    }
    return ShotAt(lens, sensor, setup, lens.f / (s - lens.f) + setup.extension / lens.f, s);
}

std::optional<double> ReadMagnification(std::string_view text, const NumberSettings& settings) {
    std::string typed(TrimBlanks(text));
    for (const std::string_view times : {"\u00D7", "x", "X"})
        if (typed.size() > times.size() &&
            typed.compare(typed.size() - times.size(), times.size(), times) == 0) {
            typed.erase(typed.size() - times.size());
            typed = std::string(TrimBlanks(typed));
            break;
        }
    const auto number = [&settings](std::string_view t) -> std::optional<double> {
        const std::string plain = NormalizeDecimalSeparator(std::string(TrimBlanks(t)), settings);
        std::size_t used = 0;
        const double v = ParseDecimalPrefix(plain, &used);
        if (used == 0 || used != plain.size() || !Positive(v))
            return std::nullopt;
        return v;
    };
    const std::size_t colon = typed.find(':');
    if (colon == std::string::npos)
        return number(typed);
    const std::optional<double> image = number(std::string_view(typed).substr(0, colon));
    const std::optional<double> object = number(std::string_view(typed).substr(colon + 1));
    if (!image || !object || !Positive(*image / *object))
        return std::nullopt;
    return *image / *object;
}

LensStack PlanLensStack(const LensSetup& lens, double nearest, std::optional<double> farthest,
                        double overlap) {
    LensStack plan;
    if (!(plan.refusal = LensRefusal(lens, {})).empty())
        return plan;
    if (!(overlap >= 0 && overlap <= 0.9)) {
        plan.refusal = Tr("Close-Up", "The overlap must be from 0 to 90 %.");
        return plan;
    }
    const FromMillimetres toUnit(lens.unit->factor);
    const double x = ToMillimetres(nearest, lens.unit->factor);
    const double y = farthest ? ToMillimetres(*farthest, lens.unit->factor) : INFINITY;
    if (!(x < kFarthestSubjectMm) || (farthest && !(y < kFarthestSubjectMm))) {
        plan.refusal = RefusalText(CalculationStatus::DistanceTooLarge);
        return plan;
    }
    if (!Positive(x) || !(x > lens.f)) {
        plan.refusal =
            Tr("Plan Focus", "The nearest sharp point must be farther than the focal length.");
        return plan;
    }
    if (!(y > x)) {
        plan.refusal = Tr("Plan Focus", "The farthest sharp point must be beyond the nearest.");
        return plan;
    }
    const double f = lens.f;
    const double H = ComputeDepthOfField(f, lens.N, lens.c, f * 2).hyperfocal;
    // The focus whose far limit is `far` (the hyperfocal distance for infinity).
    const auto focusFor = [&](double far) { return std::isinf(far) ? H : far * H / (H - f + far); };
    double s = focusFor(y);
    while (true) {
        const DepthOfField d = ComputeDepthOfField(f, lens.N, lens.c, s);
        plan.shots.push_back({toUnit(s), toUnit(d.nearLimit), toUnit(d.farLimit), d.farIsInfinite});
        if (d.nearLimit <= x)
            return plan;
        // The next far limit overlaps this depth by `overlap` of it in dioptres.
        const double inverseFar = d.farIsInfinite ? 0 : 1 / d.farLimit;
        const double nextFar = 1 / (1 / d.nearLimit - overlap * (1 / d.nearLimit - inverseFar));
        const double next = focusFor(nextFar);
        if (plan.shots.size() >= kMostShots || !(next < s) || !std::isfinite(next)) {
            plan.shots.clear();
            plan.refusal = Tr("Close-Up", "The plan would take more than 10,000 shots.");
            return plan;
        }
        s = next;
    }
}

RailStack PlanRailStack(const LensSetup& lens, SensorSize sensor, const CloseUpSetup& setup,
                        double m, double depth, double overlap) {
    RailStack plan;
    plan.shot = CloseUpAtMagnification(lens, sensor, setup, m);
    if (!(plan.refusal = plan.shot.refusal).empty())
        return plan;
    if (!(overlap >= 0 && overlap <= 0.9)) {
        plan.refusal = Tr("Close-Up", "The overlap must be from 0 to 90 %.");
        return plan;
    }
    if (!Positive(depth)) {
        plan.refusal = Tr("Close-Up", "The depth to cover must be a positive length.");
        return plan;
    }
    if (plan.shot.depthInfinite) { // one shot holds any depth
        plan.positions = {0};
        return plan;
    }
    plan.step = (1 - overlap) * plan.shot.depthClassic;
    plan.waveStep = (1 - overlap) * plan.shot.depthWave;
    const double shots = std::ceil(depth / plan.step) + 1;
    if (!(shots <= static_cast<double>(kMostShots))) {
        plan.refusal = Tr("Close-Up", "The plan would take more than 10,000 shots.");
        return plan;
    }
    for (std::size_t k = 0; k < static_cast<std::size_t>(shots); ++k)
        plan.positions.push_back(static_cast<double>(k) * plan.step);
    return plan;
}
