#include "wavpair.h"

#include <algorithm>
#include <cmath>

#include "faults.h"

namespace {

int modeOf(int meanMode) { return meanMode == 0 || meanMode == 1 ? meanMode : 2; }

double meanOfSum(double sum, __int64 b, __int64 e, int mode)
{
    const double v = sum / static_cast<double>(e - b + 1);
    return mode == 2 ? std::sqrt(v) : v;
}

}  // namespace

double CWavChnlChnlData::getSelectDataMean(__int64 b, __int64 e, int meanMode)
{
    cxc::faults::hook("CWavChnlChnlData::getSelectDataMean");
    if (!series) return 0.0;
    if (b < 0) b = 0;
    if (e > length_ - 1) e = length_ - 1;
    if (e < b) return 0.0;
    const int mode = modeOf(meanMode);
    if (remembersMean(b, e, meanMode)) return cache_.value;

    double sum = 0.0;
    const double* s = series;
    if (mode == 0) {
        for (__int64 t = b; t <= e; ++t) sum += s[t];
    } else if (mode == 1) {
        for (__int64 t = b; t <= e; ++t) sum += std::fabs(s[t]);
    } else {
        for (__int64 t = b; t <= e; ++t) sum += s[t] * s[t];
    }
    const double v = meanOfSum(sum, b, e, mode);
    cache_ = Cache{series, b, e, mode, true, v};
    return v;
}

void CWavChnlChnlData::rememberSum(__int64 b, __int64 e, int meanMode, double sum) const
{
    const int mode = modeOf(meanMode);
    cache_ = Cache{series, b, e, mode, true, meanOfSum(sum, b, e, mode)};
}

bool CWavChnlChnlData::remembersMean(__int64 b, __int64 e, int meanMode) const
{
    const __int64 kb = std::max<__int64>(b, 0), ke = std::min<__int64>(e, length_ - 1);
    const Cache& c = cache_;
    return c.valid && c.series == series && c.b == kb && c.e == ke && c.mode == modeOf(meanMode);
}

void CWavChnlChnlData::setSeries(double* s, __int64 length)
{
    series = s;
    length_ = s && length > 0 ? length : 0;
    cache_.valid = false;
}

namespace {

// The term each mean mode adds per sample.
struct Plain {
    static double term(double v) { return v; }
};
struct Magnitude {
    static double term(double v) { return std::fabs(v); }
};
struct Square {
    static double term(double v) { return v * v; }
};

constexpr int kBatch = 8;  // pairs summed side by side

// Sums of `n` (1..kBatch) series over b..e, each in sample order.
template <class Term>
void sums(const double* const* s, int n, __int64 b, __int64 e, double* out)
{
    if (n == kBatch) {
        double a[kBatch] = {};
        for (__int64 t = b; t <= e; ++t)
            for (int k = 0; k < kBatch; ++k) a[k] += Term::term(s[k][t]);
        for (int k = 0; k < kBatch; ++k) out[k] = a[k];
        return;
    }
    for (int k = 0; k < n; ++k) {
        double a = 0.0;
        for (__int64 t = b; t <= e; ++t) a += Term::term(s[k][t]);
        out[k] = a;
    }
}

}  // namespace

namespace {

// One sample of every lane: the loop runs across lanes, so it vectorises while each lane keeps its
// own order.
template <class Term>
void addRows(const double* __restrict values, __int64 lanes, __int64 count, double* __restrict sums)
{
    for (__int64 k = 0; k < lanes; ++k) sums[k] = 0.0;
    __int64 t = 0;
    // Four samples per pass over the sums, still added one after the other.
    for (; t + 4 <= count; t += 4) {
        const double* __restrict r0 = values + t * lanes;
        const double* __restrict r1 = r0 + lanes;
        const double* __restrict r2 = r1 + lanes;
        const double* __restrict r3 = r2 + lanes;
        for (__int64 k = 0; k < lanes; ++k) {
            double a = sums[k];
            a += Term::term(r0[k]);
            a += Term::term(r1[k]);
            a += Term::term(r2[k]);
            a += Term::term(r3[k]);
            sums[k] = a;
        }
    }
    for (; t < count; ++t) {
        const double* __restrict row = values + t * lanes;
        for (__int64 k = 0; k < lanes; ++k) sums[k] += Term::term(row[k]);
    }
}

}  // namespace

void CWavChnlChnlDataqz::sampleMajorSums(const double* values, __int64 lanes, __int64 count, int meanMode,
                                         double* sums)
{
    const int mode = modeOf(meanMode);
    if (mode == 0) addRows<Plain>(values, lanes, count, sums);
    else if (mode == 1) addRows<Magnitude>(values, lanes, count, sums);
    else addRows<Square>(values, lanes, count, sums);
}

void CWavChnlChnlDataqz::cacheSelectDataMeans(CWavChnlChnlDataqz* elements, __int64 count, __int64 b, __int64 e,
                                              int meanMode)
{
    if (!elements) return;
    const int mode = modeOf(meanMode);
    CWavChnlChnlData* batch[kBatch];
    int n = 0;
    __int64 bb = 0, ee = -1;
    auto flush = [&] {
        const double* s[kBatch];
        double sum[kBatch];
        for (int k = 0; k < n; ++k) s[k] = batch[k]->series;
        if (mode == 0) sums<Plain>(s, n, bb, ee, sum);
        else if (mode == 1) sums<Magnitude>(s, n, bb, ee, sum);
        else sums<Square>(s, n, bb, ee, sum);
        for (int k = 0; k < n; ++k) batch[k]->rememberSum(bb, ee, mode, sum[k]);
        n = 0;
    };
    for (__int64 k = 0; k < count; ++k) {
        CWavChnlChnlData& el = elements[k];
        if (!el.series) continue;
        // Clamped as getSelectDataMean clamps.
        const __int64 kb = std::max<__int64>(b, 0), ke = std::min<__int64>(e, el.length_ - 1);
        if (ke < kb) continue;
        if (el.remembersMean(kb, ke, meanMode)) continue;
        if (n > 0 && (kb != bb || ke != ee)) flush();
        bb = kb;
        ee = ke;
        batch[n++] = &el;
        // The first samples of the series two batches on are asked for now: each lies in a page of
        // its own, and its address translation and first line then arrive while these are summed.
        if (k + 2 * kBatch < count) {
            const CWavChnlChnlData& next = elements[k + 2 * kBatch];
            if (next.series && next.length_ > 0) __builtin_prefetch(next.series + std::min<__int64>(kb, next.length_ - 1));
        }
        if (n == kBatch) flush();
    }
    if (n > 0) flush();
}
