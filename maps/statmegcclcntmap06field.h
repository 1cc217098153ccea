// Field layer of the MEG view: the grid values as a colour image stretched over the map, the frame
// of the grid's area, and the whole grid pipeline (an n x n grid from the horizontal span). Builds
// on the grid layer; owns the field image.
#pragma once

#include "statmegcclcntmap04grid.h"

class AFX_EXT_CLASS CStatMEGCClCntMap06Field : public CStatMEGCClCntMap04Grid {
    DECLARE_DYNAMIC(CStatMEGCClCntMap06Field)
public:
    CStatMEGCClCntMap06Field();
    // Frees the field image, the stretcher's working data and the grid's tables.
    ~CStatMEGCClCntMap06Field() override;

    int drawFieldMap(CDC* dc, int x0, int y0, int w, int h, int mirror);
    int drawFieldFrame(CDC* dc, int x0, int y0, int w, int h, int mirror);
    int rebuildFieldGrid();
};
