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

TEST(PenSetup, TheQueuedChoiceReplacesThePenUnlessCancelledOrInUse)
{
    CPenSetupqz::clearChoices();
    CPenSetupqz setup;
    CPen pen(PS_SOLID, 2, RGB(0, 0, 255));
    EXPECT_EQ(setup.setupPen(&pen, nullptr), 0);  // no choice is a cancel
    EXPECT_EQ(colourOf(pen), RGB(0, 0, 255));
    EXPECT_EQ(setup.setupPen(nullptr, nullptr), 0);

    testgdi::Canvas c(4, 4);  // a pen in use is not replaced
    CPen* old = c.dc.SelectObject(&pen);
    CPenSetupqz::queueChoice(LOGPEN{PS_SOLID, {3, 0}, RGB(1, 2, 3)});
    EXPECT_EQ(setup.setupPen(&pen, nullptr), 0);
    EXPECT_EQ(colourOf(pen), RGB(0, 0, 255));
    c.dc.SelectObject(old);

    CPenSetupqz::clearChoices();
    CPenSetupqz::queueChoice(LOGPEN{PS_DASH, {1, 0}, RGB(255, 0, 0)});
    EXPECT_EQ(setup.setupPen(&pen, nullptr), 1);
    LOGPEN lp{};
    pen.GetLogPen(&lp);
    EXPECT_EQ(lp.lopnStyle, static_cast<UINT>(PS_DASH));
    EXPECT_EQ(lp.lopnColor, RGB(255, 0, 0));
    EXPECT_EQ(CPenSetupqz::pendingChoices(), 0);
}
