// Inside the platform layer only: the recording of one paint. While a recording runs, every surface a
// DC draws on keeps the list of raster primitives drawn on it, in its own pixel coordinates, with the
// colours and pens they used; a 1:1 copy from one recorded surface to another keeps the source's list
// instead of its pixels. The lists replay onto an image at any scale with the same rasterisers (so
// scale 1 gives the very pixels of the paint) and onto any QPainter as vector drawing.
#pragma once

#include <QImage>
#include <QString>

#include <memory>
#include <variant>
#include <vector>

#include "gdi_internal.h"

class QPainter;

namespace cxc::gdi::rec {

struct ThinLine {
    std::int64_t x0 = 0, y0 = 0, x1 = 0, y1 = 0;
    std::uint32_t colour = 0;
    int penStyle = 0;             // PS_SOLID or a dash style
    std::uint32_t phase = 0;      // dash position at the start
    bool gapFilled = false;       // OPAQUE: the gaps take gapColour
    std::uint32_t gapColour = 0;
};
struct ThickLine {
    double x0 = 0, y0 = 0, x1 = 0, y1 = 0;
    int width = 0;
    std::uint32_t colour = 0;
};
struct Fill {
    std::int64_t left = 0, top = 0, right = 0, bottom = 0;
    std::uint32_t colour = 0;
};
// InvertRect; `after` keeps the pixels it left, for painters without a difference blend.
struct Invert {
    std::int64_t left = 0, top = 0, right = 0, bottom = 0;
    QImage after;
};
struct Conic {
    raster::Conic c{};
    raster::Sweep sweep{};
    int width = 0;  // 1: the one-pixel outline; 0: a fill
    std::uint32_t colour = 0;
};
// One glyph run of TextOut: the painter steps of the raster paint, and the string for vector output.
struct Text {
    std::shared_ptr<const FontFace> face;
    QString string;
    std::vector<quint32> glyphs;
    std::vector<double> offsets;  // along the baseline, from the run's start
    double originX = 0, originY = 0;  // the run's cell top-left
    double degrees = 0;
    bool opaqueBox = false;           // rotated OPAQUE text fills its run's cell first
    double boxWidth = 0;
    std::uint32_t textColour = 0, bkColour = 0;
};
// A block transfer through the nearest-neighbour core: the source pixels as they were, the signed
// rectangles, the raster operation. `after` keeps the destination's pixels of the block for every
// operation a painter has no match for.
struct Blit {
    QImage source;  // RGB32, row 0 at the top; null for operations without a source
    std::int64_t rowLo = 0, rowHi = 0;
    std::int64_t dx = 0, dy = 0, dw = 0, dh = 0, sx = 0, sy = 0, sw = 0, sh = 0;
    int rop = 0;                   // the blit core's operation
    std::uint32_t pattern = 0;
    bool transparent = false;
    std::uint32_t key = 0;
    bool plainCopy = false;        // SRCCOPY without key: drawn as an image by painters
    QImage after;
    std::int64_t afterX = 0, afterY = 0;
};
struct List;
// A 1:1 copy of a recorded surface: its commands, shifted by (dx - sx, dy - sy) and clipped to the
// copied block and the source's size.
struct Copy {
    std::shared_ptr<const List> list;
    std::int64_t dx = 0, dy = 0, w = 0, h = 0, sx = 0, sy = 0;
    int sourceWidth = 0, sourceHeight = 0;
};
// The pixels a surface held when the recording first touched it.
struct Base {
    QImage image;
};

using Command = std::variant<ThinLine, ThickLine, Fill, Invert, Conic, Text, Blit, Copy, Base>;

struct List {
    int width = 0, height = 0;
    std::vector<Command> commands;
};

// Arms or ends the recording of every surface drawn on; ending drops every list.
void begin();
void end();
bool active();
// A surface that goes while recording leaves no list behind for one made at its address.
void forget(const Surface* surface);
// The list of a surface while recording (made with a Base of its pixels on first use, unless what
// comes first hides them all); null when no recording runs. Call it before drawing, so the Base
// holds the pixels from before.
List* listOf(Surface* surface, bool hidesAll = false);
// A copy of the surface's list as it stands; null when it has none.
std::shared_ptr<const List> snapshot(Surface* surface);
void add(Surface* surface, Command command);
// Drops what a fill of the whole surface hides.
void coverAll(Surface* surface);

// A fill of [left, right) x [top, bottom); one that covers the whole surface drops what it hides.
void fill(Surface* surface, std::int64_t left, std::int64_t top, std::int64_t right, std::int64_t bottom,
          std::uint32_t colour);

// Replay onto an RGB32 image of scale times the list's size: the same rasterisers at scaled
// coordinates; one-pixel lines stay one pixel thin, wider pens, text and images grow.
QImage replayRaster(const List& list, int scale);
// Replay onto a painter whose unit is one pixel of the recorded surface.
void replayVector(const List& list, QPainter& painter);

// The blit core of gdi_blits.cpp and the text painter of gdi_text.cpp, for replay.
void replayBlit(const Raster& r, const Blit& b, std::int64_t ox, std::int64_t oy, int scale);
void replayText(QPainter& painter, const Text& t);
void vectorText(QPainter& painter, const Text& t);

}  // namespace cxc::gdi::rec
