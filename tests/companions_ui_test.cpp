// The pen set-up in headless use.
#include <gtest/gtest.h>

#include "gdi_canvas.h"
#include "pensetup.h"

namespace {
COLORREF colourOf(const CPen& pen)
{
    LOGPEN lp{};
    pen.GetLogPen(&lp);
    return lp.lopnColor;
}
}  // namespace

// Replacing the pen with the queued choice and keeping it when cancelled show in the link dialog's tests.
TEST(PenSetup, ANullPenOrAPenInUseIsNotReplaced)
{
    CPenSetupqz setup;
    CPen pen(PS_SOLID, 2, RGB(0, 0, 255));
    CPenSetupqz::queueChoice(LOGPEN{PS_SOLID, {3, 0}, RGB(1, 2, 3)});
    EXPECT_EQ(setup.setupPen(nullptr, nullptr), 0);
    testgdi::Canvas c(4, 4);
    CPen* old = c.dc.SelectObject(&pen);
    EXPECT_EQ(setup.setupPen(&pen, nullptr), 0);
    EXPECT_EQ(colourOf(pen), RGB(0, 0, 255));
    c.dc.SelectObject(old);
}
