// The field and line layers: colour indices, the frame, buffers, the fallback, hostile scales, and
// lines kept until the next tracing and none without levels or grid values.
#include <memory>
#include <utility>

#include "gdi_canvas.h"
#include "fieldcore.h"
#include "linecore.h"
#include "maps_fixture.h"
#include "support.h"

namespace {

using namespace maptest;

bool same(const RGBQUAD& a, const RGBQUAD& b)
{
    return a.rgbRed == b.rgbRed && a.rgbGreen == b.rgbGreen && a.rgbBlue == b.rgbBlue;
}

// The square layout with a fifth sensor in the middle as the row channel: it holds 1, the corners 0.
DataSet peak() { return square().megAt2d(L"MZC01", 50, 50).currentRow(4).currentColumn(-1); }

// A field-only contour view on the 320 x 320 rig: scale 2, x0 = y0 = 60, grid 104 x 104 from -2.
template <class View>
void fieldOnly(View& v, int colorScale = 1)
{
    bare(v);
    v.showSensor = 0;
    v.mapMode = MapModeContour;
    v.contourType = 0;
    v.colorScale = colorScale;
}

struct IndexCase {
    double value, step;
    int top, expected;
};
class FieldColourIndex : public ::testing::TestWithParam<IndexCase> {};

TEST_P(FieldColourIndex, QuotientTruncatedAndKeptInTheTable)
{
    const IndexCase& c = GetParam();
    EXPECT_EQ(cxc::rampIndex(c.value, c.step, c.top), c.expected) << c.value << " / " << c.step;
}

INSTANTIATE_TEST_SUITE_P(FieldLayer, FieldColourIndex,
                         ::testing::Values(IndexCase{0.0, 1.0, 511, 0}, IndexCase{5.9, 1.0, 511, 5},
                                           IndexCase{-5.9, 1.0, 511, 5}, IndexCase{511.0, 1.0, 511, 511},
                                           IndexCase{600.0, 1.0, 511, 511}, IndexCase{767.5, 1.0, 767, 767},
                                           IndexCase{600.0, 1.0, 767, 600}, IndexCase{3.0, 0.0, 511, 0},
                                           IndexCase{kNaN, 1.0, 511, 0}, IndexCase{kInf, 1.0, 511, 0},
                                           IndexCase{3e9, 1.0, 511, 0}, IndexCase{2147483647.5, 1.0, 511, 511},
                                           IndexCase{1.0, 1e-300, 511, 0}, IndexCase{5.0, -1.0, 511, 0},
                                           IndexCase{-5.0, -1.0, 511, 0}));

TEST(FieldLayerScale, TablesTopAndStepByColourScale)
{
    auto colors = std::make_unique<CMegIndex2Colorqz>();
    for (int scale : {0, 1}) {
        const auto s = cxc::maps::fieldScale(*colors, scale, 10.0, 2.0);
        EXPECT_EQ(s.pos, colors->rgbqPos512);
        EXPECT_EQ(s.neg, colors->rgbqNeg512);
        EXPECT_EQ(s.top, 511);
        EXPECT_DOUBLE_EQ(s.step, 8.0 / 512);
    }
    for (int scale : {2, 7, -1}) {
        const auto s = cxc::maps::fieldScale(*colors, scale, 10.0, 2.0);
        EXPECT_EQ(s.pos, colors->rgbqPos768);
        EXPECT_EQ(s.neg, colors->rgbqNeg768);
        EXPECT_EQ(s.top, 767);
        EXPECT_DOUBLE_EQ(s.step, 8.0 / 768);
    }
}

class FieldLayer : public MapTest {};

TEST_F(FieldLayer, NaNGridValueTakesTheWeakestNegativeColour)
{
    DataSet d;
    d.megAt2d(L"MLC11", 0, 0).megAt2d(L"MRC11", 100, 0).megAt2d(L"MLF11", 0, 100).pair(0, 1, kNaN).pair(0, 2, -1.0);
    MegRig r(d.build());
    r.view.radiusMeanMode = 0;
    r.view.checkInitTrial();
    ASSERT_EQ(r.view.rebuildFieldGrid(), 1);
    ASSERT_TRUE(std::isnan(r.view.grid.values[102][2]));
    testgdi::Canvas canvas(320, 320);
    ASSERT_EQ(r.view.drawFieldMap(&canvas.dc, 60, 60, 320, 320, 0), 1);
    EXPECT_TRUE(same(r.view.fieldPixels[2 * 104 + 102], r.view.megColors.rgbqNeg512[0]));
}

// Grid corners (-2, -2) and (101, 101) at scale 2 and offset 60 on a 320 x 320 map: left 56, right
// 262, bottom 320 - 56 = 264, top 320 - 262 = 58.
TEST_F(FieldLayer, FrameMarksTheGridsCornersAndIsMirroredAboutTheWidth)
{
    for (int mirror : {0, 1}) {
        MegRig r(square().build());
        r.view.checkInitTrial();
        ASSERT_EQ(r.view.rebuildFieldGrid(), 1);
        r.view.scaleX = r.view.scaleY = 2.0;
        r.view.backColor = kBlack;
        r.view.sensorColor = kWhite;
        testgdi::Canvas canvas(320, 320, kBlack), expected(320, 320, kBlack);
        ASSERT_EQ(r.view.drawFieldFrame(&canvas.dc, 60, 60, 320, 320, mirror), 1);
        CDrawClipsqz clips;
        clips.initDcMemor(320, 320, &expected.dc, kBlack, kWhite);
        if (mirror) clips.transparentClip(58, 58, 264, 264, &expected.dc);
        else clips.transparentClip(56, 58, 262, 264, &expected.dc);
        EXPECT_EQ(canvas.pixelsOf(kWhite), expected.pixelsOf(kWhite)) << "mirror " << mirror;
        EXPECT_GT(canvas.count(kWhite), 0);
    }
}

TEST_F(FieldLayer, NoFrameAndNoImageWithoutAGrid)
{
    // Only one good sensor: no grid can be laid, in any display type.
    for (int type : {0, 1, 2, 5}) {
        MegRig r(square().flags(1, false, true).flags(2, false, true).flags(3, false, true).build());
        fieldOnly(r.view);
        r.view.contourType = type;
        r.paint();
        ASSERT_EQ(r.paint(), 1) << type;
        EXPECT_EQ(r.view.grid.points, nullptr);
        EXPECT_EQ(r.countAll(kBlack), 320 * 320) << type;
        testgdi::Canvas canvas(320, 320, kBlack);
        EXPECT_EQ(r.view.drawFieldFrame(&canvas.dc, 60, 60, 320, 320, 0), 0);
        EXPECT_EQ(r.view.drawFieldMap(&canvas.dc, 60, 60, 320, 320, 0), 0);
        EXPECT_EQ(canvas.count(kBlack), 320 * 320);
    }
}

TEST_F(FieldLayer, NullDcHugeScalesAndTheStretchModeAreSafe)
{
    MegRig r(square().pair(0, 1, 0.7).build());
    r.view.checkInitTrial();
    ASSERT_EQ(r.view.rebuildFieldGrid(), 1);
    EXPECT_EQ(r.view.drawFieldMap(nullptr, 60, 60, 320, 320, 0), 0);
    EXPECT_EQ(r.view.drawFieldFrame(nullptr, 60, 60, 320, 320, 0), 0);
    testgdi::Canvas canvas(200, 200, kBlack);
    canvas.dc.SetStretchBltMode(HALFTONE);
    for (double scale : {1e300, -1e300, kInf, -kInf, kNaN, 1e9}) {
        r.view.scaleX = scale;
        r.view.scaleY = 2.0;
        EXPECT_EQ(r.view.drawFieldMap(&canvas.dc, 60, 60, 200, 200, 0), 1) << scale;
        r.view.drawFieldFrame(&canvas.dc, 60, 60, 200, 200, 1);
        r.view.scaleX = 2.0;
        r.view.scaleY = scale;
        EXPECT_EQ(r.view.drawFieldMap(&canvas.dc, 60, 60, 200, 200, 1), 1) << scale;
        r.view.drawFieldFrame(&canvas.dc, 60, 60, 200, 200, 0);
    }
    EXPECT_EQ(canvas.dc.GetStretchBltMode(), HALFTONE);
}

TEST_F(FieldLayer, BuffersKeptWhileTheGridKeepsItsSizeAndANarrowMapFallsBackToStretchDIBits)
{
    MegRig r(peak().build());
    fieldOnly(r.view);
    ASSERT_EQ(r.paint(), 1);
    const BITMAPINFO* header = r.view.fieldBmpInfo;
    const RGBQUAD* pixels = r.view.fieldPixels;
    for (int k = 0; k < 3; ++k) {
        r.view.calcGridData();
        ASSERT_EQ(r.paint(), 1);
    }
    EXPECT_EQ(r.view.fieldBmpInfo, header);
    EXPECT_EQ(r.view.fieldPixels, pixels);
    r.view.gridBorder = 4;  // a rebuild at another size makes them again
    ASSERT_EQ(r.view.rebuildFieldGrid(), 1);
    ASSERT_EQ(r.paint(), 1);
    EXPECT_EQ(r.view.fieldBmpInfo->bmiHeader.biWidth, 108);
    EXPECT_EQ(r.view.fieldBmpInfo->bmiHeader.biHeight, 108);
    // 100 x 100 with a margin of 120: the scale is -0.2, so the destination is -20 x -20 pixels,
    // which the resampler refuses; StretchDIBits draws it mirrored at (60, 60), that is over 40 .. 59.
    r.paint(100, 100);
    ASSERT_EQ(r.paint(100, 100), 1);
    EXPECT_DOUBLE_EQ(r.view.scaleX, -0.2);
    EXPECT_EQ(r.count(kBlack, 40, 40, 60, 60), 0);
    // Elsewhere only the background, away from the frame's marks at 39 and 60.
    EXPECT_EQ(r.count(kBlack, 0, 0, 100, 38), 100 * 38);
    EXPECT_EQ(r.count(kBlack, 62, 0, 100, 100), 38 * 100);
}

// Both signs over the square: sensors 1 and 3 hold 0.8, 0 and 2 hold -0.5.
DataSet signs(Modality m = Modality::Meg)
{
    return square(m).diagonal(-0.5).pair(0, 1, 0.8).pair(0, 3, 0.8).pair(0, 2, -0.5).currentColumn(-1);
}

template <class View>
void linesOnly(View& v, int colorScale = 1)
{
    bare(v);
    v.showSensor = 0;
    v.mapMode = MapModeContour;
    v.contourType = 1;
    v.colorScale = colorScale;
}

// The view's grid, ready as the show functions leave it.
template <class R>
void rebuilt(R& r)
{
    r.view.checkInitTrial();
    ASSERT_EQ(r.view.rebuildFieldGrid(), 1);
}

class LineLayer : public MapTest {};

// Any colour scale but black and white draws red and blue lines; the DC's pen comes back.
TEST_F(LineLayer, ScaleTwoDrawsRedAndBlueAndTheDcKeepsItsPen)
{
    MegRig r(signs().build());
    rebuilt(r);
    r.view.colorScale = 2;
    CPen mine(PS_SOLID, 3, RGB(1, 2, 3));
    testgdi::Canvas c(320, 320, kBlack);
    c.dc.SelectObject(&mine);
    ASSERT_EQ(r.view.drawContourLines(&c.dc, 60, 60, 320, 320, 0), 1);
    EXPECT_EQ(c.dc.GetCurrentPen()->GetSafeHandle(), mine.GetSafeHandle());
    EXPECT_GT(c.count(kRed), 20);
    EXPECT_GT(c.count(kBlue), 20);
}

TEST_F(LineLayer, ExistingLinesStayUntilTheNextTracing)
{
    MegRig r(signs().build());
    rebuilt(r);
    linesOnly(r.view);
    r.paint();
    ASSERT_EQ(r.paint(), 1);
    const auto before = r.countAll(kRed);
    const int segments = r.view.contour.segCount;
    r.view.contourThreshold = 0.9 * r.view.grid.fieldMaximum;  // typed after the first drawing
    r.view.contourLevels = 2;
    ASSERT_EQ(r.paint(), 1);
    EXPECT_EQ(r.view.contour.segCount, segments);
    EXPECT_EQ(r.countAll(kRed), before);
    // An animation step traces again with what is set now.
    ASSERT_EQ(r.view.calcContourLines(r.view.contourThreshold, r.view.grid.fieldMaximum, r.view.contourLevels), 1);
    ASSERT_EQ(r.paint(), 1);
    EXPECT_LT(r.view.contour.segCount, segments);
    EXPECT_LT(r.countAll(kRed), before);
}

TEST_F(LineLayer, NoLevelsNoGridHugeCountsOrNonFiniteBoundsNoLines)
{
    MegRig r(signs().build());
    rebuilt(r);
    linesOnly(r.view);
    r.view.contourLevels = 0;
    testgdi::Canvas canvas(320, 320, kBlack);
    EXPECT_EQ(r.view.drawContourLines(&canvas.dc, 60, 60, 320, 320, 0), 0);
    EXPECT_EQ(r.view.calcContourLines(0.1, 1.0, 0), 0);
    EXPECT_EQ(canvas.count(kBlack), 320 * 320);
    r.paint();
    ASSERT_EQ(r.paint(), 1);
    EXPECT_EQ(r.countAll(kRed) + r.countAll(kBlue), 0);

    MegRig bare(signs().build());  // a view whose grid was never built
    EXPECT_EQ(bare.view.calcContourLines(0.1, 1.0, 16), 0);
    EXPECT_EQ(bare.view.drawContourLines(&canvas.dc, 60, 60, 320, 320, 0), 0);
    EXPECT_EQ(r.view.drawContourLines(nullptr, 60, 60, 320, 320, 0), 0);
    // Huge level counts and non-finite bounds trace nothing.
    EXPECT_EQ(r.view.calcContourLines(0.1, 1.0, 2000000000), 1);
    EXPECT_FALSE(cxc::maps::holdsContourLines(r.view.contour));
    EXPECT_EQ(r.view.calcContourLines(std::numeric_limits<double>::quiet_NaN(), 1.0, 16), 1);
    EXPECT_FALSE(cxc::maps::holdsContourLines(r.view.contour));
}

}  // namespace
