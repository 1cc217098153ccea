#include "samplemajor.h"

#include <sys/mman.h>

#include <algorithm>
#include <cstdlib>
#include <unordered_map>

namespace {

// Large pages where the system offers them: the copy is read end to end at every tick, and built
// with a fraction of the page faults.
double* allocateValues(std::size_t count)
{
    constexpr std::size_t kLargePage = std::size_t(2) << 20;
    const std::size_t bytes = (count * sizeof(double) + kLargePage - 1) / kLargePage * kLargePage;
    void* p = std::aligned_alloc(kLargePage, bytes);
    if (p) madvise(p, bytes, MADV_HUGEPAGE);
    return static_cast<double*>(p);
}

}  // namespace

void SampleMajorCopy::Release::operator()(double* p) const { std::free(p); }

std::unique_ptr<SampleMajorCopy> SampleMajorCopy::build(CWavChnlChnlDataqz* const* pairs, __int64 rows,
                                                        __int64 cols, __int64 samples, std::size_t bound)
{
    if (!pairs || rows < 1 || cols < 1 || samples < 1) return nullptr;
    if (static_cast<std::size_t>(rows) > bound / sizeof(std::int32_t) / static_cast<std::size_t>(cols)) return nullptr;
    auto copy = std::make_unique<SampleMajorCopy>();
    copy->pairs_ = pairs;
    copy->rows_ = rows;
    copy->cols_ = cols;
    copy->samples_ = samples;
    copy->lane_.assign(static_cast<std::size_t>(rows * cols), -1);
    std::unordered_map<const double*, std::int32_t> lanes;
    for (__int64 i = 0; i < rows; ++i) {
        const CWavChnlChnlDataqz* row = pairs[i];
        if (!row) continue;
        for (__int64 j = 0; j < cols; ++j) {
            const CWavChnlChnlDataqz& el = row[j];
            if (!el.series) continue;
            if (el.seriesLength() != samples) return nullptr;
            auto it = lanes.try_emplace(el.series, static_cast<std::int32_t>(copy->series_.size())).first;
            if (it->second == static_cast<std::int32_t>(copy->series_.size())) copy->series_.push_back(el.series);
            copy->lane_[static_cast<std::size_t>(i * cols + j)] = it->second;
        }
    }
    const std::size_t n = copy->series_.size();
    if (n == 0) return nullptr;
    const std::size_t index = copy->lane_.size() * sizeof(std::int32_t) + n * (sizeof(double*) + sizeof(double));
    if (index > bound || static_cast<std::size_t>(samples) > (bound - index) / sizeof(double) / n) return nullptr;
    copy->values_.reset(allocateValues(static_cast<std::size_t>(samples) * n));
    if (!copy->values_) return nullptr;
    copy->sums_.resize(n);
    // In tiles, so that both the series read and the rows written stay within a few pages at a time.
    constexpr std::size_t kTileLanes = 64;
    constexpr __int64 kTileSamples = 512;
    double* values = copy->values_.get();
    for (std::size_t k0 = 0; k0 < n; k0 += kTileLanes) {
        const std::size_t k1 = std::min(n, k0 + kTileLanes);
        for (__int64 t0 = 0; t0 < samples; t0 += kTileSamples) {
            const __int64 t1 = std::min(samples, t0 + kTileSamples);
            for (__int64 t = t0; t < t1; ++t) {
                double* row = values + static_cast<std::size_t>(t) * n;
                for (std::size_t k = k0; k < k1; ++k) row[k] = copy->series_[k][t];
            }
        }
    }
    return copy;
}

bool SampleMajorCopy::cacheMeans(CWavChnlChnlDataqz* const* pairs, __int64 rows, __int64 cols, __int64 samples,
                                 __int64 b, __int64 e, int meanMode, bool upperOnly)
{
    if (pairs != pairs_ || rows != rows_ || cols != cols_ || samples != samples_) return false;
    // Clamped as getSelectDataMean clamps; an empty range has no mean to remember.
    b = std::max<__int64>(b, 0);
    e = std::min<__int64>(e, samples - 1);
    if (e < b) return true;
    // Every element with a series, with its lane; stops at the first for which f says no.
    auto each = [&](auto&& f) {
        for (__int64 i = 0; i < rows; ++i) {
            const CWavChnlChnlDataqz* row = pairs[i];
            if (!row) continue;
            for (__int64 j = upperOnly ? i + 1 : 0; j < cols; ++j) {
                const CWavChnlChnlDataqz& el = row[j];
                if (el.series && !f(el, lane_[static_cast<std::size_t>(i * cols + j)])) return false;
            }
        }
        return true;
    };
    // The array is checked first; a repaint of an unmoved selection finds every mean remembered
    // and reads nothing.
    bool remembered = true;
    const bool same = each([&](const CWavChnlChnlDataqz& el, std::int32_t k) {
        if (k < 0 || series_[static_cast<std::size_t>(k)] != el.series || el.seriesLength() != samples) return false;
        remembered = remembered && el.remembersMean(b, e, meanMode);
        return true;
    });
    if (!same) return false;
    if (remembered) return true;
    const __int64 lanes = static_cast<__int64>(series_.size());
    CWavChnlChnlDataqz::sampleMajorSums(values_.get() + b * lanes, lanes, e - b + 1, meanMode, sums_.data());
    each([&](const CWavChnlChnlDataqz& el, std::int32_t k) {
        el.rememberSum(b, e, meanMode, sums_[static_cast<std::size_t>(k)]);
        return true;
    });
    return true;
}

std::size_t SampleMajorCopy::bytes() const
{
    return static_cast<std::size_t>(samples_) * series_.size() * sizeof(double) +
           lane_.size() * sizeof(std::int32_t) + series_.size() * (sizeof(double*) + sizeof(double));
}
