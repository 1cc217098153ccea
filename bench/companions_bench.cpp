// The data behind every view: the built-in demo data set built, a 275-sensor MEG data folder
// (1000 samples, float32, the Active class: 302 MB of .npy) loaded, and this machine's memory
// bandwidth measured with plain loops, the bound the memory-bound views are compared with.
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "benchdata.h"
#include "cxccompanions.h"
#include "datafolder.h"
#include "demodata.h"
#include "testkit.h"

namespace {

void DemoBuild(benchmark::State& state)
{
    for (auto _ : state) {
        auto data = cxc::demo::build();
        benchmark::DoNotOptimize(data.get());
    }
}

// Written once per run into the temporary directory and removed at exit.
struct Folder {
    std::string path;
    Folder()
    {
        path = (std::filesystem::temp_directory_path() / ("cxcbench-275-" + std::to_string(::getpid()))).string();
        auto data = cxc::bench::makeSet(cxc::bench::Modality::Meg, 275);
        const std::string error = cxc::data::writeDataFolder(*data, path, cxc::data::ValueType::Float32);
        if (!error.empty()) path.clear();
    }
    ~Folder()
    {
        std::error_code ignored;
        if (!path.empty()) std::filesystem::remove_all(path, ignored);
    }
};

void DataFolderLoad275(benchmark::State& state)
{
    static Folder folder;
    if (folder.path.empty()) {
        state.SkipWithError("the data folder could not be written");
        return;
    }
    for (auto _ : state) {
        cxc::data::LoadResult r = cxc::data::loadDataFolder(folder.path);
        if (!r.dataSet) state.SkipWithError(r.error.c_str());
        benchmark::DoNotOptimize(r.dataSet.get());
    }
    long long bytes = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder.path)) bytes += static_cast<long long>(entry.file_size());
    state.SetBytesProcessed(state.iterations() * bytes);
}

// 256 MB per array, far beyond every cache. Copy counts the bytes read and written.
constexpr std::size_t kWords = std::size_t(32) << 20;

void MemoryCopy(benchmark::State& state)
{
    std::vector<double> from(kWords, 1.0), to(kWords, 0.0);
    for (auto _ : state) {
        const double* s = from.data();
        double* d = to.data();
        for (std::size_t i = 0; i < kWords; ++i) d[i] = s[i];
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * static_cast<long long>(2 * kWords * sizeof(double)));
}

void MemoryRead(benchmark::State& state)
{
    std::vector<double> from(kWords, 1.0);
    for (auto _ : state) {
        benchmark::DoNotOptimize(cxc::bench::readAll(from.data(), kWords));
    }
    state.SetBytesProcessed(state.iterations() * static_cast<long long>(kWords * sizeof(double)));
}

// The floor of a link tick: the in-order sum of the 100-sample selection of every pair of the upper
// triangle of the 275-sensor set, read straight from the pair array, the selection moved one sample
// per iteration as play moves it; argument: how many pairs are summed side by side (1, 4 or 8).
void SelectionSums275(benchmark::State& state)
{
    CSnsCohDataqz& data = *cxc::testkit::classOf(*cxc::bench::host(cxc::bench::Modality::Meg, 275).data, 0);
    const long long width = cxc::bench::kSelectEnd - cxc::bench::kSelectBegin + 1;
    long long b = cxc::bench::kSelectBegin;
    for (auto _ : state) {
        double total = 0.0;
        for (long long i = 0; i < data.rowCount; ++i) {
            long long j = i + 1;
            if (state.range(0) == 8) {
                for (; j + 8 <= data.colCount; j += 8) {
                    const double* s[8];
                    for (int k = 0; k < 8; ++k) s[k] = data.pairs[i][j + k].series + b;
                    double a[8] = {};
                    for (long long t = 0; t < width; ++t)
                        for (int k = 0; k < 8; ++k) a[k] += s[k][t];
                    for (int k = 0; k < 8; ++k) total += a[k];
                }
            }
            if (state.range(0) == 4) {
                for (; j + 4 <= data.colCount; j += 4) {
                    const double* s0 = data.pairs[i][j].series + b;
                    const double* s1 = data.pairs[i][j + 1].series + b;
                    const double* s2 = data.pairs[i][j + 2].series + b;
                    const double* s3 = data.pairs[i][j + 3].series + b;
                    double a0 = 0, a1 = 0, a2 = 0, a3 = 0;
                    for (long long t = 0; t < width; ++t) a0 += s0[t], a1 += s1[t], a2 += s2[t], a3 += s3[t];
                    total += a0 + a1 + a2 + a3;
                }
            }
            for (; j < data.colCount; ++j) {
                const double* s = data.pairs[i][j].series;
                double sum = 0.0;
                for (long long t = b; t < b + width; ++t) sum += s[t];
                total += sum;
            }
        }
        benchmark::DoNotOptimize(total);
        b = b + 1 + width < data.sampleCount ? b + 1 : 0;
    }
    const long long pairs = data.rowCount * (data.rowCount - 1) / 2;
    state.SetBytesProcessed(state.iterations() * pairs * width * static_cast<long long>(sizeof(double)));
    state.SetItemsProcessed(state.iterations() * pairs);
}

}  // namespace

BENCHMARK(SelectionSums275)->Arg(1)->Arg(4)->Arg(8)->Unit(benchmark::kMillisecond);
BENCHMARK(MemoryCopy)->Unit(benchmark::kMillisecond);
BENCHMARK(MemoryRead)->Unit(benchmark::kMillisecond);
BENCHMARK(DemoBuild)->Unit(benchmark::kMillisecond);
BENCHMARK(DataFolderLoad275)->Unit(benchmark::kMillisecond)->Iterations(3);
