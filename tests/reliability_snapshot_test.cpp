// Every window of the show table on the demo data and on a small data set of NaN and huge values:
// the view's picture, and the texts a user reads (the dialog's captions and control values, the
// message boxes, the graph report of a link window, the grid of a contour window), against the
// files under tests/snapshots/. CXC_UPDATE_SNAPSHOTS=1 writes the files instead.
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

#include "cxcharness.h"
#include "demodata.h"
#include "dlgeegcxctoplink2dmap.h"
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

// Two MEG sensors and six EEG electrodes whose series hold NaN, infinities and values near the
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
std::string textsOf(CDialog* dlg, const Show& w)
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
        out += "\n";
    }
    for (const auto& m : harness::messageBoxes()) out += "message: " + utf8(m.text) + "\n";
    if (w.kind == Kind::Link) {
        CString report;
        if (auto* meg = as<CDlgMegCxcTopLink2DMap>(dlg)) report = cxc::linkGraphReport(meg->mapView, 1, 0, 0);
        if (auto* eeg = as<CDlgEegCxcTopLink2DMap>(dlg)) report = cxc::linkGraphReport(eeg->mapView, 1, 0, 0);
        out += "report:\n" + utf8(report) + "\n";
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
    const char* data;  // "demo" or "edge"
};

class Snapshot : public ::testing::TestWithParam<Case> {};

}  // namespace

TEST_P(Snapshot, ViewAndTextsAreAsRecorded)
{
    const Show& w = *GetParam().window;
    const std::string data = GetParam().data;
    std::unique_ptr<CArrayMEDataSetqz> dataSet = data == "demo" ? cxc::demo::build() : edgeData();
    showtable::Face face;
    ASSERT_EQ((face.*w.show)(dataSet.get(), nullptr), 1);
    CDialog* dlg = face.*w.slot;
    ASSERT_NE(dlg, nullptr);
    harness::resize(dlg, 480, 400);  // a modest picture
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
    for (const char* data : {"demo", "edge"})
        for (const Show& w : showtable::kShows) cases.push_back({&w, data});
    return cases;
}

}  // namespace

INSTANTIATE_TEST_SUITE_P(Windows, Snapshot, ::testing::ValuesIn(allCases()), [](const auto& info) {
    return std::string(info.param.data) + "_" + info.param.window->name;
});
