// The built-in demo data set: one session "demo" with two trials of a 150-sensor MEG helmet and a
// 64-electrode EEG cap, each with the three coupling classes. The coupling is the correlation a
// 100 ms sliding window measures between sensor signals mixed from simulated cortical dipoles: 48
// background sources and four more (both auditory cortices, left frontal, right parietal) whose
// shared drive makes them a network that appears about 50 ms after the stimulus, peaks at 120 ms
// and fades by 200 ms; each series carries the smooth estimation noise of such a window. The
// Control class has no network; the result class is Active minus Control. Pairs of an MEG and an
// EEG channel couple as well (the same sources reach both). Values are kept in single precision, as a data folder stores them.
// Deterministic: the same numbers on every run.
#pragma once

#include <cstddef>
#include <memory>

class CArrayMEDataSetqz;

namespace cxc::demo {

inline constexpr double kSampleRate = 600.0;   // Hz
inline constexpr double kFirstLatency = -0.1;  // s, latency of sample 0
inline constexpr long long kSamples = 200;     // -100 ms .. +232 ms; 6 classes stay near 220 MB
inline constexpr int kWindow = 61;             // samples of the correlation window (100 ms)
inline constexpr long long kSelectBegin = 120; // default selection around the network's peak
inline constexpr long long kSelectEnd = 150;

std::unique_ptr<CArrayMEDataSetqz> build();

// Bytes held by the data set's series and pair arrays (what dominates its memory).
std::size_t couplingBytes(CArrayMEDataSetqz& dataSet);

}  // namespace cxc::demo
