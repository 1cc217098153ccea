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
    // The strokes of one pen go to the platform together.
    int selected = 0;  // sign whose pen is selected
    ends_.clear();
    auto flush = [&] {
        cxc::gdi::drawSegments(*dc, ends_.data(), static_cast<int>(ends_.size() / 2));
        ends_.clear();
    };
    for (int k = 0; k < segCount; ++k) {
        const Segment& s = segments[k];
        if (s.sign != selected) {
            flush();
            CPen* pen = s.sign > 0 ? first : second;
            if (pen && pen->GetSafeHandle()) dc->SelectObject(pen);
            selected = s.sign;
        }
        ends_.push_back(POINT{px(s.x1), py(s.y1)});
        ends_.push_back(POINT{px(s.x2), py(s.y2)});
    }
    flush();
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
