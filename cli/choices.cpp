#include "cli/choices.h"

#include "calc/typed_distance.h"
#include "cameras/camera_table.h"
#include "cameras/data_state.h"
#include "settings/settings_file.h"

#include <algorithm>

std::optional<CommandResult> Choose(Choices& choices, const Parsed& parsed,
                                    const CommandLineContext& machine, const std::string& verb) {
    // The stored choices, where an option leaves one to them: waited for
    // while another copy holds them, as the window waits.
    CDataState stored;
    const bool allGiven =
        std::all_of(std::begin(kChoiceOptions), std::end(kChoiceOptions) - 1,
                    [&](const char* option) { return parsed.values.count(option); });
    if (!allGiven) {
        const SettingsLocation where = SettingsLocationFor(machine.programPath, machine.configHome);
        bool held = false;
        ReadSettingsFile(where, &stored, &held, kSettingsHeldPatienceMs);
        if (held)
            return CommandResult{1,
                                 "",
                                 "vextondof: another copy of Vexton.DOF.CE holds your settings, "
                                 "so your choices cannot be read; try again, or give every choice "
                                 "as an option (--camera, --focal-length, --aperture, --unit, "
                                 "--cofc).\n",
                                 "",
                                 false,
                                 {}};
        if (where.KeptForTheRunOnly())
            choices.warning = "vextondof: the configuration folder " + machine.configHome +
                              " is not yours: your stored choices were not read.\n";
    }
    choices.camera.stored = stored.m_strCamera;
    choices.focalLength.stored = stored.m_strFocalLength;
    choices.aperture.stored = stored.m_strAperture;
    choices.unit.stored = stored.m_strUnit;
    choices.cofc.stored = stored.m_strCofC;
    for (ListChoice* list :
         {&choices.camera, &choices.focalLength, &choices.aperture, &choices.unit, &choices.cofc}) {
        const auto given = parsed.values.find(list->option);
        const CString text = given != parsed.values.end()
                                 ? Utf8ToCString(AsTheListWritesIt(list->kind, given->second))
                                 : list->stored;
        list->selected = SelectStoredChoice(list->entries, text);
        if (list->selected >= 0)
            continue;
        if (given != parsed.values.end())
            return UsageError(verb, std::string("no ") + list->name + " begins with \"" +
                                        given->second + "\"; nearest: " +
                                        NearestEntries(list->kind, list->entries, given->second));
        return Refused(std::string("You must choose ") + list->asked + " from the list.");
    }
    return std::nullopt;
}

std::string Value(const ListChoice& list) {
    return list.entries[static_cast<std::size_t>(list.selected)].valueText.value_or("");
}

Lens LensOf(const Choices& choices, const Parsed& parsed, const NumberSettings& numbers) {
    const auto shown = [](const ListChoice& list) {
        return CStringToUtf8(list.entries[static_cast<std::size_t>(list.selected)].displayText);
    };
    const CameraRecord* camera = CameraForValue(Value(choices.camera));
    Lens lens;
    lens.cameraName = shown(choices.camera);
    lens.cropFactor = camera->cropFactor;
    lens.sensorWidth = camera->sensorWidth;
    lens.focalLengthValue = Value(choices.focalLength);
    lens.apertureValue = Value(choices.aperture);
    lens.selectedAperture = choices.aperture.selected;
    lens.unitValue = Value(choices.unit);
    lens.unitName = shown(choices.unit);
    lens.cofcValue = Value(choices.cofc);
    lens.diopterText = Option(parsed, "--diopter");
    lens.distanceText = Option(parsed, "--distance");
    lens.distance = ReadTypedDistance(lens.distanceText, numbers,
                                      DistanceUnitFor(ParseInteger(lens.unitValue)));
    return lens;
}

TableRequest Over(const Lens& lens, TableRequest request) {
    request.lens = lens.Inputs();
    return request;
}
