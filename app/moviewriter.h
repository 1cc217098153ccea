// Movie files from frames: a looping GIF, an MP4 or WebM made by the ffmpeg program, or a folder
// of numbered PNG frames, chosen by the name of the target. Frames stream through one at a time, so
// a long movie costs the memory of one frame.
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace cxc::app {

// One picture, row by row from the top, each pixel 0x00RRGGBB.
struct Frame {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;
};

enum class MovieFormat { Gif, Mp4, Webm, Folder };

// The format that the target's name asks for: no extension means a folder of PNG frames. False for
// any other extension.
bool movieFormatOf(const std::filesystem::path& target, MovieFormat& format);

// Up to 256 colours for a GIF frame and each pixel's index into them. A frame of at most 256
// colours keeps every colour exactly; beyond that the most frequent colours are kept and every other
// pixel takes its nearest one. Never dithered: a line one pixel wide keeps a single colour.
struct Palette {
    std::vector<std::uint32_t> colours;
    std::vector<std::uint8_t> indices;  // one per pixel
};
Palette quantise(const Frame& frame);

class MovieWriter {
public:
    virtual ~MovieWriter() = default;
    // An empty string, or the message of what failed (the writer is then of no further use).
    virtual std::string add(const Frame& frame) = 0;
    virtual std::string finish() = 0;
};

// A writer of `path` (a file, or a folder that it makes), frames shown `fps` per second. Null with
// `error` set when it cannot start: for MP4 and WebM without the ffmpeg program, one message naming
// the Debian package that brings it.
std::unique_ptr<MovieWriter> openMovieWriter(MovieFormat format, const std::filesystem::path& path, int fps,
                                             std::string& error);

}  // namespace cxc::app
