// Facade, EEG layer: the nine EEG map dialogs (link, patch and contour map of each coupling class),
// each made on its first show and kept until the facade dies. Builds on the MEG layer.
#pragma once

#include "megshowccdata2dface04meg.h"

class AFX_EXT_CLASS CMEGShowCCData2DFace06EEG : public CMEGShowCCData2DFace04MEG {
public:
    // Owned; null until first shown. Act: Active, Ctl: Control, Rst: Active-Control result.
    CDialog* eegLinkAct = nullptr;
    CDialog* eegWaveAct = nullptr;
    CDialog* eegCntAct = nullptr;
    CDialog* eegLinkCtl = nullptr;
    CDialog* eegWaveCtl = nullptr;
    CDialog* eegCntCtl = nullptr;
    CDialog* eegLinkRst = nullptr;
    CDialog* eegWaveRst = nullptr;
    CDialog* eegCntRst = nullptr;

    CMEGShowCCData2DFace06EEG();
    // Each opens the EEG link or waveform patch map of one class (Act, Ctl, Rst) on the data set and
    // brings it to the front: 1 when shown, 0 when its dialog could not be made (the Active ones
    // then say "Error creating Dialog!"). The dialog is made once and re-used by later calls.
    int showDlgCxcEegActLink2DMap(CArrayMEDataSetqz* dataSet, CWnd* parent);
    int showDlgCxcEegCtlLink2DMap(CArrayMEDataSetqz* dataSet, CWnd* parent);
    int showDlgCxcEegRstLink2DMap(CArrayMEDataSetqz* dataSet, CWnd* parent);
    int showDlgCxcEegActWave2DMap(CArrayMEDataSetqz* dataSet, CWnd* parent);
    int showDlgCxcEegCtlWave2DMap(CArrayMEDataSetqz* dataSet, CWnd* parent);
    int showDlgCxcEegRstWave2DMap(CArrayMEDataSetqz* dataSet, CWnd* parent);
    // The same for the EEG contour map of one class; its grid is built for the data set before the
    // dialog is shown (a data set without a usable grid still opens).
    int showDlgCxcEegActCntFieldLine2DMap(CArrayMEDataSetqz* dataSet, CWnd* parent);
    int showDlgCxcEegCtlCntFieldLine2DMap(CArrayMEDataSetqz* dataSet, CWnd* parent);
    int showDlgCxcEegRstCntFieldLine2DMap(CArrayMEDataSetqz* dataSet, CWnd* parent);

    // Deletes the link dialogs (Active, Control, Act-Ctl), then the patch, then the contour dialogs.
    ~CMEGShowCCData2DFace06EEG() override;
};
