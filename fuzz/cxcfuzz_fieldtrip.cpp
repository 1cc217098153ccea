// Fuzz target: the FieldTrip reader. The input is a whole .mat file (v5, v7 or v7.3), opened with
// loadFieldTrip. A refused file must come with a message naming it; a loaded one must survive being
// written as a data folder and loaded again.
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "medataset.h"
#include "datafolder.h"
#include "fieldtrip.h"
#include "fuzzscratch.h"

namespace {

namespace fs = std::filesystem;

fs::path g_root;

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    g_root = cxcfuzz::scratchFolder("fieldtrip");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const fs::path file = g_root / "in.mat";
    {
        std::ofstream out(file, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }
    std::string warning;
    cxc::data::LoadResult loaded = cxc::data::loadFieldTrip(file.string(), {}, warning);
    if (!loaded.dataSet) {
        if (loaded.error.rfind(file.string() + ": ", 0) != 0 || !warning.empty()) std::abort();
        return 0;
    }
    if (!warning.empty() && warning.rfind(file.string() + ": ", 0) != 0) std::abort();
    const fs::path again = g_root / "out";
    std::error_code ec;
    fs::remove_all(again, ec);
    if (!cxc::data::writeDataFolder(*loaded.dataSet, again.string()).empty()) std::abort();
    if (!cxc::data::loadDataFolder(again.string()).dataSet) std::abort();
    return 0;
}
