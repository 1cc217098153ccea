// The sensor layer shared by the MEG and EEG views: finding the current trial and its coupling data,
// making the 2-D sensor plane, fitting it to the control, mapping plane positions to pixels, and
// drawing and hit-testing the sensors of the view's class. Both view chains forward to these.
//
// Which sensors are shown: the column channels of the class data's current row, as far as the row
// holds elements (the shorter of row and column count), that are measurement channels of the
// requested type. Indices into the pair array and the channel table are checked on the way; what
// does not resolve is skipped. A position whose pixel would be NaN is neither drawn nor hit.
#pragma once

#include "sensormapfields.h"

namespace cxc::maps {

// ---- the coupling chain of one class --------------------------------------------------------------

// The coupling road of a class with the trial's channel table, fetched together.
struct CouplingRefs : CouplingRoad {
    CMDChannelqz** channels = nullptr;
    int channelCount = 0;

    // Entry i of the channel table; null outside it or for a null entry.
    CMDChannelqz* channel(__int64 i) const
    {
        return channels && i >= 0 && i < channelCount ? channels[i] : nullptr;
    }
};

// False (refs partly filled) when the trial, its package, the class or its pair array is missing.
bool fetchCoupling(CMDTrialqz* trial, int cxcClass, CouplingRefs& refs);

// ---- plane and pixels ---------------------------------------------------------------------------

// Nonzero for a measurement channel of that type (0 MEG, 1 EEG); the caller has checked the type.
int isMeasureChannel(CMDChannelqz& channel, int type);
// The channel's position on the MEG (0) or EEG (1) plane.
void planePosition(const CMDChannelqz& channel, int type, double& x, double& y);

// Plane units to pixels: px = trunc(x * sx + x0), mirrored px = w - px, clamped to 0 .. w - 1;
// py = trunc(h - (y * sy + y0)), clamped to 0 .. h - 1 (y grows upwards). Clamping is done in double
// before converting, so huge and infinite positions land on the border; NaN gives false.
struct PlaneToPixel {
    double sx = 1.0, sy = 1.0;
    int x0 = 0, y0 = 0, w = 0, h = 0;
    bool mirror = false;
    bool operator()(double x, double y, int& px, int& py) const;
};
// The view's own mapping: its scales, margin / 2 as offsets and the surface size.
PlaneToPixel viewMapping(const SensorMapFields& v, int mirror);

// ---- shown sensors ------------------------------------------------------------------------------

struct ShownSensor {
    __int64 pos;            // list position: element of the current row
    int chnl;               // index into the channel table
    CMDChannelqz* channel;
    double x, y;            // plane position
};

// Calls f(const ShownSensor&) for each shown sensor in list order until f returns false. Returns 0
// without a current row, -1 for an unknown type (after the message box), 1 otherwise.
template <class F>
int forEachShownSensor(const CouplingRefs& refs, int type, F&& f)
{
    CWavChnlChnlDataqz* row = refs.currentRow();
    if (!row) return 0;
    if (type != ChnlTypeMeg && type != ChnlTypeEeg) {
        cxc::tellUser(text::kChannelTypeError);
        return -1;
    }
    const __int64 n = refs.walkLength();
    for (__int64 j = 0; j < n; ++j) {
        const int c = row[j].colChnl;
        CMDChannelqz* ch = refs.channel(c);
        if (!ch || !isMeasureChannel(*ch, type)) continue;
        ShownSensor s{j, c, ch, 0.0, 0.0};
        planePosition(*ch, type, s.x, s.y);
        if (!f(s)) break;
    }
    return 1;
}

// ---- labels ---------------------------------------------------------------------------------------

// The last four characters of a channel name (the whole name when it is shorter).
CString sensorLabel(const CString& name);
// Colour of a label by its brain region (second character) and hemisphere (first character).
COLORREF labelColor(const CString& label);

// ---- the layer's operations ------------------------------------------------------------------

int checkInitTrial(SensorMapFields& v);
int projectSensors2D(SensorMapFields& v, int type);
int collectSnsrLoc2D(SensorMapFields& v, int type);
// Scales that stretch the trial's plane of the view's type over the surface minus the margin;
// "sensor location error!" and 0 when the plane stays narrower than one unit.
int fitSensorPlane(SensorMapFields& v);
int drawSensors(SensorMapFields& v, CDC* dc, int mirror, int type);
int drawSensorLabels(SensorMapFields& v, CDC* dc, int mirror, int type);
int drawClickedText(SensorMapFields& v, CDC* dc);
int hitTestSensor(SensorMapFields& v, CWnd& view, CPoint point, int mirror, int type);

}  // namespace cxc::maps
