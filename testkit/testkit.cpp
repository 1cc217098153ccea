#include "testkit.h"

#include <algorithm>
#include <array>
#include <optional>
#include <set>

#include "classnames.h"
#include "faults.h"
#include "medataset.h"
#include "sensorlayouts.h"
#include "snscohface.h"

namespace cxc::testkit {

struct DataSet::Recipe {
    struct Channel {
        std::wstring name;
        CMDChannelqz::Kind kind = CMDChannelqz::Kind::Meg;
        bool hasPosition = true;
        double x = 0, y = 0, z = 0;
        std::optional<std::pair<double, double>> layout;
        bool noCoil = false;
        bool null = false;
        std::optional<std::pair<bool, bool>> flags;  // good, shown
    };
    struct Series {
        bool constant = true;
        double value = 0.0;
        std::vector<double> values;
        double at(long long t) const
        {
            if (constant) return value;
            return t >= 0 && t < static_cast<long long>(values.size()) ? values[static_cast<size_t>(t)] : 0.0;
        }
    };

    std::vector<Channel> channels;
    long long samples = 100;
    std::function<double(int, int, long long)> generator;
    double diagonal = 1.0;
    std::map<std::pair<int, int>, Series> pairs;   // (min, max) channel pair: both orders
    std::map<std::pair<int, int>, Series> oneWay;  // (row, column) channel pair: that order only
    std::optional<std::vector<int>> rows, cols;
    std::map<std::pair<int, int>, std::pair<int, int>> channelOverride;
    std::set<std::pair<int, int>> nullSeries;
    std::set<int> nullRows;
    std::optional<std::pair<long long, long long>> select;
    long long curRow = 0, curCol = 0;
    int measureKind = 0, meanMode = 0;
    long long stepSize = 1;
    double sampleRate = 1000.0;
    double firstLatency = 0.0;
    std::optional<std::wstring> info, caption;
    std::array<bool, 3> present = {true, true, true};
    double scale[3] = {1.0, 1.0, 1.0};
    int current = -1;
    bool noPairArray[3] = {false, false, false};
    bool noCoupling = false;
    std::wstring session = L"test";
    int trials = 1;
    std::vector<int> projection;

    Channel& channel(int i)
    {
        static Channel none;
        return i >= 0 && i < static_cast<int>(channels.size()) ? channels[static_cast<size_t>(i)] : none;
    }
    void add(const wchar_t* name, CMDChannelqz::Kind kind, double x, double y, double z)
    {
        const bool placed = kind != CMDChannelqz::Kind::Other;
        channels.push_back(Channel{name ? name : L"", kind, placed, x, y, z, {}, false, false, {}});
    }
};

DataSet::DataSet() : recipe_(std::make_unique<Recipe>()) {}
DataSet::~DataSet() = default;
DataSet::DataSet(const DataSet& o) : recipe_(std::make_unique<Recipe>(*o.recipe_)) {}
DataSet& DataSet::operator=(const DataSet& o)
{
    recipe_ = std::make_unique<Recipe>(*o.recipe_);
    return *this;
}

template <class Edit>
DataSet& DataSet::with(Edit edit)
{
    edit(*recipe_);
    return *this;
}

namespace {
using Kind = CMDChannelqz::Kind;
using Recipe = DataSet::Recipe;
std::wstring textOf(const wchar_t* text) { return text ? text : L""; }
}  // namespace

DataSet& DataSet::meg(int n)
{
    for (const auto& s : layouts::spread(layouts::megHelmet(), n)) megAt(s.name.c_str(), s.x, s.y, s.z);
    return *this;
}

DataSet& DataSet::eeg(int n)
{
    // Up to 21 electrodes come from the 10-20 sites, more from the whole 10-10 cap.
    for (const auto& s : layouts::spread(n <= 21 ? layouts::eegCap1020() : layouts::eegCap64(), n))
        eegAt(s.name.c_str(), s.x, s.y, s.z);
    return *this;
}

DataSet& DataSet::megAt(const wchar_t* name, double x, double y, double z)
{
    return with([=](Recipe& r) { r.add(name, Kind::Meg, x, y, z); });
}
DataSet& DataSet::eegAt(const wchar_t* name, double x, double y, double z)
{
    return with([=](Recipe& r) { r.add(name, Kind::Eeg, x, y, z); });
}
DataSet& DataSet::other(const wchar_t* name)
{
    return with([=](Recipe& r) { r.add(name, Kind::Other, 0, 0, 0); });
}
DataSet& DataSet::megAt2d(const wchar_t* name, double x, double y)
{
    return megAt(name, x, y, 0.0).layout(static_cast<int>(recipe_->channels.size()) - 1, x, y);
}
DataSet& DataSet::eegAt2d(const wchar_t* name, double x, double y)
{
    return eegAt(name, x, y, 0.0).layout(static_cast<int>(recipe_->channels.size()) - 1, x, y);
}
DataSet& DataSet::layout(int channel, double x, double y)
{
    return with([=](Recipe& r) { r.channel(channel).layout = std::pair{x, y}; });
}
DataSet& DataSet::noPosition(int c) { return with([=](Recipe& r) { r.channel(c).hasPosition = false; }); }
DataSet& DataSet::noCoil(int c) { return with([=](Recipe& r) { r.channel(c).noCoil = true; }); }
DataSet& DataSet::nullChannel(int c) { return with([=](Recipe& r) { r.channel(c).null = true; }); }
DataSet& DataSet::flags(int channel, bool good, bool shown)
{
    return with([=](Recipe& r) { r.channel(channel).flags = std::pair{good, shown}; });
}

DataSet& DataSet::samples(long long t) { return with([=](Recipe& r) { r.samples = std::max(t, 0LL); }); }
DataSet& DataSet::series(std::function<double(int, int, long long)> f)
{
    return with([&](Recipe& r) { r.generator = std::move(f); });
}
DataSet& DataSet::diagonal(double value) { return with([=](Recipe& r) { r.diagonal = value; }); }
DataSet& DataSet::pair(int a, int b, double value)
{
    return with([=](Recipe& r) { r.pairs[std::minmax(a, b)] = Recipe::Series{true, value, {}}; });
}
DataSet& DataSet::pair(int a, int b, std::vector<double> values)
{
    return with([&](Recipe& r) { r.pairs[std::minmax(a, b)] = Recipe::Series{false, 0.0, values}; });
}
DataSet& DataSet::pairOneWay(int a, int b, std::vector<double> values)
{
    return with([&](Recipe& r) { r.oneWay[{a, b}] = Recipe::Series{false, 0.0, values}; });
}
DataSet& DataSet::rows(std::vector<int> channels) { return with([&](Recipe& r) { r.rows = channels; }); }
DataSet& DataSet::cols(std::vector<int> channels) { return with([&](Recipe& r) { r.cols = channels; }); }
DataSet& DataSet::pairChannels(int row, int col, int rowChnl, int colChnl)
{
    return with([=](Recipe& r) { r.channelOverride[{row, col}] = {rowChnl, colChnl}; });
}
DataSet& DataSet::nullSeries(int i, int j) { return with([=](Recipe& r) { r.nullSeries.insert({i, j}); }); }
DataSet& DataSet::nullRow(int row) { return with([=](Recipe& r) { r.nullRows.insert(row); }); }

DataSet& DataSet::select(long long begin, long long end)
{
    return with([=](Recipe& r) { r.select = std::pair{begin, end}; });
}
DataSet& DataSet::currentRow(long long row) { return with([=](Recipe& r) { r.curRow = row; }); }
DataSet& DataSet::currentColumn(long long col) { return with([=](Recipe& r) { r.curCol = col; }); }
DataSet& DataSet::measureKind(int kind) { return with([=](Recipe& r) { r.measureKind = kind; }); }
DataSet& DataSet::meanMode(int mode) { return with([=](Recipe& r) { r.meanMode = mode; }); }
DataSet& DataSet::stepSize(long long samples) { return with([=](Recipe& r) { r.stepSize = samples; }); }
DataSet& DataSet::sampleRate(double hz) { return with([=](Recipe& r) { r.sampleRate = hz; }); }
DataSet& DataSet::firstLatency(double seconds) { return with([=](Recipe& r) { r.firstLatency = seconds; }); }
DataSet& DataSet::info(const wchar_t* text) { return with([=](Recipe& r) { r.info = textOf(text); }); }
DataSet& DataSet::caption(const wchar_t* text) { return with([=](Recipe& r) { r.caption = textOf(text); }); }
DataSet& DataSet::classes(bool active, bool control, bool result)
{
    return with([=](Recipe& r) { r.present = {active, control, result}; });
}
DataSet& DataSet::classScale(int cls, double factor)
{
    return with([=](Recipe& r) {
        if (cls >= 0 && cls < 3) r.scale[cls] = factor;
    });
}
DataSet& DataSet::withoutPairArray(int cls)
{
    return with([=](Recipe& r) {
        if (cls >= 0 && cls < 3) r.noPairArray[cls] = true;
    });
}
DataSet& DataSet::currentClass(int cls) { return with([=](Recipe& r) { r.current = cls; }); }
DataSet& DataSet::noCoupling() { return with([](Recipe& r) { r.noCoupling = true; }); }

DataSet& DataSet::session(const wchar_t* name) { return with([=](Recipe& r) { r.session = textOf(name); }); }
DataSet& DataSet::trials(int n) { return with([=](Recipe& r) { r.trials = std::max(n, 1); }); }
DataSet& DataSet::projection(std::vector<int> list) { return with([&](Recipe& r) { r.projection = list; }); }

std::unique_ptr<CMDTrialqz> DataSet::buildTrial(int index) const
{
    const Recipe& s = *recipe_;
    auto trial = std::make_unique<CMDTrialqz>();
    trial->trialName.Format(L"trial%02d", index + 1);
    for (const auto& c : s.channels) {
        std::unique_ptr<CMDChannelqz> ch = c.kind == CMDChannelqz::Kind::Other
                                               ? CMDChannelqz::makeOther(CString(c.name))
                                               : c.kind == CMDChannelqz::Kind::Meg ? CMDChannelqz::makeMeg(CString(c.name), c.x, c.y, c.z)
                                                                                   : CMDChannelqz::makeEeg(CString(c.name), c.x, c.y, c.z);
        if (!c.hasPosition) ch->clearPosition3D();
        if (c.noCoil) ch->dropCoils();
        if (c.layout) ch->setLayout(c.layout->first, c.layout->second);
        trial->addChannel(std::move(ch));
    }
    trial->useLayoutPlanes();

    if (!s.noCoupling) {
        const int n = static_cast<int>(s.channels.size());
        std::vector<int> all(static_cast<size_t>(n));
        for (int i = 0; i < n; ++i) all[static_cast<size_t>(i)] = i;
        const std::vector<int>& rowList = s.rows ? *s.rows : all;
        const std::vector<int>& colList = s.cols ? *s.cols : all;
        const long long t = s.samples;
        auto face = std::make_unique<CSnsCohFaceqz>();
        for (int cls = 0; cls < 3; ++cls) {
            if (!s.present[cls]) continue;
            auto data = std::make_unique<CSnsCohDataqz>();
            data->allocatePairs(static_cast<long long>(rowList.size()), static_cast<long long>(colList.size()), t);
            double* diag = data->newSeries();
            for (long long k = 0; k < t; ++k) diag[k] = s.diagonal;
            std::map<std::pair<int, int>, double*> shared;
            auto fill = [&](const Recipe::Series& src) {
                double* out = data->newSeries();
                for (long long k = 0; k < t; ++k) out[k] = src.at(k) * s.scale[cls];
                return out;
            };
            for (size_t i = 0; i < rowList.size(); ++i)
                for (size_t j = 0; j < colList.size(); ++j) {
                    const int a = rowList[i], b = colList[j];
                    double* series = nullptr;
                    if (auto one = s.oneWay.find({a, b}); one != s.oneWay.end()) {
                        series = fill(one->second);
                    } else if (a == b) {
                        series = diag;
                    } else if (auto p = s.pairs.find({std::min(a, b), std::max(a, b)}); p != s.pairs.end() || !s.generator) {
                        double*& sh = shared[{std::min(a, b), std::max(a, b)}];
                        if (!sh) sh = fill(p != s.pairs.end() ? p->second : Recipe::Series{});
                        series = sh;
                    } else {
                        series = data->newSeries();
                        for (long long k = 0; k < t; ++k) series[k] = s.generator(a, b, k) * s.scale[cls];
                    }
                    data->setPair(static_cast<long long>(i), static_cast<long long>(j), a, b, series);
                }
            for (const auto& [at, ch] : s.channelOverride) {
                CWavChnlChnlDataqz* el = data->pairAt(at.first, at.second);
                if (el) data->setPair(at.first, at.second, ch.first, ch.second, el->series);
            }
            for (const auto& at : s.nullSeries) {
                CWavChnlChnlDataqz* el = data->pairAt(at.first, at.second);
                if (el) data->setPair(at.first, at.second, el->rowChnl, el->colChnl, nullptr);
            }
            data->setSamplingRate(s.sampleRate);
            data->setFirstLatency(s.firstLatency);
            data->setStepSize(s.stepSize);
            if (s.select) data->setSelect(s.select->first, s.select->second);
            data->curRow = s.curRow;
            data->curCol = s.curCol;
            data->measureKind = s.measureKind;
            data->meanMode = s.meanMode;
            if (s.info) data->cmptText = CString(*s.info);
            data->text = s.caption ? CString(*s.caption) : classCaption(CString(s.session), trial->trialName, cls);
            data->deriveChnlTypeName(trial->getAllChannelPt(), trial->getTotalChannel());
            data->checkDataRange();
            for (int r : s.nullRows) data->removeRow(r);
            if (s.noPairArray[cls]) data->removePairArray();
            face->setClassData(cls, std::move(data));
        }
        if (s.current >= 0) face->setTrlCxcClass(s.current);
        trial->setCoherenceFace(std::move(face));
    }
    for (size_t i = 0; i < s.channels.size(); ++i)
        if (s.channels[i].null) trial->setChannelEntryNull(static_cast<int>(i));
    return trial;
}

std::unique_ptr<CArrayMEDataSetqz> DataSet::build() const
{
    const Recipe& s = *recipe_;
    auto session = std::make_unique<CMEGDataqz>();
    session->setSessionName(CString(s.session));
    for (size_t i = 0; i < s.channels.size(); ++i)
        if (const auto& f = s.channels[i].flags)
            session->setChannelFlags(static_cast<int>(i), f->first, f->second);
    if (!s.projection.empty()) session->setProjectionParams(s.projection);
    for (int k = 0; k < s.trials; ++k) session->addTrial(buildTrial(k));
    auto dataSet = std::make_unique<CArrayMEDataSetqz>();
    dataSet->addSession(std::move(session));
    return dataSet;
}

CMEGDataqz* sessionOf(CArrayMEDataSetqz& dataSet) { return dataSet.getSessionData(-1); }

CMDTrialqz* trialOf(CArrayMEDataSetqz& dataSet)
{
    CMEGDataqz* s = sessionOf(dataSet);
    return s ? s->getTrialqz(-1) : nullptr;
}

CSnsCohFaceqz* packageOf(CArrayMEDataSetqz& dataSet)
{
    CMDTrialqz* t = trialOf(dataSet);
    return t ? t->getCoherenceFaceqzTime(false) : nullptr;
}

CSnsCohDataqz* classOf(CArrayMEDataSetqz& dataSet, int cls)
{
    CSnsCohFaceqz* f = packageOf(dataSet);
    return f ? f->getCoherenceData(cls) : nullptr;
}

// The next call of that operation throws cxc::faults::Injected; later calls behave normally again.
void throwOnce(const std::string& call)
{
    cxc::faults::detail::armedNames().push_back(call);
    cxc::faults::detail::anyArmed = true;
}

void clearFaults()
{
    cxc::faults::detail::armedNames().clear();
    cxc::faults::detail::anyArmed = false;
}

}  // namespace cxc::testkit
