// Drawing of the traced contour lines with the map views' pixel mapping.
#include "contourlines.h"

#include <cstdio>

#include "afxwin.h"
#include "cxcpixels.h"

int CContourLineMapqz::drawMap(CDC* dc, int x0, int y0, double sx, double sy, int w, int h, bool mirror, bool labels,
                               CPen* first, CPen* second)
{
    if (!dc || segCount <= 0 || !segments) return 0;
    cxc::gdi::DcStateGuard keep(*dc);
    auto px = [&](double x) {
        const int p = cxc::toCoord(x * sx + x0);
        return mirror ? cxc::toCoord(static_cast<double>(w) - p) : p;
    };
    auto py = [&](double y) { return cxc::toCoord(static_cast<double>(h) - (y * sy + y0)); };
    // Segment k's ends go to slots 2k and 2k + 1; the buffer only grows, so a tick neither
    // allocates nor clears it.
    const std::size_t slots = 2 * static_cast<std::size_t>(segCount);
    if (ends_.size() < slots) ends_.resize(slots);
    POINT* const ends = ends_.data();
    // The strokes of one pen go to the platform together.
    int selected = 0;  // sign whose pen is selected
    for (int k = 0; k < segCount;) {
        const int sign = segments[k].sign;
        int end = k + 1;
        while (end < segCount && segments[end].sign == sign) ++end;
        if (sign != selected) {
            CPen* pen = sign > 0 ? first : second;
            if (pen && pen->GetSafeHandle()) dc->SelectObject(pen);
            selected = sign;
        }
        for (int m = k; m < end; ++m) {
            const Segment& seg = segments[m];
            ends[2 * m] = POINT{px(seg.x1), py(seg.y1)};
            ends[2 * m + 1] = POINT{px(seg.x2), py(seg.y2)};
        }
        cxc::gdi::drawSegments(*dc, ends + 2 * k, end - k);
        k = end;
    }
    if (labels) {
        dc->SetBkMode(TRANSPARENT);
        int lastLevel = -1, lastSign = 0;
        for (int k = 0; k < segCount; ++k) {
            const Segment& s = segments[k];
            if (s.level == lastLevel && s.sign == lastSign) continue;
            lastLevel = s.level;
            lastSign = s.sign;
            CString text;
            text.Format(L"%g", s.sign * levelAt(s.level));
            dc->TextOut(px((s.x1 + s.x2) / 2), py((s.y1 + s.y2) / 2), text);
        }
    }
    return 1;
}
