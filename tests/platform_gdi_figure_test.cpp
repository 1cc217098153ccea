// Figures: a view's recorded paint replays onto its own pixels, stays thin at scale 2, and is vector SVG/PDF.
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "cxcfigure.h"
#include "support.h"
#include "wnd_fixture.h"

namespace {

namespace figure = cxc::figure;
using Draw = std::function<void(CDC&)>;

// Paints as the module's views do: into a memory DC at the client size, then one block to the window.
class FigureView : public CStatic {
public:
    Draw draw;

protected:
    afx_msg void OnPaint()
    {
        CPaintDC dc(this);
        CRect rect;
        GetClientRect(&rect);
        CDC mem;
        CBitmap bitmap;
        mem.CreateCompatibleDC(&dc);
        bitmap.CreateCompatibleBitmap(&dc, rect.Width(), rect.Height());
        CBitmap* old = mem.SelectObject(&bitmap);
        mem.FillSolidRect(&rect, RGB(255, 255, 255));
        if (draw) draw(mem);
        dc.BitBlt(0, 0, rect.Width(), rect.Height(), &mem, 0, 0, SRCCOPY);
        mem.SelectObject(old);
    }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(FigureView, CStatic)
    ON_WM_PAINT()
END_MESSAGE_MAP()

class FigureForm : public CDialogEx {
public:
    FigureView view;
    void DoDataExchange(CDataExchange* dx) override { DDX_Control(dx, IDC_MAP_VIEW, view); }
};

void withPen(CDC& dc, int style, int width, COLORREF c, const std::function<void()>& f)
{
    CPen pen(style, width, c);
    CPen* old = dc.SelectObject(&pen);
    f();
    dc.SelectObject(old);
}

void withFont(CDC& dc, int escapement, const std::function<void()>& f)
{
    CFont font;
    font.CreateFont(-14, 0, escapement, 0, FW_NORMAL, 0, 0, 0, 0, 0, 0, 0, 0, L"Arial");
    CFont* old = dc.SelectObject(&font);
    f();
    dc.SelectObject(old);
}

// What the module's views draw: lines plain, dashed and wide, sensor circles, upright and turned
// text; fills, an inverted band and a bottom-up DIB.
const Draw kLines = [](CDC& dc) {
    withPen(dc, PS_SOLID, 1, RGB(200, 0, 0), [&] { dc.MoveTo(5, 5); dc.LineTo(120, 70); dc.LineTo(-30, 2000000000); });
    withPen(dc, PS_DASH, 1, RGB(0, 0, 200), [&] { dc.MoveTo(10, 90); dc.LineTo(60, 95); dc.LineTo(110, 140); });
    withPen(dc, PS_SOLID, 4, RGB(0, 150, 0), [&] { dc.MoveTo(30, 30); dc.LineTo(150, 40); });
    withPen(dc, PS_SOLID, 1, RGB(0, 0, 0), [&] { dc.MoveTo(150, 80); dc.AngleArc(120, 80, 30, 0.0f, 360.0f); });
    withFont(dc, 0, [&] {
        dc.SetTextColor(RGB(200, 0, 0));
        dc.SetBkColor(RGB(220, 220, 255));
        dc.TextOut(5, 5, CString(L"MLF11 Cz"));
    });
    withFont(dc, 900, [&] {
        dc.SetBkMode(TRANSPARENT);
        dc.TextOut(60, 150, CString(L"rotated"));
    });
};
const Draw kFills = [](CDC& dc) {
    std::vector<std::uint32_t> bits(8 * 6);
    for (std::size_t i = 0; i < bits.size(); ++i) bits[i] = 0x00010101u * static_cast<std::uint32_t>(i * 5);
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), 8, 6, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    dc.SetStretchBltMode(COLORONCOLOR);
    StretchDIBits(dc, 10, 10, 80, 60, 0, 0, 8, 6, bits.data(), &info, DIB_RGB_COLORS, SRCCOPY);
    dc.FillSolidRect(150, 100, 30, 30, RGB(10, 200, 10));
    CRect inv(20, 20, 90, 50);
    dc.InvertRect(&inv);
};

class Figures : public wndtest::WndTest {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(form.Create(IDD_MEG_TOPWAVE_2DMAP));
        form.ShowWindow(SW_SHOW);
    }
    figure::Picture paint(const Draw& draw)
    {
        form.view.draw = draw;
        cxc::harness::pumpPaints();
        return figure::recordPaint(&form.view);
    }
    FigureForm form;
};

TEST_F(Figures, ScaleOneReplaysThePaintPixelForPixelAndLeaksNothing)
{
    for (const auto& [name, draw] : {std::pair{"lines", kLines}, {"fills", kFills}}) {
        SCOPED_TRACE(name);
        const long gdi = cxc::gdi::liveCounts().total();
        const figure::Picture pic = paint(draw);
        ASSERT_FALSE(pic.isNull());
        cxctest::expectSameImage(cxctest::picture(figure::replay(pic, 1)),
                                 cxctest::picture(cxc::harness::clientSurface(&form.view)), std::string("figure-") + name);
        const cxc::harness::Image twice = figure::replay(pic, 2);
        EXPECT_EQ(twice.width(), 2 * pic.width());
        EXPECT_EQ(twice.height(), 2 * pic.height());
        EXPECT_EQ(cxc::gdi::liveCounts().total(), gdi);
    }
}

TEST_F(Figures, ScaleTwoKeepsOnePixelLinesThin)
{
    const figure::Picture pic = paint([](CDC& dc) {
        withPen(dc, PS_SOLID, 1, RGB(255, 0, 0), [&] { dc.MoveTo(10, 20); dc.LineTo(100, 20); dc.MoveTo(30, 40); dc.LineTo(30, 90); });
    });
    const cxctest::Picture img = cxctest::picture(figure::replay(pic, 2));
    EXPECT_EQ(cxctest::count(img, RGB(255, 0, 0), 20, 40, 200, 41), 180);  // twice as long...
    EXPECT_EQ(cxctest::count(img, RGB(255, 0, 0), 20, 39, 200, 40), 0);    // ...and one pixel thin
    EXPECT_EQ(cxctest::count(img, RGB(255, 0, 0), 20, 41, 200, 42), 0);
    EXPECT_EQ(cxctest::count(img, RGB(255, 0, 0), 59, 80, 62, 180), 100);
}

TEST_F(Figures, SvgAndPdfKeepTextAsTextAndLinesAsLines)
{
    cxctest::Scratch scratch;
    const figure::Picture pic = paint(kLines);
    ASSERT_EQ(figure::write(pic, {figure::Format::Svg, 1, 0}, scratch.str("lines.svg").c_str()), "");
    const std::string svg = cxctest::readFile(scratch.path("lines.svg"));
    EXPECT_NE(svg.find("stroke-dasharray"), std::string::npos);
    EXPECT_EQ(svg.find("<image"), std::string::npos);  // no raster stands in for the lines
    EXPECT_NE(svg.find("MLF11 Cz</text>"), std::string::npos);
    // An inversion has no difference blend in SVG: the inverted pixels of its rectangle stand in.
    ASSERT_EQ(figure::write(paint(kFills), {figure::Format::Svg, 1, 0}, scratch.str("inv.svg").c_str()), "");
    EXPECT_NE(cxctest::readFile(scratch.path("inv.svg")).find("<image x=\"20\" y=\"20\" width=\"70\" height=\"30\""), std::string::npos);
    ASSERT_EQ(figure::writeDialog(&form, &form.view, pic, {figure::Format::Pdf, 1, 300}, scratch.str("text.pdf").c_str()), "");
    const std::string cmd = "pdftotext " + scratch.str("text.pdf") + " " + scratch.str("text.txt");
    ASSERT_EQ(std::system(cmd.c_str()), 0) << "needs pdftotext (poppler-utils)";
    EXPECT_NE(cxctest::readFile(scratch.path("text.txt")).find("MLF11 Cz"), std::string::npos);
    // An unknown scale or a folder for a name writes nothing and says why.
    EXPECT_NE(figure::write(pic, {figure::Format::Png, 9, 0}, scratch.str("x.png").c_str()), "");
    EXPECT_NE(figure::write(pic, {figure::Format::Svg, 1, 0}, scratch.str("").c_str()), "");
}

}  // namespace
