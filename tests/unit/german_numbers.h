#pragma once
// A German desktop's number settings: a decimal comma, a full stop between
// thousands.

#include "framework/base/number_format.h"

inline NumberSettings German() {
    NumberSettings s;
    s.decimalSeparator = ",";
    s.thousandsSeparator = ".";
    return s;
}
