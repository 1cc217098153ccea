// The row/column viewer's lists, up-downs and edits, and its view's texts, resizes and drags.
#include <cfloat>

#include "viewers_fixture.h"

namespace {

using namespace viewertest;
using namespace cxc::harness;

const std::vector<std::wstring> kSix = {L"MLF11", L"MLF12", L"MRF13", L"MRF14", L"MLP15", L"MRO16"};
const std::vector<std::wstring> kColumns = {L"1 Column",  L"2 Columns", L"3 Columns", L"4 Columns",
                                            L"5 Columns", L"6 Columns", L"7 Columns"};

class RowColumnControls : public ViewerTest {};

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

TEST_F(RowColumnView, ListsSetTheDataClampRowsAndWithoutRowsOrDataNothingIsListedOrPickedAndDragsSelect)
{
    Host host(sixChannels().rows({}));
    ASSERT_EQ(host.cls().rowCount, 0);
    CDlgCxcRowColumn2DViewer& dlg = host.rowColumn();
    dlg.rowIndex = 3;
    host.rowColumn();
    EXPECT_TRUE(items(&dlg, IDC_ROW_COMBO).empty());
    EXPECT_TRUE(items(&dlg, IDC_RC_COLUMN).empty());
    EXPECT_EQ(dlg.rowIndex, 3);
    shown(dlg.view);
    Host none(sixChannels().noCoupling());  // without coupling data the channel type list is disabled
    CDlgCxcRowColumn2DViewer& empty = none.rowColumn();
    EXPECT_FALSE(enabled(&empty, IDC_RC_CHANNEL_TYPE));
    EXPECT_TRUE(items(&empty, IDC_RC_CHANNEL_TYPE).empty());
    EXPECT_EQ(items(&empty, IDC_RC_TRIAL), (std::vector<std::wstring>{L"trial01"}));
    shown(empty.view);
    ASSERT_TRUE(mouseDown(&empty, at(empty, 70, 300)));
    EXPECT_EQ(capture(), nullptr);
    EXPECT_FALSE(needsPaint(&empty.view));
    // A failing library ends a paint quietly; drags select from where they started.
    {
        Host host(sixChannels());
        CDlgCxcRowColumn2DViewer& dlg = host.rowColumn();
        cxc::testkit::throwOnce("CSnsCohData00Time::getMCC4class");
        shown(dlg.view);
        EXPECT_EQ(dlg.view.memBitmap, nullptr);
        dlg.view.Invalidate(FALSE);
        shown(dlg.view);
        EXPECT_NE(dlg.view.memBitmap, nullptr);
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
        EXPECT_EQ(img.pixel(85, 300), RGB(0, 0, 0));  // the band inverts the white background
        EXPECT_EQ(img.pixel(65, 300), kWhite);
        EXPECT_EQ(img.pixel(105, 300), kWhite);

        drag(dlg, 100, 70);  // to the left: ends before its begin, and only the end is marked
        host.cls().getSelect(b, e);
        EXPECT_EQ(b, 40);
        EXPECT_EQ(e, 10);
        const Image left = shown(dlg.view);
        EXPECT_EQ(left.pixel(70, 300), RGB(128, 128, 128));
        EXPECT_EQ(left.pixel(85, 300), kWhite);
        ASSERT_TRUE(mouseMove(&dlg, at(dlg, 120, 300)));  // moving without a pressed button selects nothing
        host.cls().getSelect(b, e);
        EXPECT_EQ(b, 40);
        EXPECT_EQ(e, 10);
        EXPECT_FALSE(needsPaint(&dlg.view));
    }
    // Lists set the data and say when a class is missing; a row past a new trial's rows is clamped.
    {
        Host host(sixChannels().classes(true, false, true));
        CDlgCxcRowColumn2DViewer& dlg = host.rowColumn();
        ASSERT_TRUE(selectCombo(&dlg, IDC_RC_COLUMN, 3));
        EXPECT_EQ(host.cls().curCol, 3);
        EXPECT_FALSE(selectCombo(&dlg, IDC_RC_CLASS, 2));  // disabled after every refresh
        dlg.classList.EnableWindow(TRUE);
        ASSERT_TRUE(selectCombo(&dlg, IDC_RC_CLASS, 1));
        EXPECT_EQ(messages(), (std::vector<std::wstring>{L"There is no data!?"}));
        ASSERT_TRUE(selectCombo(&dlg, IDC_RC_CLASS, 2));
        EXPECT_EQ(cxc::testkit::packageOf(*host.data)->getCurrentClass(), 2);
        EXPECT_EQ(messageBoxes().size(), 1u);
        // A row index past the rows of a new trial is clamped, an entry past them ignored.
        {
            Host host(sixChannels());
            auto small = DataSet().megAt2d(L"MLF21", 0, 0).megAt2d(L"MRF22", 10, 0).megAt2d(L"MRO23", 20, 0).buildTrial();
            host.session().addTrial(std::move(small));
            CDlgCxcRowColumn2DViewer& dlg = host.rowColumn();
            dlg.rowIndex = 5;
            host.rowColumn();
            EXPECT_EQ(comboSel(&dlg, IDC_ROW_COMBO), 5);
            ASSERT_TRUE(selectCombo(&dlg, IDC_RC_TRIAL, 1));
            EXPECT_EQ(host.session().getCurrentTrialIndx(), 1);
            EXPECT_EQ(items(&dlg, IDC_ROW_COMBO), kSix);  // not refilled by a trial change
            host.rowColumn();
            EXPECT_EQ(dlg.rowIndex, 2);
            EXPECT_EQ(items(&dlg, IDC_ROW_COMBO), (std::vector<std::wstring>{L"MLF21", L"MRF22", L"MRO23"}));
            EXPECT_EQ(comboSel(&dlg, IDC_ROW_COMBO), 2);
            dlg.rowList.AddString(L"beyond");  // an entry past the rows of the current trial is ignored
            const long long row = host.cls().curRow;
            ASSERT_TRUE(selectCombo(&dlg, IDC_ROW_COMBO, 3));
            EXPECT_EQ(host.cls().curRow, row);
            pumpPaints();
            ASSERT_TRUE(selectCombo(&dlg, IDC_ROW_COMBO, 1));
            EXPECT_EQ(host.cls().curRow, 1);
            EXPECT_TRUE(needsPaint(&dlg.view));
        }
    }
}

TEST_F(RowColumnControls, LayoutTypeUpDownsAndEditsSetTheDrawerAtOnceAndRefreshShowsItsSettings)
{
    Host host(sixChannels());
    CDlgCxcRowColumn2DViewer& dlg = host.rowColumn();
    ASSERT_TRUE(selectCombo(&dlg, IDC_RC_TYPE, 2));
    EXPECT_EQ(host.face.overlayType, 2);
    EXPECT_EQ(dlg.overlayType, 2);
    ASSERT_TRUE(selectCombo(&dlg, IDC_RC_LAYOUT, 1));
    EXPECT_EQ(host.face.displayMode, 1u);
    EXPECT_EQ(dlg.displayMode, 1);
    EXPECT_EQ(items(&dlg, IDC_RC_TYPE), kColumns);
    EXPECT_EQ(comboSel(&dlg, IDC_RC_TYPE), 2);
    ASSERT_TRUE(selectCombo(&dlg, IDC_RC_TYPE, 4));
    EXPECT_EQ(host.face.displayColumn, 5);
    EXPECT_EQ(dlg.displayColumn, 5);
    // Six partners in five columns: two rows each, over the view's client height less the margins.
    const CRect client = clientRect(&dlg.view);
    EXPECT_EQ(host.face.rowsPerColumn, 2);
    EXPECT_EQ(host.face.rowHeight, (client.Height() - 40) / 3);
    EXPECT_EQ(host.face.colDataWidth, client.Width() / 5 - 60 - 10);
    host.face.setOverlayType(1);  // the overlay entry is the drawer's, which another viewer may change
    ASSERT_TRUE(selectCombo(&dlg, IDC_RC_LAYOUT, 0));
    EXPECT_EQ(host.face.displayMode, 0u);
    EXPECT_EQ(comboSel(&dlg, IDC_RC_TYPE), 1);
    EXPECT_TRUE(messageBoxes().empty());

    dlg.layoutList.AddString(L"Beside");  // a layout the viewer does not offer
    ASSERT_TRUE(selectCombo(&dlg, IDC_RC_LAYOUT, 2));
    EXPECT_EQ(messages(), (std::vector<std::wstring>{L"Display mode error!"}));
    EXPECT_EQ(host.face.displayMode, 0u);

    clearMessageBoxes();  // an offered layout other than overlay or columns is a show mode error
    Host beside(sixChannels());
    beside.face.setDisplayMode(2);
    CDlgCxcRowColumn2DViewer& other = beside.rowColumn();
    EXPECT_EQ(messages(), (std::vector<std::wstring>{L"Show mode error!?"}));
    EXPECT_TRUE(items(&other, IDC_RC_TYPE).empty());
    EXPECT_EQ(comboSel(&other, IDC_RC_LAYOUT), CB_ERR);
    // Up-downs and edits apply at once; Refresh repaints and shows the drawer's settings.
    clearMessageBoxes();
    {
        Host host(sixChannels().samples(100));
        CDlgCxcRowColumn2DViewer& dlg = host.rowColumn();
        ASSERT_TRUE(clickUpDownArrow(&dlg, IDC_TIME_SCALE_SPIN, /*upOrRight*/ true));
        EXPECT_EQ(str(text(&dlg, IDC_TIME_SCALE)), L"2");
        EXPECT_EQ(host.face.pxPerSample, 2.0);
        EXPECT_TRUE(needsPaint(&dlg.view));
        pumpPaints();
        ASSERT_TRUE(clickUpDownArrow(&dlg, IDC_TIME_SCALE_SPIN, false));
        ASSERT_TRUE(clickUpDownArrow(&dlg, IDC_TIME_SCALE_SPIN, false));
        EXPECT_EQ(host.face.pxPerSample, 0.5);
        ASSERT_TRUE(clickUpDownArrow(&dlg, IDC_AMP_SCALE_SPIN, /*upOrRight*/ true));
        EXPECT_EQ(str(text(&dlg, IDC_AMP_SCALE)), L"0.01");
        EXPECT_EQ(host.face.ampScale, 0.01);
        ASSERT_TRUE(upDown(&dlg, IDC_AMP_SCALE_SPIN, 3));  // any other step leaves the scale
        EXPECT_EQ(host.face.ampScale, 0.01);
        ASSERT_TRUE(typeText(&dlg, IDC_AMP_SCALE, L"1e308"));  // doubling stops at the largest an edit accepts
        ASSERT_TRUE(clickUpDownArrow(&dlg, IDC_AMP_SCALE_SPIN, true));
        EXPECT_EQ(host.face.ampScale, 1e308);
        ASSERT_TRUE(clickButton(&dlg, IDC_REFRESH));
        EXPECT_TRUE(messageBoxes().empty());
        pumpPaints();
        ASSERT_TRUE(typeText(&dlg, IDC_TIME_SCALE, L"3"));
        ASSERT_TRUE(typeText(&dlg, IDC_SAMPLE_BEGIN, L"500"));
        EXPECT_EQ(host.face.pxPerSample, 3.0);
        EXPECT_EQ(host.face.beginSample, 99);  // the drawer keeps the first sample inside the series
        EXPECT_EQ(str(text(&dlg, IDC_SAMPLE_BEGIN)), L"500");
        EXPECT_FALSE(needsPaint(&dlg.view));
        ASSERT_TRUE(typeText(&dlg, IDC_AMP_SCALE, L"abc"));  // refused: nothing of it reaches the drawer
        EXPECT_EQ(host.face.ampScale, 1e308);
        ASSERT_TRUE(typeText(&dlg, IDC_AMP_SCALE, L"2"));
        clearMessageBoxes();
        ASSERT_TRUE(clickButton(&dlg, IDC_REFRESH));
        EXPECT_EQ(host.face.ampScale, 2.0);
        EXPECT_TRUE(needsPaint(&dlg.view));
        // Another viewer of the same facade changed the shared drawer.
        host.face.pxPerSample = 2.0;
        host.face.ampScale = 0.5;
        host.face.beginSample = 7;
        host.rowColumn();
        EXPECT_EQ(host.face.pxPerSample, 2.0);
        EXPECT_EQ(host.face.ampScale, 0.5);
        EXPECT_EQ(host.face.beginSample, 7);
        EXPECT_EQ(str(text(&dlg, IDC_SAMPLE_BEGIN)), L"7");
        EXPECT_EQ(str(text(&dlg, IDC_TIME_SCALE)), L"2");
        EXPECT_EQ(str(text(&dlg, IDC_AMP_SCALE)), L"0.5");
    }
}

TEST_F(RowColumnView, ClickingALabelHighlightsItsPairEndsOf64BitsPaintWithoutADrawerItSaysSoResizing)
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
    // Selections and start samples at the ends of 64 bits paint and pick.
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
        // Overlay picks clamp into the view: the last pixel right of it, the data area's left edge left.
        EXPECT_EQ(b, 99 + clientRect(&dlg.view).right - 1);
        EXPECT_EQ(e, 99);
        ASSERT_TRUE(selectCombo(&dlg, IDC_RC_LAYOUT, 1));
        shown(dlg.view);
    }
    // Without a drawer the view says so; registered it reuses its picture; resizing keeps ten pixels.
    {
        Host host(sixChannels());
        CDlgCxcRowColumn2DViewer& dlg = host.rowColumn(1);
        shown(dlg.view);
        EXPECT_TRUE(cxc::testkit::packageOf(*host.data)->hasViewer(&dlg.view));
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
        // Without a drawer the view says so.
        CDlgCxcRowColumn2DViewer bare;
        ASSERT_TRUE(bare.Create(IDD_CXC_ROWCOLUMN_VIEWER));
        bare.ShowWindow(SW_SHOW);
        cxctest::expectShowsText(shown(bare.view), L"MEG Wave-CC data drawer has not been initialized!", "text");
    }
}

