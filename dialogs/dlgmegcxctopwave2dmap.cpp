#include "stdafx.h"

#include "dlgmegcxctopwave2dmap.h"

IMPLEMENT_DYNAMIC(CDlgMegCxcTopWave2DMap, CDlgCxcWaveMapCore)

CDlgMegCxcTopWave2DMap::CDlgMegCxcTopWave2DMap() : MapDialogWith(IDD_MEG_TOPWAVE_2DMAP) {}

CDlgMegCxcTopWave2DMap::~CDlgMegCxcTopWave2DMap() = default;
