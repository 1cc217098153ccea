// The matrix viewer's controls: colour range, Refresh and Update, origin up-downs, play, resizing.
#include "viewers_fixture.h"

namespace {

using namespace viewertest;
using namespace cxc::harness;

constexpr UINT_PTR kPlay = 101;

class MatrixControls : public ViewerTest {
protected:
    static __int64 begin(CSnsCohDataqz& d) { __int64 b = 0, e = 0; d.getSelect(b, e); return b; }
    static __int64 end(CSnsCohDataqz& d) { __int64 b = 0, e = 0; d.getSelect(b, e); return e; }
};

}  // namespace

TEST_F(MatrixControls, TheFirstRefreshComputesTheColourRangeOnceAndTheButtonsAgain)
{
    std::vector<double> spike(100, 0.5);
    spike[50] = -9.0;
    Host host(sixChannels().pair(0, 1, spike).select(0, 10));
    CSnsCohDataqz& data = host.cls(0);
    CDlgCxcMatrix2DViewer& dlg = host.matrix();
    EXPECT_EQ(data.rangeStamp, 1);
    EXPECT_EQ(data.rangeMax, 0.5);  // over the selection only
    data.setSelect(40, 60);
    host.matrix();
    EXPECT_EQ(data.rangeStamp, 1);
    EXPECT_EQ(data.rangeMax, 0.5);
    ASSERT_TRUE(clickButton(&dlg, IDC_COLOR_ALL));
    EXPECT_EQ(data.rangeStamp, 2);
    EXPECT_EQ(data.rangeMax, 9.0);
    EXPECT_TRUE(needsPaint(&dlg.view));
    data.setSelect(0, 10);
    ASSERT_TRUE(clickButton(&dlg, IDC_COLOR_SELECT));
    EXPECT_EQ(data.rangeStamp, 3);
    EXPECT_EQ(data.rangeMax, 0.5);
}

TEST_F(MatrixControls, RefreshTakesTheControlsInUpdateGivesThemBackPositionMDoesNothing)
{
    Host host(sixChannels());
    CDlgCxcMatrix2DViewer& dlg = host.matrix();
    pumpPaints();
    ASSERT_TRUE(typeText(&dlg, IDC_PIXEL_HEIGHT, L"9"));
    ASSERT_TRUE(typeText(&dlg, IDC_ORIGIN_X, L"-4"));
    ASSERT_TRUE(typeText(&dlg, IDC_ORIGIN_Y, L"33"));
    ASSERT_TRUE(typeText(&dlg, IDC_SAMPLE_BEGIN, L"5"));
    ASSERT_TRUE(typeText(&dlg, IDC_SAMPLE_END, L"8"));
    EXPECT_EQ(dlg.view.cellHeight, 20.0);  // nothing is taken before "Refresh"
    ASSERT_TRUE(clickButton(&dlg, IDC_REFRESH));
    EXPECT_EQ(dlg.view.cellHeight, 9.0);
    EXPECT_EQ(dlg.view.originX, -4);
    EXPECT_EQ(dlg.view.originY, 33);
    EXPECT_EQ(begin(host.cls(0)), 5);
    EXPECT_EQ(end(host.cls(0)), 8);
    EXPECT_TRUE(needsPaint(&dlg.view));
    // "Update" goes the other way; "Position M" does nothing at all.
    dlg.view.cellWidth = 12.9;
    dlg.view.originY = 5;
    host.cls(0).setSelect(3, 4);
    ASSERT_TRUE(clickButton(&dlg, IDC_MATRIX_UPDATE));
    EXPECT_EQ(str(text(&dlg, IDC_PIXEL_WIDTH)), L"12");
    EXPECT_EQ(str(text(&dlg, IDC_ORIGIN_Y)), L"5");
    EXPECT_EQ(str(text(&dlg, IDC_SAMPLE_BEGIN)), L"3");
    pumpPaints();
    ASSERT_TRUE(clickButton(&dlg, IDC_POSITION_M));
    EXPECT_FALSE(needsPaint(&dlg.view));
    EXPECT_EQ(dlg.view.originX, -4);
    EXPECT_TRUE(messageBoxes().empty());
}

TEST_F(MatrixControls, TheUpOrRightArrowMovesTheOriginOnTheOtherBackToTheEndsOfAnInt)
{
    Host host(sixChannels());
    CDlgCxcMatrix2DViewer& dlg = host.matrix();
    ASSERT_TRUE(clickUpDownArrow(&dlg, IDC_ORIGIN_X_SPIN, /*upOrRight*/ true));
    EXPECT_EQ(dlg.view.originX, 81);
    EXPECT_EQ(str(text(&dlg, IDC_ORIGIN_X)), L"81");
    EXPECT_TRUE(needsPaint(&dlg.view));
    ASSERT_TRUE(clickUpDownArrow(&dlg, IDC_ORIGIN_Y_SPIN, true));
    ASSERT_TRUE(clickUpDownArrow(&dlg, IDC_ORIGIN_Y_SPIN, false));
    ASSERT_TRUE(clickUpDownArrow(&dlg, IDC_ORIGIN_Y_SPIN, false));
    EXPECT_EQ(dlg.view.originY, 79);
    ASSERT_TRUE(upDown(&dlg, IDC_ORIGIN_Y_SPIN, 5));
    EXPECT_EQ(dlg.view.originY, 79);
    // The steps stop at the ends of an int.
    ASSERT_TRUE(typeText(&dlg, IDC_ORIGIN_X, L"2147483647"));
    ASSERT_TRUE(typeText(&dlg, IDC_ORIGIN_Y, L"-2147483648"));
    ASSERT_TRUE(clickButton(&dlg, IDC_REFRESH));
    ASSERT_TRUE(clickUpDownArrow(&dlg, IDC_ORIGIN_X_SPIN, true));
    ASSERT_TRUE(clickUpDownArrow(&dlg, IDC_ORIGIN_Y_SPIN, false));
    EXPECT_EQ(dlg.view.originX, INT_MAX);
    EXPECT_EQ(dlg.view.originY, INT_MIN);
    EXPECT_EQ(str(text(&dlg, IDC_ORIGIN_X)), L"2147483647");
    shown(dlg.view);
}

TEST_F(MatrixControls, PlayMovesTheSelectionOneSampleATickAndWrapsAtTheEnd)
{
    Host host(sixChannels().samples(100).select(10, 14));
    CDlgCxcMatrix2DViewer& dlg = host.matrix();
    ASSERT_TRUE(clickButton(&dlg, IDC_MATRIX_PLAY));
    ASSERT_TRUE(timerRunning(&dlg, kPlay));
    EXPECT_EQ(pendingTimers(&dlg).at(0).periodMs, 100u);
    EXPECT_EQ(str(text(&dlg, IDC_MATRIX_PLAY)), L"Start...");
    pumpPaints();
    ASSERT_TRUE(fireTimer(&dlg, kPlay));
    EXPECT_EQ(begin(host.cls(0)), 11);
    EXPECT_EQ(end(host.cls(0)), 15);
    EXPECT_EQ(str(text(&dlg, IDC_MATRIX_PLAY)), L"Stop F...");
    EXPECT_EQ(str(text(&dlg, IDC_SAMPLE_BEGIN)), L"10");  // the edits do not follow play
    EXPECT_TRUE(needsPaint(&dlg.view));

    host.cls(0).setSelect(95, 99);
    ASSERT_TRUE(fireTimer(&dlg, kPlay));
    EXPECT_EQ(begin(host.cls(0)), 0);
    EXPECT_EQ(end(host.cls(0)), 4);

    ASSERT_TRUE(clickButton(&dlg, IDC_MATRIX_PLAY));
    EXPECT_FALSE(timerRunning(&dlg, kPlay));
    EXPECT_EQ(str(text(&dlg, IDC_MATRIX_PLAY)), L"Start");
    ASSERT_TRUE(clickButton(&dlg, IDC_MATRIX_PLAY));
    EXPECT_TRUE(timerRunning(&dlg, kPlay));
    // Ticks while another is handled, of other timers, or without data move nothing.
    host.cls(0).setSelect(10, 14);
    const std::wstring caption = str(text(&dlg, IDC_MATRIX_PLAY));
    dlg.tickGuard = 1;
    ASSERT_TRUE(fireTimer(&dlg, kPlay));
    EXPECT_EQ(begin(host.cls(0)), 10);
    EXPECT_EQ(str(text(&dlg, IDC_MATRIX_PLAY)), caption);
    EXPECT_EQ(dlg.tickGuard, 1);
    dlg.tickGuard = 0;
    ASSERT_TRUE(fireTimer(&dlg, kPlay));
    EXPECT_EQ(begin(host.cls(0)), 11);
    EXPECT_EQ(dlg.tickGuard, 0);
    ASSERT_EQ(dlg.SetTimer(7, 50), 7u);
    ASSERT_TRUE(fireTimer(&dlg, 7));
    EXPECT_EQ(begin(host.cls(0)), 11);
    EXPECT_EQ(dlg.tickGuard, 0);
    dlg.view.dataSet = nullptr;  // with the data gone, play stops at its next tick
    ASSERT_TRUE(fireTimer(&dlg, kPlay));
    EXPECT_FALSE(timerRunning(&dlg, kPlay));
    EXPECT_EQ(str(text(&dlg, IDC_MATRIX_PLAY)), L"Stop F...");
    EXPECT_EQ(dlg.tickGuard, 0);
}

TEST_F(MatrixControls, SelectionsAtTheEndsOfSixtyFourBitsApplyPaintPlayAndRefresh)
{
    Host host(sixChannels());
    CDlgCxcMatrix2DViewer& dlg = host.matrix();
    ASSERT_TRUE(typeText(&dlg, IDC_SAMPLE_BEGIN, L"-9223372036854775808"));
    ASSERT_TRUE(typeText(&dlg, IDC_SAMPLE_END, L"9223372036854775807"));
    ASSERT_TRUE(clickButton(&dlg, IDC_REFRESH));
    EXPECT_EQ(begin(host.cls(0)), LLONG_MIN);
    shown(dlg.view);
    ASSERT_TRUE(clickButton(&dlg, IDC_MATRIX_PLAY));
    ASSERT_TRUE(fireTimer(&dlg, kPlay));
    EXPECT_EQ(begin(host.cls(0)), 0);
    EXPECT_EQ(end(host.cls(0)), LLONG_MAX);
    ASSERT_TRUE(fireTimer(&dlg, kPlay));
    EXPECT_EQ(end(host.cls(0)), LLONG_MAX - 1);
    ASSERT_TRUE(clickButton(&dlg, IDC_MATRIX_UPDATE));
    EXPECT_EQ(str(text(&dlg, IDC_SAMPLE_END)), L"9223372036854775806");
    shown(dlg.view);
}

TEST_F(MatrixControls, ResizingKeepsTenPixelsAndNeverInvertsTheView)
{
    Host host(sixChannels());
    CDlgCxcMatrix2DViewer& dlg = host.matrix();
    shown(dlg.view);
    const CRect before = controlRect(&dlg, IDC_MATRIX_VIEW);
    ASSERT_TRUE(resize(&dlg, 700, 400));
    EXPECT_EQ(controlRect(&dlg, IDC_MATRIX_VIEW), CRect(before.left, before.top, 690, 390));
    EXPECT_EQ(dlg.view.memBitmap, nullptr);
    ASSERT_TRUE(resize(&dlg, 100, 5));
    EXPECT_EQ(controlRect(&dlg, IDC_MATRIX_VIEW), CRect(before.left, before.top, before.left, before.top));
    shown(dlg.view);
    EXPECT_EQ(dlg.view.memBitmap, nullptr);
}
