#include "stdafx.h"

#include "fieldcore.h"

#include <cmath>
#include <cstring>
#include <new>

#include "gridcore.h"
#include "sensorcore.h"

namespace cxc::maps {

namespace {

// Cells of a grid side: trunc(span) plus a border on each side; false when the span is not finite
// or the side would not fit an int.
bool gridSide(double span, int border, int& n)
{
    if (!(std::fabs(span) < 2147483648.0)) return false;  // also NaN and infinity
    const long long side = static_cast<long long>(toInt(span)) + 2LL * border;
    if (side < INT_MIN || side > INT_MAX) return false;
    n = static_cast<int>(side);
    return true;
}

// Header of an nx x ny bottom-up 32-bit image, in a block with room for 256 palette entries.
BITMAPINFO* makeHeader(int nx, int ny)
{
    const size_t bytes = sizeof(BITMAPINFOHEADER) + 256 * sizeof(RGBQUAD);
    BYTE* block = new (std::nothrow) BYTE[bytes];
    if (!block) return nullptr;
    std::memset(block, 0, bytes);
    auto* info = reinterpret_cast<BITMAPINFO*>(block);
    info->bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info->bmiHeader.biWidth = nx;
    info->bmiHeader.biHeight = ny;  // positive: rows bottom-up, as the grid's y grows upwards
    info->bmiHeader.biPlanes = 1;
    info->bmiHeader.biBitCount = 32;
    info->bmiHeader.biCompression = BI_RGB;
    return info;
}

}  // namespace

FieldScale fieldScale(const CMegIndex2Colorqz& colors, int colorScale, double fieldMaximum, double threshold)
{
    FieldScale s;
    if (colorScale == 0 || colorScale == 1) {
        s.pos = colors.rgbqPos512;
        s.neg = colors.rgbqNeg512;
        s.top = 511;
        s.step = (fieldMaximum - threshold) * 0.001953125;
    } else {
        s.pos = colors.rgbqPos768;
        s.neg = colors.rgbqNeg768;
        s.top = 767;
        s.step = (fieldMaximum - threshold) / 768.0;
    }
    return s;
}

int rebuildFieldGrid(SensorMapFields& v, bool squareGrid)
{
    if (!v.trial) return 0;
    if (!collectSnsrLoc2D(v, v.chnlType)) return 0;
    const CDataGridRect& g = v.grid;
    // No kept channel leaves an inverted box of +-DBL_MAX: there is nothing to lay a grid over.
    if (g.snsrCount < 1) return 0;
    int nx = 0, ny = 0;
    if (!gridSide(g.xMax - g.xMin, v.gridBorder, nx)) return 0;
    if (squareGrid) ny = nx;
    else if (!gridSide(g.yMax - g.yMin, v.gridBorder, ny)) return 0;
    if (!setupGridPoints(v, nx, ny, v.gridBorder)) return 0;
    if (!buildGridWeights(v, v.radiusMeanMode != 0)) return 0;
    if (!calcGridData(v)) return 0;
    if (v.autofit && v.contourLevels < 2) v.contourLevels = 2;
    return 1;
}

void releaseFieldImage(SensorMapFields& v)
{
    delete[] reinterpret_cast<BYTE*>(v.fieldBmpInfo);
    v.fieldBmpInfo = nullptr;
    delete[] v.fieldPixels;
    v.fieldPixels = nullptr;
}

int drawFieldMap(SensorMapFields& v, bool squareGrid, CDC* dc, int x0, int y0, int, int, int mirror)
{
    if (!dc) return 0;
    const CDataGridRect& g = v.grid;
    if (!g.values && !rebuildFieldGrid(v, squareGrid)) return 0;
    if (!g.values || g.nx < 1 || g.ny < 1) return 0;
    const int nx = g.nx, ny = g.ny;
    const FieldScale scale = fieldScale(v.megColors, v.colorScale, g.fieldMaximum, v.contourThreshold);

    // The header and pixels are kept while the grid keeps its size.
    if (!v.fieldBmpInfo || !v.fieldPixels || v.fieldBmpInfo->bmiHeader.biWidth != nx ||
        v.fieldBmpInfo->bmiHeader.biHeight != ny) {
        if (v.fieldBmpInfo || v.fieldPixels) v.hqDraw.cleanData();
        releaseFieldImage(v);
        v.fieldBmpInfo = makeHeader(nx, ny);
        v.fieldPixels = new (std::nothrow) RGBQUAD[static_cast<size_t>(nx) * static_cast<size_t>(ny)];
        if (!v.fieldBmpInfo || !v.fieldPixels) {
            releaseFieldImage(v);
            return 0;
        }
    }

    // Image row r is grid row r counted from the bottom; mirrored, grid column i lands in nx - 1 - i.
    RGBQUAD* pixels = v.fieldPixels;
    for (int r = 0; r < ny; ++r) {
        RGBQUAD* line = pixels + static_cast<size_t>(r) * static_cast<size_t>(nx);
        for (int i = 0; i < nx; ++i) {
            const double value = g.values[i][r];
            const RGBQUAD* table = value > 0.0 ? scale.pos : scale.neg;
            line[mirror ? nx - 1 - i : i] = table[rampIndex(value, scale.step, scale.top)];
        }
    }

    const int dw = toCoord(nx * v.scaleX), dh = toCoord(ny * v.scaleY);
    cxc::gdi::DcStateGuard keep(*dc);  // the stretch mode comes back
    dc->SetStretchBltMode(COLORONCOLOR);
    v.hqDraw.cleanData();
    if (v.hqDraw.drawHighQualityImage(dc->GetSafeHdc(), pixels, nx, ny, dw, dh, toCoord(x0 - v.scaleX),
                                      toCoord(y0 - v.scaleY), 1, 12))
        return 1;
    StretchDIBits(dc->GetSafeHdc(), x0, y0, dw, dh, 0, 0, nx, ny, pixels, v.fieldBmpInfo, DIB_RGB_COLORS, SRCCOPY);
    return 1;
}

int drawFieldFrame(SensorMapFields& v, CDC* dc, int x0, int y0, int w, int h, int mirror)
{
    const CDataGridRect& g = v.grid;
    // Without grid points (no grid could be laid) there is no area to frame.
    if (!dc || !g.points || g.nx < 1 || g.ny < 1) return 0;
    const GridPoint p = g.points[0][0];
    const GridPoint q = g.points[g.nx - 1][g.ny - 1];
    const double left = std::floor(v.scaleX * p.x + x0);
    const double right = std::floor(v.scaleX * q.x + x0);
    const double bottom = std::floor(h - (v.scaleY * p.y + y0));
    const double top = std::floor(h - (v.scaleY * q.y + y0));
    if (std::isnan(left) || std::isnan(right) || std::isnan(bottom) || std::isnan(top)) return 0;
    const int l = toCoord(left), r = toCoord(right);
    const int a = mirror ? toCoord(static_cast<double>(w) - r) : l;
    const int b = mirror ? toCoord(static_cast<double>(w) - l) : r;
    if (!v.clips.initDcMemor(w, h, dc, v.backColor, v.sensorColor)) return 0;
    v.clips.transparentClip(a, toCoord(top), b, toCoord(bottom), dc);
    return 1;
}

}  // namespace cxc::maps
