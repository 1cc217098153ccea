#include "stdafx.h"

#include "dlgmegcxcshowstdset.h"

#include <algorithm>
#include <cmath>

#include "dialogtexts.h"
#include "statmegcclcntmapqz.h"

namespace {

constexpr int kBarMax = 1024;
constexpr int kBarPage = 102;
constexpr int kBarStart = 512;

// A position for a value in units of the bar: clamped to the bar's range in double; NaN leaves the
// position where it is.
void setBarPosition(CScrollBar& bar, double units)
{
    if (std::isnan(units)) return;
    int lo = 0, hi = 0;
    bar.GetScrollRange(&lo, &hi);
    bar.SetScrollPos(cxc::clampToInt(units, lo, std::max(lo, hi)), TRUE);
}

}  // namespace

IMPLEMENT_DYNAMIC(CDlgMegCxcShowStdSet, CDialogEx)

BEGIN_MESSAGE_MAP(CDlgMegCxcShowStdSet, CDialogEx)
    ON_BN_CLICKED(IDC_POLARITY_VIEW, &CDlgMegCxcShowStdSet::OnStoreAndRedraw)
    ON_BN_CLICKED(IDC_SCALE_1, &CDlgMegCxcShowStdSet::OnStoreAndRedraw)
    ON_BN_CLICKED(IDC_SCALE_2, &CDlgMegCxcShowStdSet::OnStoreAndRedraw)
    ON_BN_CLICKED(IDC_SCALE_256, &CDlgMegCxcShowStdSet::OnStoreAndRedraw)
    ON_BN_CLICKED(IDC_SCALE_512, &CDlgMegCxcShowStdSet::OnStoreAndRedraw)
    ON_BN_CLICKED(IDC_SCALE_768, &CDlgMegCxcShowStdSet::OnStoreAndRedraw)
    ON_BN_CLICKED(IDC_SCALE_1024, &CDlgMegCxcShowStdSet::OnStoreAndRedraw)
    ON_CBN_SELCHANGE(IDC_CLASS_COMBO, &CDlgMegCxcShowStdSet::OnClassChoice)
    ON_BN_CLICKED(IDC_STDSET_REFRESH, &CDlgMegCxcShowStdSet::OnRefresh)
    ON_BN_CLICKED(IDC_STDSET_UPDATE, &CDlgMegCxcShowStdSet::OnUpdate)
    ON_BN_CLICKED(IDC_STDSET_APPLY, &CDlgMegCxcShowStdSet::OnApply)
    ON_WM_HSCROLL()
END_MESSAGE_MAP()

CDlgMegCxcShowStdSet::CDlgMegCxcShowStdSet() : CDialogEx(IDD_MEG_SHOW_STDSET, nullptr) {}

CDlgMegCxcShowStdSet::~CDlgMegCxcShowStdSet()
{
    if (m_hWnd) DestroyWindow();
}

double CDlgMegCxcShowStdSet::scrollUnit(double hi) { return std::fabs(hi * 0.1 + hi) * 0.0009765625; }

BOOL CDlgMegCxcShowStdSet::OnInitDialog()
{
    CDialogEx::OnInitDialog();
    SetIcon(AfxGetApp()->LoadIcon(IDI_ICON_STDSET), TRUE);
    classCombo.AddString(cxc::dialogs::text::kClassActive);
    classCombo.AddString(cxc::dialogs::text::kClassControl);
    classCombo.AddString(cxc::dialogs::text::kClassResults);
    classCombo.SetCurSel(classIndex);
    SCROLLINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    info.nMin = 0;
    info.nMax = kBarMax;
    info.nPage = kBarPage;
    info.nPos = kBarStart;
    lowBar.SetScrollInfo(&info);
    highBar.SetScrollInfo(&info);
    refreshStdSet();
    UpdateData(FALSE);
    return TRUE;
}

void CDlgMegCxcShowStdSet::DoDataExchange(CDataExchange* dx)
{
    CDialogEx::DoDataExchange(dx);
    DDX_Check(dx, IDC_POLARITY_VIEW, polarity);
    DDX_Text(dx, IDC_SELECT_MIN_TEXT, lowText);
    DDX_Text(dx, IDC_SELECT_MAX_TEXT, highText);
    DDX_Control(dx, IDC_SELECT_MIN_BAR, lowBar);
    DDX_Control(dx, IDC_SELECT_MAX_BAR, highBar);
    DDX_Radio(dx, IDC_SCALE_1, colorScaleIndex);
    DDX_Control(dx, IDC_CLASS_COMBO, classCombo);
}

// ---- data ----------------------------------------------------------------------------------------

CSnsCohFaceqz* CDlgMegCxcShowStdSet::viewPackage()
{
    if (!view || !view->checkInitTrial() || !view->trial) return nullptr;
    return view->trial->getCoherenceFaceqzTime(false);
}

int CDlgMegCxcShowStdSet::readRange(double& lo, double& hi)
{
    lo = hi = 0.0;
    CSnsCohFaceqz* package = viewPackage();
    if (!package) return 0;
    package->getSnsCohRange(view->cxcClass, lo, hi, false, 1);
    return 1;
}

void CDlgMegCxcShowStdSet::redrawView()
{
    if (view) view->InvalidateRect(nullptr, TRUE);
}

int CDlgMegCxcShowStdSet::storeStdSet()
{
    UpdateData(TRUE);
    if (!view) return 0;
    view->polarityView = polarity;
    view->linkStyle = colorScaleIndex;
    view->cxcClass = classIndex;
    view->linkRangeMax = highValue;
    view->linkThreshold = lowValue;
    return 1;
}

int CDlgMegCxcShowStdSet::refreshStdSet()
{
    if (!view || !view->checkInitTrial() || !view->trial) return 0;
    polarity = view->polarityView;
    colorScaleIndex = view->linkStyle;
    classIndex = view->cxcClass;
    classCombo.SetCurSel(classIndex);
    double lo = 0.0, hi = 0.0;
    if (!readRange(lo, hi)) return 0;
    if (firstRefresh) {
        // Written so that a NaN range is refused as well.
        if (!(hi - lo > 0.0)) {
            cxc::tellUser(cxc::dialogs::text::kRangeError);
            return 0;
        }
        highValue = std::max(std::fabs(lo), std::fabs(hi));
        lowValue = lo > 0.0 ? 0.5 * std::fabs(hi - lo) : 0.5 * std::fabs(hi);
        view->linkRangeMax = highValue;
        view->linkThreshold = lowValue;
        firstRefresh = 0;
    } else {
        highValue = view->linkRangeMax;
        lowValue = view->linkThreshold;
    }
    lowText.Format(cxc::dialogs::text::kLowRefreshed, lo, lowValue);
    highText.Format(cxc::dialogs::text::kHighRefreshed, highValue, hi);
    readRange(lo, hi);
    const double s = scrollUnit(hi);
    if (std::fabs(s) > 1e-7) {
        setBarPosition(lowBar, std::fabs(lowValue) / s);
        setBarPosition(highBar, std::fabs(highValue) / s);
    }
    UpdateData(FALSE);
    return 1;
}

// ---- handlers ------------------------------------------------------------------------------------

void CDlgMegCxcShowStdSet::OnStoreAndRedraw()
{
    storeStdSet();
    redrawView();
}

void CDlgMegCxcShowStdSet::OnRefresh() { redrawView(); }

void CDlgMegCxcShowStdSet::OnUpdate()
{
    refreshStdSet();
    redrawView();
}

void CDlgMegCxcShowStdSet::OnApply() { storeStdSet(); }

void CDlgMegCxcShowStdSet::OnOK()
{
    storeStdSet();
    CDialogEx::OnOK();
}

void CDlgMegCxcShowStdSet::OnClassChoice()
{
    if (IsWindowVisible()) UpdateData(TRUE);
    if (classCombo.GetCount() <= 0) return;
    const int choice = classCombo.GetCurSel();
    if (choice == CB_ERR) return;
    CSnsCohFaceqz* package = viewPackage();
    if (package && package->getCoherenceData(choice)) {
        // The map follows at its next paint; the link dialog's caption at its next refresh.
        classIndex = choice;
        view->cxcClass = choice;
        return;
    }
    cxc::tellUser(cxc::dialogs::text::kNoClassData);
    // The list shows the class that stays.
    classCombo.SetCurSel(classIndex);
}

void CDlgMegCxcShowStdSet::OnHScroll(UINT code, UINT pos, CScrollBar* bar)
{
    const HWND from = bar ? bar->GetSafeHwnd() : nullptr;
    if (from && from == lowBar.GetSafeHwnd()) scrollStep(lowBar, true, code, static_cast<int>(pos));
    else if (from && from == highBar.GetSafeHwnd()) scrollStep(highBar, false, code, static_cast<int>(pos));
    CDialogEx::OnHScroll(code, pos, bar);
}

void CDlgMegCxcShowStdSet::scrollStep(CScrollBar& bar, bool low, UINT code, int thumb)
{
    UpdateData(TRUE);
    if (!view) return;
    int lo = 0, hi = 0;
    bar.GetScrollRange(&lo, &hi);
    SCROLLINFO info{};
    info.cbSize = sizeof(info);
    bar.GetScrollInfo(&info, SIF_PAGE);
    const int page = static_cast<int>(info.nPage);
    int pos = bar.GetScrollPos();
    switch (code) {
    case SB_LINEUP: if (pos > lo) --pos; break;
    case SB_LINEDOWN: if (pos < hi) ++pos; break;
    case SB_PAGEUP: if (pos > lo) pos = std::max(lo, pos - page); break;
    case SB_PAGEDOWN: if (pos < hi) pos = std::min(hi, pos + page); break;
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK: pos = thumb; break;
    case SB_TOP: pos = lo; break;
    case SB_BOTTOM: pos = hi; break;  // the value takes the range's end, past the bar's last position
    default: break;
    }
    bar.SetScrollPos(pos, TRUE);
    double dataLo = 0.0, dataHi = 0.0;
    if (!readRange(dataLo, dataHi)) return;
    const double s = scrollUnit(dataHi);
    if (low) {
        lowValue = s * pos;
        view->linkThreshold = lowValue;
        lowText.Format(cxc::dialogs::text::kLowScrolled, dataLo, lowValue);
    } else {
        highValue = s * pos;
        view->linkRangeMax = highValue;
        highText.Format(cxc::dialogs::text::kHighScrolled, highValue, dataHi);
    }
    UpdateData(FALSE);
    redrawView();
}
