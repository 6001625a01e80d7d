#pragma once
// The choice lists in the main form's list controls.

#include "framework/qt/controls.h"
#include "lists/choice_lists.h"

// Clears the list, fills it and selects the stored choice.
void FillChoiceList(CComboBox& list, std::vector<ChoiceEntry> entries, int dropDownRows,
                    const CString& stored);

// Gives the aperture entries the form was made with their values, then
// selects the stored choice.
void AttachApertureValues(CComboBox& list, int dropDownRows, const CString& stored);

// The value text of the selected entry; none when no entry is selected or it
// carries none.
std::optional<std::string> SelectedValue(const CComboBox& list);

// Selects the stored choice `stored` where the list still shows `shown`, the
// text it showed before; a list showing anything else is left as it is.
void TakeStoredChoice(CComboBox& list, const CString& shown, const CString& stored);

// Copies the selected entry's text into `stored`; a list without a selected
// entry leaves it as it was.
void KeepSelectedText(const CComboBox& list, CString& stored);
