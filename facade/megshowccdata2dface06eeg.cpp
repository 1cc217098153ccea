#include "stdafx.h"

#include "megshowccdata2dface06eeg.h"

#include "facadeslots.h"

CMEGShowCCData2DFace06EEG::CMEGShowCCData2DFace06EEG() = default;

CMEGShowCCData2DFace06EEG::~CMEGShowCCData2DFace06EEG()
{
    cxc::facade::deleteInOrder({&eegLinkAct, &eegLinkCtl, &eegLinkRst, &eegWaveAct, &eegWaveCtl, &eegWaveRst,
                                &eegCntAct, &eegCntCtl, &eegCntRst});
}
