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
    // Each cell's extremes once, so that a level passes over the cells it cannot cross at a glance.
    const CDataGridRect& g = *grid;
    cells_.resize(static_cast<size_t>(g.nx - 1) * static_cast<size_t>(g.ny - 1));
    for (int i = 0; i + 1 < g.nx; ++i) {
        for (int j = 0; j + 1 < g.ny; ++j) {
            const GridPoint* p[4] = {&g.points[i][j], &g.points[i + 1][j], &g.points[i + 1][j + 1], &g.points[i][j + 1]};
            const double v[4] = {g.values[i][j], g.values[i + 1][j], g.values[i + 1][j + 1], g.values[i][j + 1]};
            CellRange& c = cells_[static_cast<size_t>(i) * static_cast<size_t>(g.ny - 1) + static_cast<size_t>(j)];
            c.finite = true;
            for (int k = 0; k < 4; ++k)
                c.finite = c.finite && std::isfinite(v[k]) && std::isfinite(p[k]->x) && std::isfinite(p[k]->y);
            c.lo = std::min(std::min(v[0], v[1]), std::min(v[2], v[3]));
            c.hi = std::max(std::max(v[0], v[1]), std::max(v[2], v[3]));
        }
    }
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
        const auto rows = static_cast<size_t>(g.ny - 1);
        for (const Trace& trace : traces_)
            for (int i = 0; i + 1 < g.nx; ++i)
                for (int j = 0; j + 1 < g.ny; ++j) {
                    const CellRange& range = cells_[static_cast<size_t>(i) * rows + static_cast<size_t>(j)];
                    if (!range.finite || range.hi < trace.value || range.lo >= trace.value) continue;
                    if (!traceCell(g, trace, i, j)) return;
                }
    };
    traceAll();
    segCount = static_cast<int>(store_.size());
    segments = store_.empty() ? nullptr : store_.data();
    return 1;
}

bool CContourLineMapqz::countSegments(const CDataGridRect& g)
{
    // A cell crosses the values in (lo, hi]: two searches over the sorted values find them, instead
    // of a test per trace and cell. A value that is not finite crosses nothing.
    order_.clear();
    for (size_t t = 0; t < traces_.size(); ++t)
        if (std::isfinite(traces_[t].value)) order_.push_back(static_cast<int>(t));
    std::sort(order_.begin(), order_.end(), [&](int a, int b) {
        return traces_[static_cast<size_t>(a)].value < traces_[static_cast<size_t>(b)].value;
    });
    sorted_.resize(order_.size());
    for (size_t s = 0; s < order_.size(); ++s) sorted_[s] = traces_[static_cast<size_t>(order_[s])].value;
    // How many sorted values are <= bound; without branches on the data, which the corner values of
    // a noisy field would mispredict at every step.
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
    spans_.resize(cells_.size());
    start_.assign(traces_.size() + 1, 0);
    long long total = 0;
    auto count = [&](int first, int last) {
        total += last - first;
        for (int s = first; s < last; ++s) ++start_[static_cast<size_t>(order_[static_cast<size_t>(s)]) + 1];
    };
    Span* span = spans_.data();
    const CellRange* range = cells_.data();
    for (int i = 0; i + 1 < g.nx; ++i) {
        for (int j = 0; j + 1 < g.ny; ++j, ++span, ++range) {
            span->first = range->finite ? above(range->lo) : 0;
            span->last = range->finite ? above(range->hi) : 0;
            if (span->first == span->last) continue;
            count(span->first, span->last);
            // A saddle (both corners of one diagonal inside, of the other outside) gives two segments:
            // a value in (max of one diagonal, min of the other].
            const double v0 = g.values[i][j], v1 = g.values[i + 1][j], v2 = g.values[i + 1][j + 1], v3 = g.values[i][j + 1];
            double lo = std::max(v1, v3), hi = std::min(v0, v2);
            if (!(lo < hi)) {
                lo = std::max(v0, v2);
                hi = std::min(v1, v3);
            }
            if (lo < hi) count(above(lo), above(hi));
            // Beyond the limit the segments would only cost memory: the scan stops there instead.
            if (total > kMaxSegments) return false;
        }
    }
    for (size_t t = 0; t < traces_.size(); ++t) start_[t + 1] += start_[t];
    return true;
}

void CContourLineMapqz::writeSegments(const CDataGridRect& g)
{
    // Each trace's segments in cell order, the order a scan would meet them, written in place in one
    // pass over the cells, so each cell's corners are read once for all the values it crosses.
    store_.resize(start_.back());
    fill_.assign(start_.begin(), start_.end() - 1);
    Segment* out = store_.data();
    const Span* span = spans_.data();
    for (int i = 0; i + 1 < g.nx; ++i) {
        for (int j = 0; j + 1 < g.ny; ++j, ++span) {
            if (span->first == span->last) continue;
            const Corners c = cornersOf(g, i, j);
            for (int s = span->first; s < span->last; ++s) {
                const auto t = static_cast<size_t>(order_[static_cast<size_t>(s)]);
                fill_[t] += static_cast<size_t>(cellSegments(c, traces_[t], out + fill_[t]));
            }
        }
    }
}

CContourLineMapqz::Corners CContourLineMapqz::cornersOf(const CDataGridRect& g, int i, int j)
{
    return Corners{{&g.points[i][j], &g.points[i + 1][j], &g.points[i + 1][j + 1], &g.points[i][j + 1]},
                   {g.values[i][j], g.values[i + 1][j], g.values[i + 1][j + 1], g.values[i][j + 1]}};
}

int CContourLineMapqz::cellSegments(const Corners& c, const Trace& trace, Segment* out)
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
    int code = 0;
    for (int k = 0; k < 4; ++k)
        if (v[k] >= level) code |= 1 << k;
    if (code == 0 || code == 15) return 0;
    auto cross = [&](int e, double& x, double& y) {
        const int a = e, b = (e + 1) % 4;
        const double t = (level - v[a]) / (v[b] - v[a]);
        x = p[a]->x + t * (p[b]->x - p[a]->x);
        y = p[a]->y + t * (p[b]->y - p[a]->y);
    };
    int n = 0;
    auto add = [&](int ea, int eb) {
        Segment& s = out[n++];
        s.sign = trace.sign;
        s.level = trace.index;
        cross(ea, s.x1, s.y1);
        cross(eb, s.x2, s.y2);
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
    const int n = cellSegments(cornersOf(g, i, j), trace, found);
    for (int k = 0; k < n && static_cast<int>(store_.size()) < kMaxSegments; ++k) store_.push_back(found[k]);
    return static_cast<int>(store_.size()) < kMaxSegments;
}
