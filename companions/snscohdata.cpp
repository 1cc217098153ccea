#include "snscohdata.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <new>
#include <unordered_map>
#include <unordered_set>

#include "cxcsat.h"
#include "faults.h"
#include "mdchannel.h"
#include "samplemajor.h"

namespace {

constexpr __int64 kMaxElements = static_cast<__int64>(1) << 24;  // 4096 x 4096 channels
constexpr __int64 kMaxSamples = static_cast<__int64>(1) << 32;

// Finite-sample statistics of one series over a range.
struct SeriesStats {
    __int64 count = 0;
    double sum = 0.0;
    double lo = 0.0, hi = 0.0;
};

SeriesStats statsOf(const double* s, __int64 b, __int64 e)
{
    SeriesStats st;
    for (__int64 t = b; t <= e; ++t) {
        const double v = s[t];
        if (!std::isfinite(v)) continue;
        if (st.count == 0) st.lo = st.hi = v;
        st.lo = v < st.lo ? v : st.lo;
        st.hi = v > st.hi ? v : st.hi;
        st.sum += v;
        ++st.count;
    }
    return st;
}

// Statistics over the elements a walk visits; a series shared by several elements is read once.
class StatsWalk {
public:
    StatsWalk(__int64 b, __int64 e) : b_(b), e_(e) {}
    void add(const CWavChnlChnlData& el)
    {
        const __int64 e = std::min(e_, el.seriesLength() - 1);
        if (e < b_) return;
        auto it = memo_.find(el.series);
        if (it == memo_.end()) it = memo_.emplace(el.series, statsOf(el.series, b_, e)).first;
        const SeriesStats& st = it->second;
        if (st.count == 0) return;
        if (total.count == 0) total.lo = st.lo, total.hi = st.hi;
        total.lo = std::min(total.lo, st.lo);
        total.hi = std::max(total.hi, st.hi);
        total.sum += st.sum;
        total.count += st.count;
    }
    SeriesStats total;

private:
    __int64 b_, e_;
    std::unordered_map<const double*, SeriesStats> memo_;
};

}  // namespace

// ---- CSnsCohData ----------------------------------------------------------------------------------

CSnsCohData::CSnsCohData() : cmptText(L"Coherence") {}
CSnsCohData::~CSnsCohData() = default;

double CSnsCohData::getValueSelect(__int64 b, __int64 e, __int64 row, __int64 col)
{
    cxc::faults::hook("CSnsCohData::getValueSelect");
    if (b == -1 && e == -1) {
        b = selectBegin;
        e = selectEnd;
    }
    if (!clampRange(b, e)) return 0.0;
    CWavChnlChnlDataqz* el = pairAt(row, col);
    return el ? el->getSelectDataMean(b, e, 0) : 0.0;
}

int CSnsCohData::getSnsCohRange(double& lo, double& hi, bool selectionOnly, __int64 b, __int64 e, int skipSelf)
{
    cxc::faults::hook("CSnsCohData::getSnsCohRange");
    const int skip = skipSelf == 1 ? 1 : 0;
    if (!selectionOnly && allSamplesRange_.valid && allSamplesRange_.skipSelf == skip) {
        lo = allSamplesRange_.found ? allSamplesRange_.lo : 0.0;
        hi = allSamplesRange_.found ? allSamplesRange_.hi : 0.0;
        return allSamplesRange_.found ? 1 : 0;
    }
    if (selectionOnly) {
        if (b == -1 && e == -1) {
            b = selectBegin;
            e = selectEnd;
        }
    } else {
        b = 0;
        e = sampleCount - 1;
    }
    bool found = false;
    double l = 0.0, h = 0.0;
    if (clampRange(b, e)) {
        StatsWalk walk(b, e);
        forEachPair([&](__int64, __int64, const CWavChnlChnlDataqz& el) {
            if (!(skip && el.rowChnl == el.colChnl)) walk.add(el);
        });
        found = walk.total.count > 0;
        l = walk.total.lo;
        h = walk.total.hi;
    }
    if (!selectionOnly) allSamplesRange_ = RangeCache{true, skip, found, l, h};
    lo = found ? l : 0.0;
    hi = found ? h : 0.0;
    return found ? 1 : 0;
}

double CSnsCohData::getLatency4PtSecond(__int64 idx)
{
    return firstLatency + static_cast<double>(idx) / samplingRate;
}

bool CSnsCohData::clampRange(__int64& b, __int64& e) const
{
    if (b < 0) b = 0;
    if (e > sampleCount - 1) e = sampleCount - 1;
    return e >= b;
}

int CSnsCohData::allocatePairs(__int64 rows, __int64 cols, __int64 samples)
{
    if (rows < 0 || cols < 0 || samples < 0 || samples > kMaxSamples) return 0;
    if (rows > kMaxElements || cols > kMaxElements || (rows > 0 && cols > kMaxElements / rows)) return 0;
    std::vector<CWavChnlChnlDataqz> store(static_cast<size_t>(rows * cols));
    std::vector<CWavChnlChnlDataqz*> table(static_cast<size_t>(std::max<__int64>(rows, 1)), nullptr);
    for (__int64 i = 0; i < rows; ++i) table[static_cast<size_t>(i)] = store.data() + i * cols;
    pairStore_ = std::move(store);
    rowTable_ = std::move(table);
    seriesStore_.clear();
    keptStorage_.clear();
    rowsAllocated_ = rows;
    colsAllocated_ = cols;
    rowCount = rows;
    colCount = cols;
    sampleCount = samples;
    pairs = rowTable_.data();
    selectBegin = 0;
    selectEnd = samples > 0 ? samples - 1 : 0;
    curRow = 0;
    curCol = 0;
    invalidateCache();
    return 1;
}

void CSnsCohData::keepStorage(std::shared_ptr<void> owner)
{
    if (owner) keptStorage_.push_back(std::move(owner));
}

double* CSnsCohData::newSeries()
{
    auto block = std::make_unique<double[]>(static_cast<size_t>(std::max<__int64>(sampleCount, 1)));
    double* p = block.get();
    seriesStore_.push_back(std::move(block));
    return p;
}

int CSnsCohData::setPair(__int64 row, __int64 col, int rowChnl, int colChnl, double* series)
{
    if (row < 0 || row >= rowsAllocated_ || col < 0 || col >= colsAllocated_) return 0;
    CWavChnlChnlDataqz& el = pairStore_[static_cast<size_t>(row * colsAllocated_ + col)];
    el.rowChnl = rowChnl;
    el.colChnl = colChnl;
    el.setSeries(series, sampleCount);
    allSamplesRange_.valid = false;
    dropSampleMajor();
    return 1;
}

CWavChnlChnlDataqz* CSnsCohData::pairAt(__int64 row, __int64 col) const
{
    if (row < 0 || col < 0 || row >= rowsWalkable() || col >= colsWalkable()) return nullptr;
    CWavChnlChnlDataqz* r = pairs[row];
    return r ? r + col : nullptr;
}

__int64 CSnsCohData::rowsWalkable() const
{
    if (!pairs || pairs != rowTable_.data()) return 0;
    return std::max<__int64>(0, std::min(rowCount, rowsAllocated_));
}

__int64 CSnsCohData::colsWalkable() const
{
    if (!pairs || pairs != rowTable_.data()) return 0;
    return std::max<__int64>(0, std::min(colCount, colsAllocated_));
}

void CSnsCohData::removePairArray()
{
    pairs = nullptr;
    dropSampleMajor();
}

void CSnsCohData::removeRow(__int64 row)
{
    if (row >= 0 && row < rowsAllocated_) rowTable_[static_cast<size_t>(row)] = nullptr;
    allSamplesRange_.valid = false;
    dropSampleMajor();
}

void CSnsCohData::invalidateCache()
{
    for (const auto& el : pairStore_) el.dropCache();
    allSamplesRange_.valid = false;
    dropSampleMajor();
}

void CSnsCohData::dropSampleMajor()
{
    sampleMajor_.reset();
    sampleMajorState_ = Copy::NotAsked;
}

void CSnsCohData::wantSampleMajor()
{
    if (sampleMajorState_ == Copy::NotAsked) sampleMajorState_ = Copy::Asked;
}

int CSnsCohData::cacheSelectionMeans(__int64 b, __int64 e, int meanMode, bool upperOnly)
{
    if (sampleMajorState_ != Copy::Asked) return 0;
    const __int64 rows = rowsWalkable(), cols = colsWalkable();
    if (!sampleMajor_) {
        try {
            sampleMajor_ = SampleMajorCopy::build(pairs, rows, cols, sampleCount, kSampleMajorBound);
        } catch (const std::bad_alloc&) {
            sampleMajor_.reset();  // the series are still there to read one by one
        }
        // Refused until the data change, so that later ticks do not try again.
        if (!sampleMajor_) {
            sampleMajorState_ = Copy::Refused;
            return 0;
        }
    }
    if (sampleMajor_->cacheMeans(pairs, rows, cols, sampleCount, b, e, meanMode, upperOnly)) return 1;
    // Changed under the copy: built again when the next tick asks.
    dropSampleMajor();
    return 0;
}

std::size_t CSnsCohData::sampleMajorBytes() const { return sampleMajor_ ? sampleMajor_->bytes() : 0; }

std::size_t CSnsCohData::storageBytes() const
{
    return pairStore_.size() * sizeof(CWavChnlChnlDataqz) + rowTable_.size() * sizeof(CWavChnlChnlDataqz*) +
           seriesStore_.size() * static_cast<std::size_t>(std::max<__int64>(sampleCount, 1)) * sizeof(double);
}

int CSnsCohData::setSamplingRate(double hz)
{
    if (!(hz > 0.0) || !std::isfinite(hz)) return 0;
    samplingRate = hz;
    return 1;
}

int CSnsCohData::setFirstLatency(double seconds)
{
    if (!std::isfinite(seconds)) return 0;
    firstLatency = seconds;
    return 1;
}

int CSnsCohData::setStepSize(__int64 samples)
{
    if (samples < 1) return 0;
    stepSize = samples;
    return 1;
}

void CSnsCohData::deriveChnlTypeName(CMDChannelqz* const* table, int count)
{
    bool meg = false, eeg = false;
    auto note = [&](int c) {
        if (!table || c < 0 || c >= count || !table[c]) return;
        meg = meg || table[c]->kind() == CMDChannelqz::Kind::Meg;
        eeg = eeg || table[c]->kind() == CMDChannelqz::Kind::Eeg;
    };
    forEachPair([&](__int64, __int64, const CWavChnlChnlDataqz& el) {
        note(el.rowChnl);
        note(el.colChnl);
    });
    chnlTypeName = meg && eeg ? L"MEG+EEG" : eeg ? L"EEG" : L"MEG";
}

// ---- CSnsCohData00Time ----------------------------------------------------------------------------

CWavChnlChnlDataqz** CSnsCohData00Time::getMCC4class()
{
    cxc::faults::hook("CSnsCohData00Time::getMCC4class");
    return pairs;
}

int CSnsCohData00Time::getSelect(__int64& b, __int64& e)
{
    cxc::faults::hook("CSnsCohData00Time::getSelect");
    b = selectBegin;
    e = selectEnd;
    return 1;
}

int CSnsCohData00Time::setSelect(__int64 b, __int64 e)
{
    selectBegin = b;
    selectEnd = e;
    return 1;
}

int CSnsCohData00Time::checkSelect(__int64 b, __int64 e)
{
    return b >= 0 && b < sampleCount && e >= 0 && e < sampleCount ? 1 : 0;
}

// ---- CSnsCohData02Prcs ----------------------------------------------------------------------------

int CSnsCohData02Prcs::normRMS()
{
    // A series that also serves a self pair stays as it is.
    std::unordered_set<const double*> keep, done;
    forEachPair([&](__int64, __int64, const CWavChnlChnlDataqz& el) {
        if (el.rowChnl == el.colChnl) keep.insert(el.series);
    });
    forEachPair([&](__int64, __int64, const CWavChnlChnlDataqz& el) {
        if (el.rowChnl == el.colChnl || keep.count(el.series) || !done.insert(el.series).second) return;
        const __int64 n = el.seriesLength();
        double sumSq = 0.0;
        for (__int64 t = 0; t < n; ++t) sumSq += el.series[t] * el.series[t];
        const double rms = n > 0 ? std::sqrt(sumSq / static_cast<double>(n)) : 0.0;
        if (!(rms > 0.0) || !std::isfinite(rms)) return;
        for (__int64 t = 0; t < n; ++t) el.series[t] /= rms;
    });
    invalidateCache();
    return checkDataRange();
}

int CSnsCohData02Prcs::checkDataRange()
{
    dataRangePending_ = false;
    StatsWalk walk(0, sampleCount - 1);
    forEachPair([&](__int64, __int64, const CWavChnlChnlDataqz& el) {
        if (el.rowChnl != el.colChnl) walk.add(el);
    });
    // The mean counts every pair, also those that share a series.
    double sum = 0.0;
    __int64 count = 0;
    std::unordered_map<const double*, SeriesStats> perSeries;
    forEachPair([&](__int64, __int64, const CWavChnlChnlDataqz& el) {
        if (el.rowChnl == el.colChnl) return;
        const __int64 e = std::min(sampleCount, el.seriesLength()) - 1;
        if (e < 0) return;
        auto it = perSeries.find(el.series);
        if (it == perSeries.end()) it = perSeries.emplace(el.series, statsOf(el.series, 0, e)).first;
        sum += it->second.sum;
        count += it->second.count;
    });
    valueMin = walk.total.count ? walk.total.lo : 0.0;
    valueMax = walk.total.count ? walk.total.hi : 0.0;
    valueMean = count ? sum / static_cast<double>(count) : 0.0;
    return 1;
}

// ---- CSnsCohData08Show ----------------------------------------------------------------------------

int CSnsCohData08Show::getCxcAbsRange(double& o1, double& o2, bool absolute, bool all, __int64 b, __int64 e)
{
    cxc::faults::hook("CSnsCohData08Show::getCxcAbsRange");
    if (all) {
        b = 0;
        e = sampleCount - 1;
    } else if (b == -1 && e == -1) {
        b = selectBegin;
        e = selectEnd;
    }
    bool found = false;
    double lo = 0.0, hi = 0.0;
    if (clampRange(b, e)) {
        StatsWalk walk(b, e);
        forEachPair([&](__int64, __int64, const CWavChnlChnlDataqz& el) {
            if (el.rowChnl != el.colChnl) walk.add(el);
        });
        found = walk.total.count > 0;
        lo = walk.total.lo;
        hi = walk.total.hi;
    }
    if (!found) {
        rangeMax = rangeMin = 0.0;
    } else if (absolute) {
        rangeMin = 0.0;
        rangeMax = std::max(std::fabs(lo), std::fabs(hi));
    } else {
        rangeMin = lo;
        rangeMax = hi;
    }
    o1 = rangeMax;
    o2 = rangeMin;
    return found ? 1 : 0;
}

int CSnsCohData08Show::nextSelect(int dir, int mode)
{
    cxc::faults::hook("CSnsCohData08Show::nextSelect");
    const __int64 t = sampleCount;
    if (dir == 0 || t < 1) return 0;
    const __int64 d = dir > 0 ? stepSize : -stepSize;
    const __int64 b = selectBegin, e = selectEnd;
    const __int64 w = cxc::satSub(e, b);
    __int64 nb = cxc::satAdd(b, d), ne = cxc::satAdd(e, d);
    if (mode != 1) {
        // A single step never leaves the series.
        if (nb < 0 || ne < 0 || nb > t - 1 || ne > t - 1) return 0;
    } else if (d > 0 && (nb > t - 1 || ne > t - 1)) {
        nb = 0;
        ne = w;
    } else if (d < 0 && (nb < 0 || ne < 0)) {
        ne = t - 1;
        nb = cxc::satSub(t - 1, w);
    }
    if (nb == b && ne == e) return 0;
    selectBegin = nb;
    selectEnd = ne;
    return 1;
}

CString CSnsCohData08Show::getChnlTypeIDname()
{
    return chnlTypeName;
}

CString CSnsCohData08Show::getCxcCmptInfo()
{
    return cmptText;
}
