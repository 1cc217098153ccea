// Remembered selection means: repeated calls cost nothing and give exactly what a direct sum gives.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <vector>

#include "medataset.h"
#include "snscohface.h"
#include "testkit.h"

using cxc::testkit::classOf;
using cxc::testkit::DataSet;

namespace {

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

}  // namespace

TEST(SelectionCache, AMeanIsRememberedUntilTheSelectionTheSeriesOrTheDataChange)
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
    double other[] = {10, 10, 10, 10};
    d->pairAt(0, 1)->series = other;  // a caller swapping the series pointer
    EXPECT_DOUBLE_EQ(d->getValueSelect(-1, -1, 0, 1), 10.0);

    // Normalisation drops every remembered mean.
    auto norm = DataSet().meg(3).samples(2).pair(0, 1, {3, 4}).pair(0, 2, {6, 8}).build();
    d = classOf(*norm, 0);
    EXPECT_DOUBLE_EQ(d->getValueSelect(0, 1, 0, 2), 7.0);
    d->normRMS();
    EXPECT_DOUBLE_EQ(d->getValueSelect(0, 1, 0, 2), 7.0 / std::sqrt(50.0));
    EXPECT_DOUBLE_EQ(d->getValueSelect(0, 1, 2, 0), 7.0 / std::sqrt(50.0));

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
