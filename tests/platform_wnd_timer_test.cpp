// Window timers on the harness's virtual clock.
#include <string>
#include <vector>

#include "wnd_fixture.h"

namespace {

using wndtest::WndTest;

class TimerForm : public CDialogEx {
public:
    std::vector<std::string> ticks;
    bool stopInTick = false;
    bool restartInTick = false;
    int repaintOnTick = 0;
protected:
    afx_msg void OnTimer(UINT_PTR id)
    {
        ticks.push_back(std::to_string(id) + "@" + std::to_string(cxc::harness::now()));
        if (stopInTick) KillTimer(id);
        if (restartInTick) SetTimer(id, 250);
        if (repaintOnTick) Invalidate(FALSE);
        CDialogEx::OnTimer(id);  // the default handling of other ids
    }
    afx_msg void OnPaint()
    {
        ticks.push_back("paint@" + std::to_string(cxc::harness::now()));
        Default();
    }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(TimerForm, CDialogEx)
    ON_WM_TIMER()
    ON_WM_PAINT()
END_MESSAGE_MAP()

class Timers : public WndTest {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(form.Create(IDD_CXC_MATRIX_VIEWER));
    }
    TimerForm form;
};

TEST_F(Timers, TicksComeInTimeOrderOnePerPeriodAtLeastTenApart)
{
    EXPECT_EQ(form.SetTimer(100, 100), 100u);
    EXPECT_EQ(form.SetTimer(101, 150), 101u);
    cxc::harness::advanceTime(350);
    EXPECT_EQ(form.ticks, (std::vector<std::string>{"100@100", "101@150", "100@200", "100@300", "101@300"}));
    EXPECT_EQ(cxc::harness::now(), 350);
    form.ticks.clear();
    form.SetTimer(7, 0);
    cxc::harness::advanceTime(30);
    EXPECT_EQ(form.ticks, (std::vector<std::string>{"7@360", "7@370", "7@380"}));
    EXPECT_EQ(form.SetTimer(0, 100), 0u);  // id 0 names no timer
}

TEST_F(Timers, ASecondSetTimerReplacesTheFirstFireTimerDeliversNowAndKillTimerSaysWhetherOneRan)
{
    EXPECT_FALSE(cxc::harness::fireTimer(&form, 100));
    form.SetTimer(100, 100);
    cxc::harness::advanceTime(50);
    form.SetTimer(100, 30);
    const auto pending = cxc::harness::pendingTimers(&form);
    ASSERT_EQ(pending.size(), 1u);
    EXPECT_EQ(pending[0].periodMs, 30u);
    EXPECT_EQ(pending[0].dueMs, 80);
    cxc::harness::advanceTime(60);
    EXPECT_TRUE(cxc::harness::fireTimer(&form, 100));  // without moving the clock
    EXPECT_EQ(form.ticks, (std::vector<std::string>{"100@80", "100@110", "100@110"}));
    EXPECT_TRUE(cxc::harness::timerRunning(&form, 100));
    EXPECT_TRUE(form.KillTimer(100));
    EXPECT_FALSE(form.KillTimer(101));
    form.SetTimer(101, 100);
    EXPECT_TRUE(form.KillTimer(101));
    EXPECT_FALSE(form.KillTimer(101));
    cxc::harness::advanceTime(1000);
    EXPECT_EQ(form.ticks.size(), 3u);
}

TEST_F(Timers, TimersKeepRunningWhileHiddenAndStopWithTheWindow)
{
    form.ShowWindow(SW_HIDE);
    form.SetTimer(100, 100);
    cxc::harness::advanceTime(100);
    EXPECT_EQ(form.ticks.size(), 1u);
    form.DestroyWindow();
    cxc::harness::advanceTime(1000);
    EXPECT_EQ(form.ticks.size(), 1u);
    EXPECT_FALSE(cxc::harness::fireTimer(&form, 100));
}

TEST_F(Timers, PaintsComeBetweenTicksAndAHandlerMayStopOrRestartItsOwnTimer)
{
    form.ShowWindow(SW_SHOW);
    cxc::harness::pumpPaints();
    form.ticks.clear();
    form.repaintOnTick = 1;
    form.SetTimer(100, 100);
    cxc::harness::advanceTime(200);
    EXPECT_EQ(form.ticks, (std::vector<std::string>{"100@100", "paint@100", "100@200", "paint@200"}));
    form.ticks.clear();
    form.repaintOnTick = 0;
    form.stopInTick = true;
    form.SetTimer(100, 100);
    cxc::harness::advanceTime(500);
    EXPECT_EQ(form.ticks, std::vector<std::string>{"100@300"});
    form.ticks.clear();
    form.stopInTick = false;
    form.restartInTick = true;
    form.SetTimer(100, 100);
    cxc::harness::advanceTime(700);  // now 1400: ticks at 800, then every 250 ms
    EXPECT_EQ(form.ticks, (std::vector<std::string>{"100@800", "100@1050", "100@1300"}));
}

}  // namespace
