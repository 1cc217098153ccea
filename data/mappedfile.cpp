#include "mappedfile.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace cxc::data {

std::shared_ptr<MappedFile> MappedFile::open(const std::string& path, std::string& error)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        error = std::strerror(errno);
        return nullptr;
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0 || st.st_size <= 0) {
        error = "cannot be mapped (no size)";
        ::close(fd);
        return nullptr;
    }
    const std::size_t size = static_cast<std::size_t>(st.st_size);
    // PROT_WRITE with MAP_PRIVATE: the file stays read-only, an in-place edit copies its page.
    void* address = ::mmap(nullptr, size, PROT_READ | PROT_WRITE, MAP_PRIVATE, fd, 0);
    const int mapErrno = errno;
    ::close(fd);  // the mapping keeps the file
    if (address == MAP_FAILED) {
        error = std::string("cannot be mapped: ") + std::strerror(mapErrno);
        return nullptr;
    }
    // Views read a few samples of every pair: read-ahead around each fault would bring in the
    // neighbouring pairs' series as well and make the whole file resident.
    ::madvise(address, size, MADV_RANDOM);
    return std::shared_ptr<MappedFile>(new MappedFile(address, size));
}

MappedFile::~MappedFile() { ::munmap(address_, size_); }

}  // namespace cxc::data
