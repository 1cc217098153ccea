// A kind of map dialog with the sensor map view of one modality: the view object (subclassing
// control 3763) and the core's questions to it answered by that view. Builds on a map dialog core.
#pragma once

#include "mapdialogcore.h"

namespace cxc::dialogs {

// A kind of map dialog (Core) with the view of one modality: the MEG or EEG sensor map view,
// subclassing control 3763.
template <class View, class Core>
class MapDialogWith : public Core {
public:
    using Core::Core;
    // The window goes while the view it holds still exists.
    ~MapDialogWith() override
    {
        if (this->m_hWnd) this->DestroyWindow();
    }

    View mapView;

    cxc::maps::SensorMapFields& viewFields() override { return mapView; }
    CWnd& viewWindow() override { return mapView; }
    int viewCheckInitTrial() override { return mapView.checkInitTrial(); }
    int viewHitTestSensor(CPoint point, int mirror, int type) override
    {
        return mapView.hitTestSensor(point, mirror, type);
    }
};

}  // namespace cxc::dialogs
