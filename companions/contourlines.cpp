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
    double previous = 0.0;
    for (size_t k = 0; k < levels_.size(); ++k) {
        const double level = levels_[k];
        if (k > 0 && level == previous) continue;  // equal levels would trace the same lines again
        previous = level;
        if (level == 0.0) {
            traceLevel(*grid, 0.0, +1, static_cast<int>(k));
        } else {
            traceLevel(*grid, level, +1, static_cast<int>(k));
            traceLevel(*grid, -level, -1, static_cast<int>(k));
        }
    }
    segCount = static_cast<int>(store_.size());
    segments = store_.empty() ? nullptr : store_.data();
    return 1;
}

void CContourLineMapqz::traceLevel(const CDataGridRect& g, double level, int sign, int index)
{
    // Corners counter-clockwise: c0 (i, j), c1 (i+1, j), c2 (i+1, j+1), c3 (i, j+1); edge e runs from
    // corner e to corner (e + 1) % 4.
    static constexpr int kEdges[16][4] = {
        {-1, -1, -1, -1}, {3, 0, -1, -1}, {0, 1, -1, -1}, {3, 1, -1, -1},
        {1, 2, -1, -1},   {-1, -1, -1, -1}, {0, 2, -1, -1}, {2, 3, -1, -1},
        {2, 3, -1, -1},   {0, 2, -1, -1}, {-1, -1, -1, -1}, {1, 2, -1, -1},
        {1, 3, -1, -1},   {0, 1, -1, -1}, {3, 0, -1, -1}, {-1, -1, -1, -1}};
    for (int i = 0; i + 1 < g.nx; ++i) {
        for (int j = 0; j + 1 < g.ny; ++j) {
            // No corner reaches the level, or every corner does: nothing crosses this cell.
            const CellRange& range = cells_[static_cast<size_t>(i) * static_cast<size_t>(g.ny - 1) + static_cast<size_t>(j)];
            if (!range.finite || range.hi < level || range.lo >= level) continue;
            const GridPoint* p[4] = {&g.points[i][j], &g.points[i + 1][j], &g.points[i + 1][j + 1], &g.points[i][j + 1]};
            const double v[4] = {g.values[i][j], g.values[i + 1][j], g.values[i + 1][j + 1], g.values[i][j + 1]};
            bool finite = true;
            int code = 0;
            for (int c = 0; c < 4; ++c) {
                finite = finite && std::isfinite(v[c]) && std::isfinite(p[c]->x) && std::isfinite(p[c]->y);
                if (v[c] >= level) code |= 1 << c;
            }
            if (!finite || code == 0 || code == 15) continue;
            auto cross = [&](int e, double& x, double& y) {
                const int a = e, b = (e + 1) % 4;
                const double t = (level - v[a]) / (v[b] - v[a]);
                x = p[a]->x + t * (p[b]->x - p[a]->x);
                y = p[a]->y + t * (p[b]->y - p[a]->y);
            };
            auto add = [&](int ea, int eb) {
                if (static_cast<int>(store_.size()) >= kMaxSegments) return;
                Segment s{0, 0, 0, 0, sign, index};
                cross(ea, s.x1, s.y1);
                cross(eb, s.x2, s.y2);
                store_.push_back(s);
            };
            if (code == 5 || code == 10) {
                const bool centreInside = (v[0] + v[1] + v[2] + v[3]) * 0.25 >= level;
                // With the centre inside, the lines cut off the two outside corners; otherwise the
                // two inside ones.
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
            if (static_cast<int>(store_.size()) >= kMaxSegments) return;
        }
    }
}
