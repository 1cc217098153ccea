// The facade's base: the object the host keeps for as long as it wants the module's windows is itself
// the coupling waveform drawer, so every window opened through one facade draws with one drawer.
// Adds nothing to the drawer; the layers above own the windows' dialogs.
#pragma once

#include "megdrawccdataqz.h"

class AFX_EXT_CLASS CMEGShowCCData2DFace : public CMEGDrawCCDataqz {
public:
    CMEGShowCCData2DFace();
    ~CMEGShowCCData2DFace() override;
};
