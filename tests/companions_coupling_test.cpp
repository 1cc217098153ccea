// The coupling library's operations on hand-made series: selection means, ranges, latency,
// selection stepping, normalisation, measurement summaries and the package.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
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

// Two MEG channels, series 1, 2, 3, 4, 5 between them.
std::unique_ptr<CArrayMEDataSetqz> fiveSamples()
{
    return DataSet().meg(2).samples(5).pair(0, 1, {1, 2, 3, 4, 5}).build();
}

}  // namespace

TEST(SelectionMean, MeanOverTheClampedRange)
{
    auto ds = fiveSamples();
    CSnsCohDataqz* d = classOf(*ds, 0);
    EXPECT_DOUBLE_EQ(d->getValueSelect(0, 4, 0, 1), 3.0);
    EXPECT_DOUBLE_EQ(d->getValueSelect(-5, 1, 0, 1), 1.5);
    EXPECT_DOUBLE_EQ(d->getValueSelect(3, 100, 1, 0), 4.5);
    EXPECT_DOUBLE_EQ(d->getValueSelect(2, 2, 0, 1), 3.0);
    EXPECT_DOUBLE_EQ(d->getValueSelect(0, 4, 0, 0), 1.0);  // self pair
}

TEST(SelectionMean, EmptyRangeGivesZero)
{
    auto ds = fiveSamples();
    CSnsCohDataqz* d = classOf(*ds, 0);
    EXPECT_DOUBLE_EQ(d->getValueSelect(4, 2, 0, 1), 0.0);
    EXPECT_DOUBLE_EQ(d->getValueSelect(5, 9, 0, 1), 0.0);
    EXPECT_DOUBLE_EQ(d->getValueSelect(-9, -2, 0, 1), 0.0);
    EXPECT_DOUBLE_EQ(d->pairAt(0, 1)->getSelectDataMean(7, 3, 0), 0.0);
}

TEST(SelectionMean, MinusOneTakesTheSelection)
{
    auto ds = DataSet().meg(2).samples(5).pair(0, 1, {1, 2, 3, 4, 5}).select(1, 3).build();
    CSnsCohDataqz* d = classOf(*ds, 0);
    EXPECT_DOUBLE_EQ(d->getValueSelect(-1, -1, 0, 1), 3.0);
    d->selectBegin = 3;
    d->selectEnd = 99;  // written directly by the dialogs, clamped by the mean
    EXPECT_DOUBLE_EQ(d->getValueSelect(-1, -1, 0, 1), 4.5);
}

TEST(SelectionMean, InvalidIndicesGiveZero)
{
    auto ds = DataSet().meg(3).samples(5).pair(0, 1, 2.0).nullSeries(0, 2).nullRow(2).build();
    CSnsCohDataqz* d = classOf(*ds, 0);
    EXPECT_DOUBLE_EQ(d->getValueSelect(0, 4, 0, 1), 2.0);
    EXPECT_DOUBLE_EQ(d->getValueSelect(0, 4, -1, 1), 0.0);
    EXPECT_DOUBLE_EQ(d->getValueSelect(0, 4, 3, 1), 0.0);
    EXPECT_DOUBLE_EQ(d->getValueSelect(0, 4, 0, 3), 0.0);
    EXPECT_DOUBLE_EQ(d->getValueSelect(0, 4, 0, -7), 0.0);
    EXPECT_DOUBLE_EQ(d->getValueSelect(0, 4, 0, 2), 0.0);  // no series
    EXPECT_DOUBLE_EQ(d->getValueSelect(0, 4, 2, 0), 0.0);  // null row
    EXPECT_EQ(d->pairAt(2, 0), nullptr);
}

TEST(SelectionMean, NonFiniteSamplesPropagate)
{
    auto ds = DataSet().meg(3).samples(4).pair(0, 1, {1, kNaN, 3, 4}).pair(0, 2, {kInf, 1, 1, 1}).build();
    CSnsCohDataqz* d = classOf(*ds, 0);
    EXPECT_TRUE(std::isnan(d->getValueSelect(0, 3, 0, 1)));
    EXPECT_DOUBLE_EQ(d->getValueSelect(2, 3, 0, 1), 3.5);
    EXPECT_EQ(d->getValueSelect(0, 3, 0, 2), kInf);
    EXPECT_DOUBLE_EQ(d->getValueSelect(1, 3, 0, 2), 1.0);
}

TEST(SelectionMean, MeanModes)
{
    auto ds = DataSet().meg(2).samples(4).pair(0, 1, {-3, 4, -3, 4}).build();
    CWavChnlChnlDataqz* el = classOf(*ds, 0)->pairAt(0, 1);
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
    double lo = 0.0, hi = 0.0;
    EXPECT_EQ(d->getSnsCohRange(lo, hi, false, 0, 0, 1), 1);
    EXPECT_DOUBLE_EQ(lo, -0.25);
    EXPECT_DOUBLE_EQ(hi, 0.75);
    EXPECT_EQ(d->getSnsCohRange(lo, hi, false, 0, 0, 0), 1);
    EXPECT_DOUBLE_EQ(hi, 1.0);  // the self pairs' 1.0
    EXPECT_EQ(d->getSnsCohRange(lo, hi, true, 2, 3, 1), 1);
    EXPECT_DOUBLE_EQ(lo, -0.25);
    EXPECT_DOUBLE_EQ(hi, 0.3);
    // The package's form asks the class (-1: the current one).
    CSnsCohFaceqz* face = cxc::testkit::packageOf(*ds);
    lo = hi = 0.0;
    EXPECT_EQ(face->getSnsCohRange(-1, lo, hi, false, 1), 1);
    EXPECT_DOUBLE_EQ(lo, -0.25);
    EXPECT_DOUBLE_EQ(hi, 0.75);
}

TEST(ValueRange, NoFiniteValueGivesZeroToZero)
{
    auto ds = DataSet().meg(2).samples(3).pair(0, 1, {kNaN, kInf, -kInf}).build();
    CSnsCohDataqz* d = classOf(*ds, 0);
    double lo = 5.0, hi = 7.0;
    EXPECT_EQ(d->getSnsCohRange(lo, hi, false, 0, 0, 1), 0);
    EXPECT_DOUBLE_EQ(lo, 0.0);
    EXPECT_DOUBLE_EQ(hi, 0.0);
    double o1 = 3.0, o2 = 4.0;
    d->rangeStamp = 6;
    EXPECT_EQ(d->getCxcAbsRange(o1, o2, true, true, -1, -1), 0);
    EXPECT_DOUBLE_EQ(d->rangeMax, 0.0);
    EXPECT_DOUBLE_EQ(o1, 0.0);
    EXPECT_EQ(d->rangeStamp, 6);
    auto none = DataSet().meg(2).classes(true, false, false).build();
    EXPECT_EQ(cxc::testkit::packageOf(*none)->getSnsCohRange(1, lo, hi, false, 1), 0);
}

TEST(ValueRange, ColourRangeOverSelectionOrAllSamples)
{
    auto ds = DataSet().meg(3).samples(4).pair(0, 1, {0.5, -0.9, 0.25, 0.1}).pair(0, 2, {0.2, 0.3, -0.4, kNaN}).select(2, 3).build();
    CSnsCohDataqz* d = classOf(*ds, 0);
    double o1 = 0, o2 = 0;
    EXPECT_EQ(d->getCxcAbsRange(o1, o2, true, false, -1, -1), 1);
    EXPECT_DOUBLE_EQ(d->rangeMax, 0.4);
    EXPECT_DOUBLE_EQ(d->rangeMin, 0.0);
    EXPECT_DOUBLE_EQ(o1, 0.4);
    EXPECT_DOUBLE_EQ(o2, 0.0);
    EXPECT_EQ(d->getCxcAbsRange(o1, o2, true, true, -1, -1), 1);
    EXPECT_DOUBLE_EQ(d->rangeMax, 0.9);
    EXPECT_EQ(d->getCxcAbsRange(o1, o2, false, true, -1, -1), 1);
    EXPECT_DOUBLE_EQ(d->rangeMax, 0.5);
    EXPECT_DOUBLE_EQ(d->rangeMin, -0.9);
    EXPECT_EQ(d->getCxcAbsRange(o1, o2, false, false, 0, 0), 1);  // explicit range
    EXPECT_DOUBLE_EQ(d->rangeMax, 0.5);
    EXPECT_DOUBLE_EQ(d->rangeMin, 0.0);  // pair (1, 2) is all zeros
    EXPECT_EQ(d->rangeStamp, 0);  // the caller counts
}

TEST(Latency, SecondsFromTheFirstLatency)
{
    auto ds = DataSet().meg(2).sampleRate(500.0).zeroSample(100).build();
    CSnsCohDataqz* d = classOf(*ds, 0);
    EXPECT_DOUBLE_EQ(d->getLatency4PtSecond(100), 0.0);
    EXPECT_DOUBLE_EQ(d->getLatency4PtSecond(125), 0.05);
    EXPECT_DOUBLE_EQ(d->getLatency4PtSecond(0), -0.2);
    auto ms = DataSet().meg(2).build();  // defaults: 1000 Hz, latency 0 at sample 0
    EXPECT_DOUBLE_EQ(classOf(*ms, 0)->getLatency4PtSecond(25) * 1000.0, 25.0);
    auto fl = DataSet().meg(2).sampleRate(600.0).firstLatency(-0.1).build();
    EXPECT_DOUBLE_EQ(classOf(*fl, 0)->getLatency4PtSecond(60), -0.1 + 60 / 600.0);
    EXPECT_EQ(classOf(*fl, 0)->setSamplingRate(0.0), 0);
    EXPECT_EQ(classOf(*fl, 0)->setSamplingRate(kNaN), 0);
    EXPECT_DOUBLE_EQ(classOf(*fl, 0)->getSamplingRate(), 600.0);
}

TEST(Selection, StoredAsGivenAndCheckedAgainstTheSeries)
{
    auto ds = DataSet().meg(2).samples(100).build();
    CSnsCohDataqz* d = classOf(*ds, 0);
    EXPECT_EQ(d->setSelect(500, 600), 1);
    long long b = 0, e = 0;
    d->getSelect(b, e);
    EXPECT_EQ(b, 500);
    EXPECT_EQ(e, 600);
    EXPECT_EQ(d->checkSelect(0, 99), 1);
    EXPECT_EQ(d->checkSelect(99, 0), 1);
    EXPECT_EQ(d->checkSelect(0, 100), 0);
    EXPECT_EQ(d->checkSelect(-1, 5), 0);
}

TEST(NextSelect, StepModeMovesBothEndsAndStaysInside)
{
    auto ds = DataSet().meg(2).samples(100).select(10, 14).build();
    CSnsCohDataqz* d = classOf(*ds, 0);
    EXPECT_EQ(d->nextSelect(1, 0), 1);
    EXPECT_EQ(d->selectBegin, 11);
    EXPECT_EQ(d->selectEnd, 15);
    EXPECT_EQ(d->nextSelect(-1, 0), 1);
    EXPECT_EQ(d->selectBegin, 10);
    d->setSelect(95, 99);
    EXPECT_EQ(d->nextSelect(1, 0), 0);  // would leave the series
    EXPECT_EQ(d->selectEnd, 99);
    d->setSelect(0, 4);
    EXPECT_EQ(d->nextSelect(-1, 0), 0);
    EXPECT_EQ(d->selectBegin, 0);
    EXPECT_EQ(d->nextSelect(0, 0), 0);
}

TEST(NextSelect, PlayModeWrapsKeepingTheWidth)
{
    auto ds = DataSet().meg(2).samples(100).select(0, 10).build();
    CSnsCohDataqz* d = classOf(*ds, 0);
    EXPECT_EQ(d->nextSelect(1, 1), 1);
    EXPECT_EQ(d->selectBegin, 1);
    EXPECT_EQ(d->selectEnd, 11);
    d->setSelect(95, 99);
    EXPECT_EQ(d->nextSelect(1, 1), 1);
    EXPECT_EQ(d->selectBegin, 0);
    EXPECT_EQ(d->selectEnd, 4);
    EXPECT_EQ(d->nextSelect(-1, 1), 1);
    EXPECT_EQ(d->selectBegin, 95);
    EXPECT_EQ(d->selectEnd, 99);
}

TEST(NextSelect, StepSizeAndExtremeSelections)
{
    auto ds = DataSet().meg(2).samples(100).stepSize(10).select(20, 30).build();
    CSnsCohDataqz* d = classOf(*ds, 0);
    EXPECT_EQ(d->nextSelect(1, 0), 1);
    EXPECT_EQ(d->selectBegin, 30);
    EXPECT_EQ(d->selectEnd, 40);
    d->setSelect(LLONG_MIN, LLONG_MAX);  // typed into the edits; stepping saturates instead of wrapping
    EXPECT_EQ(d->nextSelect(1, 0), 0);
    EXPECT_EQ(d->nextSelect(1, 1), 1);
    EXPECT_EQ(d->selectBegin, 0);
    EXPECT_EQ(d->selectEnd, LLONG_MAX);
    EXPECT_EQ(d->nextSelect(1, 1), 0);  // wider than the series: nowhere to go
    auto empty = DataSet().meg(2).samples(0).build();
    EXPECT_EQ(classOf(*empty, 0)->nextSelect(1, 1), 0);
}

TEST(NormRms, DividesEachSharedSeriesOnce)
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
}

TEST(CheckDataRange, SummaryOverTheFiniteSamplesOfEveryNonSelfPair)
{
    auto ds = DataSet().meg(2).samples(3).pair(0, 1, {1, kNaN, -2}).build();
    CSnsCohDataqz* d = classOf(*ds, 0);
    EXPECT_DOUBLE_EQ(d->valueMin, -2.0);
    EXPECT_DOUBLE_EQ(d->valueMax, 1.0);
    EXPECT_DOUBLE_EQ(d->valueMean, -0.5);
    d->pairAt(0, 1)->series[0] = 5.0;
    EXPECT_EQ(d->checkDataRange(), 1);
    EXPECT_DOUBLE_EQ(d->valueMax, 5.0);
    EXPECT_DOUBLE_EQ(d->valueMean, 1.5);
}

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
    double r1 = 0, r2 = 0, r3 = 0, r4 = 0;
    EXPECT_EQ(trial->getCohMeasurementResults(0, r1, r2, r3, r4, true), 1);
    EXPECT_DOUBLE_EQ(r1, -2.0);
    EXPECT_DOUBLE_EQ(r2, 1.0);
    EXPECT_DOUBLE_EQ(r3, 4.0);
    EXPECT_DOUBLE_EQ(r4, std::sqrt(7.0));
    // All samples: the NaN mean of pair (0, 3) is left out.
    EXPECT_EQ(trial->getCohMeasurementResults(0, r1, r2, r3, r4, false), 1);
    EXPECT_DOUBLE_EQ(r1, -2.0);
    EXPECT_DOUBLE_EQ(r3, 2.0);
    EXPECT_EQ(trial->getCohMeasurementResultsSN(0, L"R", r1, r2, r3, r4, true), 1);
    EXPECT_DOUBLE_EQ(r1, -2.0);
    EXPECT_DOUBLE_EQ(r3, 4.0);
    EXPECT_EQ(trial->getCohMeasurementResultsSN(-1, L"LT", r1, r2, r3, r4, true), 1);
    EXPECT_DOUBLE_EQ(r2, 1.0);
    r1 = r2 = r3 = r4 = 9.0;
    EXPECT_EQ(trial->getCohMeasurementResultsSN(0, L"LO", r1, r2, r3, r4, true), 0);
    EXPECT_DOUBLE_EQ(r1, 9.0);
    classOf(*ds, 0)->curRow = 17;
    EXPECT_EQ(trial->getCohMeasurementResults(0, r1, r2, r3, r4, true), 0);
}

TEST(Package, ClassesAndTheCurrentClass)
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
    auto gone = face->takeClassData(2);
    EXPECT_EQ(face->getCurrentClass(), 1);
}

TEST(Package, ViewsRegisterOnceAndAreNeverFollowed)
{
    auto ds = DataSet().meg(2).build();
    CSnsCohFaceqz* face = cxc::testkit::packageOf(*ds);
    // Addresses of views long gone: only compared, never read.
    CWnd* a = reinterpret_cast<CWnd*>(static_cast<uintptr_t>(0x1000));
    CWnd* b = reinterpret_cast<CWnd*>(static_cast<uintptr_t>(0x2000));
    for (int k = 0; k < 1000; ++k) face->viewerAdd(a);
    face->viewerAdd(b);
    EXPECT_EQ(face->viewerCount(), 2);
    EXPECT_EQ(face->viewerAdd(nullptr), 0);
    for (int k = 0; k < 200; ++k) face->viewerAdd(reinterpret_cast<CWnd*>(static_cast<uintptr_t>(0x10000 + 16 * k)));
    EXPECT_EQ(face->viewerCount(), CSnsCohFaceqz::kMaxViewers);
    EXPECT_FALSE(face->hasViewer(a));  // the oldest went first
}

TEST(Descriptions, TypeNameFromThePairChannelsAndTheComputationText)
{
    auto meg = DataSet().meg(2).build();
    EXPECT_EQ(classOf(*meg, 0)->getChnlTypeIDname(), L"MEG");
    EXPECT_EQ(classOf(*meg, 0)->getCxcCmptInfo(), L"Coherence");
    auto both = DataSet().meg(1).eeg(1).info(L"Correlation").build();
    EXPECT_EQ(classOf(*both, 0)->getChnlTypeIDname(), L"MEG+EEG");
    EXPECT_EQ(classOf(*both, 0)->getCxcCmptInfo(), L"Correlation");
    auto eeg = DataSet().eeg(3).build();
    EXPECT_EQ(classOf(*eeg, 2)->getChnlTypeIDname(), L"EEG");
    EXPECT_EQ(classOf(*eeg, 2)->text, L"test trial01: Act-Ctl");
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
