// Shared by the map dialog tests: a host with a facade and a data set that opens the dialogs through
// the facade's show functions (as the host program does), and readers of the map as the user sees
// it. The square layout of maps_fixture.h puts four sensors on the corners of a 100 x 100 plane;
// where they land depends on the view's size, so pixels are computed from the view's own scales.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "afxwin.h"
#include "cxcharness.h"
#include "cxccompanions.h"
#include "dlgeegcxctoplink2dmap.h"
#include "dlgeegcxctopwave2dmap.h"
#include "dlgmegcxcshowstdset.h"
#include "dlgmegcxctoplink2dmap.h"
#include "dlgmegcxctopwave2dmap.h"
#include "maps_fixture.h"
#include "megshowccdata2dfaceqz.h"
#include "moduleresources.h"
#include "resource.h"
#include "support.h"
#include "testkit.h"

namespace dlgtest {

using cxc::testkit::DataSet;
using maptest::kBlack;
using maptest::kBlue;
using maptest::kRed;
using maptest::kWhite;
using maptest::lastMessage;
using maptest::messageCount;
using maptest::Modality;
using maptest::square;
namespace harness = cxc::harness;

using cxctest::str;

using DialogTest = ::testing::Test;

// The host: its data set and the facade it keeps (destroyed first, with every dialog it holds).
struct Host {
    explicit Host(std::unique_ptr<CArrayMEDataSetqz> ds) : data(std::move(ds)) {}
    explicit Host(const DataSet& d) : data(d.build()) {}

    std::unique_ptr<CArrayMEDataSetqz> data;
    CMEGShowCCData2DFaceqz face;

    CDlgMegCxcTopLink2DMap* megLink(int cls = 0)
    {
        const int ok = cls == 1   ? face.showDlgCxcMegCtlLink2DMap(data.get(), nullptr)
                       : cls == 2 ? face.showDlgCxcMegRstLink2DMap(data.get(), nullptr)
                                  : face.showDlgCxcMegActLink2DMap(data.get(), nullptr);
        CDialog* slot = cls == 1 ? face.megLinkCtl : cls == 2 ? face.megLinkRst : face.megLinkAct;
        return ok ? dynamic_cast<CDlgMegCxcTopLink2DMap*>(slot) : nullptr;
    }
    CDlgEegCxcTopLink2DMap* eegLink(int cls = 0)
    {
        const int ok = cls == 1   ? face.showDlgCxcEegCtlLink2DMap(data.get(), nullptr)
                       : cls == 2 ? face.showDlgCxcEegRstLink2DMap(data.get(), nullptr)
                                  : face.showDlgCxcEegActLink2DMap(data.get(), nullptr);
        CDialog* slot = cls == 1 ? face.eegLinkCtl : cls == 2 ? face.eegLinkRst : face.eegLinkAct;
        return ok ? dynamic_cast<CDlgEegCxcTopLink2DMap*>(slot) : nullptr;
    }
    CDlgMegCxcTopWave2DMap* megWave(int cls = 0)
    {
        const int ok = cls == 1   ? face.showDlgCxcMegCtlWave2DMap(data.get(), nullptr)
                       : cls == 2 ? face.showDlgCxcMegRstWave2DMap(data.get(), nullptr)
                                  : face.showDlgCxcMegActWave2DMap(data.get(), nullptr);
        CDialog* slot = cls == 1 ? face.megWaveCtl : cls == 2 ? face.megWaveRst : face.megWaveAct;
        return ok ? dynamic_cast<CDlgMegCxcTopWave2DMap*>(slot) : nullptr;
    }
    CDlgEegCxcTopWave2DMap* eegWave(int cls = 0)
    {
        const int ok = cls == 1   ? face.showDlgCxcEegCtlWave2DMap(data.get(), nullptr)
                       : cls == 2 ? face.showDlgCxcEegRstWave2DMap(data.get(), nullptr)
                                  : face.showDlgCxcEegActWave2DMap(data.get(), nullptr);
        CDialog* slot = cls == 1 ? face.eegWaveCtl : cls == 2 ? face.eegWaveRst : face.eegWaveAct;
        return ok ? dynamic_cast<CDlgEegCxcTopWave2DMap*>(slot) : nullptr;
    }

    CSnsCohDataqz& cls(int c = 0) { return *cxc::testkit::classOf(*data, c); }
};

// Where a plane position lands in the view, by the scales of its last paint.
template <class View>
CPoint planePixel(const View& v, double x, double y)
{
    const int m = v.margin / 2;
    return CPoint(cxc::toInt(x * v.scaleX + m), cxc::toInt(v.mapHeight - (y * v.scaleY + m)));
}
// Sensor k of the square layout (0 (0,0), 1 (100,0), 2 (0,100), 3 (100,100)) in the view.
template <class View>
CPoint squareSensor(const View& v, int k)
{
    return planePixel(v, k % 2 ? 100.0 : 0.0, k / 2 ? 100.0 : 0.0);
}
inline CPoint midpoint(CPoint a, CPoint b) { return CPoint((a.x + b.x) / 2, (a.y + b.y) / 2); }

// The map as the window shows it.
inline harness::Image mapPicture(CWnd* view) { return harness::clientSurface(view); }

// Pixels of a colour within `half` of a point.
inline int countAround(const harness::Image& img, COLORREF c, CPoint p, int half)
{
    return cxctest::countAround(cxctest::picture(img), c, p, half);
}

}  // namespace dlgtest
