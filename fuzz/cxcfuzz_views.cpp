// Fuzz target: every view painted from a small data set made of the input (fuzzdataset.h) with the
// input's settings (modes, link styles, thresholds, scales, contour types, display modes, overlay
// types, cell sizes, surface sizes down to 0 x 0): both sensor map views in each map mode, the
// waveform drawer in each display mode and overlay type, the matrix view and the row/column view.
// Afterwards no GDI object may be left alive.
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <vector>

#include "cxccompanions.h"
#include "fuzzdataset.h"
#include "megdrawccdataqz.h"
#include "stateegcxccntmapqz.h"
#include "statcxcmatrix2dviewqz.h"
#include "statcxcrowcolumn2dviewqz.h"
#include "statmegcclcntmapqz.h"

namespace {

using cxcfuzz::hostileDouble;
using cxcfuzz::hostileIndex;
using cxcfuzz::kMaxChannels;
using cxcfuzz::kMaxSamples;
constexpr int kMaxSide = 240;

CRect rectFrom(FuzzedDataProvider& in)
{
    return CRect(0, 0, in.ConsumeIntegralInRange<int>(0, kMaxSide), in.ConsumeIntegralInRange<int>(0, kMaxSide));
}

// One sensor map view (MEG or EEG) in every map mode with the input's settings.
template <class View>
void paintSensorMap(FuzzedDataProvider& in, CArrayMEDataSetqz* data, CMEGDrawCCDataqz& drawer, CDC& dc)
{
    View v;
    v.dataSet = data;
    v.drawer = &drawer;
    v.cxcClass = in.ConsumeIntegralInRange<int>(-2, 3);
    v.chnlType = in.ConsumeIntegralInRange<int>(-1, 2);
    v.showSensor = in.ConsumeBool();
    v.showLabel = in.ConsumeBool();
    v.showInfo = in.ConsumeBool();
    v.showLink = in.ConsumeBool() ? 1 : 0;
    v.radiology = in.ConsumeBool();
    v.sensorRadius = in.ConsumeIntegralInRange<int>(-2, 40);
    v.margin = in.ConsumeIntegralInRange<int>(-10, 400);
    v.linkStyle = in.ConsumeIntegralInRange<int>(-1, 6);
    v.linkThreshold = hostileDouble(in);
    v.maxLink = hostileIndex(in, 300);
    v.timeScale = hostileDouble(in);
    v.ampScale = hostileDouble(in);
    v.contourThreshold = hostileDouble(in);
    v.contourLevels = in.ConsumeIntegralInRange<int>(-2, 40);
    v.contourType = in.ConsumeIntegralInRange<int>(0, 3);
    v.colorScale = in.ConsumeIntegralInRange<int>(-1, 3);
    v.useStdProjection = in.ConsumeBool();
    // The contour grid has a point per plane unit: a plane of a few hundred units costs seconds
    // per input in this build, so the plane stays near its default size of 100.
    v.scanSize = in.ConsumeIntegralInRange<int>(-5, 160);
    v.projScale = hostileDouble(in);
    v.gridBorder = in.ConsumeIntegralInRange<int>(-2, 6);
    v.radiusMeanMode = in.ConsumeIntegralInRange<int>(-1, 2);
    if constexpr (requires { v.linkRangeMax; }) {
        v.linkRangeMax = hostileDouble(in);
        v.polarityView = in.ConsumeBool();
    }
    if (v.checkInitTrial() && v.trial) v.projectSensors2D(v.chnlType);
    for (int mode : {MapModeTopLink, MapModeTopWave, MapModeContour, in.ConsumeIntegralInRange<int>(-1, 5)}) {
        v.mapMode = mode;
        if (mode == MapModeContour) {
            v.rebuildFieldGrid();
            v.calcContourLines(hostileDouble(in), hostileDouble(in), in.ConsumeIntegralInRange<int>(-2, 40));
        }
        v.releaseSurface();
        v.paintMap(&dc, rectFrom(in));
    }
}

void paintDrawer(FuzzedDataProvider& in, CMEGDrawCCDataqz& drawer, CDC& dc)
{
    drawer.ampScale = hostileDouble(in);
    drawer.pxPerSample = hostileDouble(in);
    drawer.setDrawBeginSampleIDX(hostileIndex(in, kMaxSamples));
    drawer.setDisplayColumn(in.ConsumeIntegralInRange<int>(-2, 20));
    drawer.rowsPerColumn = in.ConsumeIntegralInRange<int>(-2, 20);
    drawer.colDataWidth = in.ConsumeIntegralInRange<int>(-10, 400);
    drawer.rowHeight = in.ConsumeIntegralInRange<int>(-10, 200);
    drawer.valueWidth = in.ConsumeIntegralInRange<int>(-10, 200);
    drawer.baseLineY = hostileIndex(in, 300);
    drawer.nameWidth = hostileIndex(in, 100);
    drawer.colGap = hostileIndex(in, 40);
    drawer.topMargin = hostileIndex(in, 40);
    drawer.bottomMargin = hostileIndex(in, 40);
    drawer.showGrid1 = in.ConsumeBool();
    drawer.showGrid2 = in.ConsumeBool();
    drawer.showBaseLine = in.ConsumeBool();
    drawer.showLabel = in.ConsumeBool();
    drawer.showValue = in.ConsumeBool();
    drawer.overlayOption = in.ConsumeIntegralInRange<int>(-1, 3);
    const int cls = in.ConsumeIntegralInRange<int>(-2, 3);
    for (unsigned mode : {0u, 1u, 2u, in.ConsumeIntegralInRange<unsigned>(3, 9)}) {
        drawer.setDisplayMode(mode);
        for (int type : {0, 1, 2}) {
            drawer.setOverlayType(type);
            CRect r = rectFrom(in);
            drawer.drawWaveCCData(&dc, r, cls);
            if (mode == 1) break;  // the column layout has no overlay type
        }
    }
}

void paintMatrix(FuzzedDataProvider& in, CArrayMEDataSetqz* data, CDC& dc)
{
    CStatCxcMatrix2DViewqz v;
    v.dataSet = data;
    v.cxcClass = in.ConsumeIntegralInRange<int>(-2, 3);
    v.showCells = in.ConsumeBool();
    v.showLabels = in.ConsumeBool();
    v.cellWidth = hostileDouble(in);
    v.cellHeight = hostileDouble(in);
    v.originX = in.ConsumeIntegral<int>();
    v.originY = in.ConsumeIntegralInRange<int>(-100, 400);
    v.drawMatrix(&dc, rectFrom(in));
}

void paintRowColumn(FuzzedDataProvider& in, CMEGDrawCCDataqz& drawer, CDC& dc)
{
    CStatCxcRowColumn2DViewqz v;
    v.drawer = &drawer;
    v.cxcClass = in.ConsumeIntegralInRange<int>(-2, 3);
    v.drawIntoMemory(&dc, rectFrom(in));
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    cxcfuzz::startHeadless(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size)
{
    FuzzedDataProvider in(bytes, size);
    const long before = cxc::gdi::liveCounts().total();
    {
        std::unique_ptr<CArrayMEDataSetqz> data = cxcfuzz::dataSetFrom(in).build();
        CDC dc;
        dc.CreateCompatibleDC(nullptr);
        CMEGDrawCCDataqz drawer;
        drawer.setDrawMEGData(data.get());
        paintSensorMap<CStatMEGCClCntMapqz>(in, data.get(), drawer, dc);
        paintSensorMap<CStatEEGCxcCntMapqz>(in, data.get(), drawer, dc);
        paintDrawer(in, drawer, dc);
        paintMatrix(in, data.get(), dc);
        paintRowColumn(in, drawer, dc);
    }
    // Every pen, font, bitmap and DC a paint made is gone again.
    if (cxc::gdi::liveCounts().total() != before) std::abort();
    cxc::harness::clearMessageBoxes();
    return 0;
}
