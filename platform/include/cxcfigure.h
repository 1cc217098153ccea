// Figures of a window: one paint recorded as the GDI calls it made, written as a PNG at any scale or
// as SVG and PDF, where lines stay lines, text stays text and images stay images at their own
// resolution. The paint code is the same; only its surface records while it runs.
#pragma once

#include <memory>
#include <string>

#include "cxcharness.h"

namespace cxc::figure {

enum class Format { Png, Svg, Pdf };

// One recorded paint of a window's client area.
class Picture {
public:
    Picture();
    ~Picture();
    Picture(const Picture&);
    Picture& operator=(const Picture&);

    bool isNull() const;
    int width() const;
    int height() const;

    struct Data;
    explicit Picture(std::shared_ptr<const Data> data);
    const Data* data() const { return d_.get(); }

private:
    std::shared_ptr<const Data> d_;
};

// Paints the window now (as WM_PAINT does) while recording; null when it has no client surface.
Picture recordPaint(CWnd* window);
// The recording drawn again onto an image scale times as large (1 to 8): the same rasterisers, so at
// scale 1 it is the paint's own picture; one-pixel lines stay one pixel thin at any scale.
harness::Image replay(const Picture& picture, int scale);

struct Options {
    Format format = Format::Png;
    int scale = 1;  // PNG only: 1 to 8
    int dpi = 0;    // recorded physical resolution; 0: 96 per scale step, so the physical size stays
};

// The format a file name asks for (.png, .svg, .pdf, any case); false for another name.
bool formatOfName(const std::string& path, Format& format);

// Writes the picture alone or, given the window it belongs to and that window's dialog, the dialog as
// a user sees it (menu bar and controls drawn by Qt onto the same device) with the picture in the
// view's place. Returns an empty string, or why nothing was written; `size` gets the written picture's
// size in pixels (scaled for PNG).
std::string write(const Picture& view, const Options& options, const char* path, CSize* size = nullptr);
std::string writeDialog(CWnd* dialog, CWnd* viewWindow, const Picture& view, const Options& options, const char* path,
                        CSize* size = nullptr);

}  // namespace cxc::figure
