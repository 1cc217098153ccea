#include "stdafx.h"

#include "megshowccdata2dface08showall.h"

#include "cxcclass.h"
#include "dlgcxcmatrix2dviewer.h"
#include "dlgcxcrowcolumn2dviewer.h"
#include "facadeslots.h"
#include "megshowccdata2dfaceqz.h"

#include <new>

namespace {

// The dialog of a slot, made and created on first use. A dialog that cannot be allocated, or whose
// window cannot be created, leaves the slot empty (as the map show functions do), so the next call
// tries again; nobody is told.
template <class Dialog>
Dialog* dialogOf(CDialog*& slot)
{
    if (!slot) {
        auto* dlg = new (std::nothrow) Dialog;
        if (!dlg) return nullptr;
        if (!dlg->Create(Dialog::IDD, nullptr)) {
            delete dlg;
            return nullptr;
        }
        slot = dlg;
    }
    return dynamic_cast<Dialog*>(slot);
}

int showRowColumn(CMEGShowCCData2DFace08ShowAll& face, CDialog*& slot, int cls, CArrayMEDataSetqz* data,
                  CWnd* parent)
{
    auto* dlg = dialogOf<CDlgCxcRowColumn2DViewer>(slot);
    if (!dlg) return 0;
    face.setDrawMEGData(data);
    dlg->view.cxcClass = cls;
    dlg->view.drawer = &face;
    dlg->view.parentWnd = parent;
    dlg->facade = dynamic_cast<CMEGShowCCData2DFaceqz*>(&face);
    dlg->drawer = &face;
    dlg->parentWnd = parent;
    dlg->dataSet = data;
    dlg->ShowWindow(SW_SHOW);
    dlg->loadFromDrawer();
    dlg->SetForegroundWindow();
    return 1;
}

int showMatrix(CMEGShowCCData2DFace08ShowAll& face, CDialog*& slot, int cls, CArrayMEDataSetqz* data, CWnd* parent)
{
    auto* dlg = dialogOf<CDlgCxcMatrix2DViewer>(slot);
    if (!dlg) return 0;
    dlg->view.parentWnd = parent;
    dlg->view.cxcClass = cls;
    dlg->view.dataSet = data;
    dlg->drawer = dynamic_cast<CMEGShowCCData2DFaceqz*>(&face);
    dlg->ShowWindow(SW_SHOW);
    dlg->refreshViewer();
    // Shown on another data set (the last one may be freed), the view must not keep any of its
    // picture around a missing-data text.
    dlg->view.Invalidate(TRUE);
    dlg->SetForegroundWindow();
    return 1;
}

}  // namespace

CMEGShowCCData2DFace08ShowAll::CMEGShowCCData2DFace08ShowAll() = default;

CMEGShowCCData2DFace08ShowAll::~CMEGShowCCData2DFace08ShowAll()
{
    cxc::facade::deleteInOrder({&rowColAct, &rowColCtl, &rowColRst, &matrixAct, &matrixCtl, &matrixRst});
}

int CMEGShowCCData2DFace08ShowAll::showDlgCxcRowColumnAct(CArrayMEDataSetqz* data, CWnd* parent)
{
    return showRowColumn(*this, rowColAct, CxcClassActive, data, parent);
}

int CMEGShowCCData2DFace08ShowAll::showDlgCxcRowColumnCtl(CArrayMEDataSetqz* data, CWnd* parent)
{
    return showRowColumn(*this, rowColCtl, CxcClassControl, data, parent);
}

int CMEGShowCCData2DFace08ShowAll::showDlgCxcRowColumnRst(CArrayMEDataSetqz* data, CWnd* parent)
{
    return showRowColumn(*this, rowColRst, CxcClassActCtl, data, parent);
}

int CMEGShowCCData2DFace08ShowAll::showDlgCxcMatrixAct(CArrayMEDataSetqz* data, CWnd* parent)
{
    return showMatrix(*this, matrixAct, CxcClassActive, data, parent);
}

int CMEGShowCCData2DFace08ShowAll::showDlgCxcMatrixCtl(CArrayMEDataSetqz* data, CWnd* parent)
{
    return showMatrix(*this, matrixCtl, CxcClassControl, data, parent);
}

int CMEGShowCCData2DFace08ShowAll::showDlgCxcMatrixRst(CArrayMEDataSetqz* data, CWnd* parent)
{
    return showMatrix(*this, matrixRst, CxcClassActCtl, data, parent);
}
