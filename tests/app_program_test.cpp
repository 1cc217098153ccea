// The built cxcmap program as a shell runs it: its streams and exit statuses.
#include "host.h"

namespace {

using namespace apptest;
using CxcmapProgram = ::testing::Test;

// What writers of data folders rely on: the loader's own message and status 1, or a summary line.
TEST_F(CxcmapProgram, CheckSaysWhetherTheDataOpen)
{
    Scratch scratch;
    const std::string good = dataFolder(scratch, DataSet().meg(2).eeg(1).samples(4).classes(true, false, true));
    const std::string bad = dataFolder(scratch, DataSet().meg(2), "bad");
    writeFile(scratch.path("bad") / "dataset.json", "{\"format\": \"cxc-dataset\", \"version\": 2}");
    const struct {
        std::string data;
        int status;
        std::string out, err;
    } cases[] = {
        {good, 0, good + ": 3 channels (2 MEG, 1 EEG), 1 trial, 4 samples, 2 classes (Active, Act-Ctl)\n", ""},
        {bad, 1, "", "cxcmap check: " + bad + "/dataset.json: version: must be 1 (the only version this program reads)\n"},
        {scratch.str("missing"), 1, "", "cxcmap check: " + scratch.str("missing") + ": folder: no such folder\n"},
        {"", 1, "", "cxcmap check: --data: names no folder\n"},
    };
    for (const auto& c : cases) {
        const Outcome run = program({"check", "--data", c.data});
        EXPECT_EQ(run.status, c.status) << c.data;
        EXPECT_EQ(run.out, c.out);
        EXPECT_EQ(run.err, c.err);
    }
    EXPECT_EQ(program({"check"}).status, 2);
}

TEST_F(CxcmapProgram, RejectedCommandLineIsStatusTwo)
{
    for (const auto& args : {std::vector<std::string>{"report", "--class", "9"}, std::vector<std::string>{"paint"},
                             std::vector<std::string>{"render"}, std::vector<std::string>{"grid", "--out"}}) {
        const Outcome run = program(args);
        EXPECT_EQ(run.status, 2) << args[0] << " " << run.err;
        EXPECT_NE(run.err, "");
    }
    const Outcome help = program({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("render"), std::string::npos);
    // The one version the libraries' sonames and the packages carry.
    const Outcome version = program({"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, "cxcmap " CXC_VERSION "\n");
}

TEST_F(CxcmapProgram, HeadlessCommandsIgnoreTheDisplayOfTheEnvironmentTheViewerNeedsOne)
{
    Scratch scratch;
    const Outcome run = program({"render", "--out", scratch.str("pictures")},
                                {{"QT_QPA_PLATFORM", "xcb"}, {"DISPLAY", ":4711"}, {"XDG_RUNTIME_DIR", nullptr}});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err.find("could not"), std::string::npos) << run.err;
    // The viewer itself needs one and says so.
    const Outcome viewer =
        program({}, {{"DISPLAY", nullptr}, {"WAYLAND_DISPLAY", nullptr}, {"QT_QPA_PLATFORM", nullptr}});
    EXPECT_EQ(viewer.status, 1);
    EXPECT_EQ(viewer.err,
              "cxcmap: no display to show the viewer on (DISPLAY is not set); `cxcmap render` draws without one\n");
}

}  // namespace
