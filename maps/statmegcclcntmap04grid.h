// Grid layer of the MEG view: the interpolation grid over the 2-D plane, the sensors' weights at
// every grid point and the grid values of the current selection. Builds on the waveform layer; the
// field and line layers draw from it.
#pragma once

#include "statmegcclcntmap03waveform.h"

class AFX_EXT_CLASS CStatMEGCClCntMap04Grid : public CStatMEGCClCntMap03Waveform {
    DECLARE_DYNAMIC(CStatMEGCClCntMap04Grid)
public:
    CStatMEGCClCntMap04Grid();
    ~CStatMEGCClCntMap04Grid() override;

    int setupGridPoints(int nx, int ny, int border);
    static double calcInfluenceRadius(SnsrLocIndx* table, int n, int meanMode);
    int buildGridWeights(int meanMode);
    int calcGridData();
};
