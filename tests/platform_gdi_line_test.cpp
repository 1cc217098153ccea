// Lines: LineTo's pixel rules, every octant against a directly computed reference, clipping, dashes and
// their background gaps, wide pens and coordinates far outside the picture.
#include <gtest/gtest.h>

#include <climits>
#include <random>

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

struct RowCase {
    int x0, x1;
    const char* row;
};
class LineToRow : public ::testing::TestWithParam<RowCase> {};

TEST_P(LineToRow, LightsFromTheStartUpToNotIncludingTheEnd)
{
    const RowCase& c = GetParam();
    Canvas canvas(8, 1);
    canvas.dc.MoveTo(c.x0, 0);
    canvas.dc.LineTo(c.x1, 0);
    EXPECT_EQ(canvas.row(0, kBlack), c.row);
}

INSTANTIATE_TEST_SUITE_P(Gdi, LineToRow,
                         ::testing::Values(RowCase{0, 1, "#......."}, RowCase{0, 3, "###....."}, RowCase{4, 8, "....####"},
                                           RowCase{3, 0, ".###...."}, RowCase{2, 2, "........"},
                                           RowCase{-5, 3, "###....."}, RowCase{5, 20, ".....###"},
                                           RowCase{7, -3, "########"}, RowCase{9, 8, "........"}));

struct PictureCase {
    int x0, y0, x1, y1;
    std::string picture;
};
class LineToPicture : public ::testing::TestWithParam<PictureCase> {};

// One line per octant from the centre of a 7 x 7 picture; halves of a step round back toward the start.
TEST_P(LineToPicture, EachOctantLightsThePinnedPixels)
{
    const PictureCase& c = GetParam();
    Canvas canvas(7, 7);
    canvas.dc.MoveTo(c.x0, c.y0);
    canvas.dc.LineTo(c.x1, c.y1);
    EXPECT_EQ(canvas.picture(kBlack), c.picture);
}

INSTANTIATE_TEST_SUITE_P(
    Gdi, LineToPicture,
    ::testing::Values(
        PictureCase{3, 3, 7, 5, pic({".......", ".......", ".......", "...##..", ".....##", ".......", "......."})},
        PictureCase{3, 3, 5, 7, pic({".......", ".......", ".......", "...#...", "...#...", "....#..", "....#.."})},
        PictureCase{3, 3, 1, 7, pic({".......", ".......", ".......", "...#...", "...#...", "..#....", "..#...."})},
        PictureCase{3, 3, -1, 5, pic({".......", ".......", ".......", "..##...", "##.....", ".......", "......."})},
        PictureCase{3, 3, -1, 1, pic({".......", ".......", "##.....", "..##...", ".......", ".......", "......."})},
        PictureCase{3, 3, 1, -1, pic({"..#....", "..#....", "...#...", "...#...", ".......", ".......", "......."})},
        PictureCase{3, 3, 5, -1, pic({"....#..", "....#..", "...#...", "...#...", ".......", ".......", "......."})},
        PictureCase{3, 3, 7, 1, pic({".......", ".......", ".....##", "...##..", ".......", ".......", "......."})},
        PictureCase{0, 0, 7, 7, pic({"#......", ".#.....", "..#....", "...#...", "....#..", ".....#.", "......#"})}));

TEST(LineTo, EveryDirectionMatchesTheReferenceRule)
{
    Canvas canvas(41, 41);
    for (int dx = -20; dx <= 20; ++dx) {
        for (int dy = -20; dy <= 20; ++dy) {
            canvas.clear(kWhite);
            canvas.dc.MoveTo(20, 20);
            canvas.dc.LineTo(20 + dx, 20 + dy);
            ASSERT_EQ(canvas.pixelsOf(kBlack), referenceLine(20, 20, 20 + dx, 20 + dy, 41, 41)) << dx << "," << dy;
        }
    }
}

TEST(LineTo, ClippingNeverMovesAPixel)
{
    Canvas canvas(40, 30);
    std::mt19937 rng(12345);
    std::uniform_int_distribution<int> coord(-60, 100);
    for (int n = 0; n < 1500; ++n) {
        const int x0 = coord(rng), y0 = coord(rng), x1 = coord(rng), y1 = coord(rng);
        canvas.clear(kWhite);
        canvas.dc.MoveTo(x0, y0);
        canvas.dc.LineTo(x1, y1);
        ASSERT_EQ(canvas.pixelsOf(kBlack), referenceLine(x0, y0, x1, y1, 40, 30)) << x0 << "," << y0 << " -> " << x1 << "," << y1;
    }
}

TEST(LineTo, MovesTheCurrentPositionEvenWithANullPen)
{
    Canvas canvas(8, 8);
    CPen none(PS_NULL, 1, kBlack);
    CPen* old = canvas.dc.SelectObject(&none);
    canvas.dc.MoveTo(1, 1);
    EXPECT_TRUE(canvas.dc.LineTo(6, 6));
    EXPECT_EQ(canvas.dc.GetCurrentPosition(), CPoint(6, 6));
    EXPECT_EQ(canvas.countNot(kWhite), 0);
    canvas.dc.SelectObject(old);
}

TEST(LineTo, HugeCoordinatesDrawExactlyTheVisiblePart)
{
    const int big = 1 << 30;
    const long long cases[][4] = {
        {-big, 5, big, 25},        {big, -big, -big, big},       {-big, -big, big, big - 7},
        {17, -big, 40, big},       {INT_MIN, 3, INT_MAX, 28},    {INT_MAX, INT_MIN, INT_MIN, INT_MAX},
        {-big, 40, big, 40},       {30, INT_MIN, 30, INT_MAX},   {INT_MIN, INT_MIN, INT_MAX, INT_MAX},
    };
    Canvas canvas(64, 32);
    for (const auto& c : cases) {
        // Two hundred of them: a walker that stepped through the invisible part would never finish.
        for (int k = 0; k < 200; ++k) {
            canvas.dc.MoveTo(static_cast<int>(c[0]), static_cast<int>(c[1]));
            canvas.dc.LineTo(static_cast<int>(c[2]), static_cast<int>(c[3]));
        }
        EXPECT_EQ(canvas.pixelsOf(kBlack), referenceLine(c[0], c[1], c[2], c[3], 64, 32)) << c[0] << "," << c[1];
        canvas.clear(kWhite);
    }
}

// ---- dashes ---------------------------------------------------------------------------------------

struct DashCase {
    int bkMode;
    const char* row;  // '#' pen, 'g' gap in the background colour, '.' untouched
};
class DashedPen : public ::testing::TestWithParam<DashCase> {};

TEST_P(DashedPen, DrawsEighteenOnSixOffAndFillsGapsOnlyWhenOpaque)
{
    Canvas canvas(60, 1);
    CPen dash(PS_DASH, 1, kBlack);
    CPen* old = canvas.dc.SelectObject(&dash);
    canvas.dc.SetBkMode(GetParam().bkMode);
    canvas.dc.SetBkColor(kRed);
    canvas.dc.MoveTo(0, 0);
    canvas.dc.LineTo(60, 0);
    std::string row;
    for (int x = 0; x < 60; ++x) row += canvas.at(x, 0) == kBlack ? '#' : canvas.at(x, 0) == kRed ? 'g' : '.';
    EXPECT_EQ(row, GetParam().row);
    canvas.dc.SelectObject(old);
}

INSTANTIATE_TEST_SUITE_P(
    Gdi, DashedPen,
    ::testing::Values(DashCase{TRANSPARENT, "##################......##################......############"},
                      DashCase{OPAQUE, "##################gggggg##################gggggg############"}));

TEST(DashedPen, PatternRunsOnAlongALineToChainAndRestartsAtMoveTo)
{
    Canvas whole(60, 2), chained(60, 2);
    CPen a(PS_DASH, 1, kBlack), b(PS_DASH, 1, kBlack);
    CPen* oldA = whole.dc.SelectObject(&a);
    CPen* oldB = chained.dc.SelectObject(&b);
    whole.dc.SetBkMode(TRANSPARENT);
    chained.dc.SetBkMode(TRANSPARENT);
    whole.dc.MoveTo(0, 0);
    whole.dc.LineTo(50, 0);
    chained.dc.MoveTo(0, 0);
    for (int x = 7; x <= 50; x += 7) chained.dc.LineTo(std::min(x, 50), 0);
    chained.dc.LineTo(50, 0);
    EXPECT_EQ(chained.row(0, kBlack), whole.row(0, kBlack));
    // After MoveTo the next segment starts with a full dash.
    chained.dc.MoveTo(0, 1);
    chained.dc.LineTo(20, 1);
    EXPECT_EQ(chained.row(1, kBlack).substr(0, 20), "##################..");
    whole.dc.SelectObject(oldA);
    chained.dc.SelectObject(oldB);
}

TEST(DashedPen, WiderDashedPensDrawSolid)
{
    Canvas canvas(40, 6);
    CPen pen(PS_DASH, 2, kBlack);
    CPen* old = canvas.dc.SelectObject(&pen);
    canvas.dc.MoveTo(1, 3);
    canvas.dc.LineTo(38, 3);
    EXPECT_EQ(canvas.row(3, kBlack), std::string(39, '#') + ".");  // the round cap reaches column 0
    canvas.dc.SelectObject(old);
}

// ---- wide pens ------------------------------------------------------------------------------------

struct WidthCase {
    int width;
    std::string picture;
};
class PenWidth : public ::testing::TestWithParam<WidthCase> {};

TEST_P(PenWidth, HorizontalLineCoversTheRowsOfItsWidthWithRoundCaps)
{
    Canvas canvas(11, 8);
    CPen pen(PS_SOLID, GetParam().width, kBlack);
    CPen* old = canvas.dc.SelectObject(&pen);
    canvas.dc.MoveTo(2, 4);
    canvas.dc.LineTo(8, 4);
    EXPECT_EQ(canvas.picture(kBlack), GetParam().picture);
    canvas.dc.SelectObject(old);
}

INSTANTIATE_TEST_SUITE_P(
    Gdi, PenWidth,
    ::testing::Values(
        WidthCase{1, pic({"...........", "...........", "...........", "...........", "..######...", "...........", "...........", "..........."})},
        // Even widths sit half a pixel up and left: rows 3 and 4.
        WidthCase{2, pic({"...........", "...........", "...........", ".########..", ".########..", "...........", "...........", "..........."})},
        WidthCase{3, pic({"...........", "...........", "...........", ".#########.", ".#########.", ".#########.", "...........", "..........."})},
        WidthCase{5, pic({"...........", "...........", ".#########.", "###########", "###########", "###########", ".#########.", "..........."})}));

TEST(PenWidth, WideLinesAreTheSameDrawnEitherWay)
{
    for (int width : {2, 3, 4, 7}) {
        Canvas forward(40, 30), backward(40, 30);
        CPen p1(PS_SOLID, width, kBlack), p2(PS_SOLID, width, kBlack);
        CPen* o1 = forward.dc.SelectObject(&p1);
        CPen* o2 = backward.dc.SelectObject(&p2);
        forward.dc.MoveTo(4, 5);
        forward.dc.LineTo(33, 21);
        backward.dc.MoveTo(33, 21);
        backward.dc.LineTo(4, 5);
        EXPECT_EQ(forward.picture(kBlack), backward.picture(kBlack)) << width;
        forward.dc.SelectObject(o1);
        backward.dc.SelectObject(o2);
    }
}

TEST(PenWidth, HugeCoordinatesDrawTheVisibleBand)
{
    Canvas canvas(50, 20);
    CPen pen(PS_SOLID, 3, kBlack);
    CPen* old = canvas.dc.SelectObject(&pen);
    for (int k = 0; k < 200; ++k) {
        canvas.dc.MoveTo(INT_MIN, 10);
        canvas.dc.LineTo(INT_MAX, 10);
    }
    for (int y = 0; y < 20; ++y) EXPECT_EQ(canvas.row(y, kBlack), std::string(50, y >= 9 && y <= 11 ? '#' : '.')) << y;
    canvas.dc.SelectObject(old);
}

TEST(Polyline, DrawsConnectedSegmentsWithoutTouchingTheCurrentPosition)
{
    Canvas poly(20, 20), lines(20, 20);
    const POINT pts[] = {{2, 2}, {15, 2}, {15, 15}, {4, 9}};
    poly.dc.MoveTo(7, 7);
    EXPECT_TRUE(poly.dc.Polyline(pts, 4));
    EXPECT_EQ(poly.dc.GetCurrentPosition(), CPoint(7, 7));
    lines.dc.MoveTo(2, 2);
    for (int i = 1; i < 4; ++i) lines.dc.LineTo(pts[i].x, pts[i].y);
    EXPECT_EQ(poly.picture(kBlack), lines.picture(kBlack));
    EXPECT_FALSE(poly.dc.Polyline(pts, 1));
    EXPECT_FALSE(poly.dc.Polyline(nullptr, 4));
}

}  // namespace
