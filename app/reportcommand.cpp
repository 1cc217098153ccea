#include "reportcommand.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <ostream>

#include "cxccompanions.h"
#include "stateegcxccntmapqz.h"
#include "statmegcclcntmapqz.h"

namespace cxc::app {

namespace {

// The line each link dialog appends to a report that used the threshold.
constexpr const wchar_t* kMegThresholdLine = L"Threshold:%f Connection:%d \n";
constexpr const wchar_t* kEegThresholdLine = L"Threshold:%f Connect:%d\n";

// The dialog keeps its threshold in an edit box and reads it back before the report: what the
// report sees is the number the box shows, 15 significant digits.
double asTheBoxReadsIt(double threshold)
{
    char text[64];
    const auto shown = std::to_chars(text, text + sizeof text, threshold, std::chars_format::general, 15);
    double read = threshold;
    std::from_chars(text, shown.ptr, read);
    return read;
}

template <class View>
CString reportOf(CArrayMEDataSetqz& dataSet, const ReportOptions& o, double threshold, const wchar_t* lineFormat)
{
    View view;
    view.dataSet = &dataSet;
    view.cxcClass = o.choice.cxcClass;
    view.linkThreshold = threshold;
    int connections = 0;  // the dialog starts the count at 0; early exits leave it so
    CString text = view.graphTheoryReport(o.useThreshold, o.precise, o.activeOnly, connections);
    if (o.useThreshold) {
        CString line;
        line.Format(lineFormat, view.linkThreshold, connections);
        text += line;
    }
    return text;
}

}  // namespace

bool graphReport(CArrayMEDataSetqz& dataSet, const ReportOptions& o, CString& text, std::string& error)
{
    CSnsCohDataqz* data = applyChoice(dataSet, o.choice, error);
    if (!data) return false;
    double threshold = 0.0;
    if (o.threshold) {
        threshold = *o.threshold;
    } else {
        // The link dialog's first refresh: half the largest magnitude over all samples.
        double lo = 0.0, hi = 0.0;
        data->getSnsCohRange(lo, hi, false, 0, 0, 1);
        threshold = asTheBoxReadsIt(0.5 * std::max(std::fabs(lo), std::fabs(hi)));
    }
    text = o.choice.modality == 1 ? reportOf<CStatEEGCxcCntMapqz>(dataSet, o, threshold, kEegThresholdLine)
                                  : reportOf<CStatMEGCClCntMapqz>(dataSet, o, threshold, kMegThresholdLine);
    return true;
}

int runReport(const ReportOptions& o, std::ostream& out, std::ostream& err)
{
    DataSource source;
    std::string error = loadData(o.data, source);
    CString text;
    if (error.empty()) graphReport(*source.dataSet, o, text, error);
    if (!error.empty()) {
        err << "cxcmap report: " << error << "\n";
        return 1;
    }
    out << toUtf8(text);
    out.flush();
    return out ? 0 : 1;
}

}  // namespace cxc::app
