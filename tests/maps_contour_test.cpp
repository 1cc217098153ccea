// The contour layers of both views: grid, field and lines, and every refusal of each.
#include <cfloat>
#include <memory>
#include <utility>
#include <vector>

#include "contourview.h"
#include "gdi_canvas.h"
#include "fieldcore.h"
#include "linecore.h"
#include "maps_fixture.h"
#include "modulebase.h"
#include "support.h"

namespace {

using namespace maptest;

bool same(const RGBQUAD& a, const RGBQUAD& b)
{
    return a.rgbRed == b.rgbRed && a.rgbGreen == b.rgbGreen && a.rgbBlue == b.rgbBlue;
}

// The square layout with a fifth sensor in the middle as the row channel: it holds 1, the corners 0.
DataSet peak() { return square().megAt2d(L"MZC01", 50, 50).currentRow(4).currentColumn(-1); }

// A contour view of one type (0 field, 1 lines): scale 2, x0 = y0 = 60, grid 104 x 104 from -2.
template <class View>
void contourOnly(View& v, int type)
{
    bare(v);
    v.showSensor = 0;
    v.mapMode = MapModeContour;
    v.contourType = type;
    v.colorScale = 1;
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

TEST(FieldLayerScale, ScalesFromTwoOnAndBelowZeroTakeThe768LevelTables)
{
    auto colors = std::make_unique<CMegIndex2Colorqz>();  // scales 0 and 1 (512 levels): the snapshots
    for (int scale : {2, 7, -1}) {
        const auto s = cxc::maps::fieldScale(*colors, scale, 10.0, 2.0);
        EXPECT_EQ(s.pos, colors->rgbqPos768);
        EXPECT_EQ(s.neg, colors->rgbqNeg768);
        EXPECT_EQ(s.top, 767);
        EXPECT_DOUBLE_EQ(s.step, 8.0 / 768);
    }
}

class FieldLayer : public MapTest {};

// Grid corners (-2, -2) and (101, 101) at scale 2 and offset 60 on a 320 x 320 map: left 56, right
// 262, bottom 320 - 56 = 264, top 320 - 262 = 58.
TEST_F(FieldLayer, FrameMirroredNullDcHugeScalesNoGridBuffersKeptAndANarrowMapStretched)
{
    MegRig r(square().pair(0, 1, 0.7).build());
    r.view.checkInitTrial();
    ASSERT_EQ(r.view.rebuildFieldGrid(), 1);
    r.view.backColor = kBlack;
    r.view.sensorColor = kWhite;
    for (int mirror : {0, 1}) {
        r.view.scaleX = r.view.scaleY = 2.0;
        testgdi::Canvas canvas(320, 320, kBlack), expected(320, 320, kBlack);
        ASSERT_EQ(r.view.drawFieldFrame(&canvas.dc, 60, 60, 320, 320, mirror), 1);
        CDrawClipsqz clips;
        clips.initDcMemor(320, 320, &expected.dc, kBlack, kWhite);
        if (mirror) clips.transparentClip(58, 58, 264, 264, &expected.dc);
        else clips.transparentClip(56, 58, 262, 264, &expected.dc);
        EXPECT_EQ(canvas.pixelsOf(kWhite), expected.pixelsOf(kWhite)) << "mirror " << mirror;
        EXPECT_GT(canvas.count(kWhite), 0);
    }
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
    // No frame or image without a grid; buffers kept while it keeps its size; a narrow map stretched.
    {
        // Only one good sensor: no grid can be laid, in any display type.
        for (int type : {0, 1, 2, 5}) {
            MegRig r(square().flags(1, false, true).flags(2, false, true).flags(3, false, true).build());
            contourOnly(r.view, 0);
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
        // Buffers are kept while the grid keeps its size; a narrow map falls back to StretchDIBits.
        MegRig r(peak().build());
        contourOnly(r.view, 0);
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
}

// Both signs over the square: sensors 1 and 3 hold 0.8, 0 and 2 hold -0.5.
DataSet signs(Modality m = Modality::Meg)
{
    return square(m).diagonal(-0.5).pair(0, 1, 0.8).pair(0, 3, 0.8).pair(0, 2, -0.5).currentColumn(-1);
}

template <class R>
void rebuilt(R& r)
{
    r.view.checkInitTrial();
    ASSERT_EQ(r.view.rebuildFieldGrid(), 1);
}

class LineLayer : public MapTest {};

TEST_F(LineLayer, TheDcKeepsItsPenExistingLinesStayUntilTheNextTracingAndNoLevelsOrBoundsNoLines)
{
    MegRig r(signs().build());
    rebuilt(r);
    contourOnly(r.view, 1);
    MegRig bare(signs().build());  // a view whose grid was never built
    testgdi::Canvas canvas(320, 320, kBlack);
    EXPECT_EQ(bare.view.calcContourLines(0.1, 1.0, 16), 0);
    EXPECT_EQ(bare.view.drawContourLines(&canvas.dc, 60, 60, 320, 320, 0), 0);
    EXPECT_EQ(r.view.drawContourLines(nullptr, 60, 60, 320, 320, 0), 0);
    const int levels = r.view.contourLevels;
    r.view.contourLevels = 0;
    EXPECT_EQ(r.view.drawContourLines(&canvas.dc, 60, 60, 320, 320, 0), 0);
    EXPECT_EQ(r.view.calcContourLines(0.1, 1.0, 0), 0);
    EXPECT_EQ(canvas.count(kBlack), 320 * 320);
    r.paint();
    ASSERT_EQ(r.paint(), 1);
    EXPECT_EQ(r.countAll(kRed) + r.countAll(kBlue), 0);
    r.view.contourLevels = levels;
    CPen mine(PS_SOLID, 3, RGB(1, 2, 3));
    canvas.dc.SelectObject(&mine);
    ASSERT_EQ(r.view.drawContourLines(&canvas.dc, 60, 60, 320, 320, 0), 1);
    EXPECT_EQ(canvas.dc.GetCurrentPen()->GetSafeHandle(), mine.GetSafeHandle());
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
    // Huge level counts and non-finite bounds trace nothing.
    EXPECT_EQ(r.view.calcContourLines(0.1, 1.0, 2000000000), 1);
    EXPECT_FALSE(cxc::maps::holdsContourLines(r.view.contour));
    EXPECT_EQ(r.view.calcContourLines(kNaN, 1.0, 16), 1);
    EXPECT_FALSE(cxc::maps::holdsContourLines(r.view.contour));
}

// Sensors at plane positions, named so that their labels colour like any others.
DataSet layout(std::initializer_list<std::pair<double, double>> xy, Modality m = Modality::Meg)
{
    DataSet d;
    int k = 0;
    for (const auto& p : xy) {
        const std::wstring name = L"MLC" + std::to_wstring(10 + k++);
        if (m == Modality::Meg) d.megAt2d(name.c_str(), p.first, p.second);
        else d.eegAt2d(name.c_str(), p.first, p.second);
    }
    return d;
}

template <class View>
struct Grid : Rig<View> {
    explicit Grid(std::unique_ptr<CArrayMEDataSetqz> ds) : Rig<View>(std::move(ds)) { this->view.checkInitTrial(); }
    int rebuild() { return this->view.rebuildFieldGrid(); }
    const CDataGridRect& g() const { return this->view.grid; }
    double value(int i, int j) const { return this->view.grid.values[i][j]; }
    const WeightCell& cell(int i, int j) const { return this->view.grid.weights[i][j]; }
};
using MegGrid = Grid<CStatMEGCClCntMapqz>;
using EegGrid = Grid<CStatEEGCxcCntMapqz>;

class GridLayer : public MapTest {};

struct RadiusCase {
    std::vector<SnsrLocIndx> table;
    int meanMode;
    double expected;
};

class InfluenceRadius : public ::testing::TestWithParam<RadiusCase> {};

TEST_P(InfluenceRadius, FromTheNeighbourDistances)
{
    const RadiusCase& c = GetParam();
    const double r = CStatMEGCClCntMap04Grid::calcInfluenceRadius(const_cast<SnsrLocIndx*>(c.table.data()),
                                                                  static_cast<int>(c.table.size()), c.meanMode);
    EXPECT_DOUBLE_EQ(r, c.expected);
    EXPECT_DOUBLE_EQ(CStatEEGCxcCntMap04Grid::calcInfluenceRadius(const_cast<SnsrLocIndx*>(c.table.data()),
                                                                  static_cast<int>(c.table.size()), c.meanMode),
                     r);  // one routine for both views
}

INSTANTIATE_TEST_SUITE_P(
    GridLayer, InfluenceRadius,
    ::testing::Values(
        RadiusCase{{{0, 0, 0, 0}}, 1, 1.6 * std::sqrt(DBL_MAX)},  // one sensor sees every point
        RadiusCase{{{0, 0, 0, 0}}, 0, 30.0},                       // 0.3 x sqrt(10000)
        RadiusCase{{{0, 0, 0, 0}, {10, 0, 1, 0}}, 1, 16.0},
        RadiusCase{{{0, 0, 0, 0}, {10, 0, 1, 0}}, 0, 3.0},
        RadiusCase{{{0, 0, 0, 0}, {3, 4, 1, 0}, {100, 0, 2, 0}}, 1, (5.0 + 5.0 + std::sqrt(97.0 * 97.0 + 16.0)) / 3 * 1.6},
        RadiusCase{{{0, 0, 0, 0}, {3, 4, 1, 0}, {100, 0, 2, 0}}, 0, 1.5},
        RadiusCase{{{0, 0, 0, 0}, {200, 0, 1, 0}}, 0, 30.0},  // never above 30
        RadiusCase{{}, 1, 0.0}));

TEST_F(GridLayer, RadiusThresholdsRowsOfTheWeightsLayoutsWithoutAGridAndNaNSensors)
{
    // Minimum mode: r = 30 for sensors 200 apart. Grid x = i - 2.
    MegGrid r(layout({{0, 0}, {200, 0}}).pair(0, 1, 3.0).build());
    r.view.radiusMeanMode = 0;
    ASSERT_EQ(r.rebuild(), 1);
    EXPECT_EQ(r.cell(31, 0).k, 1);  // x = 29
    EXPECT_DOUBLE_EQ(r.cell(31, 0).w[0], 1.0);
    EXPECT_EQ(r.cell(32, 0).k, 0);  // x = 30
    EXPECT_EQ(r.value(32, 0), 0.0);
    EXPECT_EQ(r.value(102, 0), 0.0);  // halfway: no sensor within r
    r.view.contourLevels = 0;
    ASSERT_EQ(r.rebuild(), 1);
    EXPECT_EQ(r.view.contourThreshold, 0.0);  // computed before the levels are raised
    EXPECT_EQ(r.view.contourLevels, 2);
    r.view.autofit = 0;
    r.view.contourLevels = 1;
    ASSERT_EQ(r.rebuild(), 1);
    EXPECT_EQ(r.view.contourLevels, 1);  // raised only with autofit
    // The threshold is kept between zero and the maximum: values 100 and 300 span 200, the maximum.
    MegGrid kept(layout({{0, 0}, {200, 0}}).diagonal(100.0).pair(0, 1, 300.0).build());
    kept.view.radiusMeanMode = 0;
    kept.view.autofit = 0;
    ASSERT_EQ(kept.rebuild(), 1);
    for (const auto& c : std::vector<std::pair<double, double>>{{250.0, 200.0}, {-5.0, 0.0}, {kNaN, 0.0}, {50.0, 50.0}}) {
        kept.view.contourThreshold = c.first;
        ASSERT_EQ(kept.view.calcGridData(), 1);
        EXPECT_DOUBLE_EQ(kept.g().fieldMaximum, 200.0);
        EXPECT_EQ(kept.view.contourThreshold, c.second) << c.first;
    }
    // Weights follow the row of the last rebuild and stay inside the pair array.
    {
        MegGrid r(layout({{0, 0}, {100, 0}, {0, 100}, {100, 100}}).pair(0, 3, 0.8).pair(1, 2, -0.6).build());
        ASSERT_EQ(r.rebuild(), 1);
        const double before = r.value(52, 52);
        r.cls().curRow = 1;
        ASSERT_EQ(r.view.calcGridData(), 1);  // an animation step keeps the weights of row 0
        EXPECT_EQ(r.g().gridRow, 0);
        EXPECT_DOUBLE_EQ(r.value(52, 52), before);
        ASSERT_EQ(r.rebuild(), 1);
        EXPECT_EQ(r.g().gridRow, 1);
        EXPECT_NE(r.value(52, 52), before);
        for (long long row : {-1LL, 4LL, 1LL << 40}) {  // rows outside the pair array get no weights
            r.cls().curRow = row;
            EXPECT_EQ(r.view.buildGridWeights(1), 0) << row;
        }
        r.cls().curRow = 3;
        ASSERT_EQ(r.rebuild(), 1);
        ASSERT_EQ(r.cls().allocatePairs(2, 2, 100), 1);  // the class data shrank since
        r.view.calcGridData();  // weights still name row 3 and columns up to 3
        EXPECT_TRUE(std::isfinite(r.view.contourThreshold));
    }
    // Layouts that give no grid: quietly, before anything is allocated.
    {
        DataSet noGood = layout({{0, 0}, {100, 0}, {0, 100}});
        for (int k = 0; k < 3; ++k) noGood.flags(k, false, true);
        DataSet one = layout({{0, 0}, {100, 0}, {0, 100}});
        one.flags(1, false, true).flags(2, false, true);
        const std::pair<const char*, DataSet> cases[] = {
            {"no good channel", noGood},
            {"one sensor", one},
            {"equal values", layout({{0, 0}, {100, 0}, {0, 100}}).diagonal(0.5).series([](int, int, long long) { return 0.5; })},
            {"far sensor 1e12", layout({{0, 0}, {1e12, 0}, {0, 100}})},
            {"far sensor 5000", layout({{0, 0}, {5000.0, 0}, {0, 100}})},
            {"far sensor 1e308", layout({{0, 0}, {1e308, 0}, {0, 100}})},
        };
        for (const auto& [what, data] : cases) {
            SCOPED_TRACE(what);
            MegGrid r(data.build());
            EXPECT_EQ(r.rebuild(), 0);
            if (std::string(what) != "equal values") {
                EXPECT_EQ(r.g().points, nullptr);
            }
        }
        EXPECT_TRUE(cxc::harness::messageBoxes().empty());
        // The EEG grid takes its height from the vertical span, which a row of electrodes lacks.
        EegGrid row(layout({{0, 0}, {50, 0}, {100, 0}}, Modality::Eeg).build());
        EXPECT_EQ(row.rebuild(), 0);
        EXPECT_EQ(row.g().points, nullptr);
        EXPECT_EQ(row.view.setupGridPoints(10, 5, 3), 0);  // no cell between the borders
        EXPECT_EQ(row.g().points, nullptr);
        for (DataSet d : {layout({{0, 0}, {100, 0}, {0, 100}}).classes(false, true, true),
                          layout({{0, 0}, {100, 0}, {0, 100}}).withoutPairArray(0)}) {
            MegGrid g(d.build());
            EXPECT_EQ(g.rebuild(), 0);  // nor without class data or a pair array
        }
        SnsrLocIndx first{0, 0, 0, 0};  // nor of no sensor table
        EXPECT_EQ(CStatMEGCClCntMap04Grid::calcInfluenceRadius(nullptr, 4, 1), 0.0);
        EXPECT_EQ(CStatMEGCClCntMap04Grid::calcInfluenceRadius(&first, 0, 1), 0.0);
        MegGrid none(nullptr);  // nor without a data set
        EXPECT_EQ(none.rebuild(), 0);
        EXPECT_EQ(none.view.calcGridData(), 0);
        EXPECT_EQ(none.view.buildGridWeights(1), 0);
        // A NaN sensor is left out of the range.
        MegGrid r(layout({{0, 0}, {100, 0}, {0, 100}, {100, 100}}).pair(0, 1, kNaN).pair(0, 2, -1.0).build());
        r.view.radiusMeanMode = 0;  // r = 30: only the points near the NaN sensor see it
        ASSERT_EQ(r.rebuild(), 1);
        EXPECT_DOUBLE_EQ(r.g().snsrMin, -1.0);
        EXPECT_DOUBLE_EQ(r.g().snsrMax, 1.0);
        EXPECT_TRUE(std::isfinite(r.g().fieldMaximum));
        EXPECT_TRUE(std::isfinite(r.view.contourThreshold));
        EXPECT_TRUE(std::isnan(r.value(102, 2)));  // on the NaN sensor, in the weakest negative colour
        testgdi::Canvas canvas(320, 320);
        ASSERT_EQ(r.view.drawFieldMap(&canvas.dc, 60, 60, 320, 320, 0), 1);
        EXPECT_TRUE(same(r.view.fieldPixels[2 * 104 + 102], r.view.megColors.rgbqNeg512[0]));
        MegGrid everywhere(layout({{0, 0}, {100, 0}, {0, 100}, {100, 100}}).pair(0, 1, kNaN).pair(0, 2, -1.0).build());
        EXPECT_EQ(everywhere.rebuild(), 0);  // r = 160: every point sees it, no grid value is a number
        EXPECT_EQ(everywhere.g().fieldMaximum, 0.0);
    }
}

TEST_F(GridLayer, SensorOutsideTheRowContributesNothing)
{
    MegGrid r(layout({{0, 0}, {10, 0}}).cols({0}).rows({0}).build());
    ASSERT_EQ(r.rebuild(), 0);  // one value: no span
    const WeightCell& c = r.cell(2, 0);
    ASSERT_EQ(c.k, 1);
    EXPECT_EQ(c.cols[0], 0);
    EXPECT_DOUBLE_EQ(c.w[0], 1.0);
}

// Two sensors on one spot with 1 and -1 cancel everywhere, the third holds 0: the flat grid is said,
// and the contour view's preparation for hosts keeps that reason through a later success until cleared.
TEST_F(GridLayer, AFlatGridIsSaidButNoContributingSensorOrNonFiniteRangesLeaveRangeAndThresholdAloneQuietly)
{
    MegGrid flat(layout({{0, 0}, {0, 0}, {10, 0}}).pair(0, 1, -1.0).build());
    EXPECT_EQ(flat.rebuild(), 0);
    EXPECT_EQ(messageCount(L"Grid data range is 0.0?"), 1);
    MegGrid good(layout({{10, 20}, {110, 20}, {10, 70}, {110, 70}}).build());
    cxc::clearLastError();
    EXPECT_EQ(cxc::prepareContourView(flat.view, flat.data.get(), 0), 0);
    EXPECT_EQ(cxc::lastError(), CString(L"the grid cannot be built: Grid data range is 0.0?"));
    EXPECT_EQ(cxc::prepareContourView(good.view, good.data.get(), 0), 1);
    EXPECT_EQ(good.g().nx, 104);
    EXPECT_EQ(cxc::lastError(), CString(L"the grid cannot be built: Grid data range is 0.0?"));
    EXPECT_EQ(cxc::prepareContourView(good.view, nullptr, 0), 0);
    EXPECT_EQ(cxc::lastError(), CString(L"the data set has no current trial"));
    cxc::clearLastError();
    EXPECT_TRUE(cxc::lastError().IsEmpty());
    // No contributing sensor or non-finite ranges: range and threshold alone, nothing said.
    cxc::harness::clearMessageBoxes();
    // The row holds only the EEG channel, so no MEG sensor contributes anywhere.
    MegGrid r(layout({{0, 0}, {100, 0}, {0, 100}}).eegAt2d(L"Cz", 5, 5).rows({3}).cols({3}).build());
    ASSERT_EQ(r.view.setupGridPoints(104, 104, 2), 1);
    ASSERT_EQ(r.view.buildGridWeights(1), 1);
    CDataGridRect& g = r.view.grid;
    g.values[3][3] = 7.0;
    g.snsrMin = g.snsrMax = g.gridMin = g.gridMax = g.fieldMaximum = 9.0;
    r.view.contourThreshold = 4.0;
    EXPECT_EQ(r.view.calcGridData(), 0);
    EXPECT_EQ(g.values[3][3], 0.0);
    EXPECT_EQ(g.fieldMaximum, 9.0);
    EXPECT_EQ(g.snsrMin, 9.0);
    EXPECT_EQ(r.view.contourThreshold, 4.0);
    // Non-finite ranges give no grid either, quietly.
    for (double bad : {kInf, -kInf, 1e308}) {
        MegGrid r(layout({{0, 0}, {100, 0}, {0, 100}}).pair(0, 1, bad).pair(0, 2, -1e308).build());
        r.view.contourThreshold = 3.0;
        r.view.autofit = 0;
        EXPECT_EQ(r.rebuild(), 0) << bad;
        EXPECT_EQ(r.view.contourThreshold, 3.0);
        EXPECT_EQ(r.g().fieldMaximum, 0.0);
    }
    MegGrid allNaN(layout({{0, 0}, {100, 0}, {0, 100}}).diagonal(kNaN).series([](int, int, long long) { return kNaN; }).build());
    EXPECT_EQ(allNaN.rebuild(), 0);
    EXPECT_EQ(allNaN.g().fieldMaximum, 0.0);
    EXPECT_TRUE(cxc::harness::messageBoxes().empty());
}

}  // namespace
