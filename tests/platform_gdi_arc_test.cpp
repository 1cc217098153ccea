// Arcs and ellipses: the full circle of AngleArc against the classic midpoint circle, the current
// position, partial arcs, wide circles, Ellipse and Arc, and radii up to INT_MAX.
#include <gtest/gtest.h>

#include <climits>

#include "gdi_canvas.h"

namespace {

using namespace testgdi;

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

TEST(AngleArc, FullCircleIsTheMidpointCircleForEveryRadiusAlsoWhenClipped)
{
    Canvas seven(7, 7);
    sensorCircle(seven.dc, 3, 3, 3);
    EXPECT_EQ(seven.picture(kBlack), pic({"..###..", ".#...#.", "#.....#", "#.....#", "#.....#", ".#...#.", "..###.."}));
    Canvas canvas(101, 101);
    for (int r = 0; r <= 50; ++r) {
        canvas.clear(kWhite);
        sensorCircle(canvas.dc, 50, 50, r);
        ASSERT_EQ(canvas.pixelsOf(kBlack), midpointCircle(50, 50, r, 101, 101)) << "radius " << r;
    }
    Canvas clipped(30, 20);
    for (auto [x, y] : {std::pair{0, 0}, {29, 19}, {-5, 10}, {15, -8}, {40, 25}, {10, 30}})
        for (int r : {3, 9, 17, 26}) {
            clipped.clear(kWhite);
            sensorCircle(clipped.dc, x, y, r);
            ASSERT_EQ(clipped.pixelsOf(kBlack), midpointCircle(x, y, r, 30, 20)) << x << "," << y << " r " << r;
        }
}

TEST(AngleArc, LinesFromTheCurrentPositionEndsAtTheArcEndAndAPartialArcStaysInItsQuadrant)
{
    Canvas canvas(30, 30);
    canvas.dc.MoveTo(0, 0);
    canvas.dc.AngleArc(20, 20, 5, 0.0f, 360.0f);
    EXPECT_EQ(canvas.at(0, 0), kBlack);  // the line toward (25, 20) starts here
    EXPECT_EQ(canvas.dc.GetCurrentPosition(), CPoint(25, 20));
    canvas.dc.MoveTo(25, 20);
    canvas.dc.AngleArc(20, 20, 5, 0.0f, 90.0f);
    EXPECT_EQ(canvas.dc.GetCurrentPosition(), CPoint(20, 15));

    Canvas full(40, 40), quarter(40, 40), down(40, 40);
    sensorCircle(full.dc, 20, 20, 12);
    quarter.dc.MoveTo(32, 20);
    quarter.dc.AngleArc(20, 20, 12, 0.0f, 90.0f);
    const PixelSet drawn = quarter.pixelsOf(kBlack), circle = full.pixelsOf(kBlack);
    ASSERT_FALSE(drawn.empty());
    for (const auto& [x, y] : drawn) EXPECT_TRUE(x >= 20 && y <= 20 && circle.count({x, y})) << x << "," << y;
    // Every pixel of the full circle's upper-right quadrant is there.
    for (const auto& [x, y] : circle) {
        if (x > 20 && y < 20) {
            EXPECT_TRUE(drawn.count({x, y})) << x << "," << y;
        }
    }
    // A negative sweep runs clockwise: 0 to -90 is the lower-right quadrant.
    down.dc.MoveTo(32, 20);
    down.dc.AngleArc(20, 20, 12, 0.0f, -90.0f);
    for (const auto& p : down.pixelsOf(kBlack)) EXPECT_GE(p.second, 20);
    EXPECT_EQ(down.dc.GetCurrentPosition(), CPoint(20, 32));
}

TEST(AngleArc, RadiusUpToIntMaxDrawsOnlyTheVisibleRim)
{
    Canvas canvas(40, 32);
    // Centre far to the left: the rim crosses the picture as the column x = 20.
    for (int k = 0; k < 50; ++k) {
        canvas.dc.MoveTo(20, 16);
        canvas.dc.AngleArc(20 - INT_MAX, 16, INT_MAX, 0.0f, 360.0f);
    }
    for (int y = 0; y < 32; ++y) EXPECT_EQ(canvas.row(y, kBlack), std::string(20, '.') + "#" + std::string(19, '.')) << y;
    // Centred on the picture, the whole rim lies outside it.
    canvas.clear(kWhite);
    canvas.dc.MoveTo(INT_MAX, 16);
    canvas.dc.AngleArc(20, 16, INT_MAX, 0.0f, 360.0f);
    EXPECT_EQ(canvas.count(kBlack), 0);
    EXPECT_FALSE(canvas.dc.AngleArc(20, 16, -1, 0.0f, 360.0f));
}

TEST(AngleArc, WidePenDrawsAnAnnulusCentredOnTheCircle)
{
    Canvas thin(41, 41), wide(41, 41);
    CPen pen(PS_SOLID, 3, kBlack);
    Selected keep(wide.dc, &pen);
    sensorCircle(thin.dc, 20, 20, 12);
    sensorCircle(wide.dc, 20, 20, 12);
    const PixelSet w = wide.pixelsOf(kBlack);
    for (const auto& p : thin.pixelsOf(kBlack)) EXPECT_TRUE(w.count(p)) << p.first << "," << p.second;
    // Three pixels thick on the axes, and the same under every symmetry of the square.
    EXPECT_EQ(wide.row(20, kBlack), std::string(7, '.') + "###" + std::string(21, '.') + "###" + std::string(7, '.'));
    for (const auto& p : w) {
        const int x = p.first - 20, y = p.second - 20;
        EXPECT_TRUE(w.count({20 - x, 20 + y}) && w.count({20 + y, 20 + x}) && w.count({20 - y, 20 - x}));
    }
}

TEST(Ellipse, TheOutlineStaysInsideItsBoxAndASquareBoxGivesTheCircleFilledByTheBrush)
{
    Canvas circle(30, 30), ellipse(30, 30);
    sensorCircle(circle.dc, 14, 14, 9);
    CBrush brush(RGB(0, 0, 255));
    {
        Selected keep(ellipse.dc, &brush);
        EXPECT_TRUE(ellipse.dc.Ellipse(5, 5, 24, 24));
    }
    EXPECT_EQ(ellipse.pixelsOf(kBlack), circle.pixelsOf(kBlack));
    EXPECT_EQ(ellipse.at(14, 14), RGB(0, 0, 255));
    EXPECT_EQ(ellipse.at(6, 6), kWhite);

    Canvas canvas(20, 12);  // right and bottom excluded
    canvas.dc.SelectStockObject(NULL_BRUSH);
    canvas.dc.Ellipse(2, 2, 12, 8);
    for (const auto& [x, y] : canvas.pixelsOf(kBlack)) EXPECT_TRUE(x >= 2 && x <= 11 && y >= 2 && y <= 7) << x << "," << y;
    for (auto [x, y] : {std::pair{2, 4}, {11, 4}, {6, 2}, {6, 7}}) EXPECT_EQ(canvas.at(x, y), kBlack) << x << "," << y;
    canvas.dc.SelectStockObject(WHITE_BRUSH);
}

TEST(Arc, EqualRadialsDrawTheWholeEllipseAndAQuarterStaysInItsQuadrant)
{
    Canvas arc(30, 30), ellipse(30, 30);
    ellipse.dc.SelectStockObject(NULL_BRUSH);
    ellipse.dc.Ellipse(3, 6, 27, 22);
    arc.dc.MoveTo(1, 1);
    EXPECT_TRUE(arc.dc.Arc(3, 6, 27, 22, 29, 14, 29, 14));
    EXPECT_EQ(arc.pixelsOf(kBlack), ellipse.pixelsOf(kBlack));
    EXPECT_EQ(arc.dc.GetCurrentPosition(), CPoint(1, 1));  // Arc neither uses nor moves it
    // Counter-clockwise from the right (3 o'clock) radial to the top one.
    arc.clear(kWhite);
    const CRect box(3, 6, 27, 22);
    arc.dc.Arc(&box, POINT{40, 14}, POINT{15, -10});
    ASSERT_GT(arc.count(kBlack), 0);
    for (const auto& [x, y] : arc.pixelsOf(kBlack)) EXPECT_TRUE(x >= 14 && y <= 14) << x << "," << y;
    ellipse.dc.SelectStockObject(WHITE_BRUSH);
}

}  // namespace
