// One coupling series drawn as a trace of the coupling waveform drawer, sample by sample or
// decimated to one min-to-max stroke per step of samples, and the coordinate rules both share:
// positions are computed in double and only then converted (NaN leaves a gap, a coordinate that
// is not clamped saturates at +-2^30, far outside any picture). Internal to the module.
#pragma once

#include "afxwin.h"

namespace cxc::drawer {

// Traces need a positive, finite time scale; otherwise none are drawn (and no sample is picked).
bool tracesDrawable(double pxPerSample);

// Samples per stroke of the decimated trace: 1 / pxPerSample truncated, kept within 1..sampleCount.
__int64 decimationStep(double pxPerSample, __int64 sampleCount);

// Where and how one trace is drawn.
struct TraceFrame {
    int left = 0;             // x of sample beginSample; the trace starts at (left, y0)
    double right = 0;         // the trace stops at the first x beyond it
    __int64 y0 = 0;           // base line
    __int64 beginSample = 0;  // first sample drawn (samples before 0 do not exist)
    double pxPerSample = 1.0;
    double ampScale = 0.005;  // y = y0 - value * ampScale
    bool clamp = false;       // keep y within [top, bottom] (the overlay's sample-by-sample trace)
    int top = 0;
    int bottom = 0;
};

// Sample by sample: a line to every sample from max(beginSample, 0) on, until x passes the right
// edge. A NaN sample leaves a gap.
void drawTrace(CDC& dc, const double* series, __int64 samples, const TraceFrame& f);

// Decimated: for every `step` samples one stroke from their minimum to their maximum, at the x of
// the sample after them; not clamped. A step of NaN samples leaves a gap.
void drawTraceDecimated(CDC& dc, const double* series, __int64 samples, __int64 step, const TraceFrame& f);

}  // namespace cxc::drawer
