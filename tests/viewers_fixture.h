// Shared by the viewer tests: both viewers opened through a facade on a hand-made data set.
#pragma once

#include <gtest/gtest.h>

#include <climits>
#include <limits>
#include <memory>
#include <string>

#include "afxwin.h"
#include "cxccompanions.h"
#include "cxcharness.h"
#include "dlgcxcmatrix2dviewer.h"
#include "dlgcxcrowcolumn2dviewer.h"
#include "gdi_canvas.h"
#include "megshowccdata2dfaceqz.h"
#include "moduleresources.h"
#include "resource.h"
#include "showtable.h"
#include "support.h"
#include "testkit.h"

namespace viewertest {

using cxc::harness::Image;
using cxc::testkit::DataSet;

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// Six MEG channels on a line of the plane: two left frontal, two right frontal, one left and one
// right posterior, so that every overlay type has partners to show.
inline DataSet sixChannels()
{
    DataSet d;
    const wchar_t* names[] = {L"MLF11", L"MLF12", L"MRF13", L"MRF14", L"MLP15", L"MRO16"};
    for (int i = 0; i < 6; ++i) d.megAt2d(names[i], 10.0 * i, 0.0);
    return d;
}

using ViewerTest = ::testing::Test;

// A facade and its data set; the data set outlives the facade's dialogs.
struct Host {
    explicit Host(const DataSet& recipe) : data(recipe.build()) {}
    CSnsCohDataqz& cls(int c = -1) { return *cxc::testkit::classOf(*data, c); }
    CMEGDataqz& session() { return *cxc::testkit::sessionOf(*data); }

    // The row/column viewer and the matrix viewer of a class (0, 1, else 2), opened (again) through the facade.
    template <class Dialog>
    Dialog& open(cxc::ShowKind kind, int c)
    {
        const cxc::ShowEntry* entry = nullptr;
        for (const cxc::ShowEntry& e : cxc::showTable())
            if (e.kind == kind && e.cxcClass == (c == 0 || c == 1 ? c : 2)) entry = &e;
        EXPECT_EQ((face.*entry->show)(data.get(), nullptr), 1);
        return dynamic_cast<Dialog&>(*(face.*entry->slot));
    }
    CDlgCxcRowColumn2DViewer& rowColumn(int c = 0) { return open<CDlgCxcRowColumn2DViewer>(cxc::ShowKind::RowColumn, c); }
    CDlgCxcMatrix2DViewer& matrix(int c = 0) { return open<CDlgCxcMatrix2DViewer>(cxc::ShowKind::Matrix, c); }

    std::unique_ptr<CArrayMEDataSetqz> data;
    CMEGShowCCData2DFaceqz face;
};

// What a view shows after the pending paints.
inline Image shown(CWnd& view)
{
    cxc::harness::pumpPaints();
    return cxc::harness::clientSurface(&view);
}

using cxctest::messages;
using cxctest::str;

inline std::vector<std::wstring> items(CWnd* dialog, int id)
{
    std::vector<std::wstring> out;
    for (const CString& s : cxc::harness::comboItems(dialog, id)) out.push_back(s.str());
    return out;
}

// Pixels of a colour in [x0, x1) x [y0, y1) of a picture.
inline int count(const Image& img, COLORREF c, int x0, int y0, int x1, int y1)
{
    return cxctest::count(cxctest::picture(img), c, x0, y0, x1, y1);
}

}  // namespace viewertest
