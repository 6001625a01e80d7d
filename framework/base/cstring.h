#pragma once
// The framework's Unicode text: UTF-16, as the settings file stores it.

#include <string>
#include <string_view>

using CString = std::u16string;

// UTF-8 to UTF-16 and back. Malformed input never fails: bad UTF-8 bytes
// become U+FFFD, lone surrogates are written as U+FFFD.
CString Utf8ToCString(std::string_view text);
std::string CStringToUtf8(std::u16string_view text);
