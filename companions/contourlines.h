// Contour map library, contour lines of a data grid: levels spread evenly from the threshold to
// the field maximum, each traced at +L and at -L by marching squares, kept as straight segments in
// plane units and drawn with the views' pixel mapping.
#pragma once

#include <cstddef>
#include <memory>
#include <utility>
#include <vector>

#include "windows.h"

class CDataGridRect;
struct GridPoint;
class CDC;
class CPen;

struct Segment {
    double x1, y1, x2, y2;  // plane units
    int sign;               // +1: traced at +L (first pen), -1: at -L (second pen)
    int level;              // index of the level
};

class CContourLineMapqz {
public:
    double threshold = 0.0;  // lowest level
    double fieldMax = 0.0;   // highest level
    int levelCount = 0;

    static constexpr int kMaxLevels = 1000;
    static constexpr int kMaxSegments = 1 << 21;

    CContourLineMapqz();
    ~CContourLineMapqz();
    CContourLineMapqz(const CContourLineMapqz&) = delete;
    CContourLineMapqz& operator=(const CContourLineMapqz&) = delete;

    // Drops the lines: segCount and segments become 0.
    void _clean();
    // Levels L_k = lo + k * (hi - lo) / (n - 1), k = 0 .. n - 1 (n = 1: just lo). 0 (and no levels,
    // so no lines) for n < 1, n above kMaxLevels or a bound that is not finite.
    int initLevelAbs(double lo, double hi, int n);
    double levelAt(int k) const;
    // Traces every level at +L_k and -L_k (a level of 0 once, with the positive sign) over the grid's
    // cells. A corner is inside when its value is >= the level; crossings are interpolated linearly
    // along the cell edges; a saddle follows the mean of its four corners; a cell with a non-finite
    // corner value or position is skipped. Tracing stops at kMaxSegments. 1 when traced (with or
    // without lines), 0 without levels, values, points or a grid of at least 2 x 2.
    int dataGrid2ContourLinePro(CDataGridRect* grid);
    // Draws every segment: px = trunc(x * sx + x0) (mirror: w - px), py = trunc(h - (y * sy + y0)),
    // with the first pen for +L and the second for -L (a null pen: the DC's current one). With
    // labels, each level's value is written at its first segment. The DC's pen (and for labels its
    // text colour and background mode) come back as they were. 0 for a null DC or no lines.
    int drawMap(CDC* dc, int x0, int y0, double sx, double sy, int w, int h, bool mirror, bool labels,
                CPen* first, CPen* second);

    int segCount = 0;
    Segment* segments = nullptr;

private:
    struct Trace {
        double value;  // +L or -L
        int sign;
        int index;     // of the level
    };
    // Ranks every grid point among the sorted trace values and, from its corners' ranks, the values
    // each cell crosses (spans_), then where each trace's segments begin in the store (start_); false
    // when there would be more than kMaxSegments of them.
    bool countSegments(const CDataGridRect& grid);
    // Writes the counted segments, trace after trace.
    void writeSegments(const CDataGridRect& grid);
    // Adds the segments of cell (i, j) at the trace; false once at kMaxSegments.
    bool traceCell(const CDataGridRect& grid, const Trace& trace, int i, int j);
    struct Corners {
        const GridPoint* p[4];  // counter-clockwise from (i, j)
        double v[4];
    };
    static Corners cornersOf(const CDataGridRect& grid, int i, int j);
    // Writes the cell's 0, 1 or 2 segments at the trace to out; bit k of code: corner k is inside.
    static int cellSegments(const Corners& corners, int code, const Trace& trace, Segment* out);

    std::vector<double> levels_;
    // Grows without clearing: the write pass sets every slot of a tracing's segments.
    template <class T>
    struct Uncleared : std::allocator<T> {
        template <class U>
        struct rebind {
            using other = Uncleared<U>;
        };
        Uncleared() = default;
        template <class U>
        Uncleared(const Uncleared<U>&) noexcept
        {
        }
        template <class U>
        void construct(U* p) noexcept
        {
            ::new (static_cast<void*>(p)) U;
        }
        template <class U, class... A>
        void construct(U* p, A&&... a)
        {
            ::new (static_cast<void*>(p)) U(std::forward<A>(a)...);
        }
    };
    std::vector<Segment, Uncleared<Segment>> store_;
    // Kept between tracings and drawings, so a tick allocates nothing once they have grown.
    struct Span {
        int i, j;         // the cell
        int first, last;  // the sorted values it crosses
    };
    std::vector<Trace> traces_;
    std::vector<int> order_;      // finite traces by value
    std::vector<double> sorted_;  // their values
    std::vector<int> rank_;       // per point (i, j) at i * ny + j: sorted values <= its value; -1 if not finite
    std::vector<Span> spans_;     // the cells that cross a value, in cell order
    std::vector<long long> runs_;            // per sorted value, the runs of crossed values beginning, then ending there
    std::vector<std::size_t> start_, fill_;  // per trace, where its segments begin in store_
    std::vector<Trace> bySorted_;            // the finite traces in the order of sorted_
    std::vector<POINT> ends_;                // segment ends in pixels, for one pen
};
