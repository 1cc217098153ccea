// Line layer of the EEG view: contour lines traced through the grid and drawn with the layer's pens
// (red and blue, or dashed and bold black, by the colour scale). Builds on the field layer.
#pragma once

#include "linecore.h"
#include "stateegcxccntmap06field.h"

class AFX_EXT_CLASS CStatEEGCxcCntMap07Line : public CStatEEGCxcCntMap06Field {
    DECLARE_DYNAMIC(CStatEEGCxcCntMap07Line)
public:
    CStatEEGCxcCntMap07Line();
    // Drops the traced lines; the pens go with the layer.
    ~CStatEEGCxcCntMap07Line() override;

    cxc::maps::ContourPens contourPens;

    int calcContourLines(double threshold, double maximum, int levels);
    int drawContourLines(CDC* dc, int x0, int y0, int w, int h, int mirror);
};
