// Data folders: what a valid folder gives, round trips through the writer, and one refusal per
// kind of malformed input, each with its message naming the file and the field.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <limits>

#include "datafolder.h"
#include "medataset.h"
#include "npy.h"
#include "snscohface.h"
#include "testkit.h"

namespace fs = std::filesystem;
using cxc::testkit::DataSet;

namespace {

const char* const kBase = R"({"format": "cxc-dataset", "version": 1, "session": "s", "sampleRate": 600,
 "firstLatency": -0.1,
 "channels": [{"name": "MLF11", "type": "MEG", "position": [-0.03, 0.05, 0.1]},
              {"name": "Fz", "type": "EEG", "position": [0, 0.06, 0.1], "good": false}],
 "trials": [{"name": "run01", "classes": {"active": {"pairs": [0, 1], "values": "active.npy"}}}]})";

class Folder {
public:
    Folder()
    {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        std::string name = std::string("cxc-folder-") + info->test_suite_name() + "-" + info->name();
        for (char& c : name)
            if (c == '/') c = '_';
        path_ = fs::temp_directory_path() / name;
        fs::remove_all(path_);
        fs::create_directories(path_);
    }
    ~Folder() { fs::remove_all(path_); }

    std::string dir() const { return path_.string(); }
    std::string file(const char* name) const { return (path_ / name).string(); }

    void json(const std::string& text) const
    {
        std::ofstream out(file("dataset.json"));
        out << text;
    }
    // dataset.json from the base text with one piece replaced.
    void jsonWith(const std::string& from, const std::string& to) const
    {
        std::string text = kBase;
        const size_t at = text.find(from);
        EXPECT_NE(at, std::string::npos) << from;
        if (at != std::string::npos) text.replace(at, from.size(), to);
        json(text);
    }
    void npy(const char* name, std::vector<std::int64_t> shape, cxc::npy::DType type = cxc::npy::DType::Float64) const
    {
        cxc::npy::Writer w;
        std::string err;
        std::int64_t n = 1;
        for (auto d : shape) n *= d;
        std::vector<double> v(static_cast<size_t>(n));
        for (size_t k = 0; k < v.size(); ++k) v[k] = 0.25 * static_cast<double>(k);
        ASSERT_TRUE(w.open(file(name), type, shape, err));
        ASSERT_TRUE(w.write(v.data(), v.size(), err));
        ASSERT_TRUE(w.close(err));
    }
    // An .npy file with this header dict and `bytes` bytes of data.
    void rawNpy(const char* name, const std::string& dict, size_t bytes) const
    {
        std::string text = dict;
        text.append((64 - (10 + text.size() + 1) % 64) % 64, ' ');
        text += '\n';
        std::ofstream out(file(name), std::ios::binary);
        out.write("\x93NUMPY\x01\x00", 8);
        out.put(static_cast<char>(text.size() & 0xFF));
        out.put(static_cast<char>(text.size() >> 8));
        out << text << std::string(bytes, '\0');
    }
    void valid() const
    {
        json(kBase);
        npy("active.npy", {2, 2, 3});
    }
    // Loading must fail with exactly this message, and give no data set.
    void expectRefusal(const std::string& message) const
    {
        cxc::data::LoadResult r = cxc::data::loadDataFolder(dir());
        EXPECT_EQ(r.dataSet, nullptr);
        EXPECT_EQ(r.error, message);
    }
    std::string jsonPath() const { return file("dataset.json"); }

private:
    fs::path path_;
};

bool sameBits(double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0; }

// Everything a data folder keeps, compared field by field.
void expectSameData(CArrayMEDataSetqz& a, CArrayMEDataSetqz& b)
{
    CMEGDataqz* sa = a.getSessionData(-1);
    CMEGDataqz* sb = b.getSessionData(-1);
    ASSERT_TRUE(sa && sb);
    EXPECT_EQ(sa->getSessionName(), sb->getSessionName());
    ASSERT_EQ(sa->getTotalTrial(), sb->getTotalTrial());
    for (int t = 0; t < sa->getTotalTrial(); ++t) {
        CMDTrialqz* ta = sa->getTrialqz(t);
        CMDTrialqz* tb = sb->getTrialqz(t);
        EXPECT_EQ(ta->trialName, tb->trialName);
        ASSERT_EQ(ta->getTotalChannel(), tb->getTotalChannel());
        for (int i = 0; i < ta->getTotalChannel(); ++i) {
            CMDChannelqz* ca = ta->channelAt(i);
            CMDChannelqz* cb = tb->channelAt(i);
            EXPECT_EQ(ca->name, cb->name);
            EXPECT_EQ(ca->kind(), cb->kind());
            double x1, y1, z1, x2, y2, z2;
            ASSERT_TRUE(ca->position3D(x1, y1, z1) && cb->position3D(x2, y2, z2));
            EXPECT_EQ(x1, x2);
            EXPECT_EQ(y1, y2);
            EXPECT_EQ(z1, z2);
            EXPECT_EQ(ca->hasLayout(), cb->hasLayout());
            EXPECT_EQ(ca->layoutX(), cb->layoutX());
            EXPECT_EQ(sa->goodFlag(i), sb->goodFlag(i));
            EXPECT_EQ(sa->shownFlag(i), sb->shownFlag(i));
        }
        EXPECT_EQ(ta->isMegSnsr2dPlaneDone(), tb->isMegSnsr2dPlaneDone());
        CSnsCohFaceqz* fa = ta->getCoherenceFaceqzTime(false);
        CSnsCohFaceqz* fb = tb->getCoherenceFaceqzTime(false);
        ASSERT_EQ(fa == nullptr, fb == nullptr);
        for (int cls = 0; fa && cls < 3; ++cls) {
            CSnsCohDataqz* da = fa->getCoherenceData(cls);
            CSnsCohDataqz* db = fb->getCoherenceData(cls);
            ASSERT_EQ(da == nullptr, db == nullptr) << cls;
            if (!da) continue;
            EXPECT_EQ(da->text, db->text);
            EXPECT_EQ(da->cmptText, db->cmptText);
            EXPECT_EQ(da->getChnlTypeIDname(), db->getChnlTypeIDname());
            EXPECT_EQ(da->sampleCount, db->sampleCount);
            EXPECT_EQ(da->selectBegin, db->selectBegin);
            EXPECT_EQ(da->selectEnd, db->selectEnd);
            EXPECT_EQ(da->measureKind, db->measureKind);
            EXPECT_EQ(da->meanMode, db->meanMode);
            EXPECT_EQ(da->getSamplingRate(), db->getSamplingRate());
            EXPECT_EQ(da->getFirstLatency(), db->getFirstLatency());
            EXPECT_TRUE(sameBits(da->valueMin, db->valueMin) && sameBits(da->valueMax, db->valueMax));
            ASSERT_EQ(da->rowCount, db->rowCount);
            ASSERT_EQ(da->colCount, db->colCount);
            long long differing = 0;
            for (long long i = 0; i < da->rowCount; ++i)
                for (long long j = 0; j < da->colCount; ++j) {
                    CWavChnlChnlDataqz* ea = da->pairAt(i, j);
                    CWavChnlChnlDataqz* eb = db->pairAt(i, j);
                    ASSERT_TRUE(ea && eb);
                    EXPECT_EQ(ea->rowChnl, eb->rowChnl);
                    EXPECT_EQ(ea->colChnl, eb->colChnl);
                    if (std::memcmp(ea->series, eb->series, static_cast<size_t>(da->sampleCount) * sizeof(double)) != 0)
                        ++differing;
                }
            EXPECT_EQ(differing, 0) << "class " << cls;
        }
    }
}

}  // namespace

TEST(DataFolder, AValidFolderGivesItsData)
{
    Folder f;
    f.valid();
    cxc::data::LoadResult r = cxc::data::loadDataFolder(f.dir());
    ASSERT_NE(r.dataSet, nullptr) << r.error;
    EXPECT_EQ(r.error, "");
    CMEGDataqz* s = r.dataSet->getSessionData(-1);
    EXPECT_EQ(s->getSessionName(), L"s");
    EXPECT_EQ(s->isGoodChnl4Alltrials(1), 0);
    EXPECT_EQ(s->isShowChnl4Alltrials(1), 1);
    CMDTrialqz* t = s->getTrialqz(-1);
    EXPECT_EQ(t->trialName, L"run01");
    EXPECT_EQ(t->getChannelName(1), L"Fz");
    EXPECT_EQ(t->channelAt(1)->isEEGMeasureChannel(), 1);
    CSnsCohDataqz* d = t->getCoherenceFaceqzTime(false)->getCoherenceData(-1);
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(t->getCoherenceFaceqzTime(false)->getCoherenceData(1), nullptr);
    EXPECT_EQ(d->sampleCount, 3);
    EXPECT_EQ(d->selectBegin, 0);
    EXPECT_EQ(d->selectEnd, 2);
    EXPECT_EQ(d->pairAt(1, 0)->rowChnl, 1);
    EXPECT_EQ(d->pairAt(1, 0)->colChnl, 0);
    EXPECT_DOUBLE_EQ(d->pairAt(1, 0)->series[2], 0.25 * 8);  // element (1, 0) is values[6..8]
    EXPECT_DOUBLE_EQ(d->getLatency4PtSecond(60), 0.0);
    EXPECT_EQ(d->getCxcCmptInfo(), L"Coherence");
    EXPECT_EQ(d->getChnlTypeIDname(), L"MEG+EEG");
    EXPECT_EQ(d->text, L"s run01: Active");
    EXPECT_FALSE(t->isMegSnsr2dPlaneDone());
}

TEST(DataFolder, LayoutPositionsMakeTheModalityPlane)
{
    Folder f;
    f.jsonWith(R"("position": [-0.03, 0.05, 0.1]})", R"("position": [-0.03, 0.05, 0.1], "layout": [12, 30]})");
    f.npy("active.npy", {2, 2, 3});
    cxc::data::LoadResult r = cxc::data::loadDataFolder(f.dir());
    ASSERT_NE(r.dataSet, nullptr) << r.error;
    CMDTrialqz* t = cxc::testkit::trialOf(*r.dataSet);
    EXPECT_TRUE(t->isMegSnsr2dPlaneDone());
    EXPECT_FALSE(t->isEegElectrod2dPlaneDone());
    EXPECT_DOUBLE_EQ(t->channelAt(0)->megX2d, 12.0);
    EXPECT_DOUBLE_EQ(t->channelAt(0)->megY2d, 30.0);
}

TEST(DataFolder, MirrorPairsAndZeroSeriesAreKeptOnce)
{
    auto ds = DataSet().meg(4).samples(5).pair(0, 1, {1, 2, 3, 4, 5}).pairOneWay(2, 3, {9, 9, 9, 9, 9}).build();
    Folder f;
    ASSERT_EQ(cxc::data::writeDataFolder(*ds, f.dir()), "");
    cxc::data::LoadResult r = cxc::data::loadDataFolder(f.dir());
    ASSERT_NE(r.dataSet, nullptr) << r.error;
    CSnsCohDataqz* d = cxc::testkit::classOf(*r.dataSet, 0);
    EXPECT_EQ(d->pairAt(0, 1)->series, d->pairAt(1, 0)->series);
    EXPECT_NE(d->pairAt(2, 3)->series, d->pairAt(3, 2)->series);  // not mirror images
    EXPECT_EQ(d->pairAt(0, 2)->series, d->pairAt(1, 3)->series);  // both all zeros
    EXPECT_NE(d->pairAt(0, 0)->series, d->pairAt(0, 2)->series);  // self pairs keep their own
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
    Folder f;
    ASSERT_EQ(cxc::data::writeDataFolder(*ds, f.dir(), cxc::data::ValueType::Auto), "");
    // Values that float32 would change are written in float64.
    cxc::npy::Reader reader;
    cxc::npy::Error e;
    ASSERT_TRUE(reader.open(f.file("trial01-active.npy"), e));
    EXPECT_EQ(reader.dtype(), cxc::npy::DType::Float64);
    cxc::data::LoadResult r = cxc::data::loadDataFolder(f.dir());
    ASSERT_NE(r.dataSet, nullptr) << r.error;
    expectSameData(*ds, *r.dataSet);
    EXPECT_TRUE(cxc::testkit::trialOf(*r.dataSet)->isEegElectrod2dPlaneDone());
}

TEST(DataFolder, WriterRefusesWhatTheFormatCannotHold)
{
    Folder f;
    auto rect = DataSet().meg(3).rows({0, 1}).build();
    EXPECT_EQ(cxc::data::writeDataFolder(*rect, f.dir()),
              f.dir() + ": trial 0, class active is not square; a data folder holds square classes");
    auto noArray = DataSet().meg(2).withoutPairArray(1).build();
    EXPECT_EQ(cxc::data::writeDataFolder(*noArray, f.dir()), f.dir() + ": trial 0, class control has no pair array");
    auto trigger = DataSet().meg(2).other(L"STI").build();
    EXPECT_EQ(cxc::data::writeDataFolder(*trigger, f.dir()), f.dir() + ": channel 2 is neither MEG nor EEG");
    auto holes = DataSet().meg(2).nullSeries(0, 1).build();
    EXPECT_EQ(cxc::data::writeDataFolder(*holes, f.dir()), f.dir() + ": trial 0, class active: element (0, 1) has no series");
    CArrayMEDataSetqz empty;
    EXPECT_EQ(cxc::data::writeDataFolder(empty, f.dir()), f.dir() + ": the data set has no session to write");
}

// ---- refusals ----

TEST(DataFolderRefusal, NoSuchFolder)
{
    const std::string where = (fs::temp_directory_path() / "cxc-no-such-folder" / "x").string();
    cxc::data::LoadResult r = cxc::data::loadDataFolder(where);
    EXPECT_EQ(r.dataSet, nullptr);
    EXPECT_EQ(r.error, where + ": folder: no such folder");
}

TEST(DataFolderRefusal, NoDatasetJson)
{
    Folder f;
    f.expectRefusal(f.jsonPath() + ": file: cannot be read");
}

TEST(DataFolderRefusal, NotJson)
{
    Folder f;
    f.json("{\"format\": ");
    cxc::data::LoadResult r = cxc::data::loadDataFolder(f.dir());
    EXPECT_EQ(r.dataSet, nullptr);
    EXPECT_EQ(r.error.rfind(f.jsonPath() + ": syntax: not valid JSON (at byte ", 0), 0u) << r.error;
}

TEST(DataFolderRefusal, TopLevelNotAnObject)
{
    Folder f;
    f.json("[1, 2]");
    f.expectRefusal(f.jsonPath() + ": top level: must be an object, not an array");
}

TEST(DataFolderRefusal, UnknownField)
{
    Folder f;
    f.npy("active.npy", {2, 2, 3});
    f.jsonWith(R"("session": "s",)", R"("session": "s", "colour": "red",)");
    f.expectRefusal(f.jsonPath() + ": colour: unknown field");
}

TEST(DataFolderRefusal, MissingField)
{
    Folder f;
    f.npy("active.npy", {2, 2, 3});
    f.jsonWith(R"("sampleRate": 600,)", "");
    f.expectRefusal(f.jsonPath() + ": sampleRate: missing");
}

TEST(DataFolderRefusal, MistypedField)
{
    Folder f;
    f.npy("active.npy", {2, 2, 3});
    f.jsonWith(R"("session": "s")", R"("session": 5)");
    f.expectRefusal(f.jsonPath() + ": session: must be a string, not a number");
}

TEST(DataFolderRefusal, WrongFormat)
{
    Folder f;
    f.jsonWith(R"("cxc-dataset")", R"("csv")");
    f.expectRefusal(f.jsonPath() + ": format: must be \"cxc-dataset\"");
}

TEST(DataFolderRefusal, UnknownVersion)
{
    Folder f;
    f.jsonWith(R"("version": 1)", R"("version": 2)");
    f.expectRefusal(f.jsonPath() + ": version: must be 1 (the only version this program reads)");
}

TEST(DataFolderRefusal, SampleRateNotPositive)
{
    Folder f;
    f.jsonWith(R"("sampleRate": 600)", R"("sampleRate": 0)");
    f.expectRefusal(f.jsonPath() + ": sampleRate: must be above 0");
}

TEST(DataFolderRefusal, NoChannels)
{
    Folder f;
    f.json(R"({"format": "cxc-dataset", "version": 1, "session": "s", "sampleRate": 600, "channels": [], "trials": []})");
    f.expectRefusal(f.jsonPath() + ": channels: must hold at least one channel");
}

TEST(DataFolderRefusal, UnknownChannelType)
{
    Folder f;
    f.jsonWith(R"("type": "MEG")", R"("type": "MAG")");
    f.expectRefusal(f.jsonPath() + ": channels[0].type: unknown channel type \"MAG\" (\"MEG\" or \"EEG\")");
}

TEST(DataFolderRefusal, PositionOfTwoNumbers)
{
    Folder f;
    f.jsonWith("[0, 0.06, 0.1]", "[0, 0.06]");
    f.expectRefusal(f.jsonPath() + ": channels[1].position: must be an array of 3 finite numbers (x, y, z in metres)");
}

TEST(DataFolderRefusal, PositionNotFinite)
{
    Folder f;
    f.jsonWith("[0, 0.06, 0.1]", "[0, 1e999, 0.1]");
    f.expectRefusal(f.jsonPath() + ": syntax: not valid JSON (number overflow parsing '1e999')");
}

TEST(DataFolderRefusal, PositionMissing)
{
    Folder f;
    f.jsonWith(R"(, "position": [-0.03, 0.05, 0.1])", "");
    f.expectRefusal(f.jsonPath() + ": channels[0].position: missing");
}

TEST(DataFolderRefusal, LayoutBelowZero)
{
    Folder f;
    f.jsonWith(R"("good": false)", R"("good": false, "layout": [-1, 2])");
    f.expectRefusal(f.jsonPath() + ": channels[1].layout: must be an array of 2 finite numbers, both at least 0");
}

TEST(DataFolderRefusal, FlagNotBoolean)
{
    Folder f;
    f.jsonWith(R"("good": false)", R"("good": 0)");
    f.expectRefusal(f.jsonPath() + ": channels[1].good: must be true or false, not a number");
}

TEST(DataFolderRefusal, NoTrials)
{
    Folder f;
    f.json(R"({"format": "cxc-dataset", "version": 1, "session": "s", "sampleRate": 600,
      "channels": [{"name": "A", "type": "EEG", "position": [0, 0, 0.1]}], "trials": []})");
    f.expectRefusal(f.jsonPath() + ": trials: must hold at least one trial");
}

TEST(DataFolderRefusal, UnknownClass)
{
    Folder f;
    f.jsonWith(R"({"active":)", R"({"passive":)");
    f.expectRefusal(f.jsonPath() + ": trials[0].classes.passive: unknown field");
}

TEST(DataFolderRefusal, ChannelIndexOutOfRange)
{
    Folder f;
    f.jsonWith("[0, 1]", "[0, 2]");
    f.expectRefusal(f.jsonPath() + ": trials[0].classes.active.pairs[1]: channel index 2 is out of range (0 .. 1)");
}

TEST(DataFolderRefusal, NegativeChannelIndex)
{
    Folder f;
    f.jsonWith("[0, 1]", "[-1, 1]");
    f.expectRefusal(f.jsonPath() + ": trials[0].classes.active.pairs[0]: channel index -1 is out of range (0 .. 1)");
}

TEST(DataFolderRefusal, DuplicatePairEntry)
{
    Folder f;
    f.jsonWith("[0, 1]", "[1, 1]");
    f.expectRefusal(f.jsonPath() + ": trials[0].classes.active.pairs[1]: channel 1 is listed twice");
}

TEST(DataFolderRefusal, PairEntryNotAnIndex)
{
    Folder f;
    f.jsonWith("[0, 1]", "[0, 1.5]");
    f.expectRefusal(f.jsonPath() + ": trials[0].classes.active.pairs[1]: must be a channel index, not a number with a fraction");
}

TEST(DataFolderRefusal, ValuesOutsideTheFolder)
{
    Folder f;
    f.jsonWith(R"("active.npy")", R"("../active.npy")");
    f.expectRefusal(f.jsonPath() +
                    ": trials[0].classes.active.values: must name a file in the data folder (\"../active.npy\" does not)");
}

TEST(DataFolderRefusal, ValuesFileMissing)
{
    Folder f;
    f.json(kBase);
    f.expectRefusal(f.file("active.npy") + ": file: no such file (named by trials[0].classes.active.values)");
}

TEST(DataFolderRefusal, SelectionNotTwoIndices)
{
    Folder f;
    f.npy("active.npy", {2, 2, 3});
    f.jsonWith(R"("values": "active.npy")", R"("values": "active.npy", "selection": [1])");
    f.expectRefusal(f.jsonPath() + ": trials[0].classes.active.selection: must be two integer sample indices [begin, end]");
}

TEST(DataFolderRefusal, ArrayShapeDoesNotMatchThePairs)
{
    Folder f;
    f.json(kBase);
    f.npy("active.npy", {2, 3, 4});
    f.expectRefusal(f.file("active.npy") +
                    ": shape: (2, 3, 4) does not match the 2 channels of trials[0].classes.active.pairs (expected (2, 2, T) with T >= 1)");
}

TEST(DataFolderRefusal, ArrayWithoutSamples)
{
    Folder f;
    f.json(kBase);
    f.npy("active.npy", {2, 2, 0});
    f.expectRefusal(f.file("active.npy") +
                    ": shape: (2, 2, 0) does not match the 2 channels of trials[0].classes.active.pairs (expected (2, 2, T) with T >= 1)");
}

TEST(DataFolderRefusal, ArrayOfAnotherDtype)
{
    Folder f;
    f.json(kBase);
    f.rawNpy("active.npy", "{'descr': '<i8', 'fortran_order': False, 'shape': (2, 2, 1), }", 32);
    f.expectRefusal(f.file("active.npy") + ": descr: dtype '<i8' is not little-endian float64 ('<f8') or float32 ('<f4')");
}

TEST(DataFolderRefusal, ArrayInBigEndianOrder)
{
    Folder f;
    f.json(kBase);
    f.rawNpy("active.npy", "{'descr': '>f8', 'fortran_order': False, 'shape': (2, 2, 1), }", 32);
    f.expectRefusal(f.file("active.npy") + ": descr: byte order '>f8' is big-endian; only little-endian ('<f8', '<f4') is read");
}

TEST(DataFolderRefusal, ArrayInFortranOrder)
{
    Folder f;
    f.json(kBase);
    f.rawNpy("active.npy", "{'descr': '<f8', 'fortran_order': True, 'shape': (2, 2, 1), }", 32);
    f.expectRefusal(f.file("active.npy") + ": fortran_order: the array is in Fortran order; only C order is read");
}

TEST(DataFolderRefusal, TruncatedArray)
{
    Folder f;
    f.json(kBase);
    f.npy("active.npy", {2, 2, 3});
    fs::resize_file(f.file("active.npy"), fs::file_size(f.file("active.npy")) - 5);
    f.expectRefusal(f.file("active.npy") + ": data: holds 91 bytes of data; shape (2, 2, 3) needs 96 (truncated)");
}

TEST(DataFolderRefusal, NothingOfASecondTrialIsHalfLoaded)
{
    Folder f;
    f.npy("active.npy", {2, 2, 3});
    f.jsonWith(R"("trials": [{"name": "run01", "classes": {"active": {"pairs": [0, 1], "values": "active.npy"}}}])",
               R"("trials": [{"name": "run01", "classes": {"active": {"pairs": [0, 1], "values": "active.npy"}}},
                             {"name": "run02", "classes": {"control": {"pairs": [0, 1], "values": "gone.npy"}}}])");
    f.expectRefusal(f.file("gone.npy") + ": file: no such file (named by trials[1].classes.control.values)");
}
