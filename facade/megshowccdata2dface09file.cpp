#include "stdafx.h"

#include "megshowccdata2dface09file.h"

CMEGShowCCData2DFace09File::CMEGShowCCData2DFace09File() = default;

CMEGShowCCData2DFace09File::~CMEGShowCCData2DFace09File() = default;
