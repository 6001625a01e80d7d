#include "cli/choices.h"

#include "calc/typed_distance.h"
#include "cameras/camera_table.h"
#include "cameras/data_state.h"
#include "finder/camera_catalog.h"
#include "finder/camera_search.h"
#include "finder/lensfun_cameras.h"
#include "finder/own_cameras.h"
#include "framework/base/nocase.h"
#include "framework/base/translate.h"
#include "lenses/lens_limits.h"
#include "lenses/own_lenses.h"
#include "settings/settings_file.h"

#include <algorithm>

namespace {
// The camera whose whole name is `typed`, in any case.
std::optional<std::size_t> WholeName(const std::vector<FoundCamera>& cameras,
                                     const std::string& typed) {
    const CString wanted = Utf8ToCString(typed);
    for (std::size_t i = 0; i < cameras.size(); ++i)
        if (CompareNoCase(Utf8ToCString(cameras[i].name), wanted) == 0)
            return i;
    return std::nullopt;
}

// --camera TEXT where a camera of the list's has a longer name that begins
// with it ("Nikon D5", the list's "Nikon D50"): the person's camera or
// lensfun's whose whole name it is, which a name typed whole means. False
// when none has that name.
bool ChooseByWholeName(Choices& choices, const CString& text, const CommandLineContext& machine) {
    ListChoice& list = choices.camera;
    const auto whole = [&text](const ChoiceEntry& e) {
        return CompareNoCase(e.displayText, text) == 0;
    };
    if (const auto at = std::find_if(list.entries.begin(), list.entries.end(), whole);
        at != list.entries.end()) {
        list.selected = static_cast<int>(at - list.entries.begin());
        return true;
    }
    if (SelectStoredChoice(list.entries, text) < 0)
        return false; // no camera of the list's begins with it: found as before
    choices.own =
        ReadOwnCameras(SettingsLocationFor(machine.programPath, machine.configHome)).cameras;
    if (const auto own = WholeName(choices.own, CStringToUtf8(text))) {
        for (std::size_t i = 0; i < choices.own.size(); ++i)
            list.entries.push_back(
                {Utf8ToCString(choices.own[i].name), "own:" + std::to_string(i)});
        list.selected = static_cast<int>(list.entries.size() - choices.own.size() + *own);
        return true;
    }
    const std::vector<FoundCamera>& lensfun = LensfunCameras().cameras;
    if (const auto found = WholeName(lensfun, CStringToUtf8(text))) {
        choices.found = lensfun[*found];
        return true;
    }
    choices.own.clear();
    return false;
}

// A camera the list does not have, found among lensfun's by the words typed:
// the one they mean, or a usage error naming the candidates; nothing found
// leaves `choices.found` empty (and says in `unread` when the database
// could not be read). Words that find a camera of the list ("35mm") name
// the list's nearest entries instead, as before.
std::optional<CommandResult> ChooseFromLensfun(Choices& choices, const std::string& typed,
                                               const std::string& verb, std::string& unread) {
    const CameraDatabase& lensfun = LensfunCameras();
    unread = lensfun.problem;
    if (const std::optional<std::size_t> whole = WholeName(lensfun.cameras, typed)) {
        choices.found = lensfun.cameras[*whole];
        return std::nullopt;
    }
    if (!FindCameras(BuiltInCameras(), typed, 1).empty())
        return std::nullopt;
    const CameraChoice choice = ChooseCamera(lensfun.cameras, typed);
    if (choice.chosen) {
        choices.found = lensfun.cameras[*choice.chosen];
        return std::nullopt;
    }
    if (choice.candidates.empty())
        return std::nullopt;
    std::string names;
    for (const std::size_t i : choice.candidates)
        names += (names.empty() ? "" : ", ") + lensfun.cameras[i].name;
    return UsageError(verb,
                      Arg(Tr("Command line", "--camera \"%1\" could be %2; give more of the name"),
                          {typed, names}));
}
} // namespace

bool ChooseNumber(ListChoice& list, const std::string& given, const NumberSettings& numbers) {
    if (!TakesTypedNumbers(list.kind))
        return false;
    // As the window reads a text typed into the list (EntryOfTypedText).
    list.selected = EntryOfTypedText(list.kind, list.entries, given, numbers);
    if (list.selected >= 0)
        return true;
    const std::optional<std::string> value = TypedValue(list.kind, given, numbers);
    if (!value)
        return false;
    list.typedValue = value;
    list.typedText = given;
    return true;
}

namespace {
// The stored choices, where an option leaves one to them: waited for while
// another copy holds them, as the window waits. A refusal when they cannot be read.
std::optional<CommandResult> ReadStoredChoices(Choices& choices, const Parsed& parsed,
                                               const CommandLineContext& machine,
                                               CDataState& stored) {
    const bool allGiven =
        std::all_of(std::begin(kChoiceOptions), std::begin(kChoiceOptions) + 5,
                    [&](const char* option) { return parsed.values.count(option); });
    if (allGiven)
        return std::nullopt;
    const SettingsLocation where = SettingsLocationFor(machine.programPath, machine.configHome);
    bool held = false;
    ReadSettingsFile(where, &stored, &held, kSettingsHeldPatienceMs);
    if (held)
        return CommandResult{1,
                             "",
                             "vextondof: " +
                                 Tr("Command line",
                                    "another copy of Vexton.DOF.CE holds your settings, so your "
                                    "choices cannot be read; try again, or give every choice as "
                                    "an option (--camera, --focal-length, --aperture, --unit, "
                                    "--cofc).") +
                                 "\n",
                             "",
                             false,
                             {}};
    if (where.KeptForTheRunOnly())
        choices.warning = "vextondof: " +
                          Arg(Tr("Command line", "the configuration folder %1 is not yours: "
                                                 "your stored choices were not read."),
                              {machine.configHome}) +
                          "\n";
    return std::nullopt;
}

// The person's cameras follow the built-in ones in the list: read only
// when no built-in camera is chosen, so that a calculation with one reads
// no more files than before.
void ChooseOwnCamera(Choices& choices, const CString& text, const CommandLineContext& machine) {
    ListChoice& list = choices.camera;
    choices.own =
        ReadOwnCameras(SettingsLocationFor(machine.programPath, machine.configHome)).cameras;
    for (std::size_t i = 0; i < choices.own.size(); ++i)
        list.entries.push_back({Utf8ToCString(choices.own[i].name), "own:" + std::to_string(i)});
    list.selected = SelectStoredChoice(list.entries, text);
}

// A given choice that is none of its list's, said with the nearest entries.
CommandResult NotInList(const ListChoice& list, const std::string& given, const std::string& verb,
                        const std::string& unread) {
    return UsageError(
        verb, Arg(TakesTypedNumbers(list.kind)
                      ? Tr("Command line",
                           "the %1 \"%2\" is not in the list and is not a number; nearest: %3")
                      : Tr("Command line", "no %1 begins with \"%2\"; nearest: %3"),
                  {Tr("Command line", list.name), given,
                   NearestEntries(list.kind, list.entries, given)}) +
                  (unread.empty() ? "" : ". " + unread));
}

// One list's choice, from its option or the stored choice; a refusal when
// it makes none.
std::optional<CommandResult> ChooseIn(Choices& choices, ListChoice& list, const Parsed& parsed,
                                      const CommandLineContext& machine, const std::string& verb) {
    const auto given = parsed.values.find(list.option);
    const bool isGiven = given != parsed.values.end();
    const CString text =
        isGiven ? Utf8ToCString(AsTheListWritesIt(list.kind, given->second)) : list.stored;
    if (isGiven && ChooseNumber(list, given->second, machine.numbers))
        return std::nullopt;
    // A camera's whole name means that camera, before a longer name it begins.
    if (&list == &choices.camera && isGiven && ChooseByWholeName(choices, text, machine))
        return std::nullopt;
    if (&list == &choices.cofc && isGiven) {
        std::string error;
        if ((list.typedValue = CocInPlace(choices, given->second, machine.numbers, error))) {
            list.typedText = given->second;
            return std::nullopt;
        }
        if (!error.empty())
            return UsageError(verb, error);
    }
    // A stored choice by the stored-choice rule; a number given for a list
    // of numbers is an entry or a number (ChooseNumber), never the entry its
    // first characters begin.
    list.selected =
        isGiven && TakesTypedNumbers(list.kind) ? -1 : SelectStoredChoice(list.entries, text);
    // A number typed on the form and kept as typed, in the one form every
    // language reads (or as a file written before holds it).
    if (list.selected < 0 && !isGiven)
        if ((list.typedValue = StoredTypedValue(list.kind, CStringToUtf8(text))))
            list.typedText = CStringToUtf8(text);
    if (list.typedValue)
        return std::nullopt;
    if (list.selected < 0 && &list == &choices.camera)
        ChooseOwnCamera(choices, text, machine);
    if (list.selected >= 0)
        return std::nullopt;
    std::string unread; // why lensfun's cameras could not be asked
    if (&list == &choices.camera && isGiven) {
        if (auto wrong = ChooseFromLensfun(choices, given->second, verb, unread))
            return wrong;
        if (choices.found)
            return std::nullopt;
    }
    if (isGiven)
        return NotInList(list, given->second, verb, unread);
    return Refused(ChoiceRefusal(list.kind, "")); // the form's own sentence
}
} // namespace

namespace {
// The lens --lens names among the person's and lensfun's: the one the words
// find, or the one whose name they are whole; a prime's focal length when
// none is given. What the lens cannot do is refused in one sentence.
std::optional<CommandResult> ChooseLens(Choices& choices, const Parsed& parsed,
                                        const CommandLineContext& machine) {
    const std::string words = Option(parsed, "--lens");
    const OwnLenses own =
        ReadOwnLenses(SettingsLocationFor(machine.programPath, machine.configHome));
    const std::vector<LensRecord> lenses = AllLenses(own);
    const LensChoice choice = ChooseLens(lenses, words);
    if (!choice.chosen) {
        std::string names;
        for (std::size_t k = 0; k < choice.candidates.size(); ++k)
            names += (k ? "; " : "") + lenses[choice.candidates[k]].name;
        return Refused(choice.candidates.empty()
                           ? Arg(Tr("Command line", "No lens matches \"%1\"."), {TypedShown(words)})
                           : Arg(Tr("Lenses", "\"%1\" names several lenses: %2."),
                                 {TypedShown(words), names}));
    }
    const std::optional<std::size_t> chosen = choice.chosen;
    choices.lens = lenses[*chosen];
    const LensRecord& lens = *choices.lens;
    if (lens.IsPrime() && !parsed.values.count("--focal-length"))
        ChooseNumber(choices.focalLength, FormatShortest(lens.focalMin, 3, PlainNumberSettings()),
                     PlainNumberSettings());
    const double f = ParseDecimal(Value(choices.focalLength));
    std::string refusal = FocalLengthRefusal(lens, f, machine.numbers);
    if (refusal.empty() && choices.aperture.Chosen())
        refusal = ApertureRefusal(lens, f, ParseDecimal(Value(choices.aperture)), machine.numbers);
    if (!refusal.empty())
        return Refused(refusal);
    return std::nullopt;
}
} // namespace

std::optional<CommandResult> Choose(Choices& choices, const Parsed& parsed,
                                    const CommandLineContext& machine, const std::string& verb) {
    CDataState stored;
    if (auto refused = ReadStoredChoices(choices, parsed, machine, stored))
        return refused;
    choices.camera.stored = stored.m_strCamera;
    choices.focalLength.stored = stored.m_strFocalLength;
    choices.aperture.stored = stored.m_strAperture;
    choices.unit.stored = stored.m_strUnit;
    choices.cofc.stored = stored.m_strCofC;
    for (ListChoice* list :
         {&choices.camera, &choices.focalLength, &choices.aperture, &choices.unit, &choices.cofc})
        if (auto refused = ChooseIn(choices, *list, parsed, machine, verb))
            return refused;
    if (parsed.values.count("--lens"))
        return ChooseLens(choices, parsed, machine);
    return std::nullopt;
}

std::string LensNote(const Choices& choices, const Lens& lens, double distance,
                     const NumberSettings& numbers) {
    if (!choices.lens)
        return {};
    const std::string note = MinimumFocusNote(*choices.lens, lens.Setup(), distance, numbers);
    return note.empty() ? note : Note(note);
}

std::string Value(const ListChoice& list) {
    if (list.typedValue)
        return *list.typedValue;
    return list.entries[static_cast<std::size_t>(list.selected)].valueText.value_or("");
}

Lens LensOf(const Choices& choices, const Parsed& parsed, const NumberSettings& numbers) {
    const auto shown = [](const ListChoice& list) {
        return CStringToUtf8(list.entries[static_cast<std::size_t>(list.selected)].displayText);
    };
    const std::string cameraValue = choices.camera.selected >= 0 ? Value(choices.camera) : "";
    const FoundCamera* found = choices.found ? &*choices.found : nullptr;
    if (!found && cameraValue.rfind("own:", 0) == 0)
        found = &choices.own.at(std::stoul(cameraValue.substr(4)));
    const CameraRecord* record = found ? nullptr : CameraForValue(cameraValue);
    const std::string focalLength = Value(choices.focalLength), aperture = Value(choices.aperture),
                      unit = Value(choices.unit), cofc = Value(choices.cofc),
                      distance = Option(parsed, "--distance"),
                      diopter = Option(parsed, "--diopter");
    Lens lens = ReadLens({focalLength, aperture, unit, cofc,
                          found ? found->cropFactor : record->cropFactor, distance, diopter},
                         numbers);
    lens.cameraName = found ? found->name : shown(choices.camera);
    lens.sensor = found ? SensorSize{found->sensorWidth, found->sensorHeight}
                        : SensorSize{record->sensorWidth, record->sensorHeight};
    lens.apertureText =
        choices.aperture.typedValue ? "f/" + *choices.aperture.typedValue : shown(choices.aperture);
    lens.unitName = shown(choices.unit);
    // A distance typed with its own unit ("250 cm") in the lens's.
    if (const std::optional<double> typed = ReadTypedDistance(distance, numbers, lens.Unit()))
        lens.distance = typed;
    return lens;
}

ChosenSensor SensorOf(const Choices& choices) {
    const std::string value = choices.camera.selected >= 0 ? Value(choices.camera) : "";
    const FoundCamera* found = choices.found ? &*choices.found : nullptr;
    if (!found && value.rfind("own:", 0) == 0)
        found = &choices.own.at(std::stoul(value.substr(4)));
    if (found)
        return {found->name,
                {{found->sensorWidth, found->sensorHeight}, found->cropFactor},
                std::nullopt};
    const CameraRecord* camera = CameraForValue(value);
    if (!camera)
        return {};
    return {camera->name,
            {{camera->sensorWidth, camera->sensorHeight}, camera->cropFactor},
            PixelWidthOf(camera->imageSizeText)};
}

std::optional<std::string> CocInPlace(const Choices& choices, const std::string& text,
                                      const NumberSettings& numbers, std::string& error) {
    error.clear();
    const bool print = text.rfind("print:", 0) == 0, pixels = text.rfind("pixels:", 0) == 0;
    if (!print && !pixels)
        return std::nullopt;
    const ChosenSensor chosen = SensorOf(choices);
    if (!(chosen.camera.sensor.width > 0) || !(chosen.camera.sensor.height > 0)) {
        error = Arg(Tr("Command line", "--cofc %1 needs the camera's sensor size"), {text});
        return std::nullopt;
    }
    if (print) {
        const std::string rest = text.substr(6);
        const std::size_t at = rest.find('@');
        const std::optional<PrintSize> size = ReadPrintSize(rest.substr(0, at), numbers);
        const std::optional<double> viewing =
            at == std::string::npos ? std::optional<double>(0)
                                    : ReadViewingDistance(rest.substr(at + 1), numbers);
        if (!size || !viewing) {
            error = Tr("Command line", "--cofc print: takes a print and where it is seen from "
                                       "(\"print:20x30cm@36cm\")");
            return std::nullopt;
        }
        const CocFromPrint c =
            CocOfPrint(chosen.camera, *size, *viewing, Eyesights().front().linePairs);
        if ((error = CocRefusal(c.onSensorMm, c.equivalentMm, numbers)).empty())
            return CocValueText(c.equivalentMm);
        return std::nullopt;
    }
    std::size_t length = 0;
    const double factor = ParseDecimalPrefix(text.substr(7), &length);
    if (length == 0 || length != text.size() - 7 || !(factor > 0) || !(factor <= 100)) {
        error = Tr("Command line", "--cofc pixels: takes how many pixels (\"pixels:2\")");
        return std::nullopt;
    }
    if (!chosen.pixelWidth) {
        error = Arg(Tr("Command line",
                       "--cofc pixels: needs the camera's width in pixels, which %1's "
                       "data does not give; vextondof coc --pitch gives the circle from the "
                       "pixel pitch"),
                    {chosen.name});
        return std::nullopt;
    }
    const CocFromPixels c =
        CocOfPixels(chosen.camera, PitchOfPixels(chosen.camera, *chosen.pixelWidth), factor);
    if ((error = CocRefusal(c.onSensorMm, c.equivalentMm, numbers)).empty())
        return CocValueText(c.equivalentMm);
    return std::nullopt;
}

// One end of --apertures: an entry of the aperture list by the list's rule,
// or an f-number it has none for.
namespace {
std::optional<double> ApertureEnd(const std::string& typed, StopSteps steps,
                                  const NumberSettings& numbers) {
    if (const std::optional<NamedAperture> stop = StopNamed(typed, steps))
        return stop->N; // a stop of the steps asked for, at its true f-number
    ListChoice list{ListKind::Aperture, "--apertures", "aperture", ApertureChoices(), {}};
    if (!ChooseNumber(list, typed, numbers))
        list.selected =
            SelectStoredChoice(list.entries, Utf8ToCString(AsTheListWritesIt(list.kind, typed)));
    if (!list.Chosen())
        return std::nullopt;
    return ParseDecimal(Value(list));
}
} // namespace

// --apertures FROM:TO; the default stops, widened to the chosen aperture (or the lens in
// use's), otherwise.
std::optional<std::pair<double, double>>
ApertureRange(const Parsed& parsed, const Lens& lens, const std::optional<LensRecord>& owned,
              StopSteps steps, const NumberSettings& numbers, std::string& error) {
    const std::string range = Option(parsed, "--apertures");
    if (range.empty()) {
        const auto [first, last] =
            DefaultApertureRange(ChosenAperture(lens), owned, lens.focalLength);
        return std::pair{first.N, last.N};
    }
    const std::size_t colon = range.find(':');
    const std::optional<double> from = colon == std::string::npos
                                           ? std::nullopt
                                           : ApertureEnd(range.substr(0, colon), steps, numbers);
    const std::optional<double> to = colon == std::string::npos
                                         ? std::nullopt
                                         : ApertureEnd(range.substr(colon + 1), steps, numbers);
    if (!from || !to) {
        error = Tr("Command line",
                   "--apertures takes FROM:TO, two apertures (\"f/4:f/16\", \"2.8:6.3\")");
        return std::nullopt;
    }
    return std::pair{*from, *to};
}

std::optional<CommandResult> ReadTableLens(const Parsed& parsed, const CommandLineContext& machine,
                                           const char* verb, StopSteps steps, Choices& choices,
                                           Lens& lens, TableRequest& request) {
    if (auto failed = Choose(choices, parsed, machine, verb))
        return failed;
    lens = LensOf(choices, parsed, machine.numbers);
    std::string rangeError;
    const auto range =
        ApertureRange(parsed, lens, choices.lens, steps, machine.numbers, rangeError);
    if (!range)
        return UsageError(verb, rangeError);
    Lens atOne = lens;
    atOne.fNumber = 1.0;
    atOne.distance = 1.0;
    if (const CalculationResult one = Calculate(atOne, machine.numbers);
        one.status == CalculationStatus::BadFocalLength)
        return Refused(RefusalText(one.status));
    request.lens = lens;
    SetApertureColumns(request, range->first, range->second, steps, ChosenAperture(lens));
    if (request.apertures.empty())
        return UsageError(verb, NoStopBetween());
    return std::nullopt;
}
