// Image drawing library: smooth stretching of a block of 32-bit pixels onto a device context by
// centre-aligned bilinear resampling in fixed point. Only the part of the destination that lies on
// the DC's picture is computed, so a huge destination costs no more than the picture.
#pragma once

#include <cstdint>
#include <vector>

#include "afxwin.h"

class CBitmapHighQualityDraw {
public:
    CBitmapHighQualityDraw();
    virtual ~CBitmapHighQualityDraw();

    // Stretches the srcW x srcH block (rows bottom-up when flag is 1, top-down otherwise) to
    // dstW x dstH pixels with their top-left corner at (dstX, dstY): destination pixel d samples the
    // source at (d + 0.5) * src / dst - 0.5, clamped to the edges, with `fraction` bits of weight per
    // axis (12 when out of 1 .. 15). Nonzero when drawn (also when nothing of it is visible); 0 for
    // an unknown DC, a null block or a size below 1, and the caller then draws it another way.
    int drawHighQualityImage(HDC dc, RGBQUAD* pixels, __int64 srcW, __int64 srcH, __int64 dstW, __int64 dstH,
                             __int64 dstX, __int64 dstY, __int64 flag, int fraction);
    // Frees the working buffer (kept between drawings otherwise).
    void cleanData();
    // The part of the DC's picture the last drawing wrote straight into, every pixel of it; empty
    // when it wrote nothing there or went through StretchDIBits (a recorded paint).
    const CRect& covered() const { return covered_; }

    // Destination columns begin .. end - 1 sample source columns i0 and i1.
    struct Run {
        int i0, i1, begin, end;
    };

private:
    std::vector<std::uint32_t> buffer_;  // the stretched block, when the DC lends no pixels
    std::vector<std::uint32_t> rowBlend_[2];  // horizontal blends of two source rows ...
    int rowKey_[2] = {-1, -1};                 // ... and which rows they are (-1: none)
    std::vector<Run> runs_;                    // the columns of the last drawing ...
    std::vector<std::uint32_t> colWeight_;     // ... and each one's weight of its second source pixel
    CRect covered_;
};

class CBitmapHighQualityDrawqz : public CBitmapHighQualityDraw {};
