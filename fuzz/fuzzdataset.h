// Shared by the fuzz targets: a small data set made of the input. It chooses the channels (MEG,
// EEG, other, placed anywhere or all at one point, without position or coils, null entries), the
// pair array (rows, columns, invalid channel indices, missing series and rows), the series (NaN,
// infinities, huge values), and the class data (selection, current row and column, step, rate,
// measure and mean kinds, classes present, no pair array, no coupling package, two trials).
#pragma once

#include <vector>

#include "fuzzsupport.h"
#include "testkit.h"

namespace cxcfuzz {

using cxc::testkit::DataSet;

inline constexpr int kMaxChannels = 12;
inline constexpr long long kMaxSamples = 48;

inline DataSet dataSetFrom(FuzzedDataProvider& in)
{
    DataSet d;
    const int n = in.ConsumeIntegralInRange<int>(1, kMaxChannels);
    const bool onePoint = in.ConsumeBool();
    for (int i = 0; i < n; ++i) {
        const wchar_t* names[] = {L"MLF11", L"MRC12", L"MZO01", L"MLT22", L"Fp1", L"Cz", L"O2", L"X"};
        const wchar_t* name = names[in.ConsumeIntegralInRange<int>(0, 7)];
        switch (in.ConsumeIntegralInRange<int>(0, 6)) {
        case 0: d.meg(1); break;
        case 1: d.eeg(1); break;
        case 2: d.other(name); break;
        case 3:
            if (onePoint) d.megAt(name, 0.01, 0.02, 0.09);
            else d.megAt(name, in.ConsumeFloatingPointInRange<double>(-1, 1), in.ConsumeFloatingPointInRange<double>(-1, 1),
                         in.ConsumeFloatingPointInRange<double>(-1, 1));
            break;
        case 4:
            if (onePoint) d.eegAt(name, 0.01, 0.02, 0.09);
            else d.eegAt(name, in.ConsumeFloatingPointInRange<double>(-1, 1), in.ConsumeFloatingPointInRange<double>(-1, 1),
                         in.ConsumeFloatingPointInRange<double>(-1, 1));
            break;
        case 5: d.megAt2d(name, onePoint ? 5.0 : hostileDouble(in), onePoint ? 5.0 : hostileDouble(in)); break;
        default: d.eegAt2d(name, onePoint ? 5.0 : hostileDouble(in), onePoint ? 5.0 : hostileDouble(in)); break;
        }
        if (in.ConsumeIntegralInRange<int>(0, 7) == 0) d.flags(i, in.ConsumeBool(), in.ConsumeBool());
        if (in.ConsumeIntegralInRange<int>(0, 15) == 0) d.noPosition(i);
        if (in.ConsumeIntegralInRange<int>(0, 15) == 0) d.noCoil(i);
        if (in.ConsumeIntegralInRange<int>(0, 31) == 0) d.nullChannel(i);
    }
    d.samples(in.ConsumeIntegralInRange<long long>(0, kMaxSamples));

    // The series: a small table of values walked by row, column and sample.
    std::vector<double> table(in.ConsumeIntegralInRange<std::size_t>(1, 16));
    for (double& v : table) v = hostileDouble(in);
    d.series([table](int a, int b, long long t) {
        const unsigned long long k = static_cast<unsigned long long>(a) * 31u + static_cast<unsigned long long>(b) * 7u +
                                     static_cast<unsigned long long>(t);
        return table[k % table.size()];
    });
    if (in.ConsumeBool()) d.diagonal(hostileDouble(in));

    auto channelList = [&in, n]() {
        std::vector<int> list(in.ConsumeIntegralInRange<std::size_t>(0, kMaxChannels));
        for (int& c : list) c = in.ConsumeIntegralInRange<int>(0, n - 1);
        return list;
    };
    if (in.ConsumeIntegralInRange<int>(0, 3) == 0) d.rows(channelList());
    if (in.ConsumeIntegralInRange<int>(0, 3) == 0) d.cols(channelList());
    for (int k = in.ConsumeIntegralInRange<int>(0, 3); k > 0; --k) {
        const int r = in.ConsumeIntegralInRange<int>(0, kMaxChannels), c = in.ConsumeIntegralInRange<int>(0, kMaxChannels);
        switch (in.ConsumeIntegralInRange<int>(0, 2)) {
        case 0: d.pairChannels(r, c, in.ConsumeIntegralInRange<int>(-3, kMaxChannels + 3),
                               in.ConsumeIntegralInRange<int>(-3, kMaxChannels + 3)); break;
        case 1: d.nullSeries(r, c); break;
        default: d.nullRow(r); break;
        }
    }

    if (in.ConsumeBool()) d.select(hostileIndex(in, kMaxSamples + 2), hostileIndex(in, kMaxSamples + 2));
    if (in.ConsumeBool()) d.currentRow(hostileIndex(in, kMaxChannels + 1));
    if (in.ConsumeBool()) d.currentColumn(hostileIndex(in, kMaxChannels + 1));
    if (in.ConsumeBool()) d.stepSize(hostileIndex(in, 8));
    if (in.ConsumeBool()) d.sampleRate(hostileDouble(in));
    if (in.ConsumeBool()) d.firstLatency(hostileDouble(in));
    d.measureKind(in.ConsumeIntegralInRange<int>(-1, 4));
    d.meanMode(in.ConsumeIntegralInRange<int>(-1, 3));
    d.classes(in.ConsumeBool(), in.ConsumeBool(), in.ConsumeBool());
    if (in.ConsumeBool()) d.classScale(in.ConsumeIntegralInRange<int>(0, 2), hostileDouble(in));
    if (in.ConsumeBool()) d.currentClass(in.ConsumeIntegralInRange<int>(0, 2));
    if (in.ConsumeIntegralInRange<int>(0, 7) == 0) d.withoutPairArray(in.ConsumeIntegralInRange<int>(0, 2));
    if (in.ConsumeIntegralInRange<int>(0, 15) == 0) d.noCoupling();
    if (in.ConsumeIntegralInRange<int>(0, 7) == 0) d.trials(2);
    return d;
}

}  // namespace cxcfuzz
