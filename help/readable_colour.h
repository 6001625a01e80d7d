#pragma once
// Text colours that stay readable on the user's window colour.

#include "framework/base/afx.h"

// The contrast of two colours, 1 to 21, as the web's accessibility
// guidelines measure it.
double ContrastRatio(COLORREF a, COLORREF b);

// `wanted` where it keeps a contrast of at least 4.5:1 with `background`;
// otherwise the colour nearest to it, on the way to white (on a dark
// background) or to black (on a light one), that does.
COLORREF ReadableOn(COLORREF wanted, COLORREF background);
