#include "table/aperture_lists.h"

#include "lists/aperture_stops.h"
#include "lists/choice_lists.h"
#include "lists/list_fill.h"

std::pair<TableAperture, TableAperture>
ApertureLists::Fill(CComboBox& from, CComboBox& to, CComboBox& steps, const Lens& lens,
                    const NumberSettings& settings, const std::optional<LensRecord>& owned) {
    from.AddEntries(ApertureChoices());
    to.AddEntries(ApertureChoices());
    ReadTypedTextsAlike(from, ListKind::Aperture, settings);
    ReadTypedTextsAlike(to, ListKind::Aperture, settings);
    std::vector<ChoiceEntry> entries;
    for (const StopSteps step : {StopSteps::Whole, StopSteps::Half, StopSteps::Third})
        entries.push_back({Utf8ToCString(StepsText(step)), std::nullopt});
    steps.AddEntries(std::move(entries));
    steps.SetCurSel(0);
    const auto range = DefaultApertureRange(ChosenAperture(lens), owned, lens.focalLength);
    SelectOrShowTyped(from, ListKind::Aperture, Utf8ToCString(range.first.text), settings);
    SelectOrShowTyped(to, ListKind::Aperture, Utf8ToCString(range.second.text), settings);
    return range;
}

std::string ApertureLists::SetColumns(TableRequest& request, const Lens& lens,
                                      const NumberSettings& settings) const {
    const auto stepsNow = static_cast<StopSteps>(std::max(0, steps.GetCurSel()));
    // An end that names a stop of these steps is that stop, at its true
    // f-number ("f/7.1" in third stops); else the list's entry or a number.
    const auto end = [&](const CComboBox& list, std::string& refused) -> std::optional<double> {
        const std::string text = CStringToUtf8(list.GetWindowText());
        if (const std::optional<NamedAperture> stop = StopNamed(text, stepsNow))
            return stop->N;
        const ListChoiceText chosen = ChosenInList(list, ListKind::Aperture, settings);
        if (!chosen.value) {
            refused = ChoiceRefusal(ListKind::Aperture, CStringToUtf8(chosen.text));
            return std::nullopt;
        }
        return ParseDecimal(*chosen.value);
    };
    std::string refused;
    const std::optional<double> first = end(from, refused);
    const std::optional<double> last = first ? end(to, refused) : std::nullopt;
    if (!first || !last)
        return refused;
    SetApertureColumns(request, *first, *last, stepsNow, ChosenAperture(lens));
    return request.apertures.empty() ? NoStopBetween() : std::string();
}
