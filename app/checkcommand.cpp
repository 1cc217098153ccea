#include "checkcommand.h"

#include <ostream>

#include "datasource.h"

namespace cxc::app {

int runCheck(const std::string& data, std::ostream& out, std::ostream& err)
{
    DataSource source;
    // An empty name would silently check the demo set instead of the user's data.
    const std::string error = data.empty() ? "--data: names no folder" : loadData(data, source);
    if (!error.empty()) {
        err << "cxcmap check: " << error << "\n";
        return 1;
    }
    const DataCounts c = countData(*source.dataSet);
    out << data << ": " << c.channels << " channels (" << c.meg << " MEG, " << c.eeg << " EEG), " << c.trials
        << (c.trials == 1 ? " trial, " : " trials, ") << c.samples << " samples, " << c.classes
        << (c.classes == 1 ? " class" : " classes");
    if (c.classes > 0) out << " (" << toUtf8(c.classNames) << ")";
    out << "\n";
    return 0;
}

}  // namespace cxc::app
