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
// A kind of map window in its three classes, from the n-th menu command on.
#define CXC_MAPS(mod, fnTail, menu, text, kind, slot, n)                                               \
    CXC_MAP(showDlgCxc##mod##Act##fnTail, menu, text L" (Active)", kind, 0, &Face::slot##Act, n),      \
    CXC_MAP(showDlgCxc##mod##Ctl##fnTail, menu, text L" (Control)", kind, 1, &Face::slot##Ctl, n + 1), \
    CXC_MAP(showDlgCxc##mod##Rst##fnTail, menu, text L" (Act-Ctl)", kind, 2, &Face::slot##Rst, n + 2)
#define CXC_VIEWERS(fnHead, text, kind, slot, view, play, timer, n)                                      \
    CXC_VIEWER(showDlgCxc##fnHead##Act, text L" (Active)", kind, 0, &Face::slot##Act, view, play, timer, n), \
    CXC_VIEWER(showDlgCxc##fnHead##Ctl, text L" (Control)", kind, 1, &Face::slot##Ctl, view, play, timer, n + 1), \
    CXC_VIEWER(showDlgCxc##fnHead##Rst, text L" (Act-Ctl)", kind, 2, &Face::slot##Rst, view, play, timer, n + 2)

const ShowEntry kTable[] = {
    CXC_MAPS(Meg, Link2DMap, ShowMenu::Meg, L"Link Map", ShowKind::Link, megLink, 0),
    CXC_MAPS(Meg, Wave2DMap, ShowMenu::Meg, L"Patch Map", ShowKind::Patch, megWave, 3),
    CXC_MAPS(Meg, CntFieldLine2DMap, ShowMenu::Meg, L"Contour Map", ShowKind::Contour, megCnt, 6),
    CXC_MAPS(Eeg, Link2DMap, ShowMenu::Eeg, L"Link Map", ShowKind::Link, eegLink, 9),
    CXC_MAPS(Eeg, Wave2DMap, ShowMenu::Eeg, L"Patch Map", ShowKind::Patch, eegWave, 12),
    CXC_MAPS(Eeg, CntFieldLine2DMap, ShowMenu::Eeg, L"Contour Map", ShowKind::Contour, eegCnt, 15),
    CXC_VIEWERS(RowColumn, L"Row/Column Viewer", ShowKind::RowColumn, rowCol, IDC_RC_VIEW, 0, 0, 18),
    CXC_VIEWERS(Matrix, L"Matrix Viewer", ShowKind::Matrix, matrix, IDC_MATRIX_VIEW, IDC_MATRIX_PLAY, kMatrixPlayTimer, 21),
};

#undef CXC_MAPS
#undef CXC_VIEWERS
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
