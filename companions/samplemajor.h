// A sample-major copy of the distinct series of a pair array: for each sample, that sample of every
// series side by side. Selection means over it stream through memory, where each pair's own series
// would cost a page of its own per pair. Internal to the class data, which drops it when the series
// change.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "wavpair.h"

class SampleMajorCopy {
public:
    // Null when a series' length differs from `samples`, or the copy would take more than `bound`
    // bytes, or the memory is not there.
    static std::unique_ptr<SampleMajorCopy> build(CWavChnlChnlDataqz* const* pairs, __int64 rows, __int64 cols,
                                                  __int64 samples, std::size_t bound);
    // Remembers the means over b..e of the elements above the diagonal (upperOnly) or of all
    // elements. False, leaving the rest alone, when the pair array is no longer the one copied.
    bool cacheMeans(CWavChnlChnlDataqz* const* pairs, __int64 rows, __int64 cols, __int64 samples, __int64 b,
                    __int64 e, int meanMode, bool upperOnly);
    std::size_t bytes() const;

private:
    CWavChnlChnlDataqz* const* pairs_ = nullptr;
    __int64 rows_ = 0, cols_ = 0, samples_ = 0;
    std::vector<const double*> series_;  // lane k's series
    std::vector<std::int32_t> lane_;     // per element, row-major: its lane, -1 without a series
    struct Release {
        void operator()(double* p) const;
    };
    std::unique_ptr<double[], Release> values_;  // samples_ x series_.size()
    std::vector<double> sums_;
};
