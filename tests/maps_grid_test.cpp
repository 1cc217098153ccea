// The grid layer of both views: the influence radius, weights, the threshold, and every refusal.
#include <cfloat>
#include <memory>
#include <utility>
#include <vector>

#include "contourview.h"
#include "maps_fixture.h"
#include "modulebase.h"

namespace {

using namespace maptest;

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

TEST_F(GridLayer, RadiusOfNoTableIsZero)
{
    EXPECT_EQ(CStatMEGCClCntMap04Grid::calcInfluenceRadius(nullptr, 4, 1), 0.0);
    SnsrLocIndx one{0, 0, 0, 0};
    EXPECT_EQ(CStatMEGCClCntMap04Grid::calcInfluenceRadius(&one, 0, 1), 0.0);
}

TEST_F(GridLayer, PointAtTheRadiusGetsNothingAndAutofitThresholdIsTheMaximumOverTheLevels)
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
    EXPECT_DOUBLE_EQ(r.view.contourThreshold, 2.0 / 16);  // autofit: the maximum over the levels
    r.view.contourLevels = 0;
    ASSERT_EQ(r.rebuild(), 1);
    EXPECT_EQ(r.view.contourThreshold, 0.0);  // computed before the levels are raised
    EXPECT_EQ(r.view.contourLevels, 2);
    r.view.autofit = 0;
    r.view.contourLevels = 1;
    ASSERT_EQ(r.rebuild(), 1);
    EXPECT_EQ(r.view.contourLevels, 1);  // raised only with autofit
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

TEST_F(GridLayer, WeightsFollowTheRowOfTheLastRebuild)
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
}

TEST_F(GridLayer, ThresholdIsKeptBetweenZeroAndTheMaximum)
{
    // Values 100 and 300: raw 0 .. 300, span 200, so the maximum is 200.
    MegGrid r(layout({{0, 0}, {200, 0}}).diagonal(100.0).pair(0, 1, 300.0).build());
    r.view.radiusMeanMode = 0;
    r.view.autofit = 0;
    ASSERT_EQ(r.rebuild(), 1);
    for (const auto& c : std::vector<std::pair<double, double>>{{250.0, 200.0}, {-5.0, 0.0}, {kNaN, 0.0}, {50.0, 50.0}}) {
        r.view.contourThreshold = c.first;
        ASSERT_EQ(r.view.calcGridData(), 1);
        EXPECT_DOUBLE_EQ(r.g().fieldMaximum, 200.0);
        EXPECT_EQ(r.view.contourThreshold, c.second) << c.first;
    }
}

TEST_F(GridLayer, FlatGridOfDifferingSensorsSaysSo)
{
    // Two sensors on one spot with 1 and -1 cancel everywhere; the third holds 0.
    MegGrid r(layout({{0, 0}, {0, 0}, {10, 0}}).pair(0, 1, -1.0).build());
    EXPECT_EQ(r.rebuild(), 0);
    EXPECT_EQ(messageCount(L"Grid data range is 0.0?"), 1);
}

// The contour view's preparation for hosts: what it told its user is its reason, and the reason stays
// through a later success until the host clears it.
TEST_F(GridLayer, APreparationThatFailsLeavesItsReasonUntilCleared)
{
    MegGrid flat(layout({{0, 0}, {0, 0}, {10, 0}}).pair(0, 1, -1.0).build());
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
}

TEST_F(GridLayer, NoContributingSensorLeavesRangeAndThresholdAlone)
{
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
    EXPECT_TRUE(cxc::harness::messageBoxes().empty());
}

// Layouts that give no grid: quietly, before anything is allocated.
TEST_F(GridLayer, LayoutsWithoutAGridAllocateNothing)
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
    MegGrid none(nullptr);  // nor without a data set
    EXPECT_EQ(none.rebuild(), 0);
    EXPECT_EQ(none.view.calcGridData(), 0);
    EXPECT_EQ(none.view.buildGridWeights(1), 0);
}

TEST_F(GridLayer, CurrentRowOutsideThePairArrayBuildsNoWeights)
{
    MegGrid r(layout({{0, 0}, {100, 0}, {0, 100}}).build());
    ASSERT_EQ(r.rebuild(), 1);
    for (long long row : {-1LL, 3LL, 1LL << 40}) {
        r.cls().curRow = row;
        EXPECT_EQ(r.view.buildGridWeights(1), 0) << row;
    }
}

TEST_F(GridLayer, AnimationAfterTheClassDataShrankStaysInside)
{
    MegGrid r(layout({{0, 0}, {100, 0}, {0, 100}, {100, 100}}).pair(0, 3, 0.5).build());
    r.cls().curRow = 3;
    ASSERT_EQ(r.rebuild(), 1);
    ASSERT_EQ(r.cls().allocatePairs(2, 2, 100), 1);  // recomputed smaller since
    r.view.calcGridData();  // weights still name row 3 and columns up to 3
    EXPECT_TRUE(std::isfinite(r.view.contourThreshold));
}

TEST_F(GridLayer, NaNSensorIsLeftOutOfTheRange)
{
    MegGrid r(layout({{0, 0}, {100, 0}, {0, 100}, {100, 100}}).pair(0, 1, kNaN).pair(0, 2, -1.0).build());
    r.view.radiusMeanMode = 0;  // r = 30: only the points near the NaN sensor see it
    ASSERT_EQ(r.rebuild(), 1);
    EXPECT_DOUBLE_EQ(r.g().snsrMin, -1.0);
    EXPECT_DOUBLE_EQ(r.g().snsrMax, 1.0);
    EXPECT_TRUE(std::isfinite(r.g().fieldMaximum));
    EXPECT_TRUE(std::isfinite(r.view.contourThreshold));
    EXPECT_TRUE(std::isnan(r.value(102, 2)));  // on the NaN sensor
    MegGrid everywhere(layout({{0, 0}, {100, 0}, {0, 100}, {100, 100}}).pair(0, 1, kNaN).pair(0, 2, -1.0).build());
    EXPECT_EQ(everywhere.rebuild(), 0);  // r = 160: every point sees it, no grid value is a number
    EXPECT_EQ(everywhere.g().fieldMaximum, 0.0);
}

TEST_F(GridLayer, NonFiniteRangesReturnZeroQuietly)
{
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
