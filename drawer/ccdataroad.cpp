#include "stdafx.h"

#include "ccdataroad.h"

#include <algorithm>

namespace cxc::drawer {

bool takeRoad(CMEGDraw& drawer, int cls, Need need, Road& road)
{
    road = Road{};
    if (!drawer.updateMEGData() || !drawer.trial) return false;
    const bool pairs = cxc::takeRoad(drawer.trial, cls, road);
    if (!road.data) return false;
    road.rowLength = road.CouplingRoad::rowLength();
    if (need == Need::ClassData) return true;
    if (!pairs) return false;
    if (need == Need::PairArray) return true;
    road.row = road.currentRow();
    road.rowLength = road.walkLength();
    return road.row != nullptr;
}

CMDChannelqz* channelOf(CMDTrialqz* trial, int index)
{
    if (!trial || index < 0 || index >= trial->getTotalChannel()) return nullptr;
    CMDChannelqz** table = trial->getAllChannelPt();
    return table ? table[index] : nullptr;
}

__int64 samplesOf(const CWavChnlChnlDataqz& element, __int64 sampleCount)
{
    if (!element.series || sampleCount < 1) return 0;
    const __int64 known = element.seriesLength();
    return known > 0 ? std::min(known, sampleCount) : sampleCount;
}

}  // namespace cxc::drawer
