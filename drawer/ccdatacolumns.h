// Geometry of the coupling waveform drawer's column layout, shared by the column drawing and the
// label pick: columns of pitch nameWidth + colDataWidth + colGap from the rectangle's left edge, each
// a name area, a data area (less the value area when values are shown) and a gap; element k in
// column k div rowsPerColumn, row k mod rowsPerColumn, row r's base line at topMargin + (r + 1) *
// rowHeight. All in saturating 64-bit arithmetic; rowsPerColumn below 1 counts as 1. Internal.
#pragma once

#include "afxwin.h"
#include "megdraw.h"

namespace cxc::drawer {

struct ColumnLayout {
    __int64 left = 0;           // x where column 0 begins
    __int64 nameWidth = 0;
    __int64 dataWidth = 0;      // colDataWidth
    __int64 valueWidth = 0;     // valueWidth when values are shown, else 0
    __int64 pitch = 0;
    __int64 rowsPerColumn = 1;
    __int64 topMargin = 0;
    __int64 rowHeight = 0;

    ColumnLayout(const CMEGDraw& d, const CRect& rect)
        : left(rect.left),
          nameWidth(d.nameWidth),
          dataWidth(d.colDataWidth),
          valueWidth(d.showValue ? d.valueWidth : 0),
          pitch(cxc::satAdd(cxc::satAdd(d.nameWidth, d.colDataWidth), d.colGap)),
          rowsPerColumn(d.rowsPerColumn < 1 ? 1 : d.rowsPerColumn),
          topMargin(d.topMargin),
          rowHeight(d.rowHeight)
    {
    }

    __int64 columnOf(__int64 k) const { return k / rowsPerColumn; }
    __int64 rowOf(__int64 k) const { return k % rowsPerColumn; }
    __int64 colLeft(__int64 j) const { return cxc::satAdd(left, cxc::satMul(j, pitch)); }
    __int64 dataLeft(__int64 j) const { return cxc::satAdd(colLeft(j), nameWidth); }
    // Where traces and base lines end: the data area less the value area.
    __int64 dataRight(__int64 j) const { return cxc::satSub(cxc::satAdd(dataLeft(j), dataWidth), valueWidth); }
    __int64 baseY(__int64 r) const { return cxc::satAdd(topMargin, cxc::satMul(r + 1, rowHeight)); }
};

}  // namespace cxc::drawer
