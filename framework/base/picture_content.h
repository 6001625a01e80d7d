#pragma once
// What a picture shows, in words and numbers, for those who do not see it
// (a screen reader, a test): its title, a paragraph saying what is drawn,
// and each drawn series with its label and its numbers as drawn. A series
// is a bar (one range, `low` to `high`) or a curve (a range at each `x`).

#include "framework/base/cstring.h"

#include <vector>

struct PicturePoint {
    double x = 0; // unused for a bar
    double low = 0;
    double high = 0; // +infinity for a range without end
};

struct PictureSeries {
    bool curve = false;
    CString label;
    std::vector<PicturePoint> points; // a bar's one
};

struct PictureContent {
    CString title;
    CString description;
    std::vector<PictureSeries> series;
};
