// The pen set-up and the information window in headless use.
#include <gtest/gtest.h>

#include "gdi_canvas.h"
#include "pensetup.h"
#include "richinfo.h"

TEST(PenSetup, TheQueuedChoiceReplacesThePen)
{
    CPenSetupqz::clearChoices();
    CPen pen(PS_SOLID, 2, RGB(0, 0, 0));
    const LOGPEN dashed{PS_DASH, {1, 0}, RGB(255, 0, 0)};
    CPenSetupqz::queueChoice(dashed);
    CPenSetupqz setup;
    EXPECT_EQ(setup.setupPen(&pen, nullptr), 1);
    LOGPEN lp{};
    pen.GetLogPen(&lp);
    EXPECT_EQ(lp.lopnStyle, static_cast<UINT>(PS_DASH));
    EXPECT_EQ(lp.lopnColor, RGB(255, 0, 0));
    EXPECT_EQ(CPenSetupqz::pendingChoices(), 0);
}

TEST(PenSetup, NoChoiceIsACancel)
{
    CPenSetupqz::clearChoices();
    CPen pen(PS_SOLID, 2, RGB(0, 0, 255));
    CPenSetupqz setup;
    EXPECT_EQ(setup.setupPen(&pen, nullptr), 0);
    LOGPEN lp{};
    pen.GetLogPen(&lp);
    EXPECT_EQ(lp.lopnColor, RGB(0, 0, 255));
    EXPECT_EQ(setup.setupPen(nullptr, nullptr), 0);
}

TEST(PenSetup, APenInUseIsNotReplaced)
{
    CPenSetupqz::clearChoices();
    testgdi::Canvas c(4, 4);
    CPen pen(PS_SOLID, 1, RGB(0, 0, 255));
    CPen* old = c.dc.SelectObject(&pen);
    CPenSetupqz::queueChoice(LOGPEN{PS_SOLID, {3, 0}, RGB(1, 2, 3)});
    CPenSetupqz setup;
    EXPECT_EQ(setup.setupPen(&pen, nullptr), 0);
    LOGPEN lp{};
    pen.GetLogPen(&lp);
    EXPECT_EQ(lp.lopnColor, RGB(0, 0, 255));
    c.dc.SelectObject(old);
}

TEST(RichInfo, KeepsWhatItShows)
{
    CRichInfoqz info;
    EXPECT_FALSE(info.visible);
    EXPECT_EQ(info.showRichInfo02(L"Total Connections: 3 \n", L"demo trial01: Active"), 1);
    EXPECT_TRUE(info.visible);
    EXPECT_EQ(info.lastText, L"Total Connections: 3 \n");
    EXPECT_EQ(info.lastCaption, L"demo trial01: Active");
    info.showRichInfo02(L"No Data", L"");
    EXPECT_EQ(info.showCount, 2);
    EXPECT_EQ(info.lastText, L"No Data");
    info.close();
    EXPECT_FALSE(info.visible);
}
