#include "wavpair.h"

#include <cmath>

#include "faults.h"

double CWavChnlChnlData::getSelectDataMean(__int64 b, __int64 e, int meanMode)
{
    cxc::faults::hook("CWavChnlChnlData::getSelectDataMean");
    if (!series) return 0.0;
    if (b < 0) b = 0;
    if (e > length_ - 1) e = length_ - 1;
    if (e < b) return 0.0;
    const int mode = meanMode == 0 || meanMode == 1 ? meanMode : 2;
    if (cache_.valid && cache_.series == series && cache_.b == b && cache_.e == e && cache_.mode == mode)
        return cache_.value;

    double sum = 0.0;
    const double* s = series;
    if (mode == 0) {
        for (__int64 t = b; t <= e; ++t) sum += s[t];
    } else if (mode == 1) {
        for (__int64 t = b; t <= e; ++t) sum += std::fabs(s[t]);
    } else {
        for (__int64 t = b; t <= e; ++t) sum += s[t] * s[t];
    }
    double v = sum / static_cast<double>(e - b + 1);
    if (mode == 2) v = std::sqrt(v);
    cache_ = Cache{series, b, e, mode, true, v};
    return v;
}

void CWavChnlChnlData::setSeries(double* s, __int64 length)
{
    series = s;
    length_ = s && length > 0 ? length : 0;
    cache_.valid = false;
}
