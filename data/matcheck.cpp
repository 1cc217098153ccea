#include "matcheck.h"

#include <cstdint>
#include <cstring>
#include <vector>
#include <zlib.h>

#include "mappedfile.h"

namespace cxc::data {
namespace {

constexpr std::uint32_t kMatrix = 14, kCompressed = 15;
constexpr int kMaxDepth = 64;

class Walk {
public:
    explicit Walk(bool swap) : swap_(swap) {}

    std::uint32_t u32(const unsigned char* p) const
    {
        std::uint32_t v;
        std::memcpy(&v, p, 4);
        return swap_ ? __builtin_bswap32(v) : v;
    }

    // One tag at p (within n bytes): its type, the size of its data and where the data start;
    // false when it does not fit.
    bool tag(const unsigned char* p, std::uint64_t n, std::uint32_t& type, std::uint64_t& size, std::uint64_t& head) const
    {
        if (n < 8) return false;
        const std::uint32_t first = u32(p);
        if (first >> 16) {  // small element: type and size in one word, data in the next four bytes
            type = first & 0xFFFF;
            size = first >> 16;
            head = 4;
            return size <= 4;
        }
        type = first;
        size = u32(p + 4);
        head = 8;
        return size <= n - 8;
    }
    static std::uint64_t padded(std::uint64_t head, std::uint64_t size) { return head == 4 ? 8 : 8 + ((size + 7) & ~std::uint64_t(7)); }

    // A miMATRIX's data (n bytes at p); `field` for an array that is a struct's field.
    bool matrix(const unsigned char* p, std::uint64_t n, int depth, bool field = false)
    {
        if (depth > kMaxDepth) return false;
        if (n == 0) return true;  // an empty array
        std::uint32_t type;
        std::uint64_t size, head;
        // Array flags: class in the low byte, nzmax of a sparse array in the second word.
        if (!tag(p, n, type, size, head) || size < 8) return false;
        const std::uint32_t cls = u32(p + head) & 0xFF;
        const std::uint64_t nzmax = u32(p + head + 4);
        std::uint64_t at = padded(head, size);
        // Dimensions.
        if (!tag(p + at, n - at, type, size, head) || size % 4 || size == 0) return false;
        std::uint64_t count = 1;
        for (std::uint64_t k = 0; k < size / 4; ++k) {
            const std::uint64_t d = u32(p + at + head + 4 * k);
            if (d && count > (std::uint64_t(1) << 40) / d) return false;
            count *= d;
        }
        at += padded(head, size);
        // Name.
        if (at > n || !tag(p + at, n - at, type, size, head)) return false;
        // The library takes a field's name tag as eight bytes and reads on from there, so a field
        // with a name would be read from its name's bytes, claims unchecked.
        if (field && padded(head, size) != 8) return false;
        at += padded(head, size);
        if (at > n) return false;
        const std::uint64_t left = n - at;
        if (cls == 2 || cls == 3) {  // struct, object (the object's class name first)
            if (cls == 3) {
                if (!tag(p + at, n - at, type, size, head)) return false;
                at += padded(head, size);
                if (at > n) return false;
            }
            if (!tag(p + at, n - at, type, size, head) || size < 4) return false;
            const std::uint64_t len = u32(p + at + head);
            at += padded(head, size);
            if (at > n || !tag(p + at, n - at, type, size, head) || len == 0) return false;
            const std::uint64_t fields = size / len;
            at += padded(head, size);
            if (at > n) return false;
            if (fields && count > (n - at) / 8 / fields) return false;  // each field's array has a tag
            return elements(p + at, n - at, count * fields, depth, true);
        }
        if (cls == 1) {  // cell
            if (count > left / 8) return false;
            return elements(p + at, left, count, depth);
        }
        if (cls == 5) return nzmax <= left;  // sparse: at least a byte per entry
        return count <= left;                // numbers and text: at least a byte per element
    }

    // `count` miMATRIX elements one after the other.
    bool elements(const unsigned char* p, std::uint64_t n, std::uint64_t count, int depth, bool fields = false)
    {
        std::uint64_t at = 0;
        for (std::uint64_t k = 0; k < count; ++k) {
            std::uint32_t type;
            std::uint64_t size, head;
            if (at > n || !tag(p + at, n - at, type, size, head) || type != kMatrix || head != 8) return false;
            if (!matrix(p + at + 8, size, depth + 1, fields)) return false;
            at += padded(head, size);
        }
        return true;
    }

    // The top level: variables, plain or compressed.
    bool variables(const unsigned char* p, std::uint64_t n, int depth)
    {
        std::uint64_t at = 0;
        while (at + 8 <= n) {
            std::uint32_t type = 0;
            std::uint64_t size = 0, head = 0;
            if (!tag(p + at, n - at, type, size, head)) return false;
            if (type == kMatrix && !matrix(p + at + head, size, depth + 1)) return false;
            // A compressed variable must inflate within zlib's bounds; its inner sizes are not
            // walked, since writers of compressed variables do not keep them exact (libmatio
            // counts more than it writes), and the library reads such a stream element by element.
            std::vector<unsigned char> plain;
            if (type == kCompressed && !inflate(p + at + head, size, plain)) return false;
            at += padded(head, size);
        }
        return true;
    }

private:
    // zlib's best ratio is about 1032:1; more is not a compressed MATLAB variable.
    static bool inflate(const unsigned char* p, std::uint64_t n, std::vector<unsigned char>& out)
    {
        const std::uint64_t cap = 1100 * n + 4096;
        z_stream z{};
        if (inflateInit(&z) != Z_OK) return false;
        z.next_in = const_cast<unsigned char*>(p);
        z.avail_in = static_cast<uInt>(std::min<std::uint64_t>(n, 1u << 30));
        std::vector<unsigned char> chunk(1 << 16);
        int rc = Z_OK;
        while (rc == Z_OK) {
            z.next_out = chunk.data();
            z.avail_out = static_cast<uInt>(chunk.size());
            rc = ::inflate(&z, Z_NO_FLUSH);
            out.insert(out.end(), chunk.data(), chunk.data() + (chunk.size() - z.avail_out));
            if (out.size() > cap) rc = Z_MEM_ERROR;
            if (rc == Z_BUF_ERROR && z.avail_in == 0) break;  // the stream ends early: judged by what came out
        }
        inflateEnd(&z);
        return rc == Z_STREAM_END || rc == Z_BUF_ERROR;
    }

    bool swap_;
};

}  // namespace

std::string checkMatFile(const std::string& path)
{
    std::string why;
    std::shared_ptr<MappedFile> file = MappedFile::open(path, why);
    if (!file) return {};  // the library says what it makes of it
    const auto* p = reinterpret_cast<const unsigned char*>(file->bytes());
    const std::uint64_t n = file->size();
    if (n < 128) return {};
    const bool little = p[126] == 'I' && p[127] == 'M', big = p[126] == 'M' && p[127] == 'I';
    if (!little && !big) return {};
    const unsigned version = little ? p[124] | (p[125] << 8) : (p[124] << 8) | p[125];
    if (version != 0x0100) return {};
    Walk walk(big);
    if (!walk.variables(p + 128, n - 128, 0)) return "damaged: an array claims more than the file holds";
    return {};
}

}  // namespace cxc::data
