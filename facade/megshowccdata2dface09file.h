// Facade, file layer: adds nothing to the viewer layer; kept so that the chain keeps its place for
// file operations.
#pragma once

#include "megshowccdata2dface08showall.h"

class AFX_EXT_CLASS CMEGShowCCData2DFace09File : public CMEGShowCCData2DFace08ShowAll {
public:
    CMEGShowCCData2DFace09File();
    ~CMEGShowCCData2DFace09File() override;
};
