// The base waveform drawer: setters, the data binding, grid lines and time marks.
#include <gtest/gtest.h>

#include <cmath>

#include "gdi_canvas.h"
#include "medataset.h"
#include "megdraw.h"
#include "snscohface.h"
#include "testkit.h"

using cxc::testkit::DataSet;
using testgdi::Canvas;
using testgdi::kWhite;

namespace {
constexpr COLORREF kGrid = RGB(220, 220, 220);
constexpr COLORREF kGrey = RGB(128, 128, 128);
}  // namespace

TEST(WaveDrawer, SettersReturnTheValueInForce)
{
    CMEGDraw d;
    for (auto [in, out] : {std::pair{7, 2}, {-1, 0}, {1, 1}}) EXPECT_EQ(d.setOverlayType(in), out) << in;
    EXPECT_EQ(d.getOverlayType(), 1);
    for (auto [in, out] : {std::pair{0, 1}, {-5, 1}, {4, 4}}) EXPECT_EQ(d.setDisplayColumn(in), out) << in;
    EXPECT_EQ(d.getDisplayColumn(), 4);
    EXPECT_EQ(d.setDisplayMode(2), 1);
    EXPECT_EQ(d.displayMode, 2u);
    // With no data bound only negative first samples change (inside a series: the viewers' tests).
    EXPECT_EQ(d.setDrawBeginSampleIDX(500), 500);
    EXPECT_EQ(d.setDrawBeginSampleIDX(-3), 0);
    auto empty = DataSet().meg(2).samples(0).build();
    d.setDrawMEGData(empty.get());
    EXPECT_EQ(d.setDrawBeginSampleIDX(9), 0);
}

TEST(WaveDrawer, FollowsTheCurrentSessionAndTrial)
{
    auto ds = DataSet().meg(2).trials(2).build();
    CMEGDraw d;
    EXPECT_EQ(d.updateMEGData(), 0);
    d.setDrawMEGData(ds.get());
    EXPECT_EQ(d.updateMEGData(), 1);
    EXPECT_EQ(d.trial, cxc::testkit::sessionOf(*ds)->getTrialqz(0));
    cxc::testkit::sessionOf(*ds)->openTrial(1);
    d.updateMEGData();
    EXPECT_EQ(d.trial, cxc::testkit::sessionOf(*ds)->getTrialqz(1));
    d.setDrawMEGData(nullptr);
    EXPECT_EQ(d.updateMEGData(), 0);
    EXPECT_EQ(d.session, nullptr);
    EXPECT_EQ(d.trial, nullptr);
}

TEST(WaveDrawerGrid, LinesAtEveryHundredSamplesAndQuarterHeightsFollowingTheFirstSampleAndScale)
{
    Canvas c(320, 100);
    CMEGDraw1background d;
    EXPECT_EQ(d.drawGridLines(&c.dc, CRect(0, 0, 300, 100)), 1);
    // Inside the rectangle only: not on its left or right edge.
    for (auto [x, y] : {std::pair{100, 10}, {200, 99}, {150, 25}, {150, 50}, {150, 75}, {299, 50}})
        EXPECT_EQ(c.at(x, y), kGrid) << x << "," << y;
    for (auto [x, y] : {std::pair{0, 10}, {300, 10}, {150, 24}, {305, 50}}) EXPECT_EQ(c.at(x, y), kWhite) << x << "," << y;

    Canvas s(300, 40);
    d.beginSample = 50;
    d.pxPerSample = 2.0;
    d.drawGridLines(&s.dc, CRect(0, 0, 300, 40));
    EXPECT_EQ(s.at(100, 5), kGrid);  // sample 100
    EXPECT_EQ(s.at(299, 5), kWhite);
    EXPECT_EQ(s.at(50, 5), kWhite);
    s.clear(kWhite);
    d.beginSample = 0;
    d.pxPerSample = 0.03;  // lines 3 px apart would fill the area: left out
    d.drawGridLines(&s.dc, CRect(0, 0, 300, 40));
    EXPECT_EQ(s.count(kGrid), 3 * 300);
    for (double bad : {0.0, -1.0, std::nan(""), HUGE_VAL}) {
        d.pxPerSample = bad;
        EXPECT_EQ(d.drawGridLines(&s.dc, CRect(0, 0, 300, 40)), 1);
    }
    EXPECT_EQ(d.drawGridLines(nullptr, CRect(0, 0, 10, 10)), 0);

    // Found by fuzzing: a rectangle reaching 2^30 px left of the surface made a loop turn per hidden line.
    s.clear(kWhite);
    d.pxPerSample = 0.0625;  // a line every 6.25 px, from x = -2^30
    EXPECT_EQ(d.drawGridLines(&s.dc, CRect(-(1 << 30), 0, 300, 40)), 1);
    for (int x : {1, 7, 13, 19, 26, 294}) EXPECT_EQ(s.at(x, 5), kGrid) << x;
    for (int x : {0, 2, 6, 8, 25, 27}) EXPECT_EQ(s.at(x, 5), kWhite) << x;
}

TEST(WaveDrawerMarks, ShortTicksEveryTenLongOnesEveryHundredAndOnlyTheLongOnesWhenDense)
{
    Canvas c(220, 40);
    CMEGDraw1background d;
    EXPECT_EQ(d.drawMarksLine(&c.dc, CRect(0, 0, 220, 40)), 1);
    EXPECT_EQ(c.row(39, kGrey).substr(0, 31), "#.........#.........#.........#");
    for (int y = 39; y >= 37; --y) EXPECT_EQ(c.at(10, y), kGrey) << y;
    EXPECT_EQ(c.at(10, 36), kWhite);
    for (int y = 39; y >= 32; --y) EXPECT_EQ(c.at(100, y), kGrey) << y;
    EXPECT_EQ(c.at(100, 31), kWhite);
    EXPECT_EQ(c.at(0, 32), kGrey);

    c.clear(kWhite);
    d.pxPerSample = 0.1;  // 10 samples per px: short ticks 1 px apart are left out
    d.beginSample = 5;
    d.drawMarksLine(&c.dc, CRect(0, 0, 220, 40));
    EXPECT_EQ(c.at(9, 32), kGrey);  // sample 100 at (100 - 5) * 0.1 = 9.5
    EXPECT_EQ(c.at(19, 32), kGrey);
    EXPECT_EQ(c.count(kGrey), 8 * 22);
    c.clear(kWhite);
    d.pxPerSample = 0.01;  // even the long ticks would be 1 px apart
    d.drawMarksLine(&c.dc, CRect(0, 0, 220, 40));
    EXPECT_EQ(c.count(kGrey), 0);

    Canvas far(300, 40);
    d.pxPerSample = 0.5;  // short ticks every 5 px, long ones every 50 px, from x = -2^30 (26 mod 50)
    d.beginSample = 0;
    EXPECT_EQ(d.drawMarksLine(&far.dc, CRect(-(1 << 30), 0, 300, 40)), 1);
    EXPECT_EQ(far.row(39, kGrey).substr(0, 32), ".#....#....#....#....#....#....#");
    EXPECT_EQ(far.at(26, 32), kGrey);  // long
    EXPECT_EQ(far.at(76, 32), kGrey);
    EXPECT_EQ(far.at(31, 36), kWhite);  // short
    EXPECT_EQ(far.at(31, 37), kGrey);
}
