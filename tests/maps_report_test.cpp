// The graph report of both views on networks small enough to count by hand, its short answers, and
// the checks that keep odd shapes from reading past the data.
#include <cmath>
#include <string>

#include "maps_fixture.h"
#include "stateegcxccntmapqz.h"
#include "statmegcclcntmapqz.h"

namespace {

using namespace maptest;

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

TEST_F(Report, WithoutTheThresholdEveryOtherChannelIsAConnection)
{
    Rig<CStatMEGCClCntMapqz> r(triangleOnSquare().build());
    r.view.linkThreshold = 0.5;
    int connections = 0;
    const CString s = report(r.view, 0, 0, 0, &connections);
    EXPECT_EQ(connections, 12);  // 4 nodes x 3 partners, zeros included
    // Running hub counts 1, 2, 3 per node: squares 4 * 14 = 56, RMS trunc(sqrt(56 / 12)) = 2.
    EXPECT_EQ(str(s).substr(0, str(s).find(L"Total edge")),
              L"Total Connections: 12  Seed Sources: 4  Clustering Coefficient (ClCe) Total: 4 \n"
              L"Hub min: 1  Hub Mean: 3  Hub Max: 3 Hub Rms: 2 \n");
    EXPECT_NE(str(s).find(L"Edge min: 0.000000 "), std::wstring::npos);
}

TEST_F(Report, NodeWithOneNeighbourIsASeedWithoutClustering)
{
    Rig<CStatMEGCClCntMapqz> r(square().pair(0, 1, 0.9).build());
    r.view.linkThreshold = 0.5;
    const std::wstring s = str(report(r.view, 1, 0, 0));
    EXPECT_EQ(s.substr(0, s.find(L"Hub min")),
              L"Total Connections: 2  Seed Sources: 2  Clustering Coefficient (ClCe) Total: 0 \n");
    EXPECT_NE(s.find(L"Total ClCe: 0.000000 ClCe min: 0.000000  ClCe Mean: 0.000000"), std::wstring::npos);
}

TEST_F(Report, NoConnectionAndNoData)
{
    Rig<CStatMEGCClCntMapqz> r(triangleOnSquare().build());
    r.view.linkThreshold = 0.9;
    int connections = -1;
    EXPECT_EQ(str(report(r.view, 1, 0, 0, &connections)), L"No network connection \n");
    EXPECT_EQ(connections, 0);  // the count is written when every row was examined

    Rig<CStatMEGCClCntMapqz> none(triangleOnSquare().noCoupling().build());
    connections = 5;
    EXPECT_EQ(str(none.view.graphTheoryReport(1, 0, 0, connections)), L"No Data");
    EXPECT_EQ(connections, 5);  // untouched
    CStatMEGCClCntMapqz unbound;
    EXPECT_EQ(str(unbound.graphTheoryReport(1, 0, 0, connections)), L"No Data");
}

TEST_F(Report, NegativeOrNaNThresholdIsStoredAsZero)
{
    for (double t : {-1.0, std::nan("")}) {
        Rig<CStatMEGCClCntMapqz> r(triangleOnSquare().build());
        r.view.linkThreshold = t;
        int connections = 0;
        report(r.view, 1, 0, 0, &connections);
        EXPECT_EQ(r.view.linkThreshold, 0.0);
        EXPECT_EQ(connections, 12);
    }
}

TEST_F(Report, SensorWithoutCoilZeroEmptiesTheMegReportButNotTheEegOne)
{
    Rig<CStatMEGCClCntMapqz> meg(triangleOnSquare().noCoil(3).build());
    int connections = 77;
    EXPECT_EQ(str(meg.view.graphTheoryReport(0, 0, 0, connections)), L"");
    EXPECT_EQ(connections, 77);
    // The EEG view skips an electrode it cannot find: the triangle alone with threshold 0.
    Rig<CStatEEGCxcCntMapqz> eeg(triangleOnSquare(Modality::Eeg).noCoil(3).build());
    EXPECT_EQ(str(eeg.view.graphTheoryReport(0, 0, 0, connections)).substr(0, 21), L"Total Connections: 6 ");
}

// Without the threshold every neighbour pair is connected: ClCe is 2 for each node of two or more
// neighbours, ClCeXnml 2 k (k - 1) / (N (N - 1)).
TEST_F(Report, WithoutTheThresholdClusteringCountsEveryNeighbourPair)
{
    const struct {
        DataSet data;
        const wchar_t* clustering;
    } cases[] = {
        {triangleOnSquare(), L"Total ClCe: 8.000000 ClCe min: 2.000000  ClCe Mean: 2.000000  ClCe Max: 2.000000 "
                             L"ClCe Rms: 2.000000 \nTotal ClCeXnml: 4.000000 ClCex min: 1.000000  ClCex Mean: "
                             L"1.000000  ClCex Max: 1.000000 ClCex Rms: 1.000000 \n"},
        // Nodes 1 and 3 keep two neighbours each, node 0 one (see the bad entries below).
        {square().pairChannels(0, 1, 0, 9999).nullChannel(2),
         L"Total ClCe: 4.000000 ClCe min: 2.000000  ClCe Mean: 2.000000  ClCe Max: 2.000000 ClCe Rms: 2.000000 "
         L"\nTotal ClCeXnml: 0.666667 ClCex min: 0.333333  ClCex Mean: 0.333333  ClCex Max: 0.333333 ClCex Rms: "
         L"0.333333 \n"},
    };
    for (const auto& c : cases) {
        Rig<CStatMEGCClCntMapqz> r(c.data.build());
        const std::wstring s = str(report(r.view, 0, 0, 0));
        EXPECT_EQ(s.substr(s.find(L"Total ClCe:")), c.clustering);
    }
}

// ---- odd shapes and bad entries -------------------------------------------------------------------

TEST_F(Report, OddShapesAndBadEntriesAreWalkedSafely)
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
        // Element (0, 1) names channel 9999 and channel 2's entry is null: node 0 keeps no neighbour
        // but 3, node 1 keeps 0 and 3, node 2 is no node, node 3 keeps 0 and 1.
        {"bad channel entries", square().pairChannels(0, 1, 0, 9999).nullChannel(2), 0, 0, 1 + 2 + 2},
    };
    for (const auto& c : cases) {
        Rig<CStatMEGCClCntMapqz> r(c.data.build());
        r.view.linkThreshold = 0.5;
        int connections = 0;
        const std::wstring s = str(report(r.view, c.useThreshold, 0, c.activeOnly, &connections));
        EXPECT_EQ(connections, c.connections) << c.what;
        if (c.activeOnly) {
            EXPECT_NE(s.find(L"Total ClCe: 0.000000 "), std::wstring::npos);
        }
    }
    // An active row outside the nodes, and an exception on the way, give no data.
    Rig<CStatMEGCClCntMapqz> outside(triangleOnSquare().currentRow(7).build());
    EXPECT_EQ(str(report(outside.view, 0, 0, 1)), L"No Data");
    Rig<CStatMEGCClCntMapqz> tall(triangleOnSquare().rows({0, 1, 2, 3}).cols({0, 1, 2}).currentRow(3).build());
    EXPECT_EQ(str(report(tall.view, 0, 0, 1)), L"No Data");
    Rig<CStatMEGCClCntMapqz> r(triangleOnSquare().build());
    cxc::testkit::throwOnce("CBscMagSns::getCoilPositionD");
    EXPECT_EQ(str(report(r.view, 0, 0, 0)), L"No Data");
}

}  // namespace
