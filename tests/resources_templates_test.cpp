// The module's resources: templates, menu, icons, base units, and creation failures.
#include <string>
#include <vector>

#include "wnd_fixture.h"

namespace {

using wndtest::dlu;
using wndtest::str;
using wndtest::WndTest;

// Dialog units to pixels: 6 x 13 base units, half away from zero, applied to each edge.
struct DluCase {
    int x, y, cx, cy;
    CRect px;
};

TEST(DialogUnits, EdgesConvertWithFixedBaseUnitsRoundingHalfAway)
{
    for (const DluCase& c : {DluCase{0, 0, 4, 8, CRect(0, 0, 6, 13)}, DluCase{1, 1, 1, 1, CRect(2, 2, 3, 3)},
                             DluCase{5, 56, 438, 332, CRect(8, 91, 665, 631)},
                             DluCase{7, 3, 49, 114, CRect(11, 5, 84, 190)},
                             DluCase{263, 157, 50, 14, CRect(395, 255, 470, 278)}}) {
        EXPECT_EQ(cxc::res::dluToPixels(c.x, c.y, c.cx, c.cy), c.px) << c.x << "," << c.y;
    }
    CDialog d;
    CRect r(4, 8, 12, 16);
    d.MapDialogRect(&r);
    EXPECT_EQ(r, CRect(6, 13, 18, 26));
}

struct TemplateCase {
    UINT id;
    const wchar_t* caption;
    int cx, cy;       // dialog units
    int controls;
    bool menu;
};

class EveryTemplate : public WndTest, public ::testing::WithParamInterface<TemplateCase> {};

TEST_P(EveryTemplate, MakesItsDialogWithCaptionSizeMenuAndControls)
{
    const TemplateCase& c = GetParam();
    CDialogEx dlg;
    ASSERT_TRUE(dlg.Create(c.id));
    EXPECT_EQ(str(cxc::harness::caption(&dlg)), c.caption);
    EXPECT_EQ(cxc::harness::clientRect(&dlg), CRect(0, 0, MulDiv(c.cx, 6, 4), MulDiv(c.cy, 13, 8)));
    EXPECT_EQ(cxc::harness::children(&dlg).size(), static_cast<size_t>(c.controls));
    EXPECT_EQ(dlg.GetMenu() != nullptr, c.menu);
    EXPECT_FALSE(dlg.IsWindowVisible());
    // Every control sits at its template rectangle (a combo box at the height of its edit field).
    const cxc::res::DialogTemplate* t = cxc::res::findDialogInChain(c.id);
    ASSERT_NE(t, nullptr);
    const std::vector<HWND> kids = cxc::harness::children(&dlg);
    for (int i = 0; i < t->itemCount; ++i) {
        const auto& it = t->items[i];
        CRect want = dlu(it.x, it.y, it.cx, it.cy);
        CWnd* ctl = CWnd::FromHandle(kids[static_cast<size_t>(i)]);
        ASSERT_NE(ctl, nullptr);
        EXPECT_EQ(ctl->GetDlgCtrlID(), it.id);
        if (it.cls == cxc::res::ItemClass::ComboBox) want.bottom = want.top + 21;
        EXPECT_EQ(cxc::harness::windowRect(ctl), want) << "control " << it.id << " of " << c.id;
        CString text;
        ctl->GetWindowText(text);
        EXPECT_EQ(str(text), it.text ? it.text : L"") << "control " << it.id;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Resources, EveryTemplate,
    ::testing::Values(TemplateCase{IDD_MEG_TOPLINK_2DMAP, L"MEG Waveform CxC TopLink 2D Map", 450, 395, 28, true},
                      TemplateCase{IDD_EEG_TOPLINK_2DMAP, L"EEG Waveform CxC TopLink 2D Map", 411, 394, 27, true},
                      TemplateCase{IDD_MEG_TOPWAVE_2DMAP, L"MEG Waveform CxC RizoRizud 2D Map", 496, 395, 23, true},
                      TemplateCase{IDD_EEG_TOPWAVE_2DMAP, L"EEG Waveform CxC RizoRizud 2D Map", 496, 395, 23, true},
                      TemplateCase{IDD_MEG_CONTOUR_2DMAP, L"MEG Waveform CxC Contour Map 2D", 425, 397, 30, true},
                      TemplateCase{IDD_EEG_CONTOUR_2DMAP, L"EEG Waveform CxC Contour Map 2D", 425, 397, 30, true},
                      TemplateCase{IDD_MEG_SHOW_STDSET, L"Standard Diplay Parameters for MEG Cxc Data", 330, 178, 17, false},
                      TemplateCase{IDD_CXC_ROWCOLUMN_VIEWER, L"CxC Row Column 2D Viewer", 853, 322, 15, false},
                      TemplateCase{IDD_CXC_MATRIX_VIEWER, L"CxC Matrix 2D Viewer (MEG, EEG and Other data)", 596, 323, 21,
                                   false}));

// Hand-computed pixel rectangles of a few controls, independent of the tables.
TEST_F(WndTest, SpotChecksOfControlRectanglesAndTheEndsOfRadioGroups)
{
    CDialog link;
    ASSERT_TRUE(link.Create(IDD_MEG_TOPLINK_2DMAP));
    EXPECT_EQ(cxc::harness::controlRect(&link, IDC_MAP_VIEW), CRect(8, 91, 665, 631));
    EXPECT_EQ(cxc::harness::controlRect(&link, IDC_SETTING), CRect(608, 5, 665, 28));
    EXPECT_EQ(cxc::harness::controlRect(&link, IDC_ROW_COMBO), CRect(11, 5, 84, 26));
    CDialogEx eeg;
    ASSERT_TRUE(eeg.Create(IDD_EEG_TOPLINK_2DMAP));
    EXPECT_EQ(cxc::harness::controlHandle(&eeg, IDC_SETTING), nullptr);
    EXPECT_EQ(cxc::harness::controlRect(&eeg, IDC_PLAY), CRect(549, 5, 606, 28));
    CDialogEx stdset;
    ASSERT_TRUE(stdset.Create(IDD_MEG_SHOW_STDSET));
    EXPECT_EQ(cxc::harness::controlRect(&stdset, IDOK), CRect(395, 255, 470, 278));
    EXPECT_EQ(cxc::harness::controlRect(&stdset, IDC_SCALE_1024), CRect(410, 197, 467, 213));
    // Radio groups end where the template says (its order is pinned by the snapshots).
    EXPECT_TRUE(stdset.GetDlgItem(IDC_SCALE_1)->GetStyle() & WS_GROUP);
    EXPECT_FALSE(stdset.GetDlgItem(IDC_SCALE_2)->GetStyle() & WS_GROUP);
    EXPECT_TRUE(stdset.GetDlgItem(IDC_STDSET_REFRESH)->GetStyle() & WS_GROUP);
    EXPECT_EQ(static_cast<CButton*>(stdset.GetDlgItem(IDOK))->GetButtonStyle() & 0x0F,
              static_cast<UINT>(BS_DEFPUSHBUTTON));
    CDialogEx contour;
    ASSERT_TRUE(contour.Create(IDD_MEG_CONTOUR_2DMAP));
    EXPECT_TRUE(contour.GetDlgItem(IDC_TYPE_FIELD)->GetStyle() & WS_GROUP);
    EXPECT_TRUE(contour.GetDlgItem(IDC_AUTOFIT)->GetStyle() & WS_GROUP);
    EXPECT_EQ(str(cxc::harness::text(&contour, IDC_LATENCY_BEGIN)), L"0 ms");
}

TEST_F(WndTest, MapMenuHasEditAndViewWithSeparatorsWhereTheyBelong)
{
    CMenu menu;
    ASSERT_TRUE(menu.LoadMenu(IDR_MENU_CXCMAP));
    ASSERT_EQ(menu.GetMenuItemCount(), 2);
    CString name;
    menu.GetMenuString(0, name, MF_BYPOSITION);
    EXPECT_EQ(name, L"Edit");
    CMenu* edit = menu.GetSubMenu(0);
    CMenu* view = menu.GetSubMenu(1);
    ASSERT_NE(edit, nullptr);
    ASSERT_NE(view, nullptr);
    std::vector<UINT> editIds;
    for (int i = 0; i < edit->GetMenuItemCount(); ++i) editIds.push_back(edit->GetMenuItemID(i));
    EXPECT_EQ(editIds, (std::vector<UINT>{3812, 3813, 0, 3814, 3815, 3816, 0, 3820, 3821, 0, 3822}));
    std::vector<UINT> viewIds;
    for (int i = 0; i < view->GetMenuItemCount(); ++i) viewIds.push_back(view->GetMenuItemID(i));
    EXPECT_EQ(viewIds, (std::vector<UINT>{3817, 0, 3818}));
    menu.GetMenuString(ID_EDIT_GT_ACTIVE_ONLY, name, MF_BYCOMMAND);
    EXPECT_EQ(name, L"Graph Theory for Active Channel Only");
    EXPECT_EQ(menu.GetMenuState(2, MF_BYPOSITION), static_cast<UINT>(-1));
    EXPECT_EQ(edit->GetMenuState(2, MF_BYPOSITION), static_cast<UINT>(MF_SEPARATOR));
}

TEST_F(WndTest, BothIconsAreThirtyTwoSquareImagesWithSomethingOnThem)
{
    for (UINT id : {IDI_ICON_CXCMAP, IDI_ICON_STDSET}) {
        HICON icon = LoadIcon(cxc::resources::registerModule(), MAKEINTRESOURCE(id));
        ASSERT_NE(icon, nullptr) << id;
        EXPECT_EQ(cxc::wnd::iconId(icon), id);
        EXPECT_TRUE(DestroyIcon(icon));  // shared icons survive DestroyIcon
        EXPECT_EQ(LoadIcon(cxc::resources::registerModule(), MAKEINTRESOURCE(id)), icon);
    }
    EXPECT_EQ(LoadIcon(nullptr, IDI_APPLICATION), nullptr);
    EXPECT_EQ(LoadIcon(AfxGetInstanceHandle(), MAKEINTRESOURCE(IDI_ICON_CXCMAP)), nullptr);  // not the program's
}

TEST_F(WndTest, CreateFailsForAMissingTemplateAndOneInjectedFailure)
{
    CDialogEx missing;
    EXPECT_FALSE(missing.Create(4711));
    EXPECT_EQ(missing.m_hWnd, nullptr);
    cxc::harness::failNextCreate(IDD_MEG_SHOW_STDSET);
    const auto before = cxc::wnd::liveWindows();
    CDialogEx first;
    EXPECT_FALSE(first.Create(IDD_MEG_SHOW_STDSET));
    EXPECT_EQ(cxc::wnd::liveWindows().windows, before.windows);
    CDialogEx second;
    EXPECT_TRUE(second.Create(IDD_MEG_SHOW_STDSET));
}

}  // namespace
