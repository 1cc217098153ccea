// Shared by the window tests: the module's resources in the chain, a clean platform before and
// after each test, and small readers that make expectations short.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "afxwin.h"
#include "cxcharness.h"
#include "moduleresources.h"
#include "resource.h"

namespace wndtest {

class WndTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(cxc::resources::joinResourceChain());
        cxc::harness::resetPlatform();
    }
    void TearDown() override { cxc::harness::resetPlatform(); }
};

inline std::wstring str(const CString& s) { return s.str(); }

inline std::wstring lastMessage()
{
    const auto& log = cxc::harness::messageBoxes();
    return log.empty() ? std::wstring() : log.back().text.str();
}

// Pixels of a template rectangle (dialog units) with the fixed base units 6 x 13.
inline CRect dlu(int x, int y, int cx, int cy) { return cxc::res::dluToPixels(x, y, cx, cy); }

}  // namespace wndtest
