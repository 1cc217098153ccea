// `cxcmap movie`: frames per tick with their time, an exact palette, refusals, and cancels.
#include <gif_lib.h>

#include <cstring>
#include <map>

#include "cxcharness.h"
#include "host.h"
#include "moviecommand.h"
#include "moviewriter.h"
#include "showtable.h"

namespace {

using namespace apptest;

constexpr const char* kLink = "showDlgCxcMegActLink2DMap";

DataSet playing()
{
    // Each pair is strong for 5 samples in 10, its phase set by its channels: links come and go.
    return DataSet().meg(12).eeg(8).samples(40).select(0, 4).series([](int a, int b, long long s) {
        return (s + a + 3 * b) % 10 < 5 ? 0.9 : 0.05;
    });
}

// The frames of a GIF file as a viewer shows them (each drawn over the one before); empty when it
// cannot be read.
struct Gif {
    std::vector<Picture> frames;
    bool loops = false;
    explicit Gif(const std::string& path)
    {
        int error = 0;
        GifFileType* gif = DGifOpenFileName(path.c_str(), &error);
        if (!gif || DGifSlurp(gif) == GIF_ERROR) {
            if (gif) DGifCloseFile(gif, &error);
            return;
        }
        const int w = gif->SWidth;
        std::vector<COLORREF> screen(size_t(w) * gif->SHeight);
        for (int i = 0; i < gif->ImageCount; ++i) {
            const SavedImage& im = gif->SavedImages[i];
            for (int e = 0; e < im.ExtensionBlockCount; ++e)
                loops |= im.ExtensionBlocks[e].ByteCount == 11 && !std::memcmp(im.ExtensionBlocks[e].Bytes, "NETSCAPE2.0", 11);
            const GifImageDesc& d = im.ImageDesc;
            const ColorMapObject* map = d.ColorMap ? d.ColorMap : gif->SColorMap;
            for (int y = 0; y < d.Height; ++y)
                for (int x = 0; x < d.Width; ++x) {
                    const GifColorType c = map->Colors[im.RasterBits[y * d.Width + x]];
                    screen[size_t(d.Top + y) * w + d.Left + x] = RGB(c.Red, c.Green, c.Blue);
                }
            auto shown = std::make_shared<std::vector<COLORREF>>(screen);
            frames.push_back({w, gif->SHeight, [shown, w](int x, int y) { return (*shown)[size_t(y) * w + x]; }});
        }
        DGifCloseFile(gif, &error);
    }
};

// The view of the link map after `ticks` play ticks, driven here as the movie drives it.
cxc::harness::Image viewAfterTicks(const std::string& folder, int ticks)
{
    auto loaded = cxc::data::loadDataFolder(folder);
    const cxc::ShowEntry& e = *cxc::findShow(kLink);
    CWnd host;
    host.CreateEx(0, nullptr, L"host", WS_POPUP, CRect(0, 0, 320, 200), nullptr, 0);
    auto facade = std::make_unique<CMEGShowCCData2DFaceqz>();
    (facade.get()->*e.show)(loaded.dataSet.get(), &host);
    CDialog* dialog = cxc::dialogOf(*facade, e);
    cxc::harness::clickButton(dialog, e.playId);
    for (int t = 0; t < ticks; ++t) cxc::harness::fireTimer(dialog, e.timerId);
    cxc::harness::pumpPaints();
    const cxc::harness::Image image = cxc::harness::clientSurface(dialog->GetDlgItem(e.viewId));
    facade.reset();
    host.DestroyWindow();
    return image;
}

TEST(CxcmapMovie, GifHasAFramePerTickWithTheViewsExactColoursAndItsTime)
{
    Scratch scratch;
    const std::string folder = dataFolder(scratch, playing()), gif = scratch.str("link.gif");
    const Outcome r = cxcmap({"movie", "--data", folder, "--only", kLink, "--ticks", "20", "--out", gif, "--view-only"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.err.find("frame 20 of 20\n"), std::string::npos) << r.err;
    const Gif movie(gif);
    ASSERT_EQ(movie.frames.size(), 20u);
    EXPECT_TRUE(movie.loops);
    const cxc::harness::Image last = viewAfterTicks(folder, 20);
    const int h = last.height(), w = last.width();
    ASSERT_GT(movie.frames[19].height, h);  // the view, then the caption below it
    expectSameImage({w, h, movie.frames[19].at}, picture(last), "movie-last-frame");
    int linksChanged = 0;
    for (size_t k = 1; k < movie.frames.size(); ++k) {
        const Picture &a = movie.frames[k - 1], &b = movie.frames[k];
        int view = 0, caption = 0;
        for (int y = 0; y < a.height; ++y)
            for (int x = 0; x < a.width; ++x) (y < h ? view : caption) += a.at(x, y) != b.at(x, y);
        linksChanged += view > 0;
        EXPECT_GT(caption, 0) << "frames " << k << " and " << k + 1 << " carry the same time";
    }
    EXPECT_GE(linksChanged, 10);
}

TEST(CxcmapMovie, PaletteIsExactUpTo256ColoursAndKeepsTheFrequentOnesBeyond)
{
    constexpr std::uint32_t kLine = 0x0000FFu;  // a one-pixel line along row 1
    for (const int colours : {3, 256, 300}) {
        cxc::app::Frame f{colours, 2, {}};
        for (int x = 0; x < colours; ++x) f.pixels.push_back(x ? std::uint32_t((x % 256) << 16 | (x / 256) << 8 | 0x80) : kLine);
        f.pixels.insert(f.pixels.end(), size_t(colours), kLine);
        const cxc::app::Palette p = cxc::app::quantise(f);
        ASSERT_LE(p.colours.size(), 256u);
        for (size_t i = 0; i < f.pixels.size(); ++i)
            if (colours <= 256 || f.pixels[i] == kLine) {
                EXPECT_EQ(p.colours[p.indices[i]], f.pixels[i]) << colours << ", " << i;
            }
    }
}

TEST(CxcmapMovie, RefusesWhatCannotBeRecordedAndWritesNothing)
{
    Scratch scratch;
    const std::string folder = dataFolder(scratch, playing());
    const struct {
        const char* option;
        std::string value;
        int status;
        const char* says;
    } cases[] = {
        {"--only", "showDlgCxcRowColumnAct", 2, "does not play; the windows that play: showDlgCxcMegActLink2DMap"},
        {"--fps", "0", 2, "--fps"},
        {"--ticks", "0", 2, "--ticks"},
        {"--out", scratch.str("m.avi"), 2, "unknown kind of movie"},
        {"--from", "40", 2, "40 samples"},
        {"--out", scratch.str("none/m.gif"), 1, "cannot be written"},
    };
    for (const auto& c : cases) {
        std::map<std::string, std::string> options{{"--only", kLink}, {"--ticks", "3"}, {"--out", scratch.str("m.gif")}};
        options[c.option] = c.value;
        std::vector<std::string> args{"movie", "--data", folder};
        for (const auto& [option, value] : options) args.insert(args.end(), {option, value});
        const Outcome r = cxcmap(args);
        EXPECT_EQ(r.status, c.status) << c.says << ": " << r.err;
        EXPECT_NE(r.err.find(c.says), std::string::npos) << r.err;
        EXPECT_EQ(std::distance(fs::directory_iterator(scratch.path("")), {}), 1) << c.says;  // the data folder alone
    }
}

TEST(CxcmapMovie, Mp4NeedsFfmpegAndSaysSoOnce)
{
    Scratch scratch;
    const std::string mp4 = scratch.str("m.mp4");
    const Outcome r = program({"movie", "--only", kLink, "--ticks", "2", "--out", mp4}, {{"PATH", "/nonexistent"}});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(lineCount(r.err), 1) << r.err;
    EXPECT_NE(r.err.find("Debian package ffmpeg"), std::string::npos) << r.err;
    EXPECT_FALSE(fs::exists(mp4));
    if (system("command -v ffmpeg >/dev/null 2>&1") != 0) return;  // the rest needs ffmpeg installed
    ASSERT_EQ(program({"movie", "--only", kLink, "--ticks", "5", "--out", mp4, "--quiet"}).status, 0);
    EXPECT_EQ(readFile(mp4).substr(4, 4), "ftyp");
}

TEST(CxcmapMovie, ACancelLeavesNoFileAndTheOldOneAsItWas)
{
    Scratch scratch;
    auto loaded = cxc::data::loadDataFolder(dataFolder(scratch, playing()));
    const cxc::ShowEntry& e = *cxc::findShow(kLink);
    CWnd host;
    host.CreateEx(0, nullptr, L"host", WS_POPUP, CRect(0, 0, 320, 200), nullptr, 0);
    CMEGShowCCData2DFaceqz facade;
    (facade.*e.show)(loaded.dataSet.get(), &host);
    CDialog& dialog = *cxc::dialogOf(facade, e);
    writeFile(scratch.path("old.gif"), "old");
    for (const std::string name : {"old.gif", "new.gif", "frames"}) {
        const cxc::app::MovieRequest request{scratch.str(name), 5, 10, true};
        EXPECT_EQ(cxc::app::recordMovie(dialog, e, loaded.dataSet.get(), request, [](int k, int) { return k < 3; }), "cancelled");
    }
    EXPECT_EQ(std::distance(fs::directory_iterator(scratch.path("")), {}), 2);  // the data and old.gif
    EXPECT_EQ(readFile(scratch.path("old.gif")), "old");
    // Not cancelled, the folder holds one numbered PNG per tick.
    ASSERT_EQ(cxc::app::recordMovie(dialog, e, loaded.dataSet.get(), {scratch.str("frames"), 3, 10, false}, nullptr), "");
    EXPECT_TRUE(fs::exists(scratch.path("frames") / "frame-0003.png"));
    EXPECT_EQ(std::distance(fs::directory_iterator(scratch.path("frames")), {}), 3);
}

}  // namespace
