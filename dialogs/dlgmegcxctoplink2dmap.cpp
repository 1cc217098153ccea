#include "stdafx.h"

#include "dlgmegcxctoplink2dmap.h"

#include "dialogtexts.h"
#include "linkreport.h"
#include "dlgmegcxcshowstdset.h"

CRichInfoqz CDlgMegCxcTopLink2DMap::graphInfo;

IMPLEMENT_DYNAMIC(CDlgMegCxcTopLink2DMap, CDlgCxcLinkMapCore)

BEGIN_MESSAGE_MAP(CDlgMegCxcTopLink2DMap, CDlgCxcLinkMapCore)
    ON_BN_CLICKED(IDC_SETTING, &CDlgMegCxcTopLink2DMap::OnSetting)
END_MESSAGE_MAP()

CDlgMegCxcTopLink2DMap::CDlgMegCxcTopLink2DMap() : MapDialogWith(IDD_MEG_TOPLINK_2DMAP) {}

CDlgMegCxcTopLink2DMap::~CDlgMegCxcTopLink2DMap()
{
    delete stdSetDlg;
    stdSetDlg = nullptr;
}

CString CDlgMegCxcTopLink2DMap::graphReport(int useThreshold, int precise, int activeOnly)
{
    return cxc::linkGraphReport(mapView, useThreshold, precise, activeOnly);
}

void CDlgMegCxcTopLink2DMap::OnSetting()
{
    if (!stdSetDlg) {
        auto* dlg = new CDlgMegCxcShowStdSet;
        if (!dlg->Create(IDD_MEG_SHOW_STDSET)) {
            // Nothing is handed to a dialog without a window; the next click tries again.
            cxc::tellUser(cxc::dialogs::text::kErrorCreatingDialog);
            delete dlg;
            return;
        }
        stdSetDlg = dlg;
    }
    stdSetDlg->firstRefresh = firstRefresh;
    stdSetDlg->view = &mapView;
    stdSetDlg->ShowWindow(SW_SHOWNORMAL);
    stdSetDlg->refreshStdSet();
    stdSetDlg->SetForegroundWindow();
}
