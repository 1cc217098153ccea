// Lines: clipped LineTo against a computed reference, dashes, wide pens, far-away coordinates.
#include <gtest/gtest.h>

#include <climits>

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

TEST(DashedPen, EighteenOnSixOffGapsFilledOnlyWhenOpaquePatternRunsOnAlongAChainWiderPensSolid)
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
}

TEST(DrawSegments, PairsDrawAndLeaveTheDcAsMoveToAndLineToWould)
{
    const POINT ends[] = {{2, 3}, {30, 3}, {5, 5}, {5, 20}, {-10, -4}, {50, 25}, {28, 18}, {3, 9}};
    for (auto [style, width] : {std::pair{PS_SOLID, 1}, {PS_DASH, 1}, {PS_SOLID, 3}}) {
        Canvas chain(40, 24), batch(40, 24);
        CPen a(style, width, kBlack), b(style, width, kBlack);
        Selected keepA(chain.dc, &a), keepB(batch.dc, &b);
        for (int k = 0; k < 4; ++k) chain.line(ends[2 * k].x, ends[2 * k].y, ends[2 * k + 1].x, ends[2 * k + 1].y);
        EXPECT_TRUE(cxc::gdi::drawSegments(batch.dc, ends, 4));
        EXPECT_EQ(batch.dc.GetCurrentPosition(), chain.dc.GetCurrentPosition());
        // A dash goes on from where the last pair left it.
        chain.dc.LineTo(39, 0);
        batch.dc.LineTo(39, 0);
        EXPECT_EQ(batch.picture(kBlack), chain.picture(kBlack)) << style << " " << width;
    }
    Canvas c(4, 4);
    EXPECT_FALSE(cxc::gdi::drawSegments(c.dc, nullptr, 1));
    EXPECT_TRUE(cxc::gdi::drawSegments(c.dc, nullptr, 0));
}

// Even widths sit half a pixel up and left, caps are round: pinned by the snapshots of the link maps.
TEST(PenWidth, WideLinesAreTheSameDrawnEitherWayAndHugeCoordinatesDrawTheVisibleBand)
{
    for (int width : {2, 3, 4, 7}) {
        Canvas forward(40, 30), backward(40, 30);
        CPen p1(PS_SOLID, width, kBlack), p2(PS_SOLID, width, kBlack);
        Selected k1(forward.dc, &p1), k2(backward.dc, &p2);
        forward.line(4, 5, 33, 21);
        backward.line(33, 21, 4, 5);
        EXPECT_EQ(forward.picture(kBlack), backward.picture(kBlack)) << width;
    }
    Canvas canvas(50, 20);
    CPen pen(PS_SOLID, 3, kBlack);
    Selected keep(canvas.dc, &pen);
    for (int k = 0; k < 200; ++k) canvas.line(INT_MIN, 10, INT_MAX, 10);
    for (int y = 0; y < 20; ++y) EXPECT_EQ(canvas.row(y, kBlack), std::string(50, y >= 9 && y <= 11 ? '#' : '.')) << y;
}

}  // namespace
