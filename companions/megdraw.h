// Wave display library, the base waveform drawer: the data set it is bound to with the current
// session and trial (CMEGDraw), the layout members that the coupling waveform drawer reads and
// writes (all in CMEGDraw, in their order), and the background of the data area, grid lines and
// time marks (CMEGDraw1background). The chain's only virtual operation is the destructor.
#pragma once

#include "afxwin.h"

class CArrayMEDataSetqz;
class CMEGDataqz;
class CMDTrialqz;

class CMEGDraw {
public:
    CArrayMEDataSetqz* dataSet = nullptr;  // bound by setDrawMEGData; owned by the host
    CMEGDataqz* session = nullptr;         // refreshed by updateMEGData
    CMDTrialqz* trial = nullptr;           // refreshed by updateMEGData
    unsigned int displayMode = 0;          // 0 overlay, 1 columns, 2 overlay beside columns
    CPen highlightPen;                     // red, solid, 2 px: the highlighted pair's trace
    CPen wavePen;                          // black, solid, 1 px: other traces
    CPen baseLinePen;                      // grey (128, 128, 128), solid, 1 px: selection and base lines
    CPen axisPen;                          // black, solid, 1 px: axes
    COLORREF bkColour = RGB(255, 255, 255);
    COLORREF textBkColour = RGB(255, 255, 255);
    COLORREF textColour = RGB(0, 0, 0);
    CFont font;                            // Arial, height 14
    CRect drawRect;                        // rectangle of the last top-level drawing
    int showGrid1 = 0;
    int showGrid2 = 0;
    int showBaseLine = 1;
    int showLabel = 1;
    int showValue = 1;
    __int64 beginSample = 0;   // sample at the data area's left edge
    __int64 selStartX = 0;     // px: last selection marker edges
    __int64 selEndX = 0;
    __int64 colGap = 10;       // px after each column's data area
    __int64 bottomMargin = 20; // px
    __int64 nameWidth = 60;    // px of channel names left of a data area
    __int64 topMargin = 20;    // px
    __int64 baseLineY = 150;   // px: base line of the All overlay
    double pxPerSample = 1.0;  // time scale
    int displayColumn = 3;     // columns of the column layout
    int rowsPerColumn = 1;
    int colDataWidth = 100;    // px
    int rowHeight = 20;        // px
    int valueWidth = 40;       // px
    int overlayType = 0;       // 0 All, 1 two sides, 2 four regions
    int overlayOption = 0;

    CMEGDraw();
    virtual ~CMEGDraw();
    CMEGDraw(const CMEGDraw&) = delete;
    CMEGDraw& operator=(const CMEGDraw&) = delete;

    // Binds the drawer to a data set (null unbinds); returns 1.
    int setDrawMEGData(CArrayMEDataSetqz* data);
    // session and trial become the data set's current ones; nonzero when both exist (a null data
    // set clears both).
    int updateMEGData();
    int setDisplayMode(unsigned int mode);
    int getOverlayType();
    // Stores the type clamped to 0..2 and returns it.
    int setOverlayType(int type);
    int getDisplayColumn();
    // Stores max(1, n) and returns it.
    int setDisplayColumn(int n);
    // Stores the first sample to draw, clamped to the samples of the current class (at least 0
    // without data), and returns it.
    __int64 setDrawBeginSampleIDX(__int64 sample);
};

class CMEGDraw0Process : public CMEGDraw {};

class CMEGDraw1background : public CMEGDraw0Process {
public:
    // Light grey (220, 220, 220) 1-px lines inside the rectangle: vertical ones at samples that are
    // multiples of 100 (when they are at least 4 px apart), horizontal ones at a quarter, half and
    // three quarters of its height. 0 for a null DC; the DC's pen comes back as it was.
    int drawGridLines(CDC* dc, CRect rect);
    // Ticks up from the rectangle's bottom row with baseLinePen: 3 px every 10 samples and 8 px every
    // 100, each kind only when its ticks are at least 4 px apart. 0 for a null DC.
    int drawMarksLine(CDC* dc, CRect rect);
};
