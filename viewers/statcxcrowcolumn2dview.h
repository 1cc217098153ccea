// The row/column viewer's view: a static control that draws one row of coupling series with the
// facade's waveform drawer into an off-screen picture of its client size. The leaf adds the paint
// handler that checks the data and copies the picture to the window.
#pragma once

#include "afxwin.h"

class CMEGDrawCCDataqz;

class CStatCxcRowColumn2DView : public CStatic {
    DECLARE_DYNAMIC(CStatCxcRowColumn2DView)
public:
    CMEGDrawCCDataqz* drawer = nullptr;  // the facade, set by it; not owned
    CWnd* parentWnd = nullptr;           // the host's parent window, set by the facade; not owned
    CBitmap* memBitmap = nullptr;        // owned off-screen picture ...
    CDC* memDC = nullptr;                // ... selected into this owned memory DC
    int cxcClass = 0;                    // coupling class drawn: 0 Active, 1 Control, 2 Act-Ctl

    CStatCxcRowColumn2DView();
    // Deletes the off-screen picture.
    ~CStatCxcRowColumn2DView() override;

    // Draws the drawer's picture of the view's class into the off-screen picture (made at the
    // rectangle's size unless one is kept): the drawer's drawRect becomes rect, which is filled with
    // its bkColour first. 0 without a drawer or without a picture (a rectangle of no size).
    int drawIntoMemory(CDC* paintDC, const CRect& rect);
    // Drops the off-screen picture; the next paint makes one of the client size.
    void releaseSurface();
};
