// GDI objects and DC state: selection, live counts, refused deletes, saved states, dead DCs, PNG output.
#include <gtest/gtest.h>

#include <cwchar>

#include "cxcpixels.h"
#include "gdi_canvas.h"
#include "support.h"

namespace {

using namespace testgdi;
using cxc::gdi::liveCounts;

TEST(Objects, AMemoryDcStartsWithAOnePixelBitmapAndTheDefaultStateLogPensReadBackCreationRefusesWhatCannotBeDrawn)
{
    CDC dc;
    ASSERT_TRUE(dc.CreateCompatibleDC(nullptr));
    EXPECT_EQ(cxc::gdi::surfaceSize(dc), CSize(1, 1));
    EXPECT_EQ(dc.GetTextColor(), kBlack);
    EXPECT_EQ(dc.GetBkColor(), kWhite);
    EXPECT_EQ(dc.GetBkMode(), OPAQUE);
    EXPECT_EQ(dc.GetTextExtent(CString(L"x")).cy, 16);
    EXPECT_FALSE(dc.CreateCompatibleDC(nullptr));  // already made
    CPen yellow(PS_DASH, 1, RGB(255, 255, 0));
    LOGPEN lp{};
    EXPECT_EQ(yellow.GetObject(sizeof(LOGPEN), &lp), static_cast<int>(sizeof(LOGPEN)));
    EXPECT_EQ(lp.lopnStyle, static_cast<UINT>(PS_DASH));
    lp.lopnColor = kRed;
    CPen copy;
    ASSERT_TRUE(copy.CreatePenIndirect(&lp));
    LOGPEN back{};
    copy.GetLogPen(&back);
    EXPECT_EQ(back.lopnStyle, static_cast<UINT>(PS_DASH));
    EXPECT_EQ(back.lopnWidth.x, 1);
    EXPECT_EQ(back.lopnColor, kRed);
    EXPECT_FALSE(copy.CreatePen(PS_SOLID, 1, kRed));  // already made
    CPen bad;
    EXPECT_FALSE(bad.CreatePen(42, 1, kRed));

    CBitmap b;
    for (auto [w, h] : {std::pair{0, 5}, {5, -1}, {1 << 20, 1 << 20}})
        EXPECT_FALSE(b.CreateCompatibleBitmap(nullptr, w, h)) << w << "x" << h;
    EXPECT_TRUE(b.CreateCompatibleBitmap(nullptr, 3, 2));
    EXPECT_EQ(cxc::gdi::bitmapPixel(b, 2, 1), kBlack);  // new bitmaps are black
    CFont f;
    EXPECT_FALSE(f.CreateFont(100000, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, L"Arial"));
    EXPECT_FALSE(f.CreateFontIndirect(nullptr));
}

TEST(LiveCounts, EveryObjectAndDcIsCountedUntilItGoesADeleteIsRefusedWhileSelectedOrKeptByASavedState)
{
    const auto before = liveCounts();
    {
        Canvas c(4, 4);
        CPen pen(PS_SOLID, 2, kRed);
        CFont font;
        font.CreateFont(-12, 0, 0, 0, FW_NORMAL, 0, 0, 0, 0, 0, 0, 0, 0, L"Arial");
        CBrush brush(kRed);
        const auto d = liveCounts();
        for (long grew : {d.pens - before.pens, d.fonts - before.fonts, d.bitmaps - before.bitmaps,
                          d.brushes - before.brushes, d.dcs - before.dcs})
            EXPECT_EQ(grew, 1);
    }
    const auto after = liveCounts();
    EXPECT_EQ(after.total(), before.total());
    EXPECT_EQ(after.refusedDeletes, before.refusedDeletes);
    Canvas c(4, 4);
    const auto start = liveCounts();
    CPen pen(PS_SOLID, 1, kRed);
    CPen* old = c.dc.SelectObject(&pen);
    EXPECT_FALSE(pen.DeleteObject());
    EXPECT_EQ(liveCounts().refusedDeletes, start.refusedDeletes + 1);
    EXPECT_NE(pen.GetSafeHandle(), nullptr);
    c.line(0, 0, 4, 0);
    EXPECT_EQ(c.row(0, kRed), "####");
    c.dc.SelectObject(old);
    EXPECT_TRUE(pen.DeleteObject());
    EXPECT_EQ(pen.GetSafeHandle(), nullptr);
    EXPECT_EQ(liveCounts().pens, start.pens);
    EXPECT_FALSE(pen.DeleteObject());

    // An owner destroyed while its object is selected: the object lives on in the DC, still drawing.
    {
        CPen gone(PS_SOLID, 1, kRed);
        old = c.dc.SelectObject(&gone);
    }
    EXPECT_EQ(liveCounts().refusedDeletes, start.refusedDeletes + 2);
    EXPECT_EQ(liveCounts().pens, start.pens + 1);
    c.line(0, 1, 4, 1);
    EXPECT_EQ(c.row(1, kRed), "####");
    c.dc.SelectObject(old);
    EXPECT_EQ(liveCounts().pens, start.pens);

    // A bitmap deleted before its DC leaves the DC drawing safely.
    {
        CDC dc;
        dc.CreateCompatibleDC(nullptr);
        auto* bitmap = new CBitmap;
        bitmap->CreateCompatibleBitmap(&dc, 8, 8);
        dc.SelectObject(bitmap);
        delete bitmap;  // refused: it is selected
        dc.MoveTo(0, 0);
        EXPECT_TRUE(dc.LineTo(8, 8));
        EXPECT_EQ(cxc::gdi::pixel(dc, 3, 3), kBlack);
        EXPECT_EQ(cxc::gdi::surfaceSize(dc), CSize(8, 8));
    }
    EXPECT_EQ(liveCounts().refusedDeletes, start.refusedDeletes + 3);
    EXPECT_EQ(liveCounts().total(), start.total());
    // A pen kept by a saved state is still in use.
    Canvas sc(6, 2);
    CPen blue(PS_SOLID, 1, RGB(0, 0, 255));
    CPen* kept = sc.dc.SelectObject(&blue);
    const int saved = sc.dc.SaveDC();
    sc.dc.SelectObject(kept);
    EXPECT_FALSE(blue.DeleteObject());
    EXPECT_TRUE(sc.dc.RestoreDC(saved));
    sc.dc.SelectObject(kept);
    EXPECT_TRUE(blue.DeleteObject());
}

TEST(SelectObject, DrawingFollowsTheSelectedBitmap)
{
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    CBitmap first, second;
    first.CreateCompatibleBitmap(&dc, 4, 2);
    second.CreateCompatibleBitmap(&dc, 4, 2);
    CBitmap* placeholder = dc.SelectObject(&first);
    dc.FillSolidRect(0, 0, 4, 2, kWhite);
    dc.MoveTo(0, 0);
    dc.LineTo(4, 0);
    dc.SetBkMode(TRANSPARENT);
    dc.TextOut(40, 0, CString(L"x"));  // a painter visits the picture between the lines
    EXPECT_EQ(dc.SelectObject(&second), &first);
    dc.FillSolidRect(0, 0, 4, 2, kWhite);
    dc.MoveTo(0, 1);
    dc.LineTo(4, 1);
    dc.SelectObject(placeholder);
    EXPECT_EQ(cxc::gdi::bitmapPixel(first, 2, 0), kBlack);
    EXPECT_EQ(cxc::gdi::bitmapPixel(first, 2, 1), kWhite);
    EXPECT_EQ(cxc::gdi::bitmapPixel(second, 2, 0), kWhite);
    EXPECT_EQ(cxc::gdi::bitmapPixel(second, 2, 1), kBlack);

    // A bitmap lives in one memory DC at a time.
    dc.SelectObject(&first);
    CDC other;
    other.CreateCompatibleDC(nullptr);
    EXPECT_EQ(other.SelectObject(&first), nullptr);
    EXPECT_EQ(cxc::gdi::surfaceSize(other), CSize(1, 1));
    CBitmap none;
    EXPECT_EQ(other.SelectObject(&none), nullptr);
    dc.SelectObject(placeholder);
}

TEST(DeadDc, EveryCallIsAHarmlessRefusalStaleHandlesFindNothingAndOnlyALiveSurfaceIsWrittenAsPng)
{
    CDC never;
    EXPECT_FALSE(never.LineTo(5, 5));
    EXPECT_FALSE(never.TextOut(0, 0, CString(L"x")));
    EXPECT_FALSE(never.AngleArc(5, 5, 3, 0.0f, 360.0f));
    EXPECT_FALSE(cxc::gdi::drawSegments(never, nullptr, 0));
    EXPECT_FALSE(never.Ellipse(0, 0, 4, 4));
    EXPECT_EQ(never.GetPixel(0, 0), CLR_INVALID);
    EXPECT_EQ(never.SetTextColor(kRed), CLR_INVALID);
    EXPECT_EQ(never.SelectObject(static_cast<CPen*>(nullptr)), nullptr);
    EXPECT_EQ(never.GetTextExtent(CString(L"abc")), CSize());
    EXPECT_FALSE(never.DeleteDC());
    EXPECT_FALSE(never.AttachSurface(nullptr));
    never.FillSolidRect(0, 0, 5, 5, kRed);
    const CRect r(0, 0, 2, 2);
    never.InvertRect(&r);
    EXPECT_EQ(cxc::gdi::surfaceSize(never), CSize());

    CDC deleted;
    deleted.CreateCompatibleDC(nullptr);
    const HDC stale = deleted.m_hDC;
    EXPECT_TRUE(deleted.DeleteDC());
    EXPECT_EQ(deleted.m_hDC, nullptr);
    EXPECT_FALSE(deleted.LineTo(1, 1));
    EXPECT_EQ(CDC::FromHandle(stale), nullptr);  // a stale handle finds nothing, the live one its owner
    SIZE s{};
    EXPECT_FALSE(GetTextExtentPoint32W(stale, L"x", 1, &s));
    Canvas c(2, 2);
    EXPECT_EQ(CDC::FromHandle(c.dc.m_hDC), &c.dc);
    EXPECT_FALSE(cxc::gdi::drawSegments(c.dc, nullptr, 1));  // pairs promised but none given
    EXPECT_TRUE(cxc::gdi::drawSegments(c.dc, nullptr, 0));
    cxctest::Scratch scratch;
    Canvas pc(13, 7);
    pc.line(0, 0, 13, 7);
    ASSERT_TRUE(cxc::gdi::writePng(pc.dc, scratch.str("dc.png").c_str()));
    cxctest::expectSameImage(cxctest::readPicture(scratch.path("dc.png")), cxctest::picture(pc.dc, 13, 7), "png");

    CDC none;
    EXPECT_FALSE(cxc::gdi::writePng(none, scratch.str("never.png").c_str()));
    for (const char* path : {"/nonexistent-dir/x.png", "", static_cast<const char*>(nullptr)})
        EXPECT_FALSE(cxc::gdi::writePng(pc.dc, path)) << (path ? path : "null");
    EXPECT_EQ(cxc::gdi::pixel(pc.dc, 50, 50), 0u);
}

}  // namespace
