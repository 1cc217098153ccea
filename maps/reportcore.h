// The small-world graph report shared by the MEG and EEG views. Nodes are the rows of the class
// data; node i is the column channel of its diagonal element (i, i). A connection of node i is every
// other column j whose channel differs from i's, whose value over the selection passes the threshold
// (when the threshold is used) and whose channel has a sensor; it adds its value to the edge
// statistics and the distance between the two sensors' 3-D positions to the path statistics.
//
// Counting rules users compare across runs, kept as they always were:
// - hubs use the running neighbour count at each new connection, so the hub minimum is 1 whenever any
//   connection exists and the sum of squares adds 1, 4, 9, ... up to each node's degree; hub mean
//   and hub RMS divide integers;
// - the clustering coefficient counts each neighbour pair in both orders, 2 * count / ((k - 1) * k),
//   so a triangle reports ClCe 2.0; ClCeXnml divides by (N - 1) * N instead;
// - the neighbour pair (p, q) is looked up as row p, element q of the pair array, although p and q
//   are column positions (the lookup answers 0 for a row that does not exist).
// Only rows that also exist as elements are examined (the shorter of row and column count).
#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

#include "mappolicy.h"
#include "sensorcore.h"

namespace cxc::maps {

// Running totals and the text of the report.
struct GraphTotals {
    __int64 totalConn = 0, seeds = 0, hubMin = 0, hubMax = 0, hubSumSq = 0, clceCount = 0;
    double edgeSum = 0, edgeMin = 0, edgeMax = 0, edgeSumSq = 0;
    double pathSum = 0, pathMin = 0, pathMax = 0, pathSumSq = 0;
    double clceSum = 0, clceMin = 0, clceMax = 0, clceSumSq = 0;
    double xnmlSum = 0, xnmlMin = 0, xnmlMax = 0, xnmlSumSq = 0;

    // Connection number k of a node, with its value and the distance between the two positions.
    void addConnection(__int64 k, double value, double distance);
    void addClustering(double clce, double xnml);
    // The report lines after the optional "Channel ..." header.
    CString format(bool precise) const;
};

// Node positions as bits, 64 to a word: the neighbour sets of the clustering count.
class PositionBits {
public:
    explicit PositionBits(__int64 n) : words_(static_cast<size_t>((n + 63) / 64), 0) {}
    void clear() { std::fill(words_.begin(), words_.end(), 0); }
    void set(__int64 p) { words_[static_cast<size_t>(p >> 6)] |= std::uint64_t(1) << (p & 63); }
    void reset(__int64 p) { words_[static_cast<size_t>(p >> 6)] &= ~(std::uint64_t(1) << (p & 63)); }
    // Members of both sets.
    __int64 common(const PositionBits& o) const;
    const std::vector<std::uint64_t>& words() const { return words_; }

private:
    std::vector<std::uint64_t> words_;
};

// Without the threshold every pair of distinct positions counts as connected: row p of this
// adjacency is every position but p. Ordered neighbour pairs (p, q), p != q, both in `set`.
__int64 orderedPairsWithin(const std::vector<PositionBits>& adjacency, const PositionBits& set,
                           const std::vector<__int64>& members, __int64 count);
std::vector<PositionBits> completeAdjacency(__int64 n);

template <class P>
CString graphTheoryReport(SensorMapFields& v, int useThreshold, int precise, int activeOnly, int& connections)
{
    const CString noData(text::kNoData);
    try {
        if (!checkInitTrial(v)) return noData;
        if (!(v.linkThreshold >= 0.0)) v.linkThreshold = 0.0;
        CouplingRefs refs;
        if (!fetchCoupling(v.trial, v.cxcClass, refs) || !refs.channels) return noData;
        CSnsCohDataqz& data = *refs.data;
        const __int64 n = data.colsWalkable();  // never past what the pair array holds
        if (n < 1) return noData;
        v.infoCaption = data.text;
        std::vector<__int64> neighbours;
        neighbours.resize(static_cast<size_t>(n));  // bad_alloc: "No Data" below
        // Without the threshold a node's neighbours are counted by words of 64, not pair by pair.
        std::vector<PositionBits> adjacency;
        PositionBits neighbourBits(useThreshold ? 0 : n);
        if (!useThreshold) adjacency = completeAdjacency(n);

        const __int64 rows = refs.walkLength();
        __int64 first = 0, last = rows;
        if (activeOnly) {
            if (data.curRow < 0 || data.curRow >= rows) return noData;
            first = data.curRow;
            last = first + 1;
        }
        const double threshold = v.linkThreshold;
        auto passes = [&](double value) { return !useThreshold || std::fabs(value) >= threshold; };
        const __int64 b = data.selectBegin, e = data.selectEnd;

        GraphTotals t;
        for (__int64 i = first; i < last; ++i) {
            CWavChnlChnlDataqz* row = refs.pairs[i];
            if (!row) continue;
            const int ci = row[i].colChnl;
            CMDChannelqz* chI = refs.channel(ci);
            if (!chI) continue;
            typename P::Node* nodeI = P::node(*chI);
            if (!nodeI) continue;
            __int64 k = 0;
            for (__int64 j = 0; j < n; ++j) {
                const int cj = row[j].colChnl;
                if (cj == ci) continue;
                const double value = data.getValueSelect(b, e, i, j);
                if (!passes(value)) continue;
                CMDChannelqz* chJ = refs.channel(cj);
                if (!chJ) continue;
                typename P::Node* nodeJ = P::node(*chJ);
                if (!nodeJ) continue;
                double xi = 0, yi = 0, zi = 0, xj = 0, yj = 0, zj = 0;
                if (!P::position(*nodeI, xi, yi, zi) || !P::position(*nodeJ, xj, yj, zj)) return CString();
                neighbours[static_cast<size_t>(k)] = j;
                ++k;
                const double dx = xi - xj, dy = yi - yj, dz = zi - zj;
                t.addConnection(k, value, std::sqrt(dx * dx + dy * dy + dz * dz));
            }
            if (k > 1 && !useThreshold) {
                neighbourBits.clear();
                for (__int64 a = 0; a < k; ++a) neighbourBits.set(neighbours[static_cast<size_t>(a)]);
                if (i < n) neighbourBits.reset(i);
                const double pairs = 2.0 * static_cast<double>(orderedPairsWithin(adjacency, neighbourBits, neighbours, k));
                t.addClustering(pairs / ((k - 1.0) * static_cast<double>(k)),
                                pairs / ((n - 1.0) * static_cast<double>(n)));
            } else if (k > 1) {
                __int64 count = 0;
                for (__int64 a = 0; a < k; ++a)
                    for (__int64 c = 0; c < k; ++c) {
                        const __int64 p = neighbours[static_cast<size_t>(a)], q = neighbours[static_cast<size_t>(c)];
                        if (p == i || q == i || p == q) continue;
                        if (passes(data.getValueSelect(b, e, p, q))) ++count;
                    }
                const double pairs = 2.0 * static_cast<double>(count);
                t.addClustering(pairs / ((k - 1.0) * static_cast<double>(k)),
                                pairs / ((n - 1.0) * static_cast<double>(n)));
            }
        }
        connections = narrow<int>(t.totalConn);
        if (t.totalConn < 1) return CString(text::kNoConnection);
        CString report;
        if (activeOnly) {
            CWavChnlChnlDataqz* row = refs.pairs[data.curRow];
            const int rc = row ? row[data.curRow].rowChnl : -1;
            CMDChannelqz* ch = refs.channel(rc);
            report.Format(L"Channel %I64d (%s) Graph Theory \n", data.curRow, ch ? ch->name.GetString() : L"");
        }
        return report + t.format(precise != 0);
    } catch (...) {
        return noData;
    }
}

}  // namespace cxc::maps
