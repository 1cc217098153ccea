// The facade the host instantiates and keeps: the coupling waveform drawer shared by every window it
// opens, and the owner of those windows' dialogs (24 slots, one per window kind and coupling class),
// which it deletes when it is destroyed: viewers first, then the EEG and then the MEG map dialogs.
#pragma once

#include "megshowccdata2dface09file.h"

class AFX_EXT_CLASS CMEGShowCCData2DFaceqz : public CMEGShowCCData2DFace09File {
public:
    CMEGShowCCData2DFaceqz();
    ~CMEGShowCCData2DFaceqz() override;
};
