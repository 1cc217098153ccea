// Contour map library, the data grid: a sensor location table and the point, weight and value tables
// of a regular grid over the 2-D sensor plane. The map views fill and read the members directly;
// this class allocates, zero-fills and frees.
#pragma once

#include <memory>

struct SnsrLocIndx {
    double x;     // plane units
    double y;
    int chnl;     // index into the trial's channel table
    int dataCol;  // element of the pair array row that holds this sensor
};

struct GridPoint {
    double x;  // plane units
    double y;
};

// The sensors that contribute to one grid point: k entries of pair-array row, column and weight.
// The cell owns its arrays. Change them through assign and clear only: changes() counts those calls
// (in every cell), so a flat copy of the cells can tell when it is stale.
struct WeightCell {
    int k = 0;
    int* rows = nullptr;
    int* cols = nullptr;
    double* w = nullptr;

    WeightCell() = default;
    ~WeightCell() { clear(); }
    WeightCell(const WeightCell&) = delete;
    WeightCell& operator=(const WeightCell&) = delete;

    void clear();
    // Replaces the contributors with copies of the k entries; 0 (cell empty) when k < 1 or the
    // arrays cannot be made.
    int assign(int count, const int* r, const int* c, const double* weights);
    static unsigned long long changes();
};

class CDataGridRect {
public:
    int snsrCount = 0;
    SnsrLocIndx* snsrLoc = nullptr;
    double xMin = 0.0, xMax = 0.0, yMin = 0.0, yMax = 0.0;  // sensor bounding box, plane units
    double invProjScale = 1.0;
    int border = 0;       // extra grid cells beyond the sensors on each side
    double dx = 0.0;      // grid spacing, plane units
    double dy = 0.0;
    int nx = 0;           // grid columns
    int ny = 0;           // grid rows
    GridPoint** points = nullptr;   // [nx][ny]
    WeightCell** weights = nullptr; // [nx][ny]
    double** values = nullptr;      // [nx][ny]
    double snsrMin = 0.0, snsrMax = 0.0, gridMin = 0.0, gridMax = 0.0, fieldMaximum = 0.0;
    double* xAxis = nullptr;  // [nx]
    double* yAxis = nullptr;  // [ny]
    int gridRow = 0;          // pair-array row the weights were built for

    static constexpr int kMaxSide = 4096;
    static constexpr long long kMaxPoints = 1LL << 24;

    CDataGridRect();
    ~CDataGridRect();
    CDataGridRect(const CDataGridRect&) = delete;
    CDataGridRect& operator=(const CDataGridRect&) = delete;

    // Zero-filled point, weight and value tables and axes of nx x ny; the tables are kept when the
    // size is unchanged and made again otherwise. Returns `values`; null (and no tables) for a side
    // below 1 or above kMaxSide, more than kMaxPoints points, or no memory. Never throws.
    double** initDataGridRect(int nx, int ny);
    // A sensor table with room for at least n records (the current one when large enough; a new,
    // zero-filled one otherwise, which resets snsrCount). Null for n < 1 or no memory.
    SnsrLocIndx* checkInitSnsrLoc2D(int n);
    void cleanDataGridRect();
    void cleanSnsrLoc2D();

private:
    struct Tables;
    std::unique_ptr<Tables> tables_;
    std::unique_ptr<SnsrLocIndx[]> snsrStore_;
    int snsrCapacity = 0;
};
