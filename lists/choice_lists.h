#pragma once
// The fixed choice lists of the main form and the rule that selects a
// stored choice in any of the five lists.

#include "framework/base/choice_entry.h"
#include "framework/base/cstring.h"
#include "framework/base/translate.h"

#include <optional>
#include <string>
#include <vector>

// A list entry (ChoiceEntry). Choices travel as texts, as the handheld kept them: the
// display text is what the list shows and the settings file stores; the
// value text is what a press of Calculate parses into a number (a focal
// length, an f-number, a circle of confusion) or an index (the camera's
// record, the unit's code). Value texts stay texts because that is what a
// list entry carries and what the calculation's parse rules are defined on,
// to the last digit; nothing else reads them.

std::vector<ChoiceEntry> FocalLengthChoices(); // 613: 3.0 to 300.0 by 0.5, then 18 longer lenses
std::vector<ChoiceEntry> UnitChoices(); // feet, inches, meters, centimeters, feet and inches: 0..4
// The same as the person reads them, in their language. The settings file
// keeps the English texts, whatever the language.
std::vector<ChoiceEntry> ShownUnitChoices();
// The unit a stored (English) text chooses, as shown; the text itself when
// it chooses none.
CString ShownUnit(const CString& stored);
std::vector<ChoiceEntry> CofCChoices(); // 351: 0.0050 to 0.0400 by 0.0001
// The main form's circle-of-confusion list ends with this entry, which
// opens the Circle of Confusion form; it is no circle, and has no value.
inline constexpr const char* kCustomCofCText = TR_NOOP("Lists", "Custom\u2026");
std::vector<ChoiceEntry> CameraChoices(); // the camera table, each with its index

struct ApertureValue {
    const char* displayText;
    const char* valueText;
};
inline constexpr int kApertureCount = 14;
extern const ApertureValue apertureValueTable[kApertureCount];
// The aperture table's entries, each with its value, for lists made in code.
std::vector<ChoiceEntry> ApertureChoices();

// The value of an aperture text: whole and letter-case sensitive; none when
// the text is not in the table.
std::optional<std::string> ApertureValueFor(const CString& displayText);

// The stored-choice rule, the one a list control applies when it selects by
// prefix: the first entry from the top whose text begins with the stored
// text, letters compared without regard to case; -1 when none does.
int SelectStoredChoice(const std::vector<ChoiceEntry>& entries, std::u16string_view stored);

// Drop-down rows for each list: room for seven entries, five for units.
inline constexpr int kDropDownRows = 7;
inline constexpr int kUnitDropDownRows = 5;
