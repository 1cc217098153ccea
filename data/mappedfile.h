// A whole file mapped into memory, private and read-only on disk: opening costs no reading, and the
// pages come in as they are read. Writes (the module's in-place normalisation) go to private
// copies of the pages they touch, never to the file. Shared by every class data whose series point
// into it, so it stays mapped until the last of them goes.
#pragma once

#include <cstddef>
#include <memory>
#include <string>

namespace cxc::data {

class MappedFile {
public:
    // The mapping of the file, or null with the reason in `error`.
    static std::shared_ptr<MappedFile> open(const std::string& path, std::string& error);
    ~MappedFile();
    MappedFile(const MappedFile&) = delete;
    MappedFile& operator=(const MappedFile&) = delete;

    char* bytes() const { return static_cast<char*>(address_); }
    std::size_t size() const { return size_; }

private:
    MappedFile(void* address, std::size_t size) : address_(address), size_(size) {}
    void* address_;
    std::size_t size_;
};

}  // namespace cxc::data
