// `cxcmap demo-data`: a folder that loads back as the built-in set, written whole or not at all.
#include <sys/stat.h>

#include "host.h"
#include "datasource.h"
#include "demodata.h"

namespace {

using namespace apptest;
using CxcmapDemoData = ::testing::Test;

TEST_F(CxcmapDemoData, FolderReplacesAnotherSetKeepsOtherFilesAndLoadsBackAsTheBuiltInSet)
{
    Scratch scratch;
    const std::string folder = dataFolder(scratch, DataSet().meg(3), "demo");  // another data set
    writeFile(scratch.path("demo") / "notes.txt", "mine\n");  // and a file of the user's, which stays
    const Outcome r = cxcmap({"demo-data", "--out", folder});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "wrote the demo data set to " + folder + "\n");

    auto loaded = cxc::data::loadDataFolder(folder);
    ASSERT_TRUE(loaded.dataSet) << loaded.error;
    auto builtIn = cxc::demo::build();
    const cxc::app::DataCounts a = cxc::app::countData(*builtIn), b = cxc::app::countData(*loaded.dataSet);
    EXPECT_EQ(cxc::app::statusLine(a), cxc::app::statusLine(b));
    EXPECT_EQ(b.meg, 150);
    EXPECT_EQ(b.eeg, 64);
    // The values are kept in single precision by both, so every report is the same to the last digit.
    for (const char* modality : {"meg", "eeg"}) {
        const Outcome fromFolder = cxcmap({"report", "--data", folder, "--modality", modality});
        const Outcome fromBuiltIn = cxcmap({"report", "--modality", modality});
        ASSERT_EQ(fromFolder.status, 0) << fromFolder.err;
        EXPECT_EQ(fromFolder.out, fromBuiltIn.out) << modality;
    }
    EXPECT_EQ(readFile(scratch.path("demo") / "notes.txt"), "mine\n");
    EXPECT_EQ(scratch.list(), std::vector<std::string>{"demo"}) << "no temporary folder is left";
}

TEST_F(CxcmapDemoData, UnwritableFolderIsNamedAndNothingIsLeft)
{
    Scratch scratch;
    writeFile(scratch.path("file"), "x");
    const Outcome onFile = cxcmap({"demo-data", "--out", scratch.str("file")});
    EXPECT_EQ(onFile.status, 1);
    EXPECT_EQ(onFile.err, "cxcmap demo-data: " + scratch.str("file") + ": exists and is not a folder\n");

    if (::geteuid() != 0) {  // permissions do not stop root
        std::filesystem::create_directories(scratch.path("locked"));
        ::chmod(scratch.str("locked").c_str(), 0500);
        const Outcome locked = cxcmap({"demo-data", "--out", scratch.str("locked/demo")});
        EXPECT_EQ(locked.status, 1);
        EXPECT_EQ(lineCount(locked.err), 1);
        ::chmod(scratch.str("locked").c_str(), 0700);
        EXPECT_TRUE(scratch.list("locked").empty());
    }
    EXPECT_EQ(readFile(scratch.path("file")), "x");
}

}  // namespace
