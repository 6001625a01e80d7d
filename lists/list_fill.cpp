#include "lists/list_fill.h"

void FillChoiceList(CComboBox& list, std::vector<ChoiceEntry> entries, int dropDownRows,
                    const CString& stored) {
    list.SetDropDownRows(dropDownRows);
    list.ResetContent();
    list.AddEntries(std::move(entries));
    list.SelectString(stored);
}

void AttachApertureValues(CComboBox& list, int dropDownRows, const CString& stored) {
    list.SetDropDownRows(dropDownRows);
    for (int i = 0; i < list.GetCount(); ++i)
        list.SetItemValue(i, ApertureValueFor(list.GetLBText(i)));
    list.SelectString(stored);
}

std::optional<std::string> SelectedValue(const CComboBox& list) {
    return list.GetItemValue(list.GetCurSel());
}

void KeepSelectedText(const CComboBox& list, CString& stored) {
    if (list.GetCurSel() >= 0)
        stored = list.GetLBText(list.GetCurSel());
}

void TakeStoredChoice(CComboBox& list, const CString& shown, const CString& stored) {
    if (list.GetWindowText() == shown)
        list.SelectString(stored);
}
