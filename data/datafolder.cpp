#include "datafolder.h"

#include <bit>
#include <climits>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <limits>
#include <nlohmann/json.hpp>
#include <set>
#include <sstream>
#include <vector>

#include "classnames.h"
#include "medataset.h"
#include "mappedfile.h"
#include "npy.h"
#include "snscohface.h"

namespace cxc::data {
namespace {

namespace fs = std::filesystem;
using json = nlohmann::json;
using ordered = nlohmann::ordered_json;

// The one message of a refusal; thrown inside the loader and caught at its top.
struct Refusal {
    std::string message;
};

[[noreturn]] void refuse(const std::string& file, const std::string& field, const std::string& what)
{
    throw Refusal{file + ": " + field + ": " + what};
}

std::string describe(const json& v)
{
    switch (v.type()) {
    case json::value_t::null: return "null";
    case json::value_t::boolean: return "a boolean";
    case json::value_t::string: return "a string";
    case json::value_t::array: return "an array";
    case json::value_t::object: return "an object";
    case json::value_t::number_float: return "a number with a fraction";
    default: return "a number";
    }
}

// Checks of one JSON object: every key must be known, required ones present, each of its type.
class Object {
public:
    Object(const json& v, std::string file, std::string path, std::initializer_list<const char*> known)
        : v_(v), file_(std::move(file)), path_(std::move(path))
    {
        if (!v.is_object()) refuse(file_, path_.empty() ? "top level" : path_, "must be an object, not " + describe(v));
        for (auto it = v.begin(); it != v.end(); ++it) {
            bool ok = false;
            for (const char* k : known) ok = ok || it.key() == k;
            if (!ok) refuse(file_, field(it.key()), "unknown field");
        }
    }

    std::string field(const std::string& key) const { return path_.empty() ? key : path_ + "." + key; }
    bool has(const char* key) const { return v_.contains(key); }
    const json& get(const char* key) const
    {
        if (!v_.contains(key)) refuse(file_, field(key), "missing");
        return v_.at(key);
    }
    std::string string(const char* key) const
    {
        const json& v = get(key);
        if (!v.is_string()) refuse(file_, field(key), "must be a string, not " + describe(v));
        return v.get<std::string>();
    }
    double finite(const char* key) const
    {
        const json& v = get(key);
        if (!v.is_number()) refuse(file_, field(key), "must be a number, not " + describe(v));
        const double d = v.get<double>();
        if (!std::isfinite(d)) refuse(file_, field(key), "must be finite");
        return d;
    }
    long long integer(const char* key, long long lo, long long hi) const
    {
        const json& v = get(key);
        if (!v.is_number_integer()) refuse(file_, field(key), "must be an integer, not " + describe(v));
        if (v.is_number_unsigned() && v.get<unsigned long long>() > static_cast<unsigned long long>(hi))
            refuse(file_, field(key), "must lie in " + std::to_string(lo) + " .. " + std::to_string(hi));
        const long long x = v.get<long long>();
        if (x < lo || x > hi) refuse(file_, field(key), "must lie in " + std::to_string(lo) + " .. " + std::to_string(hi));
        return x;
    }
    bool boolean(const char* key) const
    {
        const json& v = get(key);
        if (!v.is_boolean()) refuse(file_, field(key), "must be true or false, not " + describe(v));
        return v.get<bool>();
    }
    const json& array(const char* key) const
    {
        const json& v = get(key);
        if (!v.is_array()) refuse(file_, field(key), "must be an array, not " + describe(v));
        return v;
    }
    // An array of exactly n finite numbers (each at least `min` when given).
    std::vector<double> numbers(const char* key, size_t n, const char* what, double min = -HUGE_VAL) const
    {
        const json& v = array(key);
        if (v.size() != n) refuse(file_, field(key), std::string("must be ") + what);
        std::vector<double> out;
        for (const json& x : v) {
            if (!x.is_number()) refuse(file_, field(key), std::string("must be ") + what);
            const double d = x.get<double>();
            if (!std::isfinite(d) || d < min) refuse(file_, field(key), std::string("must be ") + what);
            out.push_back(d);
        }
        return out;
    }

private:
    const json& v_;
    std::string file_;
    std::string path_;
};

struct ChannelEntry {
    std::wstring name;
    bool meg = true;
    double x = 0, y = 0, z = 0;
    bool good = true, shown = true;
    bool hasLayout = false;
    double lx = 0, ly = 0;
};

std::wstring wide(const std::string& s) { return cxc::fromUtf8(s).str(); }

std::string indexed(const std::string& base, size_t i) { return base + "[" + std::to_string(i) + "]"; }

// A plain file name inside the folder: no directories, no way out of it.
void checkFileName(const std::string& name, const std::string& file, const std::string& field)
{
    if (name.empty() || name == "." || name == ".." || name.find('/') != std::string::npos ||
        name.find('\\') != std::string::npos || name.find('\0') != std::string::npos)
        refuse(file, field, "must name a file in the data folder (\"" + name + "\" does not)");
}

// A float64 array in the machine's own byte order, its data aligned for doubles: its pair series
// can point straight into a mapping of the file, so opening reads the header and no data.
std::unique_ptr<CSnsCohDataqz> mapClass(const std::string& npyPath, const npy::Reader& reader, const std::vector<int>& pairs)
{
    if constexpr (std::endian::native != std::endian::little) return nullptr;
    if (reader.dtype() != npy::DType::Float64 || reader.dataOffset() % alignof(double) != 0) return nullptr;
    std::string why;
    std::shared_ptr<MappedFile> file = MappedFile::open(npyPath, why);
    if (!file) refuse(npyPath, "file", why);
    const long long n = static_cast<long long>(pairs.size()), t = reader.shape()[2];
    if (static_cast<std::int64_t>(file->size()) != reader.dataOffset() + n * n * t * 8)
        refuse(npyPath, "data", "changed while it was opened");
    auto data = std::make_unique<CSnsCohDataqz>();
    if (!data->allocatePairs(n, n, t)) refuse(npyPath, "shape", "is too large to hold");
    double* values = reinterpret_cast<double*>(file->bytes() + reader.dataOffset());
    for (long long i = 0; i < n; ++i)
        for (long long j = 0; j < n; ++j)
            data->setPair(i, j, pairs[static_cast<size_t>(i)], pairs[static_cast<size_t>(j)], values + (i * n + j) * t);
    data->keepStorage(std::move(file));
    data->deferDataRange();  // it would read every page of the file
    return data;
}

// Reads class data from an .npy array of shape (n, n, T) whose rows and columns are the channels
// `pairs`. A float64 array is mapped (mapClass); otherwise the values are read into memory, where
// a series equal (bit for bit) to its mirror pair is shared with it, and all-zero series share one
// series.
std::unique_ptr<CSnsCohDataqz> readClass(const std::string& npyPath, const std::vector<int>& pairs,
                                        const std::string& pairsField)
{
    npy::Reader reader;
    npy::Error err;
    if (!reader.open(npyPath, err)) refuse(npyPath, err.field, err.what);
    const auto& shape = reader.shape();
    const long long n = static_cast<long long>(pairs.size());
    if (shape.size() != 3 || shape[0] != n || shape[1] != n || shape[2] < 1) {
        std::string s = "(";
        for (size_t k = 0; k < shape.size(); ++k) s += (k ? ", " : "") + std::to_string(shape[k]);
        s += shape.size() == 1 ? ",)" : ")";
        refuse(npyPath, "shape",
               s + " does not match the " + std::to_string(n) + " channels of " + pairsField + " (expected (" +
                   std::to_string(n) + ", " + std::to_string(n) + ", T) with T >= 1)");
    }
    const long long t = shape[2];
    if (auto mapped = mapClass(npyPath, reader, pairs)) return mapped;
    auto data = std::make_unique<CSnsCohDataqz>();
    if (!data->allocatePairs(n, n, t)) refuse(npyPath, "shape", "is too large to hold");

    std::vector<double> row(static_cast<size_t>(n * t));
    double* zero = nullptr;
    for (long long i = 0; i < n; ++i) {
        if (!reader.read(row.data(), row.size(), err)) refuse(npyPath, err.field, err.what);
        for (long long j = 0; j < n; ++j) {
            const double* v = row.data() + j * t;
            double* series = nullptr;
            if (j < i) {
                double* mirror = data->pairAt(j, i)->series;
                if (std::memcmp(mirror, v, static_cast<size_t>(t) * sizeof(double)) == 0) series = mirror;
            }
            if (!series && i != j) {
                bool allZero = true;
                for (long long s = 0; s < t && allZero; ++s) allZero = std::bit_cast<std::uint64_t>(v[s]) == 0;
                if (allZero) {
                    if (!zero) zero = data->newSeries();
                    series = zero;
                }
            }
            if (!series) {
                series = data->newSeries();
                std::memcpy(series, v, static_cast<size_t>(t) * sizeof(double));
            }
            data->setPair(i, j, pairs[static_cast<size_t>(i)], pairs[static_cast<size_t>(j)], series);
        }
    }
    data->checkDataRange();
    return data;
}

}  // namespace

LoadResult loadDataFolder(const std::string& folder)
{
    LoadResult result;
    try {
        std::error_code ec;
        if (!fs::is_directory(folder, ec)) refuse(folder, "folder", "no such folder");
        const std::string jsonPath = (fs::path(folder) / "dataset.json").string();
        std::ifstream in(jsonPath, std::ios::binary);
        if (!in) refuse(jsonPath, "file", "cannot be read");
        json root;
        try {
            root = json::parse(in);
        } catch (const json::parse_error& e) {
            refuse(jsonPath, "syntax", "not valid JSON (at byte " + std::to_string(e.byte) + ")");
        } catch (const json::exception& e) {
            // A number too large for a double, and the like: the reader's words without its tag.
            const std::string what = e.what();
            const size_t tag = what.find("] ");
            refuse(jsonPath, "syntax", "not valid JSON (" + (tag == std::string::npos ? what : what.substr(tag + 2)) + ")");
        }

        const Object top(root, jsonPath, "",
                         {"format", "version", "session", "sampleRate", "firstLatency", "channels", "trials"});
        if (top.string("format") != "cxc-dataset") refuse(jsonPath, "format", "must be \"cxc-dataset\"");
        if (top.integer("version", 0, std::numeric_limits<int>::max()) != 1)
            refuse(jsonPath, "version", "must be 1 (the only version this program reads)");
        const std::wstring sessionName = wide(top.string("session"));
        const double sampleRate = top.finite("sampleRate");
        if (!(sampleRate > 0.0)) refuse(jsonPath, "sampleRate", "must be above 0");
        const double firstLatency = top.has("firstLatency") ? top.finite("firstLatency") : 0.0;

        // Channels.
        const json& channels = top.array("channels");
        if (channels.empty()) refuse(jsonPath, "channels", "must hold at least one channel");
        if (channels.size() > static_cast<size_t>(std::numeric_limits<int>::max()))
            refuse(jsonPath, "channels", "too many channels");
        std::vector<ChannelEntry> entries;
        for (size_t i = 0; i < channels.size(); ++i) {
            const std::string path = indexed("channels", i);
            const Object ch(channels[i], jsonPath, path, {"name", "type", "position", "good", "shown", "layout"});
            ChannelEntry s;
            s.name = wide(ch.string("name"));
            const std::string type = ch.string("type");
            if (type == "MEG") s.meg = true;
            else if (type == "EEG") s.meg = false;
            else refuse(jsonPath, ch.field("type"), "unknown channel type \"" + type + "\" (\"MEG\" or \"EEG\")");
            const std::vector<double> p = ch.numbers("position", 3, "an array of 3 finite numbers (x, y, z in metres)");
            s.x = p[0];
            s.y = p[1];
            s.z = p[2];
            if (ch.has("good")) s.good = ch.boolean("good");
            if (ch.has("shown")) s.shown = ch.boolean("shown");
            if (ch.has("layout")) {
                const std::vector<double> l = ch.numbers("layout", 2, "an array of 2 finite numbers, both at least 0", 0.0);
                s.hasLayout = true;
                s.lx = l[0];
                s.ly = l[1];
            }
            entries.push_back(s);
        }
        const int channelCount = static_cast<int>(entries.size());

        auto session = std::make_unique<CMEGDataqz>();
        session->setSessionName(CString(sessionName));
        for (int i = 0; i < channelCount; ++i)
            if (!entries[static_cast<size_t>(i)].good || !entries[static_cast<size_t>(i)].shown)
                session->setChannelFlags(i, entries[static_cast<size_t>(i)].good, entries[static_cast<size_t>(i)].shown);

        // Trials.
        const json& trials = top.array("trials");
        if (trials.empty()) refuse(jsonPath, "trials", "must hold at least one trial");
        for (size_t ti = 0; ti < trials.size(); ++ti) {
            const std::string tpath = indexed("trials", ti);
            const Object tr(trials[ti], jsonPath, tpath, {"name", "classes"});
            auto trial = std::make_unique<CMDTrialqz>();
            trial->trialName = CString(wide(tr.string("name")));
            for (const ChannelEntry& s : entries) {
                auto ch = s.meg ? CMDChannelqz::makeMeg(CString(s.name), s.x, s.y, s.z)
                                : CMDChannelqz::makeEeg(CString(s.name), s.x, s.y, s.z);
                if (s.hasLayout) ch->setLayout(s.lx, s.ly);
                trial->addChannel(std::move(ch));
            }
            trial->useLayoutPlanes();

            const Object classes(tr.get("classes"), jsonPath, tr.field("classes"), {"active", "control", "result"});
            std::unique_ptr<CSnsCohFaceqz> face;
            for (int cls = 0; cls < 3; ++cls) {
                if (!classes.has(classKey(cls))) continue;
                const Object c(classes.get(classKey(cls)), jsonPath, classes.field(classKey(cls)),
                               {"pairs", "values", "measureKind", "meanMode", "info", "selection"});
                const json& pairsJson = c.array("pairs");
                if (pairsJson.empty()) refuse(jsonPath, c.field("pairs"), "must list at least one channel");
                std::vector<int> pairs;
                std::set<int> seen;
                for (size_t k = 0; k < pairsJson.size(); ++k) {
                    const json& v = pairsJson[k];
                    const std::string f = indexed(c.field("pairs"), k);
                    if (!v.is_number_integer()) refuse(jsonPath, f, "must be a channel index, not " + describe(v));
                    if (v.is_number_unsigned() ? v.get<unsigned long long>() >= static_cast<unsigned long long>(channelCount)
                                               : (v.get<long long>() < 0 || v.get<long long>() >= channelCount))
                        refuse(jsonPath, f, "channel index " + v.dump() + " is out of range (0 .. " +
                                                std::to_string(channelCount - 1) + ")");
                    const int idx = v.get<int>();
                    if (!seen.insert(idx).second)
                        refuse(jsonPath, f, "channel " + std::to_string(idx) + " is listed twice");
                    pairs.push_back(idx);
                }
                const std::string file = c.string("values");
                checkFileName(file, jsonPath, c.field("values"));
                const std::string npyPath = (fs::path(folder) / file).string();
                if (!fs::is_regular_file(npyPath, ec)) refuse(npyPath, "file", "no such file (named by " + c.field("values") + ")");
                std::unique_ptr<CSnsCohDataqz> data = readClass(npyPath, pairs, c.field("pairs"));

                data->setSamplingRate(sampleRate);
                data->setFirstLatency(firstLatency);
                if (c.has("measureKind")) data->measureKind = static_cast<int>(c.integer("measureKind", INT_MIN, INT_MAX));
                if (c.has("meanMode")) data->meanMode = static_cast<int>(c.integer("meanMode", INT_MIN, INT_MAX));
                if (c.has("info")) data->cmptText = CString(wide(c.string("info")));
                if (c.has("selection")) {
                    const json& sel = c.array("selection");
                    if (sel.size() != 2 || !sel[0].is_number_integer() || !sel[1].is_number_integer() ||
                        (sel[0].is_number_unsigned() && sel[0].get<unsigned long long>() > LLONG_MAX) ||
                        (sel[1].is_number_unsigned() && sel[1].get<unsigned long long>() > LLONG_MAX))
                        refuse(jsonPath, c.field("selection"), "must be two integer sample indices [begin, end]");
                    data->setSelect(sel[0].get<long long>(), sel[1].get<long long>());
                }
                data->text = classCaption(session->getSessionName(), trial->trialName, cls);
                data->deriveChnlTypeName(trial->getAllChannelPt(), trial->getTotalChannel());
                if (!face) face = std::make_unique<CSnsCohFaceqz>();
                face->setClassData(cls, std::move(data));
            }
            if (face) trial->setCoherenceFace(std::move(face));
            session->addTrial(std::move(trial));
        }
        result.dataSet = std::make_unique<CArrayMEDataSetqz>();
        result.dataSet->addSession(std::move(session));
    } catch (const Refusal& r) {
        result.dataSet.reset();
        result.error = r.message;
    } catch (const std::bad_alloc&) {
        result.dataSet.reset();
        result.error = folder + ": memory: the data set does not fit into memory";
    }
    return result;
}

// ---- writing ---------------------------------------------------------------------------------------

namespace {

struct WriteError {
    std::string message;
};

[[noreturn]] void fail(const std::string& message) { throw WriteError{message}; }

bool sameChannel(CMDChannelqz* a, CMDChannelqz* b)
{
    double ax, ay, az, bx, by, bz;
    if (!a || !b || a->name != b->name || a->kind() != b->kind()) return false;
    const bool pa = a->position3D(ax, ay, az), pb = b->position3D(bx, by, bz);
    return pa == pb && (!pa || (ax == bx && ay == by && az == bz));
}

}  // namespace

std::string writeDataFolder(CArrayMEDataSetqz& dataSet, const std::string& folder, ValueType type)
{
    try {
        CMEGDataqz* session = dataSet.getSessionData(-1);
        if (!session) fail(folder + ": the data set has no session to write");
        CMDTrialqz* first = session->getTrialqz(0);
        if (!first) fail(folder + ": the session has no trial to write");
        const int channelCount = first->getTotalChannel();
        if (channelCount < 1) fail(folder + ": the trials have no channels");

        std::vector<std::string> channelLines;
        for (int i = 0; i < channelCount; ++i) {
            CMDChannelqz* ch = first->channelAt(i);
            double x, y, z;
            if (!ch) fail(folder + ": channel " + std::to_string(i) + " is missing from the channel table");
            if (ch->kind() == CMDChannelqz::Kind::Other)
                fail(folder + ": channel " + std::to_string(i) + " is neither MEG nor EEG");
            if (!ch->position3D(x, y, z) || !std::isfinite(x) || !std::isfinite(y) || !std::isfinite(z))
                fail(folder + ": channel " + std::to_string(i) + " has no finite head position");
            ordered c = {{"name", cxc::toUtf8(ch->name)},
                         {"type", ch->kind() == CMDChannelqz::Kind::Meg ? "MEG" : "EEG"},
                         {"position", {x, y, z}}};
            if (!session->goodFlag(i)) c["good"] = false;
            if (!session->shownFlag(i)) c["shown"] = false;
            if (ch->hasLayout()) c["layout"] = {ch->layoutX(), ch->layoutY()};
            channelLines.push_back(c.dump());
        }

        std::error_code ec;
        fs::create_directories(folder, ec);
        if (!fs::is_directory(folder, ec)) fail(folder + ": the folder cannot be made");

        bool haveRate = false;
        double sampleRate = 1000.0, firstLatency = 0.0;
        std::vector<std::string> trialLines;
        for (int ti = 0; ti < session->getTotalTrial(); ++ti) {
            CMDTrialqz* trial = session->getTrialqz(ti);
            if (trial->getTotalChannel() != channelCount)
                fail(folder + ": trial " + std::to_string(ti) + " has other channels than trial 0; a data folder holds one channel list");
            for (int i = 0; i < channelCount; ++i)
                if (!sameChannel(trial->channelAt(i), first->channelAt(i)))
                    fail(folder + ": trial " + std::to_string(ti) + " has other channels than trial 0; a data folder holds one channel list");
            ordered classes = ordered::object();
            CSnsCohFaceqz* face = trial->getCoherenceFaceqzTime(false);
            for (int cls = 0; face && cls < 3; ++cls) {
                CSnsCohDataqz* data = face->getCoherenceData(cls);
                if (!data) continue;
                const std::string what = "trial " + std::to_string(ti) + ", class " + classKey(cls);
                if (!data->getMCC4class()) fail(folder + ": " + what + " has no pair array");
                const long long n = data->rowsWalkable(), t = data->sampleCount;
                if (n < 1 || data->colsWalkable() != n) fail(folder + ": " + what + " is not square; a data folder holds square classes");
                if (t < 1) fail(folder + ": " + what + " has no samples");
                std::vector<int> list;
                for (long long i = 0; i < n; ++i) {
                    CWavChnlChnlDataqz* el = data->pairAt(i, 0);
                    if (!el) fail(folder + ": " + what + ": row " + std::to_string(i) + " is missing");
                    list.push_back(el->rowChnl);
                }
                std::set<int> seen;
                for (int c : list)
                    if (c < 0 || c >= channelCount || !seen.insert(c).second)
                        fail(folder + ": " + what + ": its rows are not distinct channels of the channel table");
                bool float32 = type == ValueType::Float32;
                for (long long i = 0; i < n; ++i)
                    for (long long j = 0; j < n; ++j) {
                        CWavChnlChnlDataqz* el = data->pairAt(i, j);
                        if (!el || el->rowChnl != list[static_cast<size_t>(i)] || el->colChnl != list[static_cast<size_t>(j)])
                            fail(folder + ": " + what + ": element (" + std::to_string(i) + ", " + std::to_string(j) +
                                 ") does not couple the channels of its row and column");
                        if (!el->series || el->seriesLength() < t)
                            fail(folder + ": " + what + ": element (" + std::to_string(i) + ", " + std::to_string(j) + ") has no series");
                    }
                if (type == ValueType::Auto) {
                    float32 = true;
                    for (long long i = 0; i < n && float32; ++i)
                        for (long long j = 0; j < n && float32; ++j) {
                            const double* s = data->pairAt(i, j)->series;
                            for (long long k = 0; k < t && float32; ++k)
                                float32 = std::isnan(s[k]) || static_cast<double>(static_cast<float>(s[k])) == s[k];
                        }
                }
                if (!haveRate) {
                    sampleRate = data->getSamplingRate();
                    firstLatency = data->getFirstLatency();
                    haveRate = true;
                } else if (data->getSamplingRate() != sampleRate || data->getFirstLatency() != firstLatency) {
                    fail(folder + ": " + what + " has another sample rate or first latency; a data folder holds one");
                }

                char name[64];
                std::snprintf(name, sizeof name, "trial%02d-%s.npy", ti + 1, classKey(cls));
                const std::string path = (fs::path(folder) / name).string();
                npy::Writer writer;
                std::string err;
                if (!writer.open(path, float32 ? npy::DType::Float32 : npy::DType::Float64, {n, n, t}, err)) fail(err);
                for (long long i = 0; i < n; ++i)
                    for (long long j = 0; j < n; ++j)
                        if (!writer.write(data->pairAt(i, j)->series, static_cast<size_t>(t), err)) fail(err);
                if (!writer.close(err)) fail(err);

                ordered c = {{"pairs", list},
                          {"values", name},
                          {"measureKind", data->measureKind},
                          {"meanMode", data->meanMode},
                          {"info", cxc::toUtf8(data->cmptText)},
                          {"selection", {data->selectBegin, data->selectEnd}}};
                classes[classKey(cls)] = c;
            }
            trialLines.push_back(ordered{{"name", cxc::toUtf8(trial->trialName)}, {"classes", classes}}.dump());
        }

        // One channel and one trial per line: readable, and diffs stay small.
        std::ostringstream text;
        text << "{\n  \"format\": \"cxc-dataset\",\n  \"version\": 1,\n  \"session\": "
             << json(cxc::toUtf8(session->getSessionName())).dump() << ",\n  \"sampleRate\": " << json(sampleRate).dump()
             << ",\n  \"firstLatency\": " << json(firstLatency).dump() << ",\n  \"channels\": [\n";
        for (size_t i = 0; i < channelLines.size(); ++i)
            text << "    " << channelLines[i] << (i + 1 < channelLines.size() ? ",\n" : "\n");
        text << "  ],\n  \"trials\": [\n";
        for (size_t i = 0; i < trialLines.size(); ++i)
            text << "    " << trialLines[i] << (i + 1 < trialLines.size() ? ",\n" : "\n");
        text << "  ]\n}\n";
        const std::string jsonPath = (fs::path(folder) / "dataset.json").string();
        std::ofstream out(jsonPath, std::ios::binary | std::ios::trunc);
        out << text.str();
        out.close();
        if (!out) fail(jsonPath + ": cannot be written");
    } catch (const WriteError& e) {
        return e.message;
    } catch (const std::bad_alloc&) {
        return folder + ": not enough memory to write the data set";
    }
    return std::string();
}

}  // namespace cxc::data
