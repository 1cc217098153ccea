#include "stdafx.h"

#include "linkreport.h"

#include <algorithm>
#include <cmath>

#include "dialogtexts.h"
#include "stateegcxccntmapqz.h"
#include "statmegcclcntmapqz.h"

namespace {

template <class View>
CString reportWithLine(View& view, int useThreshold, int precise, int activeOnly, const wchar_t* lineFormat)
{
    int connections = 0;  // early exits of the report leave the count at 0
    CString report = view.graphTheoryReport(useThreshold, precise, activeOnly, connections);
    if (useThreshold) report.AppendFormat(lineFormat, view.linkThreshold, connections);
    return report;
}

}  // namespace

namespace cxc {

double largestLinkMagnitude(CSnsCohDataqz& data)
{
    double lo = 0.0, hi = 0.0;
    data.getSnsCohRange(lo, hi, false, 0, 0, 1);
    return std::max(std::fabs(lo), std::fabs(hi));
}

double firstRefreshThreshold(CSnsCohDataqz& data, double* largest)
{
    const double m = largestLinkMagnitude(data);
    if (largest) *largest = m;
    return 0.5 * m;
}

CString linkGraphReport(CStatMEGCClCntMapqz& view, int useThreshold, int precise, int activeOnly)
{
    return reportWithLine(view, useThreshold, precise, activeOnly, dialogs::text::kMegThresholdLine);
}

CString linkGraphReport(CStatEEGCxcCntMapqz& view, int useThreshold, int precise, int activeOnly)
{
    return reportWithLine(view, useThreshold, precise, activeOnly, dialogs::text::kEegThresholdLine);
}

}  // namespace cxc
