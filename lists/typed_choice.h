#pragma once
// A value typed into a list that has no such entry: the f/6.3 or the 23 mm
// a lens has, or a circle of confusion of one's own. A text that no entry
// begins with, and that reads as a positive number once the list's marks
// are taken off, is used as typed: by a press of Calculate, the table, the
// planner and the command line, and kept as typed.

#include "framework/base/number_format.h"

#include <optional>
#include <string>
#include <string_view>

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

// Why a list with no entry chosen gives nothing to calculate with: for a
// text typed where the list takes numbers, "The aperture f/x is not in the
// list and is not a number."; otherwise "You must choose an aperture from
// the list."
std::string ChoiceRefusal(ListKind list, std::string_view typed);
