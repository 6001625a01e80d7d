#include "lists/list_fill.h"

void FillChoiceList(CComboBox& list, std::vector<ChoiceEntry> entries, int dropDownRows,
                    const CString& stored, ListKind kind, const NumberSettings& settings) {
    list.SetDropDownRows(dropDownRows);
    list.ResetContent();
    list.AddEntries(std::move(entries));
    SelectOrShowTyped(list, kind, stored, settings);
}

void AttachApertureValues(CComboBox& list, int dropDownRows, const CString& stored,
                          const NumberSettings& settings) {
    list.SetDropDownRows(dropDownRows);
    for (int i = 0; i < list.GetCount(); ++i)
        list.SetItemValue(i, ApertureValueFor(list.GetLBText(i)));
    SelectOrShowTyped(list, ListKind::Aperture, stored, settings);
}

std::optional<std::string> SelectedValue(const CComboBox& list) {
    return list.GetItemValue(list.GetCurSel());
}

void KeepSelectedText(const CComboBox& list, CString& stored) {
    if (list.GetCurSel() >= 0)
        stored = list.GetLBText(list.GetCurSel());
}

void TakeStoredChoice(CComboBox& list, ListKind kind, const CString& shown, const CString& stored,
                      const NumberSettings& settings) {
    if (list.GetWindowText() == shown)
        SelectOrShowTyped(list, kind, stored, settings);
}

ListChoiceText ChosenInList(const CComboBox& list, ListKind kind, const NumberSettings& settings) {
    if (const int selected = list.GetCurSel(); selected >= 0)
        return {list.GetItemValue(selected), list.GetLBText(selected), false};
    ListChoiceText choice{std::nullopt, list.GetWindowText(), false};
    choice.value = TypedValue(kind, CStringToUtf8(choice.text), settings);
    choice.typed = choice.value.has_value();
    return choice;
}

void SelectOrShowTyped(CComboBox& list, ListKind kind, const CString& stored,
                       const NumberSettings& settings) {
    if (list.SelectString(stored) < 0 && TypedValue(kind, CStringToUtf8(stored), settings))
        list.SetWindowText(stored);
}

void KeepChosenText(const CComboBox& list, ListKind kind, CString& stored,
                    const NumberSettings& settings) {
    const ListChoiceText choice = ChosenInList(list, kind, settings);
    if (choice.value || list.GetCurSel() >= 0)
        stored = choice.text;
}
