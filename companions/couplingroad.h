// The one road from a data set to its coupling values: data set -> current session -> current
// trial -> coupling package -> class data -> pair array -> current row. Every layer takes it again
// on each use and keeps nothing along it: the host may free its data set between two calls.
#pragma once

#include "afxwin.h"
#include "medataset.h"
#include "megdata.h"
#include "mdtrial.h"
#include "snscohdata.h"
#include "snscohface.h"

namespace cxc {

// The current session's current trial; null where the chain breaks.
CMDTrialqz* currentTrial(CArrayMEDataSetqz* dataSet);
// The class data of class cls (-1: the class the package holds) of the trial's coupling package;
// null where the chain breaks.
CSnsCohDataqz* classDataOf(CMDTrialqz* trial, int cls);

struct CouplingRoad {
    CSnsCohFaceqz* package = nullptr;
    CSnsCohDataqz* data = nullptr;
    CWavChnlChnlDataqz** pairs = nullptr;

    // The elements of the current row; null when the current row lies outside the pair array.
    CWavChnlChnlDataqz* currentRow() const;
    // Elements of a row: the smaller of row and column count (a row holds column-count elements, so
    // a walk over row-count elements would pass its end). From the class data alone; 0 without it.
    __int64 rowLength() const;
    // What a walk over the pair array may visit of that: never past the rows and columns the array
    // really holds (the counts are public members). 0 without a pair array.
    __int64 walkLength() const;
};

// Fills the road as far as it goes; false when the trial, its package, the class data or its pair
// array is missing.
bool takeRoad(CMDTrialqz* trial, int cls, CouplingRoad& road);

// Fixed texts a view writes at (2, 2) instead of its picture.
struct MissingDataTexts {
    const wchar_t* noDrawer;
    const wchar_t* computeFirst;
    const wchar_t* noPairArray;
};

// The paint of a view over the coupling data of a trial: without a drawer, without class data of
// the class the package holds, or without its pair array, one fixed text; otherwise the view joins
// the package's viewers (when it asks to) and draw(rect) paints the client rectangle into the
// view's off-screen surface, which goes to the window in one block when draw returns nonzero and
// the surface exists.
template <class Draw>
void paintCoupling(CDC& dc, CWnd& view, CDC* const& memDC, bool hasDrawer, CMDTrialqz* trial, bool joinPackage,
                   const MissingDataTexts& texts, Draw&& draw)
{
    CSnsCohDataqz* current = hasDrawer ? classDataOf(trial, -1) : nullptr;
    const wchar_t* missing = !hasDrawer ? texts.noDrawer
                             : !current ? texts.computeFirst
                             : !current->getMCC4class() ? texts.noPairArray
                                                        : nullptr;
    if (missing) {
        dc.TextOut(2, 2, CString(missing));
        return;
    }
    if (joinPackage) trial->getCoherenceFaceqzTime(false)->viewerAdd(&view);
    CRect rect;
    view.GetClientRect(&rect);
    if (draw(rect) && memDC) dc.BitBlt(0, 0, rect.Width(), rect.Height(), memDC, 0, 0, SRCCOPY);
}

}  // namespace cxc
