#include "table/aperture_lists.h"

#include "lists/choice_lists.h"
#include "lists/list_fill.h"

std::pair<TableAperture, TableAperture> ApertureLists::Fill(CComboBox& from, CComboBox& to,
                                                            CComboBox& steps, const Lens& lens,
                                                            const NumberSettings& settings) {
    from.AddEntries(ApertureChoices());
    to.AddEntries(ApertureChoices());
    std::vector<ChoiceEntry> entries;
    for (const StopSteps step : {StopSteps::Whole, StopSteps::Half, StopSteps::Third})
        entries.push_back({Utf8ToCString(StepsText(step)), std::nullopt});
    steps.AddEntries(std::move(entries));
    steps.SetCurSel(0);
    const auto range = DefaultApertureRange(ChosenAperture(lens));
    SelectOrShowTyped(from, ListKind::Aperture, Utf8ToCString(range.first.text), settings);
    SelectOrShowTyped(to, ListKind::Aperture, Utf8ToCString(range.second.text), settings);
    return range;
}

std::string ApertureLists::SetColumns(TableRequest& request, const Lens& lens,
                                      const NumberSettings& settings) const {
    const ListChoiceText first = ChosenInList(from, ListKind::Aperture, settings);
    const ListChoiceText last = ChosenInList(to, ListKind::Aperture, settings);
    if (!first.value || !last.value)
        return ChoiceRefusal(ListKind::Aperture, CStringToUtf8((first.value ? last : first).text));
    SetApertureColumns(request, ParseDecimal(*first.value), ParseDecimal(*last.value),
                       static_cast<StopSteps>(std::max(0, steps.GetCurSel())),
                       ChosenAperture(lens));
    return {};
}
