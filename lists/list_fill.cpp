#include "lists/list_fill.h"

#include "calc/number_text.h"

namespace {
// The list's entries, as EntryOfTypedText reads them.
std::vector<ChoiceEntry> EntriesOf(const CComboBox& list) {
    std::vector<ChoiceEntry> entries;
    for (int i = 0; i < list.GetCount(); ++i)
        entries.push_back({list.GetLBText(i), list.GetItemValue(i)});
    return entries;
}
} // namespace

void ReadTypedTextsAlike(CComboBox& list, ListKind kind, const NumberSettings& settings) {
    list.SetEntryRule([&list, kind, settings](const CString& typed) {
        return EntryOfTypedText(kind, EntriesOf(list), CStringToUtf8(typed), settings);
    });
}

void FillChoiceList(CComboBox& list, std::vector<ChoiceEntry> entries, int dropDownRows,
                    const CString& stored, ListKind kind, const NumberSettings& settings) {
    list.SetDropDownRows(dropDownRows);
    list.ResetContent();
    list.AddEntries(std::move(entries));
    ReadTypedTextsAlike(list, kind, settings);
    SelectOrShowTyped(list, kind, stored, settings);
}

void AttachApertureValues(CComboBox& list, int dropDownRows, const CString& stored,
                          const NumberSettings& settings) {
    list.SetDropDownRows(dropDownRows);
    for (int i = 0; i < list.GetCount(); ++i)
        list.SetItemValue(i, ApertureValueFor(list.GetLBText(i)));
    ReadTypedTextsAlike(list, ListKind::Aperture, settings);
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
    const CString typed = list.GetWindowText();
    // Read as the entry rule reads it, before the field is left.
    if (const int entry = EntryOfTypedText(kind, EntriesOf(list), CStringToUtf8(typed), settings);
        entry >= 0 && TakesTypedNumbers(kind))
        return {list.GetItemValue(entry), list.GetLBText(entry), false};
    ListChoiceText choice{std::nullopt, typed, false};
    choice.value = TypedValue(kind, CStringToUtf8(choice.text), settings);
    choice.typed = choice.value.has_value();
    return choice;
}

void SelectOrShowTyped(CComboBox& list, ListKind kind, const CString& stored,
                       const NumberSettings& settings) {
    // A stored entry by the stored-choice rule; a number kept as typed, in
    // the person's number settings.
    if (list.SelectString(stored) >= 0)
        return;
    const std::optional<std::string> value = StoredTypedValue(kind, CStringToUtf8(stored));
    if (!value)
        return;
    // An entry's own number kept as typed (by a file written before): the entry.
    if (const int entry = EntryOfTypedText(kind, EntriesOf(list), *value, PlainNumberSettings());
        entry >= 0)
        list.SetCurSel(entry);
    else
        list.SetWindowText(Utf8ToCString(ShownTypedText(kind, *value, settings)));
}

void KeepChosenText(const CComboBox& list, ListKind kind, CString& stored,
                    const NumberSettings& settings) {
    const ListChoiceText choice = ChosenInList(list, kind, settings);
    if (choice.typed) // in the one form every language reads
        stored = Utf8ToCString(StoredTypedText(kind, *choice.value));
    else if (choice.value || list.GetCurSel() >= 0)
        stored = choice.text;
}

void ShowNumberInList(CComboBox& list, const std::string& name, const std::string& typed,
                      const std::string& value) {
    const CString wanted = Utf8ToCString(name);
    const double number = ParseDecimal(value);
    bool begins = false;
    CString text;
    for (int i = 0; i < list.GetCount() && text.empty(); ++i) {
        const CString entry = list.GetLBText(i);
        const std::optional<std::string> entryValue = list.GetItemValue(i);
        if (entry == wanted || (entryValue && ParseDecimal(*entryValue) == number))
            text = entry;
        begins = begins || entry.compare(0, wanted.size(), wanted) == 0;
    }
    if (text.empty())
        text = Utf8ToCString(begins ? typed : name);
    if (list.SelectString(text) < 0)
        list.SetWindowText(text);
}
