// Coupling waveform drawer, column layer: the coupling series of the current row stacked one under
// the other, each on its own base line, wrapped into displayColumn columns of a name area, a data
// area and, at the data area's right end, the pair's coupling value over the selection. Builds on
// the overlay layer; the top level calls these operations in a fixed order.
//
// The drawing operations return 1 when they drew, 0 for a null DC, a clear switch or missing data;
// each restores the DC's pen, font and colours.
#pragma once

#include "megdrawccdata06overlay.h"

class AFX_EXT_CLASS CMEGDrawCCData07MColumns : public CMEGDrawCCData06Overlay {
public:
    CMEGDrawCCData07MColumns();
    ~CMEGDrawCCData07MColumns() override;

    // Fits the layout to rect: displayColumn raised to 1, rowsPerColumn = row length over the columns
    // (rounded up), rowHeight = free height div (rowsPerColumn + 1), colDataWidth = column width less
    // names and gap. 0 without coupling data (the geometry stays as it was).
    int _calculateColumnBlockH(CRect rect);

protected:
    // Base lines of the rows (showBaseLine) with baseLinePen.
    int _drawColumnChannelBaseLine(CDC* pDC, CRect rect);
    // Partner names (showLabel) at each row's base line, the highlighted one in red. An empty name
    // takes no row.
    int _drawColumnChannelName(CDC* pDC, CRect rect);
    // Coupling values over the selection (showValue): "%0.0ffT" below 1000, else "%0.2fpT".
    int _drawColumnDataValues(CDC* pDC, CRect rect);
    // Traces from each row's base line, not clamped to the row: a line to every sample, or (X) one
    // min-to-max stroke per step of samples. The highlighted partner with highlightPen.
    int drawColumnTime(CDC* pDC, CRect rect);
    int drawColumnTimeX(CDC* pDC, CRect rect);
};
