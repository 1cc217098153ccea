#include "stdafx.h"

#include "fieldcore.h"

namespace cxc::maps {

ContourPens::ContourPens()
{
    red.CreatePen(PS_SOLID, 1, RGB(255, 0, 0));
    blue.CreatePen(PS_SOLID, 1, RGB(0, 0, 255));
    select.CreatePen(PS_SOLID, 1, RGB(0, 0, 239));
    dashed.CreatePen(PS_DASH, 1, RGB(0, 0, 0));
    bold.CreatePen(PS_SOLID, 2, RGB(0, 0, 0));
}

int setupGridPoints(SensorMapFields&, int, int, int) { return 0; }
double calcInfluenceRadius(SnsrLocIndx*, int, int) { return 0.0; }
int buildGridWeights(SensorMapFields&, int) { return 0; }
int calcGridData(SensorMapFields&) { return 0; }

int rebuildFieldGrid(SensorMapFields&, bool) { return 0; }
int drawFieldMap(SensorMapFields&, CDC*, int, int, int, int, int) { return 0; }
int drawFieldFrame(SensorMapFields&, CDC*, int, int, int, int, int) { return 0; }

void releaseFieldImage(SensorMapFields& v)
{
    delete[] reinterpret_cast<BYTE*>(v.fieldBmpInfo);
    v.fieldBmpInfo = nullptr;
    delete[] v.fieldPixels;
    v.fieldPixels = nullptr;
}

int calcContourLines(SensorMapFields&, double, double, int) { return 0; }
int drawContourLines(SensorMapFields&, ContourPens&, CDC*, int, int, int, int, int) { return 0; }

}  // namespace cxc::maps
