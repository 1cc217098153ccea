// The link map dialog, MEG and EEG alike: its controls (links shown, link limit, threshold, top
// percentage), reloading from the data (Update), the threshold from a top percentage (Fit Top),
// stepping and playing the selection, and the small-world graph report ("GT SW"). Builds on the map
// dialog core; each modality's leaf adds its view and what differs (the range of the magnitude
// styles, the Setting dialog, the information window and the report's view, the menu of the
// active-channel report).
#pragma once

#include "mapdialogcore.h"

class CDlgCxcLinkMapCore : public CDlgCxcMapCore {
    DECLARE_DYNAMIC(CDlgCxcLinkMapCore)
public:
    explicit CDlgCxcLinkMapCore(UINT templateId);
    ~CDlgCxcLinkMapCore() override;

    double topPercent = 50.0;  // 3761, %: Fit Top's share of the largest |coupling|
    int gtPrecise = 1;         // menu 3821: the report's values with 16 decimals
    int gtThreshold = 1;       // menu 3820: only links that pass the threshold
    int gtActiveOnly = 0;      // the report of the current row's channel only (EEG menu 3822)

    int refreshDialog() override;
    int storeDialog() override;

protected:
    // What differs between the modalities.
    // The graph report with the modality's threshold line.
    virtual CString graphReport(int useThreshold, int precise, int activeOnly) = 0;
    // The largest |coupling| m found by the first refresh; the MEG view colours its magnitude
    // styles up to it.
    virtual void setLinkRange(double) {}
    // The view field the "Color Link" check box exchanges with.
    virtual int& colorLinkField() = 0;
    virtual CRichInfoqz& infoWindow() = 0;

    void DoDataExchange(CDataExchange* dx) override;
    void playStep() override;

    afx_msg void OnApply();
    afx_msg void OnDisplayCheck();
    afx_msg void OnSelectionEdit();
    afx_msg void OnLinkSetting();
    afx_msg void OnTopPercentEdit();
    afx_msg void OnUpdate();
    afx_msg void OnFitTop();
    afx_msg void OnStepForward();
    afx_msg void OnStepBack();
    afx_msg void OnGraphReport();
    afx_msg void OnToggleGtThreshold() { gtThreshold = !gtThreshold; }
    afx_msg void OnToggleGtPrecise() { gtPrecise = !gtPrecise; }

private:
    void step(int dir);

    DECLARE_MESSAGE_MAP()
};
