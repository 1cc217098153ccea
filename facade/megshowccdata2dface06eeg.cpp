#include "stdafx.h"

#include "megshowccdata2dface06eeg.h"

#include "contourview.h"
#include "cxcclass.h"
#include "dlgeegcxccontourfieldline2dmap.h"
#include "dlgeegcxctoplink2dmap.h"
#include "dlgeegcxctopwave2dmap.h"
#include "facadeslots.h"
#include "mapshow.h"

CMEGShowCCData2DFace06EEG::CMEGShowCCData2DFace06EEG() = default;

CMEGShowCCData2DFace06EEG::~CMEGShowCCData2DFace06EEG()
{
    cxc::facade::deleteInOrder({&eegLinkAct, &eegLinkCtl, &eegLinkRst, &eegWaveAct, &eegWaveCtl, &eegWaveRst,
                                &eegCntAct, &eegCntCtl, &eegCntRst});
}

namespace {

using cxc::facade::MapShow;

constexpr MapShow link(int cls) { return MapShow{IDD_EEG_TOPLINK_2DMAP, cls, MapModeTopLink, cls == CxcClassActive}; }
constexpr MapShow wave(int cls) { return MapShow{IDD_EEG_TOPWAVE_2DMAP, cls, MapModeTopWave, cls == CxcClassActive}; }
constexpr MapShow contour(int cls) { return MapShow{IDD_EEG_CONTOUR_2DMAP, cls, MapModeContour, cls == CxcClassActive}; }

// The contour maps prepare their grid before the first refresh; a grid that cannot be built leaves
// the map with its sensors only.
int showContour(CMEGShowCCData2DFace06EEG& face, CDialog*& slot, int cls, CArrayMEDataSetqz* dataSet, CWnd* parent)
{
    auto prepareField = [&](CDlgEegCxcContourFieldLine2DMap& dlg) { cxc::prepareContourView(dlg.mapView, dataSet, cls); };
    return cxc::facade::showMapDialog<CDlgEegCxcContourFieldLine2DMap>(face, slot, contour(cls), dataSet, parent, prepareField);
}

}  // namespace

int CMEGShowCCData2DFace06EEG::showDlgCxcEegActLink2DMap(CArrayMEDataSetqz* dataSet, CWnd* parent)
{
    return cxc::facade::showMapDialog<CDlgEegCxcTopLink2DMap>(*this, eegLinkAct, link(CxcClassActive), dataSet, parent);
}

int CMEGShowCCData2DFace06EEG::showDlgCxcEegCtlLink2DMap(CArrayMEDataSetqz* dataSet, CWnd* parent)
{
    return cxc::facade::showMapDialog<CDlgEegCxcTopLink2DMap>(*this, eegLinkCtl, link(CxcClassControl), dataSet, parent);
}

int CMEGShowCCData2DFace06EEG::showDlgCxcEegRstLink2DMap(CArrayMEDataSetqz* dataSet, CWnd* parent)
{
    return cxc::facade::showMapDialog<CDlgEegCxcTopLink2DMap>(*this, eegLinkRst, link(CxcClassActCtl), dataSet, parent);
}

int CMEGShowCCData2DFace06EEG::showDlgCxcEegActWave2DMap(CArrayMEDataSetqz* dataSet, CWnd* parent)
{
    return cxc::facade::showMapDialog<CDlgEegCxcTopWave2DMap>(*this, eegWaveAct, wave(CxcClassActive), dataSet, parent);
}

int CMEGShowCCData2DFace06EEG::showDlgCxcEegCtlWave2DMap(CArrayMEDataSetqz* dataSet, CWnd* parent)
{
    return cxc::facade::showMapDialog<CDlgEegCxcTopWave2DMap>(*this, eegWaveCtl, wave(CxcClassControl), dataSet, parent);
}

int CMEGShowCCData2DFace06EEG::showDlgCxcEegRstWave2DMap(CArrayMEDataSetqz* dataSet, CWnd* parent)
{
    return cxc::facade::showMapDialog<CDlgEegCxcTopWave2DMap>(*this, eegWaveRst, wave(CxcClassActCtl), dataSet, parent);
}

int CMEGShowCCData2DFace06EEG::showDlgCxcEegActCntFieldLine2DMap(CArrayMEDataSetqz* dataSet, CWnd* parent)
{
    return showContour(*this, eegCntAct, CxcClassActive, dataSet, parent);
}

int CMEGShowCCData2DFace06EEG::showDlgCxcEegCtlCntFieldLine2DMap(CArrayMEDataSetqz* dataSet, CWnd* parent)
{
    return showContour(*this, eegCntCtl, CxcClassControl, dataSet, parent);
}

int CMEGShowCCData2DFace06EEG::showDlgCxcEegRstCntFieldLine2DMap(CArrayMEDataSetqz* dataSet, CWnd* parent)
{
    return showContour(*this, eegCntRst, CxcClassActCtl, dataSet, parent);
}
