#include "stdafx.h"

#include "statmegcclcntmap02coherence.h"

#include "linkcore.h"
#include "reportcore.h"

IMPLEMENT_DYNAMIC(CStatMEGCClCntMap02Coherence, CStatMEGCClCntMap)

CStatMEGCClCntMap02Coherence::CStatMEGCClCntMap02Coherence() = default;
CStatMEGCClCntMap02Coherence::~CStatMEGCClCntMap02Coherence() = default;

int CStatMEGCClCntMap02Coherence::drawLinks(CDC* dc, int x0, int y0, int w, int h, int mirror, int type)
{
    return cxc::maps::drawLinks<cxc::maps::MegSensors>(*this, dc, x0, y0, w, h, mirror, type);
}

CString CStatMEGCClCntMap02Coherence::graphTheoryReport(int useThreshold, int precise, int activeOnly, int& connections)
{
    return cxc::maps::graphTheoryReport<cxc::maps::MegSensors>(*this, useThreshold, precise, activeOnly, connections);
}
