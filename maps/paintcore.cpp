#include "stdafx.h"

#include "paintcore.h"

#include "cxcsurface.h"

namespace cxc::maps {

int makeSurface(SensorMapFields& v, CDC* dc, const CRect& rect)
{
    if (v.memBitmap && v.memDC) return 1;
    // A control without width or height has nothing to show: no surface of size 0 is made.
    if (!cxc::gdi::makeSurface(v.memBitmap, v.memDC, dc, rect)) return 0;
    v.mapWidth = rect.Width();  // both fit an int, or there would be no surface
    v.mapHeight = rect.Height();
    v.clientRect = rect;
    return 1;
}

int drawInfoLine(SensorMapFields& v, CDC* dc, const CRect& rect)
{
    if (!v.showInfo || !dc) return 0;
    if (!checkInitTrial(v) || !v.trial) return 0;
    CSnsCohDataqz* data = classDataOf(v.trial, v.cxcClass);
    if (!data) return 0;
    data->ensureDataRange();
    CString text;
    text.Format(L"Sns:%I64dx%I64d Tim%I64d Min:%0.3f Mea:%0.3f Max:%0.3f)", data->rowCount, data->colCount,
                data->sampleCount, data->valueMin, data->valueMean, data->valueMax);
    cxc::gdi::DcStateGuard keep(*dc);
    dc->SetBkMode(TRANSPARENT);
    dc->SetTextColor(v.textColor);
    if (v.textFont) dc->SelectObject(v.textFont);
    const CSize size = dc->GetTextExtent(text);
    dc->TextOut(0, static_cast<int>(cxc::satSub(static_cast<__int64>(rect.bottom) - rect.top, size.cy)), text);
    return 1;
}

int drawClipOverlay(SensorMapFields& v, CDC* dc, int w, int h)
{
    if (!dc) return 0;
    const int q = v.margin / 4;
    if (!v.clips.initDcMemor(w, h, dc, v.backColor, v.sensorColor)) return 0;
    return v.clips.transparentClip(q, h - q, w - q, q, dc);
}

int drawConnectionText(SensorMapFields& v, CDC* dc)
{
    if (!v.showInfo || !dc || !v.trial) return 0;
    CSnsCohDataqz* data = classDataOf(v.trial, v.cxcClass);
    if (!data) return 0;
    CString text;
    text.Format(L"CxC Type:%s; Connect:%I64d->%I64d", data->getCxcCmptInfo().GetString(), v.linkCount, v.maxLink);
    cxc::gdi::DcStateGuard keep(*dc);
    dc->SetBkMode(TRANSPARENT);
    if (v.textFont) dc->SelectObject(v.textFont);
    // Red once the limit was reached: there may be more links than are shown.
    dc->SetTextColor(v.linkCount >= v.maxLink ? RGB(255, 0, 0) : v.textColor);
    const CSize size = dc->GetTextExtent(text);
    dc->TextOut(v.clientRect.right - size.cx, 0, text);
    return 1;
}
}  // namespace cxc::maps
