#include "stdafx.h"

#include "megshowccdata2dface08showall.h"

#include "facadeslots.h"

CMEGShowCCData2DFace08ShowAll::CMEGShowCCData2DFace08ShowAll() = default;

CMEGShowCCData2DFace08ShowAll::~CMEGShowCCData2DFace08ShowAll()
{
    cxc::facade::deleteInOrder({&rowColAct, &rowColCtl, &rowColRst, &matrixAct, &matrixCtl, &matrixRst});
}
