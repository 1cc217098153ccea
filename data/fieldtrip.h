// FieldTrip connectivity files: the struct that ft_connectivityanalysis returns, saved by MATLAB's
// save (v5, v7 or v7.3), read with libmatio into a data set of one trial whose Active class holds
// the connectivity. The struct (the file's only variable, or the one named) needs:
//   label      cell array of the n channel names;
//   dimord     "chan_chan", "chan_chan_time", "chan_chan_freq" or "chan_chan_freq_time";
//   a connectivity field of n x n (x frequencies) (x times) real numbers: cohspctrm, plvspctrm,
//              wplispctrm, ... (the first one found) or the one named;
//   time       the latencies in seconds, evenly spaced (dimords with time);
//   freq       the frequencies in Hz (dimords with freq): one of them, or a band to average;
//   grad/elec  the sensors (MEG) and electrodes (EEG): label, chanpos (m x 3), unit (m, cm, mm),
//              optional coordsys (ctf, 4d, bti: x to the nose, y left, turned to x right, y front).
// Channels without a position in grad or elec are left out (one warning names them). Anything else
// malformed is refused with one message naming the file and the field.
#pragma once

#include <optional>
#include <string>
#include <utility>

#include "datafolder.h"

namespace cxc::data {

struct FieldTripChoice {
    std::string variable;                            // empty: the file's only variable
    std::string parameter;                           // empty: the first connectivity field found
    std::optional<std::pair<double, double>> freq;   // Hz, both ends included: averaged
};

// Loads the file; `warning` gets the one line about channels left out (empty when none).
LoadResult loadFieldTrip(const std::string& path, const FieldTripChoice& choice, std::string& warning);

// True for a path that names a .mat file (by its extension, any case).
bool isMatFile(const std::string& path);

}  // namespace cxc::data
