// Controls: combo lists, scroll clamps, up-down steps, clicks, edits, and input a user could not give.
#include <climits>
#include <string>
#include <vector>

#include "wnd_fixture.h"

namespace {

using wndtest::str;
using wndtest::WndTest;

// The standard display parameters template: a class combo, two scroll bars, radios, buttons.
class StdSetForm : public CDialogEx {
public:
    CComboBox classes;
    CScrollBar low, high;
    int clicks = 0;
    void DoDataExchange(CDataExchange* dx) override
    {
        DDX_Control(dx, IDC_SELECT_MIN_BAR, low);
        DDX_Control(dx, IDC_SELECT_MAX_BAR, high);
        DDX_Control(dx, IDC_CLASS_COMBO, classes);
    }

protected:
    afx_msg void OnApply() { ++clicks; }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(StdSetForm, CDialogEx)
    ON_BN_CLICKED(IDC_STDSET_APPLY, &StdSetForm::OnApply)
END_MESSAGE_MAP()

class Controls : public WndTest {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(form.Create(IDD_MEG_SHOW_STDSET));
    }
    StdSetForm form;
};

TEST_F(Controls, ComboClearsOutsideTheListAndOnResetAndClicksReachTheDialogUnlessDisabledOrHidden)
{
    // The items' order is in the snapshot texts.
    for (const wchar_t* s : {L"Active", L"Control", L"Results"}) form.classes.AddString(s);
    EXPECT_EQ(form.classes.GetCount(), 3);
    CString item(L"x");
    form.classes.GetLBText(7, item);
    EXPECT_TRUE(item.IsEmpty());

    EXPECT_EQ(form.classes.GetCurSel(), CB_ERR);
    EXPECT_EQ(form.classes.SetCurSel(2), 2);
    EXPECT_EQ(str(cxc::harness::text(&form, IDC_CLASS_COMBO)), L"Results");
    EXPECT_EQ(form.classes.SetCurSel(3), CB_ERR);  // outside the list: no selection, no text
    EXPECT_EQ(form.classes.GetCurSel(), CB_ERR);
    EXPECT_EQ(str(cxc::harness::text(&form, IDC_CLASS_COMBO)), L"");
    form.classes.SetCurSel(1);
    EXPECT_EQ(form.classes.SetCurSel(-1), CB_ERR);
    EXPECT_EQ(form.classes.SetCurSel(INT_MIN), CB_ERR);
    EXPECT_EQ(form.SendMessage(CB_GETCURSEL), 0);  // the dialog is no combo box
    EXPECT_EQ(form.classes.SendMessage(CB_GETCURSEL), CB_ERR);
    form.classes.SetCurSel(0);  // resetting empties list, selection and text
    form.classes.ResetContent();
    EXPECT_EQ(form.classes.GetCount(), 0);
    EXPECT_EQ(form.classes.GetCurSel(), CB_ERR);
    EXPECT_TRUE(cxc::harness::text(&form, IDC_CLASS_COMBO).IsEmpty());
    EXPECT_FALSE(cxc::harness::selectCombo(&form, IDC_CLASS_COMBO, 0));  // nothing to choose
    ASSERT_TRUE(cxc::harness::clickButton(&form, IDC_STDSET_APPLY));
    EXPECT_EQ(form.clicks, 1);
    form.GetDlgItem(IDC_STDSET_APPLY)->EnableWindow(FALSE);
    EXPECT_FALSE(cxc::harness::clickButton(&form, IDC_STDSET_APPLY));
    EXPECT_FALSE(cxc::harness::enabled(&form, IDC_STDSET_APPLY));
    form.GetDlgItem(IDC_STDSET_APPLY)->EnableWindow(TRUE);
    form.EnableWindow(FALSE);  // a disabled dialog takes no input either
    EXPECT_FALSE(cxc::harness::clickButton(&form, IDC_STDSET_APPLY));
    form.EnableWindow(TRUE);
    form.GetDlgItem(IDC_STDSET_APPLY)->ShowWindow(SW_HIDE);
    EXPECT_FALSE(cxc::harness::clickButton(&form, IDC_STDSET_APPLY));
    EXPECT_EQ(form.clicks, 1);
    EXPECT_FALSE(cxc::harness::clickCheck(&form, IDC_SCALE_1));  // a radio is no check box
    EXPECT_FALSE(cxc::harness::clickRadio(&form, IDC_POLARITY_VIEW));
}

struct ClampCase {
    int nMin, nMax;
    UINT page;
    int asked, kept;
};

// The position stops at max - page + 1 while the range stays whole, as in Windows, for every page.
TEST_F(Controls, ScrollClampFollowsWindowsForEveryPageAndAScrollMessageDoesNotMoveTheBarItself)
{
    for (const ClampCase& c :
         {ClampCase{0, 100, 0, 100, 100}, ClampCase{0, 100, 1, 100, 100}, ClampCase{0, 100, 10, 100, 91},
          ClampCase{0, 100, 500, 50, 0}, ClampCase{10, 5, 0, 7, 10}, ClampCase{INT_MIN, INT_MAX, 0, 5, 5},
          ClampCase{INT_MIN, INT_MAX, 0xFFFFFFFFu, 5, INT_MIN + 1}, ClampCase{-20, -10, 3, -5, -12}}) {
        SCROLLINFO si{};
        si.fMask = SIF_ALL;
        si.nMin = c.nMin;
        si.nMax = c.nMax;
        si.nPage = c.page;
        si.nPos = c.asked;
        form.high.SetScrollInfo(&si);
        EXPECT_EQ(form.high.GetScrollPos(), c.kept) << c.nMin << ".." << c.nMax << " page " << c.page;
    }
    SCROLLINFO si{sizeof(SCROLLINFO), SIF_RANGE | SIF_PAGE | SIF_POS, 0, 1024, 102, 512, 0};
    ASSERT_TRUE(form.low.SetScrollInfo(&si));
    // Where SetScrollPos stops and what GetScrollRange and GetScrollInfo read are in the Setting dialog's tests.
    EXPECT_EQ(form.low.SetScrollPos(1024), 512);  // the position before
    // The code, position and bar a scroll message names are pinned by the Setting dialog's scroll tests.
    SCROLLINFO track{sizeof(SCROLLINFO), SIF_ALL, 0, 1024, 102, 512, 0};
    form.high.SetScrollInfo(&track);
    ASSERT_TRUE(cxc::harness::hscroll(&form, IDC_SELECT_MAX_BAR, SB_THUMBTRACK, 700));
    EXPECT_EQ(form.high.GetScrollPos(), 512);
    EXPECT_EQ(cxc::harness::scrollInfo(&form, IDC_SELECT_MAX_BAR).nTrackPos, 700);
}

// An edit as it is drawn.
std::vector<COLORREF> editPicture(CWnd* dlg, int id)
{
    const cxc::harness::Image img = cxc::harness::render(CWnd::FromHandle(cxc::harness::controlHandle(dlg, id)));
    std::vector<COLORREF> out;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) out.push_back(img.pixel(x, y));
    return out;
}

// The row/column viewer's two up-down controls, one horizontal and one vertical.
class SpinForm : public CDialogEx {
public:
    std::vector<std::string> heard;
    LRESULT answer = 0;

protected:
    afx_msg void OnTimeSpin(NMHDR* hdr, LRESULT* result)
    {
        auto* nm = reinterpret_cast<NMUPDOWN*>(hdr);
        heard.push_back("time " + std::to_string(nm->iDelta) + " at " + std::to_string(nm->iPos));
        *result = answer;
    }
    afx_msg void OnHScroll(UINT code, UINT pos, CScrollBar* bar)
    {
        heard.push_back("hscroll " + std::to_string(code) + " " + std::to_string(pos) + (bar ? " bar" : " none"));
    }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(SpinForm, CDialogEx)
    ON_NOTIFY(UDN_DELTAPOS, IDC_TIME_SCALE_SPIN, &SpinForm::OnTimeSpin)
    ON_WM_HSCROLL()
END_MESSAGE_MAP()

// The arrows' signs are pinned by the wave, matrix and row/column dialogs' tests.
TEST_F(WndTest, UpDownsMoveOnlyWhenTheParentAllowsTypingOnlyWhereAUserCouldAndLongTextsShowTheirStart)
{
    SpinForm other;
    ASSERT_TRUE(other.Create(IDD_CXC_ROWCOLUMN_VIEWER));
    // From 0 (the upper end of 100..0) a step of +1 moves toward 100 and is reported.
    ASSERT_TRUE(cxc::harness::upDown(&other, IDC_TIME_SCALE_SPIN, +1));
    EXPECT_EQ(cxc::harness::upDownPos(&other, IDC_TIME_SCALE_SPIN), 1);
    other.answer = 1;  // refused
    ASSERT_TRUE(cxc::harness::upDown(&other, IDC_TIME_SCALE_SPIN, +1));
    EXPECT_EQ(cxc::harness::upDownPos(&other, IDC_TIME_SCALE_SPIN), 1);
    EXPECT_EQ(other.heard, (std::vector<std::string>{"time 1 at 0", "hscroll 4 1 none", "hscroll 8 0 none",
                                                     "time 1 at 1", "hscroll 8 0 none"}));
    EXPECT_FALSE(cxc::harness::upDown(&other, IDC_TIME_SCALE, +1));  // an edit is no up-down control
    CDialogEx dlg;
    ASSERT_TRUE(dlg.Create(IDD_CXC_MATRIX_VIEWER));
    EXPECT_TRUE(cxc::harness::typeText(&dlg, IDC_PIXEL_WIDTH, L"12"));
    EXPECT_FALSE(cxc::harness::typeText(&dlg, IDC_REFRESH, L"12"));   // a button
    EXPECT_FALSE(cxc::harness::typeText(&dlg, 9999, L"12"));          // no such control
    dlg.GetDlgItem(IDC_PIXEL_WIDTH)->EnableWindow(FALSE);
    EXPECT_FALSE(cxc::harness::typeText(&dlg, IDC_PIXEL_WIDTH, L"13"));
    EXPECT_EQ(str(cxc::harness::text(&dlg, IDC_PIXEL_WIDTH)), L"12");
    // An edit shows a text the program sets from its start, as Windows does, however long it is.
    CDialog link;
    ASSERT_TRUE(link.Create(IDD_MEG_TOPLINK_2DMAP));
    link.ShowWindow(SW_SHOW);
    link.SetDlgItemText(IDC_LINK_THRESHOLD, L"0.8");
    const auto shortText = editPicture(&link, IDC_LINK_THRESHOLD);
    // Blanks fill the edit after the same start, so only the tail, far out of sight, differs.
    link.SetDlgItemText(IDC_LINK_THRESHOLD, L"0.8                                        123456789");
    EXPECT_EQ(editPicture(&link, IDC_LINK_THRESHOLD), shortText);
    link.SetDlgItemText(IDC_LINK_THRESHOLD, L"7.8");
    EXPECT_NE(editPicture(&link, IDC_LINK_THRESHOLD), shortText);  // the picture does show the text
}



}  // namespace
