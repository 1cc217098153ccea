// Dialog data exchange: loading, MFC's scan and failure texts, radio groups and the notification lock-out.
#include <string>
#include <vector>

#include "wnd_fixture.h"

namespace {

using cxc::harness::check;
using cxc::harness::text;
using wndtest::lastMessage;
using wndtest::str;
using wndtest::WndTest;

// The contour template: a radio group, check boxes, int / int64 / double edits and a text.
class ContourForm : public CDialogEx {
public:
    int type = 0, autofit = 0, sensor = 1;
    long long selectBegin = 0, selectEnd = 2;
    double threshold = 100.0;
    int levels = 16;
    CString latencyEnd = L"1ms";
    std::vector<std::string> heard;  // notifications the dialog's handlers saw

    void DoDataExchange(CDataExchange* dx) override
    {
        DDX_Radio(dx, IDC_TYPE_FIELD, type);
        DDX_Check(dx, IDC_AUTOFIT, autofit);
        DDX_Check(dx, IDC_SHOW_SENSOR_CHECK, sensor);
        DDX_Text(dx, IDC_SELECT_BEGIN, selectBegin);
        DDX_Text(dx, IDC_SELECT_END, selectEnd);
        DDX_Text(dx, IDC_CONTOUR_THRESHOLD, threshold);
        DDX_Text(dx, IDC_CONTOUR_LEVELS, levels);
        DDX_Text(dx, IDC_LATENCY_END, latencyEnd);
    }

protected:
    afx_msg void OnSelectBegin() { heard.push_back("selectB"); }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(ContourForm, CDialogEx)
    ON_EN_CHANGE(IDC_SELECT_BEGIN, &ContourForm::OnSelectBegin)
END_MESSAGE_MAP()

class DataExchange : public WndTest {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(form.Create(IDD_MEG_CONTOUR_2DMAP));
        form.heard.clear();
    }
    bool type(int id, const wchar_t* t) { return cxc::harness::typeText(&form, id, t); }
    ContourForm form;
};

// What loading shows is in the snapshot texts; these are the edges no window reaches. Numbers saved are in
// the scan table below, checks in the dialogs' tests.
TEST_F(DataExchange, LoadingTheSmallestInt64AndAnOutOfRangeCheckSavingATextAndTheRadioGroupsEnd)
{
    form.selectBegin = -9223372036854775807LL - 1;
    form.sensor = 5;  // out of range: loads as unchecked and, as in MFC, the member is reset too
    ASSERT_TRUE(form.UpdateData(FALSE));
    EXPECT_EQ(str(text(&form, IDC_SELECT_BEGIN)), L"-9223372036854775808");
    EXPECT_EQ(check(&form, IDC_SHOW_SENSOR_CHECK), BST_UNCHECKED);
    EXPECT_EQ(form.sensor, 0);
    form.GetDlgItem(IDC_LATENCY_END)->SetWindowText(L"3 ms");
    cxc::harness::clickRadio(&form, IDC_TYPE_BOTH);
    EXPECT_EQ(check(&form, IDC_TYPE_FIELD), BST_UNCHECKED);
    EXPECT_EQ(check(&form, IDC_AUTOFIT), BST_UNCHECKED);  // the check box after the group is not touched
    ASSERT_TRUE(form.UpdateData(TRUE));
    EXPECT_EQ(str(form.latencyEnd), L"3 ms");
    EXPECT_EQ(form.type, 2);
    form.GetDlgItem(IDC_TYPE_BOTH)->SendMessage(BM_SETCHECK, BST_UNCHECKED);
    ASSERT_TRUE(form.UpdateData(TRUE));
    EXPECT_EQ(form.type, -1);  // none checked
}

// Typed texts MFC's scan accepts or refuses, field by field; a refusal shows MFC's text and keeps the member.
TEST_F(DataExchange, NumbersFollowMfcsScanAndRefuseWhatDoesNotFitOrIsNotFinite)
{
    struct TextCase {
        int id;
        const wchar_t* text;
        bool accepted;
    };
    const TextCase cases[] = {
        {IDC_CONTOUR_LEVELS, L"42", true}, {IDC_CONTOUR_LEVELS, L" +7 ", true}, {IDC_CONTOUR_LEVELS, L"-2147483648", true},
        {IDC_CONTOUR_LEVELS, L"2147483647", true}, {IDC_CONTOUR_LEVELS, L"2147483648", false},
        {IDC_CONTOUR_LEVELS, L"99999999999", false}, {IDC_CONTOUR_LEVELS, L"", false}, {IDC_CONTOUR_LEVELS, L"   ", false},
        {IDC_CONTOUR_LEVELS, L"4x", false}, {IDC_CONTOUR_LEVELS, L"1.5", false}, {IDC_CONTOUR_LEVELS, L"0x10", false},
        {IDC_CONTOUR_LEVELS, L"- 3", false}, {IDC_CONTOUR_LEVELS, L"+", false},
        {IDC_SELECT_END, L"-9223372036854775808", true}, {IDC_SELECT_END, L"+9223372036854775807", true},
        {IDC_SELECT_END, L"99999999999", true},
        {IDC_SELECT_END, L"9223372036854775808", false}, {IDC_SELECT_END, L"-9223372036854775809", false},
        {IDC_SELECT_END, L"184467440737095516160", false},
        {IDC_CONTOUR_THRESHOLD, L"0.5", true}, {IDC_CONTOUR_THRESHOLD, L"0", true}, {IDC_CONTOUR_THRESHOLD, L"0.0", true},
        {IDC_CONTOUR_THRESHOLD, L".5", true}, {IDC_CONTOUR_THRESHOLD, L"  -1e-3\t", true}, {IDC_CONTOUR_THRESHOLD, L"1E3", true},
        {IDC_CONTOUR_THRESHOLD, L"-0", false}, {IDC_CONTOUR_THRESHOLD, L".0", false}, {IDC_CONTOUR_THRESHOLD, L"abc", false},
        {IDC_CONTOUR_THRESHOLD, L"", false}, {IDC_CONTOUR_THRESHOLD, L"1,5", false}, {IDC_CONTOUR_THRESHOLD, L"2 3", false},
        {IDC_CONTOUR_THRESHOLD, L"nan", false}, {IDC_CONTOUR_THRESHOLD, L"inf", false},
        {IDC_CONTOUR_THRESHOLD, L"-infinity", false}, {IDC_CONTOUR_THRESHOLD, L"1e999", false},
        {IDC_CONTOUR_THRESHOLD, L"1e-999", false},
    };
    ASSERT_TRUE(form.UpdateData(FALSE));
    for (const TextCase& c : cases) {
        SCOPED_TRACE(cxc::toUtf8(c.text));
        cxc::harness::clearMessageBoxes();
        form.levels = 16;
        form.selectEnd = 2;
        form.threshold = 100.0;
        type(c.id, c.text);
        EXPECT_EQ(form.UpdateData(TRUE) != FALSE, c.accepted);
        if (!c.accepted) {
            EXPECT_EQ(lastMessage(), c.id == IDC_CONTOUR_THRESHOLD ? L"Please enter a number." : L"Please enter an integer.");
            EXPECT_EQ(cxc::harness::messageBoxes().back().type, static_cast<UINT>(MB_OK));
            EXPECT_TRUE(form.levels == 16 && form.selectEnd == 2 && form.threshold == 100.0);
        }
        type(c.id, c.id == IDC_CONTOUR_THRESHOLD ? L"100" : c.id == IDC_SELECT_END ? L"2" : L"16");
    }
}

TEST_F(DataExchange, AFailedSaveKeepsTheExchangesMadeBeforeItAnEditNotifiesOnlyOnChangeAndSetCheckIsSilent)
{
    // As in MFC: what was exchanged before the failing field stays stored, the refused field keeps its
    // member, and nothing after it is exchanged.
    ASSERT_TRUE(form.UpdateData(FALSE));
    type(IDC_SELECT_BEGIN, L"123");      // exchanged before the failing field
    cxc::harness::clickRadio(&form, IDC_TYPE_BOTH);
    type(IDC_CONTOUR_THRESHOLD, L"abc");  // fails
    type(IDC_CONTOUR_LEVELS, L"5");       // exchanged after it
    EXPECT_FALSE(form.UpdateData(TRUE));
    EXPECT_EQ(form.selectBegin, 123);
    EXPECT_EQ(form.type, 2);
    EXPECT_EQ(form.threshold, 100.0);
    EXPECT_EQ(form.levels, 16);
    ASSERT_EQ(cxc::harness::messageBoxes().size(), 1u);
    EXPECT_EQ(str(text(&form, IDC_CONTOUR_THRESHOLD)), L"abc");  // the user's text stays to be corrected
    form.heard.clear();
    // The lock-out while exchanging, silent SetCurSel and heard user input are pinned by the dialogs' tests.
    CWnd* edit = form.GetDlgItem(IDC_SELECT_BEGIN);
    edit->SetWindowText(L"5");
    edit->SetWindowText(L"5");
    type(IDC_SELECT_BEGIN, L"5");
    edit->SetWindowText(L"6");
    EXPECT_EQ(form.heard, (std::vector<std::string>{"selectB", "selectB"}));
    form.heard.clear();
    static_cast<CButton*>(form.GetDlgItem(IDC_TYPE_FIELD))->SetCheck(BST_CHECKED);
    EXPECT_TRUE(form.heard.empty());
}

class LinkForm : public CDialog {
public:
    double topPercent = 50.0;
    void DoDataExchange(CDataExchange* dx) override
    {
        DDX_Text(dx, IDC_TOP_PERCENT, topPercent);
        DDV_MinMaxInt(dx, cxc::toInt(topPercent), 0, 100);
    }
};

// An exchange may name a local of DoDataExchange; a failure after it must not write to it once the
// function has been left. The local holds a long text, so a late write would touch freed memory and
// the sanitizer build would stop.
class MissingControlForm : public CDialogEx {
public:
    int value = 3;
    void DoDataExchange(CDataExchange* dx) override { DDX_Text(dx, 4242, value); }
};

TEST_F(WndTest, RangeValidationWarnsAndKeepsTheDialogOpenAndAMissingControlFailsWithAMessage)
{
    LinkForm dlg;
    ASSERT_TRUE(dlg.Create(IDD_MEG_TOPLINK_2DMAP));
    // The text of the refusal and the refused value kept are in the link dialog's Fit Top test.
    cxc::harness::typeText(&dlg, IDC_TOP_PERCENT, L"150.7");
    EXPECT_FALSE(dlg.UpdateData(TRUE));
    EXPECT_EQ(cxc::harness::messageBoxes().back().type, static_cast<UINT>(MB_ICONEXCLAMATION));
    // OK with a value the validation refuses keeps the dialog open.
    dlg.ShowWindow(SW_SHOW);
    cxc::harness::typeText(&dlg, IDC_TOP_PERCENT, L"-1");
    dlg.OnOK();
    EXPECT_TRUE(dlg.IsWindowVisible());
    cxc::harness::typeText(&dlg, IDC_TOP_PERCENT, L"1");
    dlg.OnOK();
    EXPECT_FALSE(dlg.IsWindowVisible());
    // Loading an out-of-range value is not the user's fault: no message.
    cxc::harness::clearMessageBoxes();
    dlg.topPercent = -5.0;
    EXPECT_TRUE(dlg.UpdateData(FALSE));
    EXPECT_TRUE(cxc::harness::messageBoxes().empty());
    MissingControlForm missing;
    ASSERT_TRUE(missing.Create(IDD_MEG_SHOW_STDSET));  // OnInitDialog's load fails and hides it
    EXPECT_EQ(wndtest::lastMessage(), L"An unsupported operation was attempted.");
    EXPECT_FALSE(missing.UpdateData(TRUE));
    EXPECT_EQ(missing.value, 3);
}

}  // namespace
