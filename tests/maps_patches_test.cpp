// The waveform layer of both views: mirrored curves, and the selections, series and rows that must
// draw nothing rather than read past the data.
#include <cmath>
#include <limits>
#include <vector>

#include "maps_fixture.h"
#include "statmegcclcntmapqz.h"

namespace {

using namespace maptest;
using MegRig = Rig<CStatMEGCClCntMapqz>;

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

template <class View>
void patchesOnly(View& v, double timeScale, double ampScale)
{
    bare(v);
    v.showSensor = 0;
    v.mapMode = MapModeTopWave;
    v.timeScale = timeScale;
    v.ampScale = ampScale;
}

class Patches : public MapTest {};

TEST_F(Patches, OnlyTheCurrentColumnIsInTheSelectionColour)
{
    MegRig r(square().select(0, 10).currentColumn(2).build());
    patchesOnly(r.view, 1.0, 0.0);
    r.view.selectColor = RGB(0, 128, 0);
    ASSERT_EQ(r.paint(), 1);
    EXPECT_EQ(r.count(RGB(0, 128, 0), 0, 0, 320, 320), 10);
    EXPECT_EQ(r.at(55, 60), RGB(0, 128, 0));
    EXPECT_EQ(r.at(55, 260), kBlack);
    r.view.showSensor = 1;  // a click on sensor 3 moves the highlight at the next paint
    ASSERT_EQ(r.view.hitTestSensor(squarePixel(3), 0, 0), 1);
    r.view.showSensor = 0;
    ASSERT_EQ(r.view.paintMap(&r.paintDc, CRect(0, 0, 320, 320)), 1);
    EXPECT_EQ(r.at(255, 60), RGB(0, 128, 0));
    EXPECT_EQ(r.at(55, 60), kBlack);
}

TEST_F(Patches, OneSampleSelectionDrawsOnlyAMove)
{
    MegRig r(square().select(40, 40).build());
    patchesOnly(r.view, 1.0, 0.0);
    ASSERT_EQ(r.paint(), 1);
    EXPECT_EQ(r.countInner(kBlack) + r.countInner(kRed), 0);
}

TEST_F(Patches, SelectionEndBeyondTheSeriesIsTheLastSample)
{
    MegRig r(square().select(90, 500).currentColumn(-1).build());
    patchesOnly(r.view, 1.0, 0.0);
    ASSERT_EQ(r.paint(), 1);
    EXPECT_EQ(r.count(kBlack, 200, 259, 320, 262), 9);  // samples 90..99: 9 px
}

TEST_F(Patches, EmptySelectionDrawsNoCurveAndReadsNothing)
{
    for (auto ds : {square().samples(0), square().select(500, 600), square().select(60, 50)}) {
        MegRig r(ds.build());
        patchesOnly(r.view, 1.0, 1.0);
        ASSERT_EQ(r.paint(), 1);  // painting goes on
        EXPECT_EQ(r.view.drawPatches(r.view.memDC, 60, 60, 320, 320, 0, 0), 0);
        EXPECT_EQ(r.countInner(kBlack) + r.countInner(kRed), 0);
    }
}

TEST_F(Patches, MissingSeriesDrawsNothingForItsSensorOnly)
{
    MegRig r(square().select(0, 10).nullSeries(0, 1).currentColumn(-1).build());
    patchesOnly(r.view, 1.0, 0.0);
    ASSERT_EQ(r.paint(), 1);
    EXPECT_EQ(r.count(kBlack, 240, 255, 280, 265), 0);
    EXPECT_EQ(r.count(kBlack, 40, 255, 80, 265), 10);
}

TEST_F(Patches, BadChannelIndexAndNullChannelDrawNoCurve)
{
    // Element (0, 1) names channel 9999 and channel 2's entry is null: curves at sensors 0 and 3 only.
    MegRig r(square().select(0, 10).pairChannels(0, 1, 0, 9999).nullChannel(2).currentColumn(-1).build());
    patchesOnly(r.view, 1.0, 0.0);
    ASSERT_EQ(r.paint(), 1);
    EXPECT_EQ(r.countInner(kBlack), 20);
    EXPECT_EQ(r.count(kBlack, 55, 260, 65, 261), 10);
    EXPECT_EQ(r.count(kBlack, 255, 60, 265, 61), 10);
}

TEST_F(Patches, NaNSampleLeavesAGapAndHugeValuesDrawSafely)
{
    std::vector<double> s(100, 0.0);
    s[5] = kNaN;
    s[20] = kInf;
    s[21] = 1e308;
    s[22] = -kInf;
    MegRig r(square().pair(0, 1, s).select(0, 10).currentColumn(-1).build());
    patchesOnly(r.view, 1.0, 1.0);
    ASSERT_EQ(r.paint(), 1);
    // Points 0..4 and 6..10 of sensor 1 (origin 255): the lines into and out of sample 5 are gone.
    EXPECT_EQ(r.at(258, 260), kBlack);
    EXPECT_EQ(r.at(259, 260), kWhite);
    EXPECT_EQ(r.at(260, 260), kWhite);
    EXPECT_EQ(r.at(261, 260), kBlack);
    r.cls().setSelect(15, 30);  // infinite and huge samples saturate far off the picture
    ASSERT_EQ(r.paint(), 1);
    for (double scale : {kInf, 1e300, kNaN}) {
        r.view.timeScale = scale;
        r.view.ampScale = scale;
        ASSERT_EQ(r.paint(), 1);
    }
}

TEST_F(Patches, MoreRowsThanColumnsDrawsOneCurvePerElement)
{
    MegRig r(square().megAt2d(L"MZC01", 50, 50).rows({0, 1, 2, 3, 4}).cols({0, 1, 2}).currentRow(4)
                 .select(0, 10).currentColumn(-1).build());
    patchesOnly(r.view, 1.0, 0.0);
    ASSERT_EQ(r.paint(), 1);
    EXPECT_EQ(r.countInner(kBlack), 30);  // three curves of 10 px
}

TEST_F(Patches, CurrentRowOutsideThePairArrayDrawsNothing)
{
    for (long long row : {-1LL, 4LL}) {
        MegRig r(square().currentRow(row).select(0, 10).build());
        patchesOnly(r.view, 1.0, 0.0);
        ASSERT_EQ(r.paint(), 1);
        EXPECT_EQ(r.view.drawPatches(r.view.memDC, 60, 60, 320, 320, 0, 0), 0) << row;
    }
}

TEST_F(Patches, PatchDrawingRestoresThePenAndFreesItsPens)
{
    MegRig r(square().select(0, 10).build());
    patchesOnly(r.view, 1.0, 1.0);
    ASSERT_EQ(r.paint(), 1);
    CDC& dc = *r.view.memDC;
    const HGDIOBJ pen = dc.GetCurrentPen()->GetSafeHandle();
    const auto before = cxc::gdi::liveCounts();
    EXPECT_EQ(r.view.drawPatches(&dc, 60, 60, 320, 320, 0, 0), 1);
    EXPECT_EQ(dc.GetCurrentPen()->GetSafeHandle(), pen);
    EXPECT_EQ(cxc::gdi::liveCounts().pens, before.pens);
    EXPECT_EQ(r.view.drawPatches(&dc, 60, 60, 320, 320, 0, 3), 0);
    EXPECT_EQ(lastMessage(), L"Contourmap Channel Type Error!?");
}

}  // namespace
