#include "stdafx.h"

#include "contourpaint.h"

namespace cxc::maps {

void setContourColours(SensorMapFields& v)
{
    const bool dark = v.colorScale != 0;
    v.backColor = dark ? RGB(0, 0, 0) : RGB(255, 255, 255);
    v.sensorColor = v.textColor = dark ? RGB(255, 255, 255) : RGB(0, 0, 0);
}

}  // namespace cxc::maps
