// Painting shared by the MEG and EEG leaf views. WM_PAINT checks that there is something to show
// (a drawer, a current trial with a coupling package whose current class has a pair array) and
// otherwise writes one fixed text; then the whole map is painted into the off-screen surface and
// copied to the window in one block. The surface is made at the control's size on the first paint
// and kept, with the size it was made for, until someone releases it; a control without width or
// height gets no surface and nothing is painted.
//
// Order of a paint: background, fitting of the plane, then by mode - links (when shown) and the
// corner overlay, or the waveform patches and the overlay, or the contour mode - and over them
// sensors, labels, the clicked-sensor text, the information line and, for links, the connection
// text. An exception that escapes a layer is reported as "Draw sensor error !".
#pragma once

#include "contourpaint.h"
#include "cxcpixels.h"
#include "modulebase.h"
#include "sensorcore.h"

namespace cxc::maps {

// Keeps an existing surface; otherwise makes one of the rectangle's size and records mapWidth,
// mapHeight and clientRect. 0 when there is none afterwards.
int makeSurface(SensorMapFields& v, CDC* dc, const CRect& rect);
// "Sns:..." at the bottom left: counts, samples and the value summary of the view's class.
int drawInfoLine(SensorMapFields& v, CDC* dc, const CRect& rect);
int drawClipOverlay(SensorMapFields& v, CDC* dc, int w, int h);
// "CxC Type:...; Connect:n->max" at the top right, red once the link limit was reached.
int drawConnectionText(SensorMapFields& v, CDC* dc);

template <class V>
int paintMap(V& v, CDC* dc, const CRect& rect)
{
    try {
        if (!v.checkInitTrial() || !dc) return 0;
        if (!makeSurface(v, dc, rect)) return 0;
        CDC* mem = v.memDC;
        // The contour field writes every pixel of its area, so there the background is filled
        // around it afterwards (in the colour of now). A recorded paint keeps the whole fill.
        const COLORREF back = v.backColor;
        const bool fillLater = v.mapMode == MapModeContour && v.contourType != 1 && cxc::gdi::directPixels(*mem);
        if (!fillLater) mem->FillSolidRect(0, 0, v.mapWidth, v.mapHeight, back);
        if (!v.fitSensorPlane()) {
            if (fillLater) mem->FillSolidRect(0, 0, v.mapWidth, v.mapHeight, back);
            return 0;
        }
        const int m = v.margin / 2, w = v.mapWidth, h = v.mapHeight;
        switch (v.mapMode) {
        case MapModeTopLink:
            if (v.showLink) {
                v.drawLinks(mem, m, m, w, h, v.radiology, v.chnlType);
                v.drawClipOverlay(mem, w, h);
            }
            break;
        case MapModeTopWave:
            v.drawPatches(mem, m, m, w, h, v.radiology, v.chnlType);
            v.drawClipOverlay(mem, w, h);
            break;
        case MapModeContour:
            paintContourMode(v, mem, fillLater ? &back : nullptr);
            break;
        default:
            return 1;  // another mode draws nothing more
        }
        v.drawSensors(mem, v.radiology, v.chnlType);
        v.drawSensorLabels(mem, v.radiology, v.chnlType);
        v.drawClickedText(mem);
        v.drawInfoLine(mem, v.clientRect);
        if (v.mapMode == MapModeTopLink) drawConnectionText(v, mem);
        return 1;
    } catch (...) {
        cxc::tellUser(text::kDrawSensorError);
        return 0;
    }
}

template <class V>
void onPaint(V& v)
{
    CPaintDC dc(&v);
    try {
        const bool hasDrawer = v.drawer != nullptr;
        CMDTrialqz* trial = hasDrawer && v.checkInitTrial() ? v.trial : nullptr;
        // Whatever the map painted, its surface is shown.
        paintCoupling(dc, v, v.memDC, hasDrawer, trial, true, cxc::text::kMissingData, [&](const CRect& rect) {
            v.paintMap(&dc, rect);
            return 1;
        });
    } catch (...) {
        cxc::tellUser(text::kDrawSensorError);
    }
}

}  // namespace cxc::maps
