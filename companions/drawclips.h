// Wave display library, the clip overlay: a memory picture in a background and a foreground
// colour on which four corner marks frame a rectangle, copied onto a device context with the
// background colour left out.
#pragma once

#include "afxwin.h"

class CDrawClipsqz {
public:
    CDrawClipsqz();
    ~CDrawClipsqz();
    CDrawClipsqz(const CDrawClipsqz&) = delete;
    CDrawClipsqz& operator=(const CDrawClipsqz&) = delete;

    // A w x h picture compatible with dc; bk is the background and fg the colour of the marks. The
    // picture is kept while its size stays; transparentClip clears what it copies. 0 for a null DC or a
    // size below 1.
    int initDcMemor(int w, int h, CDC* dc, DWORD bk, DWORD fg);
    // Frames the rectangle with the corners (x1, y1) and (x2, y2), given in either order, by four
    // L-shaped 1-px marks whose arms are min(width, height) / 8 long, kept within 4 .. 24 px, and
    // copies them onto dc at the same place (the background stays out). 0 without a picture, for a
    // null DC or for a rectangle without width or height.
    int transparentClip(int x1, int y1, int x2, int y2, CDC* dc);

    // The picture (tests look at it).
    CDC* picture() const { return memDC_; }

private:
    void release();

    CDC* memDC_ = nullptr;
    CBitmap* bitmap_ = nullptr;
    CBitmap* previous_ = nullptr;
    int width_ = 0;
    int height_ = 0;
    COLORREF bk_ = RGB(255, 255, 255);
    COLORREF fg_ = RGB(0, 0, 0);
};
