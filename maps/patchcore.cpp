#include "stdafx.h"

#include "patchcore.h"

#include <algorithm>
#include <cmath>

namespace cxc::maps {

namespace {

// One curve: a move to the first finite point, then lines; a NaN point breaks the curve.
void drawCurve(CDC& dc, const double* s, __int64 b, __int64 e, double px, double py, double timeScale,
               double ampScale)
{
    bool pendingMove = true;
    for (__int64 t = b; t <= e; ++t) {
        const double x = t == b ? px : std::trunc(px + static_cast<double>(t - b) * timeScale);
        const double y = std::trunc(py - s[t] * ampScale);
        if (std::isnan(x) || std::isnan(y)) {
            pendingMove = true;
            continue;
        }
        if (pendingMove) dc.MoveTo(toCoord(x), toCoord(y));
        else dc.LineTo(toCoord(x), toCoord(y));
        pendingMove = false;
    }
}

}  // namespace

int drawPatches(SensorMapFields& v, CDC* dc, int x0, int y0, int w, int h, int mirror, int type)
{
    CPen pen(PS_SOLID, 1, v.sensorColor);
    CPen selectedPen(PS_SOLID, 1, v.selectColor);
    try {
        CouplingRefs refs;
        if (!checkInitTrial(v) || !fetchCoupling(v.trial, v.cxcClass, refs) || !dc) return 0;
        CWavChnlChnlDataqz* row = refs.currentRow();
        if (!row) return 0;
        if (type != ChnlTypeMeg && type != ChnlTypeEeg) {
            cxc::tellUser(text::kChannelTypeError);
            return 0;
        }
        const CSnsCohDataqz& data = *refs.data;
        const __int64 selected = data.curCol;
        const __int64 b = std::max<__int64>(data.selectBegin, 0);
        const __int64 e = std::min<__int64>(data.selectEnd, satSub(data.sampleCount, 1));
        if (e < b) return 0;  // nothing to draw, and s[b] would lie past the series
        cxc::gdi::DcStateGuard keep(*dc);
        dc->SelectObject(&pen);
        // Half the curve's width, so that it is centred on its sensor.
        const double half = toCoord(std::trunc(static_cast<double>(e - b) * v.timeScale * 0.5));
        const __int64 n = refs.walkLength();
        for (__int64 j = 0; j < n; ++j) {
            CMDChannelqz* ch = refs.channel(row[j].colChnl);
            if (!ch || !isMeasureChannel(*ch, type)) continue;
            double x = 0.0, y = 0.0;
            planePosition(*ch, type, x, y);
            double px = std::trunc(x * v.scaleX + x0 - half);
            const double py0 = std::trunc(h - (y * v.scaleY + y0));
            if (mirror) px = w - 2.0 * half - px;  // the mirrored curve stays centred on its sensor
            if (std::isnan(px) || std::isnan(py0)) continue;
            const double ox = clampToInt(px, 0, std::max(0, w - 1));
            const double oy = clampToInt(py0, 0, std::max(0, h - 1));
            const double* s = row[j].series;
            if (!s) continue;
            if (j == selected) dc->SelectObject(&selectedPen);
            drawCurve(*dc, s, b, e, ox, oy, v.timeScale, v.ampScale);
            if (j == selected) dc->SelectObject(&pen);
        }
        return 1;
    } catch (...) {
        cxc::tellUser(text::kDrawSensorError);
        return 1;
    }
}

}  // namespace cxc::maps
