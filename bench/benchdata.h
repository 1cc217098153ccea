// Generated data sets for the benchmarks, at the sizes of real recordings: MEG helmets of 32 to 275
// sensors (spread evenly over the head, as many as asked) or an EEG cap of up to 64 electrodes,
// 1000 samples, a 100-sample selection. Only the Active class holds coupling;
// a pair series is shared by both orders, as symmetric coupling is stored (275 channels: 37,950
// series, about 300 MB). About one pair in 190 belongs to a network whose |coupling| stays above
// 0.6; every other pair stays below 0.4, so the link dialog's first threshold (half the largest
// |coupling|) passes about 200 links at 275 channels and every link walk visits every pair.
#pragma once

#include <cstddef>
#include <memory>

#include <benchmark/benchmark.h>

class CArrayMEDataSetqz;
class CMEGShowCCData2DFaceqz;
class CDialog;

namespace cxc::bench {

inline constexpr long long kSamples = 1000;
inline constexpr long long kSelectBegin = 400;  // the 100-sample selection 400..499
inline constexpr long long kSelectEnd = 499;
inline constexpr int kViewWidth = 1000;         // px of every view
inline constexpr int kViewHeight = 800;

enum class Modality { Meg, Eeg };

std::unique_ptr<CArrayMEDataSetqz> makeSet(Modality modality, int channels, long long samples = kSamples);

// One data set per modality and size, made on first use and kept for the whole run (with its facade,
// whose dialogs stay open on it). All of them together, 32 to 275 MEG sensors, hold about 600 MB.
struct Host {
    std::unique_ptr<CArrayMEDataSetqz> data;
    std::unique_ptr<CMEGShowCCData2DFaceqz> face;
    ~Host();
};
Host& host(Modality modality, int channels);

// Resizes a dialog so that its control `id` becomes w x h pixels, and paints.
void fitControl(CDialog* dialog, int id, int w, int h);

// The plain read of `words` doubles that MemoryRead times.
double readAll(const double* s, std::size_t words);
// Bytes per CPU second of that read over 256 MB, the median of five, measured once per run: the
// bandwidth a play tick's floor (the bytes it must read) is measured against.
double readBandwidth();
// CPU seconds of the calling thread.
double threadCpuSeconds();
// The CPU ms of the first play tick of `dialog` (the one that builds the sample-major copy): `ms` on the
// first call for that dialog, what was kept on later calls.
double firstTickMs(const void* dialog, double ms);
// Counters of a play tick: its floor in ms, its CPU time per iteration against that floor.
void floorCounters(benchmark::State& state, double cpuSeconds, double bytesPerTick);

}  // namespace cxc::bench
