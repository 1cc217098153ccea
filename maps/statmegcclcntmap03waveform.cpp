#include "stdafx.h"

#include "statmegcclcntmap03waveform.h"

#include "patchcore.h"

IMPLEMENT_DYNAMIC(CStatMEGCClCntMap03Waveform, CStatMEGCClCntMap02Coherence)

CStatMEGCClCntMap03Waveform::CStatMEGCClCntMap03Waveform() = default;
CStatMEGCClCntMap03Waveform::~CStatMEGCClCntMap03Waveform() = default;

int CStatMEGCClCntMap03Waveform::drawPatches(CDC* dc, int x0, int y0, int w, int h, int mirror, int type)
{
    return cxc::maps::drawPatches(*this, dc, x0, y0, w, h, mirror, type);
}
