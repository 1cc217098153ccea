// Channel coupling library, pair elements: one channel pair of the pair array with its coupling
// series. The element remembers the last mean it computed, so that views asking again and again
// for the same selection pay once per pair.
#pragma once

#include "windows.h"

class CWavChnlChnlData {
public:
    double* series = nullptr;  // coupling series (symmetric pairs may share one); null: no data
    int rowChnl = -1;          // row channel: index into the trial's channel table
    int colChnl = -1;          // column channel: index into the trial's channel table

    // Mean over samples b..e clamped to the series: meanMode 0 the plain mean, 1 the mean of
    // absolute values, any other the root mean square. Always the in-order sum divided by the
    // sample count, so repeated and cached answers are identical to the last digit. 0.0 for an
    // empty range or no series; NaN and infinite samples propagate.
    double getSelectDataMean(__int64 b, __int64 e, int meanMode);

    // The series and its length (what getSelectDataMean clamps to).
    void setSeries(double* s, __int64 length);
    __int64 seriesLength() const { return length_; }
    // Forget the remembered mean (the series' values were changed in place).
    void dropCache() const { cache_.valid = false; }
    // Remembers the mean of samples b..e (clamped as getSelectDataMean clamps) from their in-order
    // sum, computed elsewhere term by term as getSelectDataMean adds them.
    void rememberSum(__int64 b, __int64 e, int meanMode, double sum) const;
    // True when the mean of samples b..e (clamped as above) in meanMode is remembered.
    bool remembersMean(__int64 b, __int64 e, int meanMode) const;

private:
    friend class CWavChnlChnlDataqz;
    __int64 length_ = 0;
    struct Cache {
        const double* series = nullptr;
        __int64 b = 0, e = -1;
        int mode = 0;
        bool valid = false;
        double value = 0.0;
    };
    mutable Cache cache_;
};

class CWavChnlChnlDataqz : public CWavChnlChnlData {
public:
    // Computes and remembers the mean of each of `count` elements over b..e as getSelectDataMean
    // would (elements without a series, with an empty range or with that mean remembered are left
    // alone). Eight pairs are summed side by side so that more loads are in flight at once; each is
    // still the in-order sum of its own samples, identical to the last digit.
    static void cacheSelectDataMeans(CWavChnlChnlDataqz* elements, __int64 count, __int64 b, __int64 e, int meanMode);
    // In-order sums of `lanes` series stored sample-major (sample t of lane k at values[t * lanes + k])
    // over `count` samples, each lane adding the terms of meanMode in sample order.
    static void sampleMajorSums(const double* values, __int64 lanes, __int64 count, int meanMode, double* sums);
};
