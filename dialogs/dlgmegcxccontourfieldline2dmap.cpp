#include "stdafx.h"

#include "dlgmegcxccontourfieldline2dmap.h"

IMPLEMENT_DYNAMIC(CDlgMegCxcContourFieldLine2DMap, CDlgCxcContourMapCore)

CDlgMegCxcContourFieldLine2DMap::CDlgMegCxcContourFieldLine2DMap() : ContourDialogWith(IDD_MEG_CONTOUR_2DMAP) {}

CDlgMegCxcContourFieldLine2DMap::~CDlgMegCxcContourFieldLine2DMap() = default;
