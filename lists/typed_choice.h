#pragma once
// A value typed into a list that has no such entry: the f/6.3 or the 23 mm
// a lens has, or a circle of confusion of one's own. A text that no entry
// begins with, and that reads as a positive number once the list's marks
// are taken off, is used as typed: by a press of Calculate, the table, the
// planner and the command line, and kept as typed.

#include "framework/base/choice_entry.h"
#include "framework/base/number_format.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Which of the main form's lists a text is for.
enum class ListKind { Camera, FocalLength, Aperture, Unit, CircleOfConfusion };

// Whether a list takes typed numbers: focal length, aperture, circle of confusion.
bool TakesTypedNumbers(ListKind list);

// The value text a press of Calculate reads for a number typed into `list`
// ("6.3" for "f/6,3" in German settings): once the list's marks are taken
// off ("f/", "f" or "F" before an aperture, "mm" after a focal length or a
// circle of confusion, blanks around), a positive, finite number and nothing
// else, in the user's number settings; its digits with "." for the decimal
// separator, so that they read as the very number typed. None otherwise.
std::optional<std::string> TypedValue(ListKind list, std::string_view typed,
                                      const NumberSettings& settings);

// The entry a text typed into a list of `kind` (or given for it on the
// command line) chooses, read alike in the window and the terminal: (a) an
// entry's own text, in any case, with or without the list's marks
// ("F/5.6", "50.0 mm"); (b) for the lists of numbers, the entry whose own
// number the text is, read in the person's number settings ("5,6" on a
// German desktop and "5.6" in English are the list's f/5.6, "8" its f/8,
// "1.4" its f/1.4, "50" its 50.0); (d) for the lists of names (cameras,
// units), the first entry the text begins, in any case. -1 when none does:
// a number is then used as typed (TypedValue: "f/3" is 3, never the f/32 it
// begins), anything else refused.
int EntryOfTypedText(ListKind kind, const std::vector<ChoiceEntry>& entries, std::string_view typed,
                     const NumberSettings& settings);

// A typed number as the settings file keeps it, in one form every language
// and number setting reads alike: its value with "." ("f/6.3", "23.5",
// "0.0305"), whatever the person typed ("f/6,3").
std::string StoredTypedText(ListKind kind, const std::string& value);
// The value of a number a settings file keeps as typed: in that form, or,
// in a file written before, with the decimal comma a person typed; none
// for any other text.
std::optional<std::string> StoredTypedValue(ListKind kind, std::string_view stored);
// That number as the person reads it, in their number settings ("f/6,3").
std::string ShownTypedText(ListKind kind, const std::string& value, const NumberSettings& settings);

// Why a list with no entry chosen gives nothing to calculate with: for a
// text typed where the list takes numbers, "The aperture f/x is not in the
// list and is not a number."; otherwise "You must choose an aperture from
// the list."
std::string ChoiceRefusal(ListKind list, std::string_view typed);
