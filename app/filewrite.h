// Output that is never left half written: a file is written beside its target under a temporary
// name and renamed over it only when complete, so a reader finds the old file or the new one. A
// folder of files is made the same way and moved into place file by file, its index last.
#pragma once

#include <filesystem>
#include <functional>
#include <string>

namespace cxc::app {

// A name beside `target` that no other writer of this process or another one uses.
std::filesystem::path temporaryBeside(const std::filesystem::path& target);

// Runs write(temporary path) and renames the result to `target`. Returns an empty string, or the
// message of what failed (the temporary file is then removed and the target left as it was).
std::string replaceFile(const std::filesystem::path& target,
                        const std::function<std::string(const std::filesystem::path&)>& write);

// Makes `folder` (with its parents) when missing. Returns an empty string or the message.
std::string makeFolder(const std::filesystem::path& folder);

// Runs write(temporary folder) beside `folder`, then moves what it wrote into `folder`: the whole
// folder at once when `folder` does not exist yet, otherwise file by file with `lastFile` (the one
// that makes the others meaningful) last. Returns an empty string or the message.
std::string replaceFolderFiles(const std::filesystem::path& folder, const std::string& lastFile,
                               const std::function<std::string(const std::filesystem::path&)>& write);

}  // namespace cxc::app
