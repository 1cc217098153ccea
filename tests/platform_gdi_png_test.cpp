// PNG output of a DC, and its refusals.
#include <gtest/gtest.h>

#include "gdi_canvas.h"
#include "support.h"

namespace {

using namespace testgdi;

TEST(Png, WritesTheDcSurfaceAtItsSizeAndRefusesWithoutSurfaceOrWritablePath)
{
    cxctest::Scratch scratch;
    Canvas c(13, 7);
    c.line(0, 0, 13, 7);
    ASSERT_TRUE(cxc::gdi::writePng(c.dc, scratch.str("dc.png").c_str()));
    cxctest::expectSameImage(cxctest::readPicture(scratch.path("dc.png")), cxctest::picture(c.dc, 13, 7), "png");

    CDC none;
    EXPECT_FALSE(cxc::gdi::writePng(none, scratch.str("never.png").c_str()));
    for (const char* path : {"/nonexistent-dir/x.png", "", static_cast<const char*>(nullptr)})
        EXPECT_FALSE(cxc::gdi::writePng(c.dc, path)) << (path ? path : "null");
    EXPECT_EQ(cxc::gdi::pixel(c.dc, 50, 50), 0u);
}

}  // namespace
