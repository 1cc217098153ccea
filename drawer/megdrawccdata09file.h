// Coupling waveform drawer, file layer: adds nothing to the picking layer; kept so that the chain
// keeps its place for file operations.
#pragma once

#include "megdrawccdata08operation.h"

class AFX_EXT_CLASS CMEGDrawCCData09File : public CMEGDrawCCData08Operation {
public:
    CMEGDrawCCData09File();
    ~CMEGDrawCCData09File() override;
};
