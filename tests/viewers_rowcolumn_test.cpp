// The row/column viewer's controls: its lists and their message boxes, the scale up-downs, the edits.
#include <cfloat>

#include "viewers_fixture.h"

namespace {

using namespace viewertest;
using namespace cxc::harness;

const std::vector<std::wstring> kSix = {L"MLF11", L"MLF12", L"MRF13", L"MRF14", L"MLP15", L"MRO16"};
const std::vector<std::wstring> kColumns = {L"1 Column",  L"2 Columns", L"3 Columns", L"4 Columns",
                                            L"5 Columns", L"6 Columns", L"7 Columns"};

class RowColumnControls : public ViewerTest {};

}  // namespace

TEST_F(RowColumnControls, ThreeColumnsInForceSelectTheEntryForThree)
{
    Host host(sixChannels());
    host.face.setDisplayMode(1);
    CDlgCxcRowColumn2DViewer& dlg = host.rowColumn(2);
    EXPECT_EQ(comboSel(&dlg, IDC_RC_LAYOUT), 1);
    EXPECT_EQ(items(&dlg, IDC_RC_TYPE), kColumns);
    EXPECT_EQ(comboSel(&dlg, IDC_RC_TYPE), 2);
    EXPECT_EQ(comboSel(&dlg, IDC_RC_CLASS), 2);  // the class list names the viewer's class
}

TEST_F(RowColumnControls, ARowIndexPastTheRowsOfANewTrialIsClampedAndAnEntryPastThemIgnored)
{
    Host host(sixChannels());
    auto small = DataSet().megAt2d(L"MLF21", 0, 0).megAt2d(L"MRF22", 10, 0).megAt2d(L"MRO23", 20, 0).buildTrial();
    host.session().addTrial(std::move(small));
    CDlgCxcRowColumn2DViewer& dlg = host.rowColumn();
    dlg.rowIndex = 5;
    host.rowColumn();
    EXPECT_EQ(comboSel(&dlg, IDC_ROW_COMBO), 5);
    ASSERT_TRUE(selectCombo(&dlg, IDC_RC_TRIAL, 1));
    EXPECT_EQ(host.session().getCurrentTrialIndx(), 1);
    EXPECT_EQ(items(&dlg, IDC_ROW_COMBO), kSix);  // not refilled by a trial change
    host.rowColumn();
    EXPECT_EQ(dlg.rowIndex, 2);
    EXPECT_EQ(items(&dlg, IDC_ROW_COMBO), (std::vector<std::wstring>{L"MLF21", L"MRF22", L"MRO23"}));
    EXPECT_EQ(comboSel(&dlg, IDC_ROW_COMBO), 2);
    dlg.rowList.AddString(L"beyond");  // an entry past the rows of the current trial is ignored
    const long long row = host.cls().curRow;
    ASSERT_TRUE(selectCombo(&dlg, IDC_ROW_COMBO, 3));
    EXPECT_EQ(host.cls().curRow, row);
    pumpPaints();
    ASSERT_TRUE(selectCombo(&dlg, IDC_ROW_COMBO, 1));
    EXPECT_EQ(host.cls().curRow, 1);
    EXPECT_TRUE(needsPaint(&dlg.view));
}

TEST_F(RowColumnControls, ClassDataWithoutRowsOrCouplingLeaveTheListsEmpty)
{
    Host host(sixChannels().rows({}));
    ASSERT_EQ(host.cls().rowCount, 0);
    CDlgCxcRowColumn2DViewer& dlg = host.rowColumn();
    dlg.rowIndex = 3;
    host.rowColumn();
    EXPECT_TRUE(items(&dlg, IDC_ROW_COMBO).empty());
    EXPECT_TRUE(items(&dlg, IDC_RC_COLUMN).empty());
    EXPECT_EQ(dlg.rowIndex, 3);
    shown(dlg.view);
    Host none(sixChannels().noCoupling());  // without coupling data the channel type list is disabled
    CDlgCxcRowColumn2DViewer& empty = none.rowColumn();
    EXPECT_FALSE(enabled(&empty, IDC_RC_CHANNEL_TYPE));
    EXPECT_TRUE(items(&empty, IDC_RC_CHANNEL_TYPE).empty());
    EXPECT_EQ(items(&empty, IDC_RC_TRIAL), (std::vector<std::wstring>{L"trial01"}));
}

TEST_F(RowColumnControls, ColumnAndClassListsSetTheDataAndSayWhenAClassIsMissing)
{
    Host host(sixChannels().classes(true, false, true));
    CDlgCxcRowColumn2DViewer& dlg = host.rowColumn();
    ASSERT_TRUE(selectCombo(&dlg, IDC_RC_COLUMN, 3));
    EXPECT_EQ(host.cls().curCol, 3);
    EXPECT_FALSE(selectCombo(&dlg, IDC_RC_CLASS, 2));  // disabled after every refresh
    dlg.classList.EnableWindow(TRUE);
    ASSERT_TRUE(selectCombo(&dlg, IDC_RC_CLASS, 1));
    EXPECT_EQ(messages(), (std::vector<std::wstring>{L"There is no data!?"}));
    ASSERT_TRUE(selectCombo(&dlg, IDC_RC_CLASS, 2));
    EXPECT_EQ(cxc::testkit::packageOf(*host.data)->getCurrentClass(), 2);
    EXPECT_EQ(messageBoxes().size(), 1u);
}

TEST_F(RowColumnControls, LayoutChangesRefillTheTypeListFromTheDrawer)
{
    Host host(sixChannels());
    CDlgCxcRowColumn2DViewer& dlg = host.rowColumn();
    host.face.setOverlayType(2);
    ASSERT_TRUE(selectCombo(&dlg, IDC_RC_LAYOUT, 1));
    EXPECT_EQ(host.face.displayMode, 1u);
    EXPECT_EQ(dlg.displayMode, 1);
    EXPECT_EQ(items(&dlg, IDC_RC_TYPE), kColumns);
    EXPECT_EQ(comboSel(&dlg, IDC_RC_TYPE), 2);
    ASSERT_TRUE(selectCombo(&dlg, IDC_RC_LAYOUT, 0));
    EXPECT_EQ(host.face.displayMode, 0u);
    EXPECT_EQ(comboSel(&dlg, IDC_RC_TYPE), 2);
    EXPECT_TRUE(messageBoxes().empty());

    dlg.layoutList.AddString(L"Beside");  // a layout the viewer does not offer
    ASSERT_TRUE(selectCombo(&dlg, IDC_RC_LAYOUT, 2));
    EXPECT_EQ(messages(), (std::vector<std::wstring>{L"Display mode error!"}));
    EXPECT_EQ(host.face.displayMode, 0u);

    clearMessageBoxes();  // an offered layout other than overlay or columns is a show mode error
    Host beside(sixChannels());
    beside.face.setDisplayMode(2);
    CDlgCxcRowColumn2DViewer& other = beside.rowColumn();
    EXPECT_EQ(messages(), (std::vector<std::wstring>{L"Show mode error!?"}));
    EXPECT_TRUE(items(&other, IDC_RC_TYPE).empty());
    EXPECT_EQ(comboSel(&other, IDC_RC_LAYOUT), CB_ERR);
}

TEST_F(RowColumnControls, TypeChangesSetTheOverlayTypeOrTheColumnGeometry)
{
    Host host(sixChannels());
    CDlgCxcRowColumn2DViewer& dlg = host.rowColumn();
    ASSERT_TRUE(selectCombo(&dlg, IDC_RC_TYPE, 2));
    EXPECT_EQ(host.face.overlayType, 2);
    EXPECT_EQ(dlg.overlayType, 2);

    ASSERT_TRUE(selectCombo(&dlg, IDC_RC_LAYOUT, 1));
    ASSERT_TRUE(selectCombo(&dlg, IDC_RC_TYPE, 4));
    EXPECT_EQ(host.face.displayColumn, 5);
    EXPECT_EQ(dlg.displayColumn, 5);
    // Six partners in five columns: two rows each, over the view's client height less the margins.
    const CRect client = clientRect(&dlg.view);
    EXPECT_EQ(host.face.rowsPerColumn, 2);
    EXPECT_EQ(host.face.rowHeight, (client.Height() - 40) / 3);
    EXPECT_EQ(host.face.colDataWidth, client.Width() / 5 - 60 - 10);
}

TEST_F(RowColumnControls, UpDownsHalveAndDoubleTheScalesInTheDrawer)
{
    Host host(sixChannels());
    CDlgCxcRowColumn2DViewer& dlg = host.rowColumn();
    ASSERT_TRUE(clickUpDownArrow(&dlg, IDC_TIME_SCALE_SPIN, /*upOrRight*/ true));
    EXPECT_EQ(str(text(&dlg, IDC_TIME_SCALE)), L"2");
    EXPECT_EQ(host.face.pxPerSample, 2.0);
    EXPECT_TRUE(needsPaint(&dlg.view));
    pumpPaints();
    ASSERT_TRUE(clickUpDownArrow(&dlg, IDC_TIME_SCALE_SPIN, false));
    ASSERT_TRUE(clickUpDownArrow(&dlg, IDC_TIME_SCALE_SPIN, false));
    EXPECT_EQ(host.face.pxPerSample, 0.5);
    ASSERT_TRUE(clickUpDownArrow(&dlg, IDC_AMP_SCALE_SPIN, /*upOrRight*/ true));
    EXPECT_EQ(str(text(&dlg, IDC_AMP_SCALE)), L"0.01");
    EXPECT_EQ(host.face.ampScale, 0.01);
    ASSERT_TRUE(upDown(&dlg, IDC_AMP_SCALE_SPIN, 3));  // any other step leaves the scale
    EXPECT_EQ(host.face.ampScale, 0.01);
    ASSERT_TRUE(typeText(&dlg, IDC_AMP_SCALE, L"1e308"));  // doubling stops at the largest an edit accepts
    ASSERT_TRUE(clickUpDownArrow(&dlg, IDC_AMP_SCALE_SPIN, true));
    EXPECT_EQ(host.face.ampScale, 1e308);
    ASSERT_TRUE(clickButton(&dlg, IDC_REFRESH));
    EXPECT_TRUE(messageBoxes().empty());
}

TEST_F(RowColumnControls, EditsApplyAtOnceRefreshRepaintsAndShowsTheDrawersSettings)
{
    Host host(sixChannels().samples(100));
    CDlgCxcRowColumn2DViewer& dlg = host.rowColumn();
    pumpPaints();
    ASSERT_TRUE(typeText(&dlg, IDC_TIME_SCALE, L"3"));
    ASSERT_TRUE(typeText(&dlg, IDC_SAMPLE_BEGIN, L"500"));
    EXPECT_EQ(host.face.pxPerSample, 3.0);
    EXPECT_EQ(host.face.beginSample, 99);  // the drawer keeps the first sample inside the series
    EXPECT_EQ(str(text(&dlg, IDC_SAMPLE_BEGIN)), L"500");
    EXPECT_FALSE(needsPaint(&dlg.view));
    ASSERT_TRUE(typeText(&dlg, IDC_AMP_SCALE, L"abc"));  // refused: nothing of it reaches the drawer
    EXPECT_EQ(host.face.ampScale, 0.005);
    ASSERT_TRUE(typeText(&dlg, IDC_AMP_SCALE, L"2"));
    clearMessageBoxes();
    ASSERT_TRUE(clickButton(&dlg, IDC_REFRESH));
    EXPECT_EQ(host.face.ampScale, 2.0);
    EXPECT_TRUE(needsPaint(&dlg.view));
    // Another viewer of the same facade changed the shared drawer.
    host.face.pxPerSample = 2.0;
    host.face.ampScale = 0.5;
    host.face.beginSample = 7;
    host.rowColumn();
    EXPECT_EQ(host.face.pxPerSample, 2.0);
    EXPECT_EQ(host.face.ampScale, 0.5);
    EXPECT_EQ(host.face.beginSample, 7);
    EXPECT_EQ(str(text(&dlg, IDC_SAMPLE_BEGIN)), L"7");
    EXPECT_EQ(str(text(&dlg, IDC_TIME_SCALE)), L"2");
    EXPECT_EQ(str(text(&dlg, IDC_AMP_SCALE)), L"0.5");
}
