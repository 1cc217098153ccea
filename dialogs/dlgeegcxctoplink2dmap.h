// The EEG link map dialog (template 3721): the link dialog with the EEG sensor map view, whose
// "Color Link" box switches between the signed and the plain link style, a menu command for the
// report of the active channel only, check marks on the report's menu items, and the EEG graph
// report's information window. Builds on the link dialog.
#pragma once

#include "linkmapcore.h"
#include "mapdialogwith.h"
#include "stateegcxccntmapqz.h"

class CDlgEegCxcTopLink2DMap : public cxc::dialogs::MapDialogWith<CStatEEGCxcCntMapqz, CDlgCxcLinkMapCore> {
    DECLARE_DYNAMIC(CDlgEegCxcTopLink2DMap)
public:
    CDlgEegCxcTopLink2DMap();
    ~CDlgEegCxcTopLink2DMap() override;

    // The information window of every EEG link dialog's graph report.
    static CRichInfoqz graphInfo;

protected:
    CString graphReport(int useThreshold, int precise, int activeOnly) override;
    int& colorLinkField() override { return mapView.linkStyle; }
    CRichInfoqz& infoWindow() override { return graphInfo; }

    afx_msg void OnToggleGtActiveOnly() { gtActiveOnly = !gtActiveOnly; }
    afx_msg void OnInitMenu(CMenu* menu);

    DECLARE_MESSAGE_MAP()
};
