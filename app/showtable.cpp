#include "showtable.h"

#include <algorithm>

#include "modulebase.h"
#include "resource.h"

namespace cxc::app {

namespace {

// The facade's show function `fn`, or null while the module does not have it yet; the table names
// every window either way, so a window that lands in the module appears in the host by itself.
#define CXC_SHOW_FN(fn)                                                        \
    []<class F>(F*) -> ShowFn {                                                \
        if constexpr (requires { &F::fn; }) return static_cast<ShowFn>(&F::fn); \
        else return nullptr;                                                   \
    }(static_cast<Facade*>(nullptr))

constexpr UINT_PTR kMapTimer = cxc::kMapPlayTimer;
constexpr UINT_PTR kMatrixTimer = cxc::kMatrixPlayTimer;

#define CXC_MAP(fn, menu, text, cls, slot, n) \
    ShowEntry{#fn, menu, text, cls, CXC_SHOW_FN(fn), slot, IDC_MAP_VIEW, IDC_PLAY, kMapTimer, kFirstShowCommand + (n)}

const ShowEntry kTable[] = {
    CXC_MAP(showDlgCxcMegActLink2DMap, HostMenu::Meg, L"Link Map (Active)", 0, &Facade::megLinkAct, 0),
    CXC_MAP(showDlgCxcMegCtlLink2DMap, HostMenu::Meg, L"Link Map (Control)", 1, &Facade::megLinkCtl, 1),
    CXC_MAP(showDlgCxcMegRstLink2DMap, HostMenu::Meg, L"Link Map (Act-Ctl)", 2, &Facade::megLinkRst, 2),
    CXC_MAP(showDlgCxcMegActWave2DMap, HostMenu::Meg, L"Patch Map (Active)", 0, &Facade::megWaveAct, 3),
    CXC_MAP(showDlgCxcMegCtlWave2DMap, HostMenu::Meg, L"Patch Map (Control)", 1, &Facade::megWaveCtl, 4),
    CXC_MAP(showDlgCxcMegRstWave2DMap, HostMenu::Meg, L"Patch Map (Act-Ctl)", 2, &Facade::megWaveRst, 5),
    CXC_MAP(showDlgCxcMegActCntFieldLine2DMap, HostMenu::Meg, L"Contour Map (Active)", 0, &Facade::megCntAct, 6),
    CXC_MAP(showDlgCxcMegCtlCntFieldLine2DMap, HostMenu::Meg, L"Contour Map (Control)", 1, &Facade::megCntCtl, 7),
    CXC_MAP(showDlgCxcMegRstCntFieldLine2DMap, HostMenu::Meg, L"Contour Map (Act-Ctl)", 2, &Facade::megCntRst, 8),
    CXC_MAP(showDlgCxcEegActLink2DMap, HostMenu::Eeg, L"Link Map (Active)", 0, &Facade::eegLinkAct, 9),
    CXC_MAP(showDlgCxcEegCtlLink2DMap, HostMenu::Eeg, L"Link Map (Control)", 1, &Facade::eegLinkCtl, 10),
    CXC_MAP(showDlgCxcEegRstLink2DMap, HostMenu::Eeg, L"Link Map (Act-Ctl)", 2, &Facade::eegLinkRst, 11),
    CXC_MAP(showDlgCxcEegActWave2DMap, HostMenu::Eeg, L"Patch Map (Active)", 0, &Facade::eegWaveAct, 12),
    CXC_MAP(showDlgCxcEegCtlWave2DMap, HostMenu::Eeg, L"Patch Map (Control)", 1, &Facade::eegWaveCtl, 13),
    CXC_MAP(showDlgCxcEegRstWave2DMap, HostMenu::Eeg, L"Patch Map (Act-Ctl)", 2, &Facade::eegWaveRst, 14),
    CXC_MAP(showDlgCxcEegActCntFieldLine2DMap, HostMenu::Eeg, L"Contour Map (Active)", 0, &Facade::eegCntAct, 15),
    CXC_MAP(showDlgCxcEegCtlCntFieldLine2DMap, HostMenu::Eeg, L"Contour Map (Control)", 1, &Facade::eegCntCtl, 16),
    CXC_MAP(showDlgCxcEegRstCntFieldLine2DMap, HostMenu::Eeg, L"Contour Map (Act-Ctl)", 2, &Facade::eegCntRst, 17),
    ShowEntry{"showDlgCxcRowColumnAct", HostMenu::Viewers, L"Row/Column Viewer (Active)", 0,
              CXC_SHOW_FN(showDlgCxcRowColumnAct), &Facade::rowColAct, IDC_RC_VIEW, 0, 0, kFirstShowCommand + 18},
    ShowEntry{"showDlgCxcRowColumnCtl", HostMenu::Viewers, L"Row/Column Viewer (Control)", 1,
              CXC_SHOW_FN(showDlgCxcRowColumnCtl), &Facade::rowColCtl, IDC_RC_VIEW, 0, 0, kFirstShowCommand + 19},
    ShowEntry{"showDlgCxcRowColumnRst", HostMenu::Viewers, L"Row/Column Viewer (Act-Ctl)", 2,
              CXC_SHOW_FN(showDlgCxcRowColumnRst), &Facade::rowColRst, IDC_RC_VIEW, 0, 0, kFirstShowCommand + 20},
    ShowEntry{"showDlgCxcMatrixAct", HostMenu::Viewers, L"Matrix Viewer (Active)", 0, CXC_SHOW_FN(showDlgCxcMatrixAct),
              &Facade::matrixAct, IDC_MATRIX_VIEW, IDC_MATRIX_PLAY, kMatrixTimer, kFirstShowCommand + 21},
    ShowEntry{"showDlgCxcMatrixCtl", HostMenu::Viewers, L"Matrix Viewer (Control)", 1, CXC_SHOW_FN(showDlgCxcMatrixCtl),
              &Facade::matrixCtl, IDC_MATRIX_VIEW, IDC_MATRIX_PLAY, kMatrixTimer, kFirstShowCommand + 22},
    ShowEntry{"showDlgCxcMatrixRst", HostMenu::Viewers, L"Matrix Viewer (Act-Ctl)", 2, CXC_SHOW_FN(showDlgCxcMatrixRst),
              &Facade::matrixRst, IDC_MATRIX_VIEW, IDC_MATRIX_PLAY, kMatrixTimer, kFirstShowCommand + 23},
};

#undef CXC_MAP
#undef CXC_SHOW_FN

}  // namespace

std::span<const ShowEntry> showTable() { return kTable; }

const ShowEntry* findShow(std::string_view name)
{
    const auto it = std::find_if(std::begin(kTable), std::end(kTable), [&](const ShowEntry& e) { return name == e.name; });
    return it == std::end(kTable) ? nullptr : &*it;
}

const ShowEntry* findCommand(UINT commandId)
{
    const auto it = std::find_if(std::begin(kTable), std::end(kTable),
                                 [&](const ShowEntry& e) { return e.commandId == commandId; });
    return it == std::end(kTable) ? nullptr : &*it;
}

CDialog* dialogOf(Facade& facade, const ShowEntry& entry) { return facade.*entry.slot; }

}  // namespace cxc::app
