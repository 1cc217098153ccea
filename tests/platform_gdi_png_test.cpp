// PNG output of a DC: the file is a PNG of the surface's size; nothing is written when
// there is no surface or no writable path.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "gdi_canvas.h"

namespace {

using namespace testgdi;

struct PngHeader {
    bool signature = false;
    unsigned width = 0, height = 0;
};

PngHeader readHeader(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    const std::vector<unsigned char> b((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    PngHeader h;
    static const unsigned char sig[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    if (b.size() < 24) return h;
    h.signature = std::equal(sig, sig + 8, b.begin());
    // The IHDR chunk follows the signature: length, "IHDR", width and height big-endian.
    auto be32 = [&](std::size_t at) { return (unsigned(b[at]) << 24) | (unsigned(b[at + 1]) << 16) | (unsigned(b[at + 2]) << 8) | b[at + 3]; };
    if (std::string(b.begin() + 12, b.begin() + 16) == "IHDR") {
        h.width = be32(16);
        h.height = be32(20);
    }
    return h;
}

TEST(Png, WritesTheDcSurfaceAtItsSizeAndRefusesWithoutSurfaceOrWritablePath)
{
    const auto dir = std::filesystem::temp_directory_path() / "cxc_png_test";
    std::filesystem::create_directories(dir);
    Canvas c(13, 7);
    c.line(0, 0, 13, 7);
    ASSERT_TRUE(cxc::gdi::writePng(c.dc, (dir / "dc.png").string().c_str()));
    const PngHeader h = readHeader(dir / "dc.png");
    EXPECT_TRUE(h.signature);
    EXPECT_EQ(h.width, 13u);
    EXPECT_EQ(h.height, 7u);
    std::filesystem::remove_all(dir);

    CDC none;
    EXPECT_FALSE(cxc::gdi::writePng(none, "/tmp/cxc_never.png"));
    for (const char* path : {"/nonexistent-dir/x.png", "", static_cast<const char*>(nullptr)})
        EXPECT_FALSE(cxc::gdi::writePng(c.dc, path)) << (path ? path : "null");
    EXPECT_EQ(cxc::gdi::pixel(c.dc, 50, 50), 0u);
}

}  // namespace
