// The .npy reader and writer (round trips and every header refusal); data folders: what a valid one gives,
// writer round trips, and one refusal per malformed input; the demo data set's memory and round trip, and
// the sensor layouts (the rest of the demo: snapshots).
#include <algorithm>
#include <cmath>
#include <cstring>
#include <fstream>
#include <limits>
#include <tuple>
#include <vector>

#include "data_fixture.h"
#include "datafolder.h"
#include "demodata.h"
#include "npy.h"
#include "sensorlayouts.h"
#include "testkit.h"
#include "cxcsurface.h"
#include "linkreport.h"
#include "statmegcclcntmapqz.h"

using cxc::testkit::DataSet;
using cxctest::Scratch;
using datatest::writeRawNpy;
namespace fs = std::filesystem;

TEST(Npy, HeaderIsAlignedAndReadableByNumpy)
{
    const std::string h = cxc::npy::headerText(cxc::npy::DType::Float32, {3, 3, 200});
    EXPECT_EQ((10 + h.size()) % 64, 0u);
    EXPECT_EQ(h.back(), '\n');
    EXPECT_EQ(h.rfind("{'descr': '<f4', 'fortran_order': False, 'shape': (3, 3, 200), }", 0), 0u);
    EXPECT_NE(cxc::npy::headerText(cxc::npy::DType::Float64, {7}).find("(7,)"), std::string::npos);
}

TEST(Npy, RoundTripInBothPrecisionsAndTheWriterChecksTheCount)
{
    Scratch dir;
    const double values[] = {1.5, -0.0, std::numeric_limits<double>::quiet_NaN(), INFINITY, 1e-310, 0.1};
    for (auto type : {cxc::npy::DType::Float64, cxc::npy::DType::Float32}) {
        const std::string path = dir.str("a.npy");
        cxc::npy::Writer w;
        std::string err;
        ASSERT_TRUE(w.open(path, type, {1, 2, 3}, err)) << err;
        ASSERT_TRUE(w.write(values, 4, err));
        ASSERT_TRUE(w.write(values + 4, 2, err));
        ASSERT_TRUE(w.close(err)) << err;
        cxc::npy::Reader r;
        cxc::npy::Error e;
        ASSERT_TRUE(r.open(path, e)) << e.field << ": " << e.what;
        EXPECT_EQ(r.dtype(), type);
        EXPECT_EQ(r.shape(), (std::vector<std::int64_t>{1, 2, 3}));
        double back[6];
        ASSERT_TRUE(r.read(back, 6, e));
        EXPECT_EQ(back[0], 1.5);
        EXPECT_TRUE(std::signbit(back[1]));
        EXPECT_TRUE(std::isnan(back[2]));
        EXPECT_EQ(back[3], INFINITY);
        if (type == cxc::npy::DType::Float64) {
            EXPECT_EQ(back[4], 1e-310);
        }
        EXPECT_EQ(back[5], type == cxc::npy::DType::Float64 ? 0.1 : static_cast<double>(0.1f));
    }
    cxc::npy::Writer w;
    std::string err;
    ASSERT_TRUE(w.open(dir.str("short.npy"), cxc::npy::DType::Float64, {2, 2}, err));
    w.write(values, 3, err);
    EXPECT_FALSE(w.close(err));
    EXPECT_NE(err.find("3 values written, the shape needs 4"), std::string::npos) << err;
}

TEST(Npy, EveryBadHeaderIsRefusedNamingItsField)
{
    struct Refusal {
        std::string dict;
        size_t bytes;
        int major;
        const char* field;
        const char* what;  // null: read
    };
    const Refusal cases[] = {
        {"{'descr': '<i4', 'fortran_order': False, 'shape': (2,), }", 8, 1, "descr",
         "dtype '<i4' is not little-endian float64 ('<f8') or float32 ('<f4')"},
        {"{'descr': '>f8', 'fortran_order': False, 'shape': (2,), }", 16, 1, "descr",
         "byte order '>f8' is big-endian; only little-endian ('<f8', '<f4') is read"},
        {"{'descr': '<f8', 'fortran_order': True, 'shape': (2, 2), }", 32, 1, "fortran_order",
         "the array is in Fortran order; only C order is read"},
        {"{'descr': '<f8', 'fortran_order': False, 'shape': (2, 3), }", 40, 1, "data",
         "holds 40 bytes of data; shape (2, 3) needs 48 (truncated)"},
        {"{'descr': '<f4', 'fortran_order': False, 'shape': (2,), }", 12, 1, "data", "holds 12 bytes of data; shape (2,) needs 8"},
        {"{'descr': '<f8', 'fortran_order': False, }", 0, 1, "shape", "the header has no shape"},
        {"{'descr': '<f8', 'fortran_order': False, 'shape': (2, -1), }", 0, 1, "shape",
         "shape is not a tuple of non-negative integers"},
        {"{'descr': '<f8', 'fortran_order': False, 'shape': (1,), 'x': 1}", 8, 1, "header", "unknown key 'x' in the header dict"},
        {"['descr']", 0, 1, "header", "the header is not a dict"},
        {"{'descr': '<f8', 'fortran_order': False, 'shape': (1,), }", 8, 4, "version", "version 4.0 is not one of 1.0, 2.0, 3.0"},
        {"{'descr': '<f8', 'fortran_order': False, 'shape': (2,), }", 16, 2, "", nullptr},  // version 2 is read
    };
    Scratch dir;
    for (const Refusal& c : cases) {
        SCOPED_TRACE(c.dict);
        writeRawNpy(dir.str("x.npy"), c.dict, c.bytes, c.major);
        cxc::npy::Reader r;
        cxc::npy::Error e;
        EXPECT_EQ(r.open(dir.str("x.npy"), e), c.what == nullptr);
        EXPECT_EQ(e.field, c.field);
        EXPECT_EQ(e.what, c.what ? c.what : "");
    }
    std::ofstream(dir.str("text.npy")) << "hello, this is text";
    std::ofstream(dir.str("cut.npy"), std::ios::binary).write("\x93NUMPY\x01\x00\xff\x00{'descr'", 17);
    auto refusal = [&](const char* name) {
        cxc::npy::Reader r;
        cxc::npy::Error e;
        EXPECT_FALSE(r.open(dir.str(name), e)) << name;
        return e;
    };
    EXPECT_EQ(refusal("text.npy").field, "magic");
    EXPECT_EQ(refusal("missing.npy").field, "file");
    EXPECT_EQ(refusal("cut.npy").what, "the file ends inside its header");
}

namespace {

const char* const kBase = R"({"format": "cxc-dataset", "version": 1, "session": "s", "sampleRate": 600,
 "firstLatency": -0.1,
 "channels": [{"name": "MLF11", "type": "MEG", "position": [-0.03, 0.05, 0.1]},
              {"name": "Fz", "type": "EEG", "position": [0, 0.06, 0.1], "good": false}],
 "trials": [{"name": "run01", "classes": {"active": {"pairs": [0, 1], "values": "active.npy"}}}]})";

// dataset.json: the base text with `from` replaced by `to`; without `from`, `to` is the whole text.
void writeJson(const Scratch& d, const char* from, const char* to)
{
    std::string text = from ? kBase : to;
    if (from) {
        const size_t at = text.find(from);
        ASSERT_NE(at, std::string::npos) << from;
        text.replace(at, std::strlen(from), to);
    }
    std::ofstream(d.str("dataset.json")) << text;
}

void writeNpy(const std::string& path, std::vector<std::int64_t> shape)
{
    cxc::npy::Writer w;
    std::string err;
    std::int64_t n = 1;
    for (auto s : shape) n *= s;
    std::vector<double> v(static_cast<size_t>(n));
    for (size_t k = 0; k < v.size(); ++k) v[k] = 0.25 * static_cast<double>(k);
    ASSERT_TRUE(w.open(path, cxc::npy::DType::Float64, shape, err));
    ASSERT_TRUE(w.write(v.data(), v.size(), err));
    ASSERT_TRUE(w.close(err));
}

cxc::data::LoadResult loadValid(const Scratch& d, const char* from = nullptr, const char* to = kBase)
{
    writeJson(d, from, to);
    writeNpy(d.str("active.npy"), {2, 2, 3});
    return cxc::data::loadDataFolder(d.dir());
}

}  // namespace

TEST(DataFolder, AValidFolderGivesItsData)
{
    Scratch f;
    cxc::data::LoadResult r = loadValid(f);
    ASSERT_NE(r.dataSet, nullptr) << r.error;
    EXPECT_EQ(r.error, "");
    CMEGDataqz* s = r.dataSet->getSessionData(-1);
    EXPECT_EQ(s->getSessionName(), L"s");
    EXPECT_EQ(std::pair(s->isGoodChnl4Alltrials(1), s->isShowChnl4Alltrials(1)), std::pair(0, 1));
    CMDTrialqz* t = s->getTrialqz(-1);
    EXPECT_EQ(t->trialName, L"run01");
    EXPECT_EQ(t->getChannelName(1), L"Fz");
    EXPECT_EQ(t->channelAt(1)->isEEGMeasureChannel(), 1);
    EXPECT_FALSE(t->isMegSnsr2dPlaneDone());
    CSnsCohDataqz* d = t->getCoherenceFaceqzTime(false)->getCoherenceData(-1);
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(t->getCoherenceFaceqzTime(false)->getCoherenceData(1), nullptr);
    EXPECT_EQ(std::tuple(d->sampleCount, d->selectBegin, d->selectEnd), std::tuple(3LL, 0LL, 2LL));
    EXPECT_EQ(std::pair(d->pairAt(1, 0)->rowChnl, d->pairAt(1, 0)->colChnl), std::pair(1, 0));
    EXPECT_DOUBLE_EQ(d->pairAt(1, 0)->series[2], 0.25 * 8);  // element (1, 0) is values[6..8]
    EXPECT_DOUBLE_EQ(d->getLatency4PtSecond(60), 0.0);
    EXPECT_EQ(d->getCxcCmptInfo(), L"Coherence");
    EXPECT_EQ(d->getChnlTypeIDname(), L"MEG+EEG");
    EXPECT_EQ(d->text, L"s run01: Active");

    Scratch g;  // with a layout for every MEG channel, the MEG plane is made as given
    r = loadValid(g, R"("position": [-0.03, 0.05, 0.1]})", R"("position": [-0.03, 0.05, 0.1], "layout": [12, 30]})");
    ASSERT_NE(r.dataSet, nullptr) << r.error;
    t = cxc::testkit::trialOf(*r.dataSet);
    EXPECT_TRUE(t->isMegSnsr2dPlaneDone());
    EXPECT_FALSE(t->isEegElectrod2dPlaneDone());
    EXPECT_EQ(std::pair(t->channelAt(0)->megX2d, t->channelAt(0)->megY2d), std::pair(12.0, 30.0));
}

// A float32 array is widened into memory, where equal series are kept once.
TEST(DataFolder, MirrorPairsAndZeroSeriesAreKeptOnce)
{
    auto ds = DataSet().meg(4).samples(5).pair(0, 1, {1, 2, 3, 4, 5}).pairOneWay(2, 3, {9, 9, 9, 9, 9}).build();
    Scratch f;
    ASSERT_EQ(cxc::data::writeDataFolder(*ds, f.dir()), "");
    cxc::data::LoadResult r = cxc::data::loadDataFolder(f.dir());
    ASSERT_NE(r.dataSet, nullptr) << r.error;
    CSnsCohDataqz* d = cxc::testkit::classOf(*r.dataSet, 0);
    EXPECT_EQ(d->pairAt(0, 1)->series, d->pairAt(1, 0)->series);
    EXPECT_NE(d->pairAt(2, 3)->series, d->pairAt(3, 2)->series);  // not mirror images
    EXPECT_EQ(d->pairAt(0, 2)->series, d->pairAt(1, 3)->series);  // both all zeros
}

TEST(DataFolder, WriterAndLoaderRoundTrip)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    auto ds = DataSet()
                  .meg(3)
                  .eegAt2d(L"C3", 10, 20)
                  .eegAt2d(L"C4", 30, 20)
                  .flags(2, false, false)
                  .samples(6)
                  .series([](int a, int b, long long t) { return 0.1 * (a + 1) * (b + 2) + 1e-9 * static_cast<double>(t); })
                  .pair(0, 3, {nan, INFINITY, -INFINITY, 0.1, 1e300, -0.0})
                  .select(1, 4)
                  .measureKind(3)
                  .meanMode(1)
                  .info(L"Coherence, 8-12 Hz")
                  .sampleRate(250.0)
                  .firstLatency(-0.2)
                  .classScale(1, 0.5)
                  .trials(2)
                  .build();
    Scratch f;
    ASSERT_EQ(cxc::data::writeDataFolder(*ds, f.dir(), cxc::data::ValueType::Auto), "");
    // Values that float32 would change are written in float64.
    cxc::npy::Reader reader;
    cxc::npy::Error e;
    ASSERT_TRUE(reader.open(f.str("trial01-active.npy"), e));
    EXPECT_EQ(reader.dtype(), cxc::npy::DType::Float64);
    cxc::data::LoadResult r = cxc::data::loadDataFolder(f.dir());
    ASSERT_NE(r.dataSet, nullptr) << r.error;
    datatest::expectSameData(*ds, *r.dataSet);
    EXPECT_TRUE(cxc::testkit::trialOf(*r.dataSet)->isEegElectrod2dPlaneDone());
}

TEST(DataFolder, WriterRefusesWhatTheFormatCannotHold)
{
    Scratch f;
    CArrayMEDataSetqz empty;
    const struct {
        std::unique_ptr<CArrayMEDataSetqz> ds;
        std::string message;
    } cases[] = {
        {DataSet().meg(3).rows({0, 1}).build(), "trial 0, class active is not square; a data folder holds square classes"},
        {DataSet().meg(2).withoutPairArray(1).build(), "trial 0, class control has no pair array"},
        {DataSet().meg(2).other(L"STI").build(), "channel 2 is neither MEG nor EEG"},
        {DataSet().meg(2).nullSeries(0, 1).build(), "trial 0, class active: element (0, 1) has no series"},
    };
    for (const auto& c : cases) EXPECT_EQ(cxc::data::writeDataFolder(*c.ds, f.dir()), f.dir() + ": " + c.message);
    EXPECT_EQ(cxc::data::writeDataFolder(empty, f.dir()), f.dir() + ": the data set has no session to write");
}

// One case per kind of malformed input. The folder gets dataset.json (the base text with one piece
// replaced, a whole text, or none) and active.npy (valid unless the case makes another).
struct Refusal {
    const char* from;  // null: `to` is the whole text (null too: no dataset.json)
    const char* to;
    std::string message;  // after "<folder>/"; ending in "..." it is the message's start
    std::vector<std::int64_t> shape = {2, 2, 3};
    int cut = 0;  // bytes cut off active.npy's end
};

TEST(DataFolder, EveryMalformedInputIsRefusedWithItsFileAndField)
{
    const Refusal cases[] = {
        {nullptr, nullptr, "dataset.json: file: cannot be read"},
        {nullptr, "{\"format\": ", "dataset.json: syntax: not valid JSON (at byte ..."},
        {nullptr, "[1, 2]", "dataset.json: top level: must be an object, not an array"},
        {R"("session": "s",)", R"("session": "s", "colour": "red",)", "dataset.json: colour: unknown field"},
        {R"("sampleRate": 600,)", "", "dataset.json: sampleRate: missing"},
        {R"("session": "s")", R"("session": 5)", "dataset.json: session: must be a string, not a number"},
        {R"("cxc-dataset")", R"("csv")", "dataset.json: format: must be \"cxc-dataset\""},
        {R"("version": 1)", R"("version": 2)", "dataset.json: version: must be 1 (the only version this program reads)"},
        {R"("sampleRate": 600)", R"("sampleRate": 0)", "dataset.json: sampleRate: must be above 0"},
        {nullptr, R"({"format": "cxc-dataset", "version": 1, "session": "s", "sampleRate": 600, "channels": [], "trials": []})",
         "dataset.json: channels: must hold at least one channel"},
        {R"("type": "MEG")", R"("type": "MAG")", "dataset.json: channels[0].type: unknown channel type \"MAG\" (\"MEG\" or \"EEG\")"},
        {"[0, 0.06, 0.1]", "[0, 0.06]",
         "dataset.json: channels[1].position: must be an array of 3 finite numbers (x, y, z in metres)"},
        {"[0, 0.06, 0.1]", "[0, 1e999, 0.1]", "dataset.json: syntax: not valid JSON (number overflow parsing '1e999')"},
        {R"(, "position": [-0.03, 0.05, 0.1])", "", "dataset.json: channels[0].position: missing"},
        {R"("good": false)", R"("good": false, "layout": [-1, 2])",
         "dataset.json: channels[1].layout: must be an array of 2 finite numbers, both at least 0"},
        {R"("good": false)", R"("good": 0)", "dataset.json: channels[1].good: must be true or false, not a number"},
        {nullptr, R"({"format": "cxc-dataset", "version": 1, "session": "s", "sampleRate": 600,
                     "channels": [{"name": "A", "type": "EEG", "position": [0, 0, 0.1]}], "trials": []})",
         "dataset.json: trials: must hold at least one trial"},
        {R"({"active":)", R"({"passive":)", "dataset.json: trials[0].classes.passive: unknown field"},
        {"[0, 1]", "[0, 2]", "dataset.json: trials[0].classes.active.pairs[1]: channel index 2 is out of range (0 .. 1)"},
        {"[0, 1]", "[-1, 1]", "dataset.json: trials[0].classes.active.pairs[0]: channel index -1 is out of range (0 .. 1)"},
        {"[0, 1]", "[1, 1]", "dataset.json: trials[0].classes.active.pairs[1]: channel 1 is listed twice"},
        {"[0, 1]", "[0, 1.5]",
         "dataset.json: trials[0].classes.active.pairs[1]: must be a channel index, not a number with a fraction"},
        {R"("active.npy")", R"("../active.npy")",
         "dataset.json: trials[0].classes.active.values: must name a file in the data folder (\"../active.npy\" does not)"},
        {R"("active.npy")", R"("gone.npy")", "gone.npy: file: no such file (named by trials[0].classes.active.values)"},
        {R"("values": "active.npy")", R"("values": "active.npy", "selection": [1])",
         "dataset.json: trials[0].classes.active.selection: must be two integer sample indices [begin, end]"},
        {nullptr, kBase,
         "active.npy: shape: (2, 3, 4) does not match the 2 channels of trials[0].classes.active.pairs (expected (2, 2, T) "
         "with T >= 1)",
         {2, 3, 4}},
        {nullptr, kBase,
         "active.npy: shape: (2, 2, 0) does not match the 2 channels of trials[0].classes.active.pairs (expected (2, 2, T) "
         "with T >= 1)",
         {2, 2, 0}},
        // The .npy refusals themselves are the reader's (data_npy_test); here they name the file.
        {nullptr, kBase, "active.npy: data: holds 91 bytes of data; shape (2, 2, 3) needs 96 (truncated)", {2, 2, 3}, 5},
        // Nothing of a second trial is half loaded.
        {R"("values": "active.npy"}}}])",
         R"("values": "active.npy"}}}, {"name": "run02", "classes": {"control": {"pairs": [0, 1], "values": "gone.npy"}}}])",
         "gone.npy: file: no such file (named by trials[1].classes.control.values)"},
    };
    for (const Refusal& c : cases) {
        SCOPED_TRACE(c.message);
        Scratch f;
        if (c.from || c.to) writeJson(f, c.from, c.to);
        const std::string npy = f.str("active.npy");
        writeNpy(npy, c.shape);
        if (c.cut) fs::resize_file(npy, fs::file_size(npy) - static_cast<unsigned>(c.cut));
        const cxc::data::LoadResult r = cxc::data::loadDataFolder(f.dir());
        EXPECT_EQ(r.dataSet, nullptr);
        const std::string want = f.dir() + "/" + c.message;
        if (want.ends_with("...")) {
            EXPECT_TRUE(r.error.starts_with(want.substr(0, want.size() - 3))) << r.error;
        } else {
            EXPECT_EQ(r.error, want);
        }
    }
    const std::string nowhere = (fs::temp_directory_path() / "cxc-no-such-folder" / "x").string();
    const cxc::data::LoadResult r = cxc::data::loadDataFolder(nowhere);
    EXPECT_EQ(r.dataSet, nullptr);
    EXPECT_EQ(r.error, nowhere + ": folder: no such folder");
}

// A float64 array is mapped, not read: every pair points into the file (so mirror pairs are not
// merged); a link map paints and reports exactly as on the data in memory; the module's in-place
// normalisation works on private pages and leaves the file as it was.
TEST(DataFolder, Float64ArraysAreMappedAndShowWhatTheDataInMemoryShow)
{
    auto ds = DataSet().meg(6).samples(40).select(10, 20)
                  .series([](int a, int b, long long t) { return 0.9 * std::sin(0.1 * (a + 1) * (b + 1) + 0.3 * t) + 1e-9; })
                  .build();
    Scratch f;
    ASSERT_EQ(cxc::data::writeDataFolder(*ds, f.dir(), cxc::data::ValueType::Float64), "");
    cxc::data::LoadResult r = cxc::data::loadDataFolder(f.dir());
    ASSERT_NE(r.dataSet, nullptr) << r.error;
    CSnsCohDataqz* d = cxc::testkit::classOf(*r.dataSet, 0);
    EXPECT_NE(d->pairAt(0, 1)->series, d->pairAt(1, 0)->series);
    EXPECT_EQ(d->pairAt(1, 0)->series, d->pairAt(0, 0)->series + 6 * 40);  // the file's C order

    std::vector<COLORREF> pixels[2];
    CString reports[2];
    CArrayMEDataSetqz* sets[2] = {ds.get(), r.dataSet.get()};
    for (int k = 0; k < 2; ++k) {
        CStatMEGCClCntMapqz view;
        view.dataSet = sets[k];
        view.linkThreshold = 0.3;
        CDC dc;
        dc.CreateCompatibleDC(nullptr);
        ASSERT_TRUE(view.paintMap(&dc, CRect(0, 0, 320, 320)));
        for (int y = 0; y < 320; ++y)
            for (int x = 0; x < 320; ++x) pixels[k].push_back(cxc::gdi::pixel(*view.memDC, x, y));
        reports[k] = cxc::linkGraphReport(view, 1, 1, 0);
    }
    EXPECT_TRUE(pixels[0] == pixels[1]);
    EXPECT_EQ(reports[0], reports[1]);
    EXPECT_GT(reports[1].GetLength(), 20);

    const double before = d->pairAt(2, 3)->series[7];
    d->normRMS();
    EXPECT_NE(d->pairAt(2, 3)->series[7], before);
    cxc::data::LoadResult again = cxc::data::loadDataFolder(f.dir());
    ASSERT_NE(again.dataSet, nullptr) << again.error;
    EXPECT_EQ(cxc::testkit::classOf(*again.dataSet, 0)->pairAt(2, 3)->series[7], before);
}

TEST(DemoData, WrittenAndLoadedBackItIsTheSameDataInModestMemory)
{
    const std::unique_ptr<CArrayMEDataSetqz> demo = cxc::demo::build();
    const std::size_t bytes = cxc::demo::couplingBytes(*demo);
    EXPECT_LT(bytes, 240u * 1000u * 1000u);
    EXPECT_GT(bytes, 180u * 1000u * 1000u);
    cxctest::Scratch dir;
    ASSERT_EQ(cxc::data::writeDataFolder(*demo, dir.dir()), "");
    cxc::data::LoadResult r = cxc::data::loadDataFolder(dir.dir());
    ASSERT_NE(r.dataSet, nullptr) << r.error;
    datatest::expectSameData(*demo, *r.dataSet);
    // Kept as compactly as it was built.
    EXPECT_LT(cxc::demo::couplingBytes(*r.dataSet), bytes * 102 / 100);
    EXPECT_LE(cxc::testkit::classOf(*r.dataSet, 0)->valueMax, 1.0);  // correlations
    EXPECT_GE(cxc::testkit::classOf(*r.dataSet, 0)->valueMin, -1.0);
}

TEST(SensorLayouts, TheTenTwentySitesAndEvenlySpreadSites)
{
    const auto sites = cxc::layouts::eegCap1020();
    ASSERT_EQ(sites.size(), 21u);
    EXPECT_EQ(sites.front().name, L"Fpz");
    EXPECT_TRUE(std::any_of(sites.begin(), sites.end(), [](const auto& s) { return s.name == L"Cz"; }));
    const auto all = cxc::layouts::megHelmet();
    const auto four = cxc::layouts::spread(all, 4);
    ASSERT_EQ(four.size(), 4u);
    EXPECT_EQ(four[0].name, all[0].name);
    EXPECT_EQ(four[2].name, all[all.size() / 2].name);
    EXPECT_EQ(cxc::layouts::spread(all, 1000).size(), all.size());
    EXPECT_TRUE(cxc::layouts::spread(all, -3).empty());
}
