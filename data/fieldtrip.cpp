#include "fieldtrip.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <cmath>
#include <filesystem>
#include <map>
#include <matio.h>
#include <set>
#include <vector>

#include "classnames.h"
#include "matcheck.h"
#include "medataset.h"
#include "snscohface.h"

namespace cxc::data {
namespace {

namespace fs = std::filesystem;

struct Refusal {
    std::string message;
};

// Connectivity fields of ft_connectivityanalysis, in the order one is picked when none is named.
constexpr const char* kParameters[] = {"cohspctrm",     "plvspctrm",      "wplispctrm",  "wpli_debiasedspctrm",
                                       "ppcspctrm",     "plispctrm",      "powcorrspctrm", "amplcorrspctrm",
                                       "corrspctrm",    "imcspctrm",      "psispctrm",   "grangerspctrm",
                                       "dtfspctrm",     "pdcspctrm",      "instantspctrm"};

class Reader {
public:
    Reader(std::string path, std::string var) : path_(std::move(path)), var_(std::move(var)) {}

    [[noreturn]] void refuse(const std::string& field, const std::string& what) const
    {
        throw Refusal{path_ + ": " + (field.empty() ? var_ : var_ + "." + field) + ": " + what};
    }

    matvar_t* field(matvar_t* s, const std::string& name, bool required = true) const
    {
        matvar_t* f = s ? Mat_VarGetStructFieldByName(s, name.c_str(), 0) : nullptr;
        if (!f && required) refuse(name, "missing");
        return f;
    }

    // Elements of an array, checked against what the file holds.
    size_t count(const matvar_t* v, const std::string& name) const
    {
        if (v->rank < 0 || (v->rank > 0 && !v->dims)) refuse(name, "has no valid size");
        size_t n = 1;
        for (int k = 0; k < v->rank; ++k) {
            if (v->dims[k] != 0 && n > (size_t(1) << 40) / v->dims[k]) refuse(name, "is too large");
            n *= v->dims[k];
        }
        return n;
    }

    std::vector<size_t> dims(const matvar_t* v) const { return std::vector<size_t>(v->dims, v->dims + v->rank); }

    std::string text(const matvar_t* v, const std::string& name) const
    {
        if (!v || v->class_type != MAT_C_CHAR) refuse(name, "must be text");
        const size_t n = count(v, name);
        if (n && (v->rank != 2 || v->dims[0] != 1)) refuse(name, "must be one line of text");
        if (n && !v->data) refuse(name, "holds no text");
        std::string out;
        if (v->data_type == MAT_T_UINT8 || v->data_type == MAT_T_UTF8 || v->data_type == MAT_T_INT8) {
            if (v->nbytes < n) refuse(name, "is shorter than its size");
            out.assign(static_cast<const char*>(v->data), n);
        } else if (v->data_type == MAT_T_UINT16 || v->data_type == MAT_T_UTF16 || v->data_type == MAT_T_INT16) {
            if (v->nbytes / 2 < n) refuse(name, "is shorter than its size");
            const auto* u = static_cast<const unsigned short*>(v->data);
            for (size_t k = 0; k < n; ++k) {
                const unsigned c = u[k];
                if (c < 0x80) {
                    out += static_cast<char>(c);
                } else if (c < 0x800) {
                    out += static_cast<char>(0xC0 | (c >> 6));
                    out += static_cast<char>(0x80 | (c & 0x3F));
                } else if (c >= 0xD800 && c < 0xE000) {
                    out += '?';  // half of a surrogate pair: not one character
                } else {
                    out += static_cast<char>(0xE0 | (c >> 12));
                    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
                    out += static_cast<char>(0x80 | (c & 0x3F));
                }
            }
        } else {
            refuse(name, "must be text");
        }
        return out;
    }

    std::vector<std::string> texts(matvar_t* v, const std::string& name) const
    {
        if (!v || v->class_type != MAT_C_CELL) refuse(name, "must be a cell array of names");
        const size_t n = count(v, name);
        if (n && !v->data) refuse(name, "holds no names");
        std::vector<std::string> out;
        for (size_t k = 0; k < n; ++k) {
            const std::string f = name + "{" + std::to_string(k + 1) + "}";
            matvar_t* cell = Mat_VarGetCell(v, static_cast<int>(k));
            if (!cell) refuse(f, "missing");
            out.push_back(text(cell, f));
        }
        return out;
    }

    std::vector<double> numbers(const matvar_t* v, const std::string& name) const
    {
        if (!v || (v->class_type != MAT_C_DOUBLE && v->class_type != MAT_C_SINGLE))
            refuse(name, "must be an array of real numbers (double or single)");
        if (v->isComplex) refuse(name, "is complex; store real values (abs or real in MATLAB) first");
        const size_t n = count(v, name);
        std::vector<double> out(n);
        if (!n) return out;
        if (!v->data) refuse(name, "holds no values");
        if (v->data_type == MAT_T_DOUBLE) {
            if (v->nbytes / 8 < n) refuse(name, "is shorter than its size");
            const auto* d = static_cast<const double*>(v->data);
            std::copy(d, d + n, out.begin());
        } else if (v->data_type == MAT_T_SINGLE) {
            if (v->nbytes / 4 < n) refuse(name, "is shorter than its size");
            const auto* d = static_cast<const float*>(v->data);
            std::copy(d, d + n, out.begin());
        } else {
            refuse(name, "must be an array of real numbers (double or single)");
        }
        return out;
    }

private:
    std::string path_;
    std::string var_;
};

struct Position {
    double x, y, z;
    bool meg;
};

// Sensor positions of grad (MEG) or elec (EEG), in metres, turned into x right, y front, z up.
void readPositions(const Reader& r, matvar_t* top, const char* name, bool meg, std::map<std::string, Position>& out)
{
    matvar_t* s = r.field(top, name, false);
    if (!s) return;
    const std::string f = name;
    if (s->class_type != MAT_C_STRUCT || r.count(s, f) != 1) r.refuse(f, "must be one struct");
    const std::vector<std::string> labels = r.texts(r.field(s, "label"), f + ".label");
    matvar_t* posVar = r.field(s, "chanpos");
    const std::vector<double> pos = r.numbers(posVar, f + ".chanpos");
    const std::vector<size_t> d = r.dims(posVar);
    if (d.size() != 2 || d[0] != labels.size() || d[1] != 3)
        r.refuse(f + ".chanpos", "must be " + std::to_string(labels.size()) + " x 3, one row per label");
    const std::string unit = r.text(r.field(s, "unit"), f + ".unit");
    // Divided, not multiplied by 0.01: 3 cm becomes exactly the 0.03 that a folder would hold.
    const double per = unit == "m" ? 1.0 : unit == "dm" ? 10.0 : unit == "cm" ? 100.0 : unit == "mm" ? 1000.0 : 0.0;
    if (per == 0.0) r.refuse(f + ".unit", "\"" + unit + "\" is not one of m, dm, cm, mm");
    std::string coordsys;
    if (matvar_t* c = r.field(s, "coordsys", false)) coordsys = r.text(c, f + ".coordsys");
    const bool noseX = coordsys == "ctf" || coordsys == "4d" || coordsys == "bti";
    const size_t m = labels.size();
    for (size_t k = 0; k < m; ++k) {
        const double x = pos[k] / per, y = pos[k + m] / per, z = pos[k + 2 * m] / per;
        if (!std::isfinite(x) || !std::isfinite(y) || !std::isfinite(z)) continue;  // FieldTrip's "no position"
        out.emplace(labels[k], noseX ? Position{-y, x, z, meg} : Position{x, y, z, meg});
    }
}

// The chosen variable, read whole, or a refusal naming what the file holds.
matvar_t* readVariable(mat_t* mat, const std::string& path, std::string& name)
{
    std::vector<std::string> names;
    while (matvar_t* info = Mat_VarReadNextInfo(mat)) {
        if (info->name) names.emplace_back(info->name);
        Mat_VarFree(info);
    }
    std::string list;
    for (const std::string& n : names) list += (list.empty() ? "" : ", ") + n;
    if (name.empty()) {
        if (names.size() != 1)
            throw Refusal{path + ": variable: " +
                          (names.empty() ? std::string("the file holds no variable")
                                         : "the file holds " + std::to_string(names.size()) + " (" + list + "); name one")};
        name = names.front();
    } else if (std::find(names.begin(), names.end(), name) == names.end()) {
        throw Refusal{path + ": " + name + ": no such variable (the file holds " + (list.empty() ? "none" : list) + ")"};
    }
    matvar_t* v = Mat_VarRead(mat, name.c_str());
    if (!v) throw Refusal{path + ": " + name + ": cannot be read"};
    return v;
}

std::unique_ptr<CArrayMEDataSetqz> build(const std::string& path, const FieldTripChoice& choice, std::string& varName,
                                         matvar_t* top, std::string& warning)
{
    const Reader r(path, varName);
    if (top->class_type != MAT_C_STRUCT) r.refuse("", "must be a struct (the output of ft_connectivityanalysis)");
    if (r.count(top, "") != 1) r.refuse("", "must be one struct, not an array of them");

    const std::string dimord = r.text(r.field(top, "dimord"), "dimord");
    const bool hasFreq = dimord == "chan_chan_freq" || dimord == "chan_chan_freq_time";
    const bool hasTime = dimord == "chan_chan_time" || dimord == "chan_chan_freq_time";
    if (!hasFreq && !hasTime && dimord != "chan_chan")
        r.refuse("dimord", "\"" + dimord + "\" is not one of chan_chan, chan_chan_time, chan_chan_freq, chan_chan_freq_time");

    const std::vector<std::string> labels = r.texts(r.field(top, "label"), "label");
    const size_t n = labels.size();
    if (n == 0) r.refuse("label", "lists no channel");
    std::set<std::string> seen;
    for (size_t k = 0; k < n; ++k)
        if (!seen.insert(labels[k]).second) r.refuse("label{" + std::to_string(k + 1) + "}", "\"" + labels[k] + "\" is listed twice");

    std::string param = choice.parameter;
    if (param.empty()) {
        for (const char* p : kParameters)
            if (r.field(top, p, false)) {
                param = p;
                break;
            }
        if (param.empty()) r.refuse("", "no connectivity field (cohspctrm, plvspctrm, wplispctrm, ...); name one");
    }
    matvar_t* values = r.field(top, param);

    // Frequencies averaged: the band's, or the only one.
    size_t freqCount = 1;
    std::vector<size_t> band{0};
    std::string bandText;
    if (hasFreq) {
        const std::vector<double> freq = r.numbers(r.field(top, "freq"), "freq");
        freqCount = freq.size();
        if (freqCount == 0) r.refuse("freq", "lists no frequency");
        band.clear();
        char range[96];
        std::snprintf(range, sizeof range, "%g .. %g Hz", freq.front(), freq.back());
        if (choice.freq) {
            for (size_t k = 0; k < freqCount; ++k)
                if (freq[k] >= choice.freq->first && freq[k] <= choice.freq->second) band.push_back(k);
            if (band.empty()) r.refuse("freq", std::string("no frequency lies in the band asked for (the file has ") + range + ")");
            std::snprintf(range, sizeof range, ", %g - %g Hz", freq[band.front()], freq[band.back()]);
            bandText = range;
        } else if (freqCount == 1) {
            band.push_back(0);
            std::snprintf(range, sizeof range, ", %g Hz", freq[0]);
            bandText = range;
        } else {
            r.refuse("freq", std::to_string(freqCount) + " frequencies (" + range + "): name the band to average");
        }
    } else if (choice.freq) {
        r.refuse("dimord", "\"" + dimord + "\" has no frequencies to choose a band from");
    }

    size_t samples = 1;
    double rate = 1000.0, first = 0.0;
    if (hasTime) {
        const std::vector<double> time = r.numbers(r.field(top, "time"), "time");
        samples = time.size();
        if (samples == 0) r.refuse("time", "lists no latency");
        for (double t : time)
            if (!std::isfinite(t)) r.refuse("time", "must be finite");
        first = time[0];
        if (samples > 1) {
            const double step = (time.back() - time.front()) / static_cast<double>(samples - 1);
            if (!(step > 0.0)) r.refuse("time", "must increase");
            for (size_t k = 0; k < samples; ++k)
                if (std::fabs(time[k] - (first + step * static_cast<double>(k))) > 1e-3 * step)
                    r.refuse("time", "must be evenly spaced");
            rate = 1.0 / step;
            if (!std::isfinite(rate)) r.refuse("time", "must be evenly spaced");
        }
    }

    // n x n (x freq) (x time), MATLAB's trailing ones dropped.
    std::vector<size_t> expected{n, n};
    if (hasFreq) expected.push_back(freqCount);
    if (hasTime) expected.push_back(samples);
    std::vector<size_t> got = r.dims(values);
    while (got.size() < expected.size()) got.push_back(1);
    while (got.size() > expected.size() && got.back() == 1) got.pop_back();
    if (got != expected) {
        std::string e;
        for (size_t d : expected) e += (e.empty() ? "" : " x ") + std::to_string(d);
        r.refuse(param, "must be " + e + " (dimord " + dimord + ", " + std::to_string(n) + " labels)");
    }
    const std::vector<double> v = r.numbers(values, param);

    std::map<std::string, Position> positions;
    readPositions(r, top, "grad", true, positions);
    readPositions(r, top, "elec", false, positions);
    std::vector<size_t> kept;
    std::string missing;
    size_t missingCount = 0;
    for (size_t k = 0; k < n; ++k) {
        if (positions.count(labels[k])) {
            kept.push_back(k);
        } else {
            ++missingCount;
            missing += (missing.empty() ? "" : ", ") + labels[k];
        }
    }
    if (kept.empty()) r.refuse("label", "no channel has a position in grad or elec");
    if (missingCount)
        warning = path + ": " + std::to_string(missingCount) + (missingCount == 1 ? " channel" : " channels") +
                  " without a position in grad or elec left out: " + missing;

    auto session = std::make_unique<CMEGDataqz>();
    session->setSessionName(CString(fromUtf8(fs::path(path).stem().string())));
    auto trial = std::make_unique<CMDTrialqz>();
    trial->trialName = CString(fromUtf8(varName));
    for (size_t k : kept) {
        const Position& p = positions.at(labels[k]);
        const CString name(fromUtf8(labels[k]));
        trial->addChannel(p.meg ? CMDChannelqz::makeMeg(name, p.x, p.y, p.z) : CMDChannelqz::makeEeg(name, p.x, p.y, p.z));
    }
    trial->useLayoutPlanes();

    const long long m = static_cast<long long>(kept.size()), t = static_cast<long long>(samples);
    auto data = std::make_unique<CSnsCohDataqz>();
    if (!data->allocatePairs(m, m, t)) r.refuse(param, "is too large to hold");
    const size_t plane = n * n, block = plane * freqCount;
    for (long long a = 0; a < m; ++a)
        for (long long b = 0; b < m; ++b) {
            double* s = data->newSeries();
            const size_t i = kept[static_cast<size_t>(a)], j = kept[static_cast<size_t>(b)];
            for (long long k = 0; k < t; ++k) {
                double sum = 0.0;
                for (size_t f : band) sum += v[i + n * j + plane * f + block * static_cast<size_t>(k)];
                s[k] = sum / static_cast<double>(band.size());
            }
            data->setPair(a, b, static_cast<int>(a), static_cast<int>(b), s);
        }
    data->setSamplingRate(rate);
    data->setFirstLatency(first);
    data->cmptText = CString(fromUtf8(param + bandText));
    data->text = classCaption(session->getSessionName(), trial->trialName, 0);
    data->deriveChnlTypeName(trial->getAllChannelPt(), trial->getTotalChannel());
    data->checkDataRange();
    auto face = std::make_unique<CSnsCohFaceqz>();
    face->setClassData(0, std::move(data));
    trial->setCoherenceFace(std::move(face));
    session->addTrial(std::move(trial));
    auto dataSet = std::make_unique<CArrayMEDataSetqz>();
    dataSet->addSession(std::move(session));
    return dataSet;
}

}  // namespace

bool isMatFile(const std::string& path)
{
    std::string ext = fs::path(path).extension().string();
    std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return ext == ".mat";
}

namespace {

LoadResult readFile(const std::string& path, const FieldTripChoice& choice, std::string& warning)
{
    LoadResult result;
    mat_t* mat = Mat_Open(path.c_str(), MAT_ACC_RDONLY);
    if (!mat) {
        result.error = path + ": file: not a MATLAB file this program reads (v5, v7 or v7.3)";
        return result;
    }
    matvar_t* top = nullptr;
    try {
        std::string name = choice.variable;
        top = readVariable(mat, path, name);
        result.dataSet = build(path, choice, name, top, warning);
    } catch (const Refusal& r) {
        result.dataSet.reset();
        result.error = r.message;
        warning.clear();
    } catch (const std::bad_alloc&) {
        result.dataSet.reset();
        result.error = path + ": memory: the data set does not fit into memory";
        warning.clear();
    }
    if (top) Mat_VarFree(top);
    Mat_Close(mat);
    return result;
}

// HDF5, which reads v7.3 files, trusts what a damaged file says: it can run past its buffers or loop
// for ever on one; and libmatio allocates sizes a damaged v5 file claims where no check beforehand
// can foresee them (3 KB asked for 15 GB). Every file is read in a child process with a bound on its
// processor time (5 s, and 1 s more per 10 MB of file), which writes what it read as a float64 data
// folder (mapped when loaded here, so the data are not copied twice); a child that dies leaves a
// message.
LoadResult readInChild(const std::string& path, const FieldTripChoice& choice, std::string& warning)
{
    LoadResult result;
    std::string dirTemplate = (fs::temp_directory_path() / "cxcmap-mat-XXXXXX").string();
    int fds[2];
    if (!::mkdtemp(dirTemplate.data()) || ::pipe(fds) != 0) {
        result.error = path + ": file: no temporary folder to read it through";
        return result;
    }
    const fs::path dir = dirTemplate;
    std::fflush(nullptr);
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::close(fds[0]);
        std::error_code sizeError;
        const rlim_t seconds = 5 + static_cast<rlim_t>(fs::file_size(path, sizeError) / 10000000);
        const struct rlimit limit{seconds, seconds + 1};
        ::setrlimit(RLIMIT_CPU, &limit);
        std::string w;
        LoadResult r = readFile(path, choice, w);
        std::string reply = r.dataSet ? writeDataFolder(*r.dataSet, (dir / "set").string(), ValueType::Float64) : r.error;
        reply = (r.dataSet && reply.empty() ? "1" : "0") + reply + '\n' + w;
        for (size_t done = 0; done < reply.size();) {
            const ssize_t k = ::write(fds[1], reply.data() + done, reply.size() - done);
            if (k <= 0) break;
            done += static_cast<size_t>(k);
        }
        ::_exit(0);
    }
    ::close(fds[1]);
    std::string reply;
    char buffer[4096];
    for (ssize_t k; pid > 0 && (k = ::read(fds[0], buffer, sizeof buffer)) != 0;) {
        if (k < 0 && errno == EINTR) continue;
        if (k < 0) break;
        reply.append(buffer, static_cast<size_t>(k));
    }
    ::close(fds[0]);
    int status = 0;
    while (pid > 0 && ::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    const size_t line = reply.find('\n');
    std::error_code ec;
    if (pid <= 0 || !WIFEXITED(status) || WEXITSTATUS(status) != 0 || line == std::string::npos) {
        result.error = path + ": file: damaged (the MATLAB file library could not read it)";
    } else if (reply[0] != '1') {
        result.error = reply.substr(1, line - 1);
    } else {
        result = loadDataFolder((dir / "set").string());
        if (result.dataSet) warning = reply.substr(line + 1);
        else result.error = path + ": file: what was read could not be handed over (" + result.error + ")";
    }
    fs::remove_all(dir, ec);  // a mapping keeps its file
    return result;
}

}  // namespace

LoadResult loadFieldTrip(const std::string& path, const FieldTripChoice& choice, std::string& warning)
{
    warning.clear();
    LoadResult result;
    std::error_code ec;
    if (!fs::is_regular_file(path, ec)) {
        result.error = path + ": file: no such file";
        return result;
    }
    // The library's own complaints about a damaged file would only repeat, less clearly, the one
    // message this reader gives.
    Mat_LogInitFunc("cxcmap", [](int, char*) {});
    if (const std::string damaged = checkMatFile(path); !damaged.empty()) {
        result.error = path + ": file: " + damaged;
        return result;
    }
    return readInChild(path, choice, warning);
}

}  // namespace cxc::data
