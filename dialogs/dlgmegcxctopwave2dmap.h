// The MEG waveform patch map dialog (template 3719): the patch dialog with the MEG sensor map
// view. Builds on the patch dialog; nothing else differs from its EEG twin.
#pragma once

#include "mapdialogwith.h"
#include "wavemapcore.h"
#include "statmegcclcntmapqz.h"

class CDlgMegCxcTopWave2DMap : public cxc::dialogs::MapDialogWith<CStatMEGCClCntMapqz, CDlgCxcWaveMapCore> {
    DECLARE_DYNAMIC(CDlgMegCxcTopWave2DMap)
public:
    CDlgMegCxcTopWave2DMap();
    ~CDlgMegCxcTopWave2DMap() override;
};
