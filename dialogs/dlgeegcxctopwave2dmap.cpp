#include "stdafx.h"

#include "dlgeegcxctopwave2dmap.h"

IMPLEMENT_DYNAMIC(CDlgEegCxcTopWave2DMap, CDlgCxcWaveMapCore)

CDlgEegCxcTopWave2DMap::CDlgEegCxcTopWave2DMap() : MapDialogWith(IDD_EEG_TOPWAVE_2DMAP) {}

CDlgEegCxcTopWave2DMap::~CDlgEegCxcTopWave2DMap() = default;
