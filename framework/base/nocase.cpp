#include "framework/base/nocase.h"

#include <algorithm>

char16_t FoldCase(char16_t c) {
    if ((c >= u'A' && c <= u'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7))
        return static_cast<char16_t>(c + 0x20);
    return c;
}

int CompareNoCase(std::u16string_view a, std::u16string_view b) {
    const std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        const char16_t x = FoldCase(a[i]), y = FoldCase(b[i]);
        if (x != y)
            return x < y ? -1 : 1;
    }
    return a.size() < b.size() ? -1 : a.size() > b.size() ? 1 : 0;
}

bool BeginsWithNoCase(std::u16string_view text, std::u16string_view prefix) {
    return prefix.size() <= text.size() &&
           CompareNoCase(text.substr(0, prefix.size()), prefix) == 0;
}

int FindPrefixNoCase(std::size_t count,
                     const std::function<std::u16string_view(std::size_t)>& textAt,
                     std::u16string_view prefix) {
    for (std::size_t i = 0; i < count; ++i)
        if (BeginsWithNoCase(textAt(i), prefix))
            return static_cast<int>(i);
    return -1;
}
