// Lines and sensor circles against computed references: clipping, dashes, wide pens, far coordinates.
#include <gtest/gtest.h>

#include <climits>
#include <vector>

#include "cxcpixels.h"
#include "gdi_canvas.h"

namespace {

using namespace testgdi;

// The one-pixel line rule, computed directly per visible major coordinate: pixel i lies i steps along
// the major axis and floor((2 i minor + major - 1) / (2 major)) along the minor one (halves round back
// toward the start); the end point is left out.
PixelSet referenceLine(long long x0, long long y0, long long x1, long long y1, int w, int h)
{
    PixelSet set;
    const long long dx = x1 - x0, dy = y1 - y0, adx = dx < 0 ? -dx : dx, ady = dy < 0 ? -dy : dy;
    const bool xMajor = adx >= ady;
    const long long dM = xMajor ? adx : ady, dm = xMajor ? ady : adx;
    if (dM == 0) return set;
    const int sM = (xMajor ? dx : dy) > 0 ? 1 : -1, sm = (xMajor ? dy : dx) > 0 ? 1 : ((xMajor ? dy : dx) < 0 ? -1 : 0);
    const long long M0 = xMajor ? x0 : y0, m0 = xMajor ? y0 : x0;
    const int limit = xMajor ? w : h, minorLimit = xMajor ? h : w;
    for (int M = 0; M < limit; ++M) {
        const long long i = (M - M0) * sM;
        if (i < 0 || i >= dM) continue;
        const __int128 q = (2 * static_cast<__int128>(i) * dm + dM - 1) / (2 * static_cast<__int128>(dM));
        const long long m = m0 + sm * static_cast<long long>(q);
        if (m < 0 || m >= minorLimit) continue;
        set.emplace(xMajor ? M : static_cast<int>(m), xMajor ? static_cast<int>(m) : M);
    }
    return set;
}

TEST(LineTo, HugeCoordinatesDrawExactlyTheVisiblePart)
{
    const int big = 1 << 30;
    const long long cases[][4] = {
        {-big, 5, big, 25},        {big, -big, -big, big},       {-big, -big, big, big - 7},
        {17, -big, 40, big},       {INT_MIN, 3, INT_MAX, 28},    {INT_MAX, INT_MIN, INT_MIN, INT_MAX},
        {-big, 40, big, 40},       {30, INT_MIN, 30, INT_MAX},   {INT_MIN, INT_MIN, INT_MAX, INT_MAX},
        {-60, 5, 100, 26},         {-31, -47, 90, 71},           {99, -13, -20, 40},
    };
    Canvas canvas(64, 32);
    for (const auto& c : cases) {
        // Two hundred of them: a walker that stepped through the invisible part would never finish.
        for (int k = 0; k < 200; ++k)
            canvas.line(static_cast<int>(c[0]), static_cast<int>(c[1]), static_cast<int>(c[2]), static_cast<int>(c[3]));
        EXPECT_EQ(canvas.pixelsOf(kBlack), referenceLine(c[0], c[1], c[2], c[3], 64, 32)) << c[0] << "," << c[1];
        canvas.clear(kWhite);
    }
}

TEST(DrawSegments, ABatchLightsTheLinesOfItsPairsInsideAndAcrossThePictureEdge)
{
    // Every octant, lengths 0 to 13 (past the short walk), then the batch moved partly off the picture.
    const int offsets[][2] = {{0, 0}, {1, 0}, {0, -1}, {3, 1}, {-3, 2}, {2, -7}, {-8, -3}, {8, 8}, {-9, 4}, {4, 9}, {-13, -6}, {12, -11}};
    for (const auto& [sx, sy] : {std::pair{0, 0}, {-17, -20}, {50, 30}}) {
        Canvas canvas(64, 64);
        std::vector<POINT> ends;
        PixelSet expected;
        for (int k = 0; k < 12; ++k) {
            const int x = 14 + 18 * (k % 3) + sx, y = 12 + 12 * (k / 3) + sy;
            ends.insert(ends.end(), {POINT{x, y}, POINT{x + offsets[k][0], y + offsets[k][1]}});
            expected.merge(referenceLine(x, y, x + offsets[k][0], y + offsets[k][1], 64, 64));
        }
        ASSERT_TRUE(cxc::gdi::drawSegments(canvas.dc, ends.data(), 12));
        EXPECT_EQ(canvas.pixelsOf(kBlack), expected) << sx << "," << sy;
    }
}

TEST(DashedPen, EighteenOnSixOffGapsFilledWhenOpaqueRunsOnAlongAChainWiderPensSolidAndWideLinesSameEitherWay)
{
    // '#' pen, 'g' gap in the background colour, '.' untouched.
    for (auto [mode, expected] : {std::pair{TRANSPARENT, "##################......##################......############"},
                                  {OPAQUE, "##################gggggg##################gggggg############"}}) {
        Canvas canvas(60, 1);
        CPen dash(PS_DASH, 1, kBlack);
        Selected keep(canvas.dc, &dash);
        canvas.dc.SetBkMode(mode);
        canvas.dc.SetBkColor(kRed);
        canvas.line(0, 0, 60, 0);
        std::string row;
        for (int x = 0; x < 60; ++x) row += canvas.at(x, 0) == kBlack ? '#' : canvas.at(x, 0) == kRed ? 'g' : '.';
        EXPECT_EQ(row, expected);
    }

    Canvas whole(60, 2), chained(60, 2);
    CPen a(PS_DASH, 1, kBlack), b(PS_DASH, 1, kBlack);
    Selected keepA(whole.dc, &a), keepB(chained.dc, &b);
    whole.dc.SetBkMode(TRANSPARENT);
    chained.dc.SetBkMode(TRANSPARENT);
    whole.line(0, 0, 50, 0);
    chained.dc.MoveTo(0, 0);
    for (int x = 7; x <= 50; x += 7) chained.dc.LineTo(std::min(x, 50), 0);
    chained.dc.LineTo(50, 0);
    EXPECT_EQ(chained.row(0, kBlack), whole.row(0, kBlack));
    chained.line(0, 1, 20, 1);  // after MoveTo the next segment starts with a full dash
    EXPECT_EQ(chained.row(1, kBlack).substr(0, 20), "##################..");

    Canvas wide(40, 6);
    CPen pen(PS_DASH, 2, kBlack);
    Selected keep(wide.dc, &pen);
    wide.line(1, 3, 38, 3);
    EXPECT_EQ(wide.row(3, kBlack), std::string(39, '#') + ".");  // the round cap reaches column 0
    // Even widths sit half a pixel up and left, caps are round: pinned by the snapshots of the link maps.
    for (int width : {2, 3, 4, 7}) {
        Canvas forward(40, 30), backward(40, 30);
        CPen p1(PS_SOLID, width, kBlack), p2(PS_SOLID, width, kBlack);
        Selected k1(forward.dc, &p1), k2(backward.dc, &p2);
        forward.line(4, 5, 33, 21);
        backward.line(33, 21, 4, 5);
        EXPECT_EQ(forward.picture(kBlack), backward.picture(kBlack)) << width;
    }
    Canvas canvas(50, 20);
    CPen thick(PS_SOLID, 3, kBlack);
    Selected keepThick(canvas.dc, &thick);
    for (int k = 0; k < 200; ++k) canvas.line(INT_MIN, 10, INT_MAX, 10);
    for (int y = 0; y < 20; ++y) EXPECT_EQ(canvas.row(y, kBlack), std::string(50, y >= 9 && y <= 11 ? '#' : '.')) << y;
}

// The textbook integer midpoint circle, one octant mirrored eight ways.
PixelSet midpointCircle(int cx, int cy, int r, int w, int h)
{
    PixelSet set;
    auto plot = [&](int x, int y) {
        if (x >= 0 && y >= 0 && x < w && y < h) set.emplace(x, y);
    };
    for (int x = 0, y = r, d = 1 - r; x <= y; ++x) {
        for (int sx : {-1, 1})
            for (int sy : {-1, 1}) {
                plot(cx + sx * x, cy + sy * y);
                plot(cx + sx * y, cy + sy * x);
            }
        d += d < 0 ? 2 * x + 3 : 2 * (x - y--) + 5;
    }
    return set;
}

// How a sensor is drawn: move to the rightmost point, then a full turn from 0 degrees.
void sensorCircle(CDC& dc, int x, int y, int r)
{
    dc.MoveTo(x + r, y);
    dc.AngleArc(x, y, r, 0.0f, 360.0f);
}

TEST(AngleArc, FullCircleIsTheMidpointCircleForEveryRadiusAlsoWhenClippedAndUpToIntMax)
{
    Canvas canvas(101, 101);
    for (int r = 0; r <= 50; ++r)
        for (const auto& [x, y] : {std::pair{50, 50}, {47, 53}}) {  // each radius twice: circles move whole
            canvas.clear(kWhite);
            sensorCircle(canvas.dc, x, y, r);
            ASSERT_EQ(canvas.pixelsOf(kBlack), midpointCircle(x, y, r, 101, 101)) << "radius " << r;
        }
    Canvas clipped(30, 20);
    for (auto [x, y] : {std::pair{0, 0}, {29, 19}, {-5, 10}, {15, -8}, {40, 25}, {10, 30}})
        for (int r : {3, 9, 17, 26}) {
            clipped.clear(kWhite);
            sensorCircle(clipped.dc, x, y, r);
            ASSERT_EQ(clipped.pixelsOf(kBlack), midpointCircle(x, y, r, 30, 20)) << x << "," << y << " r " << r;
        }
    Canvas far(40, 32);
    // Centre far to the left: the rim crosses the picture as the column x = 20.
    for (int k = 0; k < 50; ++k) {
        far.dc.MoveTo(20, 16);
        far.dc.AngleArc(20 - INT_MAX, 16, INT_MAX, 0.0f, 360.0f);
    }
    for (int y = 0; y < 32; ++y) EXPECT_EQ(far.row(y, kBlack), std::string(20, '.') + "#" + std::string(19, '.')) << y;
    // Centred on the picture, the whole rim lies outside it.
    far.clear(kWhite);
    far.dc.MoveTo(INT_MAX, 16);
    far.dc.AngleArc(20, 16, INT_MAX, 0.0f, 360.0f);
    EXPECT_EQ(far.count(kBlack), 0);
    EXPECT_FALSE(far.dc.AngleArc(20, 16, -1, 0.0f, 360.0f));
}

TEST(Ellipse, OutlineMovesWholeWithItsBoxOfEitherParityWhenClippedAtTheEdge)
{
    for (const auto& [w, h] : {std::pair{7, 5}, {8, 5}, {6, 9}, {9, 10}}) {
        Canvas inside(40, 20), edge(40, 20);
        inside.dc.Ellipse(5, 5, 5 + w, 5 + h);
        edge.dc.Ellipse(41 - w, 8, 41, 8 + h);  // the rightmost column falls off the picture
        PixelSet moved;
        for (const auto& [x, y] : inside.pixelsOf(kBlack))
            if (x + 36 - w < 40) moved.emplace(x + 36 - w, y + 3);
        EXPECT_EQ(edge.pixelsOf(kBlack), moved) << w << "x" << h;
        EXPECT_GE(moved.size(), 12u);
    }
}

}  // namespace
