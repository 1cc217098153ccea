// Inside the platform layer only: the image a DC draws into, and colour conversions.
#pragma once

#include <QImage>

#include "cxcgdi.h"

namespace cxc::gdi {

// The pixels of a window's client area or of a bitmap: QImage::Format_RGB32 (0xFFRRGGBB).
struct Surface {
    QImage image;
};

// COLORREF is 0x00BBGGRR; QImage's RGB32 pixel is 0xFFRRGGBB.
inline QRgb toPixel(COLORREF c) { return 0xFF000000u | ((c & 0xFFu) << 16) | (c & 0xFF00u) | ((c >> 16) & 0xFFu); }
inline COLORREF fromPixel(QRgb p) { return ((p >> 16) & 0xFFu) | (p & 0xFF00u) | ((p & 0xFFu) << 16); }

}  // namespace cxc::gdi
