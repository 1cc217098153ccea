// The row/column view: texts for what is missing, resizes, GDI counts, and mouse selections.
#include "viewers_fixture.h"

namespace {

using namespace viewertest;
using namespace cxc::harness;

class RowColumnView : public ViewerTest {
protected:
    // A point of the view in the dialog's client coordinates.
    static CPoint at(CDlgCxcRowColumn2DViewer& dlg, int x, int y)
    {
        const CRect r = controlRect(&dlg, IDC_RC_VIEW);
        return CPoint(r.left + x, r.top + y);
    }
    static void drag(CDlgCxcRowColumn2DViewer& dlg, int x0, int x1, int y = 300)
    {
        ASSERT_TRUE(mouseDown(&dlg, at(dlg, x0, y)));
        ASSERT_TRUE(mouseMove(&dlg, at(dlg, x1, y)));
        ASSERT_TRUE(mouseUp(&dlg, at(dlg, x1, y)));
    }
};

}  // namespace

TEST_F(RowColumnView, WithoutADrawerTheViewSaysSo)
{
    CDlgCxcRowColumn2DViewer dlg;
    ASSERT_TRUE(dlg.Create(IDD_CXC_ROWCOLUMN_VIEWER));
    dlg.ShowWindow(SW_SHOW);
    cxctest::expectShowsText(shown(dlg.view), L"MEG Wave-CC data drawer has not been initialized!", "text");
}

// The drawer's picture of the viewer's class is pinned by the snapshots; the view is registered.
TEST_F(RowColumnView, WithDataTheViewIsRegisteredWithThePackage)
{
    Host host(sixChannels());
    CDlgCxcRowColumn2DViewer& dlg = host.rowColumn(1);
    shown(dlg.view);
    EXPECT_TRUE(cxc::testkit::packageOf(*host.data)->hasViewer(&dlg.view));
}

TEST_F(RowColumnView, RepaintsReuseThePictureAndResizingKeepsTenPixelsAndNeverInvertsTheView)
{
    Host host(sixChannels());
    CDlgCxcRowColumn2DViewer& dlg = host.rowColumn();
    shown(dlg.view);
    CBitmap* const picture = dlg.view.memBitmap;  // repaints reuse it and leave no GDI object behind
    ASSERT_NE(picture, nullptr);
    const auto live = cxc::gdi::liveCounts();
    for (int i = 0; i < 20; ++i) {
        dlg.view.Invalidate(FALSE);
        shown(dlg.view);
    }
    EXPECT_EQ(dlg.view.memBitmap, picture);
    EXPECT_EQ(cxc::gdi::liveCounts().total(), live.total());
    EXPECT_EQ(cxc::gdi::liveCounts().refusedDeletes, live.refusedDeletes);
    const CRect before = controlRect(&dlg, IDC_RC_VIEW);
    ASSERT_TRUE(resize(&dlg, 900, 500));
    EXPECT_EQ(controlRect(&dlg, IDC_RC_VIEW), CRect(before.left, before.top, 890, 490));
    EXPECT_EQ(dlg.view.memBitmap, nullptr);
    EXPECT_EQ(dlg.view.memDC, nullptr);
    shown(dlg.view);
    ASSERT_NE(dlg.view.memBitmap, nullptr);
    EXPECT_EQ(dlg.view.memBitmap->GetBitmapDimension(), CSize(890 - before.left, 490 - before.top));

    // Too small for the view: empty, without picture, and the column layout fitted and picked in.
    ASSERT_TRUE(resize(&dlg, 5, 5));
    EXPECT_EQ(controlRect(&dlg, IDC_RC_VIEW), CRect(before.left, before.top, before.left, before.top));
    shown(dlg.view);
    EXPECT_EQ(dlg.view.memBitmap, nullptr);
    ASSERT_TRUE(selectCombo(&dlg, IDC_RC_LAYOUT, 1));
    ASSERT_TRUE(selectCombo(&dlg, IDC_RC_TYPE, 6));
    ASSERT_TRUE(mouseDown(&dlg, at(dlg, 0, 0)));
    ASSERT_TRUE(mouseUp(&dlg, at(dlg, 0, 0)));
    shown(dlg.view);
    ASSERT_TRUE(resize(&dlg, 600, 400));
    EXPECT_EQ(shown(dlg.view).width(), 590 - before.left);
    EXPECT_NE(dlg.view.memBitmap, nullptr);
}

TEST_F(RowColumnView, AFailingDataLibraryEndsThePaintQuietly)
{
    Host host(sixChannels());
    CDlgCxcRowColumn2DViewer& dlg = host.rowColumn();
    cxc::testkit::throwOnce("CSnsCohData00Time::getMCC4class");
    shown(dlg.view);
    EXPECT_EQ(dlg.view.memBitmap, nullptr);
    dlg.view.Invalidate(FALSE);
    shown(dlg.view);
    EXPECT_NE(dlg.view.memBitmap, nullptr);
}

TEST_F(RowColumnView, DragsSelectFromWhereTheyStartedAndMovesWithoutAButtonDoNot)
{
    Host host(sixChannels());
    CDlgCxcRowColumn2DViewer& dlg = host.rowColumn();
    shown(dlg.view);
    // Overlay: x of the data area starts after the 60-pixel name margin, one sample per pixel.
    ASSERT_TRUE(mouseDown(&dlg, at(dlg, 70, 300)));
    EXPECT_EQ(capture(), &dlg);
    ASSERT_TRUE(mouseMove(&dlg, at(dlg, 100, 300)));
    ASSERT_TRUE(mouseUp(&dlg, at(dlg, 100, 300)));
    EXPECT_EQ(capture(), nullptr);
    __int64 b = 0, e = 0;
    host.cls().getSelect(b, e);
    EXPECT_EQ(b, 10);
    EXPECT_EQ(e, 40);
    const Image img = shown(dlg.view);
    EXPECT_EQ(img.pixel(85, 300), kBlack);  // the band inverts the white background
    EXPECT_EQ(img.pixel(65, 300), kWhite);
    EXPECT_EQ(img.pixel(105, 300), kWhite);

    drag(dlg, 100, 70);  // to the left: ends before its begin, and only the end is marked
    host.cls().getSelect(b, e);
    EXPECT_EQ(b, 40);
    EXPECT_EQ(e, 10);
    const Image left = shown(dlg.view);
    EXPECT_EQ(left.pixel(70, 300), kGrey);
    EXPECT_EQ(left.pixel(85, 300), kWhite);
    ASSERT_TRUE(mouseMove(&dlg, at(dlg, 120, 300)));  // moving without a pressed button selects nothing
    host.cls().getSelect(b, e);
    EXPECT_EQ(b, 40);
    EXPECT_EQ(e, 10);
    EXPECT_FALSE(needsPaint(&dlg.view));
}

TEST_F(RowColumnView, ClickingAChannelLabelInColumnsHighlightsItsPairAndCapturesNothing)
{
    Host host(sixChannels().select(3, 9));
    CDlgCxcRowColumn2DViewer& dlg = host.rowColumn();
    ASSERT_TRUE(selectCombo(&dlg, IDC_RC_LAYOUT, 1));
    shown(dlg.view);
    // Six partners in three columns of two rows; partner 3 is the second row of column 1, its label
    // at the column's left edge on that row's base line.
    const int pitch = static_cast<int>(host.face.nameWidth + host.face.colDataWidth + host.face.colGap);
    const int base = static_cast<int>(host.face.topMargin) + 2 * host.face.rowHeight;
    ASSERT_TRUE(mouseDown(&dlg, at(dlg, pitch + 5, base + 5)));
    EXPECT_EQ(capture(), nullptr);
    ASSERT_TRUE(mouseUp(&dlg, at(dlg, pitch + 5, base + 5)));
    EXPECT_EQ(host.cls().curCol, 3);
    __int64 b = 0, e = 0;
    host.cls().getSelect(b, e);
    EXPECT_EQ(b, 3);
    EXPECT_EQ(e, 9);
    const Image img = shown(dlg.view);
    EXPECT_GT(count(img, kRed, pitch, base, pitch + 60, base + 20), 0);  // "MRF14" in red
    EXPECT_EQ(count(img, kRed, 0, base, 60, base + 20), 0);
}

TEST_F(RowColumnView, WithoutDataAClickSelectsNothingAndRepaintsNothing)
{
    Host host(sixChannels().noCoupling());
    CDlgCxcRowColumn2DViewer& dlg = host.rowColumn();
    shown(dlg.view);
    ASSERT_TRUE(mouseDown(&dlg, at(dlg, 70, 300)));
    EXPECT_EQ(capture(), nullptr);
    EXPECT_FALSE(needsPaint(&dlg.view));
}

TEST_F(RowColumnView, SelectionsAndStartSamplesAtTheEndsOfSixtyFourBitsPaintAndPick)
{
    Host host(sixChannels().select(LLONG_MIN, LLONG_MAX));
    CDlgCxcRowColumn2DViewer& dlg = host.rowColumn();
    ASSERT_TRUE(typeText(&dlg, IDC_SAMPLE_BEGIN, L"-9223372036854775808"));
    EXPECT_EQ(host.face.beginSample, 0);
    shown(dlg.view);
    ASSERT_TRUE(typeText(&dlg, IDC_SAMPLE_BEGIN, L"9223372036854775807"));
    ASSERT_TRUE(clickButton(&dlg, IDC_REFRESH));
    EXPECT_EQ(host.face.beginSample, 99);
    host.cls().setSelect(LLONG_MAX, LLONG_MIN);
    shown(dlg.view);
    drag(dlg, 2000, -2000);
    __int64 b = 0, e = 0;
    host.cls().getSelect(b, e);
    // Overlay picks clamp into the view: the last pixel right of it, the data area's left edge left of it.
    EXPECT_EQ(b, 99 + clientRect(&dlg.view).right - 1);
    EXPECT_EQ(e, 99);
    ASSERT_TRUE(selectCombo(&dlg, IDC_RC_LAYOUT, 1));
    shown(dlg.view);
}
