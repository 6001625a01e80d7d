#pragma once
// The one rule by which the handheld compares texts without regard to letter
// case: for typing into a list, keeping a list sorted and selecting by prefix.

#include <cstddef>
#include <functional>
#include <string_view>

// ASCII and Latin-1 letters to lower case; everything else is itself.
char16_t FoldCase(char16_t c);

// <0, 0 or >0 as `a` sorts before, with or after `b`.
int CompareNoCase(std::u16string_view a, std::u16string_view b);
bool BeginsWithNoCase(std::u16string_view text, std::u16string_view prefix);

// The first of `count` texts, from the top, that begins with `prefix`; -1
// when none does.
int FindPrefixNoCase(std::size_t count,
                     const std::function<std::u16string_view(std::size_t)>& textAt,
                     std::u16string_view prefix);
