#include "stdafx.h"

#include "stateegcxccntmap06field.h"

#include "fieldcore.h"
#include "mappolicy.h"

IMPLEMENT_DYNAMIC(CStatEEGCxcCntMap06Field, CStatEEGCxcCntMap04Grid)

CStatEEGCxcCntMap06Field::CStatEEGCxcCntMap06Field() = default;

CStatEEGCxcCntMap06Field::~CStatEEGCxcCntMap06Field()
{
    cxc::maps::releaseFieldImage(*this);
    hqDraw.cleanData();
    grid.cleanDataGridRect();
}

int CStatEEGCxcCntMap06Field::drawFieldMap(CDC* dc, int x0, int y0, int w, int h, int mirror)
{
    return cxc::maps::drawFieldMap(*this, cxc::maps::EegElectrodes::squareGrid, dc, x0, y0, w, h, mirror);
}

int CStatEEGCxcCntMap06Field::drawFieldFrame(CDC* dc, int x0, int y0, int w, int h, int mirror)
{
    return cxc::maps::drawFieldFrame(*this, dc, x0, y0, w, h, mirror);
}

int CStatEEGCxcCntMap06Field::rebuildFieldGrid()
{
    return cxc::maps::rebuildFieldGrid(*this, cxc::maps::EegElectrodes::squareGrid);
}
