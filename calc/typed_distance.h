#pragma once
// Distances typed with their unit, as a photographer writes them: "3 m",
// "3m", "250 cm", "10 ft", "10 ft 6 in", "10' 6\"", "18 in", or a bare
// number in the chosen unit. The main form reads its distance box by its
// own rule (ReadDistance); the table, the planner and the command line read
// theirs by this one, which refuses what is not a distance rather than
// reading the number in front of it.

#include "calc/dof.h"
#include "framework/base/number_format.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// One typed distance in the user's number settings, in `unit` (a typed unit
// converted by the units' true lengths, so that "1 m" with centimetres
// chosen is the 100 a person would have typed); none when the text is not a
// number followed by at most a unit or a feet-and-inches pair.
std::optional<double> ReadTypedDistance(std::string_view text, const NumberSettings& settings,
                                        const DistanceUnit& unit);

// A length in metres in `unit`, by the units' true lengths (feet and inches
// in feet): what "N m" typed with `unit` chosen reads as; 0 for a unit
// without a length.
double MetresInUnit(double metres, const DistanceUnit& unit);

// A length as a person writes it, the unit after the number ("36 cm",
// "36cm", "14 in", "14\"", "4.35 µm", "1,2 m" in German number settings,
// "10 ft 6 in"): the number in its unit, and the unit's length in
// millimetres (0 for a bare number); none for anything else.
struct LengthRead {
    double value;
    double unitMm;
};
std::optional<LengthRead> ReadLength(std::string_view text, const NumberSettings& settings);
// The same in millimetres, a bare number taken in `bareUnitMm` (0: a bare
// number is refused); positive and finite, or none.
std::optional<double> ReadLengthMm(std::string_view text, const NumberSettings& settings,
                                   double bareUnitMm = 0);

// A distance the person's number settings cannot read because it is
// written with the other decimal separator ("1,5" where they write 1.5):
// the sentence that says so; empty for any other text.
std::string OtherSeparatorSentence(std::string_view text, const NumberSettings& settings);

// Whether a text means infinity: "inf", "infinity" (in any case), "∞", or
// the word the results show for it in the person's language ("unendlich").
bool IsInfinityText(std::string_view text);

// A list of distances separated by blanks, each with its unit where one is
// typed ("2 m 250 cm 10 ft 6 in" is three), as the texts that make each one.
std::vector<std::string> SplitDistances(std::string_view text);
