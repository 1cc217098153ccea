// `cxcmap grid`: the contour view's own grid as CSV, and refusals that leave no file behind.
#include <cstdlib>

#include "host.h"
#include "cxccompanions.h"
#include "stateegcxccntmapqz.h"
#include "statmegcclcntmapqz.h"

namespace {

using namespace apptest;

// Five MEG sensors (the square and its centre) and five EEG electrodes on a wider rectangle; every
// pair's series rises with the sample, at its own pace, so the row and the selection both matter.
DataSet field()
{
    DataSet d;
    const double meg[][2] = {{0, 0}, {100, 0}, {0, 100}, {100, 100}, {50, 50}};
    const wchar_t* megNames[] = {L"MLF11", L"MRF11", L"MLO11", L"MRO11", L"MZC01"};
    for (int i = 0; i < 5; ++i) d.megAt2d(megNames[i], meg[i][0], meg[i][1]);
    const double eeg[][2] = {{0, 0}, {160, 0}, {0, 60}, {160, 60}, {80, 30}};
    const wchar_t* eegNames[] = {L"F3", L"F4", L"P3", L"P4", L"Cz"};
    for (int i = 0; i < 5; ++i) d.eegAt2d(eegNames[i], eeg[i][0], eeg[i][1]);
    return d.samples(12).series([](int a, int b, long long s) { return 0.05 * (a + 1) - 0.03 * (b + 1) + 0.01 * s * (a % 3); });
}

struct GridCase {
    const char* what;
    int modality;
    long long row, begin, end;
};

struct Csv {
    std::string header;
    std::vector<std::vector<std::string>> rows;
};

Csv parse(const std::string& text)
{
    Csv csv;
    std::istringstream in(text);
    std::getline(in, csv.header);
    for (std::string line; std::getline(in, line);) {
        std::istringstream l(line);
        csv.rows.emplace_back();
        for (std::string cell; std::getline(l, cell, ',');) csv.rows.back().push_back(cell);
    }
    return csv;
}

// The grid of the view itself on the same folder, prepared as a contour show function prepares it.
template <class View>
bool viewGrid(CArrayMEDataSetqz& ds, const GridCase& c, View& view)
{
    CSnsCohDataqz& data = *cxc::testkit::classOf(ds, 0);
    data.curRow = c.row;
    data.setSelect(c.begin, c.end);
    view.dataSet = &ds;
    view.cxcClass = 0;
    if (!view.checkInitTrial()) return false;
    view.projectSensors2D(view.chnlType);
    return view.rebuildFieldGrid() == 1;
}

template <class View>
void expectSameGrid(const Csv& csv, CArrayMEDataSetqz& ds, const GridCase& c)
{
    View view;
    ASSERT_TRUE(viewGrid(ds, c, view));
    const CDataGridRect& g = view.grid;
    ASSERT_EQ(csv.rows.size(), static_cast<size_t>(g.nx) * static_cast<size_t>(g.ny));
    size_t k = 0;
    for (int i = 0; i < g.nx; ++i) {
        for (int j = 0; j < g.ny; ++j, ++k) {
            const auto& r = csv.rows[k];
            ASSERT_EQ(r.size(), 5u);
            EXPECT_EQ(std::stoi(r[0]), i);
            EXPECT_EQ(std::stoi(r[1]), j);
            // %.17g gives every double back exactly.
            EXPECT_EQ(std::strtod(r[2].c_str(), nullptr), g.points[i][j].x);
            EXPECT_EQ(std::strtod(r[3].c_str(), nullptr), g.points[i][j].y);
            EXPECT_EQ(std::strtod(r[4].c_str(), nullptr), g.values[i][j]) << "at " << i << ", " << j;
        }
    }
}

class GridCommand : public ::testing::TestWithParam<GridCase> {};

TEST_P(GridCommand, WritesTheContourViewsGridValueForValue)
{
    const GridCase c = GetParam();
    Scratch scratch;
    const std::string folder = dataFolder(scratch, field());
    const std::string out = scratch.str("grid.csv");
    const Outcome r = cxcmap({"grid", "--data", folder, "--modality", c.modality ? "eeg" : "meg", "--row",
                              std::to_string(c.row), "--select", std::to_string(c.begin), std::to_string(c.end),
                              "--out", out});
    ASSERT_EQ(r.status, 0) << r.err;
    const Csv csv = parse(readFile(out));
    EXPECT_EQ(csv.header, "i,j,x,y,value");
    auto ds = cxc::data::loadDataFolder(folder).dataSet;
    ASSERT_TRUE(ds);
    if (c.modality) expectSameGrid<CStatEEGCxcCntMapqz>(csv, *ds, c);
    else expectSameGrid<CStatMEGCClCntMapqz>(csv, *ds, c);
    EXPECT_EQ(scratch.list(), (std::vector<std::string>{"data", "grid.csv"})) << "no temporary file is left";
}

INSTANTIATE_TEST_SUITE_P(Cases, GridCommand,
                         ::testing::Values(GridCase{"MegFirstRow", 0, 0, 0, 11}, GridCase{"MegCentreLate", 0, 4, 8, 11},
                                           GridCase{"EegRow", 1, 7, 2, 5}),
                         [](const ::testing::TestParamInfo<GridCase>& info) { return std::string(info.param.what); });

struct Refusal {
    const char* what;
    DataSet data;
    std::vector<std::string> args;  // after "grid --data FOLDER --out FILE"
    const char* reason;             // after "cxcmap grid: the grid cannot be built: "
};

class GridRefusal : public ::testing::TestWithParam<Refusal> {};

TEST_P(GridRefusal, SaysWhyTheGridCannotBeBuilt)
{
    const Refusal& c = GetParam();
    Scratch scratch;
    const std::string folder = dataFolder(scratch, c.data);
    std::vector<std::string> args{"grid", "--data", folder, "--out", scratch.str("grid.csv")};
    args.insert(args.end(), c.args.begin(), c.args.end());
    writeFile(scratch.path("grid.csv"), "old\n");
    const Outcome r = cxcmap(args);
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, std::string("cxcmap grid: the grid cannot be built: ") + c.reason + "\n");
    EXPECT_TRUE(readFile(scratch.path("grid.csv")) == "old\n");
    EXPECT_EQ(scratch.list(), (std::vector<std::string>{"data", "grid.csv"}));
}

DataSet allOnOnePoint()
{
    DataSet d;
    const wchar_t* names[] = {L"MLF11", L"MRF11", L"MLO11", L"MRO11"};
    for (const wchar_t* name : names) d.megAt2d(name, 50.0, 50.0);
    return d.samples(4).series([](int a, int b, long long) { return 0.1 * (a + b); });
}

// Channels in pairs on one place, as a magnetometer and its gradiometers are.
DataSet sharedPlaces()
{
    DataSet d;
    const wchar_t* names[] = {L"MLF11", L"MLF12", L"MRO11", L"MRO12"};
    for (int k = 0; k < 4; ++k) d.megAt2d(names[k], k < 2 ? 10.0 : 90.0, k < 2 ? 10.0 : 70.0);
    return d.samples(4).series([](int a, int b, long long) { return 0.1 * (a + b); });
}

DataSet noGoodMeg()
{
    DataSet d = field();
    for (int k = 0; k < 5; ++k) d.flags(k, false, true);
    return d;
}

INSTANTIATE_TEST_SUITE_P(
    Reasons, GridRefusal,
    ::testing::Values(
        Refusal{"ValuesThatDoNotVary", field().series([](int, int, long long) { return 0.5; }).diagonal(0.5), {},
                "in row 0 (MLF11) over samples 0 to 11 the MEG channels' values do not vary or are not numbers"},
        Refusal{"ValuesThatAreNotNumbers", field().series([](int, int, long long) { return NAN; }), {"--modality", "eeg"},
                "in row 0 (MLF11) over samples 0 to 11 the EEG channels' values do not vary or are not numbers"},
        Refusal{"ChannelsOnOnePoint", allOnOnePoint(), {},
                "the MEG channels' positions on the 2-D plane span less than one unit"},
        Refusal{"ChannelsSharingPlaces", sharedPlaces(), {},
                "the MEG channels share their positions on the 2-D plane (MLF11 and MLF12, for one), which leaves"
                " no spacing to interpolate with: keep one channel of each place"},
        Refusal{"NoGoodChannel", noGoodMeg(), {}, "the data set has no good MEG channel to lay the grid over"}),
    [](const ::testing::TestParamInfo<Refusal>& info) { return std::string(info.param.what); });

TEST(CxcmapGrid, UnwritableOutputAndUserErrorsOfTheChoiceAreNamed)
{
    Scratch scratch;
    const std::string folder = dataFolder(scratch, field().classes(true, true, false));
    const std::string intoMissing = scratch.str("missing/grid.csv");
    Outcome r = cxcmap({"grid", "--data", folder, "--out", intoMissing});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "cxcmap grid: " + intoMissing + ": No such file or directory\n");
    r = cxcmap({"grid", "--data", folder, "--out", folder});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "cxcmap grid: " + folder + ": is a folder\n");
    const std::string out = scratch.str("grid.csv");
    EXPECT_EQ(cxcmap({"grid", "--data", folder, "--class", "2", "--out", out}).err,
              "cxcmap grid: the data set has no Act-Ctl class (--class 2)\n");
    EXPECT_EQ(cxcmap({"grid", "--data", folder, "--row", "10", "--out", out}).err,
              "cxcmap grid: --row 10 is out of range: the Active class has rows 0 to 9\n");
    EXPECT_EQ(cxcmap({"grid", "--data", folder, "--select", "0", "12", "--out", out}).status, 1);
    EXPECT_EQ(scratch.list(), std::vector<std::string>{"data"});
}

}  // namespace
