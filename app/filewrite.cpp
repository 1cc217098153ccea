#include "filewrite.h"

#include <unistd.h>

#include <atomic>
#include <system_error>
#include <vector>

namespace cxc::app {

namespace fs = std::filesystem;

fs::path temporaryBeside(const fs::path& target)
{
    static std::atomic<unsigned> serial{0};
    fs::path name = target.filename();
    name += ".tmp-" + std::to_string(::getpid()) + "-" + std::to_string(serial++);
    return target.parent_path() / name;
}

namespace {

std::string describe(const fs::path& path, const std::error_code& ec)
{
    return path.string() + ": " + ec.message();
}

}  // namespace

std::string makeFolder(const fs::path& folder)
{
    std::error_code ec;
    if (fs::is_directory(folder, ec)) return {};
    if (fs::exists(folder, ec)) return folder.string() + ": exists and is not a folder";
    fs::create_directories(folder, ec);
    if (ec) return describe(folder, ec);
    return {};
}

std::string replaceFile(const fs::path& target, const std::function<std::string(const fs::path&)>& write)
{
    std::error_code ec;
    if (fs::is_directory(target, ec)) return target.string() + ": is a folder";
    const fs::path temp = temporaryBeside(target);
    std::string error = write(temp);
    if (error.empty()) {
        fs::rename(temp, target, ec);
        if (ec) error = describe(target, ec);
    }
    if (!error.empty()) fs::remove(temp, ec);
    return error;
}

std::string replaceFolderFiles(const fs::path& folder, const std::string& lastFile,
                               const std::function<std::string(const fs::path&)>& write)
{
    std::error_code ec;
    const fs::path target = folder.has_filename() ? folder : folder.parent_path();
    if (fs::exists(target, ec) && !fs::is_directory(target, ec)) return target.string() + ": exists and is not a folder";
    if (!target.parent_path().empty()) {
        if (std::string made = makeFolder(target.parent_path()); !made.empty()) return made;
    }
    const fs::path temp = temporaryBeside(target);
    std::string error = write(temp);
    if (error.empty()) {
        if (!fs::exists(target, ec)) {
            fs::rename(temp, target, ec);
            if (ec) error = describe(target, ec);
        } else {
            // Into an existing folder: every other file first, so a reader never finds the index
            // naming files that are not there yet.
            std::vector<fs::path> files;
            for (const auto& entry : fs::directory_iterator(temp, ec))
                if (entry.path().filename() != lastFile) files.push_back(entry.path().filename());
            if (fs::exists(temp / lastFile, ec)) files.push_back(lastFile);
            for (const fs::path& name : files) {
                fs::rename(temp / name, target / name, ec);
                if (ec) {
                    error = describe(target / name, ec);
                    break;
                }
            }
        }
    }
    fs::remove_all(temp, ec);
    return error;
}

}  // namespace cxc::app
