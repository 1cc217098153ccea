// Standard sensor sites for the demo data set and the test kit, in head coordinates (metres; x right,
// y front, z up): a whole-head MEG helmet of about 150 sensors named like MLF11 (M, hemisphere
// L/R/Z, region F/C/T/P/O, two digits), left-right symmetric, and a 64-electrode EEG cap with the
// 10-10 names.
#pragma once

#include <string>
#include <vector>

namespace cxc::layouts {

struct Site {
    std::wstring name;
    double x, y, z;  // m
};

// Sorted by name; deterministic.
std::vector<Site> megHelmet();
// Fp1, Fpz, Fp2, AF7 ... Iz: the 64 sites of a 10-10 cap, front to back.
std::vector<Site> eegCap64();
// The 21 sites of the 10-20 system (10-10 names: T7/T8, P7/P8), taken from the 64-site cap, front to
// back.
std::vector<Site> eegCap1020();
// n sites spread evenly over a list (every k-th), n clamped to the list's size.
std::vector<Site> spread(const std::vector<Site>& all, int n);

}  // namespace cxc::layouts
