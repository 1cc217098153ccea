#include "stdafx.h"

#include "megshowccdata2dface04meg.h"

#include "facadeslots.h"

CMEGShowCCData2DFace04MEG::CMEGShowCCData2DFace04MEG() = default;

CMEGShowCCData2DFace04MEG::~CMEGShowCCData2DFace04MEG()
{
    cxc::facade::deleteInOrder({&megLinkAct, &megLinkCtl, &megLinkRst, &megWaveAct, &megWaveCtl, &megWaveRst,
                                &megCntAct, &megCntCtl, &megCntRst});
}
