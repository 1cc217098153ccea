#include "stdafx.h"

#include "contourview.h"

#include "gridcore.h"
#include "modulebase.h"
#include "stateegcxccntmapqz.h"
#include "statmegcclcntmapqz.h"

namespace {

// "row 3 (MLC21) over samples 120 to 150": the reference row and the selection of a grid.
CString describeRow(CMDTrialqz* trial, int cxcClass)
{
    CSnsCohDataqz* data = cxc::classDataOf(trial, cxcClass);
    if (!data) return L"the reference row";
    CString text;
    text.Format(L"row %I64d", data->curRow);
    if (const CWavChnlChnlDataqz* self = data->pairAt(data->curRow, data->curRow))
        if (const CString name = trial->getChannelName(self->colChnl); !name.IsEmpty()) text += L" (" + name + L")";
    text.AppendFormat(L" over samples %I64d to %I64d", data->selectBegin, data->selectEnd);
    return text;
}

// Why the grid pipeline refused, when it told no one itself: no channel to lay the grid over, no
// grid laid over the channels' plane, or values that leave no field over the selection.
CString whyNoGrid(const cxc::maps::SensorMapFields& v)
{
    const CString modality = v.chnlType == ChnlTypeEeg ? L"EEG" : L"MEG";
    const CDataGridRect& g = v.grid;
    if (g.snsrCount < 1) return L"the data set has no good " + modality + L" channel to lay the grid over";
    if (!g.points) {
        // A grid side is the span in plane units plus the borders: under one unit leaves no cell.
        const bool flat = !(g.xMax - g.xMin >= 1.0) || (v.chnlType == ChnlTypeEeg && !(g.yMax - g.yMin >= 1.0));
        return flat ? L"the " + modality + L" channels' positions on the 2-D plane span less than one unit"
                    : L"the " + modality + L" channels' 2-D plane is too large for a grid";
    }
    // Every channel sharing its place with another (a magnetometer and its two gradiometers, say)
    // leaves no spacing to take an influence radius from.
    if (!(cxc::maps::calcInfluenceRadius(g.snsrLoc, g.snsrCount, v.radiusMeanMode) > 0.0)) {
        CString text = L"the " + modality + L" channels share their positions on the 2-D plane";
        for (int a = 0; a < g.snsrCount; ++a)
            for (int b = a + 1; b < g.snsrCount; ++b)
                if (g.snsrLoc[a].x == g.snsrLoc[b].x && g.snsrLoc[a].y == g.snsrLoc[b].y)
                    return text + L" (" + v.trial->getChannelName(g.snsrLoc[a].chnl) + L" and " +
                           v.trial->getChannelName(g.snsrLoc[b].chnl) + L", for one), which leaves no spacing to"
                           L" interpolate with: keep one channel of each place";
        return text;
    }
    return L"in " + describeRow(v.trial, v.cxcClass) + L" the " + modality +
           L" channels' values do not vary or are not numbers";
}

template <class View>
int prepare(View& view, CArrayMEDataSetqz* dataSet, int cxcClass)
{
    view.dataSet = dataSet;
    view.cxcClass = cxcClass;
    if (!view.checkInitTrial()) {
        view.trial = nullptr;
        cxc::setLastError(L"the data set has no current trial");
        return 0;
    }
    view.projectSensors2D(view.chnlType);
    // A failure the grid pipeline tells its user from here on is the reason it gives.
    const unsigned long toldBefore = cxc::toldCount();
    if (view.rebuildFieldGrid()) return 1;
    const CString why = cxc::toldCount() != toldBefore ? cxc::lastError() : whyNoGrid(view);
    cxc::setLastError(L"the grid cannot be built: " + why);
    return 0;
}

}  // namespace

namespace cxc {

int prepareContourView(CStatMEGCClCntMapqz& view, CArrayMEDataSetqz* dataSet, int cxcClass)
{
    return prepare(view, dataSet, cxcClass);
}

int prepareContourView(CStatEEGCxcCntMapqz& view, CArrayMEDataSetqz* dataSet, int cxcClass)
{
    return prepare(view, dataSet, cxcClass);
}

}  // namespace cxc
