// Shared by the map view tests: a rig that paints a view off-screen and probes its surface.
// The square layout: four sensors on the corners of a 100 x 100 plane, painted on a 320 x 320
// surface with the default margin of 120, so that scale = 200 / 100 = 2 and
//   px = 2x + 60, py = 260 - 2y:  0 "MLF11" (0, 0) -> (60, 260)    1 "MRC12" (100, 0) -> (260, 260)
//                                 2 "MLO13" (0, 100) -> (60, 60)   3 "MRP14" (100, 100) -> (260, 60)
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <memory>
#include <string>

#include "afxwin.h"
#include "cxcharness.h"
#include "cxccompanions.h"
#include "stateegcxccntmapqz.h"
#include "statmegcclcntmapqz.h"
#include "testkit.h"

namespace maptest {

using cxc::testkit::DataSet;

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

enum class Modality { Meg, Eeg };

// The square layout in one modality: same names, positions and pairs either way.
inline DataSet square(Modality m = Modality::Meg)
{
    DataSet d;
    const wchar_t* names[] = {L"MLF11", L"MRC12", L"MLO13", L"MRP14"};
    const double xy[][2] = {{0, 0}, {100, 0}, {0, 100}, {100, 100}};
    for (int i = 0; i < 4; ++i) {
        if (m == Modality::Meg) d.megAt2d(names[i], xy[i][0], xy[i][1]);
        else d.eegAt2d(names[i], xy[i][0], xy[i][1]);
    }
    return d;
}

inline CPoint squarePixel(int sensor) { return sensor == 0 ? CPoint(60, 260) : sensor == 1 ? CPoint(260, 260)
                                                : sensor == 2 ? CPoint(60, 60) : CPoint(260, 60); }
inline CPoint mid(CPoint a, CPoint b) { return CPoint((a.x + b.x) / 2, (a.y + b.y) / 2); }

// A view on a data set, painted into its own surface through a memory "paint context".
template <class View>
class Rig {
public:
    explicit Rig(std::unique_ptr<CArrayMEDataSetqz> ds) : data(std::move(ds))
    {
        paintDc.CreateCompatibleDC(nullptr);
        view.dataSet = data.get();
    }
    // A new surface of that size, painted.
    int paint(int w = 320, int h = 320)
    {
        view.releaseSurface();
        return view.paintMap(&paintDc, CRect(0, 0, w, h));
    }
    COLORREF at(int x, int y) const { return view.memDC ? cxc::gdi::pixel(*view.memDC, x, y) : CLR_INVALID; }
    COLORREF at(CPoint p) const { return at(p.x, p.y); }
    // Pixels of that colour in the box [x0, x1) x [y0, y1).
    int count(COLORREF c, int x0, int y0, int x1, int y1) const
    {
        int n = 0;
        for (int y = y0; y < y1; ++y)
            for (int x = x0; x < x1; ++x) n += at(x, y) == c;
        return n;
    }
    int countAround(COLORREF c, CPoint p, int half) const
    {
        return count(c, p.x - half, p.y - half, p.x + half + 1, p.y + half + 1);
    }
    int countAll(COLORREF c) const { return count(c, 0, 0, view.mapWidth, view.mapHeight); }
    CSnsCohDataqz& cls(int c = 0) { return *cxc::testkit::classOf(*data, c); }

    std::unique_ptr<CArrayMEDataSetqz> data;
    View view;
    CDC paintDc;
};

// Only what the test looks at: no labels, links, overlay or texts unless switched back on.
template <class View>
void bare(View& v)
{
    v.showLabel = 0;
    v.showInfo = 0;
    v.showLink = 0;
    v.clickedText = L"";
}

inline std::wstring lastMessage()
{
    const auto& log = cxc::harness::messageBoxes();
    return log.empty() ? std::wstring() : log.back().text.str();
}
inline int messageCount(const wchar_t* text)
{
    int n = 0;
    for (const auto& m : cxc::harness::messageBoxes()) n += m.text == text;
    return n;
}

using MapTest = ::testing::Test;
using MegRig = Rig<CStatMEGCClCntMapqz>;
using EegRig = Rig<CStatEEGCxcCntMapqz>;

}  // namespace maptest
