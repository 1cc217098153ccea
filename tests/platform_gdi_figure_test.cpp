// Figures: a view's paint recorded through its off-screen surface replays onto the paint's own pixels
// at scale 1, keeps one-pixel lines thin at scale 2, and comes out of SVG and PDF as lines and text.
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

struct Case {
    const char* name;
    Draw draw;
};

const std::vector<Case>& cases()
{
    static const std::vector<Case> all = {
        {"lines", [](CDC& dc) {
             withPen(dc, PS_SOLID, 1, RGB(200, 0, 0), [&] { dc.MoveTo(5, 5); dc.LineTo(120, 70); dc.LineTo(-30, 2000000000); });
             withPen(dc, PS_DASH, 1, RGB(0, 0, 200), [&] {
                 const POINT p[] = {{10, 90}, {60, 95}, {110, 140}};
                 dc.SetBkMode(OPAQUE);
                 dc.SetBkColor(RGB(255, 255, 0));
                 dc.Polyline(p, 3);
             });
             withPen(dc, PS_SOLID, 4, RGB(0, 150, 0), [&] { dc.MoveTo(30, 30); dc.LineTo(150, 40); });
         }},
        {"arcs and fills", [](CDC& dc) {
             withPen(dc, PS_SOLID, 1, RGB(0, 0, 0), [&] {
                 dc.Arc(10, 10, 80, 60, 80, 35, 10, 35);
                 dc.AngleArc(120, 80, 30, 0.0f, 270.0f);
                 CBrush brush(RGB(0, 120, 255));
                 CBrush* old = dc.SelectObject(&brush);
                 dc.Ellipse(60, 90, 100, 130);
                 dc.Rectangle(130, 10, 170, 40);
                 dc.SelectObject(old);
             });
             withPen(dc, PS_SOLID, 3, RGB(150, 0, 150), [&] { dc.AngleArc(40, 130, 2000000000, 10.0f, 40.0f); });
             dc.SetPixel(3, 3, RGB(1, 2, 3));
             dc.FillSolidRect(150, 100, 30, 30, RGB(10, 200, 10));
             CRect inv(20, 20, 90, 50);
             dc.InvertRect(&inv);
         }},
        {"text", [](CDC& dc) {
             withFont(dc, 0, [&] {
                 dc.SetTextColor(RGB(200, 0, 0));
                 dc.SetBkMode(OPAQUE);
                 dc.SetBkColor(RGB(220, 220, 255));
                 dc.TextOut(5, 5, CString(L"MLF11 Cz"));
             });
             withFont(dc, 900, [&] {
                 dc.SetBkMode(TRANSPARENT);
                 dc.TextOut(60, 150, CString(L"rotated"));
             });
         }},
        {"images", [](CDC& dc) {
             std::vector<std::uint32_t> bits(8 * 6);
             for (std::size_t i = 0; i < bits.size(); ++i) bits[i] = 0x00010101u * static_cast<std::uint32_t>(i * 5);
             BITMAPINFO info{};
             info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
             info.bmiHeader.biWidth = 8;
             info.bmiHeader.biHeight = 6;
             info.bmiHeader.biPlanes = 1;
             info.bmiHeader.biBitCount = 32;
             info.bmiHeader.biCompression = BI_RGB;
             StretchDIBits(dc, 10, 10, 80, -60, 0, 0, 8, 6, bits.data(), &info, DIB_RGB_COLORS, SRCCOPY);
             dc.BitBlt(100, 100, 50, 50, &dc, 10, 10, SRCINVERT);
             dc.StretchBlt(120, 10, 40, 40, &dc, 10, 10, 80, 60, SRCCOPY);
         }},
    };
    return all;
}

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
    for (const Case& c : cases()) {
        SCOPED_TRACE(c.name);
        const long gdi = cxc::gdi::liveCounts().total();
        const figure::Picture pic = paint(c.draw);
        ASSERT_FALSE(pic.isNull());
        cxctest::expectSameImage(cxctest::picture(figure::replay(pic, 1)),
                                 cxctest::picture(cxc::harness::clientSurface(&form.view)), std::string("figure-") + c.name);
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
    const figure::Picture pic = paint(cases()[0].draw);
    const figure::Picture text = paint(cases()[2].draw);
    ASSERT_EQ(figure::write(pic, {figure::Format::Svg, 1, 0}, scratch.str("lines.svg").c_str()), "");
    const std::string svg = cxctest::readFile(scratch.path("lines.svg"));
    EXPECT_NE(svg.find("stroke-dasharray"), std::string::npos);
    EXPECT_EQ(svg.find("<image"), std::string::npos);  // no raster stands in for the lines
    // An inversion has no difference blend in SVG: the inverted pixels of its rectangle stand in.
    ASSERT_EQ(figure::write(paint(cases()[1].draw), {figure::Format::Svg, 1, 0}, scratch.str("inv.svg").c_str()), "");
    EXPECT_NE(cxctest::readFile(scratch.path("inv.svg")).find("<image x=\"20\" y=\"20\" width=\"70\" height=\"30\""), std::string::npos);
    ASSERT_EQ(figure::writeDialog(&form, &form.view, text, {figure::Format::Svg, 1, 0}, scratch.str("text.svg").c_str()), "");
    EXPECT_NE(cxctest::readFile(scratch.path("text.svg")).find("MLF11 Cz</text>"), std::string::npos);
    ASSERT_EQ(figure::writeDialog(&form, &form.view, text, {figure::Format::Pdf, 1, 300}, scratch.str("text.pdf").c_str()), "");
    const std::string cmd = "pdftotext " + scratch.str("text.pdf") + " " + scratch.str("text.txt");
    ASSERT_EQ(std::system(cmd.c_str()), 0) << "needs pdftotext (poppler-utils)";
    EXPECT_NE(cxctest::readFile(scratch.path("text.txt")).find("MLF11 Cz"), std::string::npos);
    // An unknown scale or a folder for a name writes nothing and says why.
    EXPECT_NE(figure::write(pic, {figure::Format::Png, 9, 0}, scratch.str("x.png").c_str()), "");
    EXPECT_NE(figure::write(pic, {figure::Format::Svg, 1, 0}, scratch.str("").c_str()), "");
}

}  // namespace
