// The drawer's overlay layouts on a hand-made row: which partner's trace stands in which half or
// region and in which pen, the switch between the decimated and the sample-by-sample trace, the
// labels and the four measurement values.
#include <cmath>

#include "drawer_fixture.h"

using namespace drawertest;

namespace {

// Row 0 of channel MZC01: partner k (1..5) is a constant series of 10 k, drawn at 10 k pixels above
// its base line (ampScale 1). Values are in the plane only to name the channels.
DataSet row()
{
    return DataSet()
        .megAt2d(L"MZC01", 0, 0)
        .megAt2d(L"MLF11", 1, 0)
        .megAt2d(L"MLP21", 2, 0)
        .megAt2d(L"MRF31", 3, 0)
        .megAt2d(L"MRO41", 4, 0)
        .megAt2d(L"MZO01", 5, 0)
        .pair(0, 1, 10.0).pair(0, 2, 20.0).pair(0, 3, 30.0).pair(0, 4, 40.0).pair(0, 5, 50.0)
        .currentColumn(-1);
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

constexpr COLORREF kRegion[4] = {RGB(125, 255, 0), RGB(255, 255, 0), RGB(125, 0, 255), RGB(255, 0, 255)};

}  // namespace

TEST(DrawerOverlay, AllDrawsEveryPartnerOnOneBaseLine)
{
    Overlay o(row().flags(3, true, false), 0);
    ASSERT_EQ(o.draw(), 1);
    for (int k = 1; k <= 5; ++k) EXPECT_EQ(o.c.at(100, 150 - 10 * k), testgdi::kBlack) << k;
    EXPECT_EQ(o.c.at(100, 149), testgdi::kBlack);  // the self pair, 1.0
    EXPECT_EQ(o.c.at(300, 150), testgdi::kBlack);  // base line
    EXPECT_EQ(o.c.at(60, 290), testgdi::kBlack);   // vertical axis
    EXPECT_EQ(o.c.at(100, 145), testgdi::kWhite);
    EXPECT_EQ(o.c.at(160, 140), testgdi::kWhite);  // 100 samples end at x = 159
}

TEST(DrawerOverlay, TwoSidesSplitsByLetterAndShownFlag)
{
    Overlay o(row().flags(4, true, false), 1);
    ASSERT_EQ(o.draw(), 1);
    EXPECT_EQ(o.c.at(100, 75 - 10), kGreen);   // MLF11 on the upper base line (75)
    EXPECT_EQ(o.c.at(100, 75 - 20), kGreen);   // MLP21
    EXPECT_EQ(o.c.at(100, 225 - 30), kBlue);   // MRF31 on the lower one (225)
    EXPECT_EQ(o.c.at(100, 225 - 40), testgdi::kWhite);  // MRO41 is not shown in all trials
    EXPECT_EQ(o.c.at(100, 75 - 50), testgdi::kWhite);   // MZO01 has neither letter
    EXPECT_EQ(o.c.at(100, 225 - 50), testgdi::kWhite);
    EXPECT_EQ(o.c.at(300, 75), testgdi::kBlack);
    EXPECT_EQ(o.c.at(300, 225), testgdi::kBlack);
    EXPECT_TRUE(showsText(o.c, o.d, 0, 75 - 16, L"Left"));
    EXPECT_TRUE(showsText(o.c, o.d, 0, 225 - 16, L"Right"));
}

TEST(DrawerOverlay, ANameWithBothLettersStandsInBothHalves)
{
    Overlay o(DataSet().megAt2d(L"MZC01", 0, 0).megAt2d(L"XLRX", 1, 0).pair(0, 1, 10.0).currentColumn(-1), 1);
    o.draw();
    EXPECT_EQ(o.c.at(100, 65), kGreen);
    EXPECT_EQ(o.c.at(100, 215), kBlue);
}

TEST(DrawerOverlay, FourRegionsByPrefixWithTheirPensAndLabels)
{
    Overlay o(row(), 2);
    ASSERT_EQ(o.draw(), 1);
    const int y[4] = {37, 112, 187, 262};  // 1/8, 3/8, 5/8, 7/8 of 300, truncated
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(o.c.at(100, y[i] - 10 * (i + 1)), kRegion[i]) << i;
        EXPECT_EQ(o.c.at(300, y[i]), testgdi::kBlack) << i;
    }
    EXPECT_EQ(o.c.at(100, 37 - 20), testgdi::kWhite);  // MLP21 is not a front channel
    const wchar_t* labels[4] = {L"Left Front", L"Left Back", L"Right Front", L"Right Back"};
    for (int i = 0; i < 4; ++i) EXPECT_TRUE(showsText(o.c, o.d, 0, y[i] - 16, labels[i])) << i;
}

TEST(DrawerOverlay, TheHighlightedPartnerTakesTheHighlightPen)
{
    for (int type : {0, 1, 2}) {
        Overlay o(row().currentColumn(1), type);
        o.draw();
        const int y = type == 0 ? 140 : type == 1 ? 65 : 27;
        EXPECT_EQ(o.c.at(100, y), testgdi::kRed) << type;
        EXPECT_EQ(o.c.at(100, y - 1), testgdi::kRed) << type;  // 2 px wide
        EXPECT_EQ(o.c.at(100, type == 0 ? 130 : type == 1 ? 55 : 92), type == 0 ? testgdi::kBlack
                                                                    : type == 1 ? kGreen : kRegion[1]);
    }
}

TEST(DrawerOverlay, DecimatedBelowHalfAPixelPerSampleAndUnclamped)
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
}

TEST(DrawerOverlay, DecimatedTraceIsOneStrokePerStepOfSamples)
{
    std::vector<double> zigzag(100);
    for (size_t s = 0; s < zigzag.size(); ++s) zigzag[s] = s % 2 ? 10.0 : 0.0;
    Overlay o(DataSet().meg(2).diagonal(0.0).pair(0, 1, zigzag).currentColumn(-1), 0);
    o.d.showLabel = o.d.showValue = 0;
    o.d.pxPerSample = 0.49;  // step 2: strokes from 0 to 10 at x = 60 + trunc(0.49 s)
    o.draw();
    for (int y = 141; y <= 150; ++y) EXPECT_EQ(o.c.at(61, y), testgdi::kBlack) << y;
    EXPECT_EQ(o.c.at(61, 139), testgdi::kWhite);
    EXPECT_EQ(o.c.at(60 + 49, 145), testgdi::kWhite);  // 49 strokes, the last at x = 60 + 48
    EXPECT_EQ(o.c.at(60 + 48, 145), testgdi::kBlack);
}

// The four values are pinned by the row/column snapshots; a long session name is cut.
TEST(DrawerOverlay, AllWritesTheEndOfALongSessionName)
{
    Overlay o(row().session(L"a long session name of forty characters"), 0);
    o.draw();
    const CString name(L"a long session name of forty characters");
    const CSize size = extent(o.d, name);
    const CString shown = name.Right(2 * (size.cx / name.GetLength()));
    EXPECT_LT(shown.GetLength(), name.GetLength());
    EXPECT_TRUE(showsText(o.c, o.d, 0, 150 - size.cy / 2, shown.GetString()));
}

TEST(DrawerOverlay, RegionValuesCombineTheirTwoPrefixes)
{
    // Left Front: MLF11 = 10 and MLC21 = 30 give minimum 10, mean of means 20, maximum 30.
    Overlay o(DataSet().megAt2d(L"MZO01", 0, 0).megAt2d(L"MLF11", 1, 0).megAt2d(L"MLC21", 2, 0)
                  .pair(0, 1, 10.0).pair(0, 2, 30.0), 2);
    o.draw();
    const int cy = extent(o.d, L"10.0 fT").cy;
    const int widest = extent(o.d, L"30.0 fT").cx;
    EXPECT_TRUE(showsText(o.c, o.d, 460 - widest, 37 + cy + 1, L"10.0 fT"));
    EXPECT_TRUE(showsText(o.c, o.d, 460 - widest, 37, L"20.0 fT"));
    EXPECT_TRUE(showsText(o.c, o.d, 460 - widest, 37 - cy - 1, L"30.0 fT"));
    EXPECT_TRUE(showsText(o.c, o.d, 460 - widest, 37 - 2 * cy - 2, L"20.0 fT"));
}

TEST(DrawerOverlay, NoLabelsOrValuesWhenSwitchedOffOrEmpty)
{
    for (int type : {0, 1, 2}) {
        Overlay o(row().session(L""), type);
        o.d.showValue = 0;
        o.d.showLabel = type == 0;  // an empty session name writes nothing either
        o.draw();
        EXPECT_EQ(countIn(o.c, testgdi::kBlack, CRect(0, 0, 60, 300)), 0) << type;
        const int baseLines[3] = {1, 2, 4};  // and nothing else right of the traces
        EXPECT_EQ(countIn(o.c, testgdi::kBlack, CRect(161, 0, 460, 300)), 299 * baseLines[type]) << type;
    }
}

TEST(DrawerOverlay, UnknownTypeAndMissingDataDrawNothing)
{
    Overlay o(row(), 3);
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

TEST(DrawerOverlay, EachRegionDrawsExactlyTheChannelsOfItsOwnPrefixes)
{
    // Partner k is a constant k, drawn k pixels above a base line: every partner has a row of its own
    // in every band, lit in the band of its prefix and in no other.
    const struct {
        const wchar_t* name;
        int band;  // -1: no band's prefix
    } partners[] = {{L"MLF11", 0}, {L"MLF12", 0}, {L"MLC11", 0}, {L"MLC12", 0}, {L"MLP11", 1}, {L"MLP12", 1},
                    {L"MLO11", 1}, {L"MLO12", 1}, {L"MRF11", 2}, {L"MRF12", 2}, {L"MRC11", 2}, {L"MRC12", 2},
                    {L"MRP11", 3}, {L"MRP12", 3}, {L"MRO11", 3}, {L"MRO12", 3}, {L"MZC01", -1}, {L"MZO01", -1}};
    DataSet data;
    data.megAt2d(L"MZF01", 0, 0).diagonal(0.0).currentColumn(-1);
    for (int k = 1; k <= 18; ++k) data.megAt2d(partners[k - 1].name, k, 0).pair(0, k, static_cast<double>(k));
    Overlay o(data, 2);
    o.d.showValue = 0;
    ASSERT_EQ(o.draw(), 1);
    const int y[4] = {37, 112, 187, 262};
    for (int band = 0; band < 4; ++band)
        for (int k = 1; k <= 18; ++k)
            EXPECT_EQ(o.c.at(100, y[band] - k), partners[k - 1].band == band ? kRegion[band] : testgdi::kWhite)
                << "band " << band << ", " << partners[k - 1].name;
}

TEST(DrawerOverlay, ASampleWhoseXTruncatesToTheRightEdgeIsStillDrawn)
{
    // 60..460: at 0.75 px per sample, sample 534 lies at 460.5; decimated at 0.3 (three samples a
    // stroke), sample 1335 does. Either truncates to the right edge, so the trace reaches x = 460 and
    // lights column 459.
    for (double scale : {0.75, 0.3}) {
        Overlay o(DataSet().meg(2).samples(1400).diagonal(0.0).pair(0, 1, 10.0).currentColumn(-1), 0);
        o.d.showLabel = o.d.showValue = 0;
        o.d.pxPerSample = scale;
        ASSERT_EQ(o.draw(), 1);
        EXPECT_EQ(o.c.at(458, 140), testgdi::kBlack) << scale;
        EXPECT_EQ(o.c.at(459, 140), testgdi::kBlack) << scale;
        EXPECT_EQ(o.c.at(460, 140), testgdi::kWhite) << scale;
    }
}
