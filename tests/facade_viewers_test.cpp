// The facade's viewer show functions: slots, what each hands over, failures and a freed data set.
#include "show_table.h"
#include "viewers_fixture.h"

namespace {

using namespace viewertest;
using namespace cxc::harness;
using F = CMEGShowCCData2DFaceqz;

// The viewer rows of the show table.
std::vector<showtable::Show> viewerShows()
{
    std::vector<showtable::Show> out;
    for (const showtable::Show& s : showtable::kShows)
        if (showtable::modalityOf(s) < 0) out.push_back(s);
    return out;
}

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
    ASSERT_EQ(face.showDlgCxcMatrixAct(data.get(), &parent), 1);
    EXPECT_EQ(face.dataSet, nullptr);  // only the row/column viewers bind the drawer to the data set
    for (const showtable::Show& s : viewerShows()) {
        SCOPED_TRACE(s.name);
        ASSERT_EQ((face.*s.show)(data.get(), &parent), 1);
        CDialog* dlg = face.*s.slot;
        ASSERT_NE(dlg, nullptr);
        EXPECT_EQ(viewClass(dlg, s.kind == showtable::Kind::Matrix), s.cxcClass);
        EXPECT_TRUE(visible(dlg));
        EXPECT_EQ(foreground(), dlg->GetSafeHwnd());
        EXPECT_EQ((face.*s.show)(data.get(), &parent), 1);
        EXPECT_EQ(face.*s.slot, dlg);
    }
    EXPECT_EQ(cxc::wnd::liveWindows().dialogs, 6);
    EXPECT_EQ(face.dataSet, data.get());
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

TEST_F(FacadeViewers, ADialogThatCannotBeCreatedLeavesTheSlotEmptyWithoutAWord)
{
    auto data = sixChannels().build();
    F face;
    for (const showtable::Show& s : viewerShows()) {
        SCOPED_TRACE(s.name);
        const long dialogs = cxc::wnd::liveWindows().dialogs;
        failNextCreate(s.kind == showtable::Kind::Matrix ? IDD_CXC_MATRIX_VIEWER : IDD_CXC_ROWCOLUMN_VIEWER);
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
    cxctest::expectShowsText(shown(rc.view), L"Please compute channel-channel data first!", "text1");
    cxctest::expectShowsText(shown(mx.view), L"Please compute CxC data first!", "text2");
    // Nothing a user can do reaches the freed data.
    EXPECT_TRUE(selectCombo(&rc, IDC_RC_LAYOUT, 1));
    EXPECT_TRUE(clickButton(&rc, IDC_REFRESH));
    EXPECT_TRUE(mouseDown(&rc, CPoint(100, 300)));
    EXPECT_TRUE(clickButton(&mx, IDC_COLOR_ALL));
    EXPECT_TRUE(clickButton(&mx, IDC_MATRIX_PLAY));
    EXPECT_TRUE(fireTimer(&mx, CDlgCxcMatrix2DViewer::kPlayTimer));
    EXPECT_FALSE(timerRunning(&mx, CDlgCxcMatrix2DViewer::kPlayTimer));
}
