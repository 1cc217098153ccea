#include "benchdata.h"

#include <time.h>

#include <cmath>
#include <vector>
#include <cstdint>
#include <algorithm>
#include <map>
#include <string>
#include <utility>

#include "cxccompanions.h"
#include "cxcharness.h"
#include "megshowccdata2dfaceqz.h"
#include "moduleresources.h"
#include "testkit.h"

namespace cxc::bench {

namespace {

// A fixed mix of the two indices: the same numbers on every run.
std::uint64_t mix(std::uint64_t a, std::uint64_t b)
{
    std::uint64_t x = a * 0x9E3779B97F4A7C15ull ^ (b + 0x632BE59BD9B4E5Full);
    x ^= x >> 31;
    x *= 0xBF58476D1CE4E5B9ull;
    x ^= x >> 29;
    return x;
}

double unit(std::uint64_t x) { return static_cast<double>(x >> 11) * 0x1.0p-53; }  // [0, 1)

// n MEG sensors spread evenly (a Fibonacci spiral) over a helmet of radius 11 cm reaching 3 cm below
// the head's centre, named like MLF01: hemisphere L/R/Z, region F/C/T/P/O, a number within both.
void addHelmet(testkit::DataSet& recipe, int n)
{
    std::map<std::wstring, int> counts;
    for (int k = 0; k < n; ++k) {
        const double u = 1.0 - (k + 0.5) / n * 1.27;
        const double r = std::sqrt(std::max(0.0, 1.0 - u * u)), a = 2.39996323 * k;
        const double x = 0.11 * r * std::cos(a), y = 0.11 * r * std::sin(a), z = 0.11 * u;
        std::wstring name = L"M";
        name += x < -0.01 ? L'L' : x > 0.01 ? L'R' : L'Z';
        name += std::fabs(x) > 0.07 && z < 0.05 ? L'T' : y > 0.045 ? L'F' : y > 0.0 ? L'C' : y > -0.045 ? L'P' : L'O';
        const int number = ++counts[name];
        name += static_cast<wchar_t>(L'0' + number / 10 % 10);
        name += static_cast<wchar_t>(L'0' + number % 10);
        recipe.megAt(name.c_str(), x, y, z);
    }
}

}  // namespace

std::unique_ptr<CArrayMEDataSetqz> makeSet(Modality modality, int channels, long long samples)
{
    testkit::DataSet recipe;
    if (modality == Modality::Meg) addHelmet(recipe, channels);
    else recipe.eeg(channels);
    auto data = recipe.noCoupling().build();

    auto cls = std::make_unique<CSnsCohDataqz>();
    cls->allocatePairs(channels, channels, samples);
    double* self = cls->newSeries();
    for (long long t = 0; t < samples; ++t) self[t] = 1.0;
    for (int i = 0; i < channels; ++i) {
        cls->setPair(i, i, i, i, self);
        for (int j = i + 1; j < channels; ++j) {
            const std::uint64_t h = mix(static_cast<std::uint64_t>(i), static_cast<std::uint64_t>(j));
            const bool network = h % 190 == 0;
            const double u = unit(mix(h, 1)), phase = 6.283 * unit(mix(h, 2));
            // Network pairs: 0.75..1.0 with either sign; the rest within +-0.4. The level breathes
            // slowly (+-10 %) with a little noise, so every selection step changes every mean.
            const double level = network ? (u < 0.5 ? -1.0 : 1.0) * (0.75 + 0.5 * std::fabs(u - 0.5)) : 0.8 * (u - 0.5);
            double* s = cls->newSeries();
            for (long long t = 0; t < samples; ++t) {
                const double noise = 0.02 * (unit(mix(h, static_cast<std::uint64_t>(t) + 3)) - 0.5);
                s[t] = level * (0.9 + 0.1 * std::sin(0.0125 * static_cast<double>(t) + phase)) + noise;
            }
            cls->setPair(i, j, i, j, s);
            cls->setPair(j, i, j, i, s);
        }
    }
    cls->setSamplingRate(1000.0);
    cls->setSelect(kSelectBegin, kSelectEnd);
    cls->checkDataRange();
    cls->setChnlTypeName(modality == Modality::Meg ? L"MEG" : L"EEG");
    testkit::trialOf(*data)->getCoherenceFaceqzTime(true)->setClassData(0, std::move(cls));
    return data;
}

Host::~Host()
{
    face.reset();  // the dialogs go before the data they show
}

Host& host(Modality modality, int channels)
{
    static std::map<std::pair<Modality, int>, std::unique_ptr<Host>> hosts;
    const auto key = std::make_pair(modality, channels);
    auto it = hosts.find(key);
    if (it != hosts.end()) return *it->second;
    resources::joinResourceChain();
    auto h = std::make_unique<Host>();
    h->data = makeSet(modality, channels);
    h->face = std::make_unique<CMEGShowCCData2DFaceqz>();
    return *hosts.emplace(key, std::move(h)).first->second;
}

void fitControl(CDialog* dialog, int id, int w, int h)
{
    const CRect r = harness::controlRect(dialog, id);
    harness::resize(dialog, r.left + w + 10, r.top + h + 10);
    harness::pumpPaints();
}

double readAll(const double* s, std::size_t words)
{
    double sum0 = 0, sum1 = 0, sum2 = 0, sum3 = 0;
    for (std::size_t i = 0; i + 3 < words; i += 4) sum0 += s[i], sum1 += s[i + 1], sum2 += s[i + 2], sum3 += s[i + 3];
    return sum0 + sum1 + sum2 + sum3;
}

double threadCpuSeconds()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + 1e-9 * static_cast<double>(t.tv_nsec);
}

double readBandwidth()
{
    static const double bandwidth = [] {
        const std::size_t words = std::size_t(32) << 20;
        std::vector<double> from(words, 1.0);
        std::vector<double> seconds;
        for (int k = 0; k < 5; ++k) {
            const double t0 = threadCpuSeconds();
            benchmark::DoNotOptimize(readAll(from.data(), words));
            seconds.push_back(threadCpuSeconds() - t0);
        }
        std::sort(seconds.begin(), seconds.end());
        return static_cast<double>(words * sizeof(double)) / seconds[2];
    }();
    return bandwidth;
}

double firstTickMs(const void* dialog, double ms)
{
    static std::map<const void*, double> kept;
    return kept.try_emplace(dialog, ms).first->second;
}

void floorCounters(benchmark::State& state, double cpuSeconds, double bytesPerTick)
{
    const double floor = bytesPerTick / readBandwidth();
    const double perTick = cpuSeconds / static_cast<double>(std::max<benchmark::IterationCount>(state.iterations(), 1));
    state.counters["floor_ms"] = 1e3 * floor;
    state.counters["to_floor"] = perTick / floor;
}

}  // namespace cxc::bench
