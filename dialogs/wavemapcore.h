// The waveform patch map dialog, MEG and EEG alike: the time and amplitude scales of the patches
// with their up-down steps, the selection reset, and play, whose tick reloads the whole dialog.
// Builds on the map dialog core; each modality's leaf only adds its view.
#pragma once

#include "mapdialogcore.h"

class CDlgCxcWaveMapCore : public CDlgCxcMapCore {
    DECLARE_DYNAMIC(CDlgCxcWaveMapCore)
public:
    explicit CDlgCxcWaveMapCore(UINT templateId);
    ~CDlgCxcWaveMapCore() override;

    int autofitCheck = 0;      // 3751: the view's autofit
    double timeScale = 1.0;    // 3784, px per sample: the view's timeScale
    double ampScale = 0.005;   // 3789, px per unit: the view's ampScale

    // Also refreshes the view's session and trial (and so its sensor plane) when a trial is found.
    int refreshSessionTrial() override;
    int refreshDialog() override;
    int storeDialog() override;

    // Doubles (iDelta -1) or halves (+1) a scale; a step that would leave the finite positive
    // numbers keeps the scale.
    static double stepScale(double scale, int delta);

protected:
    void DoDataExchange(CDataExchange* dx) override;
    void playStep() override;

    afx_msg void OnApply();
    afx_msg void OnDisplayChange();
    afx_msg void OnEditChange();
    afx_msg void OnTimeScaleStep(NMHDR* header, LRESULT* result);
    afx_msg void OnAmpScaleStep(NMHDR* header, LRESULT* result);
    afx_msg void OnReset();
    afx_msg void OnUpdate();

private:
    void scaleStep(double& scale, NMHDR* header, LRESULT* result);

    DECLARE_MESSAGE_MAP()
};
