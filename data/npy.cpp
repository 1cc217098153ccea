#include "npy.h"

#include <bit>
#include <cctype>
#include <cstring>
#include <limits>

namespace cxc::npy {
namespace {

constexpr char kMagic[] = "\x93NUMPY";
constexpr std::size_t kMagicLen = 6;
constexpr std::size_t kMaxHeader = 1 << 20;

// Minimal reader of the header dict: {'key': value, ...} with string, True/False and int-tuple
// values, which is all numpy writes there.
class DictParser {
public:
    explicit DictParser(const std::string& s) : s_(s) {}

    bool parse(std::string& descr, bool& fortran, std::vector<std::int64_t>& shape, Error& err)
    {
        bool haveDescr = false, haveFortran = false, haveShape = false;
        skip();
        if (!take('{')) return fail(err, "header", "the header is not a dict");
        for (;;) {
            skip();
            if (take('}')) break;
            std::string key;
            if (!quoted(key)) return fail(err, "header", "a key of the header dict is not a quoted string");
            skip();
            if (!take(':')) return fail(err, "header", "':' missing after '" + key + "'");
            skip();
            if (key == "descr") {
                if (!quoted(descr)) return fail(err, "descr", "descr is not a string");
                haveDescr = true;
            } else if (key == "fortran_order") {
                if (word("True")) fortran = true;
                else if (word("False")) fortran = false;
                else return fail(err, "fortran_order", "fortran_order is not True or False");
                haveFortran = true;
            } else if (key == "shape") {
                if (!tuple(shape)) return fail(err, "shape", "shape is not a tuple of non-negative integers");
                haveShape = true;
            } else {
                return fail(err, "header", "unknown key '" + key + "' in the header dict");
            }
            skip();
            if (take(',')) continue;
            skip();
            if (take('}')) break;
            return fail(err, "header", "',' or '}' expected after '" + key + "'");
        }
        if (!haveDescr) return fail(err, "descr", "the header has no descr");
        if (!haveFortran) return fail(err, "fortran_order", "the header has no fortran_order");
        if (!haveShape) return fail(err, "shape", "the header has no shape");
        return true;
    }

private:
    static bool fail(Error& err, const char* field, const std::string& what)
    {
        err = Error{field, what};
        return false;
    }
    void skip()
    {
        while (i_ < s_.size() && std::isspace(static_cast<unsigned char>(s_[i_]))) ++i_;
    }
    bool take(char c)
    {
        if (i_ < s_.size() && s_[i_] == c) {
            ++i_;
            return true;
        }
        return false;
    }
    bool word(const char* w)
    {
        const std::size_t n = std::strlen(w);
        if (s_.compare(i_, n, w) != 0) return false;
        i_ += n;
        return true;
    }
    bool quoted(std::string& out)
    {
        if (i_ >= s_.size() || (s_[i_] != '\'' && s_[i_] != '"')) return false;
        const char q = s_[i_++];
        const std::size_t end = s_.find(q, i_);
        if (end == std::string::npos) return false;
        out = s_.substr(i_, end - i_);
        i_ = end + 1;
        return true;
    }
    bool tuple(std::vector<std::int64_t>& out)
    {
        out.clear();
        if (!take('(')) return false;
        for (;;) {
            skip();
            if (take(')')) return true;
            if (i_ >= s_.size() || !std::isdigit(static_cast<unsigned char>(s_[i_]))) return false;
            std::int64_t v = 0;
            while (i_ < s_.size() && std::isdigit(static_cast<unsigned char>(s_[i_]))) {
                const int d = s_[i_++] - '0';
                if (v > (std::numeric_limits<std::int64_t>::max() - d) / 10) return false;
                v = v * 10 + d;
            }
            out.push_back(v);
            skip();
            if (take(',')) continue;
            skip();
            return take(')');
        }
    }

    const std::string& s_;
    std::size_t i_ = 0;
};

std::string shapeText(const std::vector<std::int64_t>& shape)
{
    std::string s = "(";
    for (std::size_t k = 0; k < shape.size(); ++k) {
        if (k) s += ", ";
        s += std::to_string(shape[k]);
    }
    if (shape.size() == 1) s += ",";
    return s + ")";
}

template <class U>
U swapBytes(U u)
{
    if constexpr (sizeof(U) == 2) return static_cast<U>(__builtin_bswap16(u));
    else if constexpr (sizeof(U) == 4) return static_cast<U>(__builtin_bswap32(u));
    else return static_cast<U>(__builtin_bswap64(u));
}

template <class U>
U fromLittle(const char* p)
{
    U u;
    std::memcpy(&u, p, sizeof u);
    if constexpr (std::endian::native == std::endian::big) u = swapBytes(u);
    return u;
}

template <class U>
void toLittle(U u, char* p)
{
    if constexpr (std::endian::native == std::endian::big) u = swapBytes(u);
    std::memcpy(p, &u, sizeof u);
}

}  // namespace

std::string headerText(DType dtype, const std::vector<std::int64_t>& shape)
{
    std::string dict = std::string("{'descr': '") + (dtype == DType::Float64 ? "<f8" : "<f4") +
                       "', 'fortran_order': False, 'shape': " + shapeText(shape) + ", }";
    // Magic, version and length take 10 bytes; the whole header is a multiple of 64 bytes.
    std::size_t total = 10 + dict.size() + 1;
    dict.append((64 - total % 64) % 64, ' ');
    dict += '\n';
    return dict;
}

bool Reader::open(const std::string& path, Error& error)
{
    in_.open(path, std::ios::binary);
    if (!in_) {
        error = Error{"file", "cannot be opened"};
        return false;
    }
    in_.seekg(0, std::ios::end);
    const std::int64_t fileSize = static_cast<std::int64_t>(in_.tellg());
    in_.seekg(0, std::ios::beg);

    char pre[12];
    if (!in_.read(pre, 8) || std::memcmp(pre, kMagic, kMagicLen) != 0) {
        error = Error{"magic", "not an .npy file (the magic string is missing)"};
        return false;
    }
    const int major = static_cast<unsigned char>(pre[6]), minor = static_cast<unsigned char>(pre[7]);
    std::size_t headerLen = 0, prefix = 0;
    if (major == 1) {
        if (!in_.read(pre + 8, 2)) {
            error = Error{"header", "the file ends inside its header"};
            return false;
        }
        headerLen = fromLittle<std::uint16_t>(pre + 8);
        prefix = 10;
    } else if (major == 2 || major == 3) {
        if (!in_.read(pre + 8, 4)) {
            error = Error{"header", "the file ends inside its header"};
            return false;
        }
        headerLen = fromLittle<std::uint32_t>(pre + 8);
        prefix = 12;
    } else {
        error = Error{"version", "version " + std::to_string(major) + "." + std::to_string(minor) +
                                     " is not one of 1.0, 2.0, 3.0"};
        return false;
    }
    if (headerLen > kMaxHeader || static_cast<std::int64_t>(prefix + headerLen) > fileSize) {
        error = Error{"header", "the file ends inside its header"};
        return false;
    }
    std::string text(headerLen, '\0');
    if (!in_.read(text.data(), static_cast<std::streamsize>(headerLen))) {
        error = Error{"header", "the file ends inside its header"};
        return false;
    }

    std::string descr;
    bool fortran = false;
    if (!DictParser(text).parse(descr, fortran, shape_, error)) return false;
    if (descr.size() == 3 && (descr[0] == '>') && descr[1] == 'f' && (descr[2] == '8' || descr[2] == '4')) {
        error = Error{"descr", "byte order '" + descr + "' is big-endian; only little-endian ('<f8', '<f4') is read"};
        return false;
    }
    if (descr == "<f8") {
        dtype_ = DType::Float64;
    } else if (descr == "<f4") {
        dtype_ = DType::Float32;
    } else {
        error = Error{"descr", "dtype '" + descr + "' is not little-endian float64 ('<f8') or float32 ('<f4')"};
        return false;
    }
    if (fortran) {
        error = Error{"fortran_order", "the array is in Fortran order; only C order is read"};
        return false;
    }
    std::int64_t count = 1;
    for (std::int64_t d : shape_) {
        if (d != 0 && count > std::numeric_limits<std::int64_t>::max() / 8 / d) {
            error = Error{"shape", "shape " + shapeText(shape_) + " is too large"};
            return false;
        }
        count *= d;
    }
    count_ = count;
    dataOffset_ = static_cast<std::int64_t>(prefix + headerLen);
    const std::int64_t dataBytes = fileSize - static_cast<std::int64_t>(prefix + headerLen);
    const std::int64_t need = count * itemSize(dtype_);
    if (dataBytes != need) {
        error = Error{"data", "holds " + std::to_string(dataBytes) + " bytes of data; shape " + shapeText(shape_) +
                                  " needs " + std::to_string(need) + (dataBytes < need ? " (truncated)" : "")};
        return false;
    }
    return true;
}

bool Reader::read(double* out, std::size_t count, Error& error)
{
    const std::size_t item = static_cast<std::size_t>(itemSize(dtype_));
    buffer_.resize(count * item);
    if (!in_.read(buffer_.data(), static_cast<std::streamsize>(buffer_.size()))) {
        error = Error{"data", "the file ends before its data"};
        return false;
    }
    const char* p = buffer_.data();
    if (dtype_ == DType::Float64) {
        for (std::size_t k = 0; k < count; ++k) out[k] = std::bit_cast<double>(fromLittle<std::uint64_t>(p + 8 * k));
    } else {
        for (std::size_t k = 0; k < count; ++k)
            out[k] = static_cast<double>(std::bit_cast<float>(fromLittle<std::uint32_t>(p + 4 * k)));
    }
    return true;
}

bool Writer::open(const std::string& path, DType dtype, const std::vector<std::int64_t>& shape, std::string& error)
{
    path_ = path;
    dtype_ = dtype;
    expected_ = 1;
    for (std::int64_t d : shape) expected_ *= d;
    written_ = 0;
    out_.open(path, std::ios::binary | std::ios::trunc);
    if (!out_) {
        error = path + ": cannot be written";
        return false;
    }
    const std::string text = headerText(dtype, shape);
    char pre[10];
    std::memcpy(pre, kMagic, kMagicLen);
    pre[6] = 1;
    pre[7] = 0;
    toLittle<std::uint16_t>(static_cast<std::uint16_t>(text.size()), pre + 8);
    out_.write(pre, 10);
    out_.write(text.data(), static_cast<std::streamsize>(text.size()));
    if (!out_) {
        error = path + ": cannot be written";
        return false;
    }
    return true;
}

bool Writer::write(const double* values, std::size_t count, std::string& error)
{
    const std::size_t item = static_cast<std::size_t>(itemSize(dtype_));
    buffer_.resize(count * item);
    char* p = buffer_.data();
    if (dtype_ == DType::Float64) {
        for (std::size_t k = 0; k < count; ++k) toLittle(std::bit_cast<std::uint64_t>(values[k]), p + 8 * k);
    } else {
        for (std::size_t k = 0; k < count; ++k)
            toLittle(std::bit_cast<std::uint32_t>(static_cast<float>(values[k])), p + 4 * k);
    }
    out_.write(p, static_cast<std::streamsize>(buffer_.size()));
    written_ += static_cast<std::int64_t>(count);
    if (!out_) {
        error = path_ + ": cannot be written";
        return false;
    }
    return true;
}

bool Writer::close(std::string& error)
{
    out_.close();
    if (out_.fail()) {
        error = path_ + ": cannot be written";
        return false;
    }
    if (written_ != expected_) {
        error = path_ + ": " + std::to_string(written_) + " values written, the shape needs " + std::to_string(expected_);
        return false;
    }
    return true;
}

}  // namespace cxc::npy
