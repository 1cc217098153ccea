// The road every drawing and picking operation of the coupling waveform drawer takes to its data:
// bound data set -> current session and trial -> coupling package -> class data -> pair array ->
// current row. Fetched again on every call; nothing is kept. Internal to the module.
#pragma once

#include "afxwin.h"

class CMEGDraw;
class CMDChannelqz;
class CMDTrialqz;
class CSnsCohDataqz;
class CSnsCohFaceqz;
class CWavChnlChnlDataqz;

namespace cxc::drawer {

// How far an operation needs the road to go.
enum class Need {
    ClassData,   // the class data
    PairArray,   // and its pair array (getMCC4class)
    CurrentRow,  // and a current row inside the array with a row of elements
};

struct Road {
    CSnsCohFaceqz* package = nullptr;
    CSnsCohDataqz* data = nullptr;
    CWavChnlChnlDataqz** rows = nullptr;  // the pair array
    CWavChnlChnlDataqz* row = nullptr;    // elements of the current row (CurrentRow only)
    // Elements a row walk may visit: the smaller of the row and column counts (each row holds
    // column-count elements, so a walk over row-count elements must not pass them), bounded by
    // what the class data allocated.
    __int64 rowLength = 0;
};

// Takes the road for class cls (-1: the class the package holds). false at the first missing link:
// updateMEGData fails, no trial, no package, no class data, no pair array, or a current row outside
// 0..row count - 1 or without elements.
bool takeRoad(CMEGDraw& drawer, int cls, Need need, Road& road);

// Entry `index` of the trial's channel table; null when the index lies outside the table or the
// entry is null.
CMDChannelqz* channelOf(CMDTrialqz* trial, int index);

// Samples of one element's series: the class data's sample count, never more than the series is
// known to hold; 0 without a series.
__int64 samplesOf(const CWavChnlChnlDataqz& element, __int64 sampleCount);

}  // namespace cxc::drawer
