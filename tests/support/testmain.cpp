// Test main: the application object on Qt's offscreen platform, so no test needs a display, and one
// listener that gives every test the same clean start and leaves nothing behind for the next.
#include <gtest/gtest.h>

#include "afxdlgs.h"
#include "cxcharness.h"
#include "cxcplatform.h"
#include "moduleresources.h"
#include "pensetup.h"
#include "testkit.h"

namespace {

void resetAll()
{
    cxc::testkit::clearFaults();
    CPenSetupqz::clearChoices();
    cxc::harness::answerNextFolderPicker(nullptr);
    cxc::harness::resetPlatform();
}

class CleanSlate : public ::testing::EmptyTestEventListener {
    void OnTestStart(const ::testing::TestInfo&) override
    {
        if (!cxc::resources::joinResourceChain()) ADD_FAILURE() << "the module's resources could not be joined";
        resetAll();
    }
    void OnTestEnd(const ::testing::TestInfo&) override { resetAll(); }
};

}  // namespace

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    cxc::platform::initApplication(argc, argv, /*headless*/ true);
    ::testing::UnitTest::GetInstance()->listeners().Append(new CleanSlate);
    return RUN_ALL_TESTS();
}
