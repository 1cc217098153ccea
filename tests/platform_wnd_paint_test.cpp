// Painting, figures and timers: the pump, erasing, resized surfaces, screenshots, SVG and PDF, the clock.
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "cxcfigure.h"
#include "support.h"
#include "wnd_fixture.h"

namespace {

using wndtest::dlu;
using wndtest::WndTest;

constexpr COLORREF kFace = RGB(0xF0, 0xF0, 0xF0);

std::vector<std::string> g_paints;

// Paints a red square at (2, 2) and nothing else, so erasing is visible; with a draw function it paints
// as the module's views do: into a memory DC at the client size, then one block to the window.
class SquareView : public CStatic {
public:
    bool validate = true;
    bool pumpInside = false;
    std::function<void(CDC&)> draw;
protected:
    afx_msg void OnPaint()
    {
        g_paints.push_back("view");
        if (!validate) return;  // a handler that never begins painting
        CPaintDC dc(this);
        if (draw) {
            CRect rect;
            GetClientRect(&rect);
            CDC mem;
            CBitmap bitmap;
            mem.CreateCompatibleDC(&dc);
            bitmap.CreateCompatibleBitmap(&dc, rect.Width(), rect.Height());
            CBitmap* old = mem.SelectObject(&bitmap);
            mem.FillSolidRect(&rect, RGB(255, 255, 255));
            draw(mem);
            dc.BitBlt(0, 0, rect.Width(), rect.Height(), &mem, 0, 0, SRCCOPY);
            mem.SelectObject(old);
            return;
        }
        dc.FillSolidRect(2, 2, 4, 4, RGB(255, 0, 0));
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

// Its paints and timer ticks ("id@time") go to the same trace.
class PaintForm : public CDialogEx {
public:
    SquareView view;
    bool stopInTick = false, restartInTick = false, repaintOnTick = false;
    void DoDataExchange(CDataExchange* dx) override { DDX_Control(dx, IDC_MAP_VIEW, view); }
protected:
    afx_msg void OnPaint()
    {
        g_paints.push_back("dialog");
        Default();
    }
    afx_msg void OnTimer(UINT_PTR id)
    {
        g_paints.push_back(std::to_string(id) + "@" + std::to_string(cxc::harness::now()));
        if (stopInTick) KillTimer(id);
        if (restartInTick) SetTimer(id, 250);
        if (repaintOnTick) Invalidate(FALSE);
        CDialogEx::OnTimer(id);  // the default handling of other ids
    }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(PaintForm, CDialogEx)
    ON_WM_PAINT()
    ON_WM_TIMER()
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

TEST_F(Painting, InvalidateOnlyMarksThePumpPaintsShownWindowsParentsFirstAndNeverEntersAPaintAgain)
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

TEST_F(Painting, EraseClearsOnlyTheInvalidatedPartAndAResizedSurfaceKeepsItsPixelsAndFillsTheRestWithTheFaceColour)
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
    cxctest::Scratch scratch;
    ASSERT_TRUE(cxc::harness::writePng(&form, scratch.str("shot.png").c_str()));
    cxctest::expectSameImage(cxctest::readPicture(scratch.path("shot.png")), cxctest::picture(shot), "shot");
}

namespace figure = cxc::figure;
using Draw = std::function<void(CDC&)>;

void withPen(CDC& dc, int style, int width, COLORREF c, const std::function<void()>& f)
{
    CPen pen(style, width, c);
    CPen* old = dc.SelectObject(&pen);
    f();
    dc.SelectObject(old);
}

// Lines plain, dashed and far beyond the picture, and a label.
const Draw kLines = [](CDC& dc) {
    withPen(dc, PS_SOLID, 1, RGB(200, 0, 0), [&] { dc.MoveTo(5, 5); dc.LineTo(120, 70); dc.LineTo(-30, 2000000000); });
    withPen(dc, PS_DASH, 1, RGB(0, 0, 200), [&] { dc.MoveTo(10, 90); dc.LineTo(60, 95); dc.LineTo(110, 140); });
    CFont font;
    font.CreateFont(-14, 0, 0, 0, FW_NORMAL, 0, 0, 0, 0, 0, 0, 0, 0, L"Arial");
    CFont* old = dc.SelectObject(&font);
    dc.TextOut(5, 5, CString(L"MLF11 Cz"));
    dc.SelectObject(old);
};

class Figures : public Painting {
protected:
    figure::Picture paint(const Draw& draw)
    {
        form.ShowWindow(SW_SHOW);
        form.view.draw = draw;
        cxc::harness::pumpPaints();
        return figure::recordPaint(&form.view);
    }
};

TEST_F(Figures, ScaleTwoKeepsOnePixelLinesThinAndSvgAndPdfKeepTextAsTextAndLinesAsLines)
{
    const figure::Picture pic = paint([](CDC& dc) {
        withPen(dc, PS_SOLID, 1, RGB(255, 0, 0), [&] { dc.MoveTo(10, 20); dc.LineTo(100, 20); dc.MoveTo(30, 40); dc.LineTo(30, 90); });
    });
    const cxctest::Picture img = cxctest::picture(figure::replay(pic, 2));
    EXPECT_EQ(cxctest::count(img, RGB(255, 0, 0), 20, 40, 200, 41), 180);  // twice as long...
    EXPECT_EQ(cxctest::count(img, RGB(255, 0, 0), 20, 39, 200, 40), 0);    // ...and one pixel thin
    EXPECT_EQ(cxctest::count(img, RGB(255, 0, 0), 20, 41, 200, 42), 0);
    EXPECT_EQ(cxctest::count(img, RGB(255, 0, 0), 59, 80, 62, 180), 100);
    cxctest::Scratch scratch;
    const figure::Picture lines = paint(kLines);
    ASSERT_EQ(figure::write(lines, {figure::Format::Svg, 1, 0}, scratch.str("lines.svg").c_str()), "");
    const std::string svg = cxctest::readFile(scratch.path("lines.svg"));
    EXPECT_NE(svg.find("stroke-dasharray"), std::string::npos);
    EXPECT_EQ(svg.find("<image"), std::string::npos);  // no raster stands in for the lines
    EXPECT_NE(svg.find("MLF11 Cz</text>"), std::string::npos);
    // An inversion has no difference blend in SVG: the inverted pixels of its rectangle stand in.
    const figure::Picture inverted = paint([](CDC& dc) {
        const CRect band(20, 20, 90, 50);
        dc.InvertRect(&band);
    });
    ASSERT_EQ(figure::write(inverted, {figure::Format::Svg, 1, 0}, scratch.str("inv.svg").c_str()), "");
    EXPECT_NE(cxctest::readFile(scratch.path("inv.svg")).find("<image x=\"20\" y=\"20\" width=\"70\" height=\"30\""), std::string::npos);
    ASSERT_EQ(figure::writeDialog(&form, &form.view, lines, {figure::Format::Pdf, 1, 300}, scratch.str("text.pdf").c_str()), "");
    const std::string cmd = "pdftotext " + scratch.str("text.pdf") + " " + scratch.str("text.txt");
    ASSERT_EQ(std::system(cmd.c_str()), 0) << "needs pdftotext (poppler-utils)";
    EXPECT_NE(cxctest::readFile(scratch.path("text.txt")).find("MLF11 Cz"), std::string::npos);
    // An unknown scale or a folder for a name writes nothing and says why.
    EXPECT_NE(figure::write(lines, {figure::Format::Png, 9, 0}, scratch.str("x.png").c_str()), "");
    EXPECT_NE(figure::write(lines, {figure::Format::Svg, 1, 0}, scratch.str("").c_str()), "");
}

class Timers : public Painting {};

TEST_F(Timers, TicksComeInTimeOrderOnePerPeriodAtLeastTenApart)
{
    EXPECT_EQ(form.SetTimer(100, 100), 100u);
    EXPECT_EQ(form.SetTimer(101, 150), 101u);
    cxc::harness::advanceTime(350);
    EXPECT_EQ(g_paints, (std::vector<std::string>{"100@100", "101@150", "100@200", "100@300", "101@300"}));
    EXPECT_EQ(cxc::harness::now(), 350);
    g_paints.clear();
    form.SetTimer(7, 0);
    cxc::harness::advanceTime(30);
    EXPECT_EQ(g_paints, (std::vector<std::string>{"7@360", "7@370", "7@380"}));
    EXPECT_EQ(form.SetTimer(0, 100), 0u);  // id 0 names no timer
}

TEST_F(Timers, PaintsComeBetweenTicksAndAHandlerMayStopOrRestartItsOwnTimer)
{
    form.ShowWindow(SW_SHOW);
    cxc::harness::pumpPaints();
    g_paints.clear();
    form.repaintOnTick = true;
    form.SetTimer(100, 100);
    cxc::harness::advanceTime(200);
    EXPECT_EQ(g_paints, (std::vector<std::string>{"100@100", "dialog", "100@200", "dialog"}));
    g_paints.clear();
    form.repaintOnTick = false;
    form.stopInTick = true;
    form.SetTimer(100, 100);
    cxc::harness::advanceTime(500);
    EXPECT_EQ(g_paints, std::vector<std::string>{"100@300"});
    g_paints.clear();
    form.stopInTick = false;
    form.restartInTick = true;
    form.SetTimer(100, 100);
    cxc::harness::advanceTime(700);  // now 1400: ticks at 800, then every 250 ms
    EXPECT_EQ(g_paints, (std::vector<std::string>{"100@800", "100@1050", "100@1300"}));
}

TEST_F(Timers, ASecondSetTimerReplacesTheFirstFireTimerDeliversNowKillTimerSaysWhetherOneRanHiddenOnesRunTillTheEnd)
{
    EXPECT_FALSE(cxc::harness::fireTimer(&form, 100));
    form.SetTimer(100, 100);
    cxc::harness::advanceTime(50);
    form.SetTimer(100, 30);
    const auto pending = cxc::harness::pendingTimers(&form);
    ASSERT_EQ(pending.size(), 1u);
    EXPECT_EQ(pending[0].periodMs, 30u);
    EXPECT_EQ(pending[0].dueMs, 80);
    cxc::harness::advanceTime(60);
    EXPECT_TRUE(cxc::harness::fireTimer(&form, 100));  // without moving the clock
    EXPECT_EQ(g_paints, (std::vector<std::string>{"100@80", "100@110", "100@110"}));
    EXPECT_TRUE(cxc::harness::timerRunning(&form, 100));
    EXPECT_TRUE(form.KillTimer(100));
    EXPECT_FALSE(form.KillTimer(101));
    form.SetTimer(101, 100);
    EXPECT_TRUE(form.KillTimer(101));
    EXPECT_FALSE(form.KillTimer(101));
    cxc::harness::advanceTime(1000);
    EXPECT_EQ(g_paints.size(), 3u);
    form.SetTimer(100, 100);  // the form is hidden: its timers run all the same, until it goes
    cxc::harness::advanceTime(100);
    EXPECT_EQ(g_paints.size(), 4u);
    form.DestroyWindow();
    cxc::harness::advanceTime(1000);
    EXPECT_EQ(g_paints.size(), 4u);
    EXPECT_FALSE(cxc::harness::fireTimer(&form, 100));
}

}  // namespace
