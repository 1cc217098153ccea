#include "moviecommand.h"

#include <cstdio>
#include <cwchar>
#include <filesystem>
#include <memory>
#include <ostream>
#include <system_error>

#include "couplingroad.h"
#include "cxcharness.h"
#include "datasource.h"
#include "filewrite.h"
#include "firstlook.h"
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

MovieRecorder::MovieRecorder(CDialog& dialog, const ShowEntry& entry, CArrayMEDataSetqz* dataSet, MovieRequest request)
    : dialog_(dialog), entry_(entry), dataSet_(dataSet), request_(std::move(request))
{
}

MovieRecorder::~MovieRecorder() { abandon(); }

void MovieRecorder::abandon()
{
    writer_.reset();  // ffmpeg has ended before its file goes
    std::error_code ec;
    if (!temp_.empty()) fs::remove_all(temp_, ec);
    temp_.clear();
    if (heldPeriod_ && harness::timerRunning(&dialog_, entry_.timerId)) dialog_.SetTimer(entry_.timerId, heldPeriod_);
    heldPeriod_ = 0;
}

std::string MovieRecorder::start()
{
    MovieFormat format;
    if (!movieFormatOf(request_.out, format))
        return request_.out + ": unknown kind of movie (name it .gif, .mp4 or .webm, or give a folder for PNG frames)";
    if (!entry_.playId) return std::string(entry_.name) + " does not play; the windows that play: " + playingWindowNames();
    if (request_.ticks < 1 || request_.fps < 1) return "a movie needs at least one tick and one frame per second";
    format_ = static_cast<int>(format);
    target_ = request_.out;
    if (!target_.has_filename()) target_ = target_.parent_path();
    std::error_code ec;
    if (format != MovieFormat::Folder && fs::is_directory(target_, ec)) return request_.out + ": is a folder";
    temp_ = temporaryBeside(target_);
    std::string error;
    writer_ = openMovieWriter(format, temp_, request_.fps, error);
    if (!writer_) {
        abandon();
        return request_.out + ": " + error;
    }
    if (!harness::timerRunning(&dialog_, entry_.timerId)) harness::clickButton(&dialog_, entry_.playId);
    if (!harness::timerRunning(&dialog_, entry_.timerId)) {
        abandon();
        return std::string(entry_.name) + ": the window does not play";
    }
    // Hold the window's own timer back (it stays set, so its ticks can still be delivered here).
    for (const harness::TimerInfo& t : harness::pendingTimers(&dialog_))
        if (t.id == entry_.timerId) heldPeriod_ = std::max(1u, t.periodMs);
    dialog_.SetTimer(entry_.timerId, 0x7FFFFFFF);
    return {};
}

std::string MovieRecorder::step()
{
    if (!writer_ || done_ >= request_.ticks) return "the movie is not recording";
    std::string error;
    if (!harness::fireTimer(&dialog_, entry_.timerId)) {
        error = std::string(entry_.name) + ": the window stopped playing after " + std::to_string(done_) + " ticks";
    } else {
        harness::pumpPaints();
        CWnd* view = dialog_.GetDlgItem(entry_.viewId);
        Frame frame = frameOf(request_.viewOnly ? (view ? harness::clientSurface(view) : harness::Image())
                                                : harness::render(&dialog_));
        // The dialog shows the time in its own controls; the view alone carries it burned in.
        if (request_.viewOnly) addCaption(frame, selectionCaption(dataSet_, entry_.cxcClass));
        if (std::string e = writer_->add(frame); !e.empty()) error = request_.out + ": " + e;
    }
    if (!error.empty()) abandon();
    else ++done_;
    return error;
}

std::string MovieRecorder::finish()
{
    if (!writer_ || done_ < request_.ticks) {
        abandon();
        return "the movie is not complete";
    }
    std::string error = writer_->finish();
    writer_.reset();
    if (!error.empty()) error = request_.out + ": " + error;
    else if (static_cast<MovieFormat>(format_) == MovieFormat::Folder)
        error = replaceFolderFiles(target_, "frame-0001.png", [&](const fs::path& place) {
            std::error_code ec;
            fs::rename(temp_, place, ec);
            return ec ? place.string() + ": " + ec.message() : std::string();
        });
    else if (std::error_code ec; fs::rename(temp_, target_, ec), ec)
        error = target_.string() + ": " + ec.message();
    abandon();
    return error;
}

std::string recordMovie(CDialog& dialog, const ShowEntry& entry, CArrayMEDataSetqz* dataSet, const MovieRequest& request,
                        const MovieProgress& progress)
{
    MovieRecorder recorder(dialog, entry, dataSet, request);
    if (std::string e = recorder.start(); !e.empty()) return e;
    for (int k = 1; k <= request.ticks; ++k) {
        if (std::string e = recorder.step(); !e.empty()) return e;
        if (progress && !progress(k, request.ticks)) return "cancelled";
    }
    return recorder.finish();
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
    if (!source.warning.empty()) err << "cxcmap movie: " << source.warning << "\n";
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
        if (!o.rawScales) fitFirstLookScales(*facade, *entry, *dataSet);
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
