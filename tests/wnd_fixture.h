// Shared by the window tests: small readers that make expectations short. The test main's listener
// puts the module's resources in the chain and cleans the platform before and after each test.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "afxwin.h"
#include "cxcharness.h"
#include "moduleresources.h"
#include "resource.h"

namespace wndtest {

class WndTest : public ::testing::Test {};

inline std::wstring str(const CString& s) { return s.str(); }

inline std::wstring lastMessage()
{
    const auto& log = cxc::harness::messageBoxes();
    return log.empty() ? std::wstring() : log.back().text.str();
}

// Pixels of a template rectangle (dialog units) with the fixed base units 6 x 13.
inline CRect dlu(int x, int y, int cx, int cy) { return cxc::res::dluToPixels(x, y, cx, cy); }

}  // namespace wndtest
