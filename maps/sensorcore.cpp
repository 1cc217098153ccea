#include "stdafx.h"

#include "sensorcore.h"

#include <algorithm>
#include <cfloat>
#include <cmath>

namespace cxc::maps {

// ---- the coupling chain ----------------------------------------------------------------------

bool fetchCoupling(CMDTrialqz* trial, int cxcClass, CouplingRefs& refs)
{
    if (!trial) return false;
    refs.channelCount = trial->getTotalChannel();
    refs.channels = trial->getAllChannelPt();
    return takeRoad(trial, cxcClass, refs);
}

// ---- plane and pixels ---------------------------------------------------------------------------

int isMeasureChannel(CMDChannelqz& channel, int type)
{
    return type == ChnlTypeMeg ? channel.isMEGMeasureChannel() : channel.isEEGMeasureChannel();
}

void planePosition(const CMDChannelqz& channel, int type, double& x, double& y)
{
    x = type == ChnlTypeMeg ? channel.megX2d : channel.eegX2d;
    y = type == ChnlTypeMeg ? channel.megY2d : channel.eegY2d;
}

bool PlaneToPixel::operator()(double x, double y, int& px, int& py) const
{
    double fx = std::trunc(x * sx + x0);
    const double fy = std::trunc(h - (y * sy + y0));
    if (std::isnan(fx) || std::isnan(fy)) return false;
    if (mirror) fx = w - fx;
    // An empty surface still gives a range: 0 .. 0.
    px = clampToInt(fx, 0, std::max(0, w - 1));
    py = clampToInt(fy, 0, std::max(0, h - 1));
    return true;
}

PlaneToPixel viewMapping(const SensorMapFields& v, int mirror)
{
    PlaneToPixel m;
    m.sx = v.scaleX;
    m.sy = v.scaleY;
    m.x0 = m.y0 = v.margin / 2;
    m.w = v.mapWidth;
    m.h = v.mapHeight;
    m.mirror = mirror != 0;
    return m;
}

// ---- labels ---------------------------------------------------------------------------------------

CString sensorLabel(const CString& name) { return name.Right(4); }

COLORREF labelColor(const CString& label)
{
    // Rows: region C, F, O, P, any other; columns: hemisphere L, R, other.
    static const COLORREF table[5][3] = {
        {RGB(0, 255, 153), RGB(255, 153, 0), RGB(0, 153, 255)},
        {RGB(125, 0, 122), RGB(125, 255, 204), RGB(0, 204, 255)},
        {RGB(0, 200, 255), RGB(255, 125, 51), RGB(51, 125, 255)},
        {RGB(255, 255, 0), RGB(255, 102, 102), RGB(102, 102, 255)},
        {RGB(0, 255, 0), RGB(255, 0, 0), RGB(0, 0, 255)},
    };
    // A missing character reads as 0, which is "other".
    const wchar_t region = label.GetAt(1), side = label.GetAt(0);
    const int r = region == L'C' ? 0 : region == L'F' ? 1 : region == L'O' ? 2 : region == L'P' ? 3 : 4;
    const int c = side == L'L' ? 0 : side == L'R' ? 1 : 2;
    return table[r][c];
}

// ---- finding the trial and making the plane -----------------------------------------------------

int checkInitTrial(SensorMapFields& v)
{
    // Without a data set nothing of an earlier one may be kept: the host may have freed it.
    if (!v.dataSet) {
        v.session = nullptr;
        v.trial = nullptr;
        return 0;
    }
    v.session = v.dataSet->getSessionData(-1);
    if (!v.session) {
        v.trial = nullptr;
        return 0;
    }
    v.trial = v.session->getTrialqz(-1);
    if (!v.trial) return 0;
    projectSensors2D(v, v.chnlType);
    return 1;
}

int projectSensors2D(SensorMapFields& v, int type)
{
    if (type != ChnlTypeMeg && type != ChnlTypeEeg) {
        cxc::tellUser(text::kChannelTypeError);
        return 0;
    }
    CMDTrialqz* t = v.trial;
    if (!t) return 0;
    const bool meg = type == ChnlTypeMeg;
    if (meg ? t->isMegSnsr2dPlaneDone() : t->isEegElectrod2dPlaneDone()) return 1;
    if (v.useStdProjection) {
        if (meg) t->projectMegMeasureSns3Dto2Dstd(v.projScale, true);
        else t->projectEegMeasureElectrode3Dto2Dstd(v.projScale, true);
        return 1;
    }
    if (!v.session) return 0;
    int made = 0;
    if (meg) {
        t->getMeasureMegCoilADimension();
        made = t->projectMegMeasureSns3Dto2Dpro(v.session->projParamCount, v.session->projParamList);
        if (made) t->scanMegMeasureSns2Dsz(static_cast<double>(v.scanSize));
    } else {
        t->getMeasureEegElctDimension();
        made = t->projectEegMeasureSns3Dto2Dpro(v.session->projParamCount, v.session->projParamList);
        if (made) t->scanEegMeasureSns2Dsz(static_cast<double>(v.scanSize));
    }
    return 1;
}

int collectSnsrLoc2D(SensorMapFields& v, int type)
{
    if (!checkInitTrial(v)) return 0;
    if (!v.trial) {
        cxc::tellUser(text::kNoMegData);
        return 0;
    }
    if (type != ChnlTypeMeg && type != ChnlTypeEeg) {
        cxc::tellUser(text::kChannelTypeError);
        return 0;
    }
    projectSensors2D(v, type);
    const int n = v.trial->getTotalChannel();
    SnsrLocIndx* table = v.grid.checkInitSnsrLoc2D(n);
    if (!table) return 0;
    CMDChannelqz** channels = v.trial->getAllChannelPt();
    if (!channels) return 0;
    int count = 0;
    double xMin = DBL_MAX, xMax = DBL_MIN, yMin = DBL_MAX, yMax = DBL_MIN;
    for (int k = 0; k < n; ++k) {
        CMDChannelqz* ch = channels[k];
        if (!ch || !v.session->isGoodChnl4Alltrials(k)) continue;
        if (!isMeasureChannel(*ch, type)) continue;
        double x = 0.0, y = 0.0;
        planePosition(*ch, type, x, y);
        table[count] = SnsrLocIndx{x, y, k, 0};
        if (count == 0) {
            xMin = xMax = x;
            yMin = yMax = y;
        } else {
            xMin = std::min(xMin, x);
            xMax = std::max(xMax, x);
            yMin = std::min(yMin, y);
            yMax = std::max(yMax, y);
        }
        ++count;
    }
    v.grid.snsrCount = count;
    v.grid.snsrLoc = table;
    v.grid.xMin = xMin;
    v.grid.xMax = xMax;
    v.grid.yMin = yMin;
    v.grid.yMax = yMax;
    // A projection scale typed as 0 has no inverse; the grid keeps its neutral 1.
    v.grid.invProjScale = v.projScale != 0.0 ? 1.0 / v.projScale : 1.0;
    return 1;
}

int fitSensorPlane(SensorMapFields& v)
{
    const double w = static_cast<double>(v.mapWidth) - v.margin;
    const double h = static_cast<double>(v.mapHeight) - v.margin;
    double dx = 0.0, dy = 0.0;
    auto readExtent = [&] {
        double x0 = 0.0, x1 = 0.0, y0 = 0.0, y1 = 0.0;
        if (v.trial) v.trial->getPlaneExtent(v.chnlType, x0, x1, y0, y1);
        dx = x1 - x0;
        dy = y1 - y0;
    };
    readExtent();
    // Written so that a NaN extent fails too.
    if (!(dx >= 1.0) || !(dy >= 1.0)) {
        collectSnsrLoc2D(v, v.chnlType);
        readExtent();
        if (!(dx >= 1.0) || !(dy >= 1.0)) {
            cxc::tellUser(text::kSensorLocationError);
            return 0;
        }
    }
    v.scaleX = w / dx;
    v.scaleY = h / dy;
    return 1;
}

// ---- drawing and hit testing ----------------------------------------------------------------------

int drawSensors(SensorMapFields& v, CDC* dc, int mirror, int type)
{
    if (!v.showSensor || !dc) return 0;
    CPen pen(PS_SOLID, 1, v.sensorColor);
    CPen selectedPen(PS_SOLID, 1, RGB(255, 0, 0));
    cxc::gdi::DcStateGuard keep(*dc);  // pen and position come back on every exit
    try {
        CouplingRefs refs;
        if (!checkInitTrial(v) || !fetchCoupling(v.trial, v.cxcClass, refs)) return 0;
        dc->SelectObject(&pen);
        const PlaneToPixel map = viewMapping(v, mirror);
        const __int64 selected = refs.data->curCol;
        const int r = v.sensorRadius;
        const int walked = forEachShownSensor(refs, type, [&](const ShownSensor& s) {
            int px = 0, py = 0;
            if (!map(s.x, s.y, px, py)) return true;
            if (s.pos == selected) dc->SelectObject(&selectedPen);
            dc->MoveTo(toCoord(static_cast<double>(px) + r), py);
            dc->AngleArc(px, py, r, 0.0f, 360.0f);
            if (s.pos == selected) dc->SelectObject(&pen);
            return true;
        });
        return walked > 0 ? 1 : 0;
    } catch (...) {
        cxc::tellUser(text::kDrawSensorError);
        return 0;
    }
}

int drawSensorLabels(SensorMapFields& v, CDC* dc, int mirror, int type)
{
    if (!v.showLabel || !dc) return 0;
    cxc::gdi::DcStateGuard keep(*dc);  // text colour, background mode and font come back
    try {
        CouplingRefs refs;
        if (!checkInitTrial(v) || !fetchCoupling(v.trial, v.cxcClass, refs)) return 0;
        dc->SetBkMode(TRANSPARENT);
        if (v.textFont) dc->SelectObject(v.textFont);
        const PlaneToPixel map = viewMapping(v, mirror);
        const int walked = forEachShownSensor(refs, type, [&](const ShownSensor& s) {
            int px = 0, py = 0;
            if (!map(s.x, s.y, px, py)) return true;
            const CString label = sensorLabel(s.channel->name);
            dc->SetTextColor(labelColor(label));
            const CSize size = dc->GetTextExtent(label);
            // Centred on the sensor.
            dc->TextOut(toCoord(px - 0.5 * size.cx), toCoord(py - 0.5 * size.cy), label);
            return true;
        });
        return walked > 0 ? 1 : 0;
    } catch (...) {
        cxc::tellUser(text::kDrawSensorError);
        return 0;
    }
}

int drawClickedText(SensorMapFields& v, CDC* dc)
{
    if (!v.showSensor || !dc) return 0;
    cxc::gdi::DcStateGuard keep(*dc);
    dc->SetBkMode(TRANSPARENT);
    dc->SetTextColor(v.textColor);
    if (v.textFont) dc->SelectObject(v.textFont);
    dc->TextOut(0, 0, v.clickedText);
    return 1;
}

int hitTestSensor(SensorMapFields& v, CWnd& view, CPoint point, int mirror, int type)
{
    if (!v.showSensor) return 1;
    try {
        CouplingRefs refs;
        if (!checkInitTrial(v) || !fetchCoupling(v.trial, v.cxcClass, refs)) return 0;
        const PlaneToPixel map = viewMapping(v, mirror);
        // 64-bit: the radius comes from a free edit and may be INT_MAX.
        const __int64 r = v.sensorRadius;
        __int64 hit = -1;
        CString name;
        const int walked = forEachShownSensor(refs, type, [&](const ShownSensor& s) {
            int px = 0, py = 0;
            if (!map(s.x, s.y, px, py)) return true;
            // Strictly inside the square of half-width r.
            if (px - r < point.x && point.x < px + r && py - r < point.y && point.y < py + r) {
                hit = s.pos;
                name = s.channel->name;
                return false;
            }
            return true;
        });
        if (walked < 0 || hit < 0) return 0;
        refs.data->curCol = hit;
        v.clickedText = name;
        v.releaseSurface();
        view.InvalidateRect(nullptr, FALSE);
        return 1;
    } catch (...) {
        cxc::tellUser(text::kDrawSensorError);
        return 0;
    }
}

}  // namespace cxc::maps
