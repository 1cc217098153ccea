// `cxcmap demo-data`: the built-in demo data set written as a data folder.
#pragma once

#include <iosfwd>
#include <string>

class CArrayMEDataSetqz;

namespace cxc::app {

// Writes the data set into `folder` whole: dataset.json and its arrays appear together or not at
// all. Returns an empty string or the message of what could not be written.
std::string writeDataSet(CArrayMEDataSetqz& dataSet, const std::string& folder);
// The built-in demo data set, written as above.
std::string writeDemoData(const std::string& folder);

int runDemoData(const std::string& folder, std::ostream& out, std::ostream& err);

}  // namespace cxc::app
