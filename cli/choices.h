#pragma once
// The five lists from a terminal: each choice selected by the list's rule
// from an option or the stored choices, and the lens they make, as a press
// reads it.

#include "calc/calculation.h"
#include "calc/lens.h"
#include "cli/nearest.h"
#include "cli/options.h"
#include "coc/coc_helper.h"
#include "finder/found_camera.h"
#include "framework/base/translate.h"
#include "lenses/lens_catalog.h"
#include "table/dof_table.h"

#include <optional>
#include <string>
#include <vector>

// One of the main form's lists.
struct ListChoice {
    ListKind kind;
    const char* option;
    const char* name; // "camera", in "no camera begins with ..."
    std::vector<ChoiceEntry> entries;
    CString stored;
    int selected = -1;
    // A number typed that the list has no entry for ("f/6.3", "23 mm"): its
    // value text, and the name it goes by ("f/6.3", "23 mm").
    std::optional<std::string> typedValue = std::nullopt;
    std::string typedText = {};
    bool Chosen() const { return selected >= 0 || typedValue.has_value(); }
};

// The five lists, each with the choice the options or the stored choices make.
struct Choices {
    ListChoice camera{
        ListKind::Camera, "--camera", TR_NOOP("Command line", "camera"), CameraChoices(), {}};
    ListChoice focalLength{ListKind::FocalLength,
                           "--focal-length",
                           TR_NOOP("Command line", "focal length"),
                           FocalLengthChoices(),
                           {}};
    ListChoice aperture{ListKind::Aperture,
                        "--aperture",
                        TR_NOOP("Command line", "aperture"),
                        ApertureChoices(),
                        {}};
    ListChoice unit{ListKind::Unit, "--unit", TR_NOOP("Command line", "unit"), UnitChoices(), {}};
    ListChoice cofc{ListKind::CircleOfConfusion,
                    "--cofc",
                    TR_NOOP("Command line", "circle of confusion"),
                    CofCChoices(),
                    {}};
    std::string warning; // for standard error: the stored choices could not be read
    // The person's cameras, after the built-in ones in the camera list
    // (their value texts "own:N"), and a camera of lensfun's, when --camera
    // names none of the list's.
    std::vector<FoundCamera> own;
    std::optional<FoundCamera> found;
    // The lens --lens chose, whose focal lengths and apertures the choices keep to.
    std::optional<LensRecord> lens;
};

// Selects each list's entry; a result when something is not understood
// (exit 2), a stored choice matches no entry (refused as the form would), or
// another copy of the program holds the stored choices past the window's
// patience while an option leaves a choice to them.
std::optional<CommandResult> Choose(Choices& choices, const Parsed& parsed,
                                    const CommandLineContext& machine, const std::string& verb);

// With a lens chosen, when `distance` (in the unit, from the lens) is
// nearer than it focuses: the note for standard error; "" otherwise.
std::string LensNote(const Choices& choices, const Lens& lens, double distance,
                     const NumberSettings& numbers);

// Chooses the entry an option that is a number names ("--aperture 3" is
// f/3, not the f/32 its first characters would select), or takes the
// number as typed where the list has no entry for it; false when `given`
// is not a number for the list.
bool ChooseNumber(ListChoice& list, const std::string& given, const NumberSettings& numbers);

// The selected entry's value text, or the typed number's.
std::string Value(const ListChoice& list);

// The chosen camera's sensor, name and, where its data gives it, its width
// in pixels.
struct ChosenSensor {
    std::string name;
    CocCamera camera;
    std::optional<double> pixelWidth;
};
ChosenSensor SensorOf(const Choices& choices);

// A circle of confusion computed in place, for --cofc: "print:20x30cm@36cm"
// (a print seen by normal eyes, from its diagonal when no distance is
// given) or "pixels:2" (that many of the camera's pixels); its 36 × 24 mm
// equivalent as a value text. Not such a text: none, and `error` empty;
// such a text that cannot be computed: none, and why in `error`.
std::optional<std::string> CocInPlace(const Choices& choices, const std::string& text,
                                      const NumberSettings& numbers, std::string& error);

// The lens the choices and the typed texts make, read once into numbers as
// a press reads them; a distance typed with its unit is read in it, any
// other as the main form reads it.
Lens LensOf(const Choices& choices, const Parsed& parsed, const NumberSettings& numbers);

// The choices, the lens they make and the columns --apertures asks for in
// `steps`, for a table or a chart of `verb`, into `request`; the usage error
// or the refusal instead when they make none (a diopter that leaves no
// focal length, a range that holds no stop).
std::optional<CommandResult> ReadTableLens(const Parsed& parsed, const CommandLineContext& machine,
                                           const char* verb, StopSteps steps, Choices& choices,
                                           Lens& lens, TableRequest& request);

// --apertures FROM:TO, two f-numbers: an end that names a stop of `steps`
// is that stop's true f-number ("f/7.1" in third stops is 2^(17/6)); the
// default stops, widened to the chosen aperture (or those the lens in use,
// `owned`, has), without it; none, and why in `error`, when not understood.
std::optional<std::pair<double, double>>
ApertureRange(const Parsed& parsed, const Lens& lens, const std::optional<LensRecord>& owned,
              StopSteps steps, const NumberSettings& numbers, std::string& error);
