#include "stdafx.h"

#include "gridcore.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <limits>
#include <new>
#include <vector>

#include "sensorcore.h"

namespace cxc::maps {

namespace {

// Smallest and largest of the values seen, NaN left out.
struct Extremes {
    double lo = std::numeric_limits<double>::infinity();
    double hi = -std::numeric_limits<double>::infinity();
    bool any = false;
    void add(double x)
    {
        if (std::isnan(x)) return;
        lo = std::min(lo, x);
        hi = std::max(hi, x);
        any = true;
    }
};

}  // namespace

int setupGridPoints(SensorMapFields& v, int nx, int ny, int border)
{
    CDataGridRect& g = v.grid;
    // Cells between the borders: none means a spacing of x / 0. Checked in 64 bits before anything
    // is allocated, so that no table of unset points is left for the frame.
    const long long innerX = static_cast<long long>(nx) - 2LL * border;
    const long long innerY = static_cast<long long>(ny) - 2LL * border;
    if (innerX < 1 || innerY < 1) return 0;
    if (!g.points || g.nx != nx || g.ny != ny) g.initDataGridRect(nx, ny);
    if (!g.points) return 0;
    if (g.snsrCount < 1) collectSnsrLoc2D(v, v.chnlType);
    if (g.snsrCount < 1) return 0;
    const double dx = (g.xMax - g.xMin) / static_cast<double>(innerX);
    const double dy = (g.yMax - g.yMin) / static_cast<double>(innerY);
    for (int i = 0; i < nx; ++i) {
        const double offX = static_cast<double>(i - static_cast<long long>(border)) * dx;
        g.xAxis[i] = offX;
        for (int j = 0; j < ny; ++j) {
            const double offY = static_cast<double>(j - static_cast<long long>(border)) * dy;
            g.points[i][j] = GridPoint{offX + g.xMin, offY + g.yMin};
        }
    }
    for (int j = 0; j < ny; ++j) g.yAxis[j] = static_cast<double>(j - static_cast<long long>(border)) * dy;
    g.dx = dx;
    g.dy = dy;
    g.border = border;
    return 1;
}

double calcInfluenceRadius(const SnsrLocIndx* table, int n, int meanMode)
{
    if (!table || n < 1) return 0.0;
    double minSq = 10000.0;
    double sum = 0.0;
    for (int a = 0; a < n; ++a) {
        double nearestSq = DBL_MAX;
        for (int b = 0; b < n; ++b) {
            if (b == a) continue;
            const double ddx = table[a].x - table[b].x, ddy = table[a].y - table[b].y;
            const double dsq = ddy * ddy + ddx * ddx;
            if (dsq < nearestSq) {
                nearestSq = dsq;
                minSq = std::min(minSq, dsq);
            }
        }
        sum += std::sqrt(nearestSq);
    }
    return meanMode ? sum / n * 1.6 : std::sqrt(minSq) * 0.3;
}

int buildGridWeights(SensorMapFields& v, int meanMode)
{
    CDataGridRect& g = v.grid;
    if (g.snsrCount < 1 || !g.snsrLoc || !g.points || !g.weights || g.nx < 1 || g.ny < 1) return 0;
    const double r = calcInfluenceRadius(g.snsrLoc, g.snsrCount, meanMode);
    if (!(r > 0.0)) return 0;  // also NaN
    CouplingRefs refs;
    if (!checkInitTrial(v) || !fetchCoupling(v.trial, v.cxcClass, refs)) return 0;
    const CWavChnlChnlDataqz* elements = refs.currentRow();
    if (!elements) return 0;
    const __int64 row = refs.data->curRow;
    const __int64 m = refs.data->colsWalkable();
    g.gridRow = narrow<int>(row);

    // Each sensor's element in the row: the first whose column channel is the sensor's channel.
    std::vector<int> column(static_cast<size_t>(g.snsrCount), -1);
    for (int s = 0; s < g.snsrCount; ++s) {
        for (__int64 c = 0; c < m; ++c) {
            if (elements[c].colChnl == g.snsrLoc[s].chnl) {
                column[static_cast<size_t>(s)] = static_cast<int>(c);
                break;
            }
        }
    }

    std::vector<int> rows, cols;
    std::vector<double> w;
    rows.reserve(static_cast<size_t>(g.snsrCount));
    cols.reserve(static_cast<size_t>(g.snsrCount));
    w.reserve(static_cast<size_t>(g.snsrCount));
    for (int i = 0; i < g.nx; ++i) {
        for (int j = 0; j < g.ny; ++j) {
            const GridPoint p = g.points[i][j];
            rows.clear();
            cols.clear();
            w.clear();
            double sum = 0.0;
            for (int s = 0; s < g.snsrCount; ++s) {
                SnsrLocIndx& sensor = g.snsrLoc[s];
                const double ex = p.x - sensor.x, ey = p.y - sensor.y;
                const double d = std::sqrt(ex * ex + ey * ey);
                if (!(d < r)) continue;  // r itself is outside; a NaN distance too
                const int c = column[static_cast<size_t>(s)];
                if (c < 0) continue;  // in range but not in the row
                const double weight = 1.0 - d / r + 0.125;
                rows.push_back(g.gridRow);
                cols.push_back(c);
                w.push_back(weight);
                sensor.dataCol = c;
                sum += weight;
            }
            for (double& x : w) x /= sum;
            g.weights[i][j].assign(static_cast<int>(w.size()), rows.data(), cols.data(), w.data());
        }
    }
    return 1;
}

namespace {

// Whether the plan was made from the cells as they are now.
bool planIsCurrent(const GridValuePlan& p, const CDataGridRect& g)
{
    return p.weights && p.weights == g.weights && p.nx == g.nx && p.ny == g.ny && p.row == g.gridRow &&
           p.changes == WeightCell::changes();
}

// The cells' entries in cell order. Usable (oneRow) only when every entry names the grid's row and a
// column inside the row as it is now; the cells are walked one by one otherwise.
void makePlan(GridValuePlan& p, const CDataGridRect& g, __int64 columns)
{
    p.weights = nullptr;
    p.oneRow = false;
    p.col.clear();
    p.w.clear();
    p.firstSeen.clear();
    const size_t cells = static_cast<size_t>(g.nx) * static_cast<size_t>(g.ny);
    p.start.assign(cells + 1, 0);
    std::vector<char> seen(static_cast<size_t>(columns), 0);
    bool oneRow = true;
    int high = -1;
    size_t n = 0;
    for (int i = 0; i < g.nx && oneRow; ++i) {
        for (int j = 0; j < g.ny && oneRow; ++j, ++n) {
            const WeightCell& cell = g.weights[i][j];
            for (int k = 0; k < cell.k; ++k) {
                const int c = cell.cols[k];
                if (cell.rows[k] != g.gridRow || c < 0 || c >= columns) {
                    oneRow = false;
                    break;
                }
                if (!seen[static_cast<size_t>(c)]) {
                    seen[static_cast<size_t>(c)] = 1;
                    p.firstSeen.push_back(c);
                    high = std::max(high, c);
                }
                p.col.push_back(c);
                p.w.push_back(cell.w[k]);
            }
            p.start[n + 1] = p.col.size();
        }
    }
    p.oneRow = oneRow;
    p.highCol = high;
    p.fetched.assign(static_cast<size_t>(high + 1), 0.0);
    p.sums.assign(cells, 0.0);
    p.nx = g.nx;
    p.ny = g.ny;
    p.row = g.gridRow;
    p.changes = WeightCell::changes();
    p.weights = g.weights;
}

}  // namespace

int calcGridData(SensorMapFields& v)
{
    CDataGridRect& g = v.grid;
    if (!v.trial || g.nx < 1 || g.ny < 1) return 0;
    if (!checkInitTrial(v) || !v.trial) return 0;
    CSnsCohDataqz* data = classDataOf(v.trial, v.cxcClass);
    if (!data || !g.weights) return 0;
    double** values = g.values ? g.values : g.initDataGridRect(g.nx, g.ny);
    if (!values) return 0;

    const __int64 columns = std::max<__int64>(data->colsWalkable(), 0);
    GridValuePlan& plan = v.gridPlan;
    if (!planIsCurrent(plan, g)) {
        try {
            makePlan(plan, g, columns);
        } catch (const std::bad_alloc&) {
            plan.weights = nullptr;
        }
    }
    Extremes sensors, field;
    if (planIsCurrent(plan, g) && plan.oneRow && plan.highCol < columns) {
        // Each element the cells name is fetched once, in the order the cells first name it, and
        // counted in the sensors' extremes then; every point sums its entries in the cell's order.
        for (const int c : plan.firstSeen) {
            const double s = data->getValueSelect(-1, -1, g.gridRow, c);
            plan.fetched[static_cast<size_t>(c)] = s;
            sensors.add(s);
        }
        // Four points at a time, each still its own sum in its cell's order: four chains of
        // additions that overlap instead of one waiting on the next.
        const double* fetched = plan.fetched.data();
        const int* col = plan.col.data();
        const double* w = plan.w.data();
        const size_t* start = plan.start.data();
        const size_t cells = static_cast<size_t>(g.nx) * static_cast<size_t>(g.ny);
        double* sums = plan.sums.data();
        auto term = [&](size_t e) { return fetched[col[e]] * w[e]; };
        size_t n = 0;
        for (; n + 4 <= cells; n += 4) {
            const size_t b0 = start[n], b1 = start[n + 1], b2 = start[n + 2], b3 = start[n + 3], e3 = start[n + 4];
            const size_t common = std::min(std::min(b1 - b0, b2 - b1), std::min(b3 - b2, e3 - b3));
            double a0 = 0.0, a1 = 0.0, a2 = 0.0, a3 = 0.0;
            for (size_t t = 0; t < common; ++t) {
                a0 += term(b0 + t);
                a1 += term(b1 + t);
                a2 += term(b2 + t);
                a3 += term(b3 + t);
            }
            for (size_t e = b0 + common; e < b1; ++e) a0 += term(e);
            for (size_t e = b1 + common; e < b2; ++e) a1 += term(e);
            for (size_t e = b2 + common; e < b3; ++e) a2 += term(e);
            for (size_t e = b3 + common; e < e3; ++e) a3 += term(e);
            sums[n] = a0;
            sums[n + 1] = a1;
            sums[n + 2] = a2;
            sums[n + 3] = a3;
        }
        for (; n < cells; ++n) {
            double value = 0.0;
            for (size_t e = start[n]; e < start[n + 1]; ++e) value += term(e);
            sums[n] = value;
        }
        // Which NaN a sum ends in depends on the order of each addition's operands, which the
        // compiler chooses: the one-by-one walk ended in the last NaN term (a NaN made by inf - inf
        // only when no NaN term came after it), and so does every point here.
        n = 0;
        for (int i = 0; i < g.nx; ++i) {
            double* out = values[i];
            for (int j = 0; j < g.ny; ++j, ++n) {
                double value = sums[n];
                if (std::isnan(value))
                    for (size_t e = start[n]; e < start[n + 1]; ++e)
                        if (const double t = term(e); std::isnan(t)) value = t;
                out[j] = value;
                field.add(value);
            }
        }
    } else {
        // Many grid points share a sensor: each element of the grid's row is fetched once per call,
        // and counted in the sensors' extremes then (taking a value in again cannot move them).
        std::vector<double> fetched(static_cast<size_t>(columns));
        std::vector<char> known(static_cast<size_t>(columns), 0);
        auto sensorValue = [&](int row, int col) {
            if (row != g.gridRow || col < 0 || col >= columns) {
                const double s = data->getValueSelect(-1, -1, row, col);
                sensors.add(s);
                return s;
            }
            const size_t at = static_cast<size_t>(col);
            if (!known[at]) {
                fetched[at] = data->getValueSelect(-1, -1, row, col);
                known[at] = 1;
                sensors.add(fetched[at]);
            }
            return fetched[at];
        };
        for (int i = 0; i < g.nx; ++i) {
            for (int j = 0; j < g.ny; ++j) {
                const WeightCell& cell = g.weights[i][j];
                double value = 0.0;
                for (int k = 0; k < cell.k; ++k) value += sensorValue(cell.rows[k], cell.cols[k]) * cell.w[k];
                values[i][j] = value;
                field.add(value);
            }
        }
    }
    // No sensor reached any point, or every value fetched (or formed) was NaN: nothing to scale.
    if (!sensors.any || !field.any) return 0;
    const double span = sensors.hi - sensors.lo;
    if (span == 0.0 || !std::isfinite(span)) return 0;
    const double scale = (field.hi - field.lo) / span;
    if (scale == 0.0) {
        cxc::tellUser(text::kGridRangeZero);
        return 0;
    }
    if (!std::isfinite(scale)) return 0;
    // Divided first in a plain loop, which the compiler does several at a time.
    Extremes scaled;
    for (int i = 0; i < g.nx; ++i) {
        double* row = values[i];
        for (int j = 0; j < g.ny; ++j) row[j] /= scale;
        for (int j = 0; j < g.ny; ++j) scaled.add(row[j]);
    }
    g.snsrMin = sensors.lo;
    g.snsrMax = sensors.hi;
    g.gridMin = scaled.lo;
    g.gridMax = scaled.hi;
    g.fieldMaximum = std::max(std::fabs(g.gridMin), std::fabs(g.gridMax));

    if (v.autofit) v.contourThreshold = v.contourLevels > 0 ? g.fieldMaximum / v.contourLevels : 0.0;
    if (!(v.contourThreshold >= 0.0)) v.contourThreshold = 0.0;  // also NaN
    if (v.contourThreshold > g.fieldMaximum) v.contourThreshold = g.fieldMaximum;
    return 1;
}

}  // namespace cxc::maps
