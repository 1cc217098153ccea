// The .npy reader and writer: round trips and every header refusal.
#include <cmath>
#include <limits>

#include "data_fixture.h"
#include "npy.h"

using cxctest::Scratch;
using datatest::writeRawNpy;

TEST(Npy, HeaderIsAlignedAndReadableByNumpy)
{
    const std::string h = cxc::npy::headerText(cxc::npy::DType::Float32, {3, 3, 200});
    EXPECT_EQ((10 + h.size()) % 64, 0u);
    EXPECT_EQ(h.back(), '\n');
    EXPECT_EQ(h.rfind("{'descr': '<f4', 'fortran_order': False, 'shape': (3, 3, 200), }", 0), 0u);
    EXPECT_NE(cxc::npy::headerText(cxc::npy::DType::Float64, {7}).find("(7,)"), std::string::npos);
}

TEST(Npy, RoundTripInBothPrecisionsAndTheWriterChecksTheCount)
{
    Scratch dir;
    const double values[] = {1.5, -0.0, std::numeric_limits<double>::quiet_NaN(), INFINITY, 1e-310, 0.1};
    for (auto type : {cxc::npy::DType::Float64, cxc::npy::DType::Float32}) {
        const std::string path = dir.str("a.npy");
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
        }
        EXPECT_EQ(back[5], type == cxc::npy::DType::Float64 ? 0.1 : static_cast<double>(0.1f));
    }
    cxc::npy::Writer w;
    std::string err;
    ASSERT_TRUE(w.open(dir.str("short.npy"), cxc::npy::DType::Float64, {2, 2}, err));
    w.write(values, 3, err);
    EXPECT_FALSE(w.close(err));
    EXPECT_NE(err.find("3 values written, the shape needs 4"), std::string::npos) << err;
}

TEST(Npy, EveryBadHeaderIsRefusedNamingItsField)
{
    struct Refusal {
        std::string dict;
        size_t bytes;
        int major;
        const char* field;
        const char* what;  // null: read
    };
    const Refusal cases[] = {
        {"{'descr': '<i4', 'fortran_order': False, 'shape': (2,), }", 8, 1, "descr",
         "dtype '<i4' is not little-endian float64 ('<f8') or float32 ('<f4')"},
        {"{'descr': '>f8', 'fortran_order': False, 'shape': (2,), }", 16, 1, "descr",
         "byte order '>f8' is big-endian; only little-endian ('<f8', '<f4') is read"},
        {"{'descr': '<f8', 'fortran_order': True, 'shape': (2, 2), }", 32, 1, "fortran_order",
         "the array is in Fortran order; only C order is read"},
        {"{'descr': '<f8', 'fortran_order': False, 'shape': (2, 3), }", 40, 1, "data",
         "holds 40 bytes of data; shape (2, 3) needs 48 (truncated)"},
        {"{'descr': '<f4', 'fortran_order': False, 'shape': (2,), }", 12, 1, "data", "holds 12 bytes of data; shape (2,) needs 8"},
        {"{'descr': '<f8', 'fortran_order': False, }", 0, 1, "shape", "the header has no shape"},
        {"{'descr': '<f8', 'fortran_order': False, 'shape': (2, -1), }", 0, 1, "shape",
         "shape is not a tuple of non-negative integers"},
        {"{'descr': '<f8', 'fortran_order': False, 'shape': (1,), 'x': 1}", 8, 1, "header", "unknown key 'x' in the header dict"},
        {"['descr']", 0, 1, "header", "the header is not a dict"},
        {"{'descr': '<f8', 'fortran_order': False, 'shape': (1,), }", 8, 4, "version", "version 4.0 is not one of 1.0, 2.0, 3.0"},
        {"{'descr': '<f8', 'fortran_order': False, 'shape': (2,), }", 16, 2, "", nullptr},  // version 2 is read
    };
    Scratch dir;
    for (const Refusal& c : cases) {
        SCOPED_TRACE(c.dict);
        writeRawNpy(dir.str("x.npy"), c.dict, c.bytes, c.major);
        cxc::npy::Reader r;
        cxc::npy::Error e;
        EXPECT_EQ(r.open(dir.str("x.npy"), e), c.what == nullptr);
        EXPECT_EQ(e.field, c.field);
        EXPECT_EQ(e.what, c.what ? c.what : "");
    }
    std::ofstream(dir.str("text.npy")) << "hello, this is text";
    std::ofstream(dir.str("cut.npy"), std::ios::binary).write("\x93NUMPY\x01\x00\xff\x00{'descr'", 17);
    auto refusal = [&](const char* name) {
        cxc::npy::Reader r;
        cxc::npy::Error e;
        EXPECT_FALSE(r.open(dir.str(name), e)) << name;
        return e;
    };
    EXPECT_EQ(refusal("text.npy").field, "magic");
    EXPECT_EQ(refusal("missing.npy").field, "file");
    EXPECT_EQ(refusal("cut.npy").what, "the file ends inside its header");
}
