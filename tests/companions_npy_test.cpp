// The .npy reader and writer: round trips and every header refusal.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <limits>

#include "npy.h"

namespace fs = std::filesystem;

namespace {

struct TempDir {
    fs::path path;
    TempDir()
    {
        path = fs::temp_directory_path() / ("cxc-npy-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
                                            "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(path);
        fs::create_directories(path);
    }
    ~TempDir() { fs::remove_all(path); }
    std::string file(const char* name) const { return (path / name).string(); }
};

// An .npy file with the given header dict and `bytes` bytes of data.
void writeRaw(const std::string& path, const std::string& dict, size_t bytes, int major = 1)
{
    std::string text = dict;
    const size_t pre = major == 1 ? 10 : 12;
    text.append((64 - (pre + text.size() + 1) % 64) % 64, ' ');
    text += '\n';
    std::ofstream out(path, std::ios::binary);
    out.write("\x93NUMPY", 6);
    out.put(static_cast<char>(major));
    out.put(0);
    const size_t n = text.size();
    out.put(static_cast<char>(n & 0xFF));
    out.put(static_cast<char>((n >> 8) & 0xFF));
    if (major != 1) {
        out.put(0);
        out.put(0);
    }
    out << text;
    std::string zeros(bytes, '\0');
    out << zeros;
}

cxc::npy::Error openError(const std::string& path)
{
    cxc::npy::Reader r;
    cxc::npy::Error e;
    EXPECT_FALSE(r.open(path, e));
    return e;
}

}  // namespace

TEST(Npy, HeaderIsAlignedAndReadableByNumpy)
{
    const std::string h = cxc::npy::headerText(cxc::npy::DType::Float32, {3, 3, 200});
    EXPECT_EQ((10 + h.size()) % 64, 0u);
    EXPECT_EQ(h.back(), '\n');
    EXPECT_EQ(h.rfind("{'descr': '<f4', 'fortran_order': False, 'shape': (3, 3, 200), }", 0), 0u);
    EXPECT_NE(cxc::npy::headerText(cxc::npy::DType::Float64, {7}).find("(7,)"), std::string::npos);
}

TEST(Npy, RoundTripInBothPrecisions)
{
    TempDir dir;
    const double values[] = {1.5, -0.0, std::numeric_limits<double>::quiet_NaN(), INFINITY, 1e-310, 0.1};
    for (auto type : {cxc::npy::DType::Float64, cxc::npy::DType::Float32}) {
        const std::string path = dir.file("a.npy");
        cxc::npy::Writer w;
        std::string err;
        ASSERT_TRUE(w.open(path, type, {1, 2, 3}, err)) << err;
        ASSERT_TRUE(w.write(values, 4, err));
        ASSERT_TRUE(w.write(values + 4, 2, err));
        ASSERT_TRUE(w.close(err)) << err;
        cxc::npy::Reader r;
        cxc::npy::Error e;
        ASSERT_TRUE(r.open(path, e)) << e.field << ": " << e.what;
        EXPECT_EQ(r.dtype(), type);
        EXPECT_EQ(r.shape(), (std::vector<std::int64_t>{1, 2, 3}));
        double back[6];
        ASSERT_TRUE(r.read(back, 6, e));
        EXPECT_EQ(back[0], 1.5);
        EXPECT_TRUE(std::signbit(back[1]));
        EXPECT_TRUE(std::isnan(back[2]));
        EXPECT_EQ(back[3], INFINITY);
        if (type == cxc::npy::DType::Float64) {
            EXPECT_EQ(back[4], 1e-310);
            EXPECT_EQ(back[5], 0.1);
        } else {
            EXPECT_EQ(back[5], static_cast<double>(0.1f));
        }
    }
}

TEST(Npy, WriterChecksTheCount)
{
    TempDir dir;
    cxc::npy::Writer w;
    std::string err;
    ASSERT_TRUE(w.open(dir.file("short.npy"), cxc::npy::DType::Float64, {2, 2}, err));
    const double v[3] = {1, 2, 3};
    w.write(v, 3, err);
    EXPECT_FALSE(w.close(err));
    EXPECT_NE(err.find("3 values written, the shape needs 4"), std::string::npos);
}

struct Refusal {
    const char* name;
    std::string dict;
    size_t bytes;
    int major;
    const char* field;
    const char* what;
};

class NpyRefusal : public ::testing::TestWithParam<Refusal> {};

TEST_P(NpyRefusal, NamesTheField)
{
    TempDir dir;
    const Refusal& r = GetParam();
    writeRaw(dir.file("x.npy"), r.dict, r.bytes, r.major);
    const cxc::npy::Error e = openError(dir.file("x.npy"));
    EXPECT_EQ(e.field, r.field);
    EXPECT_EQ(e.what, r.what);
}

INSTANTIATE_TEST_SUITE_P(Companions, NpyRefusal, ::testing::Values(
    Refusal{"IntegerDtype", "{'descr': '<i4', 'fortran_order': False, 'shape': (2,), }", 8, 1, "descr",
            "dtype '<i4' is not little-endian float64 ('<f8') or float32 ('<f4')"},
    Refusal{"BigEndian", "{'descr': '>f8', 'fortran_order': False, 'shape': (2,), }", 16, 1, "descr",
            "byte order '>f8' is big-endian; only little-endian ('<f8', '<f4') is read"},
    Refusal{"FortranOrder", "{'descr': '<f8', 'fortran_order': True, 'shape': (2, 2), }", 32, 1, "fortran_order",
            "the array is in Fortran order; only C order is read"},
    Refusal{"Truncated", "{'descr': '<f8', 'fortran_order': False, 'shape': (2, 3), }", 40, 1, "data",
            "holds 40 bytes of data; shape (2, 3) needs 48 (truncated)"},
    Refusal{"TooLong", "{'descr': '<f4', 'fortran_order': False, 'shape': (2,), }", 12, 1, "data",
            "holds 12 bytes of data; shape (2,) needs 8"},
    Refusal{"NoShape", "{'descr': '<f8', 'fortran_order': False, }", 0, 1, "shape", "the header has no shape"},
    Refusal{"BadShape", "{'descr': '<f8', 'fortran_order': False, 'shape': (2, -1), }", 0, 1, "shape",
            "shape is not a tuple of non-negative integers"},
    Refusal{"UnknownKey", "{'descr': '<f8', 'fortran_order': False, 'shape': (1,), 'x': 1}", 8, 1, "header",
            "unknown key 'x' in the header dict"},
    Refusal{"NotADict", "['descr']", 0, 1, "header", "the header is not a dict"},
    Refusal{"Version", "{'descr': '<f8', 'fortran_order': False, 'shape': (1,), }", 8, 4, "version",
            "version 4.0 is not one of 1.0, 2.0, 3.0"}),
    [](const ::testing::TestParamInfo<Refusal>& info) { return std::string(info.param.name); });

TEST(Npy, VersionTwoHeadersAreRead)
{
    TempDir dir;
    writeRaw(dir.file("v2.npy"), "{'descr': '<f8', 'fortran_order': False, 'shape': (2,), }", 16, 2);
    cxc::npy::Reader r;
    cxc::npy::Error e;
    EXPECT_TRUE(r.open(dir.file("v2.npy"), e)) << e.what;
    EXPECT_EQ(r.elementCount(), 2);
}

TEST(Npy, NotAnNpyFileOrAMissingOne)
{
    TempDir dir;
    {
        std::ofstream out(dir.file("text.npy"));
        out << "hello, this is text";
    }
    EXPECT_EQ(openError(dir.file("text.npy")).field, "magic");
    EXPECT_EQ(openError(dir.file("missing.npy")).field, "file");
    {
        std::ofstream out(dir.file("cut.npy"), std::ios::binary);
        out.write("\x93NUMPY\x01\x00\xff\x00{'descr'", 17);
    }
    EXPECT_EQ(openError(dir.file("cut.npy")).what, "the file ends inside its header");
}
