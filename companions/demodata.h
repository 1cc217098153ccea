// The built-in demo data set: one session "demo" with two trials of a 150-sensor MEG helmet and a
// 64-electrode EEG cap, each with the three coupling classes. The coupling is the sliding-window
// correlation of sensor signals mixed from simulated sources; in the Active class four of them
// (both auditory cortices, left frontal, right parietal) join one network that appears about 50 ms
// after the stimulus, peaks at 120 ms and fades by 200 ms; the Control class has no network; the
// result class is Active minus Control. Deterministic: the same numbers on every run.
#pragma once

#include <cstddef>
#include <memory>

class CArrayMEDataSetqz;

namespace cxc::demo {

inline constexpr double kSampleRate = 600.0;   // Hz
inline constexpr double kFirstLatency = -0.1;  // s, latency of sample 0
inline constexpr long long kSamples = 200;     // -100 ms .. +232 ms
inline constexpr int kWindow = 61;             // samples of the correlation window (100 ms)
inline constexpr long long kSelectBegin = 120; // default selection around the network's peak
inline constexpr long long kSelectEnd = 150;

std::unique_ptr<CArrayMEDataSetqz> build();

// Bytes held by the data set's series and pair arrays (what dominates its memory).
std::size_t couplingBytes(CArrayMEDataSetqz& dataSet);

}  // namespace cxc::demo
