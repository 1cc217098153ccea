// .npy files: a short header (magic, version, a Python dict with descr, fortran_order and shape)
// and the raw array. Reads and writes little-endian float64 and float32 arrays in C order; any
// other array is refused with the header field that does not fit.
#pragma once

#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

namespace cxc::npy {

enum class DType { Float64, Float32 };

inline int itemSize(DType t) { return t == DType::Float64 ? 8 : 4; }

// A refusal: the header field or part of the file at fault ("magic", "version", "header", "descr",
// "fortran_order", "shape", "data") and what is wrong with it.
struct Error {
    std::string field;
    std::string what;
};

class Reader {
public:
    // Opens the file and checks its header; the array's length must match the file's size exactly.
    bool open(const std::string& path, Error& error);
    DType dtype() const { return dtype_; }
    const std::vector<std::int64_t>& shape() const { return shape_; }
    std::int64_t elementCount() const { return count_; }
    // Where the array's data begin in the file (after magic, version and header).
    std::int64_t dataOffset() const { return dataOffset_; }
    // Reads the next `count` values as doubles; false (error "data") when the file ends early.
    bool read(double* out, std::size_t count, Error& error);

private:
    std::ifstream in_;
    DType dtype_ = DType::Float64;
    std::vector<std::int64_t> shape_;
    std::int64_t count_ = 0;
    std::int64_t dataOffset_ = 0;
    std::vector<char> buffer_;
};

class Writer {
public:
    bool open(const std::string& path, DType dtype, const std::vector<std::int64_t>& shape, std::string& error);
    // Writes the next values (converted to the file's dtype).
    bool write(const double* values, std::size_t count, std::string& error);
    // Checks that exactly the shape's element count was written and closes the file.
    bool close(std::string& error);

private:
    std::ofstream out_;
    std::string path_;
    DType dtype_ = DType::Float64;
    std::int64_t expected_ = 0;
    std::int64_t written_ = 0;
    std::vector<char> buffer_;
};

// The header text (dict, padding and newline) of an array; exposed for tests.
std::string headerText(DType dtype, const std::vector<std::int64_t>& shape);

}  // namespace cxc::npy
