// FieldTrip files written with libmatio: same data as a data folder, each malformed struct refused.
#include "data_fixture.h"
#include "fieldtrip_fixture.h"
#include "support.h"
#include "fieldtrip.h"
#include "linkreport.h"
#include "npy.h"
#include "statmegcclcntmapqz.h"

namespace {

using cxctest::Scratch;
using namespace fieldtriptest;
cxc::data::FieldTripChoice pick(std::optional<std::pair<double, double>> freq, std::string parameter = {},
                                std::string variable = {})
{
    cxc::data::FieldTripChoice c;
    c.freq = freq;
    c.parameter = std::move(parameter);
    c.variable = std::move(variable);
    return c;
}

CString report(CArrayMEDataSetqz& ds)
{
    CStatMEGCClCntMapqz view;
    view.dataSet = &ds;
    view.linkThreshold = 0.3;
    return cxc::linkGraphReport(view, 1, 1, 0);
}

}  // namespace

TEST(FieldTrip, AFileGivesTheDataAndReportOfTheEquivalentFolder)
{
    Scratch d;
    // The folder: the three placed channels in metres, the band's average as float64.
    std::filesystem::create_directories(d.path("folder"));
    cxctest::writeFile(d.path("folder") / "dataset.json",
                       R"({"format": "cxc-dataset", "version": 1, "session": "conn",
        "sampleRate": 250.0, "firstLatency": -0.1, "channels": [
        {"name": "MLC11", "type": "MEG", "position": [-0.03, 0.0, 0.09]},
        {"name": "MRC11", "type": "MEG", "position": [0.03, 0.0, 0.09]},
        {"name": "Cz", "type": "EEG", "position": [0.0, 0.0, 0.1]}],
        "trials": [{"name": "stat", "classes": {"active": {"pairs": [0, 1, 2], "values": "a.npy", "info": "cohspctrm, 8 - 12 Hz"}}}]})");
    cxc::npy::Writer w;
    std::string err;
    ASSERT_TRUE(w.open((d.path("folder") / "a.npy").string(), cxc::npy::DType::Float64, {3, 3, 5}, err));
    for (size_t i = 0; i < 3; ++i)
        for (size_t j = 0; j < 3; ++j)
            for (size_t t = 0; t < 5; ++t) ASSERT_TRUE(w.write(std::vector<double>{base(i, j, t)}.data(), 1, err));
    ASSERT_TRUE(w.close(err));
    cxc::data::LoadResult folder = cxc::data::loadDataFolder(d.str("folder"));
    ASSERT_NE(folder.dataSet, nullptr) << folder.error;

    for (mat_ft version : {MAT_FT_MAT5, MAT_FT_MAT73}) {
        const std::string path = d.str("conn.mat");
        writeMat(path, {{"stat", connectivity()}}, version);
        std::string warning;
        cxc::data::LoadResult mat = cxc::data::loadFieldTrip(path, pick(std::pair{8.0, 12.0}), warning);
        ASSERT_NE(mat.dataSet, nullptr) << mat.error;
        EXPECT_EQ(warning, path + ": 1 channel without a position in grad or elec left out: X1");
        EXPECT_EQ(report(*mat.dataSet), report(*folder.dataSet));  // (makes both sensor planes)
        datatest::expectSameData(*folder.dataSet, *mat.dataSet);
    }
}

TEST(FieldTrip, MalformedStructsAreRefusedNamingTheFileAndTheField)
{
    using Change = std::function<void(Fields&)>;
    auto remove = [](const char* f) { return Change([f](Fields& s) { s.erase(f); }); };
    auto set = [](const char* f, std::function<matvar_t*()> v) { return Change([f, v](Fields& s) { s[f] = v; }); };
    const Fields grad = connectivity();
    struct Case {
        Change change;
        cxc::data::FieldTripChoice choice;
        std::string message;  // after "<file>: "
    };
    const std::pair<double, double> alpha{8.0, 12.0};
    const Case cases[] = {
        {remove("label"), pick(alpha), "stat.label: missing"},
        {set("label", [] { return text("MLC11"); }), pick(alpha), "stat.label: must be a cell array of names"},
        {set("label", [] { return names({"A", "B", "A", "C"}); }), pick(alpha), "stat.label{3}: \"A\" is listed twice"},
        {set("dimord", [] { return text("chan_freq"); }), pick(alpha),
         "stat.dimord: \"chan_freq\" is not one of chan_chan, chan_chan_time, chan_chan_freq, chan_chan_freq_time"},
        {remove("cohspctrm"), pick(alpha), "stat: no connectivity field (cohspctrm, plvspctrm, wplispctrm, ...); name one"},
        {[](Fields&) {}, pick(alpha, "plvspctrm"), "stat.plvspctrm: missing"},
        {set("cohspctrm", [] { return numbers({4, 4, 4}, std::vector<double>(64)); }), pick(alpha),
         "stat.cohspctrm: must be 4 x 4 x 4 x 5 (dimord chan_chan_freq_time, 4 labels)"},
        {[](Fields&) {}, pick({}), "stat.freq: 4 frequencies (8 .. 30 Hz): name the band to average"},
        {[](Fields&) {}, pick(std::pair{13.0, 20.0}), "stat.freq: no frequency lies in the band asked for (the file has 8 .. 30 Hz)"},
        {set("time", [] { return numbers({1, 5}, {0, 1, 2, 4, 5}); }), pick(alpha), "stat.time: must be evenly spaced"},
        {set("grad", [] { return structOf(nullptr, {{"label", [] { return names({"MLC11"}); }},
                                                    {"chanpos", [] { return numbers({1, 3}, {0, 0, 1}); }},
                                                    {"unit", [] { return text("inch"); }}}); }),
         pick(alpha), "stat.grad.unit: \"inch\" is not one of m, dm, cm, mm"},
        {set("grad", [] { return structOf(nullptr, {{"label", [] { return names({"MLC11"}); }},
                                                    {"chanpos", [] { return numbers({3, 1}, {0, 0, 1}); }},
                                                    {"unit", [] { return text("m"); }}}); }),
         pick(alpha), "stat.grad.chanpos: must be 1 x 3, one row per label"},
        {[](Fields& s) { s.erase("grad"); s.erase("elec"); }, pick(alpha), "stat.label: no channel has a position in grad or elec"},
        {[](Fields&) {}, pick(alpha, {}, "other"), "other: no such variable (the file holds stat)"},
    };
    Scratch d;
    const std::string path = d.str("bad.mat");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        Fields f = grad;
        c.change(f);
        writeMat(path, {{"stat", f}});
        std::string warning;
        cxc::data::LoadResult r = cxc::data::loadFieldTrip(path, c.choice, warning);
        EXPECT_EQ(r.dataSet, nullptr);
        EXPECT_EQ(r.error, path + ": " + c.message);
        EXPECT_EQ(warning, "");
    }
    // Files that are not one struct of connectivity.
    writeMat(path, {{"a", grad}, {"b", grad}});
    std::string warning;
    EXPECT_EQ(cxc::data::loadFieldTrip(path, {}, warning).error, path + ": variable: the file holds 2 (a, b); name one");
    // An array whose size claims far more than the file holds (cohspctrm's 4 x 4 x 4 x 5 made
    // 2^31 x 4 x 4 x 5): the library would try to allocate it.
    writeMat(path, {{"stat", grad}});
    std::string bytes = cxctest::readFile(path);
    const std::string dims("\x04\0\0\0\x04\0\0\0\x04\0\0\0\x05\0\0\0", 16);
    ASSERT_NE(bytes.find(dims), std::string::npos);
    bytes.replace(bytes.find(dims), 4, std::string("\0\0\0\x80", 4));
    cxctest::writeFile(path, bytes);
    EXPECT_EQ(cxc::data::loadFieldTrip(path, pick(alpha), warning).error,
              path + ": file: damaged: an array claims more than the file holds");
    // A struct field with a name: the library would read the name as the field list of 620 million elements.
    const std::string named = CXC_FIELDTRIP_CORPUS "/v5-struct-claims-15gb";
    EXPECT_EQ(cxc::data::loadFieldTrip(named, pick(alpha), warning).error,
              named + ": file: damaged: an array claims more than the file holds");
    cxctest::writeFile(d.path("text.mat"), "not a MATLAB file");
    EXPECT_EQ(cxc::data::loadFieldTrip(d.str("text.mat"), {}, warning).error,
              d.str("text.mat") + ": file: not a MATLAB file this program reads (v5, v7 or v7.3)");
}
