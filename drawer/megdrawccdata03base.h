// Coupling waveform drawer, base layer: on the wave display library's base drawer it adds the coupling
// class to draw and the vertical scale, the road to the trial's coupling package, and the selection
// marker with its time texts. The layers above draw one row of coupling series with it.
#pragma once

#include "afxwin.h"
#include "megdraw.h"

class CSnsCohFaceqz;

class AFX_EXT_CLASS CMEGDrawCCData03Base : public CMEGDraw1background {
public:
    int cxcClass = 0;        // coupling class drawn (0 Active, 1 Control, 2 Act-Ctl); set by every top-level draw
    double ampScale = 0.005; // px per data unit: a sample v stands at y = base line - v * ampScale

    CMEGDrawCCData03Base();
    ~CMEGDrawCCData03Base() override;

    // The current trial's coupling package (refreshes session and trial first); null when the data
    // set, session, trial or package is missing.
    CSnsCohFaceqz* getWaveCCDataPkg();

    // Marks the selection of the class the package holds inside one data area: an inverted band
    // with "400.0->1200.0=800.0ms (400->1200=800)" (or "0.2->1.5=1.3s(200->1500=1300)" from one
    // second on) centred at the top of the view, or for a single sample a line with "12.5ms(25)".
    // Edges are clamped into the area; selStartX and selEndX keep where they were drawn. 0 (nothing
    // drawn) for a null DC or missing coupling data. The DC's pen, font and colours come back.
    int drawSelectLineTime4CCData(CDC* pDC, CRect rect);
};
