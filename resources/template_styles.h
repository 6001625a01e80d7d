#pragma once
// The styles the program's form templates give their controls, by what
// each control is to the person: a label, one that opens something when
// tapped, a list, a box to type in, a box that shows a result, and so on.

#include "framework/base/afx.h"
#include "framework/base/dialog_template.h"

namespace template_styles {
using K = ControlKind;
inline constexpr unsigned kLabel = kStyleNone;
inline constexpr unsigned kTapLabel = SS_NOTIFY;
inline constexpr unsigned kList = CBS_DROPDOWN | WS_VSCROLL | WS_TABSTOP;
inline constexpr unsigned kInputBox = WS_BORDER | ES_AUTOHSCROLL | WS_TABSTOP;
inline constexpr unsigned kResultBox = WS_BORDER | ES_READONLY | ES_AUTOHSCROLL | WS_TABSTOP;
inline constexpr unsigned kInfoBox = ES_READONLY | ES_AUTOHSCROLL;
inline constexpr unsigned kHelpText = WS_GROUP;
inline constexpr unsigned kAboutText = SS_LEFTNOWORDWRAP | WS_GROUP;
inline constexpr unsigned kResultLabel = SS_LEFTNOWORDWRAP | WS_GROUP;
} // namespace template_styles
