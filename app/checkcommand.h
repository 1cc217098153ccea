// `cxcmap check --data PATH`: loads the data as every other command does and says whether it opens,
// so tools that write data folders (the Python package) validate them with the loader's own words.
#pragma once

#include <iosfwd>
#include <string>

namespace cxc::app {

// One summary line on `out` (channels, samples, classes) and status 0, or the loader's message on
// `err` and status 1.
int runCheck(const std::string& data, std::ostream& out, std::ostream& err);

}  // namespace cxc::app
