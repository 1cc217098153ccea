#include "stdafx.h"

#include "wavemapcore.h"

#include <cmath>

#include "dialogtexts.h"

IMPLEMENT_DYNAMIC(CDlgCxcWaveMapCore, CDlgCxcMapCore)

BEGIN_MESSAGE_MAP(CDlgCxcWaveMapCore, CDlgCxcMapCore)
    ON_BN_CLICKED(IDC_APPLY, &CDlgCxcWaveMapCore::OnApply)
    ON_BN_CLICKED(IDC_AUTOFIT, &CDlgCxcWaveMapCore::OnDisplayChange)
    ON_BN_CLICKED(IDC_RADIOLOGY, &CDlgCxcWaveMapCore::OnDisplayChange)
    ON_BN_CLICKED(IDC_SHOW_LABEL_CHECK, &CDlgCxcWaveMapCore::OnDisplayChange)
    ON_BN_CLICKED(IDC_SHOW_SENSOR_CHECK, &CDlgCxcWaveMapCore::OnDisplayChange)
    ON_EN_CHANGE(IDC_SENSOR_SIZE, &CDlgCxcWaveMapCore::OnDisplayChange)
    ON_EN_CHANGE(IDC_SELECT_BEGIN, &CDlgCxcWaveMapCore::OnEditChange)
    ON_EN_CHANGE(IDC_SELECT_END, &CDlgCxcWaveMapCore::OnEditChange)
    ON_EN_CHANGE(IDC_TIME_SCALE, &CDlgCxcWaveMapCore::OnEditChange)
    ON_EN_CHANGE(IDC_AMP_SCALE, &CDlgCxcWaveMapCore::OnEditChange)
    ON_NOTIFY(UDN_DELTAPOS, IDC_TIME_SCALE_SPIN, &CDlgCxcWaveMapCore::OnTimeScaleStep)
    ON_NOTIFY(UDN_DELTAPOS, IDC_AMP_SCALE_SPIN, &CDlgCxcWaveMapCore::OnAmpScaleStep)
    ON_BN_CLICKED(IDC_RESET, &CDlgCxcWaveMapCore::OnReset)
    ON_BN_CLICKED(IDC_UPDATE, &CDlgCxcWaveMapCore::OnUpdate)
    ON_COMMAND(ID_EDIT_NORMALIZE_RMS, &CDlgCxcWaveMapCore::OnNormalizeRms)
    ON_COMMAND(ID_EDIT_CHECK_DATA_RANGE, &CDlgCxcWaveMapCore::OnCheckDataRange)
    ON_COMMAND(ID_EDIT_SETUP_BLACK_PEN, &CDlgCxcWaveMapCore::OnSetupBlackPen)
    ON_COMMAND(ID_EDIT_SETUP_RED_PEN, &CDlgCxcWaveMapCore::OnSetupRedPen)
    ON_COMMAND(ID_EDIT_SETUP_BLUE_PEN, &CDlgCxcWaveMapCore::OnSetupBluePen)
END_MESSAGE_MAP()

CDlgCxcWaveMapCore::CDlgCxcWaveMapCore(UINT templateId) : CDlgCxcMapCore(templateId)
{
    titleText = cxc::dialogs::text::kWaveTitle;
}

CDlgCxcWaveMapCore::~CDlgCxcWaveMapCore() = default;

double CDlgCxcWaveMapCore::stepScale(double scale, int delta)
{
    double next = scale;
    if (delta == -1) next = scale * 2.0;
    else if (delta == 1) next = scale * 0.5;
    // Doubling past the largest double would show "inf", which no later exchange could read back.
    return std::isfinite(next) && (next != 0.0 || scale == 0.0) ? next : scale;
}

void CDlgCxcWaveMapCore::DoDataExchange(CDataExchange* dx)
{
    CDlgCxcMapCore::DoDataExchange(dx);
    DDX_Control(dx, IDC_MAP_VIEW, viewWindow());
    DDX_Control(dx, IDC_ROW_COMBO, rowCombo);
    DDX_Check(dx, IDC_AUTOFIT, autofitCheck);
    DDX_Check(dx, IDC_RADIOLOGY, radiologyCheck);
    DDX_Check(dx, IDC_SHOW_LABEL_CHECK, labelCheck);
    DDX_Check(dx, IDC_SHOW_SENSOR_CHECK, sensorCheck);
    DDX_Text(dx, IDC_SENSOR_SIZE, sensorSize);
    DDX_Text(dx, IDC_SELECT_BEGIN, selectBegin);
    DDX_Text(dx, IDC_SELECT_END, selectEnd);
    DDX_Text(dx, IDC_TIME_SCALE, timeScale);
    DDX_Text(dx, IDC_AMP_SCALE, ampScale);
    DDX_Control(dx, IDC_COLUMN_COMBO, columnCombo);
    DDX_Control(dx, IDC_PLAY, playButton);
}

int CDlgCxcWaveMapCore::refreshSessionTrial()
{
    if (!CDlgCxcMapCore::refreshSessionTrial()) return 0;
    // The view looks its own session and trial up again before it makes the plane, so it never
    // projects with a trial the show function did not find or one that has gone since.
    viewCheckInitTrial();
    return 1;
}

int CDlgCxcWaveMapCore::refreshDialog()
{
    cxc::maps::SensorMapFields& v = viewFields();
    autofitCheck = v.autofit;
    takeSensorChoices();
    timeScale = v.timeScale;
    ampScale = v.ampScale;
    fillChannelLists();
    if (viewCheckInitTrial()) {
        CSnsCohDataqz* data = cxc::classDataOf(v.trial, v.cxcClass);
        if (!data) {
            UpdateData(FALSE);
            return 0;
        }
        data->getSelect(selectBegin, selectEnd);
        widenShortSelectionOnce(*data);  // a shorter one shows no curve
    }
    setClassCaption(cxc::dialogs::text::kMapCaption);
    UpdateData(FALSE);
    return 1;
}

int CDlgCxcWaveMapCore::storeDialog()
{
    UpdateData(TRUE);
    cxc::maps::SensorMapFields& v = viewFields();
    v.autofit = autofitCheck;
    putSensorChoices();
    v.timeScale = timeScale;
    v.ampScale = ampScale;
    return storeSelection();
}

// ---- handlers ------------------------------------------------------------------------------------

void CDlgCxcWaveMapCore::OnApply()
{
    storeDialog();
    redrawView(TRUE);
}

void CDlgCxcWaveMapCore::OnDisplayChange()
{
    storeDialog();
    redrawView(FALSE);
}

void CDlgCxcWaveMapCore::OnEditChange()
{
    UpdateData(TRUE);
    storeDialog();
    redrawView(FALSE);
}

void CDlgCxcWaveMapCore::scaleStep(double& scale, NMHDR* header, LRESULT* result)
{
    const auto* step = reinterpret_cast<const NMUPDOWN*>(header);
    if (step) scale = stepScale(scale, step->iDelta);
    UpdateData(FALSE);
    storeDialog();
    redrawView(TRUE);
    if (result) *result = 0;  // the up-down may move its position
}

void CDlgCxcWaveMapCore::OnTimeScaleStep(NMHDR* header, LRESULT* result) { scaleStep(timeScale, header, result); }
void CDlgCxcWaveMapCore::OnAmpScaleStep(NMHDR* header, LRESULT* result) { scaleStep(ampScale, header, result); }

void CDlgCxcWaveMapCore::OnReset()
{
    UpdateData(TRUE);
    if (CSnsCohDataqz* data = viewClassData()) {
        data->setSelect(0, 30);
        selectBegin = 0;
        selectEnd = 30;
        UpdateData(FALSE);
    }
    redrawView(FALSE);
}

void CDlgCxcWaveMapCore::OnUpdate()
{
    UpdateData(TRUE);
    refreshDialog();
}

void CDlgCxcWaveMapCore::playStep()
{
    CSnsCohDataqz* data = viewClassData();
    if (!data) return;  // the timer keeps running
    data->nextSelect(+1, 1);
    refreshDialog();
    redrawView(FALSE);
    showPlaying();
}
