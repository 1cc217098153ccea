#include "stdafx.h"

#include "linkmapcore.h"

#include <cmath>

#include "dialogtexts.h"
#include "linkreport.h"

IMPLEMENT_DYNAMIC(CDlgCxcLinkMapCore, CDlgCxcMapCore)

BEGIN_MESSAGE_MAP(CDlgCxcLinkMapCore, CDlgCxcMapCore)
    ON_BN_CLICKED(IDC_APPLY, &CDlgCxcLinkMapCore::OnApply)
    ON_BN_CLICKED(IDC_RADIOLOGY, &CDlgCxcLinkMapCore::OnDisplayCheck)
    ON_BN_CLICKED(IDC_SHOW_LABEL_CHECK, &CDlgCxcLinkMapCore::OnDisplayCheck)
    ON_BN_CLICKED(IDC_SHOW_SENSOR_CHECK, &CDlgCxcLinkMapCore::OnDisplayCheck)
    ON_EN_CHANGE(IDC_SENSOR_SIZE, &CDlgCxcLinkMapCore::OnSelectionEdit)
    ON_EN_CHANGE(IDC_SELECT_BEGIN, &CDlgCxcLinkMapCore::OnSelectionEdit)
    ON_EN_CHANGE(IDC_SELECT_END, &CDlgCxcLinkMapCore::OnSelectionEdit)
    ON_BN_CLICKED(IDC_SHOW_LINK, &CDlgCxcLinkMapCore::OnLinkSetting)
    ON_BN_CLICKED(IDC_COLOR_LINK, &CDlgCxcLinkMapCore::OnLinkSetting)
    ON_EN_CHANGE(IDC_MAX_LINK, &CDlgCxcLinkMapCore::OnLinkSetting)
    ON_EN_CHANGE(IDC_LINK_THRESHOLD, &CDlgCxcLinkMapCore::OnLinkSetting)
    ON_EN_CHANGE(IDC_TOP_PERCENT, &CDlgCxcLinkMapCore::OnTopPercentEdit)
    ON_BN_CLICKED(IDC_UPDATE, &CDlgCxcLinkMapCore::OnUpdate)
    ON_BN_CLICKED(IDC_FIT_TOP, &CDlgCxcLinkMapCore::OnFitTop)
    ON_BN_CLICKED(IDC_STEP_FORWARD, &CDlgCxcLinkMapCore::OnStepForward)
    ON_BN_CLICKED(IDC_STEP_BACK, &CDlgCxcLinkMapCore::OnStepBack)
    ON_BN_CLICKED(IDC_GT_SW, &CDlgCxcLinkMapCore::OnGraphReport)
    ON_COMMAND(ID_EDIT_NORMALIZE_RMS, &CDlgCxcLinkMapCore::OnNormalizeRms)
    ON_COMMAND(ID_EDIT_CHECK_DATA_RANGE, &CDlgCxcLinkMapCore::OnCheckDataRange)
    ON_COMMAND(ID_EDIT_SETUP_BLACK_PEN, &CDlgCxcLinkMapCore::OnSetupBlackPen)
    ON_COMMAND(ID_EDIT_SETUP_RED_PEN, &CDlgCxcLinkMapCore::OnSetupRedPen)
    ON_COMMAND(ID_EDIT_SETUP_BLUE_PEN, &CDlgCxcLinkMapCore::OnSetupBluePen)
    ON_COMMAND(ID_EDIT_GT_THRESHOLD, &CDlgCxcLinkMapCore::OnToggleGtThreshold)
    ON_COMMAND(ID_EDIT_GT_PRECISE, &CDlgCxcLinkMapCore::OnToggleGtPrecise)
END_MESSAGE_MAP()

CDlgCxcLinkMapCore::CDlgCxcLinkMapCore(UINT templateId) : CDlgCxcMapCore(templateId)
{
    titleText = cxc::dialogs::text::kLinkTitle;
}

CDlgCxcLinkMapCore::~CDlgCxcLinkMapCore() = default;

void CDlgCxcLinkMapCore::DoDataExchange(CDataExchange* dx)
{
    CDlgCxcMapCore::DoDataExchange(dx);
    cxc::maps::SensorMapFields& v = viewFields();
    DDX_Control(dx, IDC_MAP_VIEW, viewWindow());
    DDX_Control(dx, IDC_ROW_COMBO, rowCombo);
    DDX_Check(dx, IDC_RADIOLOGY, radiologyCheck);
    DDX_Check(dx, IDC_SHOW_LABEL_CHECK, labelCheck);
    DDX_Check(dx, IDC_SHOW_SENSOR_CHECK, sensorCheck);
    DDX_Text(dx, IDC_SENSOR_SIZE, sensorSize);
    DDX_Text(dx, IDC_SELECT_BEGIN, selectBegin);
    DDX_Text(dx, IDC_SELECT_END, selectEnd);
    DDX_Control(dx, IDC_COLUMN_COMBO, columnCombo);
    DDX_Control(dx, IDC_PLAY, playButton);
    DDX_Text(dx, IDC_TOP_PERCENT, topPercent);
    // Checked in double: exactly the values whose truncation lies in 0..100 pass (100.9 and -0.9
    // do); anything else, however large, fails with the same message.
    DDV_MinMaxInt(dx, topPercent > -1.0 && topPercent < 101.0 ? cxc::toInt(topPercent) : -1, 0, 100);
    DDX_Check(dx, IDC_SHOW_LINK, v.showLink);
    DDX_Check(dx, IDC_COLOR_LINK, colorLinkField());
    DDX_Text(dx, IDC_MAX_LINK, v.maxLink);
    DDX_Text(dx, IDC_LINK_THRESHOLD, v.linkThreshold);
}

int CDlgCxcLinkMapCore::refreshDialog()
{
    cxc::maps::SensorMapFields& v = viewFields();
    takeSensorChoices();
    fillChannelLists();
    if (viewCheckInitTrial()) {
        CSnsCohDataqz* data = cxc::classDataOf(v.trial, v.cxcClass);
        if (!data) {
            UpdateData(FALSE);
            return 0;
        }
        data->getSelect(selectBegin, selectEnd);
        if (firstRefresh) {
            double m = 0.0;
            v.linkThreshold = cxc::firstRefreshThreshold(*data, &m);
            setLinkRange(m);
            topPercent = 50.0;
            firstRefresh = 0;
        }
    }
    setClassCaption(cxc::dialogs::text::kMapCaption);
    UpdateData(FALSE);
    return 1;
}

int CDlgCxcLinkMapCore::storeDialog()
{
    UpdateData(TRUE);
    putSensorChoices();
    return storeSelection();
}

// ---- handlers ------------------------------------------------------------------------------------

void CDlgCxcLinkMapCore::OnApply()
{
    storeDialog();
    redrawView(TRUE);
}

void CDlgCxcLinkMapCore::OnDisplayCheck()
{
    storeDialog();
    redrawView(FALSE);
}

void CDlgCxcLinkMapCore::OnSelectionEdit() { storeDialog(); }

void CDlgCxcLinkMapCore::OnLinkSetting()
{
    UpdateData(TRUE);
    InvalidateRect(nullptr, FALSE);
}

void CDlgCxcLinkMapCore::OnTopPercentEdit() { UpdateData(TRUE); }

void CDlgCxcLinkMapCore::OnUpdate()
{
    UpdateData(TRUE);
    refreshDialog();
    if (CSnsCohDataqz* data = viewClassData()) {
        data->getSelect(selectBegin, selectEnd);
        // Only a threshold no link could reach comes down.
        const double m = cxc::largestLinkMagnitude(*data);
        cxc::maps::SensorMapFields& v = viewFields();
        if (v.linkThreshold > m) v.linkThreshold = 0.5 * m;
    }
    UpdateData(FALSE);
    redrawView(TRUE);
}

void CDlgCxcLinkMapCore::OnFitTop()
{
    UpdateData(TRUE);
    CSnsCohDataqz* data = viewClassData();
    if (!data) return;
    const double m = cxc::largestLinkMagnitude(*data);
    const double t = topPercent / 100.0 * m;
    double& threshold = viewFields().linkThreshold;
    threshold = t;
    if (t < 0.0) threshold = 0.0;
    else if (t > m) threshold = m;
    UpdateData(FALSE);
    redrawView(TRUE);
}

void CDlgCxcLinkMapCore::step(int dir)
{
    CSnsCohDataqz* data = viewClassData();
    if (!data) return;
    data->nextSelect(dir, 0);
    refreshDialog();
    redrawView(FALSE);
}

void CDlgCxcLinkMapCore::OnStepForward() { step(+1); }
void CDlgCxcLinkMapCore::OnStepBack() { step(-1); }

void CDlgCxcLinkMapCore::playStep()
{
    CSnsCohDataqz* data = viewClassData();
    if (!data) return;  // the timer keeps running
    UpdateData(TRUE);
    data->nextSelect(+1, 1);
    data->getSelect(selectBegin, selectEnd);
    data->wantSampleMajor();  // every pair's mean is new at each step
    redrawView(FALSE);
    showPlaying();
    UpdateData(FALSE);
}

void CDlgCxcLinkMapCore::OnGraphReport()
{
    UpdateData(TRUE);
    cxc::maps::SensorMapFields& v = viewFields();
    const CString report = graphReport(gtThreshold, gtPrecise, gtActiveOnly);
    infoWindow().showRichInfo02(report, v.infoCaption);
    UpdateData(FALSE);
}
