#pragma once
// What a person typing a command meant: a choice written the way people
// write it ("8" for f/8, "50mm", "ft"), and, for what matches nothing, the
// nearest entries by meaning (by value for numbers, by words and digits for
// names), options and verbs.

#include "lists/choice_lists.h"
#include "lists/typed_choice.h"

#include <string>
#include <vector>

// `typed` as the list writes it, where a person writes it otherwise: "8",
// "F8" or "f8" for "f/8"; "50mm" or "50 mm" for "50"; "ft", "cm" for their
// units. Other texts come back as they are.
std::string AsTheListWritesIt(ListKind list, const std::string& typed);

// Up to two entries a person may have meant by `typed`, as "A, B": the
// nearest by value for a list of numbers, the most words and digits in
// common for cameras (then the list's order of letters).
std::string NearestEntries(ListKind list, const std::vector<ChoiceEntry>& entries,
                           const std::string& typed);

// The one of `known` nearest to `typed` by letters changed, when few enough
// changed to be a slip of the fingers; "" otherwise.
std::string NearestWord(const std::string& typed, const std::vector<std::string>& known);
