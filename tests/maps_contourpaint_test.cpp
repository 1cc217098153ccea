// The contour mode of painting, both views: colours by scale, the field, the lines or both by
// display type with the frame and the sensors over them, the twins alike, hostile values in every
// type and scale, and no GDI object left behind.
#include <cmath>
#include <limits>
#include <set>
#include <vector>

#include "linecore.h"
#include "maps_fixture.h"
#include "support.h"
#include "stateegcxccntmapqz.h"
#include "statmegcclcntmapqz.h"

namespace {

using namespace maptest;
using MegRig = Rig<CStatMEGCClCntMapqz>;
using EegRig = Rig<CStatEEGCxcCntMapqz>;

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

DataSet signs(Modality m = Modality::Meg)
{
    return square(m).diagonal(-0.5).pair(0, 1, 0.8).pair(0, 3, 0.8).pair(0, 2, -0.5).currentColumn(-1);
}

template <class R>
void contourView(R& r, int type, int colorScale = 1)
{
    r.view.checkInitTrial();
    r.view.rebuildFieldGrid();
    r.view.mapMode = MapModeContour;
    r.view.contourType = type;
    r.view.colorScale = colorScale;
}

template <class R>
std::set<COLORREF> coloursIn(const R& r)
{
    std::set<COLORREF> seen;
    for (int y = 0; y < r.view.mapHeight; ++y)
        for (int x = 0; x < r.view.mapWidth; ++x) seen.insert(r.at(x, y));
    return seen;
}

class ContourPainting : public MapTest {};

TEST_F(ContourPainting, LinesTypeDrawsNoFieldAndFieldTypeTracesNoLines)
{
    MegRig r(signs().build());
    bare(r.view);
    contourView(r, 1);
    r.paint();
    ASSERT_EQ(r.paint(), 1);
    // Black background, white frame marks and sensors, red and blue lines: no colour of a ramp.
    EXPECT_EQ(coloursIn(r), (std::set<COLORREF>{kBlack, kWhite, kRed, kBlue}));
    EXPECT_EQ(r.view.fieldPixels, nullptr);
    EXPECT_EQ(r.at(66, 260), kWhite);  // sensor 0's circle

    MegRig f(signs().build());
    bare(f.view);
    contourView(f, 0);
    ASSERT_EQ(f.paint(), 1);
    EXPECT_FALSE(cxc::maps::holdsContourLines(f.view.contour));
    EXPECT_NE(f.view.fieldPixels, nullptr);
    EXPECT_GT(coloursIn(f).size(), 20u);  // the ramps' shades
}

TEST_F(ContourPainting, BothTypeDrawsTheLinesOverTheField)
{
    for (int type : {2, 3, -1}) {  // any type but 0 and 1 means both
        MegRig field(signs().build()), both(signs().build());
        bare(field.view);
        bare(both.view);
        contourView(field, 0);
        contourView(both, type);
        field.paint();
        both.paint();
        ASSERT_EQ(field.paint(), 1);
        ASSERT_EQ(both.paint(), 1);
        EXPECT_TRUE(cxc::maps::holdsContourLines(both.view.contour));
        int lines = 0, rest = 0;
        for (int y = 0; y < 320; ++y)
            for (int x = 0; x < 320; ++x) {
                if (both.at(x, y) == field.at(x, y)) continue;
                const COLORREF c = both.at(x, y);
                (c == kRed || c == kBlue ? lines : rest) += 1;
            }
        EXPECT_GT(lines, 50) << type;
        EXPECT_EQ(rest, 0) << type;  // where they differ, a line was drawn
    }
}

TEST_F(ContourPainting, BlackAndWhiteScaleOnWhiteWithBlackSensorsAndTexts)
{
    MegRig r(signs().build());
    r.view.showLabel = 0;
    contourView(r, 1, 0);
    r.paint();
    ASSERT_EQ(r.paint(), 1);
    EXPECT_EQ(r.view.backColor, kWhite);
    EXPECT_EQ(r.view.sensorColor, kBlack);
    EXPECT_EQ(r.view.textColor, kBlack);
    EXPECT_EQ(r.at(5, 150), kWhite);
    EXPECT_EQ(r.at(66, 260), kBlack);
    EXPECT_GT(r.count(kBlack, 0, 0, 150, 16), 20);  // "No sensor is clicked!" in black
    EXPECT_EQ(r.countAll(kRed) + r.countAll(kBlue), 0);
}

TEST_F(ContourPainting, FirstPaintOfANewViewBuildsTheGridItself)
{
    MegRig r(signs().build());
    bare(r.view);
    r.view.mapMode = MapModeContour;
    ASSERT_EQ(r.view.grid.values, nullptr);
    ASSERT_EQ(r.paint(), 1);
    EXPECT_NE(r.view.grid.values, nullptr);
    EXPECT_GT(r.view.grid.fieldMaximum, 0.0);
}

TEST_F(ContourPainting, HostileValuesPaintSafelyInEveryTypeAndScale)
{
    std::vector<double> wild(100, 0.5);
    wild[1] = kNaN;
    wild[2] = kInf;
    wild[3] = 1e308;
    auto data = [&] {
        return DataSet().meg(12).series([](int a, int b, long long t) { return (a + b + t) % 3 == 0 ? kNaN : 1e308; })
            .pair(0, 1, wild).pair(0, 3, kInf).pair(0, 5, -kInf).pair(0, 7, -1e308).select(0, 5);
    };
    MegRig r(data().build());
    EegRig e(DataSet().eeg(12).pair(0, 1, wild).pair(0, 3, kInf).pair(0, 5, kNaN).build());
    const double thresholds[] = {0.0, kNaN, -1e308, 1e308};
    const int levels[] = {16, 0, -3, 2000000000};
    for (int type : {0, 1, 2})
        for (int scale : {0, 1, 2, -7})
            for (int k = 0; k < 4; ++k) {
                contourView(r, type, scale);
                contourView(e, type, scale);
                r.view.autofit = e.view.autofit = 0;
                r.view.contourThreshold = e.view.contourThreshold = thresholds[k];
                r.view.contourLevels = e.view.contourLevels = levels[k];
                r.view.radiology = e.view.radiology = k % 2;
                r.view.calcContourLines(thresholds[k], r.view.grid.fieldMaximum, levels[k]);
                ASSERT_EQ(r.paint(), 1);
                ASSERT_EQ(e.paint(), 1);
            }
    // A well-formed grid with NaN and huge values in it, drawn and traced.
    MegRig g(signs().pair(0, 1, 1e300).pair(0, 2, kNaN).build());
    contourView(g, 2);
    g.view.radiusMeanMode = 0;
    ASSERT_EQ(g.view.rebuildFieldGrid(), 1);
    ASSERT_EQ(g.paint(), 1);
}

TEST_F(ContourPainting, PaintsOfEveryTypeLeaveNoGdiObjectBehind)
{
    MegRig r(signs().build());
    contourView(r, 2);
    r.paint();
    const auto before = cxc::gdi::liveCounts();
    for (int k = 0; k < 60; ++k) {
        r.view.contourType = k % 3;
        r.view.colorScale = k % 4;
        r.view.radiology = k % 2;
        if (k % 5 == 0) r.view.calcContourLines(r.view.contourThreshold, r.view.grid.fieldMaximum, 8);
        r.view.paintMap(&r.paintDc, CRect(0, 0, 320, 320));  // on the kept surface
    }
    const auto after = cxc::gdi::liveCounts();
    EXPECT_EQ(after.pens, before.pens);
    EXPECT_EQ(after.fonts, before.fonts);
    EXPECT_EQ(after.bitmaps, before.bitmaps);
    EXPECT_EQ(after.dcs, before.dcs);
    EXPECT_EQ(after.refusedDeletes, before.refusedDeletes);
}

}  // namespace
