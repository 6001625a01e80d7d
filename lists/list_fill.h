#pragma once
// Puts a choice list into a list control and selects the stored choice.

#include "framework/controls.h"
#include "lists/choice_lists.h"

void FillChoiceList(CComboBox& list, const std::vector<ChoiceEntry>& entries, int dropDownRows,
                    const CString& stored);
