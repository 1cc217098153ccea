// The row/column viewer: a modeless dialog that shows the coupling series of one row of the coupling
// matrix with the facade's waveform drawer, overlaid or in columns. The user picks trial, row,
// highlighted column, layout, overlay type or column count, first sample and the time and amplitude
// scales, and drags a time selection over the view. Every setting lives in the drawer, which all
// row/column viewers of one facade share: loadFromDrawer copies it in, applyToDrawer copies it out.
#pragma once

#include "afxwin.h"
#include "resource.h"
#include "statcxcrowcolumn2dviewqz.h"

class CArrayMEDataSetqz;
class CMDTrialqz;
class CMEGDataqz;
class CMEGDrawCCDataqz;
class CMEGShowCCData2DFaceqz;
class CSnsCohDataqz;

class CDlgCxcRowColumn2DViewer : public CDialogEx {
    DECLARE_DYNAMIC(CDlgCxcRowColumn2DViewer)
public:
    enum { IDD = IDD_CXC_ROWCOLUMN_VIEWER };

    CArrayMEDataSetqz* dataSet = nullptr;   // set by the facade; owned by the host
    CMEGDataqz* session = nullptr;          // current session and trial, looked up by checkInitTrial
    CMDTrialqz* trial = nullptr;
    CMEGShowCCData2DFaceqz* facade = nullptr;  // set by the facade; not read here
    CMEGDrawCCDataqz* drawer = nullptr;     // the facade as the drawer every setting goes to
    CWnd* parentWnd = nullptr;              // the host's parent window
    CStatCxcRowColumn2DViewqz view;         // control 3770
    CComboBox classList;                    // 3786: "Active", "Control", "Act-Ctl" (disabled after a refresh)
    CComboBox trialList;                    // 3771: trial file names
    CComboBox rowList;                      // 3773: row channel
    CComboBox columnList;                   // 3776: highlighted column channel
    CComboBox layoutList;                   // 3779: "Overlay", "Columns"
    CComboBox typeList;                     // 3782: overlay type or column count
    CComboBox chnlTypeList;                 // 3783: channel type name (no effect)
    int rowIndex = 0;                       // row selected in the row list by a refresh
    int colIndex = 0;                       // column selected in the column list by a refresh
    int displayMode = 0;                    // mirror of the drawer's: 0 overlay, 1 columns
    int overlayType = 0;                    // mirror of the drawer's: 0 All, 1 two sides, 2 four regions
    int displayColumn = 3;                  // mirror of the drawer's column count
    int overlayOption = 0;                  // mirror of the drawer's
    __int64 startSample = 0;                // edit 3790: first sample drawn
    double timeScale = 1.0;                 // edit 3784: px per sample
    double ampScale = 0.005;                // edit 3789: px per data unit

    CDlgCxcRowColumn2DViewer();
    ~CDlgCxcRowColumn2DViewer() override;

    // session and trial become the data set's current ones; 1 when there is a trial. A null data set
    // leaves neither pointing into a data set the host may have freed.
    int checkInitTrial();
    // The refresh the facade runs after showing the dialog: settings from the drawer, lists filled,
    // the class list showing the view's class (and disabled), values into the controls. Returns 1.
    int loadFromDrawer();
    // Controls into the members and the members into the drawer (the first sample as the drawer
    // clamps it). 0 when a control holds no valid value (the user was told); nothing is applied then.
    int applyToDrawer();
    // Trial, row, column, layout, type and channel type lists from the data and the members. 0 when
    // there is no trial.
    int fillLists();

protected:
    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;

    // Class data of a class of the current trial (-1: the class the package holds), or null.
    // The entries of the type list for a layout: the three overlay types, or one to seven columns.
    void fillTypeList(int mode);
    // A scale step of an up-down control: +1 halves, -1 doubles, anything else keeps it.
    void stepScale(double& scale, NMHDR* nm, LRESULT* result);
    // The sample (kind 1) or channel label (kind 2) under a point of the dialog, and the class data
    // the selection belongs to (the class the package holds); null when the drawer cannot reach them.
    CSnsCohDataqz* pick(CPoint point, __int64& sample, int& kind);

    afx_msg void OnSelchangeClass();
    afx_msg void OnSelchangeTrial();
    afx_msg void OnSelchangeRow();
    afx_msg void OnSelchangeColumn();
    afx_msg void OnSelchangeLayout();
    afx_msg void OnSelchangeType();
    afx_msg void OnSelchangeChnlType();
    afx_msg void OnDeltaposTimeScale(NMHDR* nm, LRESULT* result);
    afx_msg void OnDeltaposAmpScale(NMHDR* nm, LRESULT* result);
    afx_msg void OnRefresh();
    afx_msg void OnChangeEdit();
    afx_msg void OnSize(UINT type, int cx, int cy);
    afx_msg void OnLButtonDown(UINT flags, CPoint point);
    afx_msg void OnMouseMove(UINT flags, CPoint point);
    afx_msg void OnLButtonUp(UINT flags, CPoint point);
    DECLARE_MESSAGE_MAP()
};
