#include "stdafx.h"

#include "statmegcclcntmap04grid.h"

#include "gridcore.h"

IMPLEMENT_DYNAMIC(CStatMEGCClCntMap04Grid, CStatMEGCClCntMap03Waveform)

CStatMEGCClCntMap04Grid::CStatMEGCClCntMap04Grid() = default;
CStatMEGCClCntMap04Grid::~CStatMEGCClCntMap04Grid() = default;

int CStatMEGCClCntMap04Grid::setupGridPoints(int nx, int ny, int border)
{
    return cxc::maps::setupGridPoints(*this, nx, ny, border);
}

double CStatMEGCClCntMap04Grid::calcInfluenceRadius(SnsrLocIndx* table, int n, int meanMode)
{
    return cxc::maps::calcInfluenceRadius(table, n, meanMode);
}

int CStatMEGCClCntMap04Grid::buildGridWeights(int meanMode) { return cxc::maps::buildGridWeights(*this, meanMode); }
int CStatMEGCClCntMap04Grid::calcGridData() { return cxc::maps::calcGridData(*this); }
