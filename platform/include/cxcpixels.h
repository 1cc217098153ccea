// Direct access to a DC's picture for code that writes whole blocks of pixels itself (the field
// image's stretch), instead of handing the platform a block to copy.
#pragma once

#include <cstddef>
#include <cstdint>

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

}  // namespace cxc::gdi
