#include "stdafx.h"

#include "stateegcxccntmap02coherence.h"

#include "linkcore.h"
#include "reportcore.h"

IMPLEMENT_DYNAMIC(CStatEEGCxcCntMap02Coherence, CStatEEGCxcCntMap)

CStatEEGCxcCntMap02Coherence::CStatEEGCxcCntMap02Coherence() = default;
CStatEEGCxcCntMap02Coherence::~CStatEEGCxcCntMap02Coherence() = default;

int CStatEEGCxcCntMap02Coherence::drawLinks(CDC* dc, int x0, int y0, int w, int h, int mirror, int type)
{
    return cxc::maps::drawLinks<cxc::maps::EegElectrodes>(*this, dc, x0, y0, w, h, mirror, type);
}

CString CStatEEGCxcCntMap02Coherence::graphTheoryReport(int useThreshold, int precise, int activeOnly, int& connections)
{
    return cxc::maps::graphTheoryReport<cxc::maps::EegElectrodes>(*this, useThreshold, precise, activeOnly, connections);
}
