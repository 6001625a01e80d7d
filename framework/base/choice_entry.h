#pragma once
// One entry of a drop-down list: the text it shows and, optionally, the
// value text it carries.

#include "framework/base/cstring.h"

#include <optional>
#include <string>

struct ChoiceEntry {
    CString displayText;
    std::optional<std::string> valueText;
};
