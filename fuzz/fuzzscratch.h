// A scratch folder for fuzz targets that hand their input to a reader as a file: made once per
// process under /tmp, removed at exit.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>

#include <unistd.h>

namespace cxcfuzz {

inline std::filesystem::path scratchFolder(const char* target)
{
    static std::filesystem::path root;
    std::string tmpl = std::string("/tmp/cxcfuzz-") + target + "-XXXXXX";
    if (!mkdtemp(tmpl.data())) std::abort();
    root = tmpl;
    std::atexit([] {
        std::error_code ec;
        std::filesystem::remove_all(root, ec);
    });
    return root;
}

}  // namespace cxcfuzz
