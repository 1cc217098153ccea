// A look at a MATLAB v5/v7 file before the library reads it. The library allocates what an array's
// header claims (elements, struct fields, sparse entries) before it finds that the file holds far
// less, so a damaged file of a few bytes can ask for gigabytes. This walk checks every claim
// against the bytes that hold it (inflating compressed variables, within bounds). v7.3 files
// (HDF5) are left to the library.
#pragma once

#include <string>

namespace cxc::data {

// Empty when the file may be handed to the library; otherwise what is wrong with it.
std::string checkMatFile(const std::string& path);

}  // namespace cxc::data
