// Common data library, colour ramps for links and matrix cells, each from its weakest to its
// strongest colour. None starts at white: links are drawn on a white map.
//   ramp768Pos / ramp768Neg  light yellow - yellow - red - dark red / light cyan - cyan - blue - navy
//   ramps256[0..7]  grey-red, grey-blue, yellow-red, cyan-blue, grey-black, light green-dark green,
//                   pink-magenta, blue-green-red (pairs 2/3, 6/5, 0/1 are warm/cool)
//   ramp512   blue - cyan - yellow - red
//   ramp768   blue - cyan - green - yellow - red
//   ramp1024  navy - blue - cyan - yellow - red - dark red
// The lower layers add no tables of their own; CADRindex2Colorqz holds them.
#pragma once

#include "windows.h"

class CADRindex2Color {};
class CADRindex2ColorRGBQ4Bitmap : public CADRindex2Color {};
class CADRindex2ColorV : public CADRindex2ColorRGBQ4Bitmap {};

class CADRindex2Colorqz : public CADRindex2ColorV {
public:
    COLORREF ramp768Pos[768];
    COLORREF ramp768Neg[768];
    COLORREF ramps256[8][256];
    COLORREF ramp512[512];
    COLORREF ramp768[768];
    COLORREF ramp1024[1024];
    CADRindex2Colorqz();
};
