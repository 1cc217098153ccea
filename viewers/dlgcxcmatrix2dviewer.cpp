#include "stdafx.h"

#include "dlgcxcmatrix2dviewer.h"

#include <algorithm>

#include "viewertexts.h"
#include "viewsurface.h"

using namespace cxc::viewers;

IMPLEMENT_DYNAMIC(CDlgCxcMatrix2DViewer, CDialogEx)

BEGIN_MESSAGE_MAP(CDlgCxcMatrix2DViewer, CDialogEx)
    ON_WM_SIZE()
    ON_NOTIFY(UDN_DELTAPOS, IDC_ORIGIN_X_SPIN, &CDlgCxcMatrix2DViewer::OnDeltaposOriginX)
    ON_NOTIFY(UDN_DELTAPOS, IDC_ORIGIN_Y_SPIN, &CDlgCxcMatrix2DViewer::OnDeltaposOriginY)
    ON_BN_CLICKED(IDC_POSITION_M, &CDlgCxcMatrix2DViewer::OnPositionM)
    ON_BN_CLICKED(IDC_MATRIX_PLAY, &CDlgCxcMatrix2DViewer::OnPlay)
    ON_BN_CLICKED(IDC_MATRIX_UPDATE, &CDlgCxcMatrix2DViewer::OnUpdate)
    ON_BN_CLICKED(IDC_REFRESH, &CDlgCxcMatrix2DViewer::OnRefresh)
    ON_BN_CLICKED(IDC_COLOR_SELECT, &CDlgCxcMatrix2DViewer::OnColorSelect)
    ON_BN_CLICKED(IDC_COLOR_ALL, &CDlgCxcMatrix2DViewer::OnColorAll)
    ON_WM_TIMER()
END_MESSAGE_MAP()

CDlgCxcMatrix2DViewer::CDlgCxcMatrix2DViewer() = default;

CDlgCxcMatrix2DViewer::~CDlgCxcMatrix2DViewer() = default;

void CDlgCxcMatrix2DViewer::DoDataExchange(CDataExchange* dx)
{
    CDialogEx::DoDataExchange(dx);
    DDX_Control(dx, IDC_MATRIX_VIEW, view);
    DDX_Control(dx, IDC_MATRIX_CHANNEL_TYPE, chnlTypeBox);
    DDX_Check(dx, IDC_MATRIX_SHOW_LABEL, showLabel);
    DDX_Text(dx, IDC_PIXEL_WIDTH, pixelWidth);
    DDX_Text(dx, IDC_PIXEL_HEIGHT, pixelHeight);
    DDX_Text(dx, IDC_ORIGIN_X, originX);
    DDX_Text(dx, IDC_ORIGIN_Y, originY);
    DDX_Text(dx, IDC_SAMPLE_BEGIN, selectBegin);
    DDX_Text(dx, IDC_SAMPLE_END, selectEnd);
    DDX_Control(dx, IDC_MATRIX_PLAY, playButton);
}

BOOL CDlgCxcMatrix2DViewer::OnInitDialog()
{
    CDialogEx::OnInitDialog();
    return TRUE;
}

// ---- refresh and apply -----------------------------------------------------------------------

int CDlgCxcMatrix2DViewer::refreshViewer()
{
    showLabel = view.showLabels;
    pixelHeight = cxc::toInt(view.cellHeight);
    pixelWidth = cxc::toInt(view.cellWidth);
    originY = view.originY;
    originX = view.originX;
    chnlTypeBox.ResetContent();
    if (CSnsCohDataqz* data = view.getCxcData(view.cxcClass)) {
        data->getSelect(selectBegin, selectEnd);
        // The colour range is computed once per class data; the colour buttons compute it again.
        if (data->rangeStamp < 1) {
            double o1 = 0.0, o2 = 0.0;
            data->getCxcAbsRange(o1, o2, true, false, -1, -1);
            data->rangeStamp = cxc::satAdd(data->rangeStamp, 1);
        }
        chnlTypeBox.EnableWindow(TRUE);
        chnlTypeBox.AddString(data->getChnlTypeIDname());
        chnlTypeBox.SetCurSel(0);
    } else {
        chnlTypeBox.EnableWindow(FALSE);
    }
    UpdateData(FALSE);
    return 1;
}

int CDlgCxcMatrix2DViewer::applyViewer()
{
    if (!UpdateData(TRUE)) return 0;
    view.originY = originY;
    view.originX = originX;
    view.showLabels = showLabel;
    view.cellHeight = pixelHeight;
    view.cellWidth = pixelWidth;
    if (CSnsCohDataqz* data = view.getCxcData(view.cxcClass)) data->setSelect(selectBegin, selectEnd);
    return 1;
}

// ---- buttons and up-downs ----------------------------------------------------------------------

void CDlgCxcMatrix2DViewer::OnRefresh()
{
    applyViewer();
    view.Invalidate(TRUE);
}

void CDlgCxcMatrix2DViewer::OnUpdate() { refreshViewer(); }

// What it should do is not settled; the button stays and does nothing.
void CDlgCxcMatrix2DViewer::OnPositionM() {}

void CDlgCxcMatrix2DViewer::stepOrigin(int& origin, NMHDR* nm, LRESULT* result)
{
    const int delta = reinterpret_cast<NMUPDOWN*>(nm)->iDelta;
    // The up or right arrow moves the matrix right or down; the edge values stay where they are.
    if (delta == -1 && origin < INT_MAX) ++origin;
    else if (delta == 1 && origin > INT_MIN) --origin;
    UpdateData(FALSE);
    applyViewer();
    view.Invalidate(TRUE);
    *result = 0;
}

void CDlgCxcMatrix2DViewer::OnDeltaposOriginX(NMHDR* nm, LRESULT* result) { stepOrigin(originX, nm, result); }

void CDlgCxcMatrix2DViewer::OnDeltaposOriginY(NMHDR* nm, LRESULT* result) { stepOrigin(originY, nm, result); }

void CDlgCxcMatrix2DViewer::computeColourRange(bool all)
{
    if (CSnsCohDataqz* data = view.getCxcData(view.cxcClass)) {
        double o1 = 0.0, o2 = 0.0;
        data->getCxcAbsRange(o1, o2, true, all, -1, -1);
        data->rangeStamp = cxc::satAdd(data->rangeStamp, 1);
    }
    view.Invalidate(TRUE);
}

void CDlgCxcMatrix2DViewer::OnColorSelect() { computeColourRange(false); }

void CDlgCxcMatrix2DViewer::OnColorAll() { computeColourRange(true); }

// ---- play ------------------------------------------------------------------------------------

void CDlgCxcMatrix2DViewer::OnPlay()
{
    // Stopping succeeds only while the timer runs, so the button toggles.
    if (KillTimer(timerId)) {
        playButton.SetWindowText(text::kStopped);
        return;
    }
    timerId = SetTimer(kPlayTimer, static_cast<UINT>(std::max(view.playInterval, 0)));
    tickGuard = 0;
}

void CDlgCxcMatrix2DViewer::OnTimer(UINT_PTR id)
{
    if (tickGuard) return;
    tickGuard = 1;
    if (id != kPlayTimer) {
        tickGuard = 0;
        CDialogEx::OnTimer(id);
        return;
    }
    try {
        CSnsCohDataqz* data = view.getCxcData(view.cxcClass);
        if (!data) {
            KillTimer(timerId);
            tickGuard = 0;
            CDialogEx::OnTimer(id);
            return;
        }
        // One sample on; past the end the selection starts again at 0 with the width it had.
        data->getSelect(selectBegin, selectEnd);
        const __int64 n = data->sampleCount;
        selectBegin = cxc::satAdd(selectBegin, 1);
        selectEnd = cxc::satAdd(selectEnd, 1);
        if (selectBegin >= n || selectEnd >= n) {
            selectEnd = cxc::satSub(selectEnd, selectBegin);
            selectBegin = 0;
        }
        data->setSelect(selectBegin, selectEnd);
        data->wantSampleMajor();  // every shown cell is new at each step
        view.Invalidate(FALSE);
        playButton.SetWindowText(text::kPlaying);
    } catch (...) {
        // A failing data library skips this step; the next tick tries again.
    }
    tickGuard = 0;
    CDialogEx::OnTimer(id);
}

// ---- size ------------------------------------------------------------------------------------

void CDlgCxcMatrix2DViewer::OnSize(UINT type, int cx, int cy)
{
    CDialogEx::OnSize(type, cx, cy);
    if (!view.GetSafeHwnd()) return;
    fitViewToDialog(view, cx, cy);
    view.releaseSurface();
    view.Invalidate(TRUE);
}
