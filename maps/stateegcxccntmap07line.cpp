#include "stdafx.h"

#include "stateegcxccntmap07line.h"

IMPLEMENT_DYNAMIC(CStatEEGCxcCntMap07Line, CStatEEGCxcCntMap06Field)

CStatEEGCxcCntMap07Line::CStatEEGCxcCntMap07Line() = default;

CStatEEGCxcCntMap07Line::~CStatEEGCxcCntMap07Line() { contour._clean(); }

int CStatEEGCxcCntMap07Line::calcContourLines(double threshold, double maximum, int levels)
{
    return cxc::maps::calcContourLines(*this, threshold, maximum, levels);
}

int CStatEEGCxcCntMap07Line::drawContourLines(CDC* dc, int x0, int y0, int w, int h, int mirror)
{
    return cxc::maps::drawContourLines(*this, contourPens, dc, x0, y0, w, h, mirror);
}
