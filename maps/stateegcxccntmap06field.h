// Field layer of the EEG view: the grid values as a colour image stretched over the map, the frame
// of the grid's area, and the whole grid pipeline (each grid side from its own span). Builds on the
// grid layer; owns the field image.
#pragma once

#include "stateegcxccntmap04grid.h"

class AFX_EXT_CLASS CStatEEGCxcCntMap06Field : public CStatEEGCxcCntMap04Grid {
    DECLARE_DYNAMIC(CStatEEGCxcCntMap06Field)
public:
    CStatEEGCxcCntMap06Field();
    // Frees the field image, the stretcher's working data and the grid's tables.
    ~CStatEEGCxcCntMap06Field() override;

    int drawFieldMap(CDC* dc, int x0, int y0, int w, int h, int mirror);
    int drawFieldFrame(CDC* dc, int x0, int y0, int w, int h, int mirror);
    int rebuildFieldGrid();
};
