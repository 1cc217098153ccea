#include "stdafx.h"

#include "megshowccdata2dfaceqz.h"

CMEGShowCCData2DFaceqz::CMEGShowCCData2DFaceqz() = default;

CMEGShowCCData2DFaceqz::~CMEGShowCCData2DFaceqz() = default;
