// What every sensor map dialog shares, whatever its view draws (links, waveform patches or the
// contour field) and whichever modality it shows: where its data come from, the two channel lists,
// the time selection, the play timer (id 100), the resize rule, the sensor click, the information
// toggle and the pen and normalisation commands. Builds on CDialogEx; a kind of map dialog adds its
// controls and handlers above it, and MapDialogWith (mapdialogwith.h) the view of one modality.
//
// The class data of a dialog is the trial's coupling package (getCoherenceFaceqzTime(false)) asked
// for the view's class. A missing link anywhere on the way is not an error: handlers then do nothing
// more, and no message is shown. A current row outside the pair array counts as missing for the
// channel lists, and a row choice beyond the row count is ignored.
#pragma once

#include "afxdialogex.h"
#include "cxccompanions.h"
#include "modulebase.h"
#include "sensormapfields.h"

class CMEGDrawCCDataqz;
class CMEGShowCCData2DFace;

namespace cxc::dialogs {

inline constexpr UINT_PTR kPlayTimerId = kMapPlayTimer;

// "Active Selection: " + what, "Control Selection: " + what, "Active-Control Result: " + what, and
// "Unknown " + what for any other class.
CString classCaption(int cxcClass, const wchar_t* what);

}  // namespace cxc::dialogs

class CDlgCxcMapCore : public CDialogEx {
    DECLARE_DYNAMIC(CDlgCxcMapCore)
public:
    explicit CDlgCxcMapCore(UINT templateId);
    ~CDlgCxcMapCore() override;

    // Set by the show functions on every call; owned by the host (data set, parent) and the facade.
    CArrayMEDataSetqz* dataSet = nullptr;
    CMEGDataqz* session = nullptr;         // looked up again by refreshSessionTrial
    CMDTrialqz* trial = nullptr;
    CMEGDrawCCDataqz* drawer = nullptr;    // the facade as the shared drawer
    CMEGShowCCData2DFace* face = nullptr;  // the same object as the facade; not read here
    CWnd* parentWnd = nullptr;             // not read here

    CButton playButton;                    // 3746: "Play" / "Animate"
    UINT_PTR playTimer = 0;                // id SetTimer returned
    CComboBox rowCombo;                    // 3773: current row of the class data
    CComboBox columnCombo;                 // 3777: current column
    int radiologyCheck = 0;                // 3766, copied to the view's radiology
    int labelCheck = 0;                    // 3752, the view's showLabel
    int sensorCheck = 0;                   // 3753, the view's showSensor
    int sensorSize = 6;                    // 3762, px: the view's sensorRadius
    __int64 selectBegin = 0;               // 3758: first sample of the selection
    __int64 selectEnd = 2;                 // 3757: last sample of the selection
    int firstRefresh = 1;                  // cleared by the first refresh that finds class data
    CString titleText;                     // the caption, set by each refresh

    // Session and trial of the data set as it is now: 1 with a trial. A null data set leaves
    // neither behind (the host may have freed the last one).
    virtual int refreshSessionTrial();
    // Controls from the view and the class data; 0 when the view has a trial but no class data.
    virtual int refreshDialog() = 0;
    // Controls into the view and the class data's selection; 0 when the class data is missing.
    virtual int storeDialog() = 0;

    // The map view, whichever its modality (MapDialogWith).
    virtual cxc::maps::SensorMapFields& viewFields() = 0;
    virtual CWnd& viewWindow() = 0;
    virtual int viewCheckInitTrial() = 0;
    virtual int viewHitTestSensor(CPoint point, int mirror, int type) = 0;

    // Map dialog objects alive in the process (a failed show must not leave one behind).
    static long liveCount();

protected:
    // The class data of the view's class on the view's trial, after the view's checkInitTrial; null
    // when either fails.
    CSnsCohDataqz* viewClassData();
    // The same through the dialog's own trial (refreshSessionTrial ran before).
    CSnsCohDataqz* ownClassData();
    // Both channel lists show the channel names of the current row's elements (none without a
    // session, class data or a current row in the pair array) and select the current row and
    // column. A list that shows those names already is kept as it is.
    void fillChannelLists();
    // The dialog's selection into the class data: 1 without a view trial (nothing to store), 0
    // without class data, 1 when stored.
    int storeSelection();
    // Radiology, label, sensor and sensor size: from the view into the dialog, and back.
    void takeSensorChoices();
    void putSensorChoices();
    // On the first refresh with class data, a selection under ten samples opens at 0..10.
    void widenShortSelectionOnce(CSnsCohDataqz& data);
    void redrawView(BOOL erase);
    // The caption of the dialog's class for what it shows; also kept in titleText.
    void setClassCaption(const wchar_t* what);
    // The view is playing; the button says so.
    void showPlaying();

    // One tick of timer 100.
    virtual void playStep() = 0;

    // The menu commands of the link and patch dialogs (each registers them in its own map).
    void normalizeRms();
    void checkDataRange();
    void setupPen(CPen& pen);

    BOOL OnInitDialog() override;

    afx_msg void OnRowChoice();
    afx_msg void OnColumnChoice();
    afx_msg void OnPlay();
    afx_msg void OnTimer(UINT_PTR id);
    afx_msg void OnSize(UINT type, int cx, int cy);
    afx_msg void OnLButtonDown(UINT flags, CPoint point);
    afx_msg void OnShowInformation();
    afx_msg void OnNormalizeRms() { normalizeRms(); }
    afx_msg void OnCheckDataRange() { checkDataRange(); }
    afx_msg void OnSetupBlackPen() { setupPen(viewFields().linkPenBlack); }
    afx_msg void OnSetupRedPen() { setupPen(viewFields().linkPenRed); }
    afx_msg void OnSetupBluePen() { setupPen(viewFields().linkPenBlue); }

    const wchar_t* stoppedCaption;   // the play button when a stop ends the timer
    BOOL eraseOnResize = TRUE;       // the resize rule's final redraw
    BOOL eraseOnInfoToggle = TRUE;   // "Show Information"'s redraw

private:
    void channelChoice(CComboBox& combo, bool row);

    DECLARE_MESSAGE_MAP()
};

namespace cxc::dialogs {
// The view fields of a link, patch or contour dialog; null for any other window. A host reaches them
// through here: the dialog classes are not exported from the module.
AFX_EXT_API const cxc::maps::SensorMapFields* mapViewFieldsOf(CDialog* dialog);
}  // namespace cxc::dialogs
