// Line layer of the MEG view: contour lines traced through the grid and drawn with the layer's pens
// (red and blue, or dashed and bold black, by the colour scale). Builds on the field layer.
#pragma once

#include "linecore.h"
#include "statmegcclcntmap06field.h"

class AFX_EXT_CLASS CStatMEGCClCntMap07Lines : public CStatMEGCClCntMap06Field {
    DECLARE_DYNAMIC(CStatMEGCClCntMap07Lines)
public:
    CStatMEGCClCntMap07Lines();
    // Drops the traced lines; the pens go with the layer.
    ~CStatMEGCClCntMap07Lines() override;

    cxc::maps::ContourPens contourPens;

    int calcContourLines(double threshold, double maximum, int levels);
    int drawContourLines(CDC* dc, int x0, int y0, int w, int h, int mirror);
};
