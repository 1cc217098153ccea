#include "reportcommand.h"

#include <charconv>
#include <ostream>

#include "cxcmap2d.h"
#include "stateegcxccntmapqz.h"
#include "statmegcclcntmapqz.h"

namespace cxc::app {

namespace {

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
CString reportOf(CArrayMEDataSetqz& dataSet, const ReportOptions& o, double threshold)
{
    View view;
    view.dataSet = &dataSet;
    view.cxcClass = o.choice.cxcClass;
    view.linkThreshold = threshold;
    return linkGraphReport(view, o.useThreshold, o.precise, o.activeOnly);
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
        threshold = asTheBoxReadsIt(firstRefreshThreshold(*data));
    }
    text = o.choice.modality == 1 ? reportOf<CStatEEGCxcCntMapqz>(dataSet, o, threshold)
                                  : reportOf<CStatMEGCClCntMapqz>(dataSet, o, threshold);
    return true;
}

int runReport(const ReportOptions& o, std::ostream& out, std::ostream& err)
{
    DataSource source;
    std::string error = loadData(o.data, source, o.fieldTrip);
    if (!source.warning.empty()) err << "cxcmap report: " << source.warning << "\n";
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
