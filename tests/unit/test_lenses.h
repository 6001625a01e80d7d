#pragma once
// Lenses as tests make them: one of the person's own, by its focal lengths
// and its widest aperture at each end.

#include "lenses/lens_catalog.h"

inline LensRecord Zoom(const char* name, double f1, double f2, double n1, double n2,
                       double smallest = 22) {
    LensRecord lens;
    lens.name = name;
    lens.focalMin = f1;
    lens.focalMax = f2;
    lens.widestAtMin = n1;
    lens.widestAtMax = n2;
    lens.smallest = smallest;
    lens.source = "own";
    return lens;
}
