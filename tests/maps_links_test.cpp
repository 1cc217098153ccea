// The link layer probed at link midpoints, and the graph report on networks counted by hand.
#include <functional>

#include "maps_fixture.h"
#include "support.h"

namespace {

using namespace maptest;

template <class View>
void linksOnly(View& v, double threshold)
{
    bare(v);
    v.showSensor = 0;
    v.showLink = 1;
    v.linkThreshold = threshold;
}

// Bottom 0-1 at 0.8, top 2-3 at -0.6, left 0-2 at 0.3, right 1-3 exactly 0.5, diagonal 0-3 at 0.
DataSet network(Modality m = Modality::Meg)
{
    return square(m).pair(0, 1, 0.8).pair(2, 3, -0.6).pair(0, 2, 0.3).pair(1, 3, 0.5);
}
const CPoint kBottom = mid(squarePixel(0), squarePixel(1));
const CPoint kTop = mid(squarePixel(2), squarePixel(3));
const CPoint kLeft = mid(squarePixel(0), squarePixel(2));
const CPoint kRight = mid(squarePixel(1), squarePixel(3));

class Links : public MapTest {};

TEST_F(Links, ThresholdSignsPlainStylesLimitHidingSkippedEntriesAndCountsPastThePairArray)
{
    MegRig r(network().build());
    linksOnly(r.view, 0.5);
    ASSERT_EQ(r.paint(), 1);
    EXPECT_EQ(r.view.linkCount, 3);
    EXPECT_EQ(r.at(kBottom), kRed);
    EXPECT_EQ(r.at(kTop), kBlue);
    EXPECT_EQ(r.at(kRight), kRed);  // |mean| equal to the threshold is drawn
    EXPECT_EQ(r.at(kLeft), kWhite);
    EXPECT_EQ(r.at(160, 160), kWhite);  // the diagonal's mean is 0
    for (int style : {0, -1}) {  // plain, below 0 too: all black whatever the sign
        r.view.linkStyle = style;
        ASSERT_EQ(r.paint(), 1);
        EXPECT_EQ(r.at(kBottom), kBlack) << style;
        EXPECT_EQ(r.at(kTop), kBlack) << style;
    }
    r.view.maxLink = 0;  // a limit below 1 acts as 1 and is stored so; (0, 1) comes first
    ASSERT_EQ(r.paint(), 1);
    EXPECT_EQ(r.view.maxLink, 1);
    EXPECT_EQ(r.view.linkCount, 1);
    EXPECT_EQ(r.at(kTop), kWhite);
    r.view.showLink = 0;  // hidden links draw nothing, the corner overlay neither, and keep the count
    r.view.linkCount = 42;
    ASSERT_EQ(r.paint(), 1);
    EXPECT_EQ(r.countAll(kWhite), 320 * 320);
    EXPECT_EQ(r.view.linkCount, 42);
    r.view.showLink = r.view.linkStyle = 1;
    r.view.maxLink = 200;
    for (double t : {0.0, -1.0, kNaN}) {  // every pair, and the threshold is stored as 0
        r.view.linkThreshold = t;
        ASSERT_EQ(r.paint(), 1);
        EXPECT_EQ(r.view.linkThreshold, 0.0) << t;
        EXPECT_EQ(r.view.linkCount, 6) << t;
        EXPECT_EQ(r.at(160, 160), kRed) << t;  // a zero mean is red
    }
    // A NaN mean, a missing series, a bad or null channel and an empty selection are skipped.
    {
        // (0, 1) without a series, (0, 2) to channel 9999, (1, 3) to a null channel, (0, 3) NaN:
        // (2, 3) stays.
        auto ds = square().pair(0, 1, 0.9).pair(0, 2, 0.9).pair(1, 3, 0.9).pair(2, 3, 0.9).pair(0, 3, kNaN)
                      .nullSeries(0, 1).pairChannels(0, 2, 0, 9999).nullChannel(1).build();
        MegRig r(std::move(ds));
        linksOnly(r.view, 0.5);
        ASSERT_EQ(r.paint(), 1);
        EXPECT_EQ(r.view.linkCount, 1);
        EXPECT_EQ(r.at(kTop), kRed);
        EXPECT_EQ(r.at(160, 160), kWhite);
        // A selection past the series is clamped to it; an empty one draws nothing and keeps the count.
        std::vector<double> late(100, 0.0);
        for (int t = 90; t < 100; ++t) late[static_cast<size_t>(t)] = 10.0;
        MegRig sel(square().pair(0, 1, late).select(90, 5000).build());
        linksOnly(sel.view, 5.0);
        ASSERT_EQ(sel.paint(), 1);
        EXPECT_EQ(sel.view.linkCount, 1);  // mean over 90..99
        sel.cls().setSelect(60, 50);
        sel.view.linkCount = 7;
        ASSERT_EQ(sel.paint(), 1);
        EXPECT_EQ(sel.at(kBottom), kWhite);
        CDC& dc = *sel.view.memDC;
        EXPECT_EQ(sel.view.drawLinks(&dc, 60, 60, 320, 320, 0, 0), 0);
        EXPECT_EQ(sel.view.linkCount, 7);
    }
    // Counts claiming more than the pair array holds walk only what exists (they are public fields).
    {
        // The counts are public fields; a pipeline that raises them must not send the walks past the array.
        MegRig r(network().build());
        linksOnly(r.view, 0.5);
        int honestConnections = 0;
        const CString honest = r.view.graphTheoryReport(1, 0, 0, honestConnections);
        r.cls().rowCount = 1000;
        r.cls().colCount = 1000;
        for (int style : {0, 1, 2, 3, 4, 5}) {
            r.view.linkStyle = style;
            ASSERT_EQ(r.paint(), 1) << style;
            EXPECT_EQ(r.view.linkCount, 3) << style;
            EXPECT_NE(r.at(kBottom), kWhite) << style;
        }
        int connections = 0;
        EXPECT_EQ(r.view.graphTheoryReport(1, 0, 0, connections).str(), honest.str());
        EXPECT_EQ(connections, honestConnections);
        r.view.showSensor = 1;
        r.view.mapMode = MapModeTopWave;
        EXPECT_EQ(r.paint(), 1);
        r.view.hitTestSensor(CPoint(160, 160), 0, 0);
    }
}

// ramp: 0 .. 7 ramps256[ramp], 8 ramp512, 9 ramp768, 10 ramp1024, 11 ramp768Pos, 12 ramp768Neg.
struct StyleCase {
    int style, polarity;
    double mean;
    int ramp, index;
    double rangeMax = 0.75;
};

const COLORREF* rampOf(const CADRindex2Colorqz& c, int k)
{
    const COLORREF* named[] = {c.ramp512, c.ramp768, c.ramp1024, c.ramp768Pos, c.ramp768Neg};
    return k < 8 ? c.ramps256[k] : named[k - 8];
}

class MagnitudeStyles : public MapTest, public ::testing::WithParamInterface<StyleCase> {};

TEST_P(MagnitudeStyles, HalfwayBetweenThresholdAndRangeMaxTakesTheMiddleOfItsRamp)
{
    const StyleCase c = GetParam();
    MegRig r(square().pair(0, 1, c.mean).build());
    linksOnly(r.view, 0.25);
    r.view.linkRangeMax = c.rangeMax;
    r.view.linkStyle = c.style;
    r.view.polarityView = c.polarity;
    ASSERT_EQ(r.paint(), 1);
    EXPECT_EQ(r.at(kBottom), rampOf(r.view.adrColors, c.ramp)[c.index]);
}

// |mean| 0.5 lies halfway between 0.25 and 0.75: entry S / 2; then the ends, trunc(0.05 * 1024), a range
// of zero width (the last entry) and a NaN range (the first).
INSTANTIATE_TEST_SUITE_P(Maps, MagnitudeStyles, ::testing::Values(
    StyleCase{2, 0, 0.5, 0, 128}, StyleCase{3, 0, 0.5, 8, 256}, StyleCase{3, 0, -0.5, 8, 256},
    StyleCase{4, 0, 0.5, 9, 384}, StyleCase{5, 0, 0.5, 10, 512}, StyleCase{9, 0, 0.5, 10, 512},
    StyleCase{2, 1, 0.5, 2, 128}, StyleCase{2, 1, -0.5, 3, 128}, StyleCase{3, 1, 0.5, 6, 128},
    StyleCase{3, 1, -0.5, 5, 128}, StyleCase{4, 1, 0.5, 0, 128}, StyleCase{4, 1, -0.5, 1, 128},
    StyleCase{5, 1, 0.5, 11, 384}, StyleCase{5, 1, -0.5, 12, 384}, StyleCase{3, 0, 0.25, 8, 0},
    StyleCase{3, 0, 0.75, 8, 511}, StyleCase{3, 0, 7.0, 8, 511}, StyleCase{3, 0, 0.3, 8, 51},
    StyleCase{3, 0, 0.6, 8, 511, 0.25}, StyleCase{5, 0, 0.6, 10, 0, kNaN}));

// The square with a triangle 0-1-2 (0.75, 0.5, 0.625, all exact in binary); sensor 3 is alone.
DataSet triangleOnSquare(Modality m = Modality::Meg)
{
    return square(m).pair(0, 1, 0.75).pair(0, 2, 0.5).pair(1, 2, 0.625);
}

template <class View>
CString report(View& v, int useThreshold, int precise, int activeOnly, int* connections = nullptr)
{
    int n = -7;
    CString s = v.graphTheoryReport(useThreshold, precise, activeOnly, n);
    if (connections) *connections = n;
    return s;
}

std::wstring str(const CString& s) { return s.str(); }

class Report : public MapTest {};

// Without the threshold every other channel is a connection and every neighbour pair is connected:
// ClCe is 2 for each node of two or more neighbours, ClCeXnml 2 k (k - 1) / (N (N - 1)).
TEST_F(Report, ConnectionsHubsAndClusteringOfSmallNetworksAndOddShapesOrBadEntriesWalkedSafely)
{
    const struct {
        DataSet data;
        int useThreshold, connections;
        std::vector<const wchar_t*> parts;
    } cases[] = {
        // Running hub counts 1, 2, 3 per node: squares 4 * 14 = 56, RMS trunc(sqrt(56 / 12)) = 2.
        {triangleOnSquare(), 0, 12,
         {L"Total Connections: 12  Seed Sources: 4  Clustering Coefficient (ClCe) Total: 4 \n"
          L"Hub min: 1  Hub Mean: 3  Hub Max: 3 Hub Rms: 2 \n",
          L"Edge min: 0.000000 ",
          L"Total ClCe: 8.000000 ClCe min: 2.000000  ClCe Mean: 2.000000  ClCe Max: 2.000000 "
          L"ClCe Rms: 2.000000 \nTotal ClCeXnml: 4.000000 ClCex min: 1.000000  ClCex Mean: 1.000000  "
          L"ClCex Max: 1.000000 ClCex Rms: 1.000000 \n"}},
        // Element (0, 1) names channel 9999 and channel 2's entry is null: node 0 keeps no neighbour
        // but 3, node 1 keeps 0 and 3, node 2 is no node, node 3 keeps 0 and 1.
        {square().pairChannels(0, 1, 0, 9999).nullChannel(2), 0, 1 + 2 + 2,
         {L"Total ClCe: 4.000000 ClCe min: 2.000000  ClCe Mean: 2.000000  ClCe Max: 2.000000 "
          L"ClCe Rms: 2.000000 \nTotal ClCeXnml: 0.666667 ClCex min: 0.333333  ClCex Mean: 0.333333  "
          L"ClCex Max: 0.333333 ClCex Rms: 0.333333 \n"}},
        // A node with one neighbour is a seed without clustering.
        {square().pair(0, 1, 0.9), 1, 2,
         {L"Total Connections: 2  Seed Sources: 2  Clustering Coefficient (ClCe) Total: 0 \n",
          L"Total ClCe: 0.000000 ClCe min: 0.000000  ClCe Mean: 0.000000"}},
    };
    for (const auto& c : cases) {
        MegRig r(c.data.build());
        r.view.linkThreshold = 0.5;
        int connections = 0;
        const std::wstring s = str(report(r.view, c.useThreshold, 0, 0, &connections));
        EXPECT_EQ(connections, c.connections);
        for (const wchar_t* part : c.parts) EXPECT_NE(s.find(part), std::wstring::npos) << cxc::toUtf8(part);
    }
    // Odd shapes and bad entries are walked safely.
    {
        const struct {
            const char* what;
            DataSet data;
            int useThreshold, activeOnly, connections;
        } cases[] = {
            // 4 rows of 3 elements: rows 0..2 are nodes, row 3 has no element (3, 3).
            {"more rows than columns", triangleOnSquare().rows({0, 1, 2, 3}).cols({0, 1, 2}), 0, 0, 6},
            // Row 0 only: the neighbours 1..4 are looked up as rows, which answer 0.
            {"one row of five", DataSet().meg(5).series([](int, int, long long) { return 0.9; }).rows({0}), 1, 1, 4},
        };
        for (const auto& c : cases) {
            MegRig r(c.data.build());
            r.view.linkThreshold = 0.5;
            int connections = 0;
            const std::wstring s = str(report(r.view, c.useThreshold, 0, c.activeOnly, &connections));
            EXPECT_EQ(connections, c.connections) << c.what;
            if (c.activeOnly) {
                EXPECT_NE(s.find(L"Total ClCe: 0.000000 "), std::wstring::npos);
            }
        }
        // An active row outside the nodes, and an exception on the way, give no data.
        MegRig outside(triangleOnSquare().currentRow(7).build());
        EXPECT_EQ(str(report(outside.view, 0, 0, 1)), L"No Data");
        MegRig tall(triangleOnSquare().rows({0, 1, 2, 3}).cols({0, 1, 2}).currentRow(3).build());
        EXPECT_EQ(str(report(tall.view, 0, 0, 1)), L"No Data");
        MegRig r(triangleOnSquare().build());
        cxc::testkit::throwOnce("CBscMagSns::getCoilPositionD");
        EXPECT_EQ(str(report(r.view, 0, 0, 0)), L"No Data");
        // No connection, no data, negative or NaN thresholds (stored as 0), sensors without coils.
        {
            MegRig r(triangleOnSquare().build());
            r.view.linkThreshold = 0.9;
            int connections = -1;
            EXPECT_EQ(str(report(r.view, 1, 0, 0, &connections)), L"No network connection \n");
            EXPECT_EQ(connections, 0);  // the count is written when every row was examined
            for (double t : {-1.0, kNaN}) {  // stored as 0
                r.view.linkThreshold = t;
                report(r.view, 1, 0, 0, &connections);
                EXPECT_EQ(r.view.linkThreshold, 0.0);
                EXPECT_EQ(connections, 12);
            }

            MegRig none(triangleOnSquare().noCoupling().build());
            connections = 5;
            EXPECT_EQ(str(none.view.graphTheoryReport(1, 0, 0, connections)), L"No Data");
            EXPECT_EQ(connections, 5);  // untouched
            CStatMEGCClCntMapqz unbound;
            EXPECT_EQ(str(unbound.graphTheoryReport(1, 0, 0, connections)), L"No Data");
            // A sensor without coil zero empties the MEG report but not the EEG one.
            MegRig meg(triangleOnSquare().noCoil(3).build());
            connections = 77;
            EXPECT_EQ(str(meg.view.graphTheoryReport(0, 0, 0, connections)), L"");
            EXPECT_EQ(connections, 77);
            // The EEG view skips an electrode it cannot find: the triangle alone with threshold 0.
            EegRig eeg(triangleOnSquare(Modality::Eeg).noCoil(3).build());
            EXPECT_EQ(str(eeg.view.graphTheoryReport(0, 0, 0, connections)).substr(0, 21), L"Total Connections: 6 ");
        }
    }
}

}  // namespace
