#include "stdafx.h"

#include "contourmapcore.h"

#include <cmath>

#include "dialogtexts.h"

IMPLEMENT_DYNAMIC(CDlgCxcContourMapCore, CDlgCxcMapCore)

BEGIN_MESSAGE_MAP(CDlgCxcContourMapCore, CDlgCxcMapCore)
    ON_CBN_SELCHANGE(IDC_COLOR_SCALE, &CDlgCxcContourMapCore::OnColorScale)
    ON_BN_CLICKED(IDC_TYPE_FIELD, &CDlgCxcContourMapCore::OnDisplayType)
    ON_BN_CLICKED(IDC_TYPE_LINE, &CDlgCxcContourMapCore::OnDisplayType)
    ON_BN_CLICKED(IDC_TYPE_BOTH, &CDlgCxcContourMapCore::OnDisplayType)
    ON_BN_CLICKED(IDC_AUTOFIT, &CDlgCxcContourMapCore::OnDisplayCheck)
    ON_BN_CLICKED(IDC_SHOW_LABEL_CHECK, &CDlgCxcContourMapCore::OnDisplayCheck)
    ON_BN_CLICKED(IDC_RADIOLOGY, &CDlgCxcContourMapCore::OnDisplayCheck)
    ON_BN_CLICKED(IDC_SHOW_SENSOR_CHECK, &CDlgCxcContourMapCore::OnDisplayCheck)
    ON_BN_CLICKED(IDC_APPLY, &CDlgCxcContourMapCore::OnApply)
    ON_BN_CLICKED(IDC_UPDATE, &CDlgCxcContourMapCore::OnUpdate)
    ON_BN_CLICKED(IDC_RESET, &CDlgCxcContourMapCore::OnReset)
    ON_EN_CHANGE(IDC_SENSOR_SIZE, &CDlgCxcContourMapCore::OnSensorSize)
    ON_EN_CHANGE(IDC_CONTOUR_THRESHOLD, &CDlgCxcContourMapCore::OnThresholdEdit)
    ON_EN_CHANGE(IDC_CONTOUR_LEVELS, &CDlgCxcContourMapCore::OnLevelsEdit)
    ON_EN_CHANGE(IDC_SELECT_BEGIN, &CDlgCxcContourMapCore::OnSelectBeginEdit)
    ON_EN_CHANGE(IDC_SELECT_END, &CDlgCxcContourMapCore::OnSelectEndEdit)
    ON_COMMAND(ID_VIEW_REFRESH, &CDlgCxcContourMapCore::OnRefresh)
END_MESSAGE_MAP()

CDlgCxcContourMapCore::CDlgCxcContourMapCore(UINT templateId) : CDlgCxcMapCore(templateId)
{
    sensorSize = 0;
    selectEnd = 0;
    titleText = cxc::dialogs::text::kContourTitle;
    stoppedCaption = cxc::dialogs::text::kAnimateStopped;
    eraseOnResize = FALSE;
    eraseOnInfoToggle = FALSE;
}

CDlgCxcContourMapCore::~CDlgCxcContourMapCore() = default;

BOOL CDlgCxcContourMapCore::OnInitDialog()
{
    CDlgCxcMapCore::OnInitDialog();
    for (const wchar_t* item : {L"2", L"512", L"768"}) colorScaleCombo.AddString(item);
    colorScaleCombo.SetCurSel(viewFields().colorScale);
    return TRUE;
}

void CDlgCxcContourMapCore::DoDataExchange(CDataExchange* dx)
{
    CDlgCxcMapCore::DoDataExchange(dx);
    DDX_Control(dx, IDC_ROW_COMBO, rowCombo);
    DDX_Control(dx, IDC_COLUMN_COMBO, columnCombo);
    DDX_Control(dx, IDC_COLOR_SCALE, colorScaleCombo);
    DDX_Radio(dx, IDC_TYPE_FIELD, displayType);
    DDX_Check(dx, IDC_AUTOFIT, autofitCheck);
    DDX_Check(dx, IDC_SHOW_LABEL_CHECK, labelCheck);
    DDX_Check(dx, IDC_RADIOLOGY, radiologyCheck);
    DDX_Check(dx, IDC_SHOW_SENSOR_CHECK, sensorCheck);
    DDX_Text(dx, IDC_SELECT_BEGIN, selectBegin);
    DDX_Text(dx, IDC_SELECT_END, selectEnd);
    DDX_Text(dx, IDC_SENSOR_SIZE, sensorSize);
    DDX_Text(dx, IDC_CONTOUR_THRESHOLD, threshold);
    DDX_Text(dx, IDC_CONTOUR_LEVELS, levels);
    DDX_Control(dx, IDC_PLAY, playButton);
    DDX_Control(dx, IDC_MAP_VIEW, viewWindow());
    DDX_Text(dx, IDC_FIELD_MAXIMUM, fieldMaximum);
    DDX_Text(dx, IDC_LATENCY_BEGIN, latencyBeginText);
    DDX_Text(dx, IDC_LATENCY_END, latencyEndText);
}

void CDlgCxcContourMapCore::setLatencyTexts(CSnsCohDataqz& data)
{
    latencyBeginText.Format(cxc::dialogs::text::kLatencyFormat, 1000.0 * data.getLatency4PtSecond(selectBegin));
    latencyEndText.Format(cxc::dialogs::text::kLatencyFormat, 1000.0 * data.getLatency4PtSecond(selectEnd));
}

void CDlgCxcContourMapCore::takeGridState()
{
    const cxc::maps::SensorMapFields& v = viewFields();
    fieldMaximum = v.grid.fieldMaximum;
    threshold = v.contourThreshold;
    levels = v.contourLevels;
}

int CDlgCxcContourMapCore::refreshDialog()
{
    cxc::maps::SensorMapFields& v = viewFields();
    autofitCheck = v.autofit;
    takeSensorChoices();
    takeGridState();
    displayType = v.contourType;
    fillChannelLists();
    colorScaleCombo.SetCurSel(v.colorScale);
    if (viewCheckInitTrial()) {
        CSnsCohDataqz* data = cxc::classDataOf(v.trial, v.cxcClass);
        if (!data) {
            UpdateData(FALSE);
            return 0;
        }
        data->getSelect(selectBegin, selectEnd);
        widenShortSelectionOnce(*data);  // a shorter one shows no field
        // After the widening, so that the labels name the selection the edits show.
        setLatencyTexts(*data);
    }
    setClassCaption(cxc::dialogs::text::kContourTitle);
    UpdateData(FALSE);
    return 1;
}

int CDlgCxcContourMapCore::storeDialog()
{
    UpdateData(TRUE);
    cxc::maps::SensorMapFields& v = viewFields();
    v.autofit = autofitCheck;
    putSensorChoices();
    // The magnitude is compared; the maximum itself is kept (shown at the next exchange).
    if (std::fabs(threshold) > v.grid.fieldMaximum) threshold = v.grid.fieldMaximum;
    v.contourLevels = levels;
    v.contourType = displayType;
    v.contourThreshold = threshold;
    return storeSelection();
}

// ---- handlers ------------------------------------------------------------------------------------

void CDlgCxcContourMapCore::OnColorScale()
{
    const int index = colorScaleCombo.GetCurSel();
    if (index == CB_ERR) return;
    viewFields().colorScale = index;
    redrawView(FALSE);
}

void CDlgCxcContourMapCore::OnDisplayType()
{
    CWaitCursor wait;
    UpdateData(TRUE);
    storeDialog();
    redrawView(FALSE);
    UpdateData(FALSE);
}

void CDlgCxcContourMapCore::OnDisplayCheck()
{
    storeDialog();
    redrawView(FALSE);
}

void CDlgCxcContourMapCore::OnApply()
{
    storeDialog();
    redrawView(TRUE);
}

void CDlgCxcContourMapCore::OnUpdate()
{
    UpdateData(TRUE);
    refreshDialog();
}

void CDlgCxcContourMapCore::OnReset()
{
    UpdateData(TRUE);
    if (CSnsCohDataqz* data = viewClassData()) {
        data->setSelect(0, 30);
        selectBegin = 0;
        selectEnd = 30;
        setLatencyTexts(*data);
        UpdateData(FALSE);
    }
    redrawView(FALSE);
}

void CDlgCxcContourMapCore::OnSensorSize()
{
    UpdateData(TRUE);
    storeDialog();
    redrawView(FALSE);
}

void CDlgCxcContourMapCore::OnThresholdEdit()
{
    const double before = threshold;
    UpdateData(TRUE);
    if (threshold == before) return;  // the same value typed again draws nothing new
    storeDialog();
    redrawView(FALSE);
}

void CDlgCxcContourMapCore::OnLevelsEdit()
{
    const int before = levels;
    UpdateData(TRUE);
    if (levels == before) return;
    storeDialog();
    redrawView(FALSE);
}

void CDlgCxcContourMapCore::selectionEdit(const __int64& member)
{
    const __int64 before = member;
    UpdateData(TRUE);
    if (member == before || !viewCheckInitTrial()) return;
    CSnsCohDataqz* data = viewClassData();
    if (!data) return;  // the labels keep their texts
    setLatencyTexts(*data);
    UpdateData(FALSE);
}

void CDlgCxcContourMapCore::OnSelectBeginEdit() { selectionEdit(selectBegin); }
void CDlgCxcContourMapCore::OnSelectEndEdit() { selectionEdit(selectEnd); }

void CDlgCxcContourMapCore::OnRefresh()
{
    CWaitCursor wait;
    storeDialog();
    viewRebuildFieldGrid();
    takeGridState();
    UpdateData(FALSE);
    redrawView(TRUE);
}

void CDlgCxcContourMapCore::playStep()
{
    CSnsCohDataqz* data = viewClassData();
    if (!data) return;  // the timer keeps running
    UpdateData(TRUE);
    data->nextSelect(+1, 1);
    data->getSelect(selectBegin, selectEnd);
    setLatencyTexts(*data);
    // The weights stay those of the last rebuild: a new row shows after "Refresh".
    cxc::maps::SensorMapFields& v = viewFields();
    viewCalcGridData();
    if (v.contourType != 0) viewCalcContourLines(v.contourThreshold, v.grid.fieldMaximum, v.contourLevels);
    takeGridState();
    redrawView(FALSE);
    showPlaying();
    UpdateData(FALSE);
}
