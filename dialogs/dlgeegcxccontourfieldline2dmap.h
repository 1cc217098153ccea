// The EEG contour map dialog (template 3722): the contour dialog with the EEG sensor map view, whose
// grid takes each side from its own span. Builds on the contour dialog; nothing else differs from
// its MEG twin.
#pragma once

#include "contourmapcore.h"
#include "stateegcxccntmapqz.h"

class CDlgEegCxcContourFieldLine2DMap : public cxc::dialogs::ContourDialogWith<CStatEEGCxcCntMapqz> {
    DECLARE_DYNAMIC(CDlgEegCxcContourFieldLine2DMap)
public:
    CDlgEegCxcContourFieldLine2DMap();
    ~CDlgEegCxcContourFieldLine2DMap() override;
};
