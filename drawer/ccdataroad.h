// The coupling road as the drawer's operations take it: the drawer's bound data set refreshed, then
// the companions' road to the class data, pair array and current row. Fetched again on every call;
// nothing is kept. Internal to the module.
#pragma once

#include "afxwin.h"
#include "couplingroad.h"

class CMEGDraw;
class CMDChannelqz;

namespace cxc::drawer {

// How far an operation needs the road to go.
enum class Need {
    ClassData,   // the class data
    PairArray,   // and its pair array (getMCC4class)
    CurrentRow,  // and a current row inside the array with a row of elements
};

struct Road : cxc::CouplingRoad {
    CWavChnlChnlDataqz* row = nullptr;  // elements of the current row (CurrentRow only)
    // Elements of a row: the companions' row length, and with the current row taken, the part of it
    // the pair array holds.
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
