// Piecewise-linear colour ramps between evenly spaced anchor colours, channels rounded to the
// nearest integer (halves up); entry 0 is the first anchor and the last entry the last anchor.
#pragma once

#include <initializer_list>

#include "windows.h"

namespace cxc::ramp {

struct Rgb {
    int r, g, b;
};

Rgb at(int i, int n, std::initializer_list<Rgb> anchors);
void fill(COLORREF* out, int n, std::initializer_list<Rgb> anchors);
void fill(RGBQUAD* out, int n, std::initializer_list<Rgb> anchors);

}  // namespace cxc::ramp
