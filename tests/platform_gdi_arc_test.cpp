// The full circle of AngleArc, as sensors are drawn, against the classic midpoint circle, up to INT_MAX.
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

}  // namespace
