// `cxcmap render`: a picture per window as a user sees it, ticks, failures and the figure options.
#include <set>

#include "host.h"
#include "resource.h"
#include "showtable.h"

namespace {

using namespace apptest;
using cxc::ShowEntry;

// Width and height of a PNG file; 0 x 0 when it cannot be read.
CSize pngSize(const fs::path& file)
{
    const Picture p = readPicture(file);
    return CSize(p.width, p.height);
}

// The window opened and drawn in this process the way render draws it.
struct Opened {
    std::unique_ptr<CMEGShowCCData2DFaceqz> facade = std::make_unique<CMEGShowCCData2DFaceqz>();
    CWnd host;
    CDialog* dialog = nullptr;
    Opened(const ShowEntry& e, CArrayMEDataSetqz* ds)
    {
        host.CreateEx(0, nullptr, L"host", WS_POPUP, CRect(0, 0, 320, 200), nullptr, 0);
        if ((facade.get()->*e.show)(ds, &host)) dialog = cxc::dialogOf(*facade, e);
        cxc::harness::pumpPaints();
    }
    ~Opened()
    {
        facade.reset();
        host.DestroyWindow();
    }
};

int distinctColours(const cxc::harness::Image& image)
{
    std::set<COLORREF> colours;
    for (int y = 0; y < image.height(); y += 2)
        for (int x = 0; x < image.width(); x += 2) colours.insert(image.pixel(x, y));
    return static_cast<int>(colours.size());
}

// A small data set with a little of everything: MEG and EEG, a network, all classes.
DataSet small()
{
    return DataSet().meg(12).eeg(8).samples(40).series([](int a, int b, long long s) {
        return ((a + b) % 3 == 0 ? 0.8 : 0.1) * (0.5 + 0.5 * ((s + a) % 7) / 7.0);
    });
}

class CxcmapRender : public ::testing::Test {
protected:
    const std::span<const ShowEntry> windows = cxc::showTable();
};

TEST_F(CxcmapRender, OneNonBlankPicturePerWindowAsAUserSeesItAndOfItsViewAlone)
{
    Scratch scratch;
    const std::string folder = dataFolder(scratch, small());
    const Outcome r = cxcmap({"render", "--data", folder, "--out", scratch.str("pictures")});
    const Outcome views = cxcmap({"render", "--data", folder, "--out", scratch.str("views"), "--view-only"});
    ASSERT_EQ(r.status, 0) << r.err;
    ASSERT_EQ(views.status, 0) << views.err;
    EXPECT_EQ(lineCount(r.out), static_cast<int>(windows.size()));
    EXPECT_EQ(scratch.list("pictures").size(), windows.size());

    auto ds = cxc::data::loadDataFolder(folder).dataSet;
    for (const ShowEntry& e : windows) {
        const std::string file = scratch.str("pictures/" + std::string(e.name) + ".png");
        EXPECT_NE(r.out.find(file + "  "), std::string::npos) << e.name << " has its line";
        Opened w(e, ds.get());
        ASSERT_NE(w.dialog, nullptr) << e.name;
        const cxc::harness::Image seen = cxc::harness::render(w.dialog);
        EXPECT_EQ(pngSize(file), CSize(seen.width(), seen.height())) << e.name;
        EXPECT_GT(distinctColours(seen), 8) << e.name << " is not blank";
        const CRect view = cxc::harness::clientRect(w.dialog->GetDlgItem(e.viewId));
        const std::string viewFile = scratch.str("views/" + std::string(e.name) + ".png");
        EXPECT_EQ(pngSize(viewFile), CSize(view.Width(), view.Height())) << e.name;
        const std::string size = std::to_string(view.Width()) + "x" + std::to_string(view.Height());
        EXPECT_NE(views.out.find(viewFile + "  " + size + "  last paint "), std::string::npos) << views.out;
    }
}

TEST_F(CxcmapRender, TicksPlayTheWindowsThatPlay)
{
    Scratch scratch;
    const std::string folder = dataFolder(scratch, small().select(0, 4));
    for (const ShowEntry& e : windows) {
        if (!e.playId) continue;
        const Outcome still =
            cxcmap({"render", "--data", folder, "--out", scratch.str("still"), "--only", e.name});
        const Outcome played =
            cxcmap({"render", "--data", folder, "--out", scratch.str("played"), "--only", e.name, "--ticks", "6"});
        ASSERT_EQ(still.status, 0) << still.err;
        ASSERT_EQ(played.status, 0) << played.err;
        const std::string png = std::string(e.name) + ".png";
        EXPECT_NE(readFile(scratch.path("still") / png), readFile(scratch.path("played") / png)) << e.name;
    }
}

TEST_F(CxcmapRender, PicturesDoNotDependOnWhatWasDrawnBefore)
{
    // Playing one window moves the selection in the data; the next window starts from the data's own.
    Scratch scratch;
    const std::string folder = dataFolder(scratch, small().select(0, 4));
    const ShowEntry* last = &windows.back();
    std::string all;
    for (const ShowEntry& e : windows) all += std::string(all.empty() ? "" : ",") + e.name;
    ASSERT_EQ(cxcmap({"render", "--data", folder, "--out", scratch.str("all"), "--only", all, "--ticks", "3"}).status, 0);
    ASSERT_EQ(cxcmap({"render", "--data", folder, "--out", scratch.str("one"), "--only", last->name, "--ticks", "3"}).status,
              0);
    const std::string png = std::string(last->name) + ".png";
    EXPECT_EQ(readFile(scratch.path("all") / png), readFile(scratch.path("one") / png));
}

TEST_F(CxcmapRender, WindowThatCannotBeOpenedOrAnOutputThatIsAFileIsStatusOne)
{
    const ShowEntry* failing = nullptr;
    for (const ShowEntry& e : windows)
        if (e.playId == IDC_PLAY) failing = &e;  // a map dialog: its creation can fail
    ASSERT_NE(failing, nullptr);
    const ShowEntry* other = &windows.front() == failing ? &windows.back() : &windows.front();
    Scratch scratch;
    UINT templateId = 0;
    {
        Opened probe(*failing, nullptr);
        ASSERT_NE(probe.dialog, nullptr);
        // The template is the dialog's; ask the platform to fail the next creation of it.
        templateId = probe.dialog->m_nIDTemplate;
    }
    ASSERT_NE(templateId, 0u);
    cxc::harness::failNextCreate(templateId);
    const Outcome r = cxcmap({"render", "--out", scratch.str("p"), "--only",
                              std::string(failing->name) + "," + other->name});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find(std::string("cxcmap render: ") + failing->name + ": the window could not be opened\n"),
              std::string::npos)
        << r.err;
    EXPECT_EQ(scratch.list("p"), std::vector<std::string>{std::string(other->name) + ".png"});
    // An output that is a file is refused.
    writeFile(scratch.path("taken"), "x");
    const Outcome taken = cxcmap({"render", "--out", scratch.str("taken"), "--only", windows.front().name});
    EXPECT_EQ(taken.status, 1);
    EXPECT_EQ(taken.err, "cxcmap render: " + scratch.str("taken") + ": exists and is not a folder\n");
}

// The PNG's recorded resolution (pHYs, dots per metre); 0 without one.
long pngDotsPerMetre(const std::string& bytes)
{
    const std::size_t at = bytes.find("pHYs");
    if (at == std::string::npos || at + 8 > bytes.size()) return 0;
    long v = 0;
    for (std::size_t i = at + 4; i < at + 8; ++i) v = (v << 8) | static_cast<unsigned char>(bytes[i]);
    return v;
}

TEST_F(CxcmapRender, FigureOptionsWriteTheirFormatOrAreRefused)
{
    const ShowEntry& e = windows.front();
    Scratch scratch;
    const std::string folder = dataFolder(scratch, small());
    Opened w(e, cxc::data::loadDataFolder(folder).dataSet.get());
    ASSERT_NE(w.dialog, nullptr);
    const CRect view = cxc::harness::clientRect(w.dialog->GetDlgItem(e.viewId));
    const cxc::harness::Image dialog = cxc::harness::render(w.dialog);
    struct Case {
        std::vector<std::string> args;
        int status;
        std::string file;   // written, with this start
        std::string start;  // or the message
        CSize png;          // the PNG's size
        long dotsPerMetre;
    };
    const Case cases[] = {
        {{}, 0, "png", "\x89PNG", CSize(dialog.width(), dialog.height()), 3780},
        {{"--scale", "2", "--view-only"}, 0, "png", "\x89PNG", CSize(2 * view.Width(), 2 * view.Height()), 7559},
        {{"--scale", "3", "--dpi", "300"}, 0, "png", "\x89PNG", CSize(3 * dialog.width(), 3 * dialog.height()), 11811},
        {{"--format", "svg"}, 0, "svg", "<?xml", {}, 0},
        {{"--format", "pdf", "--view-only", "--dpi", "600"}, 0, "pdf", "%PDF", {}, 0},
        {{"--scale", "9"}, 1, "", "cxcmap render: --scale must be 1 to 8\n", {}, 0},
        {{"--scale", "0"}, 1, "", "cxcmap render: --scale must be 1 to 8\n", {}, 0},
        {{"--scale", "2", "--format", "svg"}, 1, "", "cxcmap render: --scale is for PNG only", {}, 0},
        {{"--format", "gif"}, 2, "", "--format: Check gif value in {", {}, 0},
        {{"--dpi", "0"}, 2, "", "--dpi: Value 0 not in range", {}, 0},
    };
    int n = 0;
    for (const Case& c : cases) {
        const std::string name = "out" + std::to_string(n++), out = scratch.str(name);
        std::vector<std::string> args = {"render", "--data", folder, "--out", out, "--only", e.name};
        args.insert(args.end(), c.args.begin(), c.args.end());
        const Outcome r = cxcmap(args);
        SCOPED_TRACE(r.err);
        EXPECT_EQ(r.status, c.status);
        if (c.file.empty()) {
            EXPECT_NE(r.err.find(c.start), std::string::npos);
            EXPECT_TRUE(scratch.list(name).empty());
            continue;
        }
        const std::string bytes = readFile(out + "/" + e.name + "." + c.file);
        EXPECT_EQ(bytes.compare(0, c.start.size(), c.start), 0) << c.file;
        EXPECT_EQ(scratch.list(name).size(), 1u) << "no temporary file is left";
        if (c.file == "png") {
            EXPECT_EQ(pngSize(out + "/" + e.name + ".png"), c.png);
            EXPECT_EQ(pngDotsPerMetre(bytes), c.dotsPerMetre);
        }
    }
}

}  // namespace
