// Test main: the application object on Qt's offscreen platform, so no test needs a display.
#include <gtest/gtest.h>

#include "cxcplatform.h"

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    cxc::platform::initApplication(argc, argv, /*headless*/ true);
    return RUN_ALL_TESTS();
}
