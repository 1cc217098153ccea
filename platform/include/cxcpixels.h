// Bulk drawing for the hot paths of a paint: direct access to a DC's picture for code that writes
// whole blocks of pixels itself (the field image's stretch), and many short strokes in one call (the
// contour lines).
#pragma once

#include <cstddef>
#include <cstdint>

#include "windows.h"

class CDC;

namespace cxc::gdi {

// 32-bit words 0xFFRRGGBB, rows top-down, `stride` words apart. Empty without a picture, and while a
// paint is recorded as a figure, whose commands would miss such writes: block writers use
// StretchDIBits then.
struct DirectPixels {
    std::uint32_t* bits = nullptr;
    std::ptrdiff_t stride = 0;
    int width = 0;
    int height = 0;
    explicit operator bool() const { return bits != nullptr; }
};
DirectPixels directPixels(CDC& dc);

// Draws each pair ends[2k], ends[2k + 1] exactly as MoveTo(ends[2k]) then LineTo(ends[2k + 1]) would,
// and leaves the current and dash positions as they would; the checks are made once for all pairs.
// FALSE when LineTo would give FALSE (no DC, no picture) or for a null array with pairs.
BOOL drawSegments(CDC& dc, const POINT* ends, int pairs);

}  // namespace cxc::gdi
