#include "stdafx.h"

#include "dlgeegcxctoplink2dmap.h"

#include "dialogtexts.h"
#include "linkreport.h"

CRichInfoqz CDlgEegCxcTopLink2DMap::graphInfo;

IMPLEMENT_DYNAMIC(CDlgEegCxcTopLink2DMap, CDlgCxcLinkMapCore)

BEGIN_MESSAGE_MAP(CDlgEegCxcTopLink2DMap, CDlgCxcLinkMapCore)
    ON_COMMAND(ID_EDIT_GT_ACTIVE_ONLY, &CDlgEegCxcTopLink2DMap::OnToggleGtActiveOnly)
    ON_WM_INITMENU()
END_MESSAGE_MAP()

CDlgEegCxcTopLink2DMap::CDlgEegCxcTopLink2DMap() : MapDialogWith(IDD_EEG_TOPLINK_2DMAP) {}

CDlgEegCxcTopLink2DMap::~CDlgEegCxcTopLink2DMap() = default;

CString CDlgEegCxcTopLink2DMap::graphReport(int useThreshold, int precise, int activeOnly)
{
    return cxc::linkGraphReport(mapView, useThreshold, precise, activeOnly);
}

void CDlgEegCxcTopLink2DMap::OnInitMenu(CMenu* menu)
{
    MapDialogWith::OnInitMenu(menu);
    if (!menu) return;
    auto mark = [](int on) { return MF_BYCOMMAND | (on ? MF_CHECKED : MF_UNCHECKED); };
    menu->CheckMenuItem(ID_EDIT_GT_THRESHOLD, mark(gtThreshold));
    menu->CheckMenuItem(ID_EDIT_GT_PRECISE, mark(gtPrecise));
    menu->CheckMenuItem(ID_EDIT_GT_ACTIVE_ONLY, mark(gtActiveOnly));
}
