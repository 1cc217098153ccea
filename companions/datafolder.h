// Data folders: a data set on disk is a folder with dataset.json (session, sample rate, first
// latency, channels with head positions and optional 2-D layout positions, trials with their
// coupling classes) and one .npy array per class, shape (n, n, T), element (i, j) coupling channel
// pairs[i] with channel pairs[j]. Loading refuses every malformed input with one message that names
// the file and the field, and builds nothing half: the data set comes whole or not at all.
#pragma once

#include <memory>
#include <string>

class CArrayMEDataSetqz;

namespace cxc::data {

struct LoadResult {
    std::unique_ptr<CArrayMEDataSetqz> dataSet;  // null when the folder was refused
    std::string error;                           // "<file>: <field>: <what is wrong>" when refused
};

// One session with the folder's trials. A pair series stored twice, as (i, j) and (j, i), is kept
// once; so is the series of zeros that many pairs may hold. NaN and infinite values are loaded as
// they are.
LoadResult loadDataFolder(const std::string& folder);

enum class ValueType {
    Auto,     // float32 when every value of a class survives the round trip, float64 otherwise
    Float64,
    Float32,
};

// Writes the data set's current session into the folder (made when missing; its dataset.json and
// arrays are replaced). Returns an empty string, or the message of what could not be written.
std::string writeDataFolder(CArrayMEDataSetqz& dataSet, const std::string& folder, ValueType type = ValueType::Auto);

}  // namespace cxc::data
