// The sensor layer of both views: pixel mapping, labels, the hit test, and the checks on the way.
#include <climits>

#include "maps_fixture.h"
#include "sensorcore.h"

namespace {

using namespace maptest;
using cxc::maps::PlaneToPixel;

struct MapCase {
    double x, y;
    bool mirror;
    int px, py;
};

class PixelMapping : public ::testing::TestWithParam<MapCase> {};

TEST_P(PixelMapping, ScalesOffsetsMirrorsAndClamps)
{
    const MapCase c = GetParam();
    PlaneToPixel m;
    m.sx = m.sy = 2.0;
    m.x0 = m.y0 = 60;
    m.w = m.h = 320;
    m.mirror = c.mirror;
    int px = -1, py = -1;
    ASSERT_TRUE(m(c.x, c.y, px, py));
    EXPECT_EQ(px, c.px);
    EXPECT_EQ(py, c.py);
}

INSTANTIATE_TEST_SUITE_P(Maps, PixelMapping, ::testing::Values(
    MapCase{0, 0, false, 60, 260}, MapCase{0, 0, true, 260, 260},          // mirrored about the width
    MapCase{100, 100, false, 260, 60}, MapCase{100, 100, true, 60, 60},
    MapCase{0.75, 0.75, false, 61, 258},                                   // truncated, y grows upwards
    MapCase{-50, 0, false, 0, 260}, MapCase{-50, 0, true, 319, 260},       // clamped onto the border
    MapCase{200, -100, false, 319, 319}, MapCase{1e300, 1e300, false, 319, 0},
    MapCase{kInf, -kInf, false, 319, 319}, MapCase{-kInf, kInf, true, 319, 0}));

class Sensors : public MapTest {};

TEST_F(Sensors, EachViewFitsItsOwnPlaneRefusesBadExtentsMapsNoNaNAndLabelsShortNames)
{
    // The MEG plane spans 100 units, the EEG plane 50: neither view rescales the other.
    const DataSet both = square().eegAt2d(L"Fp1", 0, 0).eegAt2d(L"Oz", 50, 50);
    MegRig meg(both.build());
    EegRig eeg(both.build());
    ASSERT_EQ(meg.paint(), 1);
    ASSERT_EQ(eeg.paint(), 1);
    EXPECT_DOUBLE_EQ(meg.view.scaleX, 2.0);
    EXPECT_DOUBLE_EQ(eeg.view.scaleX, 4.0);
    // A NaN extent or one narrower than a unit: an error, the background only, the scales untouched.
    MegRig nan(DataSet().megAt2d(L"MLF11", kNaN, 0).megAt2d(L"MRF11", 100, 100).build());
    nan.view.backColor = RGB(10, 20, 30);
    EXPECT_EQ(nan.paint(), 0);
    EXPECT_EQ(nan.countAll(RGB(10, 20, 30)), 320 * 320);
    EXPECT_DOUBLE_EQ(nan.view.scaleX, 1.0);
    MegRig narrow(DataSet().megAt2d(L"MLF11", 0, 0).megAt2d(L"MRF11", 100, 0.5).build());
    EXPECT_EQ(narrow.paint(), 0);
    EXPECT_EQ(messageCount(L"sensor location error!"), 2);
    // A NaN gives no pixel, and an empty surface clamps to zero.
    PlaneToPixel m;
    m.sx = m.sy = 2.0;
    m.w = m.h = 320;
    int px = 0, py = 0;
    EXPECT_FALSE(m(kNaN, 0, px, py));
    EXPECT_FALSE(m(0, kNaN, px, py));
    m.sx = kNaN;
    EXPECT_FALSE(m(1, 1, px, py));
    PlaneToPixel empty;  // no surface yet: every position lands on 0, never an inverted range
    EXPECT_TRUE(empty(50, 50, px, py));
    EXPECT_EQ(px, 0);
    EXPECT_EQ(py, 0);
    // Short and empty names are labelled in the other colour.
    MegRig r(DataSet().megAt2d(L"A", 0, 0).megAt2d(L"", 100, 100).build());
    bare(r.view);
    r.view.showLabel = 1;
    r.view.showSensor = 0;
    ASSERT_EQ(r.paint(), 1);
    EXPECT_GT(r.countAround(kBlue, squarePixel(0), 10), 5);
    EXPECT_EQ(r.countAll(kWhite) + r.countAll(kBlue), 320 * 320);
}

struct LabelCase {
    const wchar_t* label;
    COLORREF colour;
};
class LabelColours : public ::testing::TestWithParam<LabelCase> {};

TEST_P(LabelColours, RegionAndHemisphereChooseTheColour)
{
    EXPECT_EQ(cxc::maps::labelColor(GetParam().label), GetParam().colour) << cxc::toUtf8(GetParam().label);
}

INSTANTIATE_TEST_SUITE_P(Maps, LabelColours, ::testing::Values(
    LabelCase{L"LC11", RGB(0, 255, 153)}, LabelCase{L"RC11", RGB(255, 153, 0)}, LabelCase{L"ZC11", RGB(0, 153, 255)},
    LabelCase{L"LF11", RGB(125, 0, 122)}, LabelCase{L"RF11", RGB(125, 255, 204)}, LabelCase{L"ZF11", RGB(0, 204, 255)},
    LabelCase{L"LO11", RGB(0, 200, 255)}, LabelCase{L"RO11", RGB(255, 125, 51)}, LabelCase{L"ZO11", RGB(51, 125, 255)},
    LabelCase{L"LP11", RGB(255, 255, 0)}, LabelCase{L"RP11", RGB(255, 102, 102)}, LabelCase{L"ZP11", RGB(102, 102, 255)},
    LabelCase{L"LT11", RGB(0, 255, 0)}, LabelCase{L"RT11", RGB(255, 0, 0)}, LabelCase{L"ZT11", RGB(0, 0, 255)},
    LabelCase{L"A", RGB(0, 0, 255)}, LabelCase{L"", RGB(0, 0, 255)}, LabelCase{L"L", RGB(0, 255, 0)}));

TEST_F(Sensors, HitTestIsStrictDropsTheSurfaceTakesAHugeRadiusAndSkipsSensorsThatCannotBeRead)
{
    MegRig r(square().build());
    bare(r.view);
    ASSERT_EQ(r.paint(), 1);
    const CPoint p = squarePixel(1);
    for (CPoint miss : {CPoint(p.x + 6, p.y), CPoint(p.x - 6, p.y), CPoint(p.x, p.y + 6), CPoint(p.x, p.y - 6)})
        EXPECT_EQ(r.view.hitTestSensor(miss, 0, 0), 0) << miss.x << "," << miss.y;
    EXPECT_EQ(r.cls().curCol, 0);
    EXPECT_EQ(r.view.hitTestSensor(squarePixel(0), 0, 7), 0);
    EXPECT_EQ(lastMessage(), L"Contourmap Channel Type Error!?");
    EXPECT_NE(r.view.memDC, nullptr);
    EXPECT_EQ(r.view.hitTestSensor(CPoint(p.x + 5, p.y - 5), 0, 0), 1);
    EXPECT_EQ(r.cls().curCol, 1);
    EXPECT_EQ(r.view.clickedText, L"MRC12");
    EXPECT_EQ(r.view.memDC, nullptr);  // the next paint makes a new surface, with the new highlight
    EXPECT_EQ(r.view.memBitmap, nullptr);

    EXPECT_EQ(r.view.hitTestSensor(CPoint(60, 60), 1, 0), 1);  // mirrored: sensor 3 (x = 100) is on the left
    EXPECT_EQ(r.cls().curCol, 3);

    ASSERT_EQ(r.paint(), 1);
    r.view.showSensor = 0;  // hidden sensors: success, and nothing changes
    const CString clicked = r.view.clickedText;
    EXPECT_EQ(r.view.hitTestSensor(squarePixel(2), 0, 0), 1);
    EXPECT_EQ(r.cls().curCol, 3);
    EXPECT_EQ(r.view.clickedText, clicked);
    EXPECT_NE(r.view.memDC, nullptr);
    r.view.showSensor = 1;
    r.view.sensorRadius = INT_MAX;  // from a free edit: the bounds are computed in 64 bits
    EXPECT_EQ(r.view.hitTestSensor(CPoint(300, 10), 0, 0), 1);
    EXPECT_EQ(r.cls().curCol, 0);
    ASSERT_EQ(r.paint(), 1);  // and a circle that large draws without trouble
    // Sensors that cannot be read are neither drawn, labelled nor hit.
    const COLORREF labels[4] = {RGB(125, 0, 122), RGB(255, 153, 0), RGB(0, 200, 255), RGB(255, 102, 102)};
    const struct {
        const char* what;
        DataSet data;
        bool shown[4];
    } cases[] = {
        {"row -1", square().currentRow(-1), {false, false, false, false}},
        {"row past the array", square().currentRow(4), {false, false, false, false}},
        {"5 rows of 3", square().megAt2d(L"MZC01", 50, 50).rows({0, 1, 2, 3, 4}).cols({0, 1, 2}).currentRow(4),
         {true, true, true, false}},
        {"channel 9999, a null channel", square().pairChannels(0, 1, 0, 9999).nullChannel(3), {true, false, true, false}},
    };
    for (const auto& c : cases) {
        MegRig r(DataSet(c.data).currentColumn(-1).build());
        bare(r.view);
        r.view.showLabel = 1;
        ASSERT_EQ(r.paint(), 1) << c.what;
        for (int k = 0; k < 4; ++k) {
            EXPECT_EQ(r.countAround(kBlack, squarePixel(k), 7) > 0, c.shown[k]) << c.what << " " << k;
            EXPECT_EQ(r.countAll(labels[k]) > 0, c.shown[k]) << c.what << " " << k;
            if (c.shown[k]) continue;
            EXPECT_EQ(r.view.hitTestSensor(squarePixel(k), 0, 0), 0) << c.what << " " << k;
        }
    }
}

}  // namespace
