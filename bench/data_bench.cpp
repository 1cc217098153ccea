// Data folders of recording size, whose float64 arrays are mapped rather than read: a 275-sensor,
// 1000-sample folder (605 MB) and a 306-channel, 5000-sample one (3.7 GB), each written once into
// the temporary directory and removed at exit.
// - open: loadDataFolder alone (the JSON, the header, the mapping and the pair array);
// - first link paint: open, then the MEG link view painted once at 1000 x 800 with the threshold a
//   host sets (0.5) and no info line, as a fresh process would; counters give the resident memory
//   the open and the paint added (from /proc/self/statm) against the file's size, and the paint's
//   time. Then the link dialog through the facade: its first refresh looks for the largest |value|
//   over all samples, so it reads every page once (rss_dialog_MB; clean file pages the kernel may
//   take back).
#include <benchmark/benchmark.h>

#include <chrono>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <fcntl.h>
#include <unistd.h>

#include "cxcharness.h"
#include "cxcsurface.h"
#include "datafolder.h"
#include "medataset.h"
#include "megshowccdata2dfaceqz.h"
#include "npy.h"
#include "statmegcclcntmapqz.h"

namespace {

namespace fs = std::filesystem;

double residentMb()
{
    long pages = 0, resident = 0;
    if (FILE* f = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(f, "%ld %ld", &pages, &resident) != 2) resident = 0;
        std::fclose(f);
    }
    return static_cast<double>(resident) * static_cast<double>(::sysconf(_SC_PAGESIZE)) / 1e6;
}

// The folders, written on first use and removed when the program ends.
class Folders {
public:
    ~Folders()
    {
        std::error_code ec;
        for (const auto& [key, dir] : dirs_) fs::remove_all(dir, ec);
    }
    const fs::path& get(int channels, long long samples)
    {
        auto& dir = dirs_[{channels, samples}];
        if (dir.empty()) dir = write(channels, samples);
        return dir;
    }

private:
    // Channels on a helmet-like cap (a golden-angle spiral over the upper sphere); symmetric
    // coupling below 0.4 for most pairs, above 0.6 for about one in 190.
    static fs::path write(int n, long long t)
    {
        const fs::path dir = fs::temp_directory_path() /
                             ("cxc-bench-" + std::to_string(::getpid()) + "-" + std::to_string(n) + "x" + std::to_string(t));
        fs::create_directories(dir);
        std::ofstream json(dir / "dataset.json");
        json << "{\"format\": \"cxc-dataset\", \"version\": 1, \"session\": \"bench\", \"sampleRate\": 1000.0,"
                " \"channels\": [";
        for (int i = 0; i < n; ++i) {
            const double z = 1.0 - (i + 0.5) / n, r = std::sqrt(1.0 - z * z), a = i * 2.39996322972865332;
            char line[160];
            std::snprintf(line, sizeof line, "%s{\"name\": \"M%03d\", \"type\": \"MEG\", \"position\": [%.6f, %.6f, %.6f]}",
                          i ? ", " : "", i, 0.12 * r * std::cos(a), 0.12 * r * std::sin(a), 0.04 + 0.12 * z);
            json << line;
        }
        json << "], \"trials\": [{\"name\": \"run01\", \"classes\": {\"active\": {\"pairs\": [";
        for (int i = 0; i < n; ++i) json << (i ? ", " : "") << i;
        json << "], \"values\": \"active.npy\", \"selection\": [400, 499]}}}]}\n";
        json.close();
        cxc::npy::Writer writer;
        std::string error;
        if (!writer.open((dir / "active.npy").string(), cxc::npy::DType::Float64, {n, n, t}, error)) std::abort();
        std::vector<double> series(static_cast<size_t>(t));
        for (int i = 0; i < n; ++i)
            for (int j = 0; j < n; ++j) {
                const int lo = std::min(i, j), hi = std::max(i, j);
                const bool network = (lo * 31 + hi * 17) % 190 == 0;
                for (long long s = 0; s < t; ++s)
                    series[static_cast<size_t>(s)] = i == j ? 1.0
                                                     : network ? 0.7 + 0.1 * std::sin(0.01 * s)
                                                               : 0.35 * std::sin(0.002 * s * (1 + (lo + hi) % 7) + lo);
                if (!writer.write(series.data(), series.size(), error)) std::abort();
            }
        if (!writer.close(error)) std::abort();
        return dir;
    }
    std::map<std::pair<int, long long>, fs::path> dirs_;
};

Folders& folders()
{
    static Folders f;
    return f;
}

// Takes the array out of the page cache, as a recording on disk is before anyone reads it: the
// kernel maps the cached neighbours of every page a fault brings in (fault-around), so on a file
// that is wholly cached, each sample read makes up to 64 KB resident.
void dropFromCache(const fs::path& dir)
{
    const int fd = ::open((dir / "active.npy").c_str(), O_RDONLY);
    if (fd < 0) return;
    ::fdatasync(fd);
    ::posix_fadvise(fd, 0, 0, POSIX_FADV_DONTNEED);
    ::close(fd);
}

double fileMb(const fs::path& dir) { return static_cast<double>(fs::file_size(dir / "active.npy")) / 1e6; }

void BM_MappedFolderOpen(benchmark::State& state)
{
    const fs::path& dir = folders().get(static_cast<int>(state.range(0)), state.range(1));
    for (auto _ : state) {
        cxc::data::LoadResult r = cxc::data::loadDataFolder(dir.string());
        if (!r.dataSet) state.SkipWithError(r.error.c_str());
        benchmark::DoNotOptimize(r.dataSet.get());
    }
    state.counters["file_MB"] = fileMb(dir);
}

void BM_MappedFolderFirstLinkPaint(benchmark::State& state)
{
    const fs::path& dir = folders().get(static_cast<int>(state.range(0)), state.range(1));
    double openMs = 0, paintMs = 0, rssOpen = 0, rssPaint = 0, rssDialog = 0;
    const bool cold = state.range(2) != 0;
    for (auto _ : state) {
        if (cold) dropFromCache(dir);
        const double base = residentMb();
        const auto t0 = std::chrono::steady_clock::now();
        cxc::data::LoadResult r = cxc::data::loadDataFolder(dir.string());
        const auto t1 = std::chrono::steady_clock::now();
        if (!r.dataSet) {
            state.SkipWithError(r.error.c_str());
            break;
        }
        rssOpen = residentMb() - base;
        {
            CStatMEGCClCntMapqz view;
            view.dataSet = r.dataSet.get();
            view.linkThreshold = 0.5;
            view.showInfo = 0;  // as the dialogs start: the info line's summary reads every sample
            CDC dc;
            dc.CreateCompatibleDC(nullptr);
            const auto p0 = std::chrono::steady_clock::now();
            view.paintMap(&dc, CRect(0, 0, 1000, 800));
            paintMs = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - p0).count();
            rssPaint = residentMb() - base;
        }
        {
            CMEGShowCCData2DFaceqz face;
            face.showDlgCxcMegActLink2DMap(r.dataSet.get(), nullptr);
            cxc::harness::pumpPaints();
            rssDialog = residentMb() - base;
        }
        openMs = std::chrono::duration<double, std::milli>(t1 - t0).count();
    }
    state.counters["open_ms"] = openMs;
    state.counters["paint_ms"] = paintMs;
    state.counters["file_MB"] = fileMb(dir);
    state.counters["rss_open_MB"] = rssOpen;
    state.counters["rss_paint_MB"] = rssPaint;
    state.counters["rss_dialog_MB"] = rssDialog;
}

}  // namespace

BENCHMARK(BM_MappedFolderOpen)->Args({275, 1000})->Args({306, 5000})->Unit(benchmark::kMillisecond);
// Third argument: 1 the array starts out of the page cache, 0 wholly in it.
BENCHMARK(BM_MappedFolderFirstLinkPaint)->Args({275, 1000, 1})->Args({306, 5000, 1})->Args({275, 1000, 0})->Args({306, 5000, 0})->Iterations(1)->Unit(benchmark::kMillisecond);
