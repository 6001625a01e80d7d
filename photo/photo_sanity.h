#pragma once
// What a photo may record and still make sense: the reader names anything
// else and never uses it.

#include "photo/photo_facts.h"

#include <optional>
#include <string>

// The sane ranges of what a photo records: anything outside is named in
// `nonsense` and left unused.
inline constexpr double kLongestFocalLengthMm = 5000;
inline constexpr double kWidestFNumber = 0.5, kSmallestFNumber = 256;
inline constexpr double kFarthestFocusM = 1e6;
inline constexpr int kLargestSide = 1000000;

// Checks a number read from field `source` against its sane range; adds
// the sentence naming it to `facts.nonsense` and returns none when it is
// out of range.
std::optional<RecordedNumber> SaneFocalLength(double mm, const std::string& source,
                                              PhotoFacts& facts, bool equivalent = false);
std::optional<RecordedNumber> SaneFNumber(double N, const std::string& source, PhotoFacts& facts);
std::optional<RecordedNumber> SaneDistance(double metres, const std::string& source,
                                           PhotoFacts& facts);
