// Channel coupling library, the data of one coupling class: the pair array (rowCount rows of
// colCount elements, each pointing at its series), the time selection, current row and column,
// ranges, latency, selection stepping and in-place normalisation.
//   CSnsCohData        members, selection means, value range, latency; owns pairs and series
//   CSnsCohData00Time  pair array and selection access
//   CSnsCohData02Prcs  normalisation and the value summary
//   CSnsCohData08Show  colour range, selection stepping, descriptive texts
//   CSnsCohDataqz      the leaf the package holds
// Every walk is bounded by both counts and by what was allocated, and every index is checked: an
// invalid one gives 0, 0.0 or null.
#pragma once

#include <memory>
#include <vector>

#include "afxstr.h"
#include "wavpair.h"

class CMDChannelqz;
class SampleMajorCopy;

class CSnsCohData {
public:
    CString text;         // caption of the information window of the graph report
    CString cmptText;     // how the data were computed
    __int64 sampleCount = 0;
    __int64 selectBegin = 0;  // current time selection, sample indices as stored (not clamped)
    __int64 selectEnd = 0;
    __int64 curRow = 0;       // reference row of the pair array
    __int64 curCol = 0;       // highlighted element of the row
    __int64 rowCount = 0;
    __int64 colCount = 0;
    CWavChnlChnlDataqz** pairs = nullptr;  // rowCount row pointers; null: no pair array
    double valueMin = 0.0;    // over all finite samples of the non-self pairs (checkDataRange)
    double valueMax = 0.0;
    double valueMean = 0.0;
    __int64 rangeStamp = 0;   // below 1 until a colour range was computed
    double rangeMax = 0.0;    // colour range stored by getCxcAbsRange
    double rangeMin = 0.0;
    int measureKind = 0;      // 0, 1: coherence-like (512-level scales); others: 768-level scales
    int meanMode = 0;         // mean mode handed to getSelectDataMean

    CSnsCohData();
    virtual ~CSnsCohData();
    CSnsCohData(const CSnsCohData&) = delete;
    CSnsCohData& operator=(const CSnsCohData&) = delete;

    // Mean of pair (row, col) over b..e clamped to the series; b = e = -1 takes the selection.
    double getValueSelect(__int64 b, __int64 e, __int64 row, __int64 col);
    // Smallest and largest finite sample of all pairs (selectionOnly: of samples b..e, -1, -1 the
    // selection); skipSelf 1 leaves out pairs of a channel with itself. Outputs are overwritten;
    // with no finite sample they become 0..0 and the result is 0.
    int getSnsCohRange(double& lo, double& hi, bool selectionOnly, __int64 b, __int64 e, int skipSelf);
    // firstLatency + idx / samplingRate, in seconds.
    double getLatency4PtSecond(__int64 idx);

    // ---- building ----
    // A fresh pair array of rows x cols elements (channels -1, no series) over `samples` samples;
    // the selection becomes the whole series, current row and column 0. 0 when a count is negative
    // or the array would be unreasonably large (then nothing changes).
    int allocatePairs(__int64 rows, __int64 cols, __int64 samples);
    // A zero-filled series of sampleCount samples owned by this class data.
    double* newSeries();
    // Series may also point into storage that someone else made (a memory-mapped file): the class
    // data keeps `owner` alive as long as it lives, so the storage outlives every pair using it.
    void keepStorage(std::shared_ptr<void> owner);
    // Sets element (row, col); 0 when out of range.
    int setPair(__int64 row, __int64 col, int rowChnl, int colChnl, double* series);
    // Element (row, col) or null, without fault hooks.
    CWavChnlChnlDataqz* pairAt(__int64 row, __int64 col) const;
    // What a walk may visit: the counts, bounded by what was allocated.
    __int64 rowsWalkable() const;
    __int64 colsWalkable() const;
    // Drops the pair array (getMCC4class gives null), or leaves one row pointer null.
    void removePairArray();
    void removeRow(__int64 row);
    // Series were changed in place: forget every remembered mean and range.
    void invalidateCache();
    // Bytes held by the pair array and the series this class data owns.
    std::size_t storageBytes() const;

    // ---- play ----
    // A play tick asks that selection means come from a sample-major copy of the series: built on
    // the next cacheSelectionMeans, kept until the pair array or the series change.
    void wantSampleMajor();
    // Remembers the means over b..e of the elements above the diagonal (upperOnly) or of all
    // elements, taken from the copy, identical to what getSelectDataMean computes. 0 when there is
    // no copy to take them from (not asked for, larger than kSampleMajorBound, or the pair array
    // changed): the caller then reads each pair's own series.
    int cacheSelectionMeans(__int64 b, __int64 e, int meanMode, bool upperOnly);
    std::size_t sampleMajorBytes() const;  // 0 without a copy
    static constexpr std::size_t kSampleMajorBound = std::size_t(512) << 20;

    int setSamplingRate(double hz);  // 0 (unchanged) unless a positive finite number
    double getSamplingRate() const { return samplingRate; }
    int setFirstLatency(double seconds);  // 0 (unchanged) unless finite
    double getFirstLatency() const { return firstLatency; }
    int setStepSize(__int64 samples);  // 0 (unchanged) below 1
    __int64 getStepSize() const { return stepSize; }
    void setChnlTypeName(const CString& name) { chnlTypeName = name; }
    // "MEG", "EEG" or "MEG+EEG" from the types of the channels the pairs refer to.
    void deriveChnlTypeName(CMDChannelqz* const* table, int count);

protected:
    // Walks every (row, col) element with a series; f(row, col, element).
    template <class F>
    void forEachPair(F&& f) const;
    // Clamps b..e to the series; false when empty.
    bool clampRange(__int64& b, __int64& e) const;

    double samplingRate = 1000.0;  // Hz
    double firstLatency = 0.0;     // s, latency of sample 0
    __int64 stepSize = 1;          // samples per selection step
    CString chnlTypeName;

private:
    struct RangeCache {
        bool valid = false;
        int skipSelf = 0;
        bool found = false;
        double lo = 0.0, hi = 0.0;
    };
    std::vector<CWavChnlChnlDataqz> pairStore_;
    std::vector<CWavChnlChnlDataqz*> rowTable_;
    std::vector<std::unique_ptr<double[]>> seriesStore_;
    std::vector<std::shared_ptr<void>> keptStorage_;
    __int64 rowsAllocated_ = 0;
    __int64 colsAllocated_ = 0;
    RangeCache allSamplesRange_;
    void dropSampleMajor();
    enum class Copy { NotAsked, Asked, Refused };
    Copy sampleMajorState_ = Copy::NotAsked;
    std::unique_ptr<SampleMajorCopy> sampleMajor_;
};

template <class F>
void CSnsCohData::forEachPair(F&& f) const
{
    const __int64 rows = rowsWalkable(), cols = colsWalkable();
    for (__int64 i = 0; i < rows; ++i) {
        CWavChnlChnlDataqz* row = pairs[i];
        if (!row) continue;
        for (__int64 j = 0; j < cols; ++j)
            if (row[j].series) f(i, j, row[j]);
    }
}

class CSnsCohData00Time : public CSnsCohData {
public:
    // The pair array, or null when this class holds none.
    CWavChnlChnlDataqz** getMCC4class();
    int getSelect(__int64& b, __int64& e);
    // Stores the selection as given (no clamping); returns 1.
    int setSelect(__int64 b, __int64 e);
    // Nonzero when 0 <= b < sampleCount and 0 <= e < sampleCount.
    int checkSelect(__int64 b, __int64 e);
};

class CSnsCohData02Prcs : public CSnsCohData00Time {
public:
    // Divides every non-self series by its RMS over all samples (each shared series once; a zero or
    // non-finite RMS leaves it), then recomputes the value summary. Returns 1.
    int normRMS();
    // valueMin, valueMax, valueMean over all finite samples of the non-self pairs (0 when none).
    // Returns 1.
    int checkDataRange();
    // The summary needs every sample: a reader of a large recording leaves it to the first reader
    // of the summary, who calls ensureDataRange (the check runs then, once).
    void deferDataRange() { dataRangePending_ = true; }
    void ensureDataRange()
    {
        if (dataRangePending_) checkDataRange();
    }

private:
    bool dataRangePending_ = false;
};

class CSnsCohData08Show : public CSnsCohData02Prcs {
public:
    // Colour range over the non-self pairs and the finite samples of the selection (all false; b, e
    // or -1, -1 for the selection members) or of the whole series (all true). absolute: rangeMin = 0
    // and rangeMax = the largest magnitude; otherwise the signed extremes. Sets o1 = rangeMax,
    // o2 = rangeMin; with no finite sample both are 0 and the result is 0. rangeStamp is the
    // caller's.
    int getCxcAbsRange(double& o1, double& o2, bool absolute, bool all, __int64 b, __int64 e);
    // Moves the selection one step (stepSize samples) forward (dir > 0) or back (dir < 0), keeping
    // its width. mode 0 refuses a step that would leave the series; mode 1 (play) wraps: past the
    // end the selection restarts at 0, before the start it ends at the last sample. 1 when moved.
    int nextSelect(int dir, int mode);
    CString getChnlTypeIDname();
    CString getCxcCmptInfo();
};

class CSnsCohDataqz : public CSnsCohData08Show {};
