// The matrix viewer: a modeless dialog around the matrix view. The user sets the cell size and the
// matrix origin (also stepped with two up-down controls), the selection whose first sample the cells
// show, whether labels are drawn, recomputes the colour range over the selection or over all samples,
// and plays through the samples on timer 101 (one sample per tick, wrapping at the end).
#pragma once

#include "afxwin.h"
#include "modulebase.h"
#include "resource.h"
#include "statcxcmatrix2dviewqz.h"

class CMEGShowCCData2DFaceqz;

class CDlgCxcMatrix2DViewer : public CDialogEx {
    DECLARE_DYNAMIC(CDlgCxcMatrix2DViewer)
public:
    enum { IDD = IDD_CXC_MATRIX_VIEWER };
    static constexpr UINT_PTR kPlayTimer = cxc::kMatrixPlayTimer;

    CStatCxcMatrix2DViewqz view;            // control 3800
    CMEGShowCCData2DFaceqz* drawer = nullptr;  // the facade, kept for it; not used here
    CComboBox chnlTypeBox;                  // 3799: channel type name of the data
    BOOL showLabel = 0;                     // 3807 "Show Label"
    int pixelWidth = 0;                     // 3793: cell width, px
    int pixelHeight = 0;                    // 3795: cell height, px
    int originX = 0;                        // 3803: left edge of the matrix, px
    int originY = 0;                        // 3804: top edge of the matrix, px
    __int64 selectBegin = 0;                // 3790 "Select B"
    __int64 selectEnd = 0;                  // 3802 "Select E"
    UINT_PTR timerId = 0;                   // the play timer while it runs
    int tickGuard = 0;                      // set while a tick is handled; a tick meanwhile is dropped
    CButton playButton;                     // 3808 "Start...", "Stop F..." while playing, "Start" stopped

    CDlgCxcMatrix2DViewer();
    ~CDlgCxcMatrix2DViewer() override;

    // The controls from the view and the data: cell size, origin, labels, the data's selection and
    // channel type; on the first refresh of a class data also its colour range over the selection.
    // The view is not repainted. Returns 1.
    int refreshViewer();
    // The controls into the view (origin, labels, cell size) and the data's selection. 0 when a
    // control holds no valid value (the user was told); nothing is applied then.
    int applyViewer();

protected:
    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;

    // An origin step of an up-down control: -1 adds one, +1 takes one away.
    void stepOrigin(int& origin, NMHDR* nm, LRESULT* result);
    // The colour range over the selection (all false) or all samples (all true).
    void computeColourRange(bool all);

    afx_msg void OnSize(UINT type, int cx, int cy);
    afx_msg void OnDeltaposOriginX(NMHDR* nm, LRESULT* result);
    afx_msg void OnDeltaposOriginY(NMHDR* nm, LRESULT* result);
    afx_msg void OnPositionM();
    afx_msg void OnPlay();
    afx_msg void OnUpdate();
    afx_msg void OnRefresh();
    afx_msg void OnColorSelect();
    afx_msg void OnColorAll();
    afx_msg void OnTimer(UINT_PTR id);
    DECLARE_MESSAGE_MAP()
};
