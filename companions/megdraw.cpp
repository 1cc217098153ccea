#include "megdraw.h"

#include <cmath>
#include <cstring>

#include "medataset.h"
#include "snscohface.h"

namespace {

constexpr COLORREF kGridColour = RGB(220, 220, 220);
constexpr double kMinSpacing = 4.0;  // px between grid lines or ticks of one kind

// The right edge of what can be drawn: the rectangle's, but never beyond the DC's surface, so that
// a huge rectangle costs no more than the picture.
int visibleRight(CDC& dc, const CRect& rect)
{
    const int surface = cxc::gdi::surfaceSize(dc).cx;
    return rect.right < surface ? rect.right : surface;
}

// Offset (in samples, 0 .. step - 1) from `begin` to the first multiple of `step` at or after it.
long long firstMultipleOffset(long long begin, long long step)
{
    const long long r = begin % step;  // well defined for every begin, negative ones included
    return r == 0 ? 0 : (r > 0 ? step - r : -r);
}

// The same offset moved on by whole steps past the lines left of the surface (x < 0) when the
// rectangle starts there: a rectangle reaching far to the left must not cost a loop turn per line
// nobody sees. `px` is at least kMinSpacing / step.
long long firstVisibleOffset(long long begin, long long step, int left, double px)
{
    const long long first = firstMultipleOffset(begin, step);
    if (left >= 0) return first;
    const double hidden = std::floor(-static_cast<double>(left) / (px * static_cast<double>(step)));
    return cxc::satAdd(first, cxc::toInt64(hidden) * step);
}

}  // namespace

CMEGDraw::CMEGDraw()
{
    highlightPen.CreatePen(PS_SOLID, 2, RGB(255, 0, 0));
    wavePen.CreatePen(PS_SOLID, 1, RGB(0, 0, 0));
    baseLinePen.CreatePen(PS_SOLID, 1, RGB(128, 128, 128));
    axisPen.CreatePen(PS_SOLID, 1, RGB(0, 0, 0));
    LOGFONTW lf;
    std::memset(&lf, 0, sizeof lf);
    lf.lfHeight = 14;
    std::wcscpy(lf.lfFaceName, L"Arial");
    font.CreateFontIndirect(&lf);
}

CMEGDraw::~CMEGDraw() = default;

int CMEGDraw::setDrawMEGData(CArrayMEDataSetqz* data)
{
    dataSet = data;
    session = nullptr;
    trial = nullptr;
    return 1;
}

int CMEGDraw::updateMEGData()
{
    session = dataSet ? dataSet->getSessionData(-1) : nullptr;
    trial = session ? session->getTrialqz(-1) : nullptr;
    return session && trial ? 1 : 0;
}

int CMEGDraw::setDisplayMode(unsigned int mode)
{
    displayMode = mode;
    return 1;
}

int CMEGDraw::getOverlayType() { return overlayType; }

int CMEGDraw::setOverlayType(int type)
{
    overlayType = type < 0 ? 0 : type > 2 ? 2 : type;
    return overlayType;
}

int CMEGDraw::getDisplayColumn() { return displayColumn; }

int CMEGDraw::setDisplayColumn(int n)
{
    displayColumn = n < 1 ? 1 : n;
    return displayColumn;
}

__int64 CMEGDraw::setDrawBeginSampleIDX(__int64 sample)
{
    if (sample < 0) sample = 0;
    updateMEGData();
    CSnsCohFaceqz* face = trial ? trial->getCoherenceFaceqzTime(false) : nullptr;
    CSnsCohDataqz* data = face ? face->getCoherenceData(-1) : nullptr;
    if (data) {
        const __int64 last = data->sampleCount > 0 ? data->sampleCount - 1 : 0;
        if (sample > last) sample = last;
    }
    beginSample = sample;
    return beginSample;
}

int CMEGDraw1background::drawGridLines(CDC* dc, CRect rect)
{
    if (!dc) return 0;
    CPen grid(PS_SOLID, 1, kGridColour);
    {
        cxc::gdi::DcStateGuard keep(*dc);
        dc->SelectObject(&grid);
        const long long height = static_cast<long long>(rect.bottom) - rect.top;
        for (int k = 1; k <= 3; ++k) {
            const int y = static_cast<int>(rect.top + height * k / 4);
            dc->MoveTo(rect.left, y);
            dc->LineTo(rect.right, y);
        }
        const double spacing = 100.0 * pxPerSample;
        if (std::isfinite(spacing) && spacing >= kMinSpacing) {
            // Vertical lines at the multiples of 100, strictly between the rectangle's edges.
            const int right = visibleRight(*dc, rect);
            const long long first = firstVisibleOffset(beginSample, 100, rect.left, pxPerSample);
            for (double off = static_cast<double>(first);; off += 100.0) {
                const double x = rect.left + off * pxPerSample;
                if (!(x < right)) break;
                if (x <= rect.left) continue;
                const int xi = cxc::toCoord(x);
                dc->MoveTo(xi, rect.top);
                dc->LineTo(xi, rect.bottom);
            }
        }
    }
    return 1;
}

int CMEGDraw1background::drawMarksLine(CDC* dc, CRect rect)
{
    if (!dc) return 0;
    cxc::gdi::DcStateGuard keep(*dc);
    dc->SelectObject(&baseLinePen);
    const bool minor = std::isfinite(pxPerSample) && 10.0 * pxPerSample >= kMinSpacing;
    const bool major = std::isfinite(pxPerSample) && 100.0 * pxPerSample >= kMinSpacing;
    if (!major) return 1;
    const long long step = minor ? 10 : 100;
    const long long first = firstVisibleOffset(beginSample, step, rect.left, pxPerSample);
    const long long beginMod = ((beginSample % 100) + 100) % 100;
    const int y = rect.bottom - 1;
    const int right = visibleRight(*dc, rect);
    for (long long off = first;; off += step) {
        const double x = rect.left + static_cast<double>(off) * pxPerSample;
        if (!(x < right)) break;
        const bool hundred = (beginMod + off % 100) % 100 == 0;
        const int length = hundred ? 8 : 3;
        const int xi = cxc::toCoord(x);
        dc->MoveTo(xi, y);
        dc->LineTo(xi, y - length);
    }
    return 1;
}
