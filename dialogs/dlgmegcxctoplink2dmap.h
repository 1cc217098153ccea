// The MEG link map dialog (template 3717): the link dialog with the MEG sensor map view, its
// magnitude-style range, the "Setting" button that opens the standard display parameters dialog,
// and the MEG graph report's information window. Builds on the link dialog.
#pragma once

#include "linkmapcore.h"
#include "mapdialogwith.h"
#include "statmegcclcntmapqz.h"

class CDlgMegCxcShowStdSet;

class CDlgMegCxcTopLink2DMap : public cxc::dialogs::MapDialogWith<CStatMEGCClCntMapqz, CDlgCxcLinkMapCore> {
    DECLARE_DYNAMIC(CDlgMegCxcTopLink2DMap)
public:
    CDlgMegCxcTopLink2DMap();
    // Deletes the standard display parameters dialog.
    ~CDlgMegCxcTopLink2DMap() override;

    CDlgMegCxcShowStdSet* stdSetDlg = nullptr;  // owned; made on the first "Setting" click

    // The information window of every MEG link dialog's graph report.
    static CRichInfoqz graphInfo;

protected:
    CString graphReport(int useThreshold, int precise, int activeOnly) override;
    void setLinkRange(double m) override { mapView.linkRangeMax = m; }
    int& colorLinkField() override { return mapView.colorLink; }
    CRichInfoqz& infoWindow() override { return graphInfo; }

    afx_msg void OnSetting();

    DECLARE_MESSAGE_MAP()
};
