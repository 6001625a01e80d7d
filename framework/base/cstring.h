#pragma once
// The framework's Unicode text: UTF-16, as the settings file stores it.

#include <string>
#include <string_view>
#include <vector>

using CString = std::u16string;

// UTF-8 to UTF-16 and back. Malformed input never fails: bad UTF-8 bytes
// become U+FFFD, lone surrogates are written as U+FFFD.
CString Utf8ToCString(std::string_view text);
// Each text of UTF-8, as a CString.
std::vector<CString> Utf8ToCStrings(const std::vector<std::string>& texts);
std::string CStringToUtf8(std::u16string_view text);

// A text read from a file, as it may be shown anywhere (a terminal, a form,
// a CSV): control characters (C0, DEL, C1) and the marks that turn the
// direction of text written as escapes (\x1B, \u0085, \u202E), and bytes
// that are not UTF-8 as \xNN, so that no text read can steer a terminal,
// forge a line or break a form. Any other text is left as it is.
std::string ShownText(std::string_view text);
