#include "stdafx.h"

#include "statcxcmatrix2dview.h"

#include <algorithm>
#include <cmath>
#include <cwchar>

#include "viewsurface.h"

IMPLEMENT_DYNAMIC(CStatCxcMatrix2DView, CStatic)

namespace {

// Where a cell's corner lands, in double so that no size or count can overflow; only a corner that
// lies in the rectangle is converted.
bool cornerIn(double x, double y, const CRect& rect)
{
    return x >= rect.left && x <= rect.right && y >= rect.top && y <= rect.bottom;
}

// What drawCells and drawLabels both need: the class data with a pair array, rows and columns, and
// a selection whose begin s lies inside the series.
CWavChnlChnlDataqz** drawablePairs(CSnsCohDataqz* data, __int64& s)
{
    CWavChnlChnlDataqz** pairs = data ? data->getMCC4class() : nullptr;
    // The walkable counts: no more rows and elements than the array really holds.
    if (!pairs || data->rowsWalkable() < 1 || data->colsWalkable() < 1) return nullptr;
    __int64 e = 0;
    data->getSelect(s, e);
    return data->checkSelect(s, s) ? pairs : nullptr;
}


}  // namespace

CStatCxcMatrix2DView::CStatCxcMatrix2DView()
{
    labelLogFont.lfHeight = 16;
    std::wcsncpy(labelLogFont.lfFaceName, L"Arial", LF_FACESIZE - 1);
    labelFont = new CFont;
    labelFont->CreateFontIndirect(&labelLogFont);
    verticalFont = new CFont;
    verticalFont->CreateFont(18, 0, 900, 900, 0, FALSE, FALSE, FALSE, 0, 0, 0, 0, 0, L"Arial");
}

CStatCxcMatrix2DView::~CStatCxcMatrix2DView()
{
    releaseSurface();
    delete labelFont;
    delete verticalFont;
}

void CStatCxcMatrix2DView::releaseSurface() { cxc::gdi::releaseSurface(memBitmap, memDC); }

CSnsCohDataqz* CStatCxcMatrix2DView::getCxcData(int cls)
{
    session = dataSet ? dataSet->getSessionData(-1) : nullptr;
    trial = session ? session->getTrialqz(-1) : nullptr;
    return cxc::classDataOf(trial, cls);
}

int CStatCxcMatrix2DView::drawMatrix(CDC* paintDC, CRect rect)
{
    if (!cxc::gdi::makeSurface(memBitmap, memDC, paintDC, rect)) return 0;
    memDC->FillSolidRect(&rect, backColour);
    if (showCells) drawCells(memDC, originX, originY, rect, cxcClass);
    if (showLabels) drawLabels(memDC, originX, originY, rect, cxcClass);
    return 1;
}

int CStatCxcMatrix2DView::drawCells(CDC* dc, int x0, int y0, CRect rect, int cls)
{
    if (!dc) return 0;
    CSnsCohDataqz* data = getCxcData(cls);
    __int64 s = 0;
    CWavChnlChnlDataqz** pairs = drawablePairs(data, s);
    if (!pairs) return 0;

    const bool coherence = data->measureKind == 0 || data->measureKind == 1;
    const int top = coherence ? 511 : 767;
    const double step = (data->rangeMax - data->rangeMin) / (coherence ? 512.0 : 768.0);
    const COLORREF* pos = coherence ? megColors.colPos512 : adrColors.ramp768Pos;
    const COLORREF* neg = coherence ? megColors.colNeg512 : adrColors.ramp768Neg;

    const int w = std::max(cxc::toInt(cellWidth), 1);
    const int h = std::max(cxc::toInt(cellHeight), 1);
    const __int64 rows = data->rowsWalkable(), cols = data->colsWalkable();
    // Most cells in view: their means all at once from the sample-major copy while playing.
    __int64 shownRows = 0, shownCols = 0;
    for (__int64 i = 0; i < rows; ++i) shownRows += cornerIn(std::floor(static_cast<double>(i) * cellWidth + x0), rect.top, rect);
    for (__int64 j = 0; j < cols; ++j) shownCols += cornerIn(rect.left, std::floor(static_cast<double>(j) * cellHeight + y0), rect);
    if (2 * shownRows * shownCols >= rows * cols) data->cacheSelectionMeans(s, s, data->meanMode, false);
    cxc::gdi::DcStateGuard keep(*dc);  // the fills leave their colour as the background colour
    for (__int64 i = 0; i < rows; ++i) {
        const double x = std::floor(static_cast<double>(i) * cellWidth + x0);
        CWavChnlChnlDataqz* row = pairs[i];
        if (!row) continue;
        for (__int64 j = 0; j < cols; ++j) {
            const double y = std::floor(static_cast<double>(j) * cellHeight + y0);
            if (!cornerIn(x, y, rect)) continue;
            const double v = row[j].getSelectDataMean(s, s, data->meanMode);
            const COLORREF colour = (v > 0 ? pos : neg)[cxc::rampIndex(v, step, top)];
            dc->FillSolidRect(cxc::toInt(x), cxc::toInt(y), w, h, colour);
        }
    }
    return 1;
}

int CStatCxcMatrix2DView::drawLabels(CDC* dc, int x0, int y0, CRect rect, int cls)
{
    if (!dc) return 0;
    CSnsCohDataqz* data = getCxcData(cls);
    __int64 s = 0;
    CWavChnlChnlDataqz** pairs = drawablePairs(data, s);
    if (!pairs) return 0;

    cxc::gdi::DcStateGuard keep(*dc);
    dc->SetBkMode(TRANSPARENT);
    dc->SelectObject(labelFont);
    dc->SetTextColor(textColour);
    if (!trial->getAllChannelPt() || trial->getTotalChannel() < 1) return 0;

    const __int64 rows = data->rowsWalkable(), cols = data->colsWalkable();
    // Left: the column channel of pair (0, j) beside pair column j.
    if (CWavChnlChnlDataqz* first = pairs[0]) {
        for (__int64 j = 0; j < cols; ++j) {
            const double y = std::floor(static_cast<double>(j) * cellHeight + y0);
            if (!cornerIn(x0, y, rect)) continue;
            const CString name = trial->getChannelName(first[j].colChnl);
            SIZE size{};
            GetTextExtentPoint32(dc->GetSafeHdc(), name, name.GetLength(), &size);
            dc->TextOut(cxc::narrow<int>(static_cast<__int64>(x0) - size.cx - 10), cxc::toInt(y), name);
        }
    }
    // Top: the row channel of pair (i, 0) above pair row i, running upwards from the cell's x.
    dc->SelectObject(verticalFont);
    for (__int64 i = 0; i < rows; ++i) {
        const double x = std::floor(static_cast<double>(i) * cellWidth + x0);
        if (!cornerIn(x, y0, rect) || !pairs[i]) continue;
        const CString name = trial->getChannelName(pairs[i][0].rowChnl);
        SIZE size{};
        GetTextExtentPoint32(dc->GetSafeHdc(), name, name.GetLength(), &size);
        dc->TextOut(cxc::toInt(x), cxc::narrow<int>(static_cast<__int64>(y0) - size.cy + 10), name);
    }
    return 1;
}
