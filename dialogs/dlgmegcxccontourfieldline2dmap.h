// The MEG contour map dialog (template 3720): the contour dialog with the MEG sensor map view, whose
// grid is square from the sensors' horizontal span. Builds on the contour dialog; nothing else
// differs from its EEG twin.
#pragma once

#include "contourmapcore.h"
#include "statmegcclcntmapqz.h"

class CDlgMegCxcContourFieldLine2DMap : public cxc::dialogs::ContourDialogWith<CStatMEGCClCntMapqz> {
    DECLARE_DYNAMIC(CDlgMegCxcContourFieldLine2DMap)
public:
    CDlgMegCxcContourFieldLine2DMap();
    ~CDlgMegCxcContourFieldLine2DMap() override;
};
