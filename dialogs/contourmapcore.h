// The contour map dialog, MEG and EEG alike: the colour scale box, the display type (field, lines,
// both), the contour threshold and levels, the largest grid value, the selection with its latency
// labels, "Refresh" (a new grid for the current row and sensors) and the animation, whose tick moves
// the selection and recomputes the grid values (and the lines) with the weights of the last
// rebuild. Builds on the map dialog core; ContourDialogWith adds the view of one modality.
//
// A threshold stored with a magnitude above the grid's largest value is replaced by that value (the
// largest value itself, whatever the sign typed); before any grid exists that is 0. Whenever the
// grid is computed again (Refresh, an animation tick) the boxes show its maximum, threshold and
// levels, so that a later store never writes the old grid's threshold into the view.
#pragma once

#include "mapdialogwith.h"

namespace cxc::dialogs::text {
inline constexpr const wchar_t* kContourTitle = L"Waveform CxC Contour Map 2D";  // also the caption's end
inline constexpr const wchar_t* kAnimateStopped = L"Animate...";
inline constexpr const wchar_t* kLatencyFormat = L"%0.3fms";
}  // namespace cxc::dialogs::text

class CDlgCxcContourMapCore : public CDlgCxcMapCore {
    DECLARE_DYNAMIC(CDlgCxcContourMapCore)
public:
    explicit CDlgCxcContourMapCore(UINT templateId);
    ~CDlgCxcContourMapCore() override;

    CComboBox colorScaleCombo;           // 3780: "2", "512", "768" - the view's colorScale
    int displayType = 0;                 // 3768 group: 0 field, 1 lines, 2 both - the view's contourType
    int autofitCheck = 0;                // 3751: the view's autofit
    double fieldMaximum = 0.0;           // 3794: the grid's largest |value|, shown only
    CString latencyBeginText = L"0ms";   // 3796: latency of the selection's first sample
    CString latencyEndText = L"1ms";     // 3798: latency of its last sample
    double threshold = 100.0;            // 3791: the view's contourThreshold
    int levels = 16;                     // 3792: the view's contourLevels

    int refreshDialog() override;
    int storeDialog() override;

protected:
    // The grid, field and line operations of the modality's view.
    virtual int viewRebuildFieldGrid() = 0;
    virtual int viewCalcGridData() = 0;
    virtual int viewCalcContourLines(double threshold, double maximum, int levels) = 0;

    // Both labels from the selection members, through the class data's latencies.
    void setLatencyTexts(CSnsCohDataqz& data);
    // The largest grid value, the threshold and the levels as the view holds them now (after the
    // grid was computed again), so that the next store does not write older ones back.
    void takeGridState();

    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* dx) override;
    void playStep() override;

    afx_msg void OnColorScale();
    afx_msg void OnDisplayType();
    afx_msg void OnDisplayCheck();
    afx_msg void OnApply();
    afx_msg void OnUpdate();
    afx_msg void OnReset();
    afx_msg void OnSensorSize();
    afx_msg void OnThresholdEdit();
    afx_msg void OnLevelsEdit();
    afx_msg void OnSelectBeginEdit();
    afx_msg void OnSelectEndEdit();
    afx_msg void OnRefresh();

private:
    void selectionEdit(const __int64& member);

    DECLARE_MESSAGE_MAP()
};

namespace cxc::dialogs {

// The contour dialog with the view of one modality: the view's own grid, field and line operations.
template <class View>
class ContourDialogWith : public MapDialogWith<View, CDlgCxcContourMapCore> {
public:
    using MapDialogWith<View, CDlgCxcContourMapCore>::MapDialogWith;

protected:
    int viewRebuildFieldGrid() override { return this->mapView.rebuildFieldGrid(); }
    int viewCalcGridData() override { return this->mapView.calcGridData(); }
    int viewCalcContourLines(double threshold, double maximum, int levels) override
    {
        return this->mapView.calcContourLines(threshold, maximum, levels);
    }
};

}  // namespace cxc::dialogs
