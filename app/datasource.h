// Where the host's data come from and what it says about them: a data folder or the built-in demo
// data set, the counts of the status line, and the coupling class a command works on, with the row
// and the time selection the user asked for. Builds on the companions' data folders and demo set.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <utility>

#include "afxstr.h"
#include "fieldtrip.h"
#include "medataset.h"

class CSnsCohDataqz;

namespace cxc::app {

struct DataSource {
    std::unique_ptr<CArrayMEDataSetqz> dataSet;
    std::string origin;   // the folder or file, or "built-in demo data"
    std::string warning;  // one line about what a file's reader left out; empty when nothing
};

// An empty name stands for the built-in demo data set, a name ending in .mat for a FieldTrip file
// (read as `fieldTrip` chooses), any other for a data folder. Returns an empty string, or the
// reason the data were refused ("<file>: <field>: <what is wrong>").
std::string loadData(const std::string& name, DataSource& out, const data::FieldTripChoice& fieldTrip = {});

struct DataCounts {
    CString session;
    int trials = 0;
    int channels = 0;  // of the current trial
    int meg = 0;       // MEG measurement channels
    int eeg = 0;       // EEG measurement channels
    long long samples = 0;
    int classes = 0;
    CString classNames;  // "Active, Control, Act-Ctl"
};
DataCounts countData(CArrayMEDataSetqz& dataSet);
// The host's status line: session, channel, sample and class counts.
CString statusLine(const DataCounts& counts);

// The coupling class a command reads, as the link and contour dialogs reach it: the current trial's
// package, class `cxcClass`, looked at through the channels of one modality.
struct ClassChoice {
    int modality = 0;  // 0 MEG, 1 EEG
    int cxcClass = 0;
    std::optional<long long> row;                           // the class data's current row
    std::optional<std::pair<long long, long long>> select;  // its selection, first and last sample
};

// The chosen class data with the row and selection stored into it, or null and the message of what
// the data set lacks or what lies out of range.
CSnsCohDataqz* applyChoice(CArrayMEDataSetqz& dataSet, const ClassChoice& choice, std::string& error);

const char* modalityName(int modality);  // "MEG", "EEG"

}  // namespace cxc::app
