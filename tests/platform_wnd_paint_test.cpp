// Painting: invalidation, the pump, erasing, surfaces across resizes, the dialog screenshot.
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "wnd_fixture.h"

namespace {

using wndtest::dlu;
using wndtest::WndTest;

constexpr COLORREF kFace = RGB(0xF0, 0xF0, 0xF0);

std::vector<std::string> g_paints;

// Paints a small square of its colour at (2, 2) and nothing else, so erasing is visible.
class SquareView : public CStatic {
public:
    COLORREF colour = RGB(255, 0, 0);
    const char* name = "view";
    bool validate = true;
    bool pumpInside = false;
protected:
    afx_msg void OnPaint()
    {
        g_paints.push_back(name);
        if (!validate) return;  // a handler that never begins painting
        CPaintDC dc(this);
        dc.FillSolidRect(2, 2, 4, 4, colour);
        if (pumpInside) {
            // As a message box's loop would: the view is invalid again while its paint still runs.
            Invalidate(FALSE);
            cxc::harness::pumpPaints();
            UpdateWindow();
        }
    }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(SquareView, CStatic)
    ON_WM_PAINT()
END_MESSAGE_MAP()

class PaintForm : public CDialogEx {
public:
    SquareView view;
    void DoDataExchange(CDataExchange* dx) override { DDX_Control(dx, IDC_MAP_VIEW, view); }
protected:
    afx_msg void OnPaint()
    {
        g_paints.push_back("dialog");
        Default();
    }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(PaintForm, CDialogEx)
    ON_WM_PAINT()
END_MESSAGE_MAP()

class Painting : public WndTest {
protected:
    void SetUp() override
    {
        g_paints.clear();
        ASSERT_TRUE(form.Create(IDD_MEG_TOPWAVE_2DMAP));
    }
    COLORREF viewPixel(int x, int y) { return cxc::harness::clientSurface(&form.view).pixel(x, y); }
    PaintForm form;
};

TEST_F(Painting, InvalidateOnlyMarksAndThePumpPaintsShownWindowsParentsFirst)
{
    EXPECT_EQ(cxc::harness::pumpPaints(), 0);  // hidden windows are not painted
    EXPECT_TRUE(g_paints.empty());
    form.ShowWindow(SW_SHOW);
    EXPECT_GT(cxc::harness::pumpPaints(), 2);
    EXPECT_EQ(g_paints, (std::vector<std::string>{"dialog", "view"}));
    EXPECT_EQ(cxc::harness::pumpPaints(), 0);  // everything is valid now

    g_paints.clear();
    form.view.InvalidateRect(nullptr, FALSE);
    EXPECT_TRUE(cxc::harness::needsPaint(&form.view));
    EXPECT_TRUE(g_paints.empty());
    EXPECT_EQ(cxc::harness::pumpPaints(), 1);
    EXPECT_FALSE(cxc::harness::needsPaint(&form.view));
    form.Invalidate(FALSE);  // invalidating the dialog does not repaint its controls
    EXPECT_FALSE(cxc::harness::needsPaint(&form.view));
    cxc::harness::pumpPaints();
    EXPECT_EQ(g_paints, (std::vector<std::string>{"view", "dialog"}));

    g_paints.clear();  // UpdateWindow paints at once, and only when needed
    form.view.UpdateWindow();
    EXPECT_TRUE(g_paints.empty());
    form.view.Invalidate(FALSE);
    form.view.UpdateWindow();
    EXPECT_EQ(g_paints, std::vector<std::string>{"view"});
}

TEST_F(Painting, EraseClearsOnlyTheInvalidatedPartToTheFaceColourBeforePainting)
{
    form.ShowWindow(SW_SHOW);
    cxc::harness::pumpPaints();
    {
        CClientDC dc(&form.view);
        dc.FillSolidRect(20, 20, 2, 2, RGB(0, 255, 0));
    }
    CRect part(0, 0, 10, 10);
    form.view.InvalidateRect(&part, TRUE);
    cxc::harness::pumpPaints();
    EXPECT_EQ(viewPixel(9, 9), kFace);
    EXPECT_EQ(viewPixel(3, 3), RGB(255, 0, 0));  // painted after the erase
    EXPECT_EQ(viewPixel(20, 20), RGB(0, 255, 0));
}

TEST_F(Painting, APaintIsNeverEnteredAgainWhileItRunsAndOneThatNeverValidatesRunsOncePerPump)
{
    form.ShowWindow(SW_SHOW);
    cxc::harness::pumpPaints();
    g_paints.clear();
    form.view.pumpInside = true;
    form.view.Invalidate(FALSE);
    EXPECT_EQ(cxc::harness::pumpPaints(), 1);
    EXPECT_EQ(g_paints, std::vector<std::string>{"view"});
    EXPECT_TRUE(cxc::harness::needsPaint(&form.view));  // left for the next pump
    form.view.pumpInside = false;
    form.view.validate = false;
    g_paints.clear();
    EXPECT_EQ(cxc::harness::pumpPaints(), 1);
    EXPECT_EQ(cxc::harness::pumpPaints(), 1);
    EXPECT_EQ(g_paints.size(), 2u);
}

TEST_F(Painting, ResizedSurfaceKeepsItsPixelsAndFillsTheNewPartWithTheFaceColour)
{
    form.ShowWindow(SW_SHOW);
    cxc::harness::pumpPaints();
    const CRect v = cxc::harness::controlRect(&form, IDC_MAP_VIEW);
    form.view.MoveWindow(v.left, v.top, v.Width() + 30, v.Height());
    const cxc::harness::Image img = cxc::harness::clientSurface(&form.view);
    EXPECT_EQ(img.width(), v.Width() + 30);
    EXPECT_EQ(img.pixel(3, 3), RGB(255, 0, 0));
    EXPECT_EQ(img.pixel(v.Width() + 10, 3), kFace);
    EXPECT_TRUE(cxc::harness::needsPaint(&form.view));
    form.view.MoveWindow(v.left, v.top, 0, 0);  // an empty view has nothing to draw on, and does not fail
    form.view.Invalidate();
    cxc::harness::pumpPaints();
    EXPECT_EQ(cxc::harness::clientSurface(&form.view).width(), 0);
}

TEST_F(Painting, ScreenshotShowsControlsAndTheViewsPicture)
{
    for (const wchar_t* s : {L"MLF11", L"MRF11"}) static_cast<CComboBox*>(form.GetDlgItem(IDC_ROW_COMBO))->AddString(s);
    form.ShowWindow(SW_SHOW);
    cxc::harness::pumpPaints();
    const cxc::harness::Image shot = cxc::harness::render(&form);
    const int menu = shot.height() - cxc::harness::clientRect(&form).Height();
    ASSERT_GT(menu, 0);  // the menu bar sits above the client area
    EXPECT_EQ(shot.width(), MulDiv(496, 6, 4));
    const CRect view = dlu(5, 41, 484, 347);
    EXPECT_EQ(shot.pixel(view.left + 3, menu + view.top + 3), RGB(255, 0, 0));  // the view's square
    EXPECT_EQ(shot.pixel(view.left + 40, menu + view.top + 40), kFace);      // the rest of its surface
    const CRect edit = dlu(268, 7, 37, 14);
    EXPECT_EQ(shot.pixel(edit.CenterPoint().x, menu + edit.CenterPoint().y), RGB(255, 255, 255));  // an edit's field
    EXPECT_EQ(shot.pixel(3, menu + 3), kFace);  // the dialog's background
    // The "Reset" button's caption leaves dark pixels inside the button.
    const CRect reset = dlu(405, 7, 36, 14);
    int dark = 0;
    for (int y = reset.top + 3; y < reset.bottom - 3; ++y)
        for (int x = reset.left + 3; x < reset.right - 3; ++x)
            if (GetRValue(shot.pixel(x, menu + y)) < 100) ++dark;
    EXPECT_GT(dark, 10);
    const std::string path = ::testing::TempDir() + "wnd_paint_screenshot.png";
    ASSERT_TRUE(cxc::harness::writePng(&form, path.c_str()));
    std::ifstream png(path, std::ios::binary);
    char magic[8] = {};
    png.read(magic, 8);
    EXPECT_EQ(std::string(magic + 1, 3), "PNG");
    std::remove(path.c_str());
}

}  // namespace
