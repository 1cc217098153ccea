// The MEG sensor map view that dialogs hold: painting. WM_PAINT draws the whole map off-screen in
// the order of its mode (links, patches or contour) and copies it to the window in one block, or
// writes what is missing. Builds on every layer below it.
#pragma once

#include "statmegcclcntmap07lines.h"

class AFX_EXT_CLASS CStatMEGCClCntMapqz : public CStatMEGCClCntMap07Lines {
    DECLARE_DYNAMIC(CStatMEGCClCntMapqz)
public:
    CStatMEGCClCntMapqz();
    // Deletes the off-screen surface.
    ~CStatMEGCClCntMapqz() override;

    // Paints the map into the off-screen surface (made at the rectangle's size when there is none):
    // 1 when done, 0 when nothing could be drawn.
    int paintMap(CDC* dc, const CRect& rect);
    int drawInfoLine(CDC* dc, const CRect& rect);
    int drawClipOverlay(CDC* dc, int w, int h);

protected:
    afx_msg void OnPaint();
    DECLARE_MESSAGE_MAP()
};
