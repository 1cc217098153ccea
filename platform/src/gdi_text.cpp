// Fonts and text: LOGFONT to a Qt font loaded from a known file, cell metrics, integer advances, TextOut
// and the text extents. "Arial" is Liberation Sans (its metric twin), registered from its file so
// every machine measures the same. Glyphs are drawn without antialiasing, so a glyph pixel is exactly
// the text colour.
#include <QFontDatabase>
#include <QFontMetrics>
#include <QGlyphRun>
#include <QGuiApplication>
#include <QPainter>
#include <QRawFont>

#include <algorithm>
#include <array>
#include <cmath>
#include <cwctype>
#include <map>
#include <tuple>
#include <unordered_map>

#include "cxcsat.h"
#include "gdi_internal.h"
#include "gdi_record.h"

namespace cxc::gdi {

// A resolved font: the Qt font, its raw font for glyph runs, the cell metrics and a glyph cache.
struct FontFace {
    QFont font;
    QFontMetrics metrics;
    QRawFont raw;
    int ascent = 0;       // px from the cell top to the baseline
    int descent = 0;      // px below the baseline
    int cellHeight = 0;   // ascent + descent
    struct Glyph {
        quint32 index = 0;
        int advance = 0;  // px, whole: text extents are sums of these
        bool known = false;
    };
    explicit FontFace(const QFont& f) : font(f), metrics(f), raw(QRawFont::fromFont(f)) {}
    Glyph glyph(char32_t c) const;

private:
    mutable std::array<Glyph, 256> latin_{};
    mutable std::unordered_map<char32_t, Glyph> others_;
};

FontFace::Glyph FontFace::glyph(char32_t c) const
{
    Glyph& g = c < 256 ? latin_[c] : others_[c];
    if (!g.known) {
        const QString s = QString::fromUcs4(&c, 1);
        const QList<quint32> indexes = raw.glyphIndexesForString(s);
        g.index = indexes.isEmpty() ? 0 : indexes.first();
        g.advance = metrics.horizontalAdvance(s);
        g.known = true;
    }
    return g;
}

namespace {

enum class Family { Sans, Serif, Mono };

Family familyOf(const wchar_t* face)
{
    std::wstring name;
    for (int i = 0; i < LF_FACESIZE && face[i]; ++i) name += static_cast<wchar_t>(std::towlower(static_cast<wint_t>(face[i])));
    static const wchar_t* const serif[] = {L"times new roman", L"times", L"serif", L"georgia", L"liberation serif"};
    static const wchar_t* const mono[] = {L"courier new", L"courier", L"consolas", L"lucida console", L"monospace",
                                          L"fixedsys", L"terminal", L"liberation mono"};
    for (const wchar_t* n : serif) if (name == n) return Family::Serif;
    for (const wchar_t* n : mono) if (name == n) return Family::Mono;
    return Family::Sans;
}

// Registers the family's four style files (Liberation, else DejaVu) once; returns its family name, or
// an empty string when no file could be loaded.
QString familyName(Family family)
{
    static std::map<Family, QString> loaded;
    const auto it = loaded.find(family);
    if (it != loaded.end()) return it->second;

    struct Candidate {
        const char* dir;
        const char* files[4];  // regular, bold, italic, bold italic
    };
    static const Candidate sans[] = {
        {"/usr/share/fonts/truetype/liberation2/", {"LiberationSans-Regular.ttf", "LiberationSans-Bold.ttf", "LiberationSans-Italic.ttf", "LiberationSans-BoldItalic.ttf"}},
        {"/usr/share/fonts/truetype/liberation/", {"LiberationSans-Regular.ttf", "LiberationSans-Bold.ttf", "LiberationSans-Italic.ttf", "LiberationSans-BoldItalic.ttf"}},
        {"/usr/share/fonts/truetype/dejavu/", {"DejaVuSans.ttf", "DejaVuSans-Bold.ttf", "DejaVuSans-Oblique.ttf", "DejaVuSans-BoldOblique.ttf"}}};
    static const Candidate serif[] = {
        {"/usr/share/fonts/truetype/liberation2/", {"LiberationSerif-Regular.ttf", "LiberationSerif-Bold.ttf", "LiberationSerif-Italic.ttf", "LiberationSerif-BoldItalic.ttf"}},
        {"/usr/share/fonts/truetype/liberation/", {"LiberationSerif-Regular.ttf", "LiberationSerif-Bold.ttf", "LiberationSerif-Italic.ttf", "LiberationSerif-BoldItalic.ttf"}},
        {"/usr/share/fonts/truetype/dejavu/", {"DejaVuSerif.ttf", "DejaVuSerif-Bold.ttf", "DejaVuSerif-Italic.ttf", "DejaVuSerif-BoldItalic.ttf"}}};
    static const Candidate mono[] = {
        {"/usr/share/fonts/truetype/liberation2/", {"LiberationMono-Regular.ttf", "LiberationMono-Bold.ttf", "LiberationMono-Italic.ttf", "LiberationMono-BoldItalic.ttf"}},
        {"/usr/share/fonts/truetype/liberation/", {"LiberationMono-Regular.ttf", "LiberationMono-Bold.ttf", "LiberationMono-Italic.ttf", "LiberationMono-BoldItalic.ttf"}},
        {"/usr/share/fonts/truetype/dejavu/", {"DejaVuSansMono.ttf", "DejaVuSansMono-Bold.ttf", "DejaVuSansMono-Oblique.ttf", "DejaVuSansMono-BoldOblique.ttf"}}};
    const Candidate* list = family == Family::Serif ? serif : family == Family::Mono ? mono : sans;

    QString name;
    for (int c = 0; c < 3 && name.isEmpty(); ++c) {
        const int id = QFontDatabase::addApplicationFont(QString::fromLatin1(list[c].dir) + QString::fromLatin1(list[c].files[0]));
        if (id < 0) continue;
        name = QFontDatabase::applicationFontFamilies(id).value(0);
        for (int k = 1; k < 4; ++k) QFontDatabase::addApplicationFont(QString::fromLatin1(list[c].dir) + QString::fromLatin1(list[c].files[k]));
    }
    loaded.emplace(family, name);
    return name;
}

QFont makeFont(const QString& family, int pixelSize, const LOGFONTW& lf)
{
    QFont f;
    if (!family.isEmpty()) f.setFamily(family);
    f.setPixelSize(std::max(1, pixelSize));
    f.setWeight(lf.lfWeight >= 600 ? QFont::Bold : QFont::Normal);
    f.setItalic(lf.lfItalic != 0);
    f.setUnderline(lf.lfUnderline != 0);
    f.setStrikeOut(lf.lfStrikeOut != 0);
    f.setKerning(false);
    f.setStyleStrategy(QFont::StyleStrategy(QFont::NoAntialias | QFont::NoFontMerging));
    f.setHintingPreference(QFont::PreferFullHinting);
    return f;
}

// lfHeight > 0 is the cell height (ascent + descent), < 0 the em height, 0 the default cell of 16.
// For a cell height the pixel size is the largest whose cell fits; any pixel left over goes above the
// ascent, so the cell is exactly lfHeight.
std::shared_ptr<const FontFace> buildFace(const LOGFONTW& lf)
{
    const QString family = familyName(familyOf(lf.lfFaceName));
    const bool cellMode = lf.lfHeight >= 0;
    const int target = lf.lfHeight == 0 ? 16 : std::abs(lf.lfHeight);
    auto cellAt = [&](int px) {
        const QFontMetrics m(makeFont(family, px, lf));
        return m.ascent() + m.descent();
    };
    int px = target;
    if (cellMode) {
        int lo = 1, hi = target;
        while (lo < hi) {
            const int mid = lo + (hi - lo + 1) / 2;
            if (cellAt(mid) <= target) lo = mid;
            else hi = mid - 1;
        }
        px = lo;
    }
    QFont font = makeFont(family, px, lf);
    if (lf.lfWidth > 0) {
        const int natural = QFontMetrics(font).averageCharWidth();
        if (natural > 0) font.setStretch(std::clamp(static_cast<int>(100LL * lf.lfWidth / natural), 1, 4000));
    }
    auto face = std::make_shared<FontFace>(font);
    const int ascent = face->metrics.ascent(), descent = face->metrics.descent();
    if (cellMode) {
        face->cellHeight = target;
        face->descent = std::min(descent, target);
        face->ascent = target - face->descent;
    } else {
        face->ascent = ascent;
        face->descent = descent;
        face->cellHeight = ascent + descent;
    }
    return face;
}

using FaceKey = std::tuple<int, LONG, LONG, bool, bool, bool, bool>;

std::shared_ptr<const FontFace> faceFor(const LOGFONTW& lf)
{
    // Never destroyed: fonts must not be torn down after the application object.
    static auto* cache = new std::map<FaceKey, std::shared_ptr<const FontFace>>;
    const FaceKey key{static_cast<int>(familyOf(lf.lfFaceName)), lf.lfHeight, lf.lfWidth > 0 ? lf.lfWidth : 0,
                      lf.lfWeight >= 600, lf.lfItalic != 0, lf.lfUnderline != 0, lf.lfStrikeOut != 0};
    auto it = cache->find(key);
    if (it == cache->end()) it = cache->emplace(key, buildFace(lf)).first;
    return it->second;
}

bool guiReady() { return qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr; }

char32_t codePoint(wchar_t c)
{
    const auto u = static_cast<std::uint32_t>(c);
    return (u > 0x10FFFFu || (u >= 0xD800u && u <= 0xDFFFu)) ? char32_t(0xFFFD) : char32_t(u);
}

std::int64_t advanceSum(const FontFace& face, const wchar_t* text, int length)
{
    std::int64_t sum = 0;
    for (int i = 0; i < length; ++i) sum += face.glyph(codePoint(text[i])).advance;
    return sum;
}

CSize extentOf(const FontFace& face, const wchar_t* text, int length)
{
    return CSize(static_cast<int>(std::min<std::int64_t>(advanceSum(face, text, length), INT_MAX)), face.cellHeight);
}

// Unrotated glyph runs drawn once and kept as the spans of pixels they set, so a label drawn again
// (the maps write hundreds per paint) costs a few span fills instead of a painter. Glyphs are drawn
// without antialiasing, so a run's pixels are exactly its colour: one mask serves every colour. A
// run whose drawing is not plain on/off, or reaches the edge of its scratch image, is drawn by the
// painter every time.
struct MaskSpan {
    int dy, x0, x1;  // row and [x0, x1) from the run's cell top-left
};
struct GlyphMask {
    std::shared_ptr<const FontFace> face;  // keeps the face the key names alive
    std::vector<MaskSpan> spans;
    bool usable = false;
};
using MaskKey = std::vector<std::int64_t>;  // face, then glyph and offset pairs
struct MaskKeyHash {
    std::size_t operator()(const MaskKey& key) const noexcept
    {
        std::uint64_t h = 1469598103934665603ull;
        for (const std::int64_t v : key) h = (h ^ static_cast<std::uint64_t>(v)) * 1099511628211ull;
        return static_cast<std::size_t>(h);
    }
};
constexpr std::size_t kMaskRunMax = 32;      // glyphs; longer runs are rarely repeated
constexpr std::size_t kMaskCacheMax = 4096;  // runs; the cache starts afresh beyond

GlyphMask renderMask(const std::shared_ptr<const FontFace>& face, const quint32* glyphs, const std::int64_t* offsets,
                     std::size_t count, std::int64_t width)
{
    GlyphMask mask;
    mask.face = face;
    const int pad = 2 * face->cellHeight + 2;
    if (width > 4096 || face->cellHeight > 512) return mask;
    QImage image(static_cast<int>(width) + 2 * pad, face->cellHeight + 2 * pad, QImage::Format_RGB32);
    image.fill(0xFF000000u);
    rec::Text run;
    run.face = face;
    run.glyphs.assign(glyphs, glyphs + count);
    for (std::size_t i = 0; i < count; ++i) run.offsets.push_back(static_cast<double>(offsets[i]));
    run.originX = pad;
    run.originY = pad;
    run.textColour = 0xFFFFFFFFu;
    {
        QPainter painter(&image);
        rec::replayText(painter, run);
    }
    for (int y = 0; y < image.height(); ++y) {
        const auto* row = reinterpret_cast<const std::uint32_t*>(image.constScanLine(y));
        for (int x = 0; x < image.width();) {
            if (row[x] == 0xFF000000u) {
                ++x;
                continue;
            }
            const bool edge = x == 0 || y == 0 || y == image.height() - 1;
            if (row[x] != 0xFFFFFFFFu || edge) return mask;
            int end = x + 1;
            while (end < image.width() && row[end] == 0xFFFFFFFFu) ++end;
            if (end == image.width()) return mask;
            mask.spans.push_back(MaskSpan{y - pad, x - pad, end - pad});
            x = end;
        }
    }
    mask.usable = true;
    return mask;
}

// The mask of the run, or null when it is to be drawn by the painter.
const GlyphMask* maskOf(const std::shared_ptr<const FontFace>& face, const quint32* glyphs, const std::int64_t* offsets,
                        std::size_t count, std::int64_t width)
{
    if (count == 0 || count > kMaskRunMax) return nullptr;
    static auto* cache = new std::unordered_map<MaskKey, GlyphMask, MaskKeyHash>;
    static MaskKey key;
    key.clear();
    key.push_back(static_cast<std::int64_t>(reinterpret_cast<std::uintptr_t>(face.get())));
    for (std::size_t i = 0; i < count; ++i) {
        key.push_back(glyphs[i]);
        key.push_back(offsets[i]);
    }
    auto it = cache->find(key);
    if (it == cache->end()) {
        if (cache->size() >= kMaskCacheMax) cache->clear();
        it = cache->emplace(key, renderMask(face, glyphs, offsets, count, width)).first;
    }
    return it->second.usable ? &it->second : nullptr;
}

void fillMask(const Raster& r, const GlyphMask& mask, std::int64_t left, std::int64_t top, std::uint32_t colour)
{
    if (!r) return;
    // Spans are a few pixels long: clipped and written here rather than through a fill call each.
    for (const MaskSpan& s : mask.spans) {
        const std::int64_t y = top + s.dy;
        if (y < 0 || y >= r.height) continue;
        const std::int64_t x0 = std::max<std::int64_t>(left + s.x0, 0), x1 = std::min<std::int64_t>(left + s.x1, r.width);
        std::uint32_t* row = r.bits + y * r.stride;
        for (std::int64_t x = x0; x < x1; ++x) row[x] = colour;
    }
}

}  // namespace

// Fonts need the GUI application; without it text measures and draws nothing.
std::shared_ptr<const FontFace> faceOf(ObjectData* font)
{
    if (!font || font->kind != Kind::Font || !guiReady()) return nullptr;
    if (!font->face) font->face = faceFor(font->font);
    return font->face;
}

}  // namespace cxc::gdi

using namespace cxc::gdi;

CSize CDC::GetTextExtent(LPCTSTR text, int length) const
{
    const auto face = state_ ? faceOf(state_->font) : nullptr;
    if (!face || length < 0 || (!text && length > 0)) return CSize();
    return extentOf(*face, text, length);
}

CSize CDC::GetTextExtent(const CString& text) const { return GetTextExtent(text.GetString(), text.GetLength()); }

BOOL GetTextExtentPoint32W(HDC dc, LPCWSTR text, int length, LPSIZE size)
{
    DcState* s = findDc(dc);
    if (!s || !size || length < 0 || (!text && length > 0)) return FALSE;
    const auto face = faceOf(s->font);
    if (!face) return FALSE;
    const CSize e = extentOf(*face, text, length);
    size->cx = e.cx;
    size->cy = e.cy;
    return TRUE;
}

BOOL CDC::TextOut(int x, int y, const CString& text) { return TextOut(x, y, text.GetString(), text.GetLength()); }

// The reference point is the cell's top-left by default (TA_TOP | TA_LEFT); escapement turns the cell
// counter-clockwise about it. OPAQUE fills the cell with the background colour before the glyphs.
BOOL CDC::TextOut(int x, int y, LPCTSTR text, int length)
{
    if (!state_ || length < 0 || (!text && length > 0)) return FALSE;
    Surface* surface = state_->target();
    const auto face = faceOf(state_->font);
    if (!surface || surface->image.isNull() || !face) return FALSE;
    const UINT align = state_->textAlign;
    const bool updateCp = (align & TA_UPDATECP) != 0;
    const double refX = updateCp ? state_->pos.x : x, refY = updateCp ? state_->pos.y : y;
    const double degrees = state_->font->font.lfEscapement / 10.0;
    const double rad = degrees * 3.141592653589793 / 180.0;
    // Unturned text (nearly all of it) takes cos 0 and sin 0 without the calls.
    const double cosA = degrees == 0.0 ? 1.0 : std::cos(rad), sinA = degrees == 0.0 ? 0.0 : std::sin(rad);

    // Glyph offsets along the baseline, and the cell's top-left relative to the reference point.
    // Kept between calls: the maps write hundreds of labels per paint, and nothing here calls back.
    thread_local std::vector<quint32> glyphs;
    thread_local std::vector<std::int64_t> offsets, runOffsets;
    glyphs.assign(static_cast<std::size_t>(length), 0);
    offsets.assign(static_cast<std::size_t>(length) + 1, 0);
    for (int i = 0; i < length; ++i) {
        const FontFace::Glyph g = face->glyph(codePoint(text[i]));
        glyphs[static_cast<std::size_t>(i)] = g.index;
        offsets[static_cast<std::size_t>(i) + 1] = offsets[static_cast<std::size_t>(i)] + g.advance;
    }
    const std::int64_t cx = offsets.back();
    const std::int64_t ox = (align & TA_CENTER) == TA_CENTER ? -cx / 2 : (align & TA_CENTER) == TA_RIGHT ? -cx : 0;
    const int oy = (align & TA_BASELINE) == TA_BASELINE ? -face->ascent : (align & TA_BASELINE) == TA_BOTTOM ? -face->cellHeight : 0;
    if (updateCp) {
        state_->pos.x = cxc::toInt(std::floor(refX + cx * cosA + 0.5));
        state_->pos.y = cxc::toInt(std::floor(refY - cx * sinA + 0.5));
    }
    // Cell-space (u right along the baseline, v down) to device space.
    auto device = [&](double u, double v) { return QPointF(refX + u * cosA + v * sinA, refY - u * sinA + v * cosA); };

    // Only glyphs whose box comes near the surface are drawn, and the painter is anchored at the
    // first of them, so far-off text never hands Qt coordinates it cannot hold.
    const QImage& image = surface->image;
    const double margin = 2.0 * face->cellHeight + 2.0;
    auto nearSurface = [&](std::int64_t u0, std::int64_t u1) {
        double minX = 1e300, maxX = -1e300, minY = 1e300, maxY = -1e300;
        for (const QPointF& p : {device(static_cast<double>(ox + u0), oy), device(static_cast<double>(ox + u1), oy),
                                 device(static_cast<double>(ox + u0), oy + face->cellHeight),
                                 device(static_cast<double>(ox + u1), oy + face->cellHeight)}) {
            minX = std::min(minX, p.x());
            maxX = std::max(maxX, p.x());
            minY = std::min(minY, p.y());
            maxY = std::max(maxY, p.y());
        }
        return maxX >= -margin && minX <= image.width() + margin && maxY >= -margin && minY <= image.height() + margin;
    };
    int first = -1, last = -1;
    for (int i = 0; i < length; ++i) {
        if (!nearSurface(offsets[static_cast<std::size_t>(i)], offsets[static_cast<std::size_t>(i) + 1])) continue;
        if (first < 0) first = i;
        last = i;
    }
    const bool opaque = state_->bkMode == OPAQUE;
    if (first < 0) return TRUE;

    if (degrees == 0.0) {
        if (opaque) {
            const std::int64_t left = static_cast<std::int64_t>(refX) + ox, top = static_cast<std::int64_t>(refY) + oy;
            if (rec::active()) rec::fill(surface, left, top, left + cx, top + face->cellHeight, toPixel(state_->bkColor));
            raster::fillRect(rasterOf(*state_), left, top, left + cx, top + face->cellHeight, toPixel(state_->bkColor));
        }
    }
    const std::int64_t base = offsets[static_cast<std::size_t>(first)];
    const GlyphMask* mask = nullptr;
    runOffsets.clear();
    if (degrees == 0.0) {
        for (int i = first; i <= last; ++i) runOffsets.push_back(offsets[static_cast<std::size_t>(i)] - base);
        mask = maskOf(face, glyphs.data() + first, runOffsets.data(), runOffsets.size(),
                      offsets[static_cast<std::size_t>(last) + 1] - base);
    }
    if (mask && !rec::active()) {
        const QPointF origin = device(static_cast<double>(ox + base), oy);
        fillMask(rasterOf(*state_), *mask, cxc::toInt64(origin.x()), cxc::toInt64(origin.y()), toPixel(state_->textColor));
        return TRUE;
    }
    rec::Text run;
    run.face = face;
    for (int i = first; i <= last; ++i) {
        run.string.append(QString::fromUcs4(std::array<char32_t, 1>{codePoint(text[i])}.data(), 1));
        run.glyphs.push_back(glyphs[static_cast<std::size_t>(i)]);
        run.offsets.push_back(static_cast<double>(offsets[static_cast<std::size_t>(i)] - base));
    }
    const QPointF origin = device(static_cast<double>(ox + base), oy);
    run.originX = origin.x();
    run.originY = origin.y();
    run.degrees = degrees;
    run.opaqueBox = degrees != 0.0 && opaque;
    run.boxWidth = static_cast<double>(offsets[static_cast<std::size_t>(last) + 1] - base);
    run.textColour = toPixel(state_->textColor);
    run.bkColour = toPixel(state_->bkColor);
    if (rec::active()) rec::add(surface, run);
    if (mask) {
        fillMask(rasterOf(*state_), *mask, cxc::toInt64(run.originX), cxc::toInt64(run.originY), run.textColour);
        return TRUE;
    }
    QPainter painter(&surface->image);
    rec::replayText(painter, run);
    return TRUE;
}

namespace cxc::gdi::rec {

// The painter steps of TextOut: no antialiasing, the cell turned about its top-left, glyphs at whole
// advances on the baseline.
void replayText(QPainter& painter, const Text& t)
{
    QList<quint32> glyphs;
    QList<QPointF> positions;
    for (std::size_t i = 0; i < t.glyphs.size(); ++i) {
        glyphs.append(t.glyphs[i]);
        positions.append(QPointF(t.offsets[i], t.face->ascent));
    }
    QGlyphRun run;
    run.setRawFont(t.face->raw);
    run.setGlyphIndexes(glyphs);
    run.setPositions(positions);
    run.setUnderline(t.face->font.underline());
    run.setStrikeOut(t.face->font.strikeOut());
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setRenderHint(QPainter::TextAntialiasing, false);
    painter.translate(t.originX, t.originY);
    painter.rotate(-t.degrees);
    if (t.opaqueBox) painter.fillRect(QRectF(0.0, 0.0, t.boxWidth, t.face->cellHeight), QColor::fromRgb(t.bkColour));
    painter.setPen(QColor::fromRgb(t.textColour));
    painter.drawGlyphRun(QPointF(0.0, 0.0), run);
}

// As text: a reader can select and search it. The run keeps its start and its font; the advances
// are the font's own.
void vectorText(QPainter& painter, const Text& t)
{
    if (t.originX < -1e7 || t.originX > 1e7 || t.originY < -1e7 || t.originY > 1e7) return;
    painter.save();
    painter.translate(t.originX, t.originY);
    painter.rotate(-t.degrees);
    if (t.opaqueBox) painter.fillRect(QRectF(0.0, 0.0, t.boxWidth, t.face->cellHeight), QColor::fromRgb(t.bkColour));
    painter.setFont(t.face->font);
    painter.setPen(QColor::fromRgb(t.textColour));
    painter.drawText(QPointF(0.0, t.face->ascent), t.string);
    painter.restore();
}

}  // namespace cxc::gdi::rec
