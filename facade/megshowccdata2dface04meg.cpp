#include "stdafx.h"

#include "megshowccdata2dface04meg.h"

#include "cxcclass.h"
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
