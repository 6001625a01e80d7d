#pragma once
// Close-up shots and stacking plans as the person types them and reads
// them: the texts read once into numbers (close_up.h does the arithmetic),
// and the numbers written where they are read: a shot's lines, a plan's
// grid (which paper prints as the table's pages), its bars (drawn as the
// chart draws zones) and its file for programs. The form and the command
// line both show these.

#include "calc/lens.h"
#include "chart/dof_chart.h"
#include "closeup/close_up.h"
#include "table/dof_table.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// What the person typed for one close-up shot.
struct CloseUpTyped {
    std::string magnification; // "0.5", "0.5x", "1:2"; empty when the distance is given
    std::string distance;      // from the lens, in the unit or with its own
    std::string extension;     // millimetres, or with its unit; empty for none
    std::string pupil;         // empty: 1
};

// The setup and the shot the texts give; the shot's refusal says what is
// wrong or what to type.
struct CloseUpRead {
    CloseUpSetup setup;
    CloseUpShot shot;
};
CloseUpRead ReadCloseUp(const Lens& lens, const CloseUpTyped& typed,
                        const NumberSettings& settings);

// The shot's texts, one a line in the form's order: the magnification, the
// subject distance, the working aperture, the depth (classic, then by wave
// optics), the Airy disc, the field and the subject to the sensor. Empty
// for a refused shot.
inline constexpr std::size_t kCloseUpLines = 8;
std::vector<std::string> CloseUpTexts(const CloseUpShot& shot, const Lens& lens,
                                      const NumberSettings& settings);

// When diffraction blurs the shot at its working aperture, the sentence
// that says so; empty otherwise.
std::string CloseUpWarning(const CloseUpShot& shot, const Lens& lens,
                           const NumberSettings& settings);

// "0.5× (1:2)", "2× (2:1)".
std::string MagnificationText(double m, const NumberSettings& settings);

// A length at the subject's scale: three significant figures in
// millimetres, and in inches beside them in the imperial units.
std::string SmallLengthText(double mm, const DistanceUnit& unit, const NumberSettings& settings);

// How a stack is made.
enum class StackBy { Lens, Rail };

struct StackTyped {
    StackBy by = StackBy::Lens;
    std::string nearest, farthest; // by refocusing: in the unit or with their own
    bool farIsInfinite = true;
    std::string depth;   // on a rail: the depth to cover, in millimetres or with its unit
    std::string overlap; // percent; empty for 20
};

struct StackPlan {
    StackBy by = StackBy::Lens;
    LensStack lens; // by refocusing
    RailStack rail; // on a rail
    double overlap = kDefaultOverlap;
    std::string unit;    // the unit's name for programs: "meters"
    DofTable table;      // the grid: a row a shot, with its title and notes
    DofChart chart;      // a bar a shot
    std::string summary; // how many shots, or that one shot holds the range and where to focus it
    std::string refusal; // one sentence; empty when there is a plan
};

StackPlan MakeStackPlan(const Lens& lens, const CloseUpTyped& shot, const StackTyped& stack,
                        const NumberSettings& settings);

// The plan for programs (RFC 4180, CRLF): by refocusing,
// "shot,focus,near,far,unit", the lengths with six decimals in the unit
// and "inf" for infinity; on a rail,
// "shot,position_mm,step_mm,magnification,working_f_number,depth_mm".
inline constexpr const char* kLensStackCsvHeader = "shot,focus,near,far,unit";
inline constexpr const char* kRailStackCsvHeader =
    "shot,position_mm,step_mm,magnification,working_f_number,depth_mm";
void WriteStackCsv(const StackPlan& plan, const std::function<void(std::string_view)>& sink);
