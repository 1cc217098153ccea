#include "stdafx.h"

#include "mapdialogcore.h"

#include <algorithm>
#include <climits>
#include <vector>

#include "dialogtexts.h"

namespace cxc::dialogs {

CString classCaption(int cxcClass, const wchar_t* what)
{
    const wchar_t* prefix = cxcClass == 0   ? text::kActivePrefix
                            : cxcClass == 1 ? text::kControlPrefix
                            : cxcClass == 2 ? text::kResultPrefix
                                            : text::kUnknownPrefix;
    return CString(prefix) + what;
}

const cxc::maps::SensorMapFields* mapViewFieldsOf(CDialog* dialog)
{
    auto* map = dynamic_cast<CDlgCxcMapCore*>(dialog);
    return map ? &map->viewFields() : nullptr;
}

}  // namespace cxc::dialogs

namespace {

long liveDialogs = 0;

// A 64-bit list index as a combo box index; one that no list can hold selects nothing.
int comboIndex(__int64 index) { return index >= 0 && index <= INT_MAX ? static_cast<int>(index) : -1; }

// The list shows exactly these names. Every refresh (and so every patch play tick) asks for the
// same names again; a list that already shows them is left alone instead of being emptied and
// filled anew, which with a few hundred channels cost more than painting the map.
void setItems(CComboBox& combo, const std::vector<CString>& names)
{
    bool same = combo.GetCount() == static_cast<int>(names.size());
    CString item;
    for (size_t i = 0; same && i < names.size(); ++i) {
        combo.GetLBText(static_cast<int>(i), item);
        same = item == names[i];
    }
    if (same) return;
    combo.ResetContent();
    for (const CString& name : names) combo.AddString(name);
}

}  // namespace

IMPLEMENT_DYNAMIC(CDlgCxcMapCore, CDialogEx)

BEGIN_MESSAGE_MAP(CDlgCxcMapCore, CDialogEx)
    ON_CBN_SELCHANGE(IDC_ROW_COMBO, &CDlgCxcMapCore::OnRowChoice)
    ON_CBN_SELCHANGE(IDC_COLUMN_COMBO, &CDlgCxcMapCore::OnColumnChoice)
    ON_BN_CLICKED(IDC_PLAY, &CDlgCxcMapCore::OnPlay)
    ON_WM_TIMER()
    ON_WM_SIZE()
    ON_WM_LBUTTONDOWN()
    ON_COMMAND(ID_VIEW_SHOW_INFORMATION, &CDlgCxcMapCore::OnShowInformation)
END_MESSAGE_MAP()

CDlgCxcMapCore::CDlgCxcMapCore(UINT templateId)
    : CDialogEx(templateId, nullptr), stoppedCaption(cxc::dialogs::text::kPlayStopped)
{
    ++liveDialogs;
}

CDlgCxcMapCore::~CDlgCxcMapCore() { --liveDialogs; }

long CDlgCxcMapCore::liveCount() { return liveDialogs; }

BOOL CDlgCxcMapCore::OnInitDialog()
{
    CDialogEx::OnInitDialog();
    SetIcon(AfxGetApp()->LoadIcon(IDI_ICON_CXCMAP), TRUE);
    return TRUE;
}

// ---- data ----------------------------------------------------------------------------------------

int CDlgCxcMapCore::refreshSessionTrial()
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

CSnsCohDataqz* CDlgCxcMapCore::viewClassData()
{
    if (!viewCheckInitTrial()) return nullptr;
    const cxc::maps::SensorMapFields& v = viewFields();
    return cxc::classDataOf(v.trial, v.cxcClass);
}

CSnsCohDataqz* CDlgCxcMapCore::ownClassData() { return cxc::classDataOf(trial, viewFields().cxcClass); }

void CDlgCxcMapCore::fillChannelLists()
{
    std::vector<CString> names;
    cxc::CouplingRoad road;
    if (refreshSessionTrial()) cxc::takeRoad(trial, viewFields().cxcClass, road);
    CSnsCohDataqz* data = road.data;
    // A current row outside the pair array leaves both lists empty.
    const CWavChnlChnlDataqz* row = road.currentRow();
    if (row) {
        const __int64 n = data->colsWalkable();
        names.reserve(static_cast<size_t>(std::max<__int64>(0, n)));
        for (__int64 j = 0; j < n; ++j) names.push_back(session->getChnlName_PhycVirt(row[j].colChnl, false));
    }
    setItems(rowCombo, names);
    setItems(columnCombo, names);
    if (!row) return;
    rowCombo.SetCurSel(comboIndex(data->curRow));
    columnCombo.SetCurSel(comboIndex(data->curCol));
}

int CDlgCxcMapCore::storeSelection()
{
    if (!viewCheckInitTrial()) return 1;
    CSnsCohDataqz* data = viewClassData();
    if (!data) return 0;
    data->setSelect(selectBegin, selectEnd);
    return 1;
}

void CDlgCxcMapCore::takeSensorChoices()
{
    const cxc::maps::SensorMapFields& v = viewFields();
    radiologyCheck = v.radiology;
    labelCheck = v.showLabel;
    sensorCheck = v.showSensor;
    sensorSize = v.sensorRadius;
}

void CDlgCxcMapCore::putSensorChoices()
{
    cxc::maps::SensorMapFields& v = viewFields();
    v.radiology = radiologyCheck;
    v.showLabel = labelCheck;
    v.showSensor = sensorCheck;
    v.sensorRadius = sensorSize;
}

void CDlgCxcMapCore::widenShortSelectionOnce(CSnsCohDataqz& data)
{
    if (!firstRefresh) return;
    if (cxc::satSub(selectEnd, selectBegin) < 10) {
        data.setSelect(0, 10);
        selectBegin = 0;
        selectEnd = 10;
    }
    firstRefresh = 0;
}

void CDlgCxcMapCore::redrawView(BOOL erase) { viewWindow().InvalidateRect(nullptr, erase); }

void CDlgCxcMapCore::setClassCaption(const wchar_t* what)
{
    titleText = cxc::dialogs::classCaption(viewFields().cxcClass, what);
    SetWindowText(titleText);
}

void CDlgCxcMapCore::showPlaying()
{
    viewFields().playing = 1;
    playButton.SetWindowText(cxc::dialogs::text::kPlayRunning);
}

// ---- handlers ------------------------------------------------------------------------------------

void CDlgCxcMapCore::channelChoice(CComboBox& combo, bool row)
{
    const int index = combo.GetCurSel();
    if (index == CB_ERR) return;
    if (!refreshSessionTrial()) return;
    if (CSnsCohDataqz* data = ownClassData()) {
        // The lists hold a row's elements, which may outnumber the rows: such a choice names no row.
        if (!row) data->curCol = index;
        else if (index < data->rowCount) data->curRow = index;
    }
    redrawView(TRUE);
}

void CDlgCxcMapCore::OnRowChoice() { channelChoice(rowCombo, true); }
void CDlgCxcMapCore::OnColumnChoice() { channelChoice(columnCombo, false); }

void CDlgCxcMapCore::OnPlay()
{
    storeDialog();
    cxc::maps::SensorMapFields& v = viewFields();
    if (!v.playing) {
        KillTimer(playTimer);
        // The caption changes with the first tick.
        playTimer = SetTimer(cxc::dialogs::kPlayTimerId, static_cast<UINT>(std::max(0, v.playInterval)));
        v.playing = 1;
    } else {
        KillTimer(playTimer);
        v.playing = 0;
        playButton.SetWindowText(stoppedCaption);
    }
}

void CDlgCxcMapCore::OnTimer(UINT_PTR id)
{
    if (id != cxc::dialogs::kPlayTimerId) {
        CDialogEx::OnTimer(id);
        return;
    }
    playStep();
}

void CDlgCxcMapCore::OnSize(UINT type, int cx, int cy)
{
    CDialogEx::OnSize(type, cx, cy);
    CWnd& view = viewWindow();
    if (!view.GetSafeHwnd()) return;
    WINDOWPLACEMENT place{};
    place.length = sizeof(place);
    view.GetWindowPlacement(&place);
    // 10 px to the right and below; a client area too small for that leaves the view empty, never
    // turned inside out.
    RECT& r = place.rcNormalPosition;
    r.right = std::max<LONG>(r.left, cx - 10);
    r.bottom = std::max<LONG>(r.top, cy - 10);
    view.SetWindowPlacement(&place);
    viewFields().releaseSurface();
    redrawView(eraseOnResize);
}

void CDlgCxcMapCore::OnLButtonDown(UINT flags, CPoint point)
{
    CWnd& view = viewWindow();
    if (view.GetSafeHwnd()) {
        CPoint p = point;
        MapWindowPoints(&view, &p, 1);
        cxc::maps::SensorMapFields& v = viewFields();
        viewHitTestSensor(p, v.radiology != 0, v.chnlType);
    }
    CDialogEx::OnLButtonDown(flags, point);
}

void CDlgCxcMapCore::OnShowInformation()
{
    UpdateData(TRUE);
    cxc::maps::SensorMapFields& v = viewFields();
    v.showInfo = !v.showInfo;
    redrawView(eraseOnInfoToggle);
}

// ---- menu commands of the link and patch dialogs ---------------------------------------------------

void CDlgCxcMapCore::normalizeRms()
{
    CWaitCursor wait;
    if (CSnsCohDataqz* data = viewClassData()) data->normRMS();
}

void CDlgCxcMapCore::checkDataRange()
{
    CWaitCursor wait;
    if (CSnsCohDataqz* data = viewClassData()) data->checkDataRange();
}

void CDlgCxcMapCore::setupPen(CPen& pen)
{
    CPenSetupqz setup;
    setup.setupPen(&pen, &viewWindow());
}
