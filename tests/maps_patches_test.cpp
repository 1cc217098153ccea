// The waveform layer: what must draw nothing rather than read past the data.
#include <vector>

#include "maps_fixture.h"

namespace {

using namespace maptest;

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

// Selections, rows, series and channels that leave less or nothing to draw: the curves that stay.
TEST_F(Patches, WhatCannotBeReadIsNotDrawn)
{
    auto s = [] { return square().currentColumn(-1); };
    const struct {
        const char* what;
        DataSet data;
        int drawn, inked;  // what drawPatches says, and the pixels of the curves
    } cases[] = {
        {"one sample: a move only", s().select(40, 40), 1, 0},
        {"no samples", s().samples(0), 0, 0},
        {"selection past the series", s().select(500, 600), 0, 0},
        {"reversed selection", s().select(60, 50), 0, 0},
        {"row -1", s().currentRow(-1).select(0, 10), 0, 0},
        {"row past the array", s().currentRow(4).select(0, 10), 0, 0},
        {"a missing series", s().select(0, 10).nullSeries(0, 1), 1, 30},
        {"channel 9999, a null channel", s().select(0, 10).pairChannels(0, 1, 0, 9999).nullChannel(2), 1, 20},
        {"5 rows of 3", s().megAt2d(L"MZC01", 50, 50).rows({0, 1, 2, 3, 4}).cols({0, 1, 2}).currentRow(4)
             .select(0, 10), 1, 30},
        {"end past the series: up to the last sample", s().select(90, 500), 1, 4 * 9},
    };
    for (const auto& c : cases) {
        MegRig r(c.data.build());
        patchesOnly(r.view, 1.0, 0.0);
        ASSERT_EQ(r.paint(), 1) << c.what;  // painting goes on
        EXPECT_EQ(r.countInner(kBlack), c.inked) << c.what;
        EXPECT_EQ(r.view.drawPatches(r.view.memDC, 60, 60, 320, 320, 0, 0), c.drawn) << c.what;
    }
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
