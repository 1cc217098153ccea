// How every map show function makes, feeds and shows its dialog (link, patch and contour maps, MEG
// and EEG): the dialog is made on the slot's first use and kept; each call binds the facade to the
// data set, hands data set, drawer, parent and class to the dialog and its view, shows the dialog,
// refreshes it and brings it to the front. Internal to the facade's map layers.
//
// A dialog whose window cannot be made is deleted at once and the slot stays empty, so the next
// call tries again; only the Active variants tell the user ("Error creating Dialog!").
#pragma once

#include <new>

#include "dialogtexts.h"
#include "megshowccdata2dface.h"
#include "modulebase.h"

namespace cxc::facade {

struct MapShow {
    UINT templateId;
    int cxcClass;
    int mapMode;
    bool messageOnFailure;  // the Active variants only
};

// Dialog D has a mapView, the data set, drawer, face and parent fields, and refreshDialog.
// `prepare(D&)` runs after the data are handed over and before the dialog is shown (the contour
// maps build their grid there). 1 when shown, 0 when the dialog could not be made.
template <class D, class Prepare>
int showMapDialog(CMEGShowCCData2DFace& face, CDialog*& slot, const MapShow& how, CArrayMEDataSetqz* dataSet,
                  CWnd* parent, Prepare&& prepare)
{
    D* dlg = nullptr;
    if (!slot) {
        dlg = new (std::nothrow) D;
        if (!dlg) return 0;
        // The parent is never the window's own: the dialog stays a window of its own.
        if (!dlg->Create(how.templateId, nullptr)) {
            if (how.messageOnFailure) cxc::tellUser(cxc::dialogs::text::kErrorCreatingDialog);
            delete dlg;
            return 0;
        }
        dlg->mapView.mapMode = how.mapMode;
        slot = dlg;
    } else {
        dlg = dynamic_cast<D*>(slot);
        if (!dlg) return 0;  // the slot holds another kind of window
    }
    face.setDrawMEGData(dataSet);
    auto& view = dlg->mapView;
    view.dataSet = dataSet;
    if (!view.checkInitTrial()) view.trial = nullptr;
    else if (view.trial) view.projectSensors2D(view.chnlType);
    // Written on every call: a dialog shown again follows the latest data set and parent.
    view.drawer = &face;
    view.parentWnd = parent;
    view.cxcClass = how.cxcClass;
    dlg->dataSet = dataSet;
    dlg->drawer = &face;
    dlg->face = &face;
    dlg->parentWnd = parent;
    prepare(*dlg);
    dlg->ShowWindow(SW_SHOW);
    dlg->refreshDialog();
    // The view paints again, erased, whatever the refresh found: shown on another data set (the last
    // one may be freed), it must not keep any of the last one's picture around a missing-data text.
    dlg->viewWindow().Invalidate(TRUE);
    dlg->SetForegroundWindow();
    return 1;
}

template <class D>
int showMapDialog(CMEGShowCCData2DFace& face, CDialog*& slot, const MapShow& how, CArrayMEDataSetqz* dataSet,
                  CWnd* parent)
{
    return showMapDialog<D>(face, slot, how, dataSet, parent, [](D&) {});
}

}  // namespace cxc::facade
