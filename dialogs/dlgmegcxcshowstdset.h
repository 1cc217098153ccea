// The standard display parameters dialog (template 3778), opened by the MEG link dialog's
// "Setting" button: the link threshold and the largest link value on two scroll bars, the colour
// scale of the links, the polarity view and the coupling class, written straight into the link
// dialog's map view. A standalone modeless dialog on CDialogEx.
//
// Scroll positions run 0..1024; one position is s = |1.1 hi| / 1024 of coupling value, where hi is
// the largest coupling value of the view's class. Values that do not fit the bar (a threshold typed
// far beyond the data, or NaN) never become undefined positions: they stop at the bar's ends, or
// leave the position as it was.
#pragma once

#include "afxdialogex.h"
#include "cxccompanions.h"

class CStatMEGCClCntMapqz;

class CDlgMegCxcShowStdSet : public CDialogEx {
    DECLARE_DYNAMIC(CDlgMegCxcShowStdSet)
public:
    CDlgMegCxcShowStdSet();
    ~CDlgMegCxcShowStdSet() override;

    int polarity = 0;                      // 3809: the view's polarityView
    CString lowText;                       // 3738
    CString highText;                      // 3739
    CScrollBar lowBar;                     // 3741: the link threshold
    CScrollBar highBar;                    // 3743: the largest link value
    int colorScaleIndex = 1;               // 3731..3730: the view's linkStyle, 0..5
    int firstRefresh = 0;                  // a copy of the link dialog's, handed in on each click
    // The link dialog's map view. The data set is always taken from it, at each use: the host may
    // free the one it showed and show the link map again with another.
    CStatMEGCClCntMapqz* view = nullptr;
    double lowValue = 0.0;                 // the chosen link threshold
    double highValue = 0.0;                // the chosen largest link value
    CComboBox classCombo;                  // 3740: "Active", "Control", "Results"
    int classIndex = 0;                    // the class chosen in 3740

    // Controls into the view; 0 without a view.
    int storeStdSet();
    // Controls from the view and the data; on the first refresh with data the low and high values
    // come from the data's range. 0 when something is missing or the range is empty.
    int refreshStdSet();

    // s: coupling value per scroll position for a largest value hi.
    static double scrollUnit(double hi);

protected:
    // The coupling value range (smallest, largest) of the view's class; 0 without a package.
    virtual int readRange(double& lo, double& hi);

    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* dx) override;
    void OnOK() override;

    afx_msg void OnStoreAndRedraw();
    afx_msg void OnClassChoice();
    afx_msg void OnRefresh();
    afx_msg void OnUpdate();
    afx_msg void OnApply();
    afx_msg void OnHScroll(UINT code, UINT pos, CScrollBar* bar);

private:
    // The view's trial's coupling package after the view's checkInitTrial, or null.
    CSnsCohFaceqz* viewPackage();
    void redrawView();
    void scrollStep(CScrollBar& bar, bool low, UINT code, int thumb);

    DECLARE_MESSAGE_MAP()
};
