// The top level, the overlay layouts on a hand-made row, and the column layout on 600 x 400.
#include "drawer_fixture.h"

using namespace drawertest;

namespace {

// Row 0 of channel MZC01: partner k (1..5) is a constant 10 k, drawn 10 k pixels above its base line.
DataSet row()
{
    return DataSet().megAt2d(L"MZC01", 0, 0).megAt2d(L"MLF11", 1, 0).megAt2d(L"MLP21", 2, 0)
        .megAt2d(L"MRF31", 3, 0).megAt2d(L"MRO41", 4, 0).megAt2d(L"MZO01", 5, 0).pair(0, 1, 10.0)
        .pair(0, 2, 20.0).pair(0, 3, 30.0).pair(0, 4, 40.0).pair(0, 5, 50.0).currentColumn(-1);
}

struct Overlay {
    explicit Overlay(const DataSet& recipe, int type) : d(recipe)
    {
        d.overlayType = type;
        d.ampScale = 1.0;
    }
    int draw() { return d.drawOverlay(&c.dc, area); }
    TestDrawer d;
    Canvas c{480, 300};
    CRect area{60, 0, 460, 300};
};

// Row 0 of ten channels; partner k is a constant series of value(k) (default 5 k, ampScale 1).
DataSet tenPartners()
{
    DataSet s = DataSet().meg(10).currentColumn(-1);
    for (int k = 1; k < 10; ++k) s.pair(0, k, 5.0 * k);
    return s;
}

struct Columns {
    explicit Columns(const DataSet& recipe) : d(recipe)
    {
        d.displayMode = 1;
        d.ampScale = 1.0;
    }
    int layout() { return d._calculateColumnBlockH(rect); }
    int baseY(int row) const { return 20 + (row + 1) * 72; }
    int dataLeft(int col) const { return col * 200 + 60; }
    TestDrawer d;
    Canvas c{600, 400};
    CRect rect{0, 0, 600, 400};
};

}  // namespace

// A name with both letters stands in both halves; a partner not shown in all trials in neither.
TEST(DrawerOverlay, OverlayTypesDecimatedTracesLabelsAndTheTopLevelFillsSplitsAndColumns)
{
    Overlay o(DataSet().megAt2d(L"MZC01", 0, 0).megAt2d(L"XLRX", 1, 0).megAt2d(L"MRO41", 2, 0)
                  .pair(0, 1, 10.0).pair(0, 2, 40.0).flags(2, true, false).currentColumn(-1), 1);
    o.draw();
    EXPECT_EQ(o.c.at(100, 65), RGB(0, 255, 0));
    EXPECT_EQ(o.c.at(100, 215), RGB(0, 0, 255));
    EXPECT_EQ(o.c.at(100, 225 - 40), testgdi::kWhite);
    // The four values are pinned by the row/column snapshots; a long session name is cut.
    {
        Overlay o(row().session(L"a long session name of forty characters"), 0);
        o.draw();
        const CString name(L"a long session name of forty characters");
        const CSize size = extent(o.d, name);
        const CString shown = name.Right(2 * (size.cx / name.GetLength()));
        EXPECT_LT(shown.GetLength(), name.GetLength());
        EXPECT_TRUE(showsText(o.c, o.d, 0, 150 - size.cy / 2, shown.GetString()));
    }
    // Decimated traces; no labels or values when switched off or empty.
    {
        // A partner 200 above the base line leaves the area (top 50): the sample-by-sample trace sticks
        // to the top, the decimated one does not.
        for (double scale : {0.5, 0.49}) {
            Overlay o(DataSet().meg(2).pair(0, 1, 200.0).currentColumn(-1), 0);
            o.d.showLabel = o.d.showValue = 0;
            o.d.pxPerSample = scale;
            o.area.top = 50;
            ASSERT_EQ(o.draw(), 1);
            EXPECT_EQ(countIn(o.c, testgdi::kBlack, CRect(60, 0, 460, 50)) > 0, scale < 0.5) << scale;
            EXPECT_EQ(o.c.at(70, 50), scale < 0.5 ? testgdi::kWhite : testgdi::kBlack) << scale;
        }
        // The decimated trace is one stroke per step of samples.
        std::vector<double> zigzag(100);
        for (size_t s = 0; s < zigzag.size(); ++s) zigzag[s] = s % 2 ? 10.0 : 0.0;
        Overlay z(DataSet().meg(2).diagonal(0.0).pair(0, 1, zigzag).currentColumn(-1), 0);
        z.d.showLabel = z.d.showValue = 0;
        z.d.pxPerSample = 0.49;  // step 2: strokes from 0 to 10 at x = 60 + trunc(0.49 s)
        z.draw();
        for (int y = 141; y <= 150; ++y) EXPECT_EQ(z.c.at(61, y), testgdi::kBlack) << y;
        EXPECT_EQ(z.c.at(61, 139), testgdi::kWhite);
        EXPECT_EQ(z.c.at(60 + 49, 145), testgdi::kWhite);  // 49 strokes, the last at x = 60 + 48
        EXPECT_EQ(z.c.at(60 + 48, 145), testgdi::kBlack);
        // 60..460: sample 534 lies at 460.5 at 0.75 px a sample, sample 1335 decimated at 0.3; either
        // truncates to the right edge, so the trace reaches x = 460 and lights column 459.
        for (double scale : {0.75, 0.3}) {
            Overlay e(DataSet().meg(2).samples(1400).diagonal(0.0).pair(0, 1, 10.0).currentColumn(-1), 0);
            e.d.showLabel = e.d.showValue = 0;
            e.d.pxPerSample = scale;
            ASSERT_EQ(e.draw(), 1);
            EXPECT_EQ(e.c.at(458, 140), testgdi::kBlack) << scale;
            EXPECT_EQ(e.c.at(459, 140), testgdi::kBlack) << scale;
            EXPECT_EQ(e.c.at(460, 140), testgdi::kWhite) << scale;
        }
        // No labels or values when switched off or empty; nothing of an unknown type or without data.
        for (int type : {0, 1, 2}) {
            Overlay o(row().session(L""), type);
            o.d.showValue = 0;
            o.d.showLabel = type == 0;  // an empty session name writes nothing either
            o.draw();
            EXPECT_EQ(countIn(o.c, testgdi::kBlack, CRect(0, 0, 60, 300)), 0) << type;
            const int baseLines[3] = {1, 2, 4};  // and nothing else right of the traces
            EXPECT_EQ(countIn(o.c, testgdi::kBlack, CRect(161, 0, 460, 300)), 299 * baseLines[type]) << type;
        }
        Overlay o(row(), 3);  // an unknown type and missing data draw nothing
        EXPECT_EQ(o.draw(), 0);
        EXPECT_EQ(o.c.countNot(testgdi::kWhite), 0);
        Overlay none(DataSet().meg(3).noCoupling(), 0);
        EXPECT_EQ(none.d.drawOverlay_All_normal(&none.c.dc, none.area), 0);
        EXPECT_EQ(none.c.at(300, 150), testgdi::kBlack);  // the axes come before the data
        for (int type : {1, 2}) {
            Overlay n(DataSet().meg(3).noCoupling(), type);
            EXPECT_EQ(n.draw(), 0);
            EXPECT_EQ(n.c.countNot(testgdi::kWhite), 0);
        }
    }
    // The top level fills, keeps the class, splits beside the columns; columns run unclamped.
    {
        TestDrawer d(DataSet().meg(3));
        d.displayMode = 9;  // unknown: nothing but the background
        d.bkColour = RGB(250, 240, 230);
        Canvas c(320, 220);
        const COLORREF bk = c.dc.GetBkColor();
        EXPECT_EQ(d.drawWaveCCData(&c.dc, CRect(10, 10, 310, 210), 2), 1);
        EXPECT_EQ(countIn(c, RGB(250, 240, 230), CRect(10, 10, 310, 210)), 300 * 200);
        EXPECT_EQ(c.count(RGB(250, 240, 230)), 300 * 200);
        EXPECT_EQ(d.drawRect, CRect(10, 10, 310, 210));
        EXPECT_EQ(d.cxcClass, 2);
        EXPECT_EQ(c.dc.GetBkColor(), bk);
        EXPECT_EQ(d.drawWaveCCData(nullptr, CRect(0, 0, 10, 10), 1), 1);
        // The name margin and the traces are pinned by the overlay snapshots; the grid only when asked.
        TestDrawer g(DataSet().meg(2).pair(0, 1, 10.0).select(25, 25).currentColumn(-1));
        g.showGrid1 = 1;
        Canvas o(400, 300);
        g.drawWaveCCData(&o.dc, CRect(0, 0, 400, 300), 0);
        EXPECT_EQ(o.at(85, 250), kGrey);               // selection line at sample 25
        EXPECT_EQ(o.at(300, 75), RGB(220, 220, 220));  // grid at a quarter height
        // Overlay beside columns splits the width; columns start at 0.
        {
            TestDrawer d(DataSet().meg(6).pair(0, 1, 10.0).select(5, 5).currentColumn(-1));
            d.displayMode = 2;
            d.ampScale = 1;
            d.showLabel = 0;
            Canvas c(600, 400);
            EXPECT_EQ(d.drawWaveCCData(&c.dc, CRect(0, 0, 600, 400), 0), 1);
            EXPECT_EQ(c.at(0, 300), testgdi::kBlack);   // the overlay strip's axis at its left edge
            EXPECT_EQ(c.at(50, 140), testgdi::kBlack);  // partner 1 in the strip
            EXPECT_EQ(d.colDataWidth, 450 / 3 - 70);    // the columns share what is right of 600 div 4
            EXPECT_EQ(c.at(150 + 60 + 20, 20 + 2 * d.rowHeight - 10), testgdi::kBlack);  // partner 1's column trace
            d.displayColumn = -1;  // the strip's width must not divide by zero
            EXPECT_EQ(d.drawWaveCCData(&c.dc, CRect(0, 0, 600, 400), 0), 1);
            // Each column's grid, marks and marker: the columns snapshots; the columns start at 0.
            TestDrawer z(DataSet().meg(10).select(25, 25).currentColumn(-1));
            z.displayMode = 1;
            Canvas zc(600, 400);
            z.drawWaveCCData02(&zc.dc, CRect(100, 0, 600, 400), 0);
            EXPECT_EQ(z.rowsPerColumn, 4);
            EXPECT_EQ(z.colDataWidth, 130);  // from a width of 600: rect.left is ignored
            EXPECT_TRUE(showsText(zc, z, 0, 92, z.trial->getChannelName(0)));
        }
        // Ten partners in columns run unclamped; base lines and names switch off; column counts below one
        // are raised.
        {
            Columns o(tenPartners().pair(0, 9, 100.0).currentColumn(6));
            ASSERT_EQ(o.layout(), 1);  // rows of (400 - 20 - 20) div 5: the rows are pinned by the snapshots "few"
            EXPECT_EQ(o.d.colDataWidth, 130);
            ASSERT_EQ(o.d.drawColumnTime(&o.c.dc, o.rect), 1);  // partner 9 runs over the row above
            EXPECT_EQ(o.c.at(o.dataLeft(2) + 50, o.baseY(1) - 100), testgdi::kBlack);
            o.c.clear(testgdi::kWhite);
            o.d.showValue = 0;  // without values base lines run to the end
            ASSERT_EQ(o.d._drawColumnChannelBaseLine(&o.c.dc, o.rect), 1);
            EXPECT_EQ(o.c.at(o.dataLeft(2) + 129, o.baseY(1)), kGrey);
            o.d.showBaseLine = 0;
            EXPECT_EQ(o.d._drawColumnChannelBaseLine(&o.c.dc, o.rect), 0);
            o.c.clear(testgdi::kWhite);
            o.d.showLabel = 0;  // names switched off draw nothing
            EXPECT_EQ(o.d._drawColumnChannelName(&o.c.dc, o.rect), 0);
            EXPECT_EQ(o.c.count(testgdi::kBlack), 0);
            // A column count below one is raised, only with data.
            Columns none(DataSet().meg(4).withoutPairArray(0));
            none.d.displayColumn = 0;
            EXPECT_EQ(none.layout(), 0);
            EXPECT_EQ(none.d.displayColumn, 0);
            EXPECT_EQ(none.d.rowHeight, 20);  // the geometry stays as it was
            Columns four(DataSet().meg(4));
            four.d.displayColumn = 0;
            EXPECT_EQ(four.layout(), 1);
            EXPECT_EQ(four.d.displayColumn, 1);
            EXPECT_EQ(four.d.rowsPerColumn, 4);
        }
    }
}

