// The EEG waveform patch map dialog (template 3723): the patch dialog with the EEG sensor map
// view. Builds on the patch dialog; nothing else differs from its MEG twin.
#pragma once

#include "mapdialogwith.h"
#include "wavemapcore.h"
#include "stateegcxccntmapqz.h"

class CDlgEegCxcTopWave2DMap : public cxc::dialogs::MapDialogWith<CStatEEGCxcCntMapqz, CDlgCxcWaveMapCore> {
    DECLARE_DYNAMIC(CDlgEegCxcTopWave2DMap)
public:
    CDlgEegCxcTopWave2DMap();
    ~CDlgEegCxcTopWave2DMap() override;
};
