// `cxcmap report`: the link dialog's "GT SW" text for the settings given, and every user error.
#include <cmath>

#include "host.h"
#include "cxccompanions.h"
#include "dlgeegcxctoplink2dmap.h"
#include "dlgmegcxctoplink2dmap.h"
#include "resource.h"
#include "showtable.h"

namespace {

using namespace apptest;

// Four MEG sensors on a square and three EEG electrodes, 10 samples. Over all samples the largest
// magnitude is 0.9 (pairs 1-3 and 4-6 late in the series), so the dialog's first threshold is 0.45.
DataSet network()
{
    return DataSet()
        .megAt2d(L"MLF11", 0, 0).megAt2d(L"MRF11", 100, 0).megAt2d(L"MLO11", 0, 100).megAt2d(L"MRO11", 100, 100)
        .eegAt2d(L"Fz", 50, 100).eegAt2d(L"C3", 0, 50).eegAt2d(L"C4", 100, 50)
        .samples(10)
        .pair(0, 1, 0.8)
        .pair(1, 3, {0.1, 0.2, 0.3, 0.4, 0.5, 0.6, 0.7, 0.8, 0.9, 0.9})
        .pair(0, 3, -0.7)
        .pair(2, 3, 0.1)
        .pair(4, 5, 0.6)
        .pair(5, 6, -0.5)
        .pair(4, 6, {0.2, 0.2, 0.2, 0.2, 0.2, 0.9, 0.9, 0.9, 0.9, 0.9})
        .select(0, 9);
}

struct Settings {
    const char* what;
    int modality;  // 0 MEG, 1 EEG
    int cls;
    long long row;  // -1: the data's own
    long long begin, end;  // -1: the data's own
    double threshold;      // NaN: the dialog's first
    int useThreshold, precise, activeOnly;
};

std::string thresholdText(double t)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.17g", t);
    return text;
}

std::vector<std::string> argsOf(const Settings& s, const std::string& folder)
{
    std::vector<std::string> a{"report", "--data", folder, "--modality", s.modality ? "eeg" : "meg", "--class",
                               std::to_string(s.cls), "--use-threshold", std::to_string(s.useThreshold),
                               "--precise", std::to_string(s.precise), "--active-only", std::to_string(s.activeOnly)};
    if (s.row >= 0) a.insert(a.end(), {"--row", std::to_string(s.row)});
    if (s.begin >= 0) a.insert(a.end(), {"--select", std::to_string(s.begin), std::to_string(s.end)});
    if (!std::isnan(s.threshold)) a.insert(a.end(), {"--threshold", thresholdText(s.threshold)});
    return a;
}

// What a user of the link dialog reads after "GT SW" on the same folder: the dialog opened through
// the facade on the class data's row and selection, its menu flags and threshold box set.
std::string dialogReport(const std::string& folder, const Settings& s, std::string typed = {})
{
    auto ds = cxc::data::loadDataFolder(folder).dataSet;
    if (!ds) return "no data";
    CSnsCohDataqz& data = *cxc::testkit::classOf(*ds, s.cls);
    if (s.row >= 0) data.curRow = s.row;
    if (s.begin >= 0) data.setSelect(s.begin, s.end);
    const char* classes[] = {"Act", "Ctl", "Rst"};
    const std::string name =
        std::string("showDlgCxc") + (s.modality ? "Eeg" : "Meg") + classes[s.cls] + "Link2DMap";
    const cxc::ShowEntry* entry = cxc::findShow(name);
    if (!entry || !entry->show) return "no show function " + name;
    CWnd host;
    host.CreateEx(0, nullptr, L"host", WS_POPUP, CRect(0, 0, 100, 100), nullptr, 0);
    std::string text = "not shown";
    {
        CMEGShowCCData2DFaceqz facade;
        if ((facade.*entry->show)(ds.get(), &host)) {
            auto* dlg = dynamic_cast<CDlgCxcLinkMapCore*>(cxc::dialogOf(facade, *entry));
            if (!dlg) return "not a link dialog";
            dlg->gtThreshold = s.useThreshold;
            dlg->gtPrecise = s.precise;
            dlg->gtActiveOnly = s.activeOnly;
            if (typed.empty() && !std::isnan(s.threshold)) typed = thresholdText(s.threshold);
            if (!typed.empty()) cxc::harness::typeText(dlg, IDC_LINK_THRESHOLD, cxc::fromUtf8(typed));
            cxc::harness::clickButton(dlg, IDC_GT_SW);
            const CRichInfoqz& info =
                s.modality ? CDlgEegCxcTopLink2DMap::graphInfo : CDlgMegCxcTopLink2DMap::graphInfo;
            text = cxc::toUtf8(info.lastText);
        }
    }
    host.DestroyWindow();
    return text;
}

class ReportCommand : public ::testing::TestWithParam<Settings> {};

TEST_P(ReportCommand, IsTheTextTheLinkDialogShowsAfterGtSw)
{
    const Settings s = GetParam();
    Scratch scratch;
    const std::string folder = dataFolder(scratch, network());
    const Outcome r = cxcmap(argsOf(s, folder));
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, dialogReport(folder, s));
}

const double kFirst = NAN;
INSTANTIATE_TEST_SUITE_P(
    Settings, ReportCommand,
    ::testing::Values(Settings{"MegDefaults", 0, 0, -1, -1, -1, kFirst, 1, 1, 0},
                      Settings{"MegSixDecimals", 0, 0, -1, -1, -1, kFirst, 1, 0, 0},
                      Settings{"MegWithoutThreshold", 0, 0, -1, -1, -1, kFirst, 0, 1, 0},
                      Settings{"MegEarlySelection", 0, 0, -1, 0, 3, 0.25, 1, 0, 0},
                      Settings{"MegActiveRowOnly", 0, 1, 3, 5, 9, 0.5, 1, 1, 1},
                      Settings{"MegNegativeThresholdActsAsZero", 0, 2, -1, -1, -1, -1.0, 1, 0, 0},
                      Settings{"EegDefaults", 1, 0, -1, -1, -1, kFirst, 1, 1, 0},
                      Settings{"EegLateSelection", 1, 2, -1, 5, 9, 0.55, 1, 0, 0},
                      Settings{"EegActiveRowOnly", 1, 0, 4, -1, -1, 0.1, 1, 0, 1}),
    [](const ::testing::TestParamInfo<Settings>& info) { return std::string(info.param.what); });

using CxcmapReport = ::testing::Test;

TEST_F(CxcmapReport, ThresholdIsTheNumberTheDialogsBoxHolds)
{
    // The box shows 0.166666666666667, above the pair at 1/6; the typed digits, read straight to
    // double as the box reads them, give 1/6 (through long double they would round twice).
    Scratch scratch;
    const std::string folder = dataFolder(scratch, DataSet()
                                                      .megAt2d(L"MLF11", 0, 0).megAt2d(L"MRF11", 100, 0)
                                                      .megAt2d(L"MLO11", 0, 100).megAt2d(L"MRO11", 100, 100)
                                                      .samples(2)
                                                      .pair(0, 1, 1.0 / 3.0)
                                                      .pair(1, 3, 0.5 * (1.0 / 3.0))
                                                      .select(0, 0));
    for (const auto& [typed, connections] : {std::pair<std::string, std::string>{"", "2"},
                                             {"0.1666666666666666712925959359381", "4"}}) {
        std::vector<std::string> args{"report", "--data", folder};
        if (!typed.empty()) args.insert(args.end(), {"--threshold", typed});
        const Outcome r = cxcmap(args);
        ASSERT_EQ(r.status, 0) << r.err;
        EXPECT_TRUE(r.out.ends_with("Threshold:0.166667 Connection:" + connections + " \n")) << r.out;
        EXPECT_EQ(r.out, dialogReport(folder, Settings{"", 0, 0, -1, -1, -1, NAN, 1, 1, 0}, typed));
    }
}

struct UserError {
    const char* what;
    std::vector<std::string> args;  // after "report --data FOLDER"
    const char* message;            // the line on standard error, after "cxcmap report: " (FOLDER: the folder)
    DataSet data = network().classes(true, false, true);
    const char* folder = "data";  // another name: no such folder
};

class ReportUserError : public ::testing::TestWithParam<UserError> {};

TEST_P(ReportUserError, OneLineAndStatusOne)
{
    Scratch scratch;
    dataFolder(scratch, GetParam().data);
    const std::string folder = scratch.str(GetParam().folder);
    std::vector<std::string> args{"report", "--data", folder};
    args.insert(args.end(), GetParam().args.begin(), GetParam().args.end());
    const Outcome r = cxcmap(args);
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "");
    std::string message = GetParam().message;
    if (message.starts_with("FOLDER")) message.replace(0, 6, folder);
    EXPECT_EQ(r.err, "cxcmap report: " + message + "\n");
}

INSTANTIATE_TEST_SUITE_P(
    Errors, ReportUserError,
    ::testing::Values(
        UserError{"ClassTheDataLacks", {"--class", "1"}, "the data set has no Control class (--class 1)"},
        UserError{"RowOutOfRange", {"--row", "7"}, "--row 7 is out of range: the Active class has rows 0 to 6"},
        UserError{"NegativeRow", {"--row", "-1"}, "--row -1 is out of range: the Active class has rows 0 to 6"},
        UserError{"SelectionBeyondTheSamples", {"--select", "2", "10"},
                  "--select 2 10 is out of range: the Active class has samples 0 to 9"},
        UserError{"SelectionBackwards", {"--select", "6", "2"}, "--select 6 2: the selection ends before it begins"},
        UserError{"ModalityWithoutChannels", {"--modality", "eeg"}, "the data set has no EEG channels (--modality eeg)",
                  DataSet().meg(3)},
        UserError{"MissingFolder", {}, "FOLDER: folder: no such folder", DataSet().meg(3), "nowhere"}),
    [](const ::testing::TestParamInfo<UserError>& info) { return std::string(info.param.what); });

TEST_F(CxcmapReport, MalformedFolderNamesTheFileAndTheField)
{
    Scratch scratch;
    const std::string folder = dataFolder(scratch, network());
    std::string json = readFile(scratch.path("data") / "dataset.json");
    const size_t at = json.find("\"sampleRate\"");
    ASSERT_NE(at, std::string::npos);
    json.replace(at, std::string("\"sampleRate\"").size(), "\"sampleRate\": -5, \"ignored\"");
    writeFile(scratch.path("data") / "dataset.json", json);
    const Outcome r = cxcmap({"report", "--data", folder});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(lineCount(r.err), 1);
    EXPECT_EQ(r.err.rfind("cxcmap report: " + scratch.str("data") + "/dataset.json: ", 0), 0u) << r.err;
}

struct Rejected {
    std::vector<std::string> args;
    const char* says = "";
};

class CommandRejected : public ::testing::TestWithParam<Rejected> {};

TEST_P(CommandRejected, StatusTwo)
{
    const Outcome r = cxcmap(GetParam().args);
    EXPECT_EQ(r.status, 2) << r.err;
    EXPECT_EQ(r.out, "");
    EXPECT_NE(r.err, "");
    EXPECT_NE(r.err.find(GetParam().says), std::string::npos) << r.err;
}

INSTANTIATE_TEST_SUITE_P(
    Rejected, CommandRejected,
    ::testing::Values(Rejected{{"report", "--class", "3"}}, Rejected{{"report", "--modality", "fmri"}},
                      Rejected{{"report", "--use-threshold", "2"}}, Rejected{{"report", "--precise", "yes"}},
                      Rejected{{"report", "--active-only", "-1"}}, Rejected{{"report", "--threshold", "nan"}},
                      Rejected{{"report", "--threshold", "inf"}}, Rejected{{"report", "--threshold", "0.5x"}},
                      Rejected{{"report", "--select", "3"}}, Rejected{{"report", "--row", "two"}},
                      Rejected{{"report", "--bogus"}}, Rejected{{"grid"}, "--out"}, Rejected{{"demo-data"}, "--out"},
                      Rejected{{"render", "--out", "/tmp/never", "--only", "showDlgCxcMegActLink2DMap,showNothing"},
                               "no window is named showNothing"}));

}  // namespace
