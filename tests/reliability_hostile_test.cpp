// Every window against data that lack something or hold the worst of it: it opens, paints, says only
// what its data call for, leaves nothing behind, and its recorded paint replays onto the same pixels.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <memory>
#include <set>
#include <string>

#include "afxwin.h"
#include "cxccompanions.h"
#include "cxcfigure.h"
#include "cxcharness.h"
#include "moduleresources.h"
#include "show_table.h"
#include "support.h"
#include "testkit.h"

namespace {

namespace harness = cxc::harness;
using cxc::testkit::DataSet;
using showtable::Kind;
using showtable::kShows;
using showtable::Show;

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

constexpr const wchar_t* kComputeFirst = L"Please compute channel-channel data first!";
constexpr const wchar_t* kNoPairArray = L"Please compute channel-channel data or select other class of data!";
constexpr const wchar_t* kMatrixComputeFirst = L"Please compute CxC data first!";
constexpr const wchar_t* kMatrixNoPairArray = L"Please compute CxC data or select other class of data!";

std::set<std::wstring> messages()
{
    std::set<std::wstring> out;
    for (const auto& m : harness::messageBoxes()) out.insert(m.text.str());
    return out;
}

CWnd* viewOf(CDialog* dlg, const Show& w)
{
    return CWnd::FromHandlePermanent(harness::controlHandle(dlg, w.viewId));
}

constexpr const wchar_t* kSensorLocationError = L"sensor location error!";

// What a window must show for a data set.
enum class Expect {
    ComputeFirst,  // the view's text for missing coupling data
    NoPairArray,   // the view's text for class data without pair array
    Picture,       // a picture (no missing-data text), and no message box
    Background,    // a map without a sensor plane: "sensor location error!" and the background only
    Blank,         // the background only, and no message box
};

bool isMap(const Show& w) { return w.kind == Kind::Link || w.kind == Kind::Patch || w.kind == Kind::Contour; }

// The maps of one modality (0 MEG, 1 EEG) have no sensor plane; every other window paints.
std::function<Expect(const Show&)> noPlaneIn(std::set<int> modalities)
{
    return [modalities](const Show& w) {
        return isMap(w) && modalities.count(showtable::modalityOf(w)) ? Expect::Background : Expect::Picture;
    };
}
std::function<Expect(const Show&)> always(Expect e)
{
    return [e](const Show&) { return e; };
}

// Pixels of a picture that differ from its top-left pixel.
int notUniform(const harness::Image& img)
{
    return img.width() * img.height() -
           cxctest::count(cxctest::picture(img), img.pixel(0, 0), 0, 0, img.width(), img.height());
}

const wchar_t* textFor(Expect e, Kind kind)
{
    if (e == Expect::ComputeFirst) return kind == Kind::Matrix ? kMatrixComputeFirst : kComputeFirst;
    if (e == Expect::NoPairArray) return kind == Kind::Matrix ? kMatrixNoPairArray : kNoPairArray;
    return nullptr;
}

class HostileData : public ::testing::Test {
protected:
    // Every window opened on its own facade over the data set: it opens, paints what `expect`
    // says for it, raises no other message box, survives a second show, its play timer and a resize
    // down to 0 x 0, and goes without a trace.
    void everyWindow(const std::function<std::unique_ptr<CArrayMEDataSetqz>()>& make,
                     const std::function<Expect(const Show&)>& expectFor)
    {
        for (const Show& w : kShows) {
            SCOPED_TRACE(w.name);
            const Expect expect = expectFor(w);
            harness::clearMessageBoxes();
            const long gdi = cxc::gdi::liveCounts().total();
            const long windows = cxc::wnd::liveWindows().windows;
            {
                std::unique_ptr<CArrayMEDataSetqz> data = make();
                showtable::Face face;
                ASSERT_EQ((face.*w.show)(data.get(), nullptr), 1);
                CDialog* dlg = face.*w.slot;
                ASSERT_NE(dlg, nullptr);
                CWnd* view = viewOf(dlg, w);
                ASSERT_NE(view, nullptr);
                harness::pumpPaints();
                const harness::Image img = harness::clientSurface(view);
                ASSERT_FALSE(img.isNull());
                // Recorded, a paint replays onto its own pixels.
                const cxc::figure::Picture recorded = cxc::figure::recordPaint(view);
                cxctest::expectSameImage(cxctest::picture(cxc::figure::replay(recorded, 1)),
                                         cxctest::picture(harness::clientSurface(view)), std::string(w.name) + "-replay");
                switch (expect) {
                case Expect::ComputeFirst:
                case Expect::NoPairArray: cxctest::expectShowsText(img, textFor(expect, w.kind), w.name); break;
                case Expect::Picture:
                    EXPECT_NE(cxctest::differsFromText(img, textFor(Expect::ComputeFirst, w.kind)), 0);
                    EXPECT_NE(cxctest::differsFromText(img, textFor(Expect::NoPairArray, w.kind)), 0);
                    EXPECT_NE(notUniform(img), 0);
                    break;
                case Expect::Background:
                case Expect::Blank: EXPECT_EQ(notUniform(img), 0); break;
                }
                if (expect == Expect::Background) EXPECT_EQ(messages(), std::set<std::wstring>{kSensorLocationError});
                else EXPECT_EQ(messages(), std::set<std::wstring>{});
                // Shown again, played and resized: still standing, and still silent.
                harness::clearMessageBoxes();
                ASSERT_EQ((face.*w.show)(data.get(), nullptr), 1);
                if (w.playId) harness::clickButton(dlg, w.playId);
                harness::advanceTime(1000);
                harness::resize(dlg, 0, 0);
                harness::advanceTime(200);
                harness::resize(dlg, 500, 400);
                harness::pumpPaints();
                for (const std::wstring& m : messages())
                    EXPECT_TRUE(expect == Expect::Background && m == kSensorLocationError)
                        << "unexpected message box: " << std::string(m.begin(), m.end());
            }
            EXPECT_EQ(cxc::gdi::liveCounts().total(), gdi);
            EXPECT_EQ(cxc::wnd::liveWindows().windows, windows);
        }
    }
};

// Four MEG sensors (one plane, which fits no sphere) and ten EEG electrodes, every pair coupled.
DataSet both()
{
    return DataSet().meg(4).eeg(10).series([](int a, int b, long long t) { return 0.1 * (a - b) + 0.01 * static_cast<double>(t); });
}

std::unique_ptr<CArrayMEDataSetqz> noSession() { return std::make_unique<CArrayMEDataSetqz>(); }

std::unique_ptr<CArrayMEDataSetqz> noTrial()
{
    auto data = std::make_unique<CArrayMEDataSetqz>();
    auto session = std::make_unique<CMEGDataqz>();
    session->setSessionName(L"empty");
    data->addSession(std::move(session));
    return data;
}

struct Hostile {
    const char* what;
    std::function<std::unique_ptr<CArrayMEDataSetqz>()> make;
    std::function<Expect(const Show&)> expect;
};

class HostileCase : public HostileData, public ::testing::WithParamInterface<Hostile> {};

DataSet onePoint()
{
    DataSet d;
    for (const wchar_t* n : {L"MLF11", L"MRF12", L"MZC01"}) d.megAt(n, 0.0, 0.05, 0.1);
    for (const wchar_t* n : {L"Fp1", L"Cz", L"O2"}) d.eegAt(n, 0.0, 0.05, 0.1);
    return d;
}

}  // namespace

TEST_P(HostileCase, EveryWindowOpensPaintsAndLeavesNothing)
{
    everyWindow(GetParam().make, GetParam().expect);
}

INSTANTIATE_TEST_SUITE_P(
    Data, HostileCase,
    ::testing::Values(
        Hostile{"NoSession", noSession, always(Expect::ComputeFirst)},
        Hostile{"SessionWithoutTrial", noTrial, always(Expect::ComputeFirst)},
        Hostile{"TrialWithoutCouplingPackage", [] { return both().noCoupling().build(); },
                always(Expect::ComputeFirst)},
        Hostile{"ClassesWithoutPairArray",
                [] { return both().withoutPairArray(0).withoutPairArray(1).withoutPairArray(2).build(); },
                always(Expect::NoPairArray)},
        Hostile{"MoreRowsThanColumns", [] { return both().rows({0, 1, 2, 3, 4, 5, 6, 7}).cols({1, 5}).build(); },
                always(Expect::Picture)},
        // One sensor spans no plane: the maps say so; the viewers paint it.
        Hostile{"OneMegChannel", [] { return DataSet().meg(1).build(); }, noPlaneIn({0, 1})},
        Hostile{"OneEegChannel", [] { return DataSet().eeg(1).build(); }, noPlaneIn({0, 1})},
        // No sample to show: the matrix has no cell and shows its background only.
        Hostile{"ZeroSamples", [] { return both().samples(0).build(); },
                [](const Show& w) { return w.kind == Kind::Matrix ? Expect::Blank : Expect::Picture; }},
        Hostile{"AllNaNSeries",
                [] { return both().series([](int, int, long long) { return kNaN; }).diagonal(kNaN).build(); },
                always(Expect::Picture)},
        Hostile{"AllSensorsAtOnePoint", [] { return onePoint().build(); }, noPlaneIn({0, 1})},
        Hostile{"EegOnly", [] { return DataSet().eeg(10).build(); }, noPlaneIn({0})},
        Hostile{"MegOnly", [] { return DataSet().meg(6).build(); }, noPlaneIn({1})}),
    [](const auto& info) { return std::string(info.param.what); });

TEST_F(HostileData, DataSetFreedAndReplacedBetweenTwoShowsIsPaintedFromTheNewOne)
{
    for (const Show& w : kShows) {
        SCOPED_TRACE(w.name);
        harness::clearMessageBoxes();
        std::unique_ptr<CArrayMEDataSetqz> first = both().build(), second;
        showtable::Face face;  // goes before both data sets
        ASSERT_EQ((face.*w.show)(first.get(), nullptr), 1);
        if (w.playId) harness::clickButton(face.*w.slot, w.playId);
        harness::advanceTime(300);
        // The host frees its data set and opens the window on a new one with no coupling data.
        first.reset();
        second = DataSet().meg(3).noCoupling().build();
        ASSERT_EQ((face.*w.show)(second.get(), nullptr), 1);
        harness::advanceTime(300);
        const harness::Image img = harness::clientSurface(viewOf(face.*w.slot, w));
        cxctest::expectShowsText(img, textFor(Expect::ComputeFirst, w.kind), w.name);
    }
}
