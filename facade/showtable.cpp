#include "stdafx.h"

#include "showtable.h"

#include <algorithm>

#include "modulebase.h"

namespace cxc {

namespace {

using Face = CMEGShowCCData2DFaceqz;

#define CXC_MAP(fn, menu, text, kind, cls, slot, n) \
    ShowEntry{#fn, menu, text, kind, cls, &Face::fn, slot, IDC_MAP_VIEW, IDC_PLAY, kMapPlayTimer, kFirstShowCommand + (n)}
#define CXC_VIEWER(fn, text, kind, cls, slot, view, play, timer, n) \
    ShowEntry{#fn, ShowMenu::Viewers, text, kind, cls, &Face::fn, slot, view, play, timer, kFirstShowCommand + (n)}

const ShowEntry kTable[] = {
    CXC_MAP(showDlgCxcMegActLink2DMap, ShowMenu::Meg, L"Link Map (Active)", ShowKind::Link, 0, &Face::megLinkAct, 0),
    CXC_MAP(showDlgCxcMegCtlLink2DMap, ShowMenu::Meg, L"Link Map (Control)", ShowKind::Link, 1, &Face::megLinkCtl, 1),
    CXC_MAP(showDlgCxcMegRstLink2DMap, ShowMenu::Meg, L"Link Map (Act-Ctl)", ShowKind::Link, 2, &Face::megLinkRst, 2),
    CXC_MAP(showDlgCxcMegActWave2DMap, ShowMenu::Meg, L"Patch Map (Active)", ShowKind::Patch, 0, &Face::megWaveAct, 3),
    CXC_MAP(showDlgCxcMegCtlWave2DMap, ShowMenu::Meg, L"Patch Map (Control)", ShowKind::Patch, 1, &Face::megWaveCtl, 4),
    CXC_MAP(showDlgCxcMegRstWave2DMap, ShowMenu::Meg, L"Patch Map (Act-Ctl)", ShowKind::Patch, 2, &Face::megWaveRst, 5),
    CXC_MAP(showDlgCxcMegActCntFieldLine2DMap, ShowMenu::Meg, L"Contour Map (Active)", ShowKind::Contour, 0,
            &Face::megCntAct, 6),
    CXC_MAP(showDlgCxcMegCtlCntFieldLine2DMap, ShowMenu::Meg, L"Contour Map (Control)", ShowKind::Contour, 1,
            &Face::megCntCtl, 7),
    CXC_MAP(showDlgCxcMegRstCntFieldLine2DMap, ShowMenu::Meg, L"Contour Map (Act-Ctl)", ShowKind::Contour, 2,
            &Face::megCntRst, 8),
    CXC_MAP(showDlgCxcEegActLink2DMap, ShowMenu::Eeg, L"Link Map (Active)", ShowKind::Link, 0, &Face::eegLinkAct, 9),
    CXC_MAP(showDlgCxcEegCtlLink2DMap, ShowMenu::Eeg, L"Link Map (Control)", ShowKind::Link, 1, &Face::eegLinkCtl, 10),
    CXC_MAP(showDlgCxcEegRstLink2DMap, ShowMenu::Eeg, L"Link Map (Act-Ctl)", ShowKind::Link, 2, &Face::eegLinkRst, 11),
    CXC_MAP(showDlgCxcEegActWave2DMap, ShowMenu::Eeg, L"Patch Map (Active)", ShowKind::Patch, 0, &Face::eegWaveAct, 12),
    CXC_MAP(showDlgCxcEegCtlWave2DMap, ShowMenu::Eeg, L"Patch Map (Control)", ShowKind::Patch, 1, &Face::eegWaveCtl, 13),
    CXC_MAP(showDlgCxcEegRstWave2DMap, ShowMenu::Eeg, L"Patch Map (Act-Ctl)", ShowKind::Patch, 2, &Face::eegWaveRst, 14),
    CXC_MAP(showDlgCxcEegActCntFieldLine2DMap, ShowMenu::Eeg, L"Contour Map (Active)", ShowKind::Contour, 0,
            &Face::eegCntAct, 15),
    CXC_MAP(showDlgCxcEegCtlCntFieldLine2DMap, ShowMenu::Eeg, L"Contour Map (Control)", ShowKind::Contour, 1,
            &Face::eegCntCtl, 16),
    CXC_MAP(showDlgCxcEegRstCntFieldLine2DMap, ShowMenu::Eeg, L"Contour Map (Act-Ctl)", ShowKind::Contour, 2,
            &Face::eegCntRst, 17),
    CXC_VIEWER(showDlgCxcRowColumnAct, L"Row/Column Viewer (Active)", ShowKind::RowColumn, 0, &Face::rowColAct,
               IDC_RC_VIEW, 0, 0, 18),
    CXC_VIEWER(showDlgCxcRowColumnCtl, L"Row/Column Viewer (Control)", ShowKind::RowColumn, 1, &Face::rowColCtl,
               IDC_RC_VIEW, 0, 0, 19),
    CXC_VIEWER(showDlgCxcRowColumnRst, L"Row/Column Viewer (Act-Ctl)", ShowKind::RowColumn, 2, &Face::rowColRst,
               IDC_RC_VIEW, 0, 0, 20),
    CXC_VIEWER(showDlgCxcMatrixAct, L"Matrix Viewer (Active)", ShowKind::Matrix, 0, &Face::matrixAct, IDC_MATRIX_VIEW,
               IDC_MATRIX_PLAY, kMatrixPlayTimer, 21),
    CXC_VIEWER(showDlgCxcMatrixCtl, L"Matrix Viewer (Control)", ShowKind::Matrix, 1, &Face::matrixCtl, IDC_MATRIX_VIEW,
               IDC_MATRIX_PLAY, kMatrixPlayTimer, 22),
    CXC_VIEWER(showDlgCxcMatrixRst, L"Matrix Viewer (Act-Ctl)", ShowKind::Matrix, 2, &Face::matrixRst, IDC_MATRIX_VIEW,
               IDC_MATRIX_PLAY, kMatrixPlayTimer, 23),
};

#undef CXC_MAP
#undef CXC_VIEWER

static_assert(std::size(kTable) == kLastShowCommand - kFirstShowCommand + 1);

}  // namespace

std::span<const ShowEntry> showTable() { return kTable; }

const ShowEntry* findShow(std::string_view name)
{
    const auto it = std::find_if(std::begin(kTable), std::end(kTable), [&](const ShowEntry& e) { return name == e.name; });
    return it == std::end(kTable) ? nullptr : &*it;
}

const ShowEntry* findShowCommand(UINT commandId)
{
    const auto it = std::find_if(std::begin(kTable), std::end(kTable),
                                 [&](const ShowEntry& e) { return e.commandId == commandId; });
    return it == std::end(kTable) ? nullptr : &*it;
}

}  // namespace cxc
