#include "stdafx.h"

#include "megdrawccdata08operation.h"

#include "ccdatacolumns.h"
#include "ccdataroad.h"
#include "ccdatatrace.h"

using namespace cxc::drawer;

namespace {

// Sample under x pixels right of the data area's left edge: x / pxPerSample + beginSample, truncated
// and saturated; beginSample when the time scale draws no traces.
__int64 sampleAt(const CMEGDraw& d, __int64 x)
{
    if (!tracesDrawable(d.pxPerSample)) return d.beginSample;
    return cxc::toInt64(static_cast<double>(x) / d.pxPerSample + static_cast<double>(d.beginSample));
}

}  // namespace

CMEGDrawCCData08Operation::CMEGDrawCCData08Operation() = default;

CMEGDrawCCData08Operation::~CMEGDrawCCData08Operation() = default;

__int64 CMEGDrawCCData08Operation::getSampleID4Mouse(CDC*, CPoint point, CRect rect, int& kind)
{
    Road road;
    if (!updateMEGData() || !trial || !trial->getAllChannelPt()) return 0;
    if (!takeRoad(*this, cxcClass, Need::ClassData, road)) return 0;

    switch (displayMode) {
    case 0: {
        __int64 x = static_cast<__int64>(point.x) - rect.left;
        x = cxc::satSub(x, nameWidth);
        if (x < 0) x = 0;
        if (x > rect.right) x = static_cast<__int64>(rect.right) - 1;
        kind = 1;
        return sampleAt(*this, x);
    }
    case 1: {
        if (!updateMEGData()) return 0;
        const ColumnLayout g(*this, rect);
        // Time pick: strictly inside a column's data area (the edges themselves are no time pick).
        if (g.dataWidth > 0) {
            for (__int64 j = 0; j < displayColumn; ++j) {
                const __int64 right = cxc::satAdd(cxc::satAdd(g.left, cxc::satAdd(g.nameWidth, g.dataWidth)),
                                                  cxc::satMul(j, g.pitch));
                const __int64 left = cxc::satSub(right, g.dataWidth);
                if (left < point.x && point.x < right) {
                    kind = 1;
                    return sampleAt(*this, point.x - left);
                }
                // Columns further on lie further away (or all in one place): stop walking.
                if ((g.pitch > 0 && left >= point.x) || (g.pitch < 0 && right <= point.x) || g.pitch == 0) break;
            }
        }
        // Label pick: the first row whose base line lies at most a row height above the point and
        // whose column origin at most a name width left of it.
        for (__int64 k = 0; k < road.rowLength; ++k) {
            const __int64 j = g.columnOf(k);
            const __int64 y = g.baseY(g.rowOf(k));
            const __int64 x = j == 0 ? g.left : cxc::satAdd(g.colLeft(j), g.nameWidth);
            if (cxc::satSub(point.y, y) <= g.rowHeight && cxc::satSub(point.x, x) <= g.nameWidth) {
                road.data->curCol = k;
                kind = 2;
                return k;
            }
        }
        return 0;
    }
    case 2: {
        // The columns as in the column mode, one more, from rect.left; x from the name's end.
        const ColumnLayout g(*this, rect);
        if (g.dataWidth <= 0) return 0;
        const __int64 columns = static_cast<__int64>(displayColumn) + 1;
        for (__int64 j = 0; j < columns; ++j) {
            const __int64 right = cxc::satAdd(cxc::satAdd(g.left, cxc::satAdd(g.nameWidth, g.dataWidth)),
                                              cxc::satMul(j, g.pitch));
            const __int64 left = cxc::satSub(right, g.dataWidth);
            if (left < point.x && point.x < right) {
                __int64 x = cxc::satSub(point.x, cxc::satAdd(left, g.nameWidth));
                if (x < 0) x = 0;
                return sampleAt(*this, x);
            }
            if ((g.pitch > 0 && left >= point.x) || (g.pitch < 0 && right <= point.x) || g.pitch == 0) break;
        }
        return 0;
    }
    default: return 0;
    }
}
