#pragma once
// The choice lists in the main form's list controls.

#include "framework/qt/controls.h"
#include "lists/choice_lists.h"
#include "lists/typed_choice.h"

// A text typed into the list selects, once the person leaves it, the entry
// EntryOfTypedText finds for a list of `kind` (the terminal reads it alike);
// a number no entry is stays as typed.
void ReadTypedTextsAlike(CComboBox& list, ListKind kind, const NumberSettings& settings);

// Clears the list, fills it, reads typed texts as ReadTypedTextsAlike, and
// selects the stored choice (or shows it, as SelectOrShowTyped does, for a
// list of `kind`).
void FillChoiceList(CComboBox& list, std::vector<ChoiceEntry> entries, int dropDownRows,
                    const CString& stored, ListKind kind, const NumberSettings& settings);

// Gives the aperture entries the form was made with their values, then
// selects the stored choice (or shows it, as SelectOrShowTyped does).
void AttachApertureValues(CComboBox& list, int dropDownRows, const CString& stored,
                          const NumberSettings& settings);

// The value text of the selected entry; none when no entry is selected or it
// carries none.
std::optional<std::string> SelectedValue(const CComboBox& list);

// Selects the stored choice `stored` (or shows it, as SelectOrShowTyped)
// where the list still shows `shown`, the text it showed before; a list
// showing anything else is left as it is.
void TakeStoredChoice(CComboBox& list, ListKind kind, const CString& shown, const CString& stored,
                      const NumberSettings& settings);

// Copies the selected entry's text into `stored`; a list without a selected
// entry leaves it as it was.
void KeepSelectedText(const CComboBox& list, CString& stored);

// What a list of `kind` holds: its selected entry, or a number typed that
// no entry begins with (TypedValue), or the text that is neither.
struct ListChoiceText {
    std::optional<std::string> value; // none: nothing to calculate with
    CString text;                     // the entry's text, or the field's as typed
    bool typed = false;               // a typed number, no entry selected
};
ListChoiceText ChosenInList(const CComboBox& list, ListKind kind, const NumberSettings& settings);

// Selects the stored choice; where no entry begins with it and it is a
// number the list takes as typed (in the form the settings file keeps it,
// StoredTypedValue), shows it in the field in the person's number
// settings, no entry selected.
void SelectOrShowTyped(CComboBox& list, ListKind kind, const CString& stored,
                       const NumberSettings& settings);

// As KeepSelectedText, and a typed number is kept in the one form every
// language reads (StoredTypedText).
void KeepChosenText(const CComboBox& list, ListKind kind, CString& stored,
                    const NumberSettings& settings);

// Shows a number in a list of numbers so that it reads as that number: the
// entry of that name or value, else `name` typed where no entry begins with
// it, else `typed` (a typed "f/3" would select the f/32 it begins).
void ShowNumberInList(CComboBox& list, const std::string& name, const std::string& typed,
                      const std::string& value);
