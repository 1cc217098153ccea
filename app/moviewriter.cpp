#include "moviewriter.h"

#include <fcntl.h>
#include <gif_lib.h>
#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <system_error>
#include <unordered_map>

#include "afxwin.h"
#include "cxcgdi.h"

extern char** environ;

namespace cxc::app {

namespace fs = std::filesystem;

bool movieFormatOf(const fs::path& target, MovieFormat& format)
{
    std::string ext = target.has_filename() ? target.extension().string() : std::string();
    std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (ext.empty()) format = MovieFormat::Folder;
    else if (ext == ".gif") format = MovieFormat::Gif;
    else if (ext == ".mp4") format = MovieFormat::Mp4;
    else if (ext == ".webm") format = MovieFormat::Webm;
    else return false;
    return true;
}

Palette quantise(const Frame& frame)
{
    Palette p;
    std::unordered_map<std::uint32_t, std::uint32_t> counts;
    for (std::uint32_t px : frame.pixels) ++counts[px & 0xFFFFFFu];
    std::vector<std::pair<std::uint32_t, std::uint32_t>> byCount;  // (count, colour)
    byCount.reserve(counts.size());
    for (const auto& [colour, count] : counts) byCount.emplace_back(count, colour);
    // Most frequent first, ties by colour, so the same frame always gets the same palette.
    const size_t kept = std::min<size_t>(byCount.size(), 256);
    std::partial_sort(byCount.begin(), byCount.begin() + static_cast<std::ptrdiff_t>(kept), byCount.end(),
                      [](const auto& a, const auto& b) { return a.first != b.first ? a.first > b.first : a.second < b.second; });
    std::unordered_map<std::uint32_t, std::uint8_t> index;
    for (size_t i = 0; i < kept; ++i) {
        p.colours.push_back(byCount[i].second);
        index[byCount[i].second] = static_cast<std::uint8_t>(i);
    }
    auto nearest = [&](std::uint32_t c) {
        long best = -1;
        std::uint8_t at = 0;
        for (size_t i = 0; i < p.colours.size(); ++i) {
            const long dr = static_cast<long>((c >> 16) & 255) - static_cast<long>((p.colours[i] >> 16) & 255);
            const long dg = static_cast<long>((c >> 8) & 255) - static_cast<long>((p.colours[i] >> 8) & 255);
            const long db = static_cast<long>(c & 255) - static_cast<long>(p.colours[i] & 255);
            const long d = dr * dr + dg * dg + db * db;
            if (best < 0 || d < best) best = d, at = static_cast<std::uint8_t>(i);
        }
        return at;
    };
    p.indices.resize(frame.pixels.size());
    for (size_t i = 0; i < frame.pixels.size(); ++i) {
        const std::uint32_t c = frame.pixels[i] & 0xFFFFFFu;
        auto it = index.find(c);
        if (it == index.end()) it = index.emplace(c, nearest(c)).first;  // each dropped colour is matched once
        p.indices[i] = it->second;
    }
    return p;
}

namespace {

std::string sameSize(const Frame& first, const Frame& frame)
{
    if (frame.width < 1 || frame.height < 1 || frame.pixels.size() != size_t(frame.width) * size_t(frame.height))
        return "a frame could not be drawn";
    if (frame.width != first.width || frame.height != first.height) return "the window changed its size while playing";
    return {};
}

class GifWriter : public MovieWriter {
public:
    GifWriter(const fs::path& path, int fps, std::string& error) : delay_(std::max(1, (100 + fps / 2) / fps))
    {
        // giflib would make the file private (0600); a movie is read as any other file the user writes.
        int code = E_GIF_ERR_OPEN_FAILED;
        const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
        gif_ = fd >= 0 ? EGifOpenFileHandle(fd, &code) : nullptr;
        if (!gif_) {
            if (fd >= 0) ::close(fd);
            error = failed(code);
        }
    }
    ~GifWriter() override { close(); }

    std::string add(const Frame& frame) override
    {
        if (!gif_) return failed(E_GIF_ERR_CLOSE_FAILED);
        if (frames_ == 0) {
            first_ = {frame.width, frame.height, {}};
            EGifSetGifVersion(gif_, true);
            if (EGifPutScreenDesc(gif_, frame.width, frame.height, 8, 0, nullptr) == GIF_ERROR || !putLoop())
                return failed(gif_->Error);
        }
        if (std::string e = sameSize(first_, frame); !e.empty()) return e;
        // Each frame after the first stores only the rectangle where it differs from the one before
        // and leaves the rest on screen: a playing map changes little between two ticks.
        int left = 0, top = 0, right = frame.width, bottom = frame.height;
        if (frames_ > 0) changedRectangle(frame, left, top, right, bottom);
        Frame part{right - left, bottom - top, {}};
        part.pixels.reserve(size_t(part.width) * size_t(part.height));
        for (int y = top; y < bottom; ++y) {
            const auto row = frame.pixels.begin() + static_cast<std::ptrdiff_t>(y) * frame.width;
            part.pixels.insert(part.pixels.end(), row + left, row + right);
        }
        previous_ = frame.pixels;
        GraphicsControlBlock gcb{};
        gcb.DisposalMode = DISPOSE_DO_NOT;
        gcb.DelayTime = delay_;
        gcb.TransparentColor = NO_TRANSPARENT_COLOR;
        GifByteType extension[4];
        const size_t length = EGifGCBToExtension(&gcb, extension);
        const Palette palette = quantise(part);
        int size = 2;
        while (size < static_cast<int>(palette.colours.size())) size *= 2;
        std::vector<GifColorType> colours(static_cast<size_t>(size), GifColorType{0, 0, 0});
        for (size_t i = 0; i < palette.colours.size(); ++i)
            colours[i] = {static_cast<GifByteType>(palette.colours[i] >> 16), static_cast<GifByteType>(palette.colours[i] >> 8),
                          static_cast<GifByteType>(palette.colours[i])};
        ColorMapObject* map = GifMakeMapObject(size, colours.data());
        bool ok = map && EGifPutExtension(gif_, GRAPHICS_EXT_FUNC_CODE, static_cast<int>(length), extension) != GIF_ERROR &&
                  EGifPutImageDesc(gif_, left, top, part.width, part.height, false, map) != GIF_ERROR;
        GifFreeMapObject(map);
        std::vector<GifPixelType> row(static_cast<size_t>(part.width));
        for (int y = 0; ok && y < part.height; ++y) {
            const auto from = palette.indices.begin() + static_cast<std::ptrdiff_t>(y) * part.width;
            std::copy(from, from + part.width, row.begin());
            ok = EGifPutLine(gif_, row.data(), part.width) != GIF_ERROR;
        }
        ++frames_;
        return ok ? std::string() : failed(gif_->Error);
    }

    std::string finish() override
    {
        if (frames_ == 0) return "no frame to write";
        int code = 0;
        GifFileType* gif = gif_;
        gif_ = nullptr;
        return gif && EGifCloseFile(gif, &code) != GIF_ERROR ? std::string() : failed(code);
    }

private:
    // The bounding rectangle of the pixels that differ from the previous frame; one pixel when none do.
    void changedRectangle(const Frame& frame, int& left, int& top, int& right, int& bottom) const
    {
        left = frame.width, top = frame.height, right = 0, bottom = 0;
        for (int y = 0; y < frame.height; ++y)
            for (int x = 0; x < frame.width; ++x) {
                const size_t i = size_t(y) * size_t(frame.width) + size_t(x);
                if (frame.pixels[i] == previous_[i]) continue;
                left = std::min(left, x), right = std::max(right, x + 1);
                top = std::min(top, y), bottom = std::max(bottom, y + 1);
            }
        if (right == 0) left = top = 0, right = bottom = 1;
    }
    // The application extension that makes viewers loop the movie forever.
    bool putLoop()
    {
        static const char kApp[] = "NETSCAPE2.0";
        const GifByteType loop[3] = {1, 0, 0};
        return EGifPutExtensionLeader(gif_, APPLICATION_EXT_FUNC_CODE) != GIF_ERROR &&
               EGifPutExtensionBlock(gif_, 11, kApp) != GIF_ERROR && EGifPutExtensionBlock(gif_, 3, loop) != GIF_ERROR &&
               EGifPutExtensionTrailer(gif_) != GIF_ERROR;
    }
    void close()
    {
        int code = 0;
        if (gif_) EGifCloseFile(gif_, &code);
        gif_ = nullptr;
    }
    std::string failed(int code) const
    {
        const char* why = GifErrorString(code);
        return std::string("cannot be written") + (why ? std::string(" (") + why + ")" : std::string());
    }

    int delay_;  // hundredths of a second per frame
    GifFileType* gif_ = nullptr;
    Frame first_;
    std::vector<std::uint32_t> previous_;
    int frames_ = 0;
};

class PngFolderWriter : public MovieWriter {
public:
    PngFolderWriter(const fs::path& folder, std::string& error) : folder_(folder)
    {
        std::error_code ec;
        fs::create_directories(folder, ec);
        if (ec) error = "cannot be written (" + ec.message() + ")";
    }

    std::string add(const Frame& frame) override
    {
        if (frames_ == 0) first_ = {frame.width, frame.height, {}};
        if (std::string e = sameSize(first_, frame); !e.empty()) return e;
        char name[32];
        std::snprintf(name, sizeof name, "frame-%04d.png", ++frames_);
        const fs::path file = folder_ / name;
        CDC dc;
        CBitmap bitmap;
        dc.CreateCompatibleDC(nullptr);
        if (!bitmap.CreateCompatibleBitmap(&dc, frame.width, frame.height)) return "a frame is too large";
        CBitmap* old = dc.SelectObject(&bitmap);
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
        info.bmiHeader.biWidth = frame.width;
        info.bmiHeader.biHeight = -frame.height;  // top-down rows, as the frame keeps them
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        StretchDIBits(dc, 0, 0, frame.width, frame.height, 0, 0, frame.width, frame.height, frame.pixels.data(), &info,
                      DIB_RGB_COLORS, SRCCOPY);
        const bool ok = cxc::gdi::writePng(dc, file.c_str());
        dc.SelectObject(old);
        dc.DeleteDC();
        return ok ? std::string() : "cannot be written (" + file.filename().string() + ")";
    }
    std::string finish() override { return frames_ ? std::string() : "no frame to write"; }

private:
    fs::path folder_;
    Frame first_;
    int frames_ = 0;
};

// The program of that name on PATH, as a shell would find it; empty when there is none.
std::string findProgram(const char* name)
{
    const char* path = std::getenv("PATH");
    std::string dirs = path ? path : "";
    for (size_t start = 0; start <= dirs.size();) {
        size_t end = dirs.find(':', start);
        if (end == std::string::npos) end = dirs.size();
        const std::string dir = end > start ? dirs.substr(start, end - start) : ".";
        const std::string candidate = dir + "/" + name;
        struct stat st {};
        if (::stat(candidate.c_str(), &st) == 0 && S_ISREG(st.st_mode) && ::access(candidate.c_str(), X_OK) == 0)
            return candidate;
        start = end + 1;
    }
    return {};
}

// Raw RGB frames piped into ffmpeg, which encodes them. A write into a pipe whose reader died would
// end this process with SIGPIPE, so the signal is ignored while the pipe is open.
class FfmpegWriter : public MovieWriter {
public:
    FfmpegWriter(const std::string& program, MovieFormat format, const fs::path& path, int fps, std::string& error)
        : path_(path), format_(format), fps_(fps), program_(program)
    {
        struct sigaction ignore {};
        ignore.sa_handler = SIG_IGN;
        ::sigaction(SIGPIPE, &ignore, &savedPipe_);
        (void)error;
    }
    ~FfmpegWriter() override
    {
        stop();
        ::sigaction(SIGPIPE, &savedPipe_, nullptr);
    }

    std::string add(const Frame& frame) override
    {
        if (pid_ <= 0 && frames_ == 0) {
            first_ = {frame.width, frame.height, {}};
            if (std::string e = sameSize(first_, frame); !e.empty()) return e;
            if (std::string e = start(frame.width, frame.height); !e.empty()) return e;
        }
        if (std::string e = sameSize(first_, frame); !e.empty()) return e;
        rgb_.resize(frame.pixels.size() * 3);
        for (size_t i = 0; i < frame.pixels.size(); ++i) {
            rgb_[3 * i] = static_cast<unsigned char>(frame.pixels[i] >> 16);
            rgb_[3 * i + 1] = static_cast<unsigned char>(frame.pixels[i] >> 8);
            rgb_[3 * i + 2] = static_cast<unsigned char>(frame.pixels[i]);
        }
        for (size_t done = 0; done < rgb_.size();) {
            const ssize_t n = ::write(pipe_, rgb_.data() + done, rgb_.size() - done);
            if (n < 0 && errno == EINTR) continue;
            if (n <= 0) return "ffmpeg stopped reading the frames";
            done += static_cast<size_t>(n);
        }
        ++frames_;
        return {};
    }

    std::string finish() override
    {
        if (frames_ == 0) return "no frame to write";
        const int status = stop();
        if (status != 0) return "ffmpeg failed (exit status " + std::to_string(status) + ")";
        return {};
    }

private:
    std::string start(int width, int height)
    {
        int fds[2];
        if (::pipe2(fds, O_CLOEXEC) != 0) return std::string("cannot be written (") + std::strerror(errno) + ")";
        const std::string size = std::to_string(width) + "x" + std::to_string(height);
        std::vector<std::string> args{program_, "-loglevel", "error", "-nostdin", "-y", "-f", "rawvideo", "-pix_fmt", "rgb24",
                                      "-s", size, "-framerate", std::to_string(fps_), "-i", "pipe:0",
                                      // yuv420p wants even sides: pad the last column or row.
                                      "-vf", "pad=ceil(iw/2)*2:ceil(ih/2)*2", "-pix_fmt", "yuv420p"};
        if (format_ == MovieFormat::Mp4) args.insert(args.end(), {"-c:v", "libx264", "-f", "mp4"});
        else args.insert(args.end(), {"-c:v", "libvpx-vp9", "-f", "webm"});
        args.push_back(path_.string());
        std::vector<char*> argv;
        for (std::string& a : args) argv.push_back(a.data());
        argv.push_back(nullptr);
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, fds[0], 0);
        posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
        const int spawned = ::posix_spawn(&pid_, program_.c_str(), &actions, nullptr, argv.data(), environ);
        posix_spawn_file_actions_destroy(&actions);
        ::close(fds[0]);
        pipe_ = fds[1];
        if (spawned != 0) {
            pid_ = 0;
            return program_ + ": " + std::strerror(spawned);
        }
        return {};
    }
    // Closes the pipe and waits for ffmpeg, so no file appears after the caller cleaned up. Its
    // exit status, or -1.
    int stop()
    {
        if (pipe_ >= 0) ::close(pipe_);
        pipe_ = -1;
        if (pid_ <= 0) return -1;
        int status = 0;
        while (::waitpid(pid_, &status, 0) < 0 && errno == EINTR) {
        }
        pid_ = 0;
        return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    }

    fs::path path_;
    MovieFormat format_;
    int fps_;
    std::string program_;
    struct sigaction savedPipe_ {};
    pid_t pid_ = 0;
    int pipe_ = -1;
    Frame first_;
    int frames_ = 0;
    std::vector<unsigned char> rgb_;
};

}  // namespace

std::unique_ptr<MovieWriter> openMovieWriter(MovieFormat format, const fs::path& path, int fps, std::string& error)
{
    error.clear();
    std::unique_ptr<MovieWriter> writer;
    if (format == MovieFormat::Gif) {
        writer = std::make_unique<GifWriter>(path, fps, error);
    } else if (format == MovieFormat::Folder) {
        writer = std::make_unique<PngFolderWriter>(path, error);
    } else {
        const std::string program = findProgram("ffmpeg");
        if (program.empty()) {
            error = "writing " + std::string(format == MovieFormat::Mp4 ? "MP4" : "WebM") +
                    " needs the ffmpeg program, which is not installed (Debian package ffmpeg); "
                    "a .gif or a folder of PNG frames needs nothing more";
            return nullptr;
        }
        writer = std::make_unique<FfmpegWriter>(program, format, path, fps, error);
    }
    if (!error.empty()) writer.reset();
    return writer;
}

}  // namespace cxc::app
