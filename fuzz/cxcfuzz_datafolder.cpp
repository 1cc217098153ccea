// Fuzz target: the data folder loader. The input is the text of dataset.json followed by one .npy
// file (from its magic "\x93NUMPY" on), stored as each class's array. A refused folder must come
// with a message naming its file; a loaded one must survive being written and loaded again.
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

#include "cxccompanions.h"
#include "datafolder.h"
#include "fuzzsupport.h"
#include "fuzzscratch.h"

namespace {

namespace fs = std::filesystem;

fs::path g_root;

void writeFile(const fs::path& path, std::string_view bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    cxcfuzz::startHeadless(argc, argv);
    g_root = cxcfuzz::scratchFolder("datafolder");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view all(reinterpret_cast<const char*>(data), size);
    const std::size_t magic = all.find("\x93NUMPY");
    const std::string_view json = all.substr(0, magic);
    const fs::path folder = g_root / "in";
    std::error_code ec;
    fs::remove_all(folder, ec);
    fs::create_directories(folder);
    writeFile(folder / "dataset.json", json);
    if (magic != std::string_view::npos) {
        const std::string_view npy = all.substr(magic);
        for (const char* name : {"active.npy", "control.npy", "result.npy"}) writeFile(folder / name, npy);
    }

    cxc::data::LoadResult loaded = cxc::data::loadDataFolder(folder.string());
    if (!loaded.dataSet) {
        // A refusal names the file at fault, which lies in the folder.
        if (loaded.error.rfind(folder.string(), 0) != 0) std::abort();
        return 0;
    }
    // What was loaded is written back and must load again.
    const fs::path again = g_root / "out";
    fs::remove_all(again, ec);
    if (!cxc::data::writeDataFolder(*loaded.dataSet, again.string()).empty()) std::abort();
    cxc::data::LoadResult reloaded = cxc::data::loadDataFolder(again.string());
    if (!reloaded.dataSet) std::abort();
    return 0;
}
