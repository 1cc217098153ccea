// The coupling library's operations on hand-made series, and its remembered selection means: repeated
// calls cost nothing and give exactly what a direct sum gives.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <tuple>
#include <vector>

#include "couplingroad.h"
#include "medataset.h"
#include "snscohface.h"
#include "testkit.h"

using cxc::testkit::classOf;
using cxc::testkit::DataSet;

namespace {
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

// The mean as a reader would write it: in sample order, then one division.
double directMean(const double* s, long long b, long long e)
{
    double sum = 0.0;
    for (long long t = b; t <= e; ++t) sum += s[t];
    return sum / static_cast<double>(e - b + 1);
}

bool sameBits(double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0; }

// Values whose sums round differently in any other order.
double awkward(int a, int b, long long t)
{
    const double big[] = {1e16, 1.0, -1e16, 3.14159, 1e-7, 2.5e15};
    return big[(a * 7 + b * 3 + t) % 6] * (1.0 + 0.001 * static_cast<double>(t));
}

struct MeanCase {
    long long b, e, i, j;
    double mean;
};

// getSnsCohRange's answer and bounds, starting from bounds 5 and 7.
std::tuple<int, double, double> rangeOf(CSnsCohDataqz* d, bool sel, long long b, long long e, int noSelf)
{
    double lo = 5.0, hi = 7.0;
    const int ok = d->getSnsCohRange(lo, hi, sel, b, e, noSelf);
    return {ok, lo, hi};
}

}  // namespace

TEST(SelectionMean, MeanOverTheClampedRangeAndZeroWhenEmptyOrInvalid)
{
    auto ds = DataSet().meg(2).samples(5).pair(0, 1, {1, 2, 3, 4, 5}).build();
    CSnsCohDataqz* d = classOf(*ds, 0);
    for (const MeanCase& c : {MeanCase{0, 4, 0, 1, 3.0}, {-5, 1, 0, 1, 1.5}, {3, 100, 1, 0, 4.5}, {2, 2, 0, 1, 3.0},
                              {0, 4, 0, 0, 1.0} /* self pair */, {4, 2, 0, 1, 0.0}, {5, 9, 0, 1, 0.0}, {-9, -2, 0, 1, 0.0}})
        EXPECT_DOUBLE_EQ(d->getValueSelect(c.b, c.e, c.i, c.j), c.mean) << c.b << ".." << c.e << " (" << c.i << ", " << c.j << ")";
    EXPECT_DOUBLE_EQ(d->pairAt(0, 1)->getSelectDataMean(7, 3, 0), 0.0);
    // -1 takes the selection, which the dialogs write directly and the mean clamps.
    d->selectBegin = 1;
    d->selectEnd = 3;
    EXPECT_DOUBLE_EQ(d->getValueSelect(-1, -1, 0, 1), 3.0);
    d->selectBegin = 3;
    d->selectEnd = 99;
    EXPECT_DOUBLE_EQ(d->getValueSelect(-1, -1, 0, 1), 4.5);

    auto holes = DataSet().meg(3).samples(5).pair(0, 1, 2.0).nullSeries(0, 2).nullRow(2).build();
    d = classOf(*holes, 0);
    for (const MeanCase& c : {MeanCase{0, 4, 0, 1, 2.0}, {0, 4, -1, 1, 0.0}, {0, 4, 3, 1, 0.0}, {0, 4, 0, 3, 0.0},
                              {0, 4, 0, -7, 0.0}, {0, 4, 0, 2, 0.0} /* no series */, {0, 4, 2, 0, 0.0} /* null row */})
        EXPECT_DOUBLE_EQ(d->getValueSelect(c.b, c.e, c.i, c.j), c.mean) << "(" << c.i << ", " << c.j << ")";
    EXPECT_EQ(d->pairAt(2, 0), nullptr);
}

TEST(SelectionMean, NonFiniteSamplesPropagateAndTheMeanModes)
{
    auto ds = DataSet().meg(3).samples(4).pair(0, 1, {1, kNaN, 3, 4}).pair(0, 2, {kInf, 1, 1, 1}).build();
    CSnsCohDataqz* d = classOf(*ds, 0);
    EXPECT_TRUE(std::isnan(d->getValueSelect(0, 3, 0, 1)));
    EXPECT_DOUBLE_EQ(d->getValueSelect(2, 3, 0, 1), 3.5);
    EXPECT_EQ(d->getValueSelect(0, 3, 0, 2), kInf);
    EXPECT_DOUBLE_EQ(d->getValueSelect(1, 3, 0, 2), 1.0);

    auto modes = DataSet().meg(2).samples(4).pair(0, 1, {-3, 4, -3, 4}).build();
    CWavChnlChnlDataqz* el = classOf(*modes, 0)->pairAt(0, 1);
    EXPECT_DOUBLE_EQ(el->getSelectDataMean(0, 3, 0), 0.5);
    EXPECT_DOUBLE_EQ(el->getSelectDataMean(0, 3, 1), 3.5);
    EXPECT_DOUBLE_EQ(el->getSelectDataMean(0, 3, 2), std::sqrt(12.5));
    EXPECT_DOUBLE_EQ(el->getSelectDataMean(0, 3, 7), std::sqrt(12.5));
    EXPECT_DOUBLE_EQ(el->getSelectDataMean(-2, 0, 1), 3.0);
    EXPECT_DOUBLE_EQ(el->getSelectDataMean(3, 3000000000000LL, 0), 4.0);
}

TEST(ValueRange, SmallestAndLargestFiniteSampleWithoutSelfPairs)
{
    auto ds = DataSet().meg(3).samples(4).pair(0, 1, {0.5, kNaN, -0.25, kInf}).pair(1, 2, {0.75, 0.1, 0.2, 0.3}).build();
    CSnsCohDataqz* d = classOf(*ds, 0);
    EXPECT_EQ(rangeOf(d, false, 0, 0, 1), std::tuple(1, -0.25, 0.75));
    EXPECT_EQ(rangeOf(d, false, 0, 0, 0), std::tuple(1, -0.25, 1.0));  // the self pairs' 1.0
    EXPECT_EQ(rangeOf(d, true, 2, 3, 1), std::tuple(1, -0.25, 0.3));
    // The package's form asks the class (-1: the current one).
    double lo = 0.0, hi = 0.0;
    EXPECT_EQ(cxc::testkit::packageOf(*ds)->getSnsCohRange(-1, lo, hi, false, 1), 1);
    EXPECT_EQ(std::pair(lo, hi), std::pair(-0.25, 0.75));

    // No finite value at all gives 0 to 0 and a failure.
    auto none = DataSet().meg(2).samples(3).pair(0, 1, {kNaN, kInf, -kInf}).classes(true, false, false).build();
    d = classOf(*none, 0);
    EXPECT_EQ(rangeOf(d, false, 0, 0, 1), std::tuple(0, 0.0, 0.0));
    double o1 = 3.0, o2 = 4.0;
    d->rangeStamp = 6;
    EXPECT_EQ(d->getCxcAbsRange(o1, o2, true, true, -1, -1), 0);
    EXPECT_EQ(std::pair(d->rangeMax, o1), std::pair(0.0, 0.0));
    EXPECT_EQ(d->rangeStamp, 6);
    EXPECT_EQ(cxc::testkit::packageOf(*none)->getSnsCohRange(1, lo, hi, false, 1), 0);  // no such class
}

TEST(ValueRange, ColourRangeOverSelectionOrAllSamples)
{
    auto ds = DataSet().meg(3).samples(4).pair(0, 1, {0.5, -0.9, 0.25, 0.1}).pair(0, 2, {0.2, 0.3, -0.4, kNaN}).select(2, 3).build();
    CSnsCohDataqz* d = classOf(*ds, 0);
    struct Case {
        bool absolute, allSamples;
        long long b, e;
        double max, min;
    };
    // An explicit range (last case) covers pair (1, 2) too, which is all zeros.
    for (const Case& c : {Case{true, false, -1, -1, 0.4, 0.0}, {true, true, -1, -1, 0.9, 0.0},
                          {false, true, -1, -1, 0.5, -0.9}, {false, false, 0, 0, 0.5, 0.0}}) {
        double o1 = 0, o2 = 0;
        EXPECT_EQ(d->getCxcAbsRange(o1, o2, c.absolute, c.allSamples, c.b, c.e), 1);
        EXPECT_EQ(std::tuple(d->rangeMax, d->rangeMin, o1, o2), std::tuple(c.max, c.min, c.max, c.min))
            << c.absolute << c.allSamples;
    }
    EXPECT_EQ(d->rangeStamp, 0);  // the caller counts
}

TEST(Selection, StoredAsGivenCheckedAgainstTheSeriesAndStepped)
{
    auto ds = DataSet().meg(2).samples(100).build();
    CSnsCohDataqz* d = classOf(*ds, 0);
    EXPECT_EQ(d->setSelect(500, 600), 1);
    long long b = 0, e = 0;
    d->getSelect(b, e);
    EXPECT_EQ(std::pair(b, e), std::pair(500LL, 600LL));
    for (auto [from, to, ok] : {std::tuple{0, 99, 1}, {99, 0, 1}, {0, 100, 0}, {-1, 5, 0}})
        EXPECT_EQ(d->checkSelect(from, to), ok) << from << ".." << to;

    // nextSelect(direction, play) from a selection to the expected result and selection.
    struct Step {
        long long b, e;
        int dir, play, ok;
        long long nb, ne;
    };
    for (const Step& s : {Step{10, 14, 1, 0, 1, 11, 15}, {11, 15, -1, 0, 1, 10, 14},
                          {95, 99, 1, 0, 0, 95, 99} /* would leave the series */, {0, 4, -1, 0, 0, 0, 4}, {0, 4, 0, 0, 0, 0, 4},
                          {0, 10, 1, 1, 1, 1, 11}, {95, 99, 1, 1, 1, 0, 4} /* play wraps keeping the width */,
                          {0, 4, -1, 1, 1, 95, 99},
                          // Typed into the edits: stepping saturates instead of wrapping.
                          {LLONG_MIN, LLONG_MAX, 1, 0, 0, LLONG_MIN, LLONG_MAX}, {LLONG_MIN, LLONG_MAX, 1, 1, 1, 0, LLONG_MAX},
                          {0, LLONG_MAX, 1, 1, 0, 0, LLONG_MAX} /* wider than the series: nowhere to go */}) {
        d->setSelect(s.b, s.e);
        EXPECT_EQ(d->nextSelect(s.dir, s.play), s.ok) << s.b << ".." << s.e << " dir " << s.dir << " play " << s.play;
        EXPECT_EQ(d->selectBegin, s.nb);
        EXPECT_EQ(d->selectEnd, s.ne);
    }
    auto tens = DataSet().meg(2).samples(100).stepSize(10).select(20, 30).build();
    EXPECT_EQ(classOf(*tens, 0)->nextSelect(1, 0), 1);
    EXPECT_EQ(classOf(*tens, 0)->selectBegin, 30);
    EXPECT_EQ(classOf(*tens, 0)->selectEnd, 40);
    auto empty = DataSet().meg(2).samples(0).build();
    EXPECT_EQ(classOf(*empty, 0)->nextSelect(1, 1), 0);
}

TEST(NormRms, DividesEachSharedSeriesOnceAndCheckDataRangeSummarises)
{
    auto ds = DataSet().meg(3).samples(2).pair(0, 1, {3, 4}).pair(1, 2, {0, 0}).build();
    CSnsCohDataqz* d = classOf(*ds, 0);
    EXPECT_EQ(d->normRMS(), 1);
    const double rms = std::sqrt(12.5);
    EXPECT_DOUBLE_EQ(d->pairAt(0, 1)->series[0], 3 / rms);
    EXPECT_EQ(d->pairAt(0, 1)->series, d->pairAt(1, 0)->series);
    EXPECT_DOUBLE_EQ(d->pairAt(1, 0)->series[1], 4 / rms);
    EXPECT_DOUBLE_EQ(d->pairAt(1, 2)->series[0], 0.0);  // RMS 0: left alone
    EXPECT_DOUBLE_EQ(d->pairAt(1, 1)->series[0], 1.0);  // self pairs are not normalised
    EXPECT_DOUBLE_EQ(d->getValueSelect(0, 1, 0, 1), (3 / rms + 4 / rms) / 2);  // no stale mean
    EXPECT_DOUBLE_EQ(d->valueMax, 4 / rms);

    // The summary covers the finite samples of every non-self pair.
    auto sum = DataSet().meg(2).samples(3).pair(0, 1, {1, kNaN, -2}).build();
    d = classOf(*sum, 0);
    EXPECT_EQ(std::tuple(d->valueMin, d->valueMax, d->valueMean), std::tuple(-2.0, 1.0, -0.5));
    d->pairAt(0, 1)->series[0] = 5.0;
    EXPECT_EQ(d->checkDataRange(), 1);
    EXPECT_EQ(std::pair(d->valueMax, d->valueMean), std::pair(5.0, 1.5));
}

// The partners picked by a name prefix show in the drawer's overlay tests.
TEST(Measurement, SummaryOfThePairMeansOfTheCurrentRow)
{
    auto ds = DataSet()
                  .megAt(L"MLF11", -0.03, 0.05, 0.1)
                  .megAt(L"MLT12", -0.07, 0.0, 0.06)
                  .megAt(L"MRF11", 0.03, 0.05, 0.1)
                  .megAt(L"MRO21", 0.02, -0.08, 0.06)
                  .samples(4)
                  .pair(0, 1, {1, 1, 3, 3})
                  .pair(0, 2, {-2, -2, -2, -2})
                  .pair(0, 3, {4, 4, kNaN, kNaN})
                  .select(0, 1)
                  .build();
    CMDTrialqz* trial = cxc::testkit::trialOf(*ds);
    double r[4] = {};
    auto expectResults = [&](double min, double mean, double max) {
        EXPECT_DOUBLE_EQ(r[0], min);
        EXPECT_DOUBLE_EQ(r[1], mean);
        EXPECT_DOUBLE_EQ(r[2], max);
    };
    EXPECT_EQ(trial->getCohMeasurementResults(0, r[0], r[1], r[2], r[3], true), 1);
    expectResults(-2.0, 1.0, 4.0);
    EXPECT_DOUBLE_EQ(r[3], std::sqrt(7.0));
    // All samples: the NaN mean of pair (0, 3) is left out.
    EXPECT_EQ(trial->getCohMeasurementResults(0, r[0], r[1], r[2], r[3], false), 1);
    expectResults(-2.0, 0.0, 2.0);
    r[0] = r[1] = r[2] = r[3] = 9.0;
    EXPECT_EQ(trial->getCohMeasurementResultsSN(0, L"LO", r[0], r[1], r[2], r[3], true), 0);
    EXPECT_DOUBLE_EQ(r[0], 9.0);
    classOf(*ds, 0)->curRow = 17;
    EXPECT_EQ(trial->getCohMeasurementResults(0, r[0], r[1], r[2], r[3], true), 0);
}

TEST(Package, ClassesTheCurrentClassAndViewsRegisteredOnce)
{
    auto ds = DataSet().meg(2).classes(false, true, true).build();
    CSnsCohFaceqz* face = cxc::testkit::packageOf(*ds);
    EXPECT_EQ(face->getCoherenceData(0), nullptr);
    EXPECT_EQ(face->getCoherenceData(-1), face->getCoherenceData(1));  // the first class present
    EXPECT_EQ(face->setTrlCxcClass(0), 0);
    EXPECT_EQ(face->getCurrentClass(), 1);
    EXPECT_EQ(face->setTrlCxcClass(2), 1);
    EXPECT_EQ(face->getCoherenceData(-1), face->getCoherenceData(2));
    EXPECT_EQ(face->getCoherenceData(3), nullptr);
    EXPECT_EQ(face->getCoherenceData(-2), nullptr);
    EXPECT_EQ(face->setTrlCxcClass(5), 0);

    // Addresses of views long gone: only compared, never read; the oldest goes first.
    auto view = [](uintptr_t a) { return reinterpret_cast<CWnd*>(a); };
    for (int k = 0; k < 1000; ++k) face->viewerAdd(view(0x1000));
    face->viewerAdd(view(0x2000));
    EXPECT_EQ(face->viewerCount(), 2);
    EXPECT_EQ(face->viewerAdd(nullptr), 0);
    for (int k = 0; k < 200; ++k) face->viewerAdd(view(0x10000 + 16 * static_cast<uintptr_t>(k)));
    EXPECT_EQ(face->viewerCount(), CSnsCohFaceqz::kMaxViewers);
    EXPECT_FALSE(face->hasViewer(view(0x1000)));
}

// Mixed type names and the computation text show in the snapshots.
TEST(Descriptions, TypeNameOfOneKindTheClassTextAndRefusedRates)
{
    auto meg = DataSet().meg(2).build();
    CSnsCohDataqz* d = classOf(*meg, 0);
    EXPECT_EQ(d->getChnlTypeIDname(), L"MEG");
    auto eeg = DataSet().eeg(3).build();
    EXPECT_EQ(classOf(*eeg, 2)->getChnlTypeIDname(), L"EEG");
    EXPECT_EQ(classOf(*eeg, 2)->text, L"test trial01: Act-Ctl");
    EXPECT_EQ(d->setSamplingRate(0.0), 0);
    EXPECT_EQ(d->setSamplingRate(kNaN), 0);
    EXPECT_DOUBLE_EQ(d->getSamplingRate(), 1000.0);
}

TEST(RowsBeyondColumns, EveryWalkStaysInsideTheRows)
{
    // Five rows of three elements: walks over row count would read past each row.
    auto ds = DataSet().meg(5).rows({0, 1, 2, 3, 4}).cols({0, 1, 2}).samples(3).series([](int a, int b, long long t) {
        return 0.1 * a + 0.01 * b + 0.001 * static_cast<double>(t);
    }).currentRow(4).build();
    CSnsCohDataqz* d = classOf(*ds, 0);
    EXPECT_EQ(d->rowCount, 5);
    EXPECT_EQ(d->colCount, 3);
    EXPECT_EQ(d->pairAt(4, 3), nullptr);
    EXPECT_DOUBLE_EQ(d->getValueSelect(0, 2, 4, 2), 0.421);
    EXPECT_DOUBLE_EQ(d->getValueSelect(0, 2, 4, 4), 0.0);
    double lo = 0, hi = 0;
    EXPECT_EQ(d->getSnsCohRange(lo, hi, false, 0, 0, 1), 1);
    EXPECT_DOUBLE_EQ(hi, 0.422);
    EXPECT_EQ(d->normRMS(), 1);
    double r1, r2, r3, r4;
    EXPECT_EQ(cxc::testkit::trialOf(*ds)->getCohMeasurementResults(0, r1, r2, r3, r4, false), 1);
    // A count raised beyond what exists is still bounded by the array.
    d->rowCount = 50;
    d->colCount = 50;
    EXPECT_EQ(d->pairAt(7, 1), nullptr);
    EXPECT_EQ(d->checkDataRange(), 1);
}

// The road's one bound on the elements of a row: the shorter of row and column count, and for a walk
// over the pair array never more than the array holds, whatever the public counts claim.
TEST(CouplingRoad, ARowHoldsTheShorterCountAndAWalkNoMoreThanTheArray)
{
    struct Case {
        std::vector<int> rows, cols;
        long long claimRows, claimCols;  // written over the counts; -1 keeps them
        long long length, walk;
    };
    for (const Case& c : {Case{{0, 1, 2}, {0, 1, 2, 3, 4}, -1, -1, 3, 3}, Case{{0, 1, 2, 3}, {0, 1}, -1, -1, 2, 2},
                          Case{{0, 1, 2}, {0, 1, 2}, 9, 9, 9, 3}, Case{{0, 1, 2}, {0, 1, 2}, -4, 3, 0, 0}}) {
        auto ds = DataSet().meg(5).rows(c.rows).cols(c.cols).build();
        CSnsCohDataqz* d = classOf(*ds, 0);
        if (c.claimRows != -1) d->rowCount = c.claimRows;
        if (c.claimCols != -1) d->colCount = c.claimCols;
        cxc::CouplingRoad road;
        ASSERT_TRUE(cxc::takeRoad(cxc::currentTrial(ds.get()), 0, road));
        EXPECT_EQ(road.rowLength(), c.length) << c.rows.size() << "x" << c.cols.size();
        EXPECT_EQ(road.walkLength(), c.walk) << c.rows.size() << "x" << c.cols.size();
    }
    cxc::CouplingRoad none;
    EXPECT_FALSE(cxc::takeRoad(nullptr, 0, none));
    EXPECT_EQ(none.walkLength(), 0);
}

TEST(SelectionCache, AMeanIsRememberedUntilTheSelectionOrTheDataChange)
{
    auto ds = DataSet().meg(2).samples(4).pair(0, 1, {1, 2, 3, 4}).select(0, 3).build();
    CSnsCohDataqz* d = classOf(*ds, 0);
    EXPECT_DOUBLE_EQ(d->getValueSelect(-1, -1, 0, 1), 2.5);
    // Changed behind the class data's back: the remembered mean stands until the cache is dropped.
    d->pairAt(0, 1)->series[0] = 101.0;
    EXPECT_DOUBLE_EQ(d->getValueSelect(-1, -1, 0, 1), 2.5);
    d->invalidateCache();
    EXPECT_DOUBLE_EQ(d->getValueSelect(-1, -1, 0, 1), 27.5);
    d->selectBegin = 2;  // a new selection
    EXPECT_DOUBLE_EQ(d->getValueSelect(-1, -1, 0, 1), 3.5);
    EXPECT_DOUBLE_EQ(d->pairAt(0, 1)->getSelectDataMean(2, 3, 1), 3.5);
    EXPECT_DOUBLE_EQ(d->pairAt(0, 1)->getSelectDataMean(2, 3, 0), 3.5);

    // The all-sample range is remembered until the data change.
    auto range = DataSet().meg(2).samples(3).pair(0, 1, {1, 2, 3}).build();
    d = classOf(*range, 0);
    double lo = 0, hi = 0;
    d->getSnsCohRange(lo, hi, false, 0, 0, 1);
    EXPECT_DOUBLE_EQ(hi, 3.0);
    d->pairAt(0, 1)->series[2] = 9.0;
    d->invalidateCache();
    d->getSnsCohRange(lo, hi, false, 0, 0, 1);
    EXPECT_DOUBLE_EQ(hi, 9.0);
}

TEST(SelectionCache, MeansOfARowComputedTogetherEqualEachOneAlone)
{
    // Eleven columns (a batch of eight and two single ones), one without a series, one with a NaN.
    auto ds = DataSet().meg(12).samples(300).series(awkward).nullSeries(2, 5).build();
    CSnsCohDataqz* d = classOf(*ds, 0);
    d->pairAt(2, 6)->series[40] = NAN;
    const long long ranges[][2] = {{0, 299}, {17, 230}, {5, 5}, {-40, 400}, {250, 260}};
    for (int mode = 0; mode < 4; ++mode)
        for (const auto& r : ranges) {
            CWavChnlChnlDataqz* row = d->pairAt(2, 0);
            std::vector<double> alone;
            for (int j = 0; j < 12; ++j) {
                CWavChnlChnlDataqz copy;
                copy.setSeries(row[j].series, row[j].seriesLength());
                alone.push_back(copy.getSelectDataMean(r[0], r[1], mode));
            }
            d->invalidateCache();
            CWavChnlChnlDataqz::cacheSelectDataMeans(row + 1, 11, r[0], r[1], mode);
            // Remembered: changing a sample now does not change the answer.
            row[3].series[20] += 1.0;
            for (int j = 1; j < 12; ++j)
                EXPECT_TRUE(sameBits(row[j].getSelectDataMean(r[0], r[1], mode), alone[static_cast<size_t>(j)]))
                    << "mode " << mode << " column " << j;
            row[3].series[20] -= 1.0;
            d->invalidateCache();
        }
    // An empty range or no elements leave everything as it was.
    CWavChnlChnlDataqz::cacheSelectDataMeans(d->pairAt(2, 0), 12, 9, 3, 0);
    CWavChnlChnlDataqz::cacheSelectDataMeans(nullptr, 8, 0, 10, 0);
    EXPECT_TRUE(sameBits(d->getValueSelect(0, 299, 2, 1), directMean(d->pairAt(2, 1)->series, 0, 299)));
}

// The sample-major copy a play tick asks for: every mean it remembers is the pair's own to the last
// bit, NaN, infinities and -0 included; it goes when the data change and is refused when the pair
// array changed behind its back.
TEST(SelectionCache, MeansFromTheSampleMajorCopyEqualEachPairAlone)
{
    auto ds = DataSet().meg(9).samples(200).series(awkward).nullSeries(2, 5).build();
    CSnsCohDataqz* d = classOf(*ds, 0);
    const double odd[] = {NAN, INFINITY, -INFINITY, -0.0};
    for (int k = 0; k < 4; ++k) d->pairAt(k, k + 4)->series[10 + 40 * k] = odd[k];
    EXPECT_EQ(d->cacheSelectionMeans(0, 199, 0, false), 0);  // no tick asked for it
    const long long ranges[][2] = {{0, 199}, {17, 130}, {50, 50}, {-40, 400}, {150, 160}, {9, 3}};
    for (int mode = 0; mode < 4; ++mode) {
        d->invalidateCache();
        d->wantSampleMajor();
        for (int r = 0; r < 6; ++r) {
            const bool upper = r % 2 == 0;
            ASSERT_EQ(d->cacheSelectionMeans(ranges[r][0], ranges[r][1], mode, upper), 1);
            for (long long i = 0; i < 9; ++i)
                for (long long j = upper ? i + 1 : 0; j < 9; ++j) {
                    CWavChnlChnlDataqz alone;
                    alone.setSeries(d->pairAt(i, j)->series, 200);
                    EXPECT_TRUE(sameBits(d->pairAt(i, j)->getSelectDataMean(ranges[r][0], ranges[r][1], mode),
                                         alone.getSelectDataMean(ranges[r][0], ranges[r][1], mode)))
                        << "mode " << mode << " range " << r << " pair " << i << ", " << j;
                }
        }
    }
    EXPECT_GT(d->sampleMajorBytes(), 9u * 9u * 200u);
    d->normRMS();
    EXPECT_EQ(d->sampleMajorBytes(), 0u);
    d->wantSampleMajor();
    ASSERT_EQ(d->cacheSelectionMeans(0, 199, 0, true), 1);
    EXPECT_TRUE(sameBits(d->getValueSelect(0, 199, 0, 1), directMean(d->pairAt(0, 1)->series, 0, 199)));
    double other[200] = {};
    d->pairAt(0, 1)->series = other;
    EXPECT_EQ(d->cacheSelectionMeans(0, 199, 0, true), 0);
    EXPECT_EQ(d->sampleMajorBytes(), 0u);
    EXPECT_EQ(d->getValueSelect(0, 199, 0, 1), 0.0);
}
