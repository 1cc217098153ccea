#include "couplingroad.h"

#include <algorithm>

namespace cxc {

CMDTrialqz* currentTrial(CArrayMEDataSetqz* dataSet)
{
    CMEGDataqz* session = dataSet ? dataSet->getSessionData(-1) : nullptr;
    return session ? session->getTrialqz(-1) : nullptr;
}

CSnsCohDataqz* classDataOf(CMDTrialqz* trial, int cls)
{
    CSnsCohFaceqz* package = trial ? trial->getCoherenceFaceqzTime(false) : nullptr;
    return package ? package->getCoherenceData(cls) : nullptr;
}

CWavChnlChnlDataqz* CouplingRoad::currentRow() const
{
    if (!data || !pairs) return nullptr;
    const __int64 row = data->curRow;
    if (row < 0 || row >= data->rowsWalkable()) return nullptr;
    return pairs[row];
}

__int64 CouplingRoad::rowLength() const
{
    return data ? std::max<__int64>(0, std::min(data->rowCount, data->colCount)) : 0;
}

__int64 CouplingRoad::walkLength() const
{
    return data && pairs ? std::min(data->rowsWalkable(), data->colsWalkable()) : 0;
}

bool takeRoad(CMDTrialqz* trial, int cls, CouplingRoad& road)
{
    road = CouplingRoad{};
    if (!trial) return false;
    road.package = trial->getCoherenceFaceqzTime(false);
    if (!road.package) return false;
    road.data = road.package->getCoherenceData(cls);
    if (!road.data) return false;
    road.pairs = road.data->getMCC4class();
    return road.pairs != nullptr;
}

}  // namespace cxc
