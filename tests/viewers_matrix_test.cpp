// The matrix viewer's controls, and what its view paints beyond the snapshots.
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

// Four channels: pair values 0.5, 2.0 (past a range of 1), -0.25, 0 and NaN, self pairs 1.
DataSet fourPairs(int measureKind = 0)
{
    return DataSet().megAt2d(L"MLF11", 0, 0).megAt2d(L"MRC12", 10, 0).megAt2d(L"MLO13", 20, 0)
        .megAt2d(L"MRP14", 30, 0).pair(0, 1, 0.5).pair(0, 2, 2.0).pair(1, 2, -0.25).pair(1, 3, kNaN)
        .measureKind(measureKind).select(0, 0);
}

class MatrixView : public ViewerTest {
protected:
    // The matrix viewer without labels on a colour range of 0 .. 1.
    CDlgCxcMatrix2DViewer& cellsOnly(Host& host, int cls = 0)
    {
        CDlgCxcMatrix2DViewer& dlg = host.matrix(cls);
        dlg.view.showLabels = 0;
        host.cls(cls).rangeMin = 0.0;
        host.cls(cls).rangeMax = 1.0;
        dlg.view.Invalidate(FALSE);
        return dlg;
    }
    // Centre of cell (pair row i, pair column j) with 20-pixel cells at (80, 80).
    static COLORREF cell(const Image& img, int i, int j) { return img.pixel(90 + 20 * i, 90 + 20 * j); }
};

}  // namespace

TEST_F(MatrixControls, FirstRefreshRangeButtonsPlayRefreshUpdatePositionMArrowsAndResizing)
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
    // Play moves the selection one sample a tick and wraps at the end.
    {
        Host host(sixChannels().samples(100).select(10, 14));
        CDlgCxcMatrix2DViewer& dlg = host.matrix();
        ASSERT_TRUE(clickButton(&dlg, IDC_MATRIX_PLAY));
        ASSERT_TRUE(timerRunning(&dlg, kPlay));
        EXPECT_EQ(pendingTimers(&dlg).at(0).periodMs, 100u);
        EXPECT_EQ(str(text(&dlg, IDC_MATRIX_PLAY)), L"Start...");
        pumpPaints();
        ASSERT_TRUE(fireTimer(&dlg, kPlay));  // one sample on and the caption: the snapshots "played"
        EXPECT_EQ(str(text(&dlg, IDC_SAMPLE_BEGIN)), L"10");  // the edits do not follow play
        EXPECT_TRUE(needsPaint(&dlg.view));

        host.cls(0).setSelect(95, 99);
        ASSERT_TRUE(fireTimer(&dlg, kPlay));
        EXPECT_EQ(begin(host.cls(0)), 0);
        EXPECT_EQ(end(host.cls(0)), 4);

        ASSERT_TRUE(clickButton(&dlg, IDC_MATRIX_PLAY));
        EXPECT_FALSE(timerRunning(&dlg, kPlay));
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
    // Refresh takes the controls in, also at the ends of 64 bits; Update gives them back; Position M
    // does nothing.
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
        // Selections at the ends of 64 bits apply, paint, play and come back.
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
        // Arrows move the origin within an int; resizing keeps ten pixels.
        {
            Host host(sixChannels());
            CDlgCxcMatrix2DViewer& dlg = host.matrix();
            ASSERT_TRUE(clickUpDownArrow(&dlg, IDC_ORIGIN_X_SPIN, /*upOrRight*/ true));  // the step: snapshots "few"
            EXPECT_TRUE(needsPaint(&dlg.view));
            ASSERT_TRUE(upDown(&dlg, IDC_ORIGIN_Y_SPIN, 5));  // any other step leaves the origin
            EXPECT_EQ(dlg.view.originY, 80);
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
            // Resizing keeps ten pixels to the dialog's edges, never inverts the view and drops the picture.
            const CRect before = controlRect(&dlg, IDC_MATRIX_VIEW);
            ASSERT_TRUE(resize(&dlg, 700, 400));
            EXPECT_EQ(controlRect(&dlg, IDC_MATRIX_VIEW), CRect(before.left, before.top, 690, 390));
            EXPECT_EQ(dlg.view.memBitmap, nullptr);
            ASSERT_TRUE(resize(&dlg, 100, 5));
            EXPECT_EQ(controlRect(&dlg, IDC_MATRIX_VIEW), CRect(before.left, before.top, before.left, before.top));
            shown(dlg.view);
            EXPECT_EQ(dlg.view.memBitmap, nullptr);
        }
    }
}

// Zero and NaN take the weakest negative colour, values past the range the strongest.
TEST_F(MatrixView, CellColoursAFailingLibraryTheTopLeftCornerAHugeWidthAndWithoutDataTheBackground)
{
    Host host(fourPairs());
    CDlgCxcMatrix2DViewer& dlg = cellsOnly(host);
    const Image img = shown(dlg.view);
    const CMegIndex2Colorqz& t = dlg.view.megColors;
    EXPECT_EQ(cell(img, 0, 3), t.colNeg512[0]);  // 0
    EXPECT_EQ(cell(img, 1, 3), t.colNeg512[0]);  // not a number
    EXPECT_EQ(cell(img, 0, 2), t.colPos512[511]);
    // A zero step gives every cell the weakest colour of its sign.
    host.cls().rangeMin = host.cls().rangeMax = 0.7;
    dlg.view.Invalidate(FALSE);
    const Image flat = shown(dlg.view);
    EXPECT_EQ(cell(flat, 0, 1), t.colPos512[0]);
    EXPECT_EQ(cell(flat, 0, 0), t.colPos512[0]);
    EXPECT_EQ(cell(flat, 1, 2), t.colNeg512[0]);
    EXPECT_EQ(cell(flat, 0, 3), t.colNeg512[0]);
    // Other measure kinds use the 768-level tables.
    Host other(fourPairs(2));
    CDlgCxcMatrix2DViewer& kind2 = cellsOnly(other);
    const Image img2 = shown(kind2.view);
    EXPECT_EQ(cell(img2, 0, 1), kind2.view.adrColors.ramp768Pos[384]);
    EXPECT_EQ(cell(img2, 0, 2), kind2.view.adrColors.ramp768Pos[767]);
    EXPECT_EQ(cell(img2, 1, 2), kind2.view.adrColors.ramp768Neg[192]);
    // A failing data library ends a paint quietly; only a cell's top left corner is tested against the view.
    {
        Host host(fourPairs());
        CDlgCxcMatrix2DViewer& dlg = cellsOnly(host);
        shown(dlg.view);
        const auto live = cxc::gdi::liveCounts();
        cxc::testkit::throwOnce("CWavChnlChnlData::getSelectDataMean");
        dlg.view.Invalidate(FALSE);
        shown(dlg.view);
        EXPECT_EQ(cxc::gdi::liveCounts().total(), live.total());
        dlg.view.Invalidate(FALSE);
        EXPECT_EQ(cell(shown(dlg.view), 0, 1), dlg.view.megColors.colPos512[256]);
        EXPECT_EQ(cxc::gdi::liveCounts().total(), live.total());
        const CRect client = clientRect(&dlg.view);
        dlg.view.originX = client.right - 5;  // pair row 0 starts inside and crosses the edge
        dlg.view.originY = -1;                // pair column 0 starts just above the view
        dlg.view.Invalidate(FALSE);
        const Image img = shown(dlg.view);
        const COLORREF strongest = dlg.view.megColors.colPos512[511];
        EXPECT_EQ(img.pixel(client.right - 1, 25), dlg.view.megColors.colPos512[256]);  // cell (0, 1)
        EXPECT_EQ(img.pixel(client.right - 1, 5), kWhite);                               // cell (0, 0) not drawn
        EXPECT_EQ(count(img, strongest, 0, 0, client.right, 19), 0);
    }
    // A huge pixel width draws only the first pair row; without data only the background.
    {
        for (int c : {0, 1}) {
            Host host(c == 0 ? fourPairs().samples(10).select(10, 12) : fourPairs().classes(true, false, false));
            CDlgCxcMatrix2DViewer& dlg = host.matrix(c);
            const Image img = shown(dlg.view);
            EXPECT_EQ(count(img, kWhite, 0, 0, img.width(), img.height()), img.width() * img.height()) << c;
            EXPECT_EQ(enabled(&dlg, IDC_MATRIX_CHANNEL_TYPE), c == 0);  // without data of its class: disabled
            EXPECT_EQ(items(&dlg, IDC_MATRIX_CHANNEL_TYPE).empty(), c == 1);
        }
        // A huge width draws only the first pair row (a width of zero: the snapshots "few").
        Host host(fourPairs());
        CDlgCxcMatrix2DViewer& dlg = cellsOnly(host);
        ASSERT_TRUE(typeText(&dlg, IDC_PIXEL_WIDTH, L"2000000000"));
        ASSERT_TRUE(clickButton(&dlg, IDC_REFRESH));
        const Image huge = shown(dlg.view);
        EXPECT_EQ(huge.pixel(clientRect(&dlg.view).right - 1, 110), dlg.view.megColors.colPos512[256]);  // (0, 1)
        EXPECT_EQ(huge.pixel(79, 110), kWhite);
    }
}

