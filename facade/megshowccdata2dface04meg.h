// Facade, MEG layer: the nine MEG map dialogs (link, patch and contour map of each coupling class),
// each made on its first show and kept until the facade dies. Builds on the facade's drawer base.
#pragma once

#include "megshowccdata2dface.h"

class CArrayMEDataSetqz;
class CDialog;
class CWnd;

class AFX_EXT_CLASS CMEGShowCCData2DFace04MEG : public CMEGShowCCData2DFace {
public:
    // Owned; null until first shown. Act: Active, Ctl: Control, Rst: Active-Control result.
    CDialog* megLinkAct = nullptr;
    CDialog* megWaveAct = nullptr;
    CDialog* megCntAct = nullptr;
    CDialog* megLinkCtl = nullptr;
    CDialog* megWaveCtl = nullptr;
    CDialog* megCntCtl = nullptr;
    CDialog* megLinkRst = nullptr;
    CDialog* megWaveRst = nullptr;
    CDialog* megCntRst = nullptr;

    CMEGShowCCData2DFace04MEG();
    // Each opens the MEG link or waveform patch map of one class (Act, Ctl, Rst) on the data set and
    // brings it to the front: 1 when shown, 0 when its dialog could not be made (the Active ones
    // then say "Error creating Dialog!"). The dialog is made once and re-used by later calls.
    int showDlgCxcMegActLink2DMap(CArrayMEDataSetqz* dataSet, CWnd* parent);
    int showDlgCxcMegCtlLink2DMap(CArrayMEDataSetqz* dataSet, CWnd* parent);
    int showDlgCxcMegRstLink2DMap(CArrayMEDataSetqz* dataSet, CWnd* parent);
    int showDlgCxcMegActWave2DMap(CArrayMEDataSetqz* dataSet, CWnd* parent);
    int showDlgCxcMegCtlWave2DMap(CArrayMEDataSetqz* dataSet, CWnd* parent);
    int showDlgCxcMegRstWave2DMap(CArrayMEDataSetqz* dataSet, CWnd* parent);
    // The same for the MEG contour map of one class; its grid is built for the data set before the
    // dialog is shown (a data set without a usable grid still opens).
    int showDlgCxcMegActCntFieldLine2DMap(CArrayMEDataSetqz* dataSet, CWnd* parent);
    int showDlgCxcMegCtlCntFieldLine2DMap(CArrayMEDataSetqz* dataSet, CWnd* parent);
    int showDlgCxcMegRstCntFieldLine2DMap(CArrayMEDataSetqz* dataSet, CWnd* parent);

    // Deletes the link dialogs (Active, Control, Act-Ctl), then the patch, then the contour dialogs.
    ~CMEGShowCCData2DFace04MEG() override;
};
