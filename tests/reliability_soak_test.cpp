// Soak: each playing window plays many ticks (1,000; 200 under the sanitizers; CXC_SOAK_TICKS sets
// it) and ends with the GDI objects and windows it started with and less than 1 MB more memory.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <vector>

#include "afxwin.h"
#include "cxccompanions.h"
#include "cxcharness.h"
#include "demodata.h"
#include "mapdialogcore.h"
#include "moduleresources.h"
#include "show_table.h"

namespace {

namespace harness = cxc::harness;
using showtable::Show;

#if defined(__SANITIZE_ADDRESS__)
#define CXC_SOAK_SANITIZED 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define CXC_SOAK_SANITIZED 1
#endif
#endif
#ifdef CXC_SOAK_SANITIZED
constexpr bool kMeasureMemory = false;  // the sanitizer's quarantine holds freed blocks on purpose
constexpr long kDefaultTicks = 200;
#else
constexpr bool kMeasureMemory = true;
constexpr long kDefaultTicks = 1000;
#endif

long ticks()
{
    const char* env = std::getenv("CXC_SOAK_TICKS");
    const long n = env ? std::atol(env) : 0;
    return n > 0 ? n : kDefaultTicks;
}

long residentKb()
{
    long pages = 0, resident = 0;
    if (FILE* f = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(f, "%ld %ld", &pages, &resident) != 2) resident = 0;
        std::fclose(f);
    }
    return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

class Soak : public ::testing::Test {
protected:
    static void SetUpTestSuite() { demo_ = cxc::demo::build().release(); }
    static void TearDownTestSuite()
    {
        delete demo_;
        demo_ = nullptr;
    }
    // Plays the window for `n` ticks split evenly over the link styles given (none: as it opens).
    void soak(const char* name, std::vector<int> styles = {})
    {
        const Show& w = *cxc::findShow(name);
        const long gdiStart = cxc::gdi::liveCounts().total();
        const long windowsStart = cxc::wnd::liveWindows().windows;
        {
            showtable::Face face;
            ASSERT_EQ((face.*w.show)(demo_, nullptr), 1);
            CDialog* dlg = face.*w.slot;
            ASSERT_TRUE(harness::resize(dlg, 640, 480));
            ASSERT_TRUE(harness::clickButton(dlg, w.playId));
            auto* map = dynamic_cast<CDlgCxcMapCore*>(dlg);
            if (styles.empty()) styles.push_back(map ? map->viewFields().linkStyle : 0);
            const unsigned period = 100;
            // Warm up: fonts, glyph caches and the surfaces are made on the first ticks.
            harness::advanceTime(50 * period);
            const long gdi = cxc::gdi::liveCounts().total();
            const long windows = cxc::wnd::liveWindows().windows;
            const long rss = residentKb();
            const long n = ticks();
            for (std::size_t s = 0; s < styles.size(); ++s) {
                if (map) map->viewFields().linkStyle = styles[s];
                const long share = n / static_cast<long>(styles.size()) + (s == 0 ? n % static_cast<long>(styles.size()) : 0);
                for (long t = 0; t < share; ++t) harness::advanceTime(period);
            }
            ASSERT_FALSE(harness::pendingTimers(dlg).empty()) << "the window stopped playing";
            const long rssEnd = residentKb();
            const long grown = rssEnd - rss;
            std::printf("[ soak     ] %s: %ld ticks, GDI objects %ld -> %ld, windows %ld -> %ld, RSS %ld -> %ld KB (%+ld)\n",
                        name, n, gdi, cxc::gdi::liveCounts().total(), windows, cxc::wnd::liveWindows().windows, rss,
                        rssEnd, grown);
            EXPECT_EQ(cxc::gdi::liveCounts().total(), gdi);
            EXPECT_EQ(cxc::wnd::liveWindows().windows, windows);
            if (kMeasureMemory) {
                EXPECT_LT(grown, 1024);
            }
        }
        EXPECT_EQ(cxc::gdi::liveCounts().total(), gdiStart);
        EXPECT_EQ(cxc::wnd::liveWindows().windows, windowsStart);
    }

    static CArrayMEDataSetqz* demo_;
};

CArrayMEDataSetqz* Soak::demo_ = nullptr;

}  // namespace

TEST_F(Soak, MegLinkPlayThroughTheMagnitudeStylesLeaksNothing) { soak("showDlgCxcMegActLink2DMap", {2, 3, 4, 5}); }
TEST_F(Soak, EegLinkPlayLeaksNothing) { soak("showDlgCxcEegActLink2DMap"); }
TEST_F(Soak, MegPatchPlayLeaksNothing) { soak("showDlgCxcMegActWave2DMap"); }
TEST_F(Soak, EegPatchPlayLeaksNothing) { soak("showDlgCxcEegActWave2DMap"); }
TEST_F(Soak, MegContourAnimateLeaksNothing) { soak("showDlgCxcMegActCntFieldLine2DMap"); }
TEST_F(Soak, EegContourAnimateLeaksNothing) { soak("showDlgCxcEegActCntFieldLine2DMap"); }
TEST_F(Soak, MatrixPlayLeaksNothing) { soak("showDlgCxcMatrixAct"); }
