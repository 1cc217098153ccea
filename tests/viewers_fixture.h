// Shared by the viewer tests: the row/column viewer and the matrix viewer opened through a facade on
// a hand-made data set, as a host opens them, and small readers of what they show.
//
// The row/column template puts the view at (11, 44) of the dialog (dialog units 7, 27); the matrix
// template puts its bordered view at (153, 10), its client area one pixel further in.
#pragma once

#include <gtest/gtest.h>

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
#include "support.h"
#include "testkit.h"

namespace viewertest {

using cxc::harness::Image;
using cxc::testkit::DataSet;

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kGrey = RGB(128, 128, 128);

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

    // The row/column viewer and the matrix viewer of a class, opened (again) through the facade.
    CDlgCxcRowColumn2DViewer& rowColumn(int c = 0)
    {
        CDialog* dlg = nullptr;
        switch (c) {
        case 0: EXPECT_EQ(face.showDlgCxcRowColumnAct(data.get(), nullptr), 1); dlg = face.rowColAct; break;
        case 1: EXPECT_EQ(face.showDlgCxcRowColumnCtl(data.get(), nullptr), 1); dlg = face.rowColCtl; break;
        default: EXPECT_EQ(face.showDlgCxcRowColumnRst(data.get(), nullptr), 1); dlg = face.rowColRst; break;
        }
        return dynamic_cast<CDlgCxcRowColumn2DViewer&>(*dlg);
    }
    CDlgCxcMatrix2DViewer& matrix(int c = 0)
    {
        CDialog* dlg = nullptr;
        switch (c) {
        case 0: EXPECT_EQ(face.showDlgCxcMatrixAct(data.get(), nullptr), 1); dlg = face.matrixAct; break;
        case 1: EXPECT_EQ(face.showDlgCxcMatrixCtl(data.get(), nullptr), 1); dlg = face.matrixCtl; break;
        default: EXPECT_EQ(face.showDlgCxcMatrixRst(data.get(), nullptr), 1); dlg = face.matrixRst; break;
        }
        return dynamic_cast<CDlgCxcMatrix2DViewer&>(*dlg);
    }

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
