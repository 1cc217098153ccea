#include "stdafx.h"

#include "stateegcxccntmap04grid.h"

#include "gridcore.h"

IMPLEMENT_DYNAMIC(CStatEEGCxcCntMap04Grid, CStatEEGCxcCntMap03Waveform)

CStatEEGCxcCntMap04Grid::CStatEEGCxcCntMap04Grid() = default;
CStatEEGCxcCntMap04Grid::~CStatEEGCxcCntMap04Grid() = default;

int CStatEEGCxcCntMap04Grid::setupGridPoints(int nx, int ny, int border)
{
    return cxc::maps::setupGridPoints(*this, nx, ny, border);
}

double CStatEEGCxcCntMap04Grid::calcInfluenceRadius(SnsrLocIndx* table, int n, int meanMode)
{
    return cxc::maps::calcInfluenceRadius(table, n, meanMode);
}

int CStatEEGCxcCntMap04Grid::buildGridWeights(int meanMode) { return cxc::maps::buildGridWeights(*this, meanMode); }
int CStatEEGCxcCntMap04Grid::calcGridData() { return cxc::maps::calcGridData(*this); }
