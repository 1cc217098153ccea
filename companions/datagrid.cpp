#include "datagrid.h"

#include <algorithm>
#include <atomic>
#include <new>
#include <vector>

namespace {
std::atomic<unsigned long long> cellChanges{0};
}  // namespace

unsigned long long WeightCell::changes() { return cellChanges.load(std::memory_order_relaxed); }

void WeightCell::clear()
{
    cellChanges.fetch_add(1, std::memory_order_relaxed);
    delete[] rows;
    delete[] cols;
    delete[] w;
    rows = cols = nullptr;
    w = nullptr;
    k = 0;
}

int WeightCell::assign(int count, const int* r, const int* c, const double* weights)
{
    clear();
    if (count < 1 || !r || !c || !weights) return 0;
    int* nr = new (std::nothrow) int[static_cast<size_t>(count)];
    int* nc = new (std::nothrow) int[static_cast<size_t>(count)];
    double* nw = new (std::nothrow) double[static_cast<size_t>(count)];
    if (!nr || !nc || !nw) {
        delete[] nr;
        delete[] nc;
        delete[] nw;
        return 0;
    }
    std::copy(r, r + count, nr);
    std::copy(c, c + count, nc);
    std::copy(weights, weights + count, nw);
    rows = nr;
    cols = nc;
    w = nw;
    k = count;
    return 1;
}

struct CDataGridRect::Tables {
    std::vector<GridPoint> points;
    std::vector<GridPoint*> pointRows;
    std::unique_ptr<WeightCell[]> weights;
    std::vector<WeightCell*> weightRows;
    std::vector<double> values;
    std::vector<double*> valueRows;
    std::vector<double> xAxis;
    std::vector<double> yAxis;
};

CDataGridRect::CDataGridRect() = default;

CDataGridRect::~CDataGridRect()
{
    cleanDataGridRect();
    cleanSnsrLoc2D();
}

double** CDataGridRect::initDataGridRect(int newNx, int newNy)
{
    if (tables_ && newNx == nx && newNy == ny) return values;
    cleanDataGridRect();
    if (newNx < 1 || newNy < 1 || newNx > kMaxSide || newNy > kMaxSide ||
        static_cast<long long>(newNx) * newNy > kMaxPoints)
        return nullptr;
    const size_t n = static_cast<size_t>(newNx) * static_cast<size_t>(newNy);
    try {
        auto t = std::make_unique<Tables>();
        t->points.assign(n, GridPoint{0.0, 0.0});
        t->weights = std::make_unique<WeightCell[]>(n);
        t->values.assign(n, 0.0);
        t->xAxis.assign(static_cast<size_t>(newNx), 0.0);
        t->yAxis.assign(static_cast<size_t>(newNy), 0.0);
        t->pointRows.resize(static_cast<size_t>(newNx));
        t->weightRows.resize(static_cast<size_t>(newNx));
        t->valueRows.resize(static_cast<size_t>(newNx));
        for (size_t i = 0; i < static_cast<size_t>(newNx); ++i) {
            t->pointRows[i] = t->points.data() + i * static_cast<size_t>(newNy);
            t->weightRows[i] = t->weights.get() + i * static_cast<size_t>(newNy);
            t->valueRows[i] = t->values.data() + i * static_cast<size_t>(newNy);
        }
        tables_ = std::move(t);
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
    nx = newNx;
    ny = newNy;
    points = tables_->pointRows.data();
    weights = tables_->weightRows.data();
    values = tables_->valueRows.data();
    xAxis = tables_->xAxis.data();
    yAxis = tables_->yAxis.data();
    return values;
}

SnsrLocIndx* CDataGridRect::checkInitSnsrLoc2D(int n)
{
    if (n < 1) return nullptr;
    if (snsrStore_ && snsrCapacity >= n) {
        snsrLoc = snsrStore_.get();
        return snsrLoc;
    }
    SnsrLocIndx* fresh = new (std::nothrow) SnsrLocIndx[static_cast<size_t>(n)]();
    if (!fresh) return nullptr;
    snsrStore_.reset(fresh);
    snsrCapacity = n;
    snsrLoc = fresh;
    snsrCount = 0;
    return snsrLoc;
}

void CDataGridRect::cleanDataGridRect()
{
    tables_.reset();
    points = nullptr;
    weights = nullptr;
    values = nullptr;
    xAxis = nullptr;
    yAxis = nullptr;
    nx = ny = 0;
}

void CDataGridRect::cleanSnsrLoc2D()
{
    snsrStore_.reset();
    snsrLoc = nullptr;
    snsrCount = 0;
    snsrCapacity = 0;
}
