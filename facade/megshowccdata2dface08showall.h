// Facade, viewer layer: the row/column viewers and the matrix viewers of each coupling class, each
// made on its first show and kept until the facade dies. Builds on the EEG layer.
#pragma once

#include "megshowccdata2dface06eeg.h"

class AFX_EXT_CLASS CMEGShowCCData2DFace08ShowAll : public CMEGShowCCData2DFace06EEG {
public:
    // Owned; null until first shown. Act: Active, Ctl: Control, Rst: Active-Control result.
    CDialog* rowColAct = nullptr;
    CDialog* rowColCtl = nullptr;
    CDialog* rowColRst = nullptr;
    CDialog* matrixAct = nullptr;
    CDialog* matrixCtl = nullptr;
    CDialog* matrixRst = nullptr;

    CMEGShowCCData2DFace08ShowAll();
    // Deletes the row/column viewers (Active, Control, Act-Ctl), then the matrix viewers. As the
    // first layer to be destroyed, its dialogs go before every map dialog.
    ~CMEGShowCCData2DFace08ShowAll() override;

    // Open the row/column viewer or the matrix viewer of one class (made on the first call, shown and
    // refreshed on every call, brought to the front) on the data set, with parent as the host's
    // window. 1 when shown; 0, with the slot left empty for the next call to try again, when the
    // dialog could not be made.
    int showDlgCxcRowColumnAct(CArrayMEDataSetqz* data, CWnd* parent);
    int showDlgCxcRowColumnCtl(CArrayMEDataSetqz* data, CWnd* parent);
    int showDlgCxcRowColumnRst(CArrayMEDataSetqz* data, CWnd* parent);
    int showDlgCxcMatrixAct(CArrayMEDataSetqz* data, CWnd* parent);
    int showDlgCxcMatrixCtl(CArrayMEDataSetqz* data, CWnd* parent);
    int showDlgCxcMatrixRst(CArrayMEDataSetqz* data, CWnd* parent);
};
