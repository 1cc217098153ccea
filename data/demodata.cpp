#include "demodata.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <vector>

#include "classnames.h"
#include "medataset.h"
#include "sensorlayouts.h"
#include "snscohface.h"

namespace cxc::demo {
namespace {

using Vec3 = std::array<double, 3>;

constexpr int kBackground = 48;       // stationary cortical sources
constexpr int kNetwork = 4;           // sources that couple around the peak latency
constexpr double kNetworkGain = 3.0;  // network sources are this much stronger
constexpr double kMegNoise = 0.05;    // sensor noise variance, against the strongest unit gain
constexpr double kEegNoise = 0.05;
constexpr double kEstimateSd = 0.10;  // spread of a correlation estimated over one window at r = 0

struct Source {
    Vec3 pos;     // m
    Vec3 moment;  // unit
};

Vec3 sub(const Vec3& a, const Vec3& b) { return {a[0] - b[0], a[1] - b[1], a[2] - b[2]}; }
double dot(const Vec3& a, const Vec3& b) { return a[0] * b[0] + a[1] * b[1] + a[2] * b[2]; }
Vec3 cross(const Vec3& a, const Vec3& b)
{
    return {a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]};
}
Vec3 unit(const Vec3& a)
{
    const double n = std::sqrt(dot(a, a));
    return {a[0] / n, a[1] / n, a[2] / n};
}

constexpr Vec3 kHeadCentre{0.0, 0.0, 0.04};

// A tangential moment (a radial one would be silent in MEG), turned by `angle` about the radial.
Vec3 tangential(const Vec3& pos, double angle)
{
    const Vec3 r = unit(sub(pos, kHeadCentre));
    const Vec3 e1 = unit(cross(r, std::fabs(r[2]) < 0.9 ? Vec3{0.0, 0.0, 1.0} : Vec3{1.0, 0.0, 0.0}));
    const Vec3 e2 = cross(r, e1);
    return {std::cos(angle) * e1[0] + std::sin(angle) * e2[0], std::cos(angle) * e1[1] + std::sin(angle) * e2[1],
            std::cos(angle) * e1[2] + std::sin(angle) * e2[2]};
}

// The network first (both auditory cortices, left frontal, right parietal), then the background
// spread over a cortical shell by a golden-angle spiral.
std::vector<Source> sources()
{
    std::vector<Source> out;
    const Vec3 network[kNetwork] = {{-0.050, 0.000, 0.050}, {0.050, 0.000, 0.050}, {-0.030, 0.050, 0.085},
                                    {0.030, -0.050, 0.090}};
    for (int k = 0; k < kNetwork; ++k) out.push_back({network[k], tangential(network[k], 0.7 * k)});
    const double golden = 3.14159265358979323846 * (3.0 - std::sqrt(5.0));
    for (int k = 0; k < kBackground; ++k) {
        const double z = 1.0 - (k + 0.5) * 1.35 / kBackground;  // down to about 20 degrees below the equator
        const double r = std::sqrt(1.0 - z * z);
        const Vec3 pos{0.07 * r * std::cos(k * golden), 0.07 * r * std::sin(k * golden), kHeadCentre[2] + 0.07 * z};
        out.push_back({pos, tangential(pos, 2.4 * k)});
    }
    return out;
}

// Gains of n sites for the sources, row-major n x sources, scaled so that the largest background
// gain is 1. MEG: radial component of the dipole's primary field; EEG: the dipole's potential.
std::vector<double> gains(const std::vector<layouts::Site>& sites, const std::vector<Source>& src, bool meg)
{
    const size_t K = src.size();
    std::vector<double> a(sites.size() * K);
    double largest = 0.0;
    for (size_t i = 0; i < sites.size(); ++i) {
        const Vec3 s{sites[i].x, sites[i].y, sites[i].z};
        const Vec3 normal = unit(sub(s, kHeadCentre));
        for (size_t k = 0; k < K; ++k) {
            const Vec3 r = sub(s, src[k].pos);
            const double d3 = std::pow(dot(r, r), 1.5);
            const double g = meg ? dot(cross(src[k].moment, r), normal) / d3 : dot(src[k].moment, r) / d3;
            a[i * K + k] = g;
            if (k >= kNetwork) largest = std::max(largest, std::fabs(g));
        }
    }
    for (size_t i = 0; i < sites.size(); ++i)
        for (size_t k = 0; k < K; ++k) a[i * K + k] *= (k < kNetwork ? kNetworkGain : 1.0) / largest;
    return a;
}

// splitmix64: small, fast and the same on every platform.
struct Rng {
    std::uint64_t state;
    std::uint64_t next()
    {
        std::uint64_t z = (state += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    double uniform() { return static_cast<double>(next() >> 11) * 0x1.0p-53; }
    // Irwin-Hall with four uniforms, rescaled to unit variance: close enough to normal for
    // estimation noise, and no library call.
    double normal() { return (uniform() + uniform() + uniform() + uniform() - 2.0) * 1.7320508075688772; }
};

// Coupling weight of the network sources at each sample: the squared correlation of the drive they
// share, a bump around the peak latency (0 in the control condition).
std::vector<double> networkWeight(bool network, double peak)
{
    std::vector<double> w2(static_cast<size_t>(kSamples), 0.0);
    if (!network) return w2;
    for (long long t = 0; t < kSamples; ++t) {
        const double lat = kFirstLatency + static_cast<double>(t) / kSampleRate;
        const double x = (lat - peak) / 0.04;
        const double w = 0.9 * std::exp(-x * x);
        w2[static_cast<size_t>(t)] = w * w;
    }
    return w2;
}

// One block of channels: its gains (n x sources), its first channel index and its noise variance.
struct Block {
    const std::vector<double>& gain;
    size_t n;
    int first;
    double noise;
};

// Writes the correlation series of every pair of channels of blocks a and b into the class data
// (within one block when both are the same: only i < j); both orders of a pair share one series.
// The sensor covariance is that of the background (constant) plus the network's, whose sources
// correlate by w2(t); each series then carries the smooth estimation noise of a window of kWindow
// samples. Across modalities the gains differ in units, which the correlation divides out.
void correlate(CSnsCohDataqz& data, const Block& a, const Block& b, const std::vector<double>& w2, std::uint64_t seed)
{
    const size_t K = kNetwork + kBackground, T = static_cast<size_t>(kSamples);
    const bool same = &a == &b;
    struct Parts {
        std::vector<double> sumNet, inv;
    };
    auto partsOf = [&](const Block& blk) {
        Parts p{std::vector<double>(blk.n, 0.0), std::vector<double>(blk.n * T)};
        for (size_t i = 0; i < blk.n; ++i)
            for (size_t k = 0; k < kNetwork; ++k) p.sumNet[i] += blk.gain[i * K + k];
        return p;
    };
    Parts pa = partsOf(a), pb = same ? Parts{} : partsOf(b);
    const Parts& qb = same ? pa : pb;
    auto covParts = [&](size_t i, size_t j, const std::vector<double>& gi, const std::vector<double>& gj,
                        const Parts& p, const Parts& q, double& base, double& delta) {
        double bg = 0.0, net = 0.0;
        for (size_t k = kNetwork; k < K; ++k) bg += gi[i * K + k] * gj[j * K + k];
        for (size_t k = 0; k < kNetwork; ++k) net += gi[i * K + k] * gj[j * K + k];
        base = bg + net;
        delta = p.sumNet[i] * q.sumNet[j] - net;  // sum over k != l of a_ik a_jl
    };
    for (int side = 0; side < (same ? 1 : 2); ++side) {
        const Block* blk = side == 0 ? &a : &b;
        Parts& p = side == 0 ? pa : pb;
        for (size_t i = 0; i < blk->n; ++i) {
            double varBase, varDelta;
            covParts(i, i, blk->gain, blk->gain, p, p, varBase, varDelta);
            varBase += blk->noise;
            for (size_t t = 0; t < T; ++t) p.inv[i * T + t] = 1.0 / std::sqrt(varBase + w2[t] * varDelta);
        }
    }
    Rng rng{seed};
    const double keep = 0.9, fresh = std::sqrt(1.0 - keep * keep);  // noise correlated over ~10 samples
    for (size_t i = 0; i < a.n; ++i)
        for (size_t j = same ? i + 1 : 0; j < b.n; ++j) {
            double base, delta;
            covParts(i, j, a.gain, b.gain, pa, qb, base, delta);
            double* s = data.newSeries();
            double e = rng.normal();
            for (size_t t = 0; t < T; ++t) {
                e = keep * e + fresh * rng.normal();
                const double r = (base + w2[t] * delta) * pa.inv[i * T + t] * qb.inv[j * T + t];
                const double v = std::clamp(r + (1.0 - r * r) * kEstimateSd * e, -0.999, 0.999);
                // Kept in single precision, as written to a data folder.
                s[t] = static_cast<float>(v);
            }
            const int ci = a.first + static_cast<int>(i), cj = b.first + static_cast<int>(j);
            data.setPair(ci, cj, ci, cj, s);
            data.setPair(cj, ci, cj, ci, s);
        }
}

std::unique_ptr<CSnsCohDataqz> newClass(const CString& session, const CString& trial, int cls, int channels)
{
    auto data = std::make_unique<CSnsCohDataqz>();
    data->allocatePairs(channels, channels, kSamples);
    data->setSamplingRate(kSampleRate);
    data->setFirstLatency(kFirstLatency);
    data->text = classCaption(session, trial, cls);
    data->cmptText = L"Correlation, 100 ms window";
    data->measureKind = 0;
    data->meanMode = 0;
    data->setSelect(kSelectBegin, kSelectEnd);
    return data;
}

// Self pairs share one series of ones (zeros in the result class).
void fillSelfPairs(CSnsCohDataqz& data, int channels, bool diagonalOne)
{
    double* one = data.newSeries();
    if (diagonalOne)
        for (long long t = 0; t < kSamples; ++t) one[t] = 1.0;
    for (int i = 0; i < channels; ++i) data.setPair(i, i, i, i, one);
}

}  // namespace

std::unique_ptr<CArrayMEDataSetqz> build()
{
    const std::vector<layouts::Site> meg = layouts::megHelmet(), eeg = layouts::eegCap64();
    const std::vector<Source> src = sources();
    const std::vector<double> megGain = gains(meg, src, true), eegGain = gains(eeg, src, false);
    const int megCount = static_cast<int>(meg.size());
    const int channels = megCount + static_cast<int>(eeg.size());

    auto session = std::make_unique<CMEGDataqz>();
    session->setSessionName(L"demo");
    for (int trialIndex = 0; trialIndex < 2; ++trialIndex) {
        auto trial = std::make_unique<CMDTrialqz>();
        trial->trialName.Format(L"trial%02d", trialIndex + 1);
        for (const auto& s : meg) trial->addChannel(CMDChannelqz::makeMeg(CString(s.name), s.x, s.y, s.z));
        for (const auto& s : eeg) trial->addChannel(CMDChannelqz::makeEeg(CString(s.name), s.x, s.y, s.z));

        auto face = std::make_unique<CSnsCohFaceqz>();
        const double peak = 0.12 + 0.01 * trialIndex;
        for (int cls = 0; cls < 2; ++cls) {
            auto data = newClass(session->getSessionName(), trial->trialName, cls, channels);
            fillSelfPairs(*data, channels, true);
            const std::uint64_t seed = 0xC0FFEE00ull + 16u * static_cast<unsigned>(trialIndex) + 4u * static_cast<unsigned>(cls);
            const std::vector<double> w2 = networkWeight(cls == 0, peak);
            const Block megBlock{megGain, meg.size(), 0, kMegNoise}, eegBlock{eegGain, eeg.size(), megCount, kEegNoise};
            correlate(*data, megBlock, megBlock, w2, seed);
            correlate(*data, eegBlock, eegBlock, w2, seed + 1);
            // Simultaneous recordings couple across modalities too: the same sources reach both.
            correlate(*data, megBlock, eegBlock, w2, seed + 2);
            data->deriveChnlTypeName(trial->getAllChannelPt(), trial->getTotalChannel());
            data->checkDataRange();
            face->setClassData(cls, std::move(data));
        }
        // Active minus Control, pair by pair.
        CSnsCohDataqz* act = face->getCoherenceData(0);
        CSnsCohDataqz* ctl = face->getCoherenceData(1);
        auto diff = newClass(session->getSessionName(), trial->trialName, 2, channels);
        fillSelfPairs(*diff, channels, false);
        for (int i = 0; i < channels; ++i)
            for (int j = i + 1; j < channels; ++j) {
                const double* a = act->pairAt(i, j)->series;
                const double* c = ctl->pairAt(i, j)->series;
                double* s = diff->newSeries();
                for (long long t = 0; t < kSamples; ++t) s[t] = static_cast<float>(a[t] - c[t]);
                diff->setPair(i, j, i, j, s);
                diff->setPair(j, i, j, i, s);
            }
        diff->deriveChnlTypeName(trial->getAllChannelPt(), trial->getTotalChannel());
        diff->checkDataRange();
        face->setClassData(2, std::move(diff));
        face->setTrlCxcClass(0);
        trial->setCoherenceFace(std::move(face));
        session->addTrial(std::move(trial));
    }
    auto dataSet = std::make_unique<CArrayMEDataSetqz>();
    dataSet->addSession(std::move(session));
    return dataSet;
}

std::size_t couplingBytes(CArrayMEDataSetqz& dataSet)
{
    std::size_t bytes = 0;
    for (int s = 0; s < dataSet.getTotalSession(); ++s) {
        CMEGDataqz* session = dataSet.getSessionData(s);
        for (int t = 0; session && t < session->getTotalTrial(); ++t) {
            CSnsCohFaceqz* face = session->getTrialqz(t)->getCoherenceFaceqzTime(false);
            for (int cls = 0; face && cls < 3; ++cls)
                if (CSnsCohDataqz* data = face->getCoherenceData(cls)) bytes += data->storageBytes();
        }
    }
    return bytes;
}

}  // namespace cxc::demo
