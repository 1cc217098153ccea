// The command line of cxcmap, parsed with CLI11: the interactive viewer (no command) and the
// render, report, grid, demo-data and check commands. Returns the exit status: 0 done, 1 a user error told
// in one line on `err`, 2 a command line that CLI11 rejects.
#pragma once

#include <iosfwd>

namespace cxc::app {

int runCommandLine(int argc, const char* const* argv, std::ostream& out, std::ostream& err);

}  // namespace cxc::app
