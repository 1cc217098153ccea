#include "stdafx.h"

#include "dlgcxcrowcolumn2dviewer.h"

#include <algorithm>
#include <cmath>

#include "classnames.h"
#include "megdrawccdataqz.h"
#include "modulebase.h"
#include "viewertexts.h"
#include "viewsurface.h"

using namespace cxc::viewers;

namespace {

const wchar_t* const kOverlayTypes[] = {L"All", L"Two Sides", L"Four Regions"};
constexpr int kMaxColumns = 7;

// Index of an entry of a list for a count that may be anything (a member set by hand).
int entryOf(int count) { return count > INT_MIN ? count - 1 : CB_ERR; }

}  // namespace

IMPLEMENT_DYNAMIC(CDlgCxcRowColumn2DViewer, CDialogEx)

BEGIN_MESSAGE_MAP(CDlgCxcRowColumn2DViewer, CDialogEx)
    ON_CBN_SELCHANGE(IDC_RC_CLASS, &CDlgCxcRowColumn2DViewer::OnSelchangeClass)
    ON_CBN_SELCHANGE(IDC_RC_TRIAL, &CDlgCxcRowColumn2DViewer::OnSelchangeTrial)
    ON_CBN_SELCHANGE(IDC_ROW_COMBO, &CDlgCxcRowColumn2DViewer::OnSelchangeRow)
    ON_CBN_SELCHANGE(IDC_RC_COLUMN, &CDlgCxcRowColumn2DViewer::OnSelchangeColumn)
    ON_CBN_SELCHANGE(IDC_RC_LAYOUT, &CDlgCxcRowColumn2DViewer::OnSelchangeLayout)
    ON_CBN_SELCHANGE(IDC_RC_TYPE, &CDlgCxcRowColumn2DViewer::OnSelchangeType)
    ON_CBN_SELCHANGE(IDC_RC_CHANNEL_TYPE, &CDlgCxcRowColumn2DViewer::OnSelchangeChnlType)
    ON_NOTIFY(UDN_DELTAPOS, IDC_TIME_SCALE_SPIN, &CDlgCxcRowColumn2DViewer::OnDeltaposTimeScale)
    ON_NOTIFY(UDN_DELTAPOS, IDC_AMP_SCALE_SPIN, &CDlgCxcRowColumn2DViewer::OnDeltaposAmpScale)
    ON_BN_CLICKED(IDC_REFRESH, &CDlgCxcRowColumn2DViewer::OnRefresh)
    ON_EN_CHANGE(IDC_SAMPLE_BEGIN, &CDlgCxcRowColumn2DViewer::OnChangeEdit)
    ON_EN_CHANGE(IDC_TIME_SCALE, &CDlgCxcRowColumn2DViewer::OnChangeEdit)
    ON_EN_CHANGE(IDC_AMP_SCALE, &CDlgCxcRowColumn2DViewer::OnChangeEdit)
    ON_WM_SIZE()
    ON_WM_LBUTTONDOWN()
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONUP()
END_MESSAGE_MAP()

CDlgCxcRowColumn2DViewer::CDlgCxcRowColumn2DViewer() = default;

CDlgCxcRowColumn2DViewer::~CDlgCxcRowColumn2DViewer() = default;

void CDlgCxcRowColumn2DViewer::DoDataExchange(CDataExchange* dx)
{
    CDialogEx::DoDataExchange(dx);
    DDX_Control(dx, IDC_RC_VIEW, view);
    DDX_Control(dx, IDC_RC_CLASS, classList);
    DDX_Control(dx, IDC_RC_TRIAL, trialList);
    DDX_Control(dx, IDC_ROW_COMBO, rowList);
    DDX_Control(dx, IDC_RC_COLUMN, columnList);
    DDX_Control(dx, IDC_RC_LAYOUT, layoutList);
    DDX_Control(dx, IDC_RC_TYPE, typeList);
    DDX_Control(dx, IDC_RC_CHANNEL_TYPE, chnlTypeList);
    DDX_Text(dx, IDC_SAMPLE_BEGIN, startSample);
    DDX_Text(dx, IDC_TIME_SCALE, timeScale);
    DDX_Text(dx, IDC_AMP_SCALE, ampScale);
}

BOOL CDlgCxcRowColumn2DViewer::OnInitDialog()
{
    CDialogEx::OnInitDialog();
    for (int cls = 0; cls < 3; ++cls) classList.AddString(cxc::className(cls));
    classList.SetCurSel(view.cxcClass);
    return TRUE;
}

// ---- data ------------------------------------------------------------------------------------

int CDlgCxcRowColumn2DViewer::checkInitTrial()
{
    if (!dataSet) {
        session = nullptr;
        trial = nullptr;
        return 0;
    }
    session = dataSet->getSessionData(-1);
    if (!session) {
        trial = nullptr;
        return 0;
    }
    trial = session->getTrialqz(-1);
    return trial ? 1 : 0;
}

int CDlgCxcRowColumn2DViewer::loadFromDrawer()
{
    checkInitTrial();
    if (drawer) {
        displayMode = static_cast<int>(drawer->displayMode);
        overlayType = drawer->overlayType;
        displayColumn = drawer->displayColumn;
        overlayOption = drawer->overlayOption;
        startSample = drawer->beginSample;
        timeScale = drawer->pxPerSample;
        ampScale = drawer->ampScale;
    }
    fillLists();
    classList.EnableWindow(TRUE);
    classList.SetCurSel(view.cxcClass);
    classList.EnableWindow(FALSE);
    UpdateData(FALSE);
    return 1;
}

int CDlgCxcRowColumn2DViewer::applyToDrawer()
{
    if (!UpdateData(TRUE)) return 0;
    if (drawer) {
        drawer->displayMode = static_cast<unsigned int>(displayMode);
        drawer->overlayType = overlayType;
        drawer->displayColumn = displayColumn;
        drawer->overlayOption = overlayOption;
        startSample = drawer->setDrawBeginSampleIDX(startSample);
        drawer->pxPerSample = timeScale;
        drawer->ampScale = ampScale;
    }
    checkInitTrial();
    return 1;
}

int CDlgCxcRowColumn2DViewer::fillLists()
{
    trialList.ResetContent();
    if (!checkInitTrial()) return 0;
    const int trials = session->getTotalTrial();
    for (int i = 0; i < trials; ++i) trialList.AddString(session->getTrialFileName(i));
    trialList.SetCurSel(session->getCurrentTrialIndx());

    rowList.ResetContent();
    columnList.ResetContent();
    CSnsCohDataqz* data = cxc::classDataOf(trial, view.cxcClass);
    CWavChnlChnlDataqz** pairs = data ? data->getMCC4class() : nullptr;
    // Without rows there is no row to list: the lists stay empty and the row index stays as it was.
    if (pairs && data->rowCount >= 1) {
        if (rowIndex < 0) rowIndex = 0;
        if (rowIndex > data->rowCount - 1) rowIndex = cxc::narrow<int>(data->rowCount - 1);
        CWavChnlChnlDataqz* row = rowIndex < data->rowsWalkable() ? pairs[rowIndex] : nullptr;
        const __int64 columns = row ? data->colsWalkable() : 0;
        for (__int64 k = 0; k < columns; ++k) {
            const CString label = session->getChnlName_PhycVirt(row[k].colChnl, false);
            rowList.AddString(label);
            columnList.AddString(label);
        }
        rowList.SetCurSel(rowIndex);
        columnList.SetCurSel(colIndex);
    }

    layoutList.ResetContent();
    layoutList.AddString(L"Overlay");
    layoutList.AddString(L"Columns");
    layoutList.SetCurSel(displayMode);

    typeList.ResetContent();
    if (displayMode == 0) {
        fillTypeList(0);
        typeList.SetCurSel(overlayType);
    } else if (displayMode == 1) {
        fillTypeList(1);
        typeList.SetCurSel(entryOf(displayColumn));
    } else {
        cxc::tellUser(text::kShowModeError);
    }

    chnlTypeList.ResetContent();
    if (data) {
        chnlTypeList.EnableWindow(TRUE);
        chnlTypeList.AddString(data->getChnlTypeIDname());
        chnlTypeList.SetCurSel(0);
    } else {
        chnlTypeList.EnableWindow(FALSE);
    }
    return 1;
}

void CDlgCxcRowColumn2DViewer::fillTypeList(int mode)
{
    typeList.ResetContent();
    if (mode == 0) {
        for (const wchar_t* type : kOverlayTypes) typeList.AddString(type);
        return;
    }
    for (int n = 1; n <= kMaxColumns; ++n) {
        CString entry;
        entry.Format(n == 1 ? L"%d Column" : L"%d Columns", n);
        typeList.AddString(entry);
    }
}

// ---- lists -----------------------------------------------------------------------------------

void CDlgCxcRowColumn2DViewer::OnSelchangeClass()
{
    if (!checkInitTrial()) return;
    const int sel = classList.GetCurSel();
    if (sel == CB_ERR) return;
    CSnsCohFaceqz* package = trial->getCoherenceFaceqzTime(false);
    if (!package) return;
    if (!package->setTrlCxcClass(sel)) cxc::tellUser(text::kNoClassData);
    view.Invalidate(TRUE);
}

void CDlgCxcRowColumn2DViewer::OnSelchangeTrial()
{
    if (!checkInitTrial()) return;
    const int sel = trialList.GetCurSel();
    if (sel == CB_ERR) return;
    session->openTrial(sel);
    checkInitTrial();
    view.Invalidate(TRUE);
}

void CDlgCxcRowColumn2DViewer::OnSelchangeRow()
{
    if (!checkInitTrial()) return;
    const int sel = rowList.GetCurSel();
    if (sel == CB_ERR) return;
    CSnsCohDataqz* data = cxc::classDataOf(trial, -1);
    // The list holds an entry per column and is not refilled after a trial change: an entry past
    // the rows names no row and is ignored.
    if (!data || sel >= data->rowCount) return;
    data->curRow = sel;
    view.Invalidate(TRUE);
}

void CDlgCxcRowColumn2DViewer::OnSelchangeColumn()
{
    if (!checkInitTrial()) return;
    const int sel = columnList.GetCurSel();
    if (sel == CB_ERR) return;
    CSnsCohDataqz* data = cxc::classDataOf(trial, -1);
    if (!data) return;
    data->curCol = sel;
    view.Invalidate(TRUE);
}

void CDlgCxcRowColumn2DViewer::OnSelchangeLayout()
{
    if (!checkInitTrial() || !drawer) return;
    const int sel = layoutList.GetCurSel();
    if (sel == CB_ERR) return;
    displayMode = sel;
    if (sel == 0) {
        drawer->setDisplayMode(0);
        fillTypeList(0);
        typeList.SetCurSel(drawer->getOverlayType());
    } else if (sel == 1) {
        drawer->setDisplayMode(1);
        fillTypeList(1);
        typeList.SetCurSel(entryOf(drawer->getDisplayColumn()));
    } else {
        cxc::tellUser(text::kDisplayModeError);
    }
    view.Invalidate(TRUE);
}

void CDlgCxcRowColumn2DViewer::OnSelchangeType()
{
    if (!checkInitTrial() || !drawer) return;
    const int sel = typeList.GetCurSel();
    if (sel == CB_ERR) return;
    if (drawer->displayMode == 0) {
        drawer->setOverlayType(sel);
        overlayType = sel;
    } else if (drawer->displayMode == 1) {
        displayColumn = drawer->setDisplayColumn(sel + 1);
        CRect client;
        view.GetClientRect(&client);
        drawer->_calculateColumnBlockH(client);
    }
    checkInitTrial();
    view.Invalidate(TRUE);
}

void CDlgCxcRowColumn2DViewer::OnSelchangeChnlType() {}

// ---- scales, edits, refresh ------------------------------------------------------------------

void CDlgCxcRowColumn2DViewer::stepScale(double& scale, NMHDR* nm, LRESULT* result)
{
    *result = 0;
    if (!checkInitTrial()) return;
    const int delta = reinterpret_cast<NMUPDOWN*>(nm)->iDelta;
    const double next = delta == 1 ? scale * 0.5 : delta == -1 ? scale * 2.0 : scale;
    // Doubling past the largest double would leave a text no edit accepts back.
    if (std::isfinite(next)) scale = next;
    UpdateData(FALSE);
    applyToDrawer();
    view.Invalidate(TRUE);
}

void CDlgCxcRowColumn2DViewer::OnDeltaposTimeScale(NMHDR* nm, LRESULT* result) { stepScale(timeScale, nm, result); }

void CDlgCxcRowColumn2DViewer::OnDeltaposAmpScale(NMHDR* nm, LRESULT* result) { stepScale(ampScale, nm, result); }

void CDlgCxcRowColumn2DViewer::OnRefresh()
{
    if (!checkInitTrial()) return;
    if (!UpdateData(TRUE)) return;
    applyToDrawer();
    view.Invalidate(TRUE);
}

void CDlgCxcRowColumn2DViewer::OnChangeEdit()
{
    if (!checkInitTrial()) return;
    applyToDrawer();
}

void CDlgCxcRowColumn2DViewer::OnSize(UINT type, int cx, int cy)
{
    CDialogEx::OnSize(type, cx, cy);
    // Like every handler of this dialog, it works only while there is a trial to show.
    if (!checkInitTrial() || !view.GetSafeHwnd()) return;
    fitViewToDialog(view, cx, cy);
    view.releaseSurface();
    view.Invalidate(TRUE);
}

// ---- mouse selection ---------------------------------------------------------------------------

CSnsCohDataqz* CDlgCxcRowColumn2DViewer::pick(CPoint point, __int64& sample, int& kind)
{
    if (!drawer || !view.GetSafeHwnd()) return nullptr;
    CSnsCohFaceqz* package = drawer->getWaveCCDataPkg();
    CSnsCohDataqz* data = package ? package->getCoherenceData(-1) : nullptr;
    if (!data) return nullptr;
    MapWindowPoints(&view, &point, 1);
    CRect client;
    view.GetClientRect(&client);
    kind = 1;
    sample = drawer->getSampleID4Mouse(nullptr, point, client, kind);
    return data;
}

void CDlgCxcRowColumn2DViewer::OnLButtonDown(UINT flags, CPoint point)
{
    __int64 s = 0;
    int kind = 1;
    if (CSnsCohDataqz* data = pick(point, s, kind)) {
        if (kind == 1) {
            data->setSelect(s, s);
            SetCapture();
        }
        view.Invalidate(FALSE);
    }
    CDialogEx::OnLButtonDown(flags, point);
}

void CDlgCxcRowColumn2DViewer::OnMouseMove(UINT flags, CPoint point)
{
    __int64 s = 0;
    int kind = 1;
    if (CWnd::GetCapture() == this) {
        if (CSnsCohDataqz* data = pick(point, s, kind)) {
            // The begin stays where the drag started; dragged leftwards the end comes before it.
            if (kind == 1) {
                __int64 b = 0, e = 0;
                data->getSelect(b, e);
                data->setSelect(b, s);
            }
            view.Invalidate(FALSE);
        }
    }
    CDialogEx::OnMouseMove(flags, point);
}

void CDlgCxcRowColumn2DViewer::OnLButtonUp(UINT flags, CPoint point)
{
    if (CWnd::GetCapture() == this) ReleaseCapture();
    CDialogEx::OnLButtonUp(flags, point);
}
