// Figures: a recorded paint stays thin at scale 2 and comes out of SVG and PDF as lines and text.
#include <cstdlib>
#include <functional>
#include <string>

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
    const figure::Picture inverted = paint([](CDC& dc) {
        const CRect band(20, 20, 90, 50);
        dc.InvertRect(&band);
    });
    ASSERT_EQ(figure::write(inverted, {figure::Format::Svg, 1, 0}, scratch.str("inv.svg").c_str()), "");
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
