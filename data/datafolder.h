// Data folders: a data set on disk is a folder with dataset.json and one .npy array per coupling
// class. Loading refuses every malformed input with one message that names the file and the field,
// and builds nothing half: the data set comes whole or not at all.
//
// dataset.json (no other fields are accepted):
//   format "cxc-dataset", version 1, session (text), sampleRate (Hz, > 0),
//   firstLatency (s, latency of sample 0; optional, 0),
//   channels: at least one of {name, type "MEG" | "EEG", position [x, y, z] (m; x right, y front,
//     z up), good (optional, true), shown (optional, true), layout [x, y] (optional; plane units,
//     both >= 0: when every channel of a modality has one, that plane is made from them)},
//   trials: at least one of {name, classes: {active | control | result: {
//     pairs [n distinct channel indices], values ("file.npy" in the folder),
//     measureKind (optional, 0), meanMode (optional, 0), info (optional, "Coherence"),
//     selection [begin, end] (optional, the whole series)}}}.
// Each .npy array is little-endian float64 or float32 in C order, shape (n, n, T) with T >= 1:
// element (i, j) couples channel pairs[i] (row) with channel pairs[j] (column) over T samples;
// latency of sample s is firstLatency + s / sampleRate.
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
