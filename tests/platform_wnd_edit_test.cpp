// An edit control shows a text the program sets from its start, as Windows does, however long it
// is; a text the user types keeps its own caret.
#include "wnd_fixture.h"

namespace {

using namespace wndtest;
namespace harness = cxc::harness;

class EditText : public WndTest {};

// An edit as it is drawn.
std::vector<COLORREF> picture(CWnd* dlg, int id)
{
    const harness::Image img = harness::render(CWnd::FromHandle(harness::controlHandle(dlg, id)));
    std::vector<COLORREF> out;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) out.push_back(img.pixel(x, y));
    return out;
}

}  // namespace

TEST_F(EditText, ALongTextSetByTheProgramIsShownFromItsStart)
{
    CDialog dlg;
    ASSERT_TRUE(dlg.Create(IDD_MEG_TOPLINK_2DMAP));
    dlg.ShowWindow(SW_SHOW);
    dlg.SetDlgItemText(IDC_LINK_THRESHOLD, L"0.8");
    const auto shortText = picture(&dlg, IDC_LINK_THRESHOLD);
    // Blanks fill the edit after the same start, so only the tail, far out of sight, differs.
    dlg.SetDlgItemText(IDC_LINK_THRESHOLD, L"0.8                                        123456789");
    EXPECT_EQ(picture(&dlg, IDC_LINK_THRESHOLD), shortText);
    dlg.SetDlgItemText(IDC_LINK_THRESHOLD, L"7.8");
    EXPECT_NE(picture(&dlg, IDC_LINK_THRESHOLD), shortText);  // the picture does show the text
}
