#include "framework/base/cstring.h"

#include <algorithm>

CString Utf8ToCString(std::string_view s) {
    if (std::all_of(s.begin(), s.end(),
                    [](char c) { return static_cast<unsigned char>(c) < 0x80; }))
        return CString(s.begin(), s.end()); // ASCII: each byte is its own character
    CString out;
    out.reserve(s.size());
    std::size_t i = 0;
    while (i < s.size()) {
        const unsigned char c = static_cast<unsigned char>(s[i]);
        char32_t cp = 0xFFFD;
        std::size_t len = 1;
        if (c < 0x80) {
            cp = c;
        } else if (c >= 0xC2 && c < 0xF5) {
            const std::size_t need = c < 0xE0 ? 2 : c < 0xF0 ? 3 : 4;
            char32_t v = c & (need == 2 ? 0x1F : need == 3 ? 0x0F : 0x07);
            std::size_t k = 1;
            for (; k < need && i + k < s.size(); ++k) {
                const unsigned char d = static_cast<unsigned char>(s[i + k]);
                if ((d & 0xC0) != 0x80)
                    break;
                v = (v << 6) | (d & 0x3F);
            }
            const bool overlong = (need == 3 && v < 0x800) || (need == 4 && v < 0x10000);
            if (k == need && !overlong && v <= 0x10FFFF && !(v >= 0xD800 && v < 0xE000)) {
                cp = v;
                len = need;
            } else {
                len = k;
            }
        }
        if (cp >= 0x10000) {
            cp -= 0x10000;
            out.push_back(static_cast<char16_t>(0xD800 + (cp >> 10)));
            out.push_back(static_cast<char16_t>(0xDC00 + (cp & 0x3FF)));
        } else {
            out.push_back(static_cast<char16_t>(cp));
        }
        i += len;
    }
    return out;
}

std::string CStringToUtf8(std::u16string_view s) {
    std::string out;
    out.reserve(s.size());
    for (std::size_t i = 0; i < s.size(); ++i) {
        char32_t cp = s[i];
        if (cp >= 0xD800 && cp < 0xDC00 && i + 1 < s.size() && s[i + 1] >= 0xDC00 &&
            s[i + 1] < 0xE000) {
            cp = 0x10000 + ((cp - 0xD800) << 10) + (s[i + 1] - 0xDC00);
            ++i;
        } else if (cp >= 0xD800 && cp < 0xE000) {
            cp = 0xFFFD;
        }
        if (cp < 0x80) {
            out.push_back(static_cast<char>(cp));
        } else if (cp < 0x800) {
            out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
            out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
        } else if (cp < 0x10000) {
            out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
            out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
        } else {
            out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
            out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
        }
    }
    return out;
}

namespace {
// The length of the UTF-8 sequence at `at` and its code point; 0 when the
// bytes there are no well-formed sequence.
std::size_t Sequence(std::string_view text, std::size_t at, char32_t& point) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char first = byte(at);
    const std::size_t length = first < 0x80           ? 1
                               : (first >> 5) == 0x6  ? 2
                               : (first >> 4) == 0xE  ? 3
                               : (first >> 3) == 0x1E ? 4
                                                      : 0;
    if (length == 0 || at + length > text.size())
        return 0;
    point = length == 1 ? first : first & (0x7F >> length);
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(at + i) & 0xC0) != 0x80)
            return 0;
        point = point << 6 | (byte(at + i) & 0x3F);
    }
    const char32_t least[] = {0, 0, 0x80, 0x800, 0x10000};
    if (point < least[length] || point > 0x10FFFF || (point >= 0xD800 && point <= 0xDFFF))
        return 0;
    return length;
}

bool IsControl(char32_t c) {
    return c < 0x20 || c == 0x7F || (c >= 0x80 && c <= 0x9F) || (c >= 0x202A && c <= 0x202E) ||
           (c >= 0x2066 && c <= 0x2069) || c == 0x200E || c == 0x200F || c == 0x061C;
}

std::string Hex(unsigned value, int digits) {
    static const char kDigits[] = "0123456789ABCDEF";
    std::string out(static_cast<std::size_t>(digits), '0');
    for (int i = digits - 1; i >= 0; --i, value >>= 4)
        out[static_cast<std::size_t>(i)] = kDigits[value & 0xF];
    return out;
}
} // namespace

std::string ShownText(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t at = 0; at < text.size();) {
        char32_t point = 0;
        const std::size_t length = Sequence(text, at, point);
        if (length == 0) {
            out += "\\x" + Hex(static_cast<unsigned char>(text[at]), 2);
            ++at;
        } else if (IsControl(point)) {
            out += point < 0x80 ? "\\x" + Hex(point, 2) : "\\u" + Hex(point, 4);
            at += length;
        } else {
            out.append(text.substr(at, length));
            at += length;
        }
    }
    return out;
}

std::vector<CString> Utf8ToCStrings(const std::vector<std::string>& texts) {
    std::vector<CString> out;
    out.reserve(texts.size());
    for (const std::string& text : texts)
        out.push_back(Utf8ToCString(text));
    return out;
}
