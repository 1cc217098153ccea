#include "stdafx.h"

#include "megshowccdata2dface.h"

CMEGShowCCData2DFace::CMEGShowCCData2DFace() = default;

CMEGShowCCData2DFace::~CMEGShowCCData2DFace() = default;
