// The link layer shared by the MEG and EEG views: one straight line between two sensors for every
// channel pair whose mean coupling over the selection reaches the threshold, in row-major order over
// the upper triangle of the pair array, at most maxLink of them. Plain links are black, signed ones
// red (mean >= 0, so a mean of exactly 0 is red) or blue; the MEG view's magnitude styles colour each
// link from a ramp by how far |mean| lies between the threshold and linkRangeMax, with one pen per
// link made from the yellow pen's description.
//
// A NaN mean never reaches the threshold; a link whose end maps to a NaN pixel is not drawn and not
// counted. An exception on the way is reported as "Draw sensor error !".
#pragma once

#include "mappolicy.h"
#include "sensorcore.h"

namespace cxc::maps {

// The ramp and scale of a magnitude style for one drawing.
struct MagnitudeScale {
    const COLORREF* pos = nullptr;  // ramp of means >= 0 (the only ramp without polarity)
    const COLORREF* neg = nullptr;  // ramp of negative means
    int size = 0;                   // S: entries per ramp
    double threshold = 0.0;
    double rangeMax = 0.0;
    double factor = 0.0;            // S / (rangeMax - threshold)
    LOGPEN pattern{};               // every link pen is this with the link's colour

    // Colour of a link that passed the threshold: the first entry at the threshold, the last at or
    // above rangeMax, entry trunc((|mean| - threshold) * factor) between, kept within the ramp.
    COLORREF colour(double mean) const;
};

// linkStyle 2, 3, 4, and 5 or above: ramps256[0] / ramp512 / ramp768 / ramp1024, or with polarity
// ramps256 2|3, 6|5, 0|1 and ramp768Pos|ramp768Neg.
MagnitudeScale magnitudeScale(const CADRindex2Colorqz& colors, int linkStyle, bool polarity, double threshold,
                              double rangeMax);

struct LinkDrawing {
    PlaneToPixel map;
    int type = ChnlTypeMeg;
    LinkStyle style = LinkStyle::Plain;
    CPen* startPen = nullptr;                 // black, or the yellow pattern pen
    const MagnitudeScale* magnitude = nullptr;
};

// The walk over the pairs; the caller has found the trial and clamped the threshold and limit.
int drawLinkNetwork(SensorMapFields& v, CDC& dc, const LinkDrawing& d);

template <class P, class V>
int drawLinks(V& v, CDC* dc, int x0, int y0, int w, int h, int mirror, int type)
{
    if (!checkInitTrial(v)) return 0;
    if (!(v.linkThreshold >= 0.0)) v.linkThreshold = 0.0;  // negative or NaN
    if (v.maxLink < 1) v.maxLink = 1;
    if (!dc) return 0;
    LinkDrawing d;
    d.map.sx = v.scaleX;
    d.map.sy = v.scaleY;
    d.map.x0 = x0;
    d.map.y0 = y0;
    d.map.w = w;
    d.map.h = h;
    d.map.mirror = mirror != 0;
    d.type = type;
    d.style = P::linkStyleOf(v.linkStyle);
    d.startPen = &v.linkPenBlack;
    MagnitudeScale scale;
    if constexpr (P::magnitudeStyles) {
        if (d.style == LinkStyle::Magnitude) {
            scale = magnitudeScale(v.adrColors, v.linkStyle, v.polarityView != 0, v.linkThreshold, v.linkRangeMax);
            v.linkPenYellow.GetObject(sizeof(LOGPEN), &scale.pattern);
            d.startPen = &v.linkPenYellow;
            d.magnitude = &scale;
        }
    }
    return drawLinkNetwork(v, *dc, d);
}

}  // namespace cxc::maps
