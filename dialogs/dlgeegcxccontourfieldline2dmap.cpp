#include "stdafx.h"

#include "dlgeegcxccontourfieldline2dmap.h"

IMPLEMENT_DYNAMIC(CDlgEegCxcContourFieldLine2DMap, CDlgCxcContourMapCore)

CDlgEegCxcContourFieldLine2DMap::CDlgEegCxcContourFieldLine2DMap() : ContourDialogWith(IDD_EEG_CONTOUR_2DMAP) {}

CDlgEegCxcContourFieldLine2DMap::~CDlgEegCxcContourFieldLine2DMap() = default;
