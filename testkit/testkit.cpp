#include "testkit.h"

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
        bool hasLayout = false;
        double lx = 0, ly = 0;
        bool noCoil = false;
        bool null = false;
        bool flagsSet = false;
        bool good = true, shown = true;
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
    bool selectSet = false;
    long long selectBegin = 0, selectEnd = 0;
    long long curRow = 0, curCol = 0;
    int measureKind = 0, meanMode = 0;
    long long stepSize = 1;
    double sampleRate = 1000.0;
    std::optional<long long> zeroSample;
    double firstLatency = 0.0;
    std::optional<std::wstring> info, caption, typeName;
    bool present[3] = {true, true, true};
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
};

DataSet::DataSet() : recipe_(std::make_unique<Recipe>()) {}
DataSet::~DataSet() = default;
DataSet::DataSet(const DataSet& o) : recipe_(std::make_unique<Recipe>(*o.recipe_)) {}
DataSet& DataSet::operator=(const DataSet& o)
{
    recipe_ = std::make_unique<Recipe>(*o.recipe_);
    return *this;
}

namespace {
void addSites(std::vector<DataSet::Recipe::Channel>& out, const std::vector<layouts::Site>& sites, CMDChannelqz::Kind kind)
{
    for (const auto& s : sites) {
        DataSet::Recipe::Channel c;
        c.name = s.name;
        c.kind = kind;
        c.x = s.x;
        c.y = s.y;
        c.z = s.z;
        out.push_back(c);
    }
}
}  // namespace

DataSet& DataSet::meg(int n)
{
    addSites(recipe_->channels, layouts::spread(layouts::megHelmet(), n), CMDChannelqz::Kind::Meg);
    return *this;
}

DataSet& DataSet::eeg(int n)
{
    // Up to 21 electrodes come from the 10-20 sites, more from the whole 10-10 cap.
    addSites(recipe_->channels, layouts::spread(n <= 21 ? layouts::eegCap1020() : layouts::eegCap64(), n),
             CMDChannelqz::Kind::Eeg);
    return *this;
}

DataSet& DataSet::megAt(const wchar_t* name, double x, double y, double z)
{
    addSites(recipe_->channels, {layouts::Site{name ? name : L"", x, y, z}}, CMDChannelqz::Kind::Meg);
    return *this;
}

DataSet& DataSet::eegAt(const wchar_t* name, double x, double y, double z)
{
    addSites(recipe_->channels, {layouts::Site{name ? name : L"", x, y, z}}, CMDChannelqz::Kind::Eeg);
    return *this;
}

DataSet& DataSet::megAt2d(const wchar_t* name, double x, double y)
{
    megAt(name, x, y, 0.0);
    return layout(static_cast<int>(recipe_->channels.size()) - 1, x, y);
}

DataSet& DataSet::eegAt2d(const wchar_t* name, double x, double y)
{
    eegAt(name, x, y, 0.0);
    return layout(static_cast<int>(recipe_->channels.size()) - 1, x, y);
}

DataSet& DataSet::other(const wchar_t* name)
{
    Recipe::Channel c;
    c.name = name ? name : L"";
    c.kind = CMDChannelqz::Kind::Other;
    c.hasPosition = false;
    recipe_->channels.push_back(c);
    return *this;
}

DataSet& DataSet::layout(int channel, double x, double y)
{
    Recipe::Channel& c = recipe_->channel(channel);
    c.hasLayout = true;
    c.lx = x;
    c.ly = y;
    return *this;
}

DataSet& DataSet::noPosition(int channel)
{
    recipe_->channel(channel).hasPosition = false;
    return *this;
}

DataSet& DataSet::noCoil(int channel)
{
    recipe_->channel(channel).noCoil = true;
    return *this;
}

DataSet& DataSet::nullChannel(int channel)
{
    recipe_->channel(channel).null = true;
    return *this;
}

DataSet& DataSet::flags(int channel, bool good, bool shown)
{
    Recipe::Channel& c = recipe_->channel(channel);
    c.flagsSet = true;
    c.good = good;
    c.shown = shown;
    return *this;
}

// Setters that only store their argument in the recipe.
#define CXC_STORE(method, type, field)     \
    DataSet& DataSet::method(type value)   \
    {                                      \
        recipe_->field = std::move(value); \
        return *this;                      \
    }
#define CXC_STORE_TEXT(method, field)             \
    DataSet& DataSet::method(const wchar_t* text) \
    {                                             \
        recipe_->field = text ? text : L"";       \
        return *this;                             \
    }
CXC_STORE(diagonal, double, diagonal)
CXC_STORE(rows, std::vector<int>, rows)
CXC_STORE(cols, std::vector<int>, cols)
CXC_STORE(currentRow, long long, curRow)
CXC_STORE(currentColumn, long long, curCol)
CXC_STORE(measureKind, int, measureKind)
CXC_STORE(meanMode, int, meanMode)
CXC_STORE(stepSize, long long, stepSize)
CXC_STORE(sampleRate, double, sampleRate)
CXC_STORE(zeroSample, long long, zeroSample)
CXC_STORE(currentClass, int, current)
CXC_STORE(projection, std::vector<int>, projection)
CXC_STORE_TEXT(info, info)
CXC_STORE_TEXT(caption, caption)
CXC_STORE_TEXT(typeName, typeName)
CXC_STORE_TEXT(session, session)
#undef CXC_STORE
#undef CXC_STORE_TEXT

DataSet& DataSet::samples(long long t)
{
    recipe_->samples = t < 0 ? 0 : t;
    return *this;
}

DataSet& DataSet::series(std::function<double(int, int, long long)> f)
{
    recipe_->generator = std::move(f);
    return *this;
}

DataSet& DataSet::pair(int a, int b, double value)
{
    recipe_->pairs[{std::min(a, b), std::max(a, b)}] = Recipe::Series{true, value, {}};
    return *this;
}

DataSet& DataSet::pair(int a, int b, std::vector<double> values)
{
    recipe_->pairs[{std::min(a, b), std::max(a, b)}] = Recipe::Series{false, 0.0, std::move(values)};
    return *this;
}

DataSet& DataSet::pairOneWay(int a, int b, std::vector<double> values)
{
    recipe_->oneWay[{a, b}] = Recipe::Series{false, 0.0, std::move(values)};
    return *this;
}

DataSet& DataSet::pairChannels(int row, int col, int rowChnl, int colChnl)
{
    recipe_->channelOverride[{row, col}] = {rowChnl, colChnl};
    return *this;
}

DataSet& DataSet::nullSeries(int row, int col)
{
    recipe_->nullSeries.insert({row, col});
    return *this;
}

DataSet& DataSet::nullRow(int row)
{
    recipe_->nullRows.insert(row);
    return *this;
}

DataSet& DataSet::select(long long begin, long long end)
{
    recipe_->selectSet = true;
    recipe_->selectBegin = begin;
    recipe_->selectEnd = end;
    return *this;
}

DataSet& DataSet::firstLatency(double seconds)
{
    recipe_->zeroSample.reset();
    recipe_->firstLatency = seconds;
    return *this;
}

DataSet& DataSet::classes(bool active, bool control, bool result)
{
    recipe_->present[0] = active;
    recipe_->present[1] = control;
    recipe_->present[2] = result;
    return *this;
}

DataSet& DataSet::classScale(int cls, double factor)
{
    if (cls >= 0 && cls < 3) recipe_->scale[cls] = factor;
    return *this;
}

DataSet& DataSet::withoutPairArray(int cls)
{
    if (cls >= 0 && cls < 3) recipe_->noPairArray[cls] = true;
    return *this;
}

DataSet& DataSet::noCoupling()
{
    recipe_->noCoupling = true;
    return *this;
}

DataSet& DataSet::trials(int n)
{
    recipe_->trials = n < 1 ? 1 : n;
    return *this;
}

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
        if (c.hasLayout) ch->setLayout(c.lx, c.ly);
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
            data->setFirstLatency(s.zeroSample ? -static_cast<double>(*s.zeroSample) / data->getSamplingRate() : s.firstLatency);
            data->setStepSize(s.stepSize);
            if (s.selectSet) data->setSelect(s.selectBegin, s.selectEnd);
            data->curRow = s.curRow;
            data->curCol = s.curCol;
            data->measureKind = s.measureKind;
            data->meanMode = s.meanMode;
            if (s.info) data->cmptText = CString(*s.info);
            data->text = s.caption ? CString(*s.caption) : classCaption(CString(s.session), trial->trialName, cls);
            if (s.typeName) data->setChnlTypeName(CString(*s.typeName));
            else data->deriveChnlTypeName(trial->getAllChannelPt(), trial->getTotalChannel());
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
        if (s.channels[i].flagsSet) session->setChannelFlags(static_cast<int>(i), s.channels[i].good, s.channels[i].shown);
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
