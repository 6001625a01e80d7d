#pragma once
// Closer than one shot can hold: the magnification and the working
// aperture, the depth of field at close range (classic, and by wave
// optics), and a plan for focus stacking, by refocusing the lens or by
// moving the camera on a rail. Every length is in millimetres here; the
// lens is the main form's, read once (`LensSetup`).

#include "calc/lens.h"
#include "framework/base/number_format.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// What a close-up setup adds to the lens.
struct CloseUpSetup {
    double extension = 0; // mm of tubes or bellows behind the lens
    double pupil = 1;     // exit pupil over entrance pupil; 1 when not known
};

// The numbers of one close-up shot, in millimetres (lengths) and stops.
struct CloseUpShot {
    double magnification = 0;
    double subjectDistance = 0; // from the lens: f·(1 + 1/m), the main form's s without extension
    double focusedAt =
        0; // where the lens is focused, s of m = f/(s − f) + e/f; infinite at m = e/f
    double workingFNumber = 0;              // N · (1 + m / P)
    double stopsLost = 0;                   // 2 · log2(1 + m / P)
    double depthClassic = 0;                // 2 · N · c · (1 + m / P) / (m² − (N · c / f)²)
    bool depthInfinite = false;             // that denominator is not positive
    double depthWave = 0;                   // λ / NA², NA = m / (2 · N_w)
    double airyDisc = 0;                    // 2.44 · λ · N_w
    bool diffractionBlurs = false;          // the Airy disc is larger than c
    double fieldWidth = 0, fieldHeight = 0; // at the subject; 0 when the sensor is not known
    double subjectToSensor = 0;             // f · (1 + m)² / m
    std::string refusal;                    // why there is none; empty when there is
};

// The shot at magnification `m`, or at subject distance `s` (mm from the lens).
CloseUpShot CloseUpAtMagnification(const LensSetup& lens, SensorSize sensor,
                                   const CloseUpSetup& setup, double m);
CloseUpShot CloseUpAtDistance(const LensSetup& lens, SensorSize sensor, const CloseUpSetup& setup,
                              double s);

// "0.5", "0.5x", "0.5×", "1:2", "2:1" (in the person's number settings);
// none for anything else or for a magnification that is not positive.
std::optional<double> ReadMagnification(std::string_view text, const NumberSettings& settings);

// One shot of a stack by refocusing, in the unit.
struct StackShot {
    double focus = 0, nearLimit = 0, farLimit = 0;
    bool farIsInfinite = false;
};

struct LensStack {
    std::vector<StackShot> shots;
    std::string refusal; // one sentence; empty when there is a plan
};

// Refocusing the lens from the far end to the near one: the nearest point
// `nearest` and the farthest `farthest` (none: infinity) that must be sharp,
// in the unit, each next shot's depth overlapping the previous one's by
// `overlap` (0 to 0.9) of it in dioptres. At most kMostShots shots.
LensStack PlanLensStack(const LensSetup& lens, double nearest, std::optional<double> farthest,
                        double overlap);

// Moving the camera on a rail: the depth `depth` (mm) to cover at
// magnification `m`, each step (1 − overlap) of the depth of one shot.
struct RailStack {
    CloseUpShot shot;              // what one shot holds
    double step = 0;               // mm, by the classic depth
    double waveStep = 0;           // mm, by wave optics
    std::vector<double> positions; // mm from the first, one a shot
    std::string refusal;
};
RailStack PlanRailStack(const LensSetup& lens, SensorSize sensor, const CloseUpSetup& setup,
                        double m, double depth, double overlap);

inline constexpr std::size_t kMostShots = 10000;
inline constexpr double kGreatestMagnification = 1000;
inline constexpr double kLongestExtensionMm = 10000; // ten metres of bellows
inline constexpr double kFarthestSubjectMm = 1e12;   // a thousand kilometres
inline constexpr double kDefaultOverlap = 0.2;
