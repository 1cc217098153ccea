// The facade's six viewer show functions: each makes its dialog once, in its own slot and class,
// hands it the data set, the drawer and the parent, shows and refreshes it and brings it to the
// front; a dialog whose window cannot be made leaves the slot empty without a word; a show with no
// data set after the last one was freed keeps nothing of it.
#include "viewers_fixture.h"

namespace {

using namespace viewertest;
using namespace cxc::harness;
using F = CMEGShowCCData2DFaceqz;

struct ShowFunction {
    const char* name;
    int (F::*show)(CArrayMEDataSetqz*, CWnd*);
    CDialog* F::*slot;
    int cls;
    bool matrix;
};

const ShowFunction kShows[] = {
    {"RowColumnAct", &F::showDlgCxcRowColumnAct, &F::rowColAct, 0, false},
    {"RowColumnCtl", &F::showDlgCxcRowColumnCtl, &F::rowColCtl, 1, false},
    {"RowColumnRst", &F::showDlgCxcRowColumnRst, &F::rowColRst, 2, false},
    {"MatrixAct", &F::showDlgCxcMatrixAct, &F::matrixAct, 0, true},
    {"MatrixCtl", &F::showDlgCxcMatrixCtl, &F::matrixCtl, 1, true},
    {"MatrixRst", &F::showDlgCxcMatrixRst, &F::matrixRst, 2, true},
};

int viewClass(CDialog* dlg, bool matrix)
{
    if (matrix) return dynamic_cast<CDlgCxcMatrix2DViewer&>(*dlg).view.cxcClass;
    return dynamic_cast<CDlgCxcRowColumn2DViewer&>(*dlg).view.cxcClass;
}

class FacadeViewers : public ViewerTest {};

}  // namespace

TEST_F(FacadeViewers, EachShowMakesItsDialogOnceInItsSlotAndShowsItInFront)
{
    auto data = sixChannels().build();
    CWnd parent;
    F face;
    for (const ShowFunction& s : kShows) {
        SCOPED_TRACE(s.name);
        ASSERT_EQ((face.*s.show)(data.get(), &parent), 1);
        CDialog* dlg = face.*s.slot;
        ASSERT_NE(dlg, nullptr);
        EXPECT_EQ(viewClass(dlg, s.matrix), s.cls);
        EXPECT_TRUE(visible(dlg));
        EXPECT_EQ(foreground(), dlg->GetSafeHwnd());
        EXPECT_EQ((face.*s.show)(data.get(), &parent), 1);
        EXPECT_EQ(face.*s.slot, dlg);
    }
    EXPECT_EQ(cxc::wnd::liveWindows().dialogs, 6);
    auto& rc = dynamic_cast<CDlgCxcRowColumn2DViewer&>(*face.rowColRst);
    EXPECT_EQ(rc.drawer, &face);
    EXPECT_EQ(rc.facade, &face);
    EXPECT_EQ(rc.view.drawer, &face);
    EXPECT_EQ(rc.parentWnd, &parent);
    EXPECT_EQ(rc.view.parentWnd, &parent);
    EXPECT_EQ(rc.dataSet, data.get());
    auto& mx = dynamic_cast<CDlgCxcMatrix2DViewer&>(*face.matrixCtl);
    EXPECT_EQ(mx.drawer, &face);
    EXPECT_EQ(mx.view.parentWnd, &parent);
    EXPECT_EQ(mx.view.dataSet, data.get());
    EXPECT_TRUE(messageBoxes().empty());
}

TEST_F(FacadeViewers, OnlyTheRowColumnViewersBindTheDrawerToTheDataSet)
{
    auto data = sixChannels().build();
    F face;
    ASSERT_EQ(face.showDlgCxcMatrixAct(data.get(), nullptr), 1);
    EXPECT_EQ(face.dataSet, nullptr);
    ASSERT_EQ(face.showDlgCxcRowColumnAct(data.get(), nullptr), 1);
    EXPECT_EQ(face.dataSet, data.get());
}

TEST_F(FacadeViewers, ADialogThatCannotBeCreatedLeavesTheSlotEmptyWithoutAWord)
{
    auto data = sixChannels().build();
    F face;
    for (const ShowFunction& s : kShows) {
        SCOPED_TRACE(s.name);
        const long dialogs = cxc::wnd::liveWindows().dialogs;
        failNextCreate(s.matrix ? IDD_CXC_MATRIX_VIEWER : IDD_CXC_ROWCOLUMN_VIEWER);
        EXPECT_EQ((face.*s.show)(data.get(), nullptr), 0);
        EXPECT_EQ(face.*s.slot, nullptr);
        EXPECT_EQ(cxc::wnd::liveWindows().dialogs, dialogs);
        EXPECT_EQ((face.*s.show)(data.get(), nullptr), 1);  // the next call tries again
        EXPECT_NE(face.*s.slot, nullptr);
    }
    EXPECT_TRUE(messageBoxes().empty());
}

TEST_F(FacadeViewers, AShowWithoutADataSetKeepsNothingOfTheFreedOne)
{
    F face;
    auto data = sixChannels().build();
    ASSERT_EQ(face.showDlgCxcRowColumnAct(data.get(), nullptr), 1);
    ASSERT_EQ(face.showDlgCxcMatrixAct(data.get(), nullptr), 1);
    auto& rc = dynamic_cast<CDlgCxcRowColumn2DViewer&>(*face.rowColAct);
    auto& mx = dynamic_cast<CDlgCxcMatrix2DViewer&>(*face.matrixAct);
    shown(rc.view);
    data.reset();  // the host frees its data set
    ASSERT_EQ(face.showDlgCxcRowColumnAct(nullptr, nullptr), 1);
    ASSERT_EQ(face.showDlgCxcMatrixAct(nullptr, nullptr), 1);
    EXPECT_EQ(rc.session, nullptr);
    EXPECT_EQ(rc.trial, nullptr);
    EXPECT_EQ(mx.view.session, nullptr);
    EXPECT_EQ(mx.view.trial, nullptr);
    EXPECT_TRUE(items(&rc, IDC_RC_TRIAL).empty());
    rc.view.Invalidate(TRUE);
    mx.view.Invalidate(TRUE);
    EXPECT_EQ(differsFromText(shown(rc.view), RGB(0xF0, 0xF0, 0xF0), L"Please compute channel-channel data first!"), 0);
    EXPECT_EQ(differsFromText(shown(mx.view), RGB(0xF0, 0xF0, 0xF0), L"Please compute CxC data first!"), 0);
    // Nothing a user can do reaches the freed data.
    EXPECT_TRUE(selectCombo(&rc, IDC_RC_LAYOUT, 1));
    EXPECT_TRUE(clickButton(&rc, IDC_REFRESH));
    EXPECT_TRUE(mouseDown(&rc, CPoint(100, 300)));
    EXPECT_TRUE(clickButton(&mx, IDC_COLOR_ALL));
    EXPECT_TRUE(clickButton(&mx, IDC_MATRIX_PLAY));
    EXPECT_TRUE(fireTimer(&mx, CDlgCxcMatrix2DViewer::kPlayTimer));
    EXPECT_FALSE(timerRunning(&mx, CDlgCxcMatrix2DViewer::kPlayTimer));
}

TEST_F(FacadeViewers, DestroyingTheFacadeClosesItsViewersAndFreesTheirObjects)
{
    auto data = sixChannels().build();
    const auto gdi = cxc::gdi::liveCounts();
    {
        F face;
        for (const ShowFunction& s : kShows) ASSERT_EQ((face.*s.show)(data.get(), nullptr), 1);
        pumpPaints();
    }
    EXPECT_EQ(cxc::wnd::liveWindows().dialogs, 0);
    EXPECT_EQ(cxc::wnd::liveWindows().windows, 0);
    EXPECT_EQ(cxc::gdi::liveCounts().total(), gdi.total());
}
