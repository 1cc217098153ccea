#include "stdafx.h"

#include "statmegcclcntmap06field.h"

#include "fieldcore.h"
#include "mappolicy.h"

IMPLEMENT_DYNAMIC(CStatMEGCClCntMap06Field, CStatMEGCClCntMap04Grid)

CStatMEGCClCntMap06Field::CStatMEGCClCntMap06Field() = default;

CStatMEGCClCntMap06Field::~CStatMEGCClCntMap06Field()
{
    cxc::maps::releaseFieldImage(*this);
    hqDraw.cleanData();
    grid.cleanDataGridRect();
}

int CStatMEGCClCntMap06Field::drawFieldMap(CDC* dc, int x0, int y0, int w, int h, int mirror)
{
    return cxc::maps::drawFieldMap(*this, cxc::maps::MegSensors::squareGrid, dc, x0, y0, w, h, mirror);
}

int CStatMEGCClCntMap06Field::drawFieldFrame(CDC* dc, int x0, int y0, int w, int h, int mirror)
{
    return cxc::maps::drawFieldFrame(*this, dc, x0, y0, w, h, mirror);
}

int CStatMEGCClCntMap06Field::rebuildFieldGrid()
{
    return cxc::maps::rebuildFieldGrid(*this, cxc::maps::MegSensors::squareGrid);
}
