#include "stdafx.h"

#include "statmegcclcntmap07lines.h"

IMPLEMENT_DYNAMIC(CStatMEGCClCntMap07Lines, CStatMEGCClCntMap06Field)

CStatMEGCClCntMap07Lines::CStatMEGCClCntMap07Lines() = default;

CStatMEGCClCntMap07Lines::~CStatMEGCClCntMap07Lines() { contour._clean(); }

int CStatMEGCClCntMap07Lines::calcContourLines(double threshold, double maximum, int levels)
{
    return cxc::maps::calcContourLines(*this, threshold, maximum, levels);
}

int CStatMEGCClCntMap07Lines::drawContourLines(CDC* dc, int x0, int y0, int w, int h, int mirror)
{
    return cxc::maps::drawContourLines(*this, contourPens, dc, x0, y0, w, h, mirror);
}
