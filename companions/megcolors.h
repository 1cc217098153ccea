// Common data library, signed colour index tables for fields and matrix cells: index 0 is the
// weakest magnitude, the last index the strongest. Positive values run from white through yellow
// to red, negative ones from white through cyan to blue, so the pair forms one blue-white-red scale
// with zero at white.
//   CMegIndex2Color01Colorref  512 COLORREF entries per sign
//   CMegIndex2Color04RGBQ      512 RGBQUAD entries per sign (field images)
//   CMegIndex2Color06RGBQsam   768 RGBQUAD entries per sign, ending in dark red and navy
#pragma once

#include "cxcsat.h"
#include "windows.h"

class CMegIndex2Color01Colorref {
public:
    COLORREF colPos512[512];
    COLORREF colNeg512[512];
    CMegIndex2Color01Colorref();
};

class CMegIndex2Color04RGBQ : public CMegIndex2Color01Colorref {
public:
    RGBQUAD rgbqPos512[512];
    RGBQUAD rgbqNeg512[512];
    CMegIndex2Color04RGBQ();
};

class CMegIndex2Color06RGBQsam : public CMegIndex2Color04RGBQ {
public:
    RGBQUAD rgbqPos768[768];
    RGBQUAD rgbqNeg768[768];
    CMegIndex2Color06RGBQsam();
};

class CMegIndex2Colorqz : public CMegIndex2Color06RGBQsam {};

namespace cxc {

// The entry 0..top of a value's table (the positive table for value > 0, else the negative one):
// |value| / |step| truncated and clamped. A zero step, NaN and quotients beyond 32 bits take entry 0.
// Defined here so the per-pixel loops take it in.
inline int rampIndex(double value, double step, int top)
{
    if (step == 0.0) return 0;
    const double q = value > 0.0 ? value / step : value / -step;
    // Tested in double before the conversion: NaN and quotients beyond 32 bits take entry 0.
    if (!(q > -2147483649.0 && q < 2147483648.0)) return 0;
    const int index = toInt(q);
    return index < 0 ? 0 : index > top ? top : index;
}

}  // namespace cxc
