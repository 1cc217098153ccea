// Every window in several looks: the view's picture and the texts a user reads, against the files
// under tests/snapshots/ (CXC_UPDATE_SNAPSHOTS=1 writes them instead).
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <utility>

#include "cxcharness.h"
#include "demodata.h"
#include "dlgeegcxctoplink2dmap.h"
#include "dlgmegcxcshowstdset.h"
#include "dlgmegcxctoplink2dmap.h"
#include "dlgeegcxccontourfieldline2dmap.h"
#include "dlgmegcxccontourfieldline2dmap.h"
#include "linkreport.h"
#include "show_table.h"
#include "support.h"
#include "testkit.h"

namespace {

namespace harness = cxc::harness;
using showtable::Kind;
using showtable::Show;

bool updating()
{
    const char* env = std::getenv("CXC_UPDATE_SNAPSHOTS");
    return env && *env && *env != '0';
}

// Six MEG sensors and six EEG electrodes whose series hold NaN, infinities and values near the
// largest double.
std::unique_ptr<CArrayMEDataSetqz> edgeData()
{
    return cxc::testkit::DataSet()
        .meg(6)
        .eeg(6)
        .samples(12)
        .series([](int a, int b, long long t) {
            const double kinds[] = {std::numeric_limits<double>::quiet_NaN(), 1e300, -1e300, 0.5,
                                    std::numeric_limits<double>::infinity(), -0.25};
            return kinds[(a + b + t) % 6] * (t % 2 ? 1 : -1);
        })
        .build();
}

// Eleven channels, the seventh without a name, whose values read in fT and in pT; one sample selected.
std::unique_ptr<CArrayMEDataSetqz> fewData()
{
    return cxc::testkit::DataSet().meg(6).other(L"").eeg(4).samples(400).select(150, 150)
        .series([](int, int b, long long t) { return (b - 5) * 450.0 + static_cast<double>(t % 7); })
        .build();
}

std::string utf8(const CString& s)
{
    std::string out;
    for (wchar_t c : s.str()) out += c < 0x80 ? static_cast<char>(c) : '?';
    return out;
}

void appendValue(std::string& out, double v)
{
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, " %.5g", v);
    out += buffer;
}

template <class Dialog>
Dialog* as(CDialog* d)
{
    return dynamic_cast<Dialog*>(d);
}

// What a user reads in the window: each control's id, text and check state, the message boxes,
// and the link report or the contour grid.
std::string controlsOf(CDialog* dlg)
{
    std::string out = "caption: " + utf8(harness::caption(dlg)) + "\n";
    for (HWND h : harness::children(dlg)) {
        CWnd* c = CWnd::FromHandle(h);
        CString text;
        c->GetWindowText(text);
        const int id = c->GetDlgCtrlID();
        out += std::to_string(id) + " [" + utf8(text) + "]";
        if (const int check = harness::check(dlg, id); check > 0) out += " checked";
        if (!harness::enabled(dlg, id)) out += " disabled";
        const std::vector<CString> items = harness::comboItems(dlg, id);
        for (const CString& item : items) out += " |" + utf8(item);
        if (!items.empty()) out += " sel " + std::to_string(harness::comboSel(dlg, id));
        if (const SCROLLINFO bar = harness::scrollInfo(dlg, id); bar.nMax > 0)
            out += " bar " + std::to_string(bar.nPos) + " of " + std::to_string(bar.nMin) + ".." +
                   std::to_string(bar.nMax) + " page " + std::to_string(bar.nPage);
        out += "\n";
    }
    return out;
}

std::string textsOf(CDialog* dlg, const Show& w)
{
    std::string out = controlsOf(dlg);
    if (auto* meg = as<CDlgMegCxcTopLink2DMap>(dlg); meg && meg->stdSetDlg)
        out += "setting " + controlsOf(meg->stdSetDlg);
    for (const auto& m : harness::messageBoxes()) out += "message: " + utf8(m.text) + "\n";
    if (w.kind == Kind::Link) {
        // Six decimals, sixteen, and the current row alone.
        for (const auto& [precise, activeOnly] : {std::pair{0, 0}, std::pair{1, 0}, std::pair{0, 1}}) {
            CString report;
            if (auto* meg = as<CDlgMegCxcTopLink2DMap>(dlg))
                report = cxc::linkGraphReport(meg->mapView, 1, precise, activeOnly);
            if (auto* eeg = as<CDlgEegCxcTopLink2DMap>(dlg))
                report = cxc::linkGraphReport(eeg->mapView, 1, precise, activeOnly);
            out += "report:\n" + utf8(report) + "\n";
        }
    }
    if (w.kind == Kind::Contour) {
        const CDataGridRect* g = nullptr;
        if (auto* meg = as<CDlgMegCxcContourFieldLine2DMap>(dlg)) g = &meg->mapView.grid;
        if (auto* eeg = as<CDlgEegCxcContourFieldLine2DMap>(dlg)) g = &eeg->mapView.grid;
        out += "grid " + std::to_string(g ? g->nx : 0) + " x " + std::to_string(g ? g->ny : 0) + ":\n";
        for (int i = 0; g && i < g->nx; ++i) {
            for (int j = 0; j < g->ny; ++j) appendValue(out, g->values[i][j]);
            out += "\n";
        }
    }
    return out;
}

struct Case {
    const Show* window;
    const char* data;  // "demo", "edge", "other": the demo data in the window's second look,
                       // "played" or "stopped" after three ticks, "setting" or "scrolled" with a
                       // Setting dialog, "boxes" with a map's boxes changed
};

// The second look: a map mirrored (a contour map with field and lines), the row/column viewer in
// columns; false for a window without one.
bool secondLook(CDialog* dlg, Kind kind)
{
    if (kind == Kind::Matrix) return false;
    if (kind == Kind::RowColumn) return harness::selectCombo(dlg, IDC_RC_LAYOUT, 1);
    if (kind == Kind::Contour && !harness::clickRadio(dlg, IDC_TYPE_BOTH)) return false;
    return harness::clickCheck(dlg, IDC_RADIOLOGY);
}

// Three ticks of the play timer (a contour map tracing lines), then stopped or not.
bool played(CDialog* dlg, const Show& w, bool stop)
{
    if (w.kind == Kind::Contour && !harness::clickRadio(dlg, IDC_TYPE_LINE)) return false;
    if (!harness::clickButton(dlg, w.playId)) return false;
    harness::advanceTime(300);
    if (stop && !harness::clickButton(dlg, w.playId)) return false;
    return harness::timerRunning(dlg, w.timerId) != stop;
}

// A MEG link map's Setting dialog as it opens (Active), with a colour scale and the polarity chosen
// (Control), with another class chosen (Act-Ctl), its bars moved by every kind of scroll in each but
// the first; look 3 ("scrolled", Active) stops the bars at their ends.
bool setting(CDialog* dlg, int look)
{
    auto* link = as<CDlgMegCxcTopLink2DMap>(dlg);
    if (!link || !harness::clickButton(link, IDC_SETTING) || !link->stdSetDlg) return false;
    CDialog* set = link->stdSetDlg;
    // Each bar ends where every step it took shows, in its position or in its value's text.
    const int lo = IDC_SELECT_MIN_BAR, hi = IDC_SELECT_MAX_BAR;
    const struct {
        int look, bar, code, thumb;
    } steps[] = {{1, hi, SB_PAGEUP, 0},      {1, lo, SB_THUMBPOSITION, 10}, {1, lo, SB_LINEUP, 0},
                 {1, lo, SB_LINEUP, 0},      {1, lo, SB_LINEDOWN, 0},       {2, lo, SB_THUMBTRACK, 700},
                 {2, lo, SB_PAGEDOWN, 0},    {2, lo, SB_ENDSCROLL, 0},      {2, hi, SB_BOTTOM, 0},
                 {3, lo, SB_THUMBTRACK, 50}, {3, lo, SB_PAGEUP, 0},         {3, hi, SB_TOP, 0},
                 {3, hi, SB_LINEUP, 0}};
    for (const auto& s : steps)
        if (s.look == look && !harness::hscroll(set, s.bar, s.code, s.thumb)) return false;
    if (look == 1)
        return harness::clickRadio(set, IDC_SCALE_512) && harness::clickCheck(set, IDC_POLARITY_VIEW);
    if (look == 2)
        return harness::clickRadio(set, IDC_SCALE_1) && harness::selectCombo(set, IDC_CLASS_COMBO, 1);
    return true;
}

// A map with its boxes changed: labels and the information line off, small sensors, and each kind's
// own display values.
bool boxes(CDialog* dlg, Kind kind)
{
    bool ok = harness::clickCheck(dlg, IDC_SHOW_LABEL_CHECK) && harness::typeText(dlg, IDC_SENSOR_SIZE, L"3") &&
              harness::menuCommand(dlg, ID_VIEW_SHOW_INFORMATION);
    if (kind == Kind::Link)
        return ok && harness::clickCheck(dlg, IDC_COLOR_LINK) && harness::typeText(dlg, IDC_MAX_LINK, L"5");
    if (kind == Kind::Patch)
        return ok && harness::typeText(dlg, IDC_TIME_SCALE, L"3") &&
               harness::clickUpDownArrow(dlg, IDC_AMP_SCALE_SPIN, true);
    return ok && harness::selectCombo(dlg, IDC_COLOR_SCALE, 0) && harness::typeText(dlg, IDC_CONTOUR_LEVELS, L"8");
}

// The third look: contours as black and white lines, links uncoloured and at most three, patches
// without sensors, the matrix in 8-pixel cells without labels, the row/column viewer's two sides
// (first class) or four regions.
bool thirdLook(CDialog* dlg, const Show& w)
{
    switch (w.kind) {
    case Kind::Contour:
        return harness::selectCombo(dlg, IDC_COLOR_SCALE, 0) && harness::clickRadio(dlg, IDC_TYPE_LINE);
    case Kind::Link:
        return harness::clickCheck(dlg, IDC_COLOR_LINK) && harness::typeText(dlg, IDC_MAX_LINK, L"3");
    case Kind::Patch: return harness::clickCheck(dlg, IDC_SHOW_SENSOR_CHECK);
    case Kind::Matrix:
        return harness::typeText(dlg, IDC_PIXEL_WIDTH, L"8") &&
               harness::clickCheck(dlg, IDC_MATRIX_SHOW_LABEL) && harness::clickButton(dlg, IDC_REFRESH);
    case Kind::RowColumn: return harness::selectCombo(dlg, IDC_RC_TYPE, w.cxcClass == 0 ? 1 : 2);
    }
    return false;
}

class Snapshot : public ::testing::TestWithParam<Case> {};

}  // namespace

TEST_P(Snapshot, ViewAndTextsAreAsRecorded)
{
    const Show& w = *GetParam().window;
    const std::string data = GetParam().data;
    std::unique_ptr<CArrayMEDataSetqz> dataSet =
        data == "edge" ? edgeData() : data == "few" ? fewData() : cxc::demo::build();
    showtable::Face face;
    if (data == "few") face.setDisplayMode(1);  // the row/column viewer opens in columns
    ASSERT_EQ((face.*w.show)(dataSet.get(), nullptr), 1);
    CDialog* dlg = face.*w.slot;
    ASSERT_NE(dlg, nullptr);
    harness::resize(dlg, 480, 400);  // a modest picture
    if (data == "other") {
        ASSERT_TRUE(secondLook(dlg, w.kind));
    }
    if (data == "boxes") {
        ASSERT_TRUE(boxes(dlg, w.kind));
    }
    if (data == "setting" || data == "scrolled") {
        ASSERT_TRUE(setting(dlg, data == "scrolled" ? 3 : w.cxcClass));
    }
    if (data == "played" || data == "stopped") {
        ASSERT_TRUE(played(dlg, w, data == "stopped"));
    }
    if (data == "third") {
        ASSERT_TRUE(thirdLook(dlg, w));
    }
    if (data == "few" && w.kind == Kind::RowColumn) {  // at a quarter pixel a sample
        ASSERT_TRUE(harness::clickUpDownArrow(dlg, IDC_TIME_SCALE_SPIN, false) &&
                    harness::clickUpDownArrow(dlg, IDC_TIME_SCALE_SPIN, false));
    }
    if (data == "few" && w.kind == Kind::Matrix) {  // cells of no width, the origin a step right and up
        ASSERT_TRUE(harness::typeText(dlg, IDC_PIXEL_WIDTH, L"0") && harness::clickButton(dlg, IDC_REFRESH) &&
                    harness::clickUpDownArrow(dlg, IDC_ORIGIN_X_SPIN, true) &&
                    harness::clickUpDownArrow(dlg, IDC_ORIGIN_Y_SPIN, false));
    }
    harness::pumpPaints();
    CWnd* view = CWnd::FromHandlePermanent(harness::controlHandle(dlg, w.viewId));
    ASSERT_NE(view, nullptr);
    const harness::Image img = harness::clientSurface(view);
    ASSERT_FALSE(img.isNull());
    const std::string texts = textsOf(dlg, w);

    const cxctest::fs::path base = cxctest::fs::path(CXC_SNAPSHOT_DIR) / data / w.name;
    if (updating()) {
        cxctest::fs::create_directories(base.parent_path());
        ASSERT_TRUE(img.writePng((base.string() + ".png").c_str()));
        cxctest::writeFile(base.string() + ".txt", texts);
        return;
    }
    const cxctest::Picture expected = cxctest::readPicture(base.string() + ".png");
    ASSERT_GT(expected.width, 0) << base << ".png is missing: run with CXC_UPDATE_SNAPSHOTS=1";
    cxctest::expectSameImage(cxctest::picture(img), expected, w.name);
    EXPECT_EQ(texts, cxctest::readFile(base.string() + ".txt"));
}

namespace {

std::vector<Case> allCases()
{
    std::vector<Case> cases;
    for (const char* data : {"demo", "edge", "other", "third"})
        for (const Show& w : showtable::kShows)
            if (std::string(data) != "other" || w.kind != Kind::Matrix) cases.push_back({&w, data});
    for (const Show& w : showtable::kShows)
        if (w.playId && w.cxcClass != 1) cases.push_back({&w, w.cxcClass ? "stopped" : "played"});
    for (const Show& w : showtable::kShows)
        if (w.kind == Kind::Link && showtable::modalityOf(w) == 0) cases.push_back({&w, "setting"});
    cases.push_back({&showtable::kShows.front(), "scrolled"});  // the MEG link map, Active
    for (const Show& w : showtable::kShows)
        if (showtable::modalityOf(w) >= 0) cases.push_back({&w, "boxes"});
    for (const Show& w : showtable::kShows) cases.push_back({&w, "few"});
    return cases;
}

}  // namespace

INSTANTIATE_TEST_SUITE_P(Windows, Snapshot, ::testing::ValuesIn(allCases()), [](const auto& info) {
    return std::string(info.param.data) + "_" + info.param.window->name;
});
