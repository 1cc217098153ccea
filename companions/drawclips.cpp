#include "drawclips.h"

#include <algorithm>

CDrawClipsqz::CDrawClipsqz() = default;

CDrawClipsqz::~CDrawClipsqz() { release(); }

void CDrawClipsqz::release()
{
    // The bitmap leaves the DC before either is destroyed; GDI refuses to delete a selected bitmap.
    if (memDC_ && previous_) memDC_->SelectObject(previous_);
    delete memDC_;
    delete bitmap_;
    memDC_ = nullptr;
    bitmap_ = nullptr;
    previous_ = nullptr;
    width_ = height_ = 0;
}

int CDrawClipsqz::initDcMemor(int w, int h, CDC* dc, DWORD bk, DWORD fg)
{
    if (!dc || w < 1 || h < 1) return 0;
    if (memDC_ && (w != width_ || h != height_)) release();
    if (!memDC_) {
        auto* mem = new CDC;
        auto* bmp = new CBitmap;
        if (!mem->CreateCompatibleDC(dc) || !bmp->CreateCompatibleBitmap(dc, w, h)) {
            delete mem;
            delete bmp;
            return 0;
        }
        memDC_ = mem;
        bitmap_ = bmp;
        previous_ = memDC_->SelectObject(bitmap_);
        width_ = w;
        height_ = h;
    }
    // Nothing is filled here: transparentClip clears the only squares it copies.
    bk_ = bk;
    fg_ = fg;
    return 1;
}

int CDrawClipsqz::transparentClip(int x1, int y1, int x2, int y2, CDC* dc)
{
    if (!memDC_ || !dc) return 0;
    // Callers give the corners in either vertical order.
    const long long l = std::min(x1, x2), r = std::max(x1, x2), t = std::min(y1, y2), b = std::max(y1, y2);
    if (l == r || t == b) return 0;
    const int arm = static_cast<int>(std::clamp<long long>(std::min(r - l, b - t) / 8, 4, 24));
    // Only the framed area is copied, clipped to the picture; and of it only the four corner squares
    // that hold the marks, since everything else is background and would be left out anyway. Those
    // squares alone are cleared, all four before any mark, as they may overlap.
    const long long cl = std::max<long long>(l, 0), ct = std::max<long long>(t, 0);
    const long long cr = std::min<long long>(r + 1, width_), cb = std::min<long long>(b + 1, height_);
    const long long a = arm;
    const long long squares[4][2] = {{l, t}, {r - a + 1, t}, {l, b - a + 1}, {r - a + 1, b - a + 1}};
    CRect copied[4];
    int count = 0;
    for (const auto& q : squares) {
        const long long x0 = std::max(q[0], cl), y0 = std::max(q[1], ct);
        const long long x1 = std::min(q[0] + a, cr), y1 = std::min(q[1] + a, cb);
        if (x0 >= x1 || y0 >= y1) continue;
        copied[count++] = CRect(static_cast<int>(x0), static_cast<int>(y0), static_cast<int>(x1), static_cast<int>(y1));
    }
    for (int k = 0; k < count; ++k) memDC_->FillSolidRect(&copied[k], bk_);
    {
        CPen pen(PS_SOLID, 1, fg_);
        cxc::gdi::DcStateGuard keep(*memDC_);
        memDC_->SelectObject(&pen);
        const int L = static_cast<int>(l), R = static_cast<int>(r), T = static_cast<int>(t), B = static_cast<int>(b);
        // LineTo leaves out its end point, so each arm lights exactly `arm` pixels from its corner.
        const int corners[4][4] = {{L, T, 1, 1}, {R, T, -1, 1}, {L, B, 1, -1}, {R, B, -1, -1}};
        for (const auto& c : corners) {
            memDC_->MoveTo(c[0], c[1]);
            memDC_->LineTo(c[0] + c[2] * arm, c[1]);
            memDC_->MoveTo(c[0], c[1]);
            memDC_->LineTo(c[0], c[1] + c[3] * arm);
        }
    }
    for (int k = 0; k < count; ++k) {
        const CRect& q = copied[k];
        TransparentBlt(dc->GetSafeHdc(), q.left, q.top, q.Width(), q.Height(), memDC_->GetSafeHdc(), q.left, q.top,
                       q.Width(), q.Height(), bk_);
    }
    return 1;
}
