// The matrix viewer's view: one class of coupling data as a colour matrix, one filled cell per
// channel pair coloured by the pair's mean at the first sample of the selection, with the channel
// names left of the rows and, turned a quarter, above the columns. Pair rows run along x, pair
// columns along y. The colour index of a value v is trunc(v / step) into the positive table, or
// trunc(v / -step) into the negative one for v <= 0 (so 0 takes the weakest negative colour), with
// step = colour range / table size; a quotient that is not a number or does not fit an int gives 0,
// any other is clamped to the table. The leaf adds the paint handler.
#pragma once

#include "afxwin.h"
#include "cxccompanions.h"

class CStatCxcMatrix2DView : public CStatic {
    DECLARE_DYNAMIC(CStatCxcMatrix2DView)
public:
    CArrayMEDataSetqz* dataSet = nullptr;  // the host's data set, set by the entry point
    CMEGDataqz* session = nullptr;         // current session and trial, looked up on every access
    CMDTrialqz* trial = nullptr;
    CWnd* parentWnd = nullptr;             // set by the entry point; not owned
    CBitmap* memBitmap = nullptr;          // owned off-screen picture ...
    CDC* memDC = nullptr;                  // ... selected into this owned memory DC
    int cxcClass = 0;                      // class shown: 0 Active, 1 Control, 2 Act-Ctl
    BOOL showCells = 1;                    // cells are drawn
    BOOL showLabels = 1;                   // channel names are drawn ("Show Label")
    CADRindex2Colorqz adrColors;           // 768-level tables: measure kinds other than 0 and 1
    CMegIndex2Colorqz megColors;           // 512-level tables: measure kinds 0 and 1
    double cellWidth = 20.0;               // px per pair row, along x
    double cellHeight = 20.0;              // px per pair column, along y
    int originX = 80;                      // px: left edge of the matrix in the view
    int originY = 80;                      // px: top edge of the matrix in the view
    COLORREF textColour = RGB(0, 0, 0);    // labels
    COLORREF backColour = RGB(255, 255, 255);  // fill of the whole view
    CFont* labelFont = nullptr;            // owned: the left labels, made from labelLogFont
    LOGFONTW labelLogFont{};               // Arial, height 16
    CFont* verticalFont = nullptr;         // owned: the top labels, Arial 18 turned 90 degrees
    int playInterval = 100;                // ms between the dialog's play steps

    CStatCxcMatrix2DView();
    // Deletes the off-screen picture and both fonts.
    ~CStatCxcMatrix2DView() override;

    // Looks up session and trial (a missing data set clears both) and returns the class data of cls
    // (-1: the class the package holds); null when anything on the way is missing.
    CSnsCohDataqz* getCxcData(int cls);
    // Paints the background and, when switched on, the cells and labels into the off-screen picture
    // (made at the rectangle's size unless one is kept). 0 when there is no picture (no size).
    int drawMatrix(CDC* paintDC, CRect rect);
    // Cells of class cls with the matrix's top-left corner at (x0, y0). A cell is drawn whole when its
    // top-left corner lies in rect (edges included) and not at all otherwise. 0 (nothing drawn) without
    // data or pairs, with no rows or columns, or when the selection's begin lies outside the series.
    int drawCells(CDC* dc, int x0, int y0, CRect rect, int cls);
    // Names of the pair columns ending 10 px left of x0, and of the pair rows above y0 starting at
    // their cell's x; each only where that point lies in rect. The same checks as drawCells, and 0
    // for a trial without channels. The DC's font, text colour and background mode come back.
    int drawLabels(CDC* dc, int x0, int y0, CRect rect, int cls);
    // Drops the off-screen picture; the next paint makes one of the client size.
    void releaseSurface();
};
