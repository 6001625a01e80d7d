#include "help/readable_colour.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr double kReadable = 4.5;

// v^2.4 for 0 < v <= 1, as v² times the fifth root of v², the root by
// Newton's steps down from 1 until they stop shrinking it. Every start reads
// the labels' colour, and libm's pow would bring its tables into memory for
// these few values (a quarter mebibyte, a tenth of all the program adds to a
// bare dialog).
double PowTwoPointFour(double v) {
    const double square = v * v;
    double root = 1.0;
    for (int step = 0; step < 64; ++step) {
        const double r4 = (root * root) * (root * root);
        const double next = (4.0 * root + square / r4) / 5.0;
        if (next >= root)
            break;
        root = next;
    }
    return square * root;
}

double Linear(int channel) {
    const double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : PowTwoPointFour((c + 0.055) / 1.055);
}

double Luminance(COLORREF c) {
    return 0.2126 * Linear(GetRValue(c)) + 0.7152 * Linear(GetGValue(c)) +
           0.0722 * Linear(GetBValue(c));
}

// A step of `t` (0 to 1) from `from` towards `to`.
COLORREF Towards(COLORREF from, COLORREF to, double t) {
    const auto mix = [t](int a, int b) { return static_cast<int>(std::lround(a + (b - a) * t)); };
    return RGB(mix(GetRValue(from), GetRValue(to)), mix(GetGValue(from), GetGValue(to)),
               mix(GetBValue(from), GetBValue(to)));
}
} // namespace

double ContrastRatio(COLORREF a, COLORREF b) {
    const double la = Luminance(a), lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

COLORREF ReadableOn(COLORREF wanted, COLORREF background) {
    if (ContrastRatio(wanted, background) >= kReadable)
        return wanted;
    const COLORREF end = Luminance(background) < 0.18 ? RGB(255, 255, 255) : RGB(0, 0, 0);
    for (int step = 1; step <= 100; ++step) {
        const COLORREF candidate = Towards(wanted, end, step / 100.0);
        if (ContrastRatio(candidate, background) >= kReadable)
            return candidate;
    }
    return end;
}
