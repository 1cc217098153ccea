// Coupling waveform drawer, overlay layer: all coupling series of the current row on shared axes,
// either all on one base line, split into the left and right hemisphere, or into four head regions by
// the partner channel's name, each with its labels in the left margin and four measurement values at
// the right end of each base line. Builds on the base layer's data road.
//
// Every operation takes the data area and returns 1 when it drew, 0 (drawing nothing more) for a
// null DC or missing data; the DC's font and colours come back, and axisPen is left selected.
#pragma once

#include "megdrawccdata03base.h"

class AFX_EXT_CLASS CMEGDrawCCData06Overlay : public CMEGDrawCCData03Base {
public:
    CMEGDrawCCData06Overlay();
    ~CMEGDrawCCData06Overlay() override;

    // By overlayType: 0 All (decimated below 0.5 px per sample), 1 two sides, 2 four regions;
    // another type draws nothing and gives 0.
    int drawOverlay(CDC* pDC, CRect rect);
    // The All type: traces, then session name and values.
    int drawOverlay_All(CDC* pDC, CRect rect);
    // All traces on baseLineY: one min-to-max stroke per step of samples (not clamped), or a line
    // to every sample (clamped into the area). The axes come first and stay even without data.
    int drawOverlay_All_fast(CDC* pDC, CRect rect);
    int drawOverlay_All_normal(CDC* pDC, CRect rect);
    // The session name left of baseLineY and the four values ("%0.1f fT") at its right end.
    int drawOverlay_AllInfo(CDC* pDC, CRect rect);
    // Partners shown in all trials whose name contains "L" on a green trace at a quarter of the
    // height, those with "R" on a blue one at three quarters; then the information pass.
    int drawOverlay_LeftRight(CDC* pDC, CRect rect);
    int drawOverlay_LeftRightInfo(CDC* pDC, CRect rect, __int64 yLeft, __int64 yRight);
    // Four regions (LF/LC, LP/LO, RF/RC, RP/RO) at 1/8, 3/8, 5/8 and 7/8 of the height.
    int drawOverlay_LftRitFrtBck(CDC* pDC, CRect rect);
    int drawOverlay_LftRitFrtBckInfo(CDC* pDC, CRect rect, __int64 y1, __int64 y2, __int64 y3, __int64 y4);
};
