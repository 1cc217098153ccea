#include "stdafx.h"

#include "ccdataroad.h"

#include <algorithm>

namespace cxc::drawer {

bool takeRoad(CMEGDraw& drawer, int cls, Need need, Road& road)
{
    road = Road{};
    if (!drawer.updateMEGData() || !drawer.trial) return false;
    road.package = drawer.trial->getCoherenceFaceqzTime(false);
    if (!road.package) return false;
    road.data = road.package->getCoherenceData(cls);
    if (!road.data) return false;
    road.rowLength = std::min(road.data->rowsWalkable(), road.data->colsWalkable());
    if (need == Need::ClassData) return true;
    road.rows = road.data->getMCC4class();
    if (!road.rows) return false;
    if (need == Need::PairArray) return true;
    const __int64 cur = road.data->curRow;
    if (cur < 0 || cur >= road.data->rowsWalkable()) return false;
    road.row = road.rows[cur];
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
