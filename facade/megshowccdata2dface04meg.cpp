#include "stdafx.h"

#include "megshowccdata2dface04meg.h"

#include "contourview.h"
#include "cxcclass.h"
#include "dlgmegcxccontourfieldline2dmap.h"
#include "dlgmegcxctoplink2dmap.h"
#include "dlgmegcxctopwave2dmap.h"
#include "facadeslots.h"
#include "mapshow.h"

CMEGShowCCData2DFace04MEG::CMEGShowCCData2DFace04MEG() = default;

CMEGShowCCData2DFace04MEG::~CMEGShowCCData2DFace04MEG()
{
    cxc::facade::deleteInOrder({&megLinkAct, &megLinkCtl, &megLinkRst, &megWaveAct, &megWaveCtl, &megWaveRst,
                                &megCntAct, &megCntCtl, &megCntRst});
}

namespace {

using cxc::facade::MapShow;

constexpr MapShow link(int cls) { return MapShow{IDD_MEG_TOPLINK_2DMAP, cls, MapModeTopLink, cls == CxcClassActive}; }
constexpr MapShow wave(int cls) { return MapShow{IDD_MEG_TOPWAVE_2DMAP, cls, MapModeTopWave, cls == CxcClassActive}; }
constexpr MapShow contour(int cls) { return MapShow{IDD_MEG_CONTOUR_2DMAP, cls, MapModeContour, cls == CxcClassActive}; }

// The contour maps prepare their grid before the first refresh; a grid that cannot be built leaves
// the map with its sensors only.
int showContour(CMEGShowCCData2DFace04MEG& face, CDialog*& slot, int cls, CArrayMEDataSetqz* dataSet, CWnd* parent)
{
    auto prepareField = [&](CDlgMegCxcContourFieldLine2DMap& dlg) { cxc::prepareContourView(dlg.mapView, dataSet, cls); };
    return cxc::facade::showMapDialog<CDlgMegCxcContourFieldLine2DMap>(face, slot, contour(cls), dataSet, parent, prepareField);
}

}  // namespace

int CMEGShowCCData2DFace04MEG::showDlgCxcMegActLink2DMap(CArrayMEDataSetqz* dataSet, CWnd* parent)
{
    return cxc::facade::showMapDialog<CDlgMegCxcTopLink2DMap>(*this, megLinkAct, link(CxcClassActive), dataSet, parent);
}

int CMEGShowCCData2DFace04MEG::showDlgCxcMegCtlLink2DMap(CArrayMEDataSetqz* dataSet, CWnd* parent)
{
    return cxc::facade::showMapDialog<CDlgMegCxcTopLink2DMap>(*this, megLinkCtl, link(CxcClassControl), dataSet, parent);
}

int CMEGShowCCData2DFace04MEG::showDlgCxcMegRstLink2DMap(CArrayMEDataSetqz* dataSet, CWnd* parent)
{
    return cxc::facade::showMapDialog<CDlgMegCxcTopLink2DMap>(*this, megLinkRst, link(CxcClassActCtl), dataSet, parent);
}

int CMEGShowCCData2DFace04MEG::showDlgCxcMegActWave2DMap(CArrayMEDataSetqz* dataSet, CWnd* parent)
{
    return cxc::facade::showMapDialog<CDlgMegCxcTopWave2DMap>(*this, megWaveAct, wave(CxcClassActive), dataSet, parent);
}

int CMEGShowCCData2DFace04MEG::showDlgCxcMegCtlWave2DMap(CArrayMEDataSetqz* dataSet, CWnd* parent)
{
    return cxc::facade::showMapDialog<CDlgMegCxcTopWave2DMap>(*this, megWaveCtl, wave(CxcClassControl), dataSet, parent);
}

int CMEGShowCCData2DFace04MEG::showDlgCxcMegRstWave2DMap(CArrayMEDataSetqz* dataSet, CWnd* parent)
{
    return cxc::facade::showMapDialog<CDlgMegCxcTopWave2DMap>(*this, megWaveRst, wave(CxcClassActCtl), dataSet, parent);
}

int CMEGShowCCData2DFace04MEG::showDlgCxcMegActCntFieldLine2DMap(CArrayMEDataSetqz* dataSet, CWnd* parent)
{
    return showContour(*this, megCntAct, CxcClassActive, dataSet, parent);
}

int CMEGShowCCData2DFace04MEG::showDlgCxcMegCtlCntFieldLine2DMap(CArrayMEDataSetqz* dataSet, CWnd* parent)
{
    return showContour(*this, megCntCtl, CxcClassControl, dataSet, parent);
}

int CMEGShowCCData2DFace04MEG::showDlgCxcMegRstCntFieldLine2DMap(CArrayMEDataSetqz* dataSet, CWnd* parent)
{
    return showContour(*this, megCntRst, CxcClassActCtl, dataSet, parent);
}
