#include "moviecommand.h"

#include <cstdio>
#include <cwchar>
#include <filesystem>
#include <memory>
#include <ostream>

#include "couplingroad.h"
#include "cxcharness.h"
#include "datasource.h"
#include "filewrite.h"
#include "moviewriter.h"

namespace cxc::app {

namespace fs = std::filesystem;

namespace {

constexpr int kCaptionPadding = 4;  // px above and below the caption's text

Frame frameOf(const harness::Image& image)
{
    Frame f;
    if (image.isNull()) return f;
    f.width = image.width();
    f.height = image.height();
    f.pixels.resize(size_t(f.width) * size_t(f.height));
    for (int y = 0; y < f.height; ++y)
        for (int x = 0; x < f.width; ++x) {
            const COLORREF c = image.pixel(x, y);
            f.pixels[size_t(y) * size_t(f.width) + size_t(x)] = (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c);
        }
    return f;
}

// A band below the picture with the caption centred in it, drawn by the platform's GDI in the
// label font of the map and matrix views (Arial, 16 pixels), black on white.
void addCaption(Frame& frame, const std::string& caption)
{
    if (frame.width < 1) return;
    CFont font;
    LOGFONTW logFont{};
    logFont.lfHeight = 16;
    std::wcsncpy(logFont.lfFaceName, L"Arial", LF_FACESIZE - 1);
    font.CreateFontIndirect(&logFont);
    const CString text = fromUtf8(caption);
    CBitmap bitmap;
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    CFont* oldFont = dc.SelectObject(&font);
    const CSize extent = dc.GetTextExtent(text);
    const int band = extent.cy + 2 * kCaptionPadding;
    if (bitmap.CreateCompatibleBitmap(&dc, frame.width, band)) {
        CBitmap* oldBitmap = dc.SelectObject(&bitmap);
        dc.FillSolidRect(0, 0, frame.width, band, RGB(255, 255, 255));
        dc.SetBkMode(TRANSPARENT);
        dc.SetTextColor(RGB(0, 0, 0));
        dc.TextOut((frame.width - extent.cx) / 2, kCaptionPadding, text);
        frame.pixels.reserve(frame.pixels.size() + size_t(frame.width) * size_t(band));
        for (int y = 0; y < band; ++y)
            for (int x = 0; x < frame.width; ++x) {
                const COLORREF c = gdi::pixel(dc, x, y);
                frame.pixels.push_back((GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c));
            }
        frame.height += band;
        dc.SelectObject(oldBitmap);
    }
    dc.SelectObject(oldFont);
    dc.DeleteDC();
}

std::string millis(double seconds)
{
    char buffer[48];
    std::snprintf(buffer, sizeof buffer, "%.1f", 1000.0 * seconds);
    std::string s = buffer;
    if (s.size() > 2 && s.compare(s.size() - 2, 2, ".0") == 0) s.resize(s.size() - 2);
    return s == "-0" ? "0" : s;
}

}  // namespace

std::string selectionCaption(CArrayMEDataSetqz* dataSet, int cxcClass)
{
    CSnsCohDataqz* data = classDataOf(currentTrial(dataSet), cxcClass);
    if (!data) return {};
    __int64 b = 0, e = 0;
    data->getSelect(b, e);
    return millis(data->getLatency4PtSecond(b)) + " - " + millis(data->getLatency4PtSecond(e)) + " ms";
}

std::string playingWindowNames()
{
    std::string names;
    for (const ShowEntry& e : showTable())
        if (e.playId) names += (names.empty() ? "" : ", ") + std::string(e.name);
    return names;
}

std::string recordMovie(CDialog& dialog, const ShowEntry& entry, CArrayMEDataSetqz* dataSet, const MovieRequest& request,
                        const MovieProgress& progress)
{
    MovieFormat format;
    if (!movieFormatOf(request.out, format))
        return request.out + ": unknown kind of movie (name it .gif, .mp4 or .webm, or give a folder for PNG frames)";
    if (!entry.playId) return std::string(entry.name) + " does not play; the windows that play: " + playingWindowNames();
    if (request.ticks < 1 || request.fps < 1) return "a movie needs at least one tick and one frame per second";

    auto write = [&](const fs::path& temp) -> std::string {
        std::string error;
        const std::unique_ptr<MovieWriter> writer = openMovieWriter(format, temp, request.fps, error);
        if (!writer) return request.out + ": " + error;
        if (!harness::timerRunning(&dialog, entry.timerId)) harness::clickButton(&dialog, entry.playId);
        if (!harness::timerRunning(&dialog, entry.timerId)) return std::string(entry.name) + ": the window does not play";
        CWnd* view = dialog.GetDlgItem(entry.viewId);
        for (int k = 1; k <= request.ticks; ++k) {
            if (!harness::fireTimer(&dialog, entry.timerId))
                return std::string(entry.name) + ": the window stopped playing after " + std::to_string(k - 1) + " ticks";
            harness::pumpPaints();
            Frame frame = frameOf(request.viewOnly ? (view ? harness::clientSurface(view) : harness::Image())
                                                   : harness::render(&dialog));
            // The dialog shows the time in its own controls; the view alone carries it burned in.
            if (request.viewOnly) addCaption(frame, selectionCaption(dataSet, entry.cxcClass));
            if (std::string e = writer->add(frame); !e.empty()) return request.out + ": " + e;
            if (progress && !progress(k, request.ticks)) return "cancelled";
        }
        const std::string e = writer->finish();
        return e.empty() ? e : request.out + ": " + e;
    };
    if (format == MovieFormat::Folder) return replaceFolderFiles(request.out, "frame-0001.png", write);
    return replaceFile(request.out, write);
}

int runMovie(const MovieOptions& o, std::ostream& out, std::ostream& err)
{
    const ShowEntry* entry = findShow(o.only);
    MovieFormat format;
    std::string refused;
    if (!entry) refused = o.only + ": no such window";
    else if (!entry->playId) refused = o.only + " does not play; the windows that play: " + playingWindowNames();
    else if (!movieFormatOf(o.out, format))
        refused = o.out + ": unknown kind of movie (name it .gif, .mp4 or .webm, or give a folder for PNG frames)";
    if (!refused.empty()) {
        err << "cxcmap movie: " << refused << "\n";
        return 2;
    }
    DataSource source;
    if (std::string error = loadData(o.data, source); !error.empty()) {
        err << "cxcmap movie: " << error << "\n";
        return 1;
    }
    CArrayMEDataSetqz* dataSet = source.dataSet.get();
    if (o.from >= 0) {
        CSnsCohDataqz* data = classDataOf(currentTrial(dataSet), entry->cxcClass);
        if (!data || o.from >= data->sampleCount) {
            err << "cxcmap movie: --from " << o.from << ": the data have "
                << (data ? std::to_string(data->sampleCount) : std::string("no")) << " samples in this class\n";
            return 2;
        }
        __int64 b = 0, e = 0;
        data->getSelect(b, e);
        data->setSelect(o.from, std::min<__int64>(o.from + std::max<__int64>(e - b, 0), data->sampleCount - 1));
    }

    CWnd host;  // the parent handed to the show function, as a host's main window
    host.CreateEx(0, nullptr, L"cxcmap", WS_POPUP, CRect(0, 0, 320, 200), nullptr, 0);
    auto facade = std::make_unique<CMEGShowCCData2DFaceqz>();
    harness::clearMessageBoxes();
    const int shown = (facade.get()->*entry->show)(dataSet, &host);
    CDialog* dialog = dialogOf(*facade, *entry);
    std::string error;
    bool lineOpen = false;  // a progress line waits for its end
    if (!shown || !dialog || !dialog->GetSafeHwnd()) {
        error = o.only + ": the window could not be opened";
    } else {
        harness::pumpPaints();
        MovieRequest request{o.out, o.ticks, o.fps, o.viewOnly};
        error = recordMovie(*dialog, *entry, dataSet, request, [&](int k, int n) {
            if (o.quiet) return true;
            lineOpen = k < n;
            err << "\rcxcmap movie: frame " << k << " of " << n << (lineOpen ? "" : "\n") << std::flush;
            return true;
        });
    }
    for (const auto& box : harness::messageBoxes())
        err << "cxcmap movie: " << o.only << ": message box \"" << toUtf8(box.text) << "\"\n";
    facade.reset();
    host.DestroyWindow();
    if (!error.empty()) {
        err << (lineOpen ? "\n" : "") << "cxcmap movie: " << error << "\n";
        return 1;
    }
    out << o.out << "  " << o.ticks << " frames\n";
    return 0;
}

}  // namespace cxc::app
