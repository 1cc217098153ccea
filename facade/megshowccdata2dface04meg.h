// Facade, MEG layer: the nine MEG map dialogs (link, patch and contour map of each coupling class),
// each made on its first show and kept until the facade dies. Builds on the facade's drawer base.
#pragma once

#include "megshowccdata2dface.h"

class CDialog;

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
    // Deletes the link dialogs (Active, Control, Act-Ctl), then the patch, then the contour dialogs.
    ~CMEGShowCCData2DFace04MEG() override;
};
