#include "contourlines.h"

#include <algorithm>
#include <cmath>

#include "datagrid.h"

CContourLineMapqz::CContourLineMapqz() = default;
CContourLineMapqz::~CContourLineMapqz() = default;

void CContourLineMapqz::_clean()
{
    store_.clear();
    store_.shrink_to_fit();
    segCount = 0;
    segments = nullptr;
}

int CContourLineMapqz::initLevelAbs(double lo, double hi, int n)
{
    levels_.clear();
    levelCount = 0;
    if (n < 1 || n > kMaxLevels || !std::isfinite(lo) || !std::isfinite(hi)) return 0;
    threshold = lo;
    fieldMax = hi;
    levelCount = n;
    levels_.reserve(static_cast<size_t>(n));
    for (int k = 0; k < n; ++k)
        levels_.push_back(n == 1 ? lo : lo + static_cast<double>(k) * (hi - lo) / static_cast<double>(n - 1));
    return 1;
}

double CContourLineMapqz::levelAt(int k) const
{
    return k >= 0 && k < static_cast<int>(levels_.size()) ? levels_[static_cast<size_t>(k)] : 0.0;
}

int CContourLineMapqz::dataGrid2ContourLinePro(CDataGridRect* grid)
{
    store_.clear();  // the capacity stays for the next tracing
    segCount = 0;
    segments = nullptr;
    if (!grid || !grid->values || !grid->points || grid->nx < 2 || grid->ny < 2 || levels_.empty()) return 0;
    const CDataGridRect& g = *grid;
    // The traces in drawing order: each level at +L, then at -L (0 once).
    traces_.clear();
    double previous = 0.0;
    for (size_t k = 0; k < levels_.size(); ++k) {
        const double level = levels_[k];
        if (k > 0 && level == previous) continue;  // equal levels would trace the same lines again
        previous = level;
        if (level == 0.0) {
            traces_.push_back(Trace{0.0, +1, static_cast<int>(k)});
        } else {
            traces_.push_back(Trace{level, +1, static_cast<int>(k)});
            traces_.push_back(Trace{-level, -1, static_cast<int>(k)});
        }
    }
    auto traceAll = [&] {
        if (countSegments(g)) {
            writeSegments(g);
            return;
        }
        // More segments than may be kept: trace by scanning, up to the limit.
        const auto ny = static_cast<size_t>(g.ny);
        for (const Trace& trace : traces_)
            for (int i = 0; i + 1 < g.nx; ++i) {
                const int* ra = rank_.data() + static_cast<size_t>(i) * ny;
                const int* rb = ra + ny;
                for (int j = 0; j + 1 < g.ny; ++j) {
                    if ((ra[j] | rb[j] | rb[j + 1] | ra[j + 1]) < 0) continue;  // a corner not finite
                    if (!traceCell(g, trace, i, j)) return;
                }
            }
    };
    traceAll();
    segCount = static_cast<int>(store_.size());
    segments = store_.empty() ? nullptr : store_.data();
    return 1;
}

bool CContourLineMapqz::countSegments(const CDataGridRect& g)
{
    order_.clear();
    for (size_t t = 0; t < traces_.size(); ++t)
        if (std::isfinite(traces_[t].value)) order_.push_back(static_cast<int>(t));
    std::sort(order_.begin(), order_.end(), [&](int a, int b) {
        return traces_[static_cast<size_t>(a)].value < traces_[static_cast<size_t>(b)].value;
    });
    sorted_.resize(order_.size());
    for (size_t s = 0; s < order_.size(); ++s) sorted_[s] = traces_[static_cast<size_t>(order_[s])].value;
    // How many sorted values are <= bound; without branches on the data, which the values of a
    // noisy field would mispredict at every step.
    auto above = [&](double bound) {
        const double* base = sorted_.data();
        size_t n = sorted_.size();
        if (n == 0) return 0;
        while (n > 1) {
            const size_t half = n / 2;
            base = base[half] <= bound ? base + half : base;
            n -= half;
        }
        return static_cast<int>(base - sorted_.data()) + (*base <= bound ? 1 : 0);
    };
    // Each point's rank once (its neighbours' cells share it). Sorted value s is <= v exactly when
    // s < rank(v), so a cell crosses the values from its least corner rank up to its greatest, and
    // corner k is inside at value s when its rank is above s.
    const auto nx = static_cast<size_t>(g.nx), ny = static_cast<size_t>(g.ny);
    rank_.resize(nx * ny);
    for (size_t i = 0; i < nx; ++i) {
        const double* v = g.values[i];
        const GridPoint* p = g.points[i];
        int* r = rank_.data() + i * ny;
        for (size_t j = 0; j < ny; ++j) {
            // Combined as integers, so no branch waits on each test.
            const int finite = int{std::isfinite(v[j])} & int{std::isfinite(p[j].x)} & int{std::isfinite(p[j].y)};
            r[j] = finite ? above(v[j]) : -1;
        }
    }
    // Per sorted value, the cells that cross it: the runs of values that begin at or below it minus
    // those that end there, counted apart so that neighbouring cells, which mostly share their
    // bounds, do not wait on each other's counts. A saddle (both corners of one diagonal inside, of
    // the other outside) adds a second run: the values above the larger corner of one diagonal, up
    // to the smaller of the other.
    const size_t n = sorted_.size() + 1;
    runs_.assign(2 * n, 0);
    long long* begins = runs_.data();
    long long* ends = begins + n;
    spans_.resize((nx - 1) * (ny - 1));
    Span* span = spans_.data();
    long long total = 0;
    for (size_t i = 0; i + 1 < nx; ++i) {
        const int* ra = rank_.data() + i * ny;
        const int* rb = ra + ny;
        for (size_t j = 0; j + 1 < ny; ++j) {
            int r0 = ra[j], r1 = rb[j], r2 = rb[j + 1], r3 = ra[j + 1];
            const int keep = (r0 | r1 | r2 | r3) < 0 ? 0 : -1;  // a cell with a corner not finite crosses nothing
            r0 &= keep, r1 &= keep, r2 &= keep, r3 &= keep;
            const int first = std::min(std::min(r0, r1), std::min(r2, r3));
            const int last = std::max(std::max(r0, r1), std::max(r2, r3));
            ++begins[first], ++ends[last];
            total += last - first;
            const int a = std::max(r1, r3), b = std::min(r0, r2), c = std::max(r0, r2), d = std::min(r1, r3);
            if (a < b || c < d) [[unlikely]] {
                const int lo = a < b ? a : c, hi = a < b ? b : d;
                ++begins[lo], ++ends[hi];
                total += hi - lo;
            }
            *span = Span{static_cast<int>(i), static_cast<int>(j), first, last};
            span += first != last;  // only the cells that cross a value are kept
        }
    }
    spans_.resize(static_cast<size_t>(span - spans_.data()));
    // Beyond the limit the segments would only cost memory: the scan stops there instead.
    if (total > kMaxSegments) return false;
    start_.assign(traces_.size() + 1, 0);
    long long crossing = 0;
    for (size_t s = 0; s < order_.size(); ++s) {
        crossing += begins[s] - ends[s];
        start_[static_cast<size_t>(order_[s]) + 1] = static_cast<size_t>(crossing);
    }
    for (size_t t = 0; t < traces_.size(); ++t) start_[t + 1] += start_[t];
    return true;
}

void CContourLineMapqz::writeSegments(const CDataGridRect& g)
{
    // Each trace's segments in cell order, the order a scan would meet them, written in place in one
    // pass over the crossing cells, so each cell's corners are read once for all the values it crosses.
    store_.resize(start_.back());
    // Where to write and what, by sorted value, so the inner loop does not go through order_.
    fill_.resize(order_.size());
    bySorted_.resize(order_.size());
    for (size_t s = 0; s < order_.size(); ++s) {
        const auto t = static_cast<size_t>(order_[s]);
        fill_[s] = start_[t];
        bySorted_[s] = traces_[t];
    }
    size_t* const fill = fill_.data();
    const Trace* const trace = bySorted_.data();
    Segment* out = store_.data();
    const auto ny = static_cast<size_t>(g.ny);
    for (const Span& span : spans_) {
        const Corners c = cornersOf(g, span.i, span.j);
        const int* ra = rank_.data() + static_cast<size_t>(span.i) * ny + static_cast<size_t>(span.j);
        const int* rb = ra + ny;
        const int r0 = ra[0], r1 = rb[0], r2 = rb[1], r3 = ra[1];
        for (int s = span.first; s < span.last; ++s) {
            const int code = (r0 > s) | (r1 > s) << 1 | (r2 > s) << 2 | (r3 > s) << 3;
            fill[s] += static_cast<size_t>(cellSegments(c, code, trace[s], out + fill[s]));
        }
    }
}

// Inline, so that the tracing loops may take them in despite the library's interposable symbols.
inline CContourLineMapqz::Corners CContourLineMapqz::cornersOf(const CDataGridRect& g, int i, int j)
{
    return Corners{{&g.points[i][j], &g.points[i + 1][j], &g.points[i + 1][j + 1], &g.points[i][j + 1]},
                   {g.values[i][j], g.values[i + 1][j], g.values[i + 1][j + 1], g.values[i][j + 1]}};
}

inline int CContourLineMapqz::cellSegments(const Corners& c, int code, const Trace& trace, Segment* out)
{
    // Corners counter-clockwise: c0 (i, j), c1 (i+1, j), c2 (i+1, j+1), c3 (i, j+1); edge e runs from
    // corner e to corner (e + 1) % 4.
    static constexpr int kEdges[16][4] = {
        {-1, -1, -1, -1}, {3, 0, -1, -1}, {0, 1, -1, -1}, {3, 1, -1, -1},
        {1, 2, -1, -1},   {-1, -1, -1, -1}, {0, 2, -1, -1}, {2, 3, -1, -1},
        {2, 3, -1, -1},   {0, 2, -1, -1}, {-1, -1, -1, -1}, {1, 2, -1, -1},
        {1, 3, -1, -1},   {0, 1, -1, -1}, {3, 0, -1, -1}, {-1, -1, -1, -1}};
    const double level = trace.value;
    const GridPoint* const* p = c.p;
    const double* v = c.v;
    if (code == 0 || code == 15) return 0;
    // Both ends at once, two lanes of the same operations in the same order: one division
    // instruction instead of two dependent on the corner loads, with the very same results.
    using Pair = double __attribute__((vector_size(16)));
    int n = 0;
    auto add = [&](int ea, int eb) {
        const int a0 = ea, b0 = (ea + 1) % 4, a1 = eb, b1 = (eb + 1) % 4;
        const Pair va = {v[a0], v[a1]}, vb = {v[b0], v[b1]};
        const Pair t = (level - va) / (vb - va);
        const Pair xa = {p[a0]->x, p[a1]->x}, xb = {p[b0]->x, p[b1]->x};
        const Pair ya = {p[a0]->y, p[a1]->y}, yb = {p[b0]->y, p[b1]->y};
        const Pair x = xa + t * (xb - xa), y = ya + t * (yb - ya);
        out[n++] = Segment{x[0], y[0], x[1], y[1], trace.sign, trace.index};
    };
    if (code == 5 || code == 10) {
        const bool centreInside = (v[0] + v[1] + v[2] + v[3]) * 0.25 >= level;
        // With the centre inside, the lines cut off the two outside corners; otherwise the two inside
        // ones.
        const bool cutC1C3 = (code == 5) == centreInside;
        if (cutC1C3) {
            add(0, 1);
            add(2, 3);
        } else {
            add(3, 0);
            add(1, 2);
        }
    } else {
        add(kEdges[code][0], kEdges[code][1]);
    }
    return n;
}

bool CContourLineMapqz::traceCell(const CDataGridRect& g, const Trace& trace, int i, int j)
{
    Segment found[2];
    const Corners c = cornersOf(g, i, j);
    int code = 0;
    for (int k = 0; k < 4; ++k) code |= (c.v[k] >= trace.value) << k;
    const int n = cellSegments(c, code, trace, found);
    for (int k = 0; k < n && static_cast<int>(store_.size()) < kMaxSegments; ++k) store_.push_back(found[k]);
    return static_cast<int>(store_.size()) < kMaxSegments;
}
