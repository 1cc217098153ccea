// Shared by the map dialog tests: a host that opens the dialogs through the facade's show functions,
// and readers of the map; pixels come from the view's own scales, which follow the view's size.
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
#include "show_table.h"
#include "support.h"
#include "testkit.h"

namespace dlgtest {

using cxc::testkit::DataSet;
using maptest::kBlack;
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

    // The dialog of that modality (0 MEG, 1 EEG), kind and class, opened through its show function.
    template <class Dialog>
    Dialog* open(int modality, cxc::ShowKind kind, int cls)
    {
        for (const cxc::ShowEntry& e : cxc::showTable())
            if (showtable::modalityOf(e) == modality && e.kind == kind && e.cxcClass == cls)
                return (face.*e.show)(data.get(), nullptr) ? dynamic_cast<Dialog*>(face.*e.slot) : nullptr;
        return nullptr;
    }
    CDlgMegCxcTopLink2DMap* megLink(int cls = 0) { return open<CDlgMegCxcTopLink2DMap>(0, cxc::ShowKind::Link, cls); }
    CDlgEegCxcTopLink2DMap* eegLink(int cls = 0) { return open<CDlgEegCxcTopLink2DMap>(1, cxc::ShowKind::Link, cls); }
    CDlgMegCxcTopWave2DMap* megWave(int cls = 0) { return open<CDlgMegCxcTopWave2DMap>(0, cxc::ShowKind::Patch, cls); }
    CDlgEegCxcTopWave2DMap* eegWave(int cls = 0) { return open<CDlgEegCxcTopWave2DMap>(1, cxc::ShowKind::Patch, cls); }

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
