#include "stdafx.h"

#include "stateegcxccntmap03waveform.h"

#include "patchcore.h"

IMPLEMENT_DYNAMIC(CStatEEGCxcCntMap03Waveform, CStatEEGCxcCntMap02Coherence)

CStatEEGCxcCntMap03Waveform::CStatEEGCxcCntMap03Waveform() = default;
CStatEEGCxcCntMap03Waveform::~CStatEEGCxcCntMap03Waveform() = default;

int CStatEEGCxcCntMap03Waveform::drawPatches(CDC* dc, int x0, int y0, int w, int h, int mirror, int type)
{
    return cxc::maps::drawPatches(*this, dc, x0, y0, w, h, mirror, type);
}
