// `cxcmap report`: the small-world graph report exactly as the link dialog's "GT SW" shows it, made
// by the link view's own report for the settings given, with the dialog's threshold line.
#pragma once

#include <iosfwd>
#include <optional>
#include <string>

#include "afxstr.h"
#include "datasource.h"

namespace cxc::app {

struct ReportOptions {
    std::string data;                  // data folder or FieldTrip .mat file; empty: the built-in demo data
    data::FieldTripChoice fieldTrip;  // how a .mat file is read
    ClassChoice choice;                // modality, class, row, selection
    std::optional<double> threshold;   // none: half the largest |value|, as the dialog's first refresh
    int useThreshold = 1;              // the dialog's menu defaults
    int precise = 1;
    int activeOnly = 0;
};

// The dialog's text for these settings, or false with the message of what the data set lacks.
bool graphReport(CArrayMEDataSetqz& dataSet, const ReportOptions& options, CString& text, std::string& error);

// The whole command: the text on `out`, or one line on `err` and status 1.
int runReport(const ReportOptions& options, std::ostream& out, std::ostream& err);

}  // namespace cxc::app
