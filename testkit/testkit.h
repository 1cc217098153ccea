// The test kit: small data sets made to measure, and the fault hooks. A data set is described with
// chained calls and built whole:
//     auto ds = cxc::testkit::DataSet().meg(4).pair(0, 1, 0.8).pair(2, 3, 0.1).build();
// Defaults: one session "test" with one trial "trial01"; 100 samples at 1000 Hz (latency in ms =
// sample index); all three classes with the same data; rows and columns are all channels in order
// (element (i, j) couples channel i with channel j); self pairs 1.0, other pairs 0.0; selection
// 0..T-1; current row and column 0; step size 1.
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "afxstr.h"

class CArrayMEDataSetqz;
class CMDTrialqz;
class CSnsCohDataqz;
class CSnsCohFaceqz;
class CMEGDataqz;

namespace cxc::testkit {

class DataSet {
public:
    DataSet();
    ~DataSet();
    DataSet(const DataSet&);
    DataSet& operator=(const DataSet&);

    // ---- channels, appended in call order (indices count from 0) ----
    DataSet& meg(int n);   // n sensors spread over the helmet (MLC11, MRF23, MZO01, ...)
    DataSet& eeg(int n);   // n electrodes spread over the 10-20 sites (Fp1, Cz, ...); over 21, the 10-10 cap
    DataSet& megAt(const wchar_t* name, double x, double y, double z);  // head position in metres
    DataSet& eegAt(const wchar_t* name, double x, double y, double z);
    // A channel placed on the 2-D plane directly (plane units); its head position is (x, y, 0).
    // When every channel of a modality is placed so, that modality's plane is made from them.
    DataSet& megAt2d(const wchar_t* name, double x, double y);
    DataSet& eegAt2d(const wchar_t* name, double x, double y);
    DataSet& other(const wchar_t* name);            // neither MEG nor EEG
    DataSet& layout(int channel, double x, double y);  // a 2-D position for an existing channel
    DataSet& noPosition(int channel);  // no sensor or electrode at all
    DataSet& noCoil(int channel);      // a sensor without coils (an EEG channel without electrodes)
    DataSet& nullChannel(int channel); // the channel table's entry stays null
    DataSet& flags(int channel, bool good, bool shown);

    // ---- coupling series (channel indices) ----
    DataSet& samples(long long t);
    // Series of every pair of different channels: f(row channel, column channel, sample).
    DataSet& series(std::function<double(int, int, long long)> f);
    DataSet& diagonal(double value);
    DataSet& pair(int a, int b, double value);               // both orders share one series
    DataSet& pair(int a, int b, std::vector<double> values); // missing samples are 0
    DataSet& pairOneWay(int a, int b, std::vector<double> values);  // element (a, b) only
    // Row and column channels of the pair array (default: all channels).
    DataSet& rows(std::vector<int> channels);
    DataSet& cols(std::vector<int> channels);
    // Element indices of the pair array:
    DataSet& pairChannels(int row, int col, int rowChnl, int colChnl);  // any indices, also invalid
    DataSet& nullSeries(int row, int col);
    DataSet& nullRow(int row);

    // ---- class data ----
    DataSet& select(long long begin, long long end);
    DataSet& currentRow(long long row);
    DataSet& currentColumn(long long col);
    DataSet& measureKind(int kind);
    DataSet& meanMode(int mode);
    DataSet& stepSize(long long samples);
    DataSet& sampleRate(double hz);
    DataSet& firstLatency(double seconds);
    DataSet& info(const wchar_t* text);      // the computation text (getCxcCmptInfo)
    DataSet& caption(const wchar_t* text);   // the class data's text
    DataSet& classes(bool active, bool control, bool result);
    DataSet& classScale(int cls, double factor);  // that class's series are the others' times factor
    DataSet& currentClass(int cls);
    DataSet& withoutPairArray(int cls);
    DataSet& noCoupling();  // the trial has no coupling package

    // ---- session ----
    DataSet& session(const wchar_t* name);
    DataSet& trials(int n);  // n trials with these channels and data, "trial01", "trial02", ...
    DataSet& projection(std::vector<int> channels);  // the session's projection parameters

    std::unique_ptr<CArrayMEDataSetqz> build() const;
    std::unique_ptr<CMDTrialqz> buildTrial(int index = 0) const;

    struct Recipe;  // the description, opaque outside the kit

private:
    template <class Edit>
    DataSet& with(Edit edit);  // applies the edit to the recipe
    std::unique_ptr<Recipe> recipe_;
};

// The current session, trial, package and class data of a built data set (null where missing).
CMEGDataqz* sessionOf(CArrayMEDataSetqz& dataSet);
CMDTrialqz* trialOf(CArrayMEDataSetqz& dataSet);
CSnsCohFaceqz* packageOf(CArrayMEDataSetqz& dataSet);
CSnsCohDataqz* classOf(CArrayMEDataSetqz& dataSet, int cls = -1);

// Fault hooks: the next call of the named companion operation throws ("CMDChannel0SensorInfo::
// getMEGSensorqz", "CBscMagSns::getCoilPositionD", "CSnsCohData::getValueSelect", ...). Every
// hooked operation carries its qualified name; tests should clear the hooks they armed.
void throwOnce(const std::string& call);
void clearFaults();

}  // namespace cxc::testkit
